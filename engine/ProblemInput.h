#pragma once
// Values of a problem read from the data file besides the control record: the wall record,
// the p-y modification factors and the distributed-load table.

#include "Capacities.h"

#include <array>

namespace tervane {

// Record 3.
struct WallRecord {
    int increments = 0;          // N
    double incrementLength = 0;  // h
    double maxDeflection = 0;    // Dmax
    double tolerance = 0;        // closure tolerance
    double freeHeight = 0;       // H
    double activeWidth = 0;      // Wa
};

struct DistributedLoadTable {
    int count = 0;
    std::array<double, kMaxDistributedLoadRows> depth{};
    std::array<double, kMaxDistributedLoadRows> total{};
    std::array<double, kMaxDistributedLoadRows> earth{};
    std::array<double, kMaxDistributedLoadRows> surcharge{};
};

struct ModifierTable {
    int count = 0;
    std::array<double, kMaxModifierRows> depth{};
    std::array<double, kMaxModifierRows> pMultiplier{};
    std::array<double, kMaxModifierRows> yMultiplier{};
};

} // namespace tervane
