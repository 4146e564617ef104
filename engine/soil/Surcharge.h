#pragma once
// Lateral pressure on the wall from surcharges on the backfill surface: point loads, line loads
// parallel to the wall and strip loads, at some distance from the wall.

#include "TextOut.h"
#include "UnitLabels.h"
#include "soil/SoilInput.h"

namespace tervane {

// Lateral pressure of one surcharge row at depth z below the top of the wall, for free height H
// and wall length L: the value on the grid z_k = k L/200 (k = 1..200) at the deepest grid depth
// above z; 0 when z <= L/200. Requires H > 0.
double surchargeRowPressure(const SurchargeRow& row, double H, double L, double z);

// "SURCHARGE INFORMATION": the uniform surface pressure and the surcharge rows of type 1 to 3.
void writeSurchargeEcho(TextOut& report, const SoilInput& soil, const UnitLabels& labels);

} // namespace tervane
