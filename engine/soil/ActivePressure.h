#pragma once
// Active earth pressure of the backfill layers: the earth pressure coefficients of every row of
// the layer table, and the active earth and water forces of the rows above the excavation level
// with their report tables and the net force check.

#include "TextOut.h"
#include "soil/LayerTable.h"

#include <array>

namespace tervane {

struct UnitLabels;

struct ActivePressureRow {
    double ka = 0;     // active coefficient used (sloping backfill or the user's value)
    double sqrtKa = 0; // its root; 0 with the user's value (no cohesion term)
    double kp = 0;     // passive coefficient (reported only)
    double pa1 = 0, pa2 = 0, pa3 = 0, pa4 = 0; // active force parts per unit width
    double z1 = 0, z2 = 0, z3 = 0;             // their depths of action
    double crackDepth = 0;                     // positive-pressure part of a tension zone
    double pw1 = 0, pw2 = 0;                   // water force parts, stored negative
};

struct ActivePressure {
    std::array<ActivePressureRow, kMaxLayerRows + 2> rows{}; // rows 1..NL of the layer table
    double netForce = 0;

    ActivePressureRow& row(int L) { return rows[static_cast<std::size_t>(L)]; }
    const ActivePressureRow& row(int L) const { return rows[static_cast<std::size_t>(L)]; }
};

// Rankine's active coefficient tan^2(45 - phi/2) and its root, phi in degrees.
void horizontalBackfillKa(double phiDegrees, double& ka, double& sqrtKa);

// Force parts to 0, depths of action to their "unset" marks.
void resetActivePressure(const LayerTable& table, ActivePressure& ap);

// Coefficients of rows 1..NL with the section "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT";
// the warning for a backfill slope not below the friction angle goes to the run notes and the
// report.
void computeCoefficients(const SoilInput& soil, const LayerTable& table, ActivePressure& ap,
                         TextOut& report, TextOut& notes);

// Earth and water forces of rows 1..LP-1 with their report tables, then the net force check.
void computeLayerForces(const LayerTable& table, ActivePressure& ap, const UnitLabels& labels,
                        TextOut& report);

} // namespace tervane
