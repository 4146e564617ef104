#pragma once
// Solution of the five-term equations of all stations by a two-pass recursion, with the boundary
// codes of specified deflections and slopes.

#include "ProblemInput.h"
#include "SolverWork.h"
#include "StationData.h"

namespace tervane {

// Solves a w(s-2) + b w(s-1) + c w(s) + d w(s+1) + e w(s+2) = f for s = -1 .. N+1 with the working
// loads and springs of `work` (qWork, sWork) and its prepared equation terms (work.equations,
// prepareEquationTerms of the current stiffness) and writes the deflections into work.w (stations
// -1 .. N+1; w(N+2) = w(N+3) = 0). N = wall.increments (1 .. kMaxIncrements), h > 0.
void solveRecursion(const StationData& st, const WallRecord& wall, SolverWork& work);

} // namespace tervane
