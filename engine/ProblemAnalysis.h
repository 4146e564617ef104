#pragma once
// The body of one problem, after its title and control record: the rest of its records, the
// station data, the soil and loading models, the solution, the results and the plot blocks.

#include "RunContext.h"

namespace tervane {

// Reads and analyses the rest of the current problem. Error stops throw ProblemStop.
void analyseProblemBody(RunContext& ctx);

} // namespace tervane
