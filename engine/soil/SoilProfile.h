#pragma once
// The soil profiles a problem works on, kept in the engine state: the earth-pressure layer table
// of the backfill side, the resistance profile below the excavation level, and the effective
// vertical stress at the excavation level that the curve generation uses, and the earth
// pressure results of the layer table.

#include "soil/ActivePressure.h"
#include "soil/LayerTable.h"
#include "soil/PressureTable.h"
#include "soil/ResistanceProfile.h"

namespace tervane {

struct SoilProfiles {
    LayerTable layers;
    ResistanceProfile resistance;
    ActivePressure active;  // coefficients and forces of the layer table
    PressureTable pressure; // the generated pressure table of the last stage
    // SIGV_H of the last earth-pressure stage of the run (0 until one has run).
    double sigvH = 0.0;
};

} // namespace tervane
