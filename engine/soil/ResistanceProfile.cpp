#include "soil/ResistanceProfile.h"

#include "EngineState.h"
#include "FixedFields.h"
#include "soil/LayerTable.h"
#include "soil/SoilReport.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

// Offset of the first and last curve depth from the layer's boundaries.
double curveOffset(int unitSystem) {
    return unitSystem == 2 ? 0.01 : 0.1;
}

const char* soilTypeText(int type) {
    switch (type) {
    case 2:
        return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
    case 3:
        return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
    case 4:
        return "THE SOIL IS A SAND";
    case 5:
        return "THE SOIL IS A SILT";
    case 6:
        return "THE LAYER IS ROCK";
    case 7:
        return "THE LAYER IS WEAK ROCK";
    default:
        return "THE SOIL IS A SOFT CLAY";
    }
}

std::size_t at(int j) {
    return static_cast<std::size_t>(j);
}

// Unit-weight points 2k-1 and 2k of p-y layer k with total unit weight gamma: reduced by gammaW
// below the backfill water table; a bottom point below a water table that lies inside the layer
// is moved up to the water table and keeps the total unit weight.
void addWeightPoints(ResistanceProfile& p, int k, double gamma, double dwb) {
    const double H = p.freeHeight;
    const double tol = kSoilDepthTolerance;
    const int j1 = 2 * k - 1;
    const int j2 = 2 * k;
    p.weightDepth[at(j1)] = p.xt[at(k)];
    p.weightDepth[at(j2)] = p.xb[at(k)];
    p.weight[at(j1)] = gamma;
    p.weight[at(j2)] = gamma;
    const double topDepth = H + p.xt[at(k)];
    const double bottomDepth = H + p.xb[at(k)];
    if (topDepth > dwb + tol)
        p.weight[at(j1)] -= p.gammaW;
    else if (k >= 2 && std::abs(topDepth - dwb) <= tol &&
             std::abs(H + p.weightDepth[at(j1 - 1)] - dwb) <= tol)
        p.weight[at(j1)] -= p.gammaW;
    if (bottomDepth > dwb + tol) p.weight[at(j2)] -= p.gammaW;
    if (k >= 2 && p.weightDepth[at(j1)] > p.weightDepth[at(j1 - 1)])
        p.weightDepth[at(j1)] = p.weightDepth[at(j1 - 1)];
    if (topDepth < dwb - tol && bottomDepth > dwb + tol) {
        p.weightDepth[at(j2)] = dwb - H;
        p.weight[at(j2)] = gamma;
    }
}

// Strength points 2k-1 and 2k; a layer reaching below `limit` is cut there, its bottom values
// interpolated to the limit. Returns true when the layer was cut.
bool addStrengthPoints(ResistanceProfile& p, int k, const SoilLayerRecord& rec, double limit) {
    const int j1 = 2 * k - 1;
    const int j2 = 2 * k;
    const double xt = p.xt[at(k)];
    double xb = p.xb[at(k)];
    double bottom[4] = {rec.bottom[1], rec.bottom[2], rec.bottom[3], rec.bottom[5]};
    const double top[4] = {rec.top[1], rec.top[2], rec.top[3], rec.top[5]};
    const bool cut = xb > limit;
    if (cut) {
        // Value at the limit: top + (bottom - top) * (limit - xt) / (xb - xt).
        const double share = (limit - xt) / (xb - xt);
        for (int v = 0; v < 4; ++v)
            bottom[v] = top[v] + (bottom[v] - top[v]) * share;
        xb = limit;
        p.xb[at(k)] = limit;
    }
    p.strengthDepth[at(j1)] = xt;
    p.strengthDepth[at(j2)] = xb;
    p.cohesionAt[at(j1)] = top[0];
    p.cohesionAt[at(j2)] = bottom[0];
    p.phiAt[at(j1)] = top[1];
    p.phiAt[at(j2)] = bottom[1];
    p.e50At[at(j1)] = top[2];
    p.e50At[at(j2)] = bottom[2];
    p.sixthAt[at(j1)] = top[3];
    p.sixthAt[at(j2)] = bottom[3];
    p.multiplierAt[at(j1)] = 1.0;
    p.multiplierAt[at(j2)] = 1.0;
    return cut;
}

} // namespace

