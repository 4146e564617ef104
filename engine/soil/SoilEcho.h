#pragma once
// Input echo of the earth-pressure stage: "WALL INFORMATION", "SOIL INFORMATION" and
// "EFFECTIVE OVERBURDEN STRESS".

#include "TextOut.h"
#include "UnitLabels.h"
#include "soil/LayerTable.h"
#include "soil/SoilInput.h"

namespace tervane {

void writeWallEcho(TextOut& report, const SoilInput& soil, double gammaW, const UnitLabels& labels);

// One row per row of the layer table; the column heading for unit systems 1 and 2 only.
void writeSoilEcho(TextOut& report, const LayerTable& table, int unitSystem);

void writeOverburdenEcho(TextOut& report, const LayerTable& table, const UnitLabels& labels);

} // namespace tervane
