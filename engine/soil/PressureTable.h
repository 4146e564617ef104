#pragma once
// The active pressure table of the backfill side: pressure against depth from the ground surface
// to the bottom of the soil profile, in sub-steps of about one length unit (1/20 m in SI), split
// into an earth part and a surcharge part, and the trapezoidal apparent-pressure diagram of
// anchored walls that may replace it above the excavation level.

#include "soil/ActivePressure.h"
#include "soil/LayerTable.h"

#include <array>

namespace tervane {

struct EngineState;

// Rows kept: far more than the distributed-load table of the driver takes.
inline constexpr int kMaxPressureRows = 8000;

struct PressureTable {
    int count = 0;         // rows built, 1..count
    int countRecord = 0;   // rows the driver is told to read
    int excavationRow = 0; // iH: last row of the layers above the excavation level
    double netForce = 0;   // F_t: net active force above the excavation level (total pressure)
    std::array<double, kMaxPressureRows + 1> depth{};
    std::array<double, kMaxPressureRows + 1> total{};
    std::array<double, kMaxPressureRows + 1> earth{};
    std::array<double, kMaxPressureRows + 1> surcharge{};
};

// Builds the table from the layer table and its coefficients; surcharge pressures from the
// surcharge rows of the state's soil input.
void buildPressureTable(const EngineState& state, const LayerTable& layers,
                        const ActivePressure& ap, PressureTable& table);

// Supports of an anchored wall for the trapezoidal diagram.
struct SupportDepths {
    int count = 0;    // rows of the spring table (springs and tiebacks)
    double first = 0; // depth of the first support row
    double last = 0;  // depth of the last support row
};

// Replaces the totals of rows 2..iH by the trapezoid of area 1.3 F_t. Returns false (table
// unchanged) when there is no support to shape it.
bool applyTrapezoid(PressureTable& table, double freeHeight, const SupportDepths& supports);

} // namespace tervane
