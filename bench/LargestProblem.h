#pragma once
// The largest problem the engine's storage allows, as a project data file: 407 increments, ten
// soil layers of mixed types with generated earth pressure and generated p-y curves (50 curve
// sets), a p-y modification table, a concentrated load, two tiebacks and a moment-EI set, with a
// closure tolerance of 0 so the solution runs to its iteration limit.

#include <string>

namespace bench {

std::string largestProblemDataFile();

} // namespace bench
