#pragma once
// The results of a problem: the report's results table with its warnings, and the rows the plot
// file's result block takes (stations 0 .. N+1).

#include "EngineState.h"
#include "TextOut.h"

namespace tervane {

// The title line again, the results heading with the iteration number, the warnings of the last
// iteration and one line per station 0 .. N.
void writeResultsTable(TextOut& report, const EngineState& state, const SolverOutcome& outcome,
                       const StationResults& results);

// Stations 0 .. N+1 into the rows the plot file's result block writes.
void storeResultRows(ResultRows& rows, int increments, const StationResults& results);

} // namespace tervane
