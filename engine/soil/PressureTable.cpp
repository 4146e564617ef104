#include "soil/PressureTable.h"

#include "EngineState.h"
#include "soil/SoilStages.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

// Pressures below this are replaced by row number * kTinyPressure, so that the table never
// holds a zero or negative total.
constexpr double kPressureFloor = 1e-5;
constexpr double kTinyPressure = 1e-12;
// A uniform surface pressure below this adds no surcharge part.
constexpr double kNoUniformPressure = 1e-6;
// Sub-steps per length unit: one per inch or length unit, twenty per metre.
int stepsPerUnit(int unitSystem) {
    return unitSystem == 2 ? 20 : 1;
}

// NINT of a sub-step count, kept within the table's reach.
long long nearestCount(double value) {
    const double bound = 4.0 * kMaxPressureRows;
    return std::llround(std::clamp(value, -bound, bound));
}

std::size_t at(int j) {
    return static_cast<std::size_t>(j);
}

} // namespace

void buildPressureTable(const EngineState& state, const LayerTable& layers,
                        const ActivePressure& ap, PressureTable& t) {
    const SoilInput& soil = state.soil;
    const int unitSystem = state.control.unitSystem;
    const double wallLength = state.wall.increments * state.wall.incrementLength;
    const double q = soil.uniformSurcharge;
    const double dwb = soil.waterDepthBackfill;
    const int LP = layers.excavationRow;
    const int perUnit = stepsPerUnit(unitSystem);

    t.count = 0;
    t.excavationRow = 1;
    t.netForce = 0.0;
    // Row 1: the ground surface carries the uniform pressure only.
    const double qTop = q * ap.row(1).ka * layers.row(1).factor;
    t.depth[1] = 0.0;
    t.total[1] = qTop;
    t.earth[1] = 0.0;
    t.surcharge[1] = q > 0.0 ? qTop : 0.0;
    int n = 1;
    double previousTotal = t.total[1];
    bool full = false;

    for (int L = 1; L <= layers.count && !full; ++L) {
        const LayerRow& layer = layers.row(L);
        const double f = layer.factor;
        const double c = layer.cohesion;
        const bool submerged = layer.drained && layer.belowWater;
        const double gammaEff = submerged ? layer.unitWeight - layers.gammaW : layer.unitWeight;
        const double gammaWater = submerged ? layers.gammaW : 0.0;
        double ka = ap.row(L).ka;
        double sqrtKa = ap.row(L).sqrtKa;
        double gradient = 0.0; // pressure increase per unit depth inside the layer
        double p0 = 0.0;       // pressure at the layer's top
        double pq = 0.0;       // part of p0 owed to the uniform surface pressure
        const double waterHead = (layer.top - dwb) * gammaWater;
        if (L < LP) {
            gradient = gammaWater + gammaEff * ka * f;
            p0 = waterHead + layer.sigvp * ka * f - 2.0 * c * sqrtKa * f;
            pq = q < kNoUniformPressure ? 0.0 : waterHead + q * ka * f - 2.0 * c * sqrtKa * f;
        } else {
            // Below the excavation level the pressure stays at its value there (Rankine, level
            // backfill, whatever coefficient the layer had above).
            horizontalBackfillKa(layer.phi, ka, sqrtKa);
            p0 = layers.row(LP).sigvp * ka * f - 2.0 * c * sqrtKa * f;
            pq = q < kNoUniformPressure ? 0.0 : q * ka * f - 2.0 * c * sqrtKa * f;
        }
        const double thickness = layer.thickness;
        const long long m = nearestCount(perUnit * thickness);
        for (long long i = 1; i <= m; ++i) {
            if (n >= kMaxPressureRows) {
                full = true;
                break;
            }
            const double dz = static_cast<double>(i) * thickness / static_cast<double>(m);
            const int row = n + 1;
            const double depth = layer.top + dz;
            double earth = p0 + gradient * dz;
            const double sigmaS = surchargePressureAt(state, depth);
            double total = earth + sigmaS;
            double surcharge = sigmaS;
            if (total < kPressureFloor) total = row * kTinyPressure;
            if (earth < kPressureFloor) earth = row * kTinyPressure;
            surcharge += pq;
            earth -= pq;
            t.depth[at(row)] = depth;
            t.total[at(row)] = total;
            t.earth[at(row)] = earth;
            t.surcharge[at(row)] = surcharge;
            n = row;
            if (L < LP) t.netForce += (previousTotal + total) / 2.0 / perUnit;
            previousTotal = total;
        }
        if (L == LP - 1) t.excavationRow = n;
    }
    t.count = n;

    // Rows the driver reads: 1 + the sub-steps of every layer, the last one counted to the wall's
    // tip; never more than the rows the table holds.
    long long record = 1;
    for (int L = 1; L <= layers.count; ++L) {
        const double thickness =
            L == layers.count ? wallLength - layers.row(L).top : layers.row(L).thickness;
        record += nearestCount(perUnit * thickness);
    }
    t.countRecord = static_cast<int>(std::clamp<long long>(record, 0, n));
}

bool applyTrapezoid(PressureTable& t, double H, const SupportDepths& s) {
    if (s.count < 1) return false;
    // Apparent-pressure diagram: rising over z1, constant over zm, falling over z3 to the
    // excavation level; its area pmax (H - (z1 + z3)/2) equals 1.3 F_t.
    const double z1 = 2.0 * s.first / 3.0;
    double zm = H / 3.0;
    double z3 = 2.0 * (H - s.first) / 3.0;
    if (s.count > 1) {
        z3 = 2.0 * (H - s.last) / 3.0;
        zm = H - z1 - z3;
    }
    const double zb = z1 + zm;
    const double base = H - (z1 + z3) / 2.0;
    if (!(base > 0.0)) return false;
    const double pmax = s.count == 1 ? 1.3 * t.netForce * 3.0 / (2.0 * H) : 1.3 * t.netForce / base;
    for (int r = 2; r <= t.excavationRow; ++r) {
        const double depth = t.depth[at(r)];
        double p = pmax;
        if (depth < z1)
            p = pmax * depth / z1;
        else if (depth > zb && z3 > 0.0)
            p = pmax - (depth - zb) * pmax / z3;
        t.total[at(r)] = p;
    }
    return true;
}

} // namespace tervane
