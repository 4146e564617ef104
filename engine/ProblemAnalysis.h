#pragma once
// The body of one problem, after its title and control record, read and analysed in one place
// and in the data file's order: the rest of its records, the station data, the earth-pressure
// stage and the curve generation (each handing its table over through its scratch file, read back
// right after it), the solution, the results and the plot blocks.

#include "RunContext.h"

namespace tervane {

// Reads and analyses the rest of the current problem. Error stops throw ProblemStop.
void analyseProblemBody(RunContext& ctx);

} // namespace tervane
