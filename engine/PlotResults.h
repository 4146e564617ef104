#pragma once
// Block 3 of the plot data file: the wall's response at stations 0 .. N+1.

#include "EngineState.h"
#include "TextOut.h"

namespace tervane {

// One free-form line (marker, row count, unit system), then the rows as 5(1X,E13.4).
void writeResultBlock(TextOut& plot, int marker, const ResultRows& rows, int unitSystem);

} // namespace tervane
