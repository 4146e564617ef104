#pragma once
// The beam-column solver: the wall as a beam-column on springs and soil resistance curves,
// solved by a five-term finite-difference equation per station with iteration on the curves and
// on the moment-stiffness sets. All storage is fixed; nothing is allocated per iteration.

#include "ProblemInput.h"
#include "SolverWork.h"
#include "StationData.h"
#include "TextOut.h"

namespace tervane {

// Solves the wall. Writes the iteration monitor to `notes`. Throws ProblemStop when a curve
// range runs backwards or the wall record cannot be stored. `st` is updated in place: stiffness
// from the moment-stiffness sets, first stations of continuing curves.
SolverOutcome solveWall(const WallRecord& wall, int maxIterations, StationData& st,
                        SolverWork& work, TextOut& notes);

// Slope, moment, shear and net reaction from the final deflections, with the corrections for
// concentrated couples.
void computeResults(const WallRecord& wall, const StationData& st, const SolverWork& work,
                    StationResults& out);

} // namespace tervane
