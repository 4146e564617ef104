#pragma once
// The resistance profile: the soil below the excavation level as p-y layers, with point tables
// of effective unit weight and of strength against depth x (measured down from the excavation
// level), the five curve depths of every p-y layer, and the soil property functions of depth
// that the p-y curve generators call.
//
// Layers and points are numbered from 1 (index 0 unused), as the generators' formulas name them.

#include "TextOut.h"
#include "soil/SoilInput.h"

#include <array>

namespace tervane {

struct UnitLabels;

inline constexpr int kMaxPyLayers = kMaxSoilLayers;
// Two points per p-y layer and up to two appended below the water table.
inline constexpr int kMaxProfilePoints = 2 * kMaxPyLayers + 2;
inline constexpr int kCurvesPerPyLayer = 5;

struct ProfileGeometry {
    int unitSystem = 1;
    double wallLength = 0; // N * h
    double increment = 0;  // h
};

struct ResistanceProfile {
    double freeHeight = 0; // H
    double pyWidth = 0;    // Wp
    double gammaW = 0;

    int layerCount = 0; // NP
    std::array<double, kMaxPyLayers + 1> xt{};
    std::array<double, kMaxPyLayers + 1> xb{};
    std::array<int, kMaxPyLayers + 1> soilType{};
    std::array<double, kMaxPyLayers + 1> kValue{}; // value 5 of the layer's top row
    // curveDepth[k][i], i = 1..5
    std::array<std::array<double, kCurvesPerPyLayer + 1>, kMaxPyLayers + 1> curveDepth{};

    int weightCount = 0; // NW
    std::array<double, kMaxProfilePoints + 1> weightDepth{};
    std::array<double, kMaxProfilePoints + 1> weight{}; // effective unit weight

    int strengthCount = 0; // NS
    std::array<double, kMaxProfilePoints + 1> strengthDepth{};
    std::array<double, kMaxProfilePoints + 1> cohesionAt{};
    std::array<double, kMaxProfilePoints + 1> phiAt{}; // radians
    std::array<double, kMaxProfilePoints + 1> e50At{};
    std::array<double, kMaxProfilePoints + 1> multiplierAt{};
    std::array<double, kMaxProfilePoints + 1> sixthAt{};

    // b(x): the width for soil resistance at every depth.
    double width(double x) const;
    // gamma_avg(x): mean effective unit weight from the profile top to x. Stops (code 4) below
    // the unit-weight points.
    double averageUnitWeight(double x) const;
    // c(x). Below the strength points: warning twice on the console, then stop code 1.
    double cohesion(double x) const;
    // c-bar(x, k): mean of the cohesion at the top of p-y layer k and at x within that layer.
    // Below the strength points the warning goes to `report` and the layer's points are used.
    double averageCohesion(double x, int k, TextOut& report) const;
    // phi(x) in radians. Below the strength points: warning twice on the console, then a stop.
    double frictionAngle(double x) const;
    double e50(double x) const;
    double sixth(double x) const;
};

// Builds the profile from the soil layers of record 13 (geometry: the wall of record 3).
void buildResistanceProfile(const SoilInput& soil, const ProfileGeometry& geometry,
                            ResistanceProfile& profile);

// The "SOIL LAYERS AND STRENGTH DATA" section.
void writeStrengthDataSection(TextOut& report, const ResistanceProfile& profile,
                              const UnitLabels& labels);

} // namespace tervane
