#pragma once
// Building blocks for the soil-model tests: soil layers and record-13 values set up in code.

#include "soil/SoilInput.h"

namespace soiltest {

// Appends a layer from the previous bottom down to `bottom`, the same values top and bottom:
// unit weight, cohesion, friction angle (degrees), E50, k, optional coefficient.
inline void addLayer(tervane::SoilInput& s, int type, double bottom, double gamma, double c,
                     double phi, double e50 = 0.0, double k = 0.0, double sixth = 0.0) {
    auto& rec = s.layers[static_cast<std::size_t>(s.layerCount)];
    const double previous =
        s.layerCount > 0 ? s.layers[static_cast<std::size_t>(s.layerCount - 1)].bottomDepth : 0.0;
    rec.type = type;
    rec.bottomDepth = bottom;
    rec.thickness = bottom - previous;
    rec.top = {gamma, c, phi, e50, k, sixth};
    rec.bottom = rec.top;
    ++s.layerCount;
}

inline tervane::SoilInput wall(double H, double dwb, double q = 0.0) {
    tervane::SoilInput s;
    s.freeHeight = H;
    s.activeWidth = 1.0;
    s.pyWidth = 1.0;
    s.waterDepthBackfill = dwb;
    s.waterDepthExcavation = dwb;
    s.activePressureFactor = 1.0;
    s.uniformSurcharge = q;
    return s;
}

} // namespace soiltest
