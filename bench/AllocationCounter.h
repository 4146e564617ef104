#pragma once
// Counts the heap allocations of the benchmark process (the global operator new is replaced in
// AllocationCounter.cpp), so a benchmark can show what a measured call allocates.

namespace bench {

long allocationCount();

} // namespace bench
