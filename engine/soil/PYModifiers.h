#pragma once
// p- and y-multipliers of the generated curves at a depth below the top of the wall, and the width
// ratio that decides the continuous-wall forms of the generators.

#include "ProblemInput.h"

namespace tervane {

struct CurveMultipliers {
    double p = 1.0;
    double y = 1.0;
};

// Wa/Wp, taken as 1 when smaller than 1; Wa itself is returned unchanged when Wp <= 0.
double widthRatio(double activeWidth, double pyWidth);

// Multipliers at `depth` below the top of the wall. With a modification table its rows rule
// (interpolated; 1 outside the table); without one the y-multiplier is 1 and the p-multiplier is
// the reduction for closely spaced wall elements, 0.5292 (Wa/Wp)^0.5659, for
// 1.1 <= Wa/Wp < 3.1 at or below the excavation level H, else 1.
CurveMultipliers curveMultipliers(const ModifierTable& table, double depth, double activeWidth,
                                  double pyWidth, double freeHeight);

// One column of the modification table at `depth` (exposed for tests).
double modifierTableValue(const ModifierTable& table, const double* values, double depth);

} // namespace tervane