void buildResistanceProfile(const SoilInput& soil, const ProfileGeometry& geometry,
                            ResistanceProfile& p) {
    p = ResistanceProfile{};
    p.freeHeight = soil.freeHeight;
    p.pyWidth = soil.pyWidth;
    p.gammaW = waterUnitWeight(geometry.unitSystem);
    const double H = soil.freeHeight;
    const double dwb = soil.waterDepthBackfill;
    const double tol = kSoilDepthTolerance;
    // Strength data reach down to two increments below the wall's tip.
    const double limit = geometry.wallLength + 2.0 * geometry.increment - H;
    const double d = curveOffset(geometry.unitSystem);

    const int n = std::clamp(soil.layerCount, 0, kMaxSoilLayers);
    double z = 0.0;    // running bottom below the top of the wall
    double xrun = 0.0; // running bottom below the excavation level
    bool started = false;
    int k = 0;
    for (int i = 0; i < n; ++i) {
        const SoilLayerRecord& rec = soil.layers[at(i)];
        if (rec.thickness <= 0.0) break;
        z += rec.thickness;
        double counted = rec.thickness;
        if (!started) {
            if (z <= H + tol) continue; // wholly above the excavation level
            counted = z - H;
            started = true;
        }
        // A layer that starts at or below the depth limit adds nothing inside it.
        if (xrun >= limit - tol) break;
        ++k;
        p.xt[at(k)] = xrun;
        p.xb[at(k)] = xrun + counted;
        xrun = p.xb[at(k)];
        p.soilType[at(k)] = rec.type;
        p.kValue[at(k)] = rec.top[4];
        addWeightPoints(p, k, rec.top[0], dwb);
        const bool cut = addStrengthPoints(p, k, rec, limit);
        const double xt = p.xt[at(k)];
        const double T = p.xb[at(k)] - xt;
        auto& c = p.curveDepth[at(k)];
        c[1] = xt + d;
        c[2] = xt + 0.25 * T;
        c[3] = xt + 0.5 * T;
        c[4] = xt + 0.75 * T;
        c[5] = p.xb[at(k)] - d;
        if (cut) break;
    }
    p.layerCount = k;
    p.weightCount = 2 * k;
    p.strengthCount = 2 * k;
    // Degrees to radians: phi * 3.1416 / 180, in that order (single-precision pi).
    const double pi = static_cast<double>(3.1416f);
    for (int j = 1; j <= p.strengthCount; ++j)
        p.phiAt[at(j)] = p.phiAt[at(j)] * pi / 180.0;

    // Below a water table inside the last layer the submerged weight continues to the deepest
    // strength point.
    const int nw = p.weightCount;
    const int ns = p.strengthCount;
    if (nw > 0 && p.weightDepth[at(nw)] < p.strengthDepth[at(ns)]) {
        const double submerged = p.weight[at(nw)] - p.gammaW;
        p.weightDepth[at(nw + 1)] = p.weightDepth[at(nw)];
        p.weight[at(nw + 1)] = submerged;
        p.weightDepth[at(nw + 2)] = p.strengthDepth[at(ns)];
        p.weight[at(nw + 2)] = submerged;
        p.weightCount = nw + 2;
    }
}

void writeStrengthDataSection(TextOut& report, const ResistanceProfile& p,
                              const UnitLabels& labels) {
    using fixed::Line;
    const double H = p.freeHeight;
    writeSectionBanner(report, "*        SOIL LAYERS AND STRENGTH DATA           *");
    report.emptyLines(1);
    report.line(Line()
                    .x(6)
                    .text("X AT THE SURFACE OF EXCAVATION SIDE     = ")
                    .f(H + p.xt[1], 10, 2)
                    .text(labels.length3)
                    .view());
    report.emptyLines(1);
    report.line(Line().x(6).i(p.layerCount, 1).text(" LAYER(S) OF SOIL").view());
    for (int k = 1; k <= p.layerCount; ++k) {
        report.emptyLines(1);
        report.line(Line().x(6).text("LAYER").i(k, 3).view());
        report.line(Line().x(9).text(soilTypeText(p.soilType[at(k)])).view());
    }
    report.emptyLines(1);
    report.line(Line().x(6).text("DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH").view());
    report.line(Line().x(6).text("NUMBER OF POINTS =").i(p.weightCount, 3).view());
    report.emptyLines(1);
    for (int j = 1; j <= p.weightCount; ++j)
        report.line(Line().f(H + p.weightDepth[at(j)], 15, 4).d(p.weight[at(j)], 15, 4).view());
    report.emptyLines(1);
    report.line(Line().x(6).text("DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH").view());
    report.line(Line().x(6).text("NUMBER OF POINTS =").i(p.strengthCount, 3).view());
    report.emptyLines(1);
    report.line(
        Line().x(13).text("X,").x(11).text("S,").x(2).text("PHI,DEGREES").x(12).text("E50").view());
    constexpr double e50None = 1e-6; // E50 at or below this is shown as not given
    for (int j = 1; j <= p.strengthCount; ++j) {
        Line row;
        row.f(H + p.strengthDepth[at(j)], 15, 2)
            .d(p.cohesionAt[at(j)], 13, 4)
            .f(p.phiAt[at(j)] * 180.0 / static_cast<double>(3.1416f), 13, 3);
        if (p.e50At[at(j)] <= e50None)
            row.x(10).text("-----");
        else
            row.d(p.e50At[at(j)], 15, 4);
        report.line(row.view());
    }
}

} // namespace tervane
