#pragma once
// Record 13 of a problem as read from the data file: wall, water and surcharge values, the
// surcharge rows and the soil layers. Read by the input reader; used by the soil models.

#include "Capacities.h"

#include <array>

namespace tervane {

struct SurchargeRow {
    int type = 1;          // 1 point load, 2 line load, 3 strip load
    double magnitude = 0;
    double distance = 0;   // X, already in metres for unit system 2
    double width = 0;      // W, likewise
};

struct SoilLayerRecord {
    int type = 1;              // 1..7
    double bottomDepth = 0;    // depth of the layer's bottom below the top of the wall
    double thickness = 0;      // bottom depth minus the previous layer's bottom depth
    std::array<double, 6> top{};
    std::array<double, 6> bottom{};
};

struct SoilInput {
    // 13.1
    double freeHeight = 0;           // H
    double activeWidth = 0;          // Wa
    double pyWidth = 0;              // Wp
    double waterDepthBackfill = 0;   // DWb
    double waterDepthExcavation = 0; // DWe (echoed only)
    double activePressureFactor = 0;
    int pressureCode = 1;
    double backfillSlope = 0;        // degrees
    // 13.2
    double uniformSurcharge = 0;     // q
    double surchargeDistance = 0;
    double pointLoad = 0;
    double lineLoad = 0;
    double stripLoad = 0;
    double stripWidth = 0;
    // 13.3
    int surchargeCount = 0;
    std::array<SurchargeRow, kMaxSurchargeRows> surcharges{};
    // 13.4
    int layerCount = 0;
    std::array<SoilLayerRecord, kMaxSoilLayers> layers{};
};

} // namespace tervane
