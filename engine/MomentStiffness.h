#pragma once
// Update of the flexural stiffness from the moment-stiffness sets: a nonlinear wall section whose
// stiffness EI depends on the bending moment it carries.

#include "StationData.h"

namespace tervane {

// For each set and each station j of its range that lies on the wall (0 .. N), sets F(j) to the
// stiffness at which the set's moment-stiffness relation meets the curvature of the current
// deflections:
//   kappa = |w(j-1) - 2 w(j) + w(j+1)| / h^2,
//   find the point i (2 .. n-1, else n) with the first M(i) > kappa EI(i); on the segment from
//   point i-1 to point i, M(t) = kappa EI(t) gives
//   t = (M1 - kappa EI1) / ((EI2 - EI1) kappa - M2 + M1),   F(j) = EI1 + t (EI2 - EI1).
// A set with fewer than 2 points changes nothing; a segment parallel to M = kappa EI gives EI1.
void updateStiffness(StationData& st, int n, double h, const StationArray<double>& w);

} // namespace tervane
