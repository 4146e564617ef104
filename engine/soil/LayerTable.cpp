#include "soil/LayerTable.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

// Input layers 1..10 and an end marker (index 0 unused).
constexpr int kInputRows = kMaxSoilLayers + 1;

std::array<LayerRow, kInputRows + 1> inputRows(const SoilInput& soil) {
    std::array<LayerRow, kInputRows + 1> in{};
    const int n = std::clamp(soil.layerCount, 0, kMaxSoilLayers);
    for (int i = 1; i <= kInputRows; ++i) {
        LayerRow& r = in[static_cast<std::size_t>(i)];
        r.factor = soil.activePressureFactor;
        if (i > n) {
            r.thickness = -1.0; // end marker
            r.drained = true;
            continue;
        }
        const SoilLayerRecord& rec = soil.layers[static_cast<std::size_t>(i - 1)];
        r.soilType = rec.type;
        r.thickness = rec.thickness;
        r.unitWeight = rec.top[0];
        r.cohesion = rec.top[1];
        r.phi = rec.top[2];
        r.drained = rec.type >= 4 && rec.type <= 7;
        r.optionalKa = (rec.type >= 1 && rec.type <= 5) ? rec.top[5] : 0.0;
    }
    return in;
}

// The distinct depths of the excavation level and the backfill water table, ascending. Depths
// at or above the ground surface need no split and are left out.
int specialDepths(double H, double dwb, std::array<double, 2>& z) {
    double a = std::min(H, dwb);
    double b = std::max(H, dwb);
    int n = 0;
    if (a > kSoilDepthTolerance) z[static_cast<std::size_t>(n++)] = a;
    if (std::fabs(b - a) >= kSoilDepthTolerance && b > kSoilDepthTolerance)
        z[static_cast<std::size_t>(n++)] = b;
    return n;
}

} // namespace

double waterUnitWeight(int unitSystem) {
    return unitSystem == 2 ? static_cast<double>(9.81f) : static_cast<double>(0.036f);
}

void subdivideLayers(const SoilInput& soil, int unitSystem, LayerTable& t) {
    t = LayerTable{};
    t.gammaW = waterUnitWeight(unitSystem);
    t.waterDepth = soil.waterDepthBackfill;
    const auto in = inputRows(soil);
    std::array<double, 2> z{};
    const int nz = specialDepths(soil.freeHeight, soil.waterDepthBackfill, z);
    constexpr int lastRow = kMaxLayerRows + 1;

    int L = 1;
    int k = 0;
    t.row(1).top = 0.0;
    for (int i = 1; i <= kInputRows; ++i) {
        const double top = t.row(L).top;
        t.row(L) = in[static_cast<std::size_t>(i)];
        t.row(L).top = top;
        if (t.row(L).thickness <= 0.0) break;
        const double bottom = top + t.row(L).thickness;
        while (k < nz) {
            double& zk = z[static_cast<std::size_t>(k)];
            if (std::fabs(bottom - zk) < kSoilDepthTolerance) {
                zk = bottom; // a boundary this close is the special depth itself
                ++k;
            } else if (zk > bottom) {
                break;
            } else {
                if (L + 1 > lastRow) {
                    t.overFull = true;
                    return;
                }
                // Split: row L keeps the part above the special depth.
                t.row(L).thickness = zk - t.row(L).top;
                t.row(L + 1) = t.row(L);
                t.row(L + 1).top = zk;
                t.row(L + 1).thickness = bottom - zk;
                ++L;
                ++k;
            }
        }
        if (L + 1 > lastRow) {
            t.overFull = true;
            return;
        }
        ++L;
        t.row(L).top = bottom;
    }
    t.count = L - 1;

    for (int r = 1; r <= t.count; ++r) {
        if (t.excavationRow == 0 && std::fabs(t.row(r).top - soil.freeHeight) < kSoilDepthTolerance)
            t.excavationRow = r;
        t.row(r).belowWater = t.row(r).top >= soil.waterDepthBackfill - kSoilDepthTolerance;
        // LW is the row split off at the water table; a water table above the ground surface or
        // below the profile has no such row and leaves LW at 0.
        if (t.waterRow == 0 &&
            std::fabs(t.row(r).top - soil.waterDepthBackfill) < kSoilDepthTolerance)
            t.waterRow = r;
    }
}

void computeOverburden(const SoilInput& soil, LayerTable& t) {
    if (t.count < 1) return;
    // Total vertical stress first: sigma(L) = sigma(L-1) + t(L-1) * gamma(L-1), sigma(1) = q.
    t.row(1).sigvp = soil.uniformSurcharge;
    for (int L = 2; L <= t.count; ++L)
        t.row(L).sigvp = t.row(L - 1).sigvp + t.row(L - 1).thickness * t.row(L - 1).unitWeight;
    // Then the pore pressure, once per drained row below water (undrained clays keep totals).
    for (int L = 1; L <= t.count; ++L) {
        LayerRow& r = t.row(L);
        if (r.drained && r.belowWater) r.sigvp -= (r.top - soil.waterDepthBackfill) * t.gammaW;
    }
    t.row(t.count + 1).top = t.row(t.count).top + t.row(t.count).thickness;
}

} // namespace tervane
