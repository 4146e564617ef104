#pragma once
// The soil profiles a problem works on, kept in the engine state: the earth-pressure layer table
// of the backfill side, the resistance profile below the excavation level, and the effective
// vertical stress at the excavation level that the curve generation uses.

#include "soil/LayerTable.h"
#include "soil/ResistanceProfile.h"

namespace tervane {

struct SoilProfiles {
    LayerTable layers;
    ResistanceProfile resistance;
    // SIGV_H of the last earth-pressure stage of the run (0 until one has run).
    double sigvH = 0.0;
};

} // namespace tervane
