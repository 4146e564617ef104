#pragma once
// The generated curve sets of the resistance profile: per p-y layer, at each of its five curve
// depths, one curve for the excavation side and one for the backfill side from the generator of
// the layer's soil type, with the p- and y-multipliers and the active-pressure offset applied,
// written to the report and as 34 point records to SOILDATA.

#include "ProblemInput.h"
#include "TextOut.h"
#include "UnitLabels.h"
#include "soil/ResistanceProfile.h"

#include <array>
#include <string>

namespace tervane {

struct CurveSetInput {
    const ResistanceProfile* profile = nullptr;
    const ModifierTable* modifiers = nullptr;
    const UnitLabels* labels = nullptr;
    double activeWidth = 0; // Wa
    double sigvH = 0;       // effective vertical stress at the excavation level (backfill side)
};

// The five curve depths of p-y layer k in depth order. A layer thinner than four times the
// offset d of its first and last curve from its boundaries would get them out of order (the
// first below the second, or outside the layer); its offset then becomes T/8, so the five
// depths stay inside the layer and ascending.
std::array<double, 5> layerCurveDepths(const ResistanceProfile& profile, int k);

// Generates the curve sets of layers 1..NP in depth order. Returns the number of curve depths
// written (5 NP).
int writeCurveSets(const CurveSetInput& in, TextOut& report, TextOut& soilData);

// A real in free format: the shortest text that reads back to the same value.
std::string freeReal(double v);

} // namespace tervane
