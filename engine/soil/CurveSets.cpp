#include "CurveSets.h"

#include "EngineErrors.h"
#include "FixedFields.h"
#include "ShortestReal.h"
#include "soil/CurveReportBlocks.h"
#include "soil/EquivalentDepth.h"
#include "soil/PYCurve.h"
#include "soil/PYModifiers.h"
#include "soil/SoilReport.h"

#include <cmath>

namespace tervane {
namespace {

constexpr int kPointsPerSet = 2 * kCurvePointCount;
// The first and last curve depths lie this many quarter-thicknesses inside a thin layer.
constexpr double kThinLayerOffsetShare = 1.0 / 8.0;
// Weak rock: depth just below the layer top for its top strength, and the zero-strength test.
constexpr double kBelowLayerTop = 1e-8;
constexpr double kNoRockStrength = 1e-10;
// Offsets at or below these are no offset (clays; sand and silt).
constexpr double kNoClayOffset = 1e-10;
constexpr double kNoFrictionalOffset = 1e-5;

std::size_t at(int j) {
    return static_cast<std::size_t>(j);
}

bool usesEquivalentDepth(int type) {
    return type == kSoftClay || type == kStiffClayNoFreeWater || type == kSand || type == kSilt;
}

bool isClay(int type) {
    return type >= kSoftClay && type <= kStiffClayNoFreeWater;
}

std::string noRockStrengthMessage() {
    const std::string indent(7, ' ');
    return "\n" + indent + "--------------------WARNING----------------------\n" + indent +
           "THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n" + indent +
           "DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.";
}

// The soil at one curve depth x: only what the layer's generator uses is asked for, so a
// property function never stops on a value the curve does not need.
CurveSite soilAt(const ResistanceProfile& pr, int type, int k, int depthIndex, double x,
                 TextOut& report) {
    CurveSite s;
    s.b = pr.width(x);
    s.gamma = pr.averageUnitWeight(x);
    s.k = pr.kValue[at(k)];
    if (type != kSand) s.c = pr.cohesion(x);
    if (type == kSand || type == kSilt) s.phi = pr.frictionAngle(x);
    if (type == kStiffClayFreeWater || type == kStiffClayNoFreeWater) {
        s.cAvg = pr.averageCohesion(x, k, report);
    }
    if (isClay(type) || type == kWeakRock) s.e50 = pr.e50(x);
    if (type == kWeakRock) {
        if (depthIndex > 0 && s.c < kNoRockStrength) throw FatalStop(noRockStrengthMessage(), 0);
        s.s6 = pr.sixth(x);
        s.quMean = k == 1 ? pr.averageCohesion(x, 1, report)
                          : (pr.cohesion(pr.xt[at(k)] + kBelowLayerTop) + s.c) / 2.0;
    }
    return s;
}

PYCurve generate(int type, const CurveSite& s, int layer) {
    switch (type) {
    case kStiffClayFreeWater:
        return stiffClayFreeWaterCurve(s, layer);
    case kStiffClayNoFreeWater:
        return stiffClayNoFreeWaterCurve(s, layer);
    case kSand:
        return sandCurve(s);
    case kSilt:
        return siltCurve(s);
    case kStrongRock:
        return strongRockCurve(s, layer);
    case kWeakRock:
        return weakRockCurve(s, layer);
    default:
        return softClayCurve(s, layer);
    }
}

// Active pressure at the excavation level times b, which shifts the excavation side down and
// the backfill side up: clays b (sigv - 2c), sand b sigv Ka, silt b (sigv Ka - 2c sqrt(Ka)).
double activeOffset(int type, const CurveSite& s, const PYCurve& r, double sigv) {
    if (isClay(type)) {
        const double off = s.b * (sigv - 2.0 * s.c);
        return off <= kNoClayOffset ? 0.0 : off;
    }
    double off = 0.0;
    if (type == kSand)
        off = s.b * sigv * r.ka;
    else if (type == kSilt)
        off = s.b * (sigv * r.ka - 2.0 * s.c * std::sqrt(r.ka));
    else
        return 0.0;
    return off < kNoFrictionalOffset ? 0.0 : off;
}

// Point records: I5, then p and y as E10.3, one blank before each (two for silt and weak rock;
// for strong rock one before p and none before y).
void writePointRecords(TextOut& out, int type, const CurveValues& y, const CurveValues& p) {
    const int gapBeforeP = type == kSilt || type == kWeakRock ? 2 : 1;
    const int gapBeforeY = type == kStrongRock ? 0 : gapBeforeP;
    for (int i = 0; i < kCurvePointCount; ++i) {
        out.line(fixed::Line()
                     .i(i + 1, 5)
                     .x(gapBeforeP)
                     .e(p[at(i)], 10, 3)
                     .x(gapBeforeY)
                     .e(y[at(i)], 10, 3)
                     .view());
    }
}

struct LayerWalk {
    double sum = 0; // the layer's resistance integral for deeper layers
    double xeq = 0; // its equivalent depth
    double previousX = 0;
    double previousPu = 0;
};

} // namespace

std::string freeReal(double v) {
    char buf[64];
    return std::string(buf, shortestReal(buf, buf + sizeof buf, v));
}

std::array<double, 5> layerCurveDepths(const ResistanceProfile& pr, int k) {
    std::array<double, 5> d{};
    for (int i = 0; i < 5; ++i)
        d[at(i)] = pr.curveDepth[at(k)][at(i + 1)];
    const double xt = pr.xt[at(k)];
    const double xb = pr.xb[at(k)];
    const double thickness = xb - xt;
    const double offset = d[0] - xt;
    if (thickness < 4.0 * offset) {
        const double thin = kThinLayerOffsetShare * thickness;
        d = {xt + thin, xt + 0.25 * thickness, xt + 0.5 * thickness, xt + 0.75 * thickness,
             xb - thin};
    }
    return d;
}

int writeCurveSets(const CurveSetInput& in, TextOut& report, TextOut& soilData) {
    const ResistanceProfile& pr = *in.profile;
    const double H = pr.freeHeight;
    const double ratio = widthRatio(in.activeWidth, pr.pyWidth);
    std::array<double, kMaxPyLayers + 1> sums{};
    int written = 0;

    for (int k = 1; k <= pr.layerCount; ++k) {
        const int type = generatorType(pr.soilType[at(k)]);
        const std::array<double, 5> depths = layerCurveDepths(pr, k);
        LayerWalk walk;
        for (int i = 0; i < 5; ++i) {
            const double x = depths[at(i)];
            const CurveSite soil = soilAt(pr, type, k, i, x, report);
            if (i == 0 && k >= 2 && usesEquivalentDepth(type)) {
                double above = 0.0;
                for (int j = 1; j < k; ++j)
                    above += sums[at(j)];
                walk.xeq = equivalentDepth({type, soil.c, soil.phi, soil.gamma, soil.b, x}, above);
            }
            const CurveMultipliers mult =
                curveMultipliers(*in.modifiers, H + x, in.activeWidth, pr.pyWidth, H);
            if (!(mult.y > 0.0)) {
                throw ProblemStop(
                    undefinedCurveMessage(k, "THE Y-MULTIPLIER AT A CURVE DEPTH IS NOT POSITIVE"));
            }

            for (WallSide side : {WallSide::Excavation, WallSide::Backfill}) {
                CurveSite s = soil;
                s.xw = side == WallSide::Excavation ? x : H + x;
                s.xs = s.xw - pr.xt[1];
                s.zr = s.xs;
                s.z = k >= 2 && usesEquivalentDepth(type) ? s.xw - pr.xt[at(k)] + walk.xeq : s.xs;
                s.xr = s.xw - pr.xt[at(k)] + kBelowLayerTop;
                s.ratio = ratio;
                const PYCurve r = generate(type, s, k);

                // Multipliers on the generator's points, then the offset.
                const double offset = activeOffset(type, s, r, in.sigvH);
                const double shift = side == WallSide::Excavation ? -offset : offset;
                CurveValues y{}, p{};
                for (int j = 0; j < kCurvePointCount; ++j) {
                    y[at(j)] = r.y[at(j)] * mult.y;
                    p[at(j)] = r.residual[at(j)] ? r.p[at(j)] : r.p[at(j)] * mult.p + shift;
                }
                requireFiniteCurve(y, p, k);

                if (side == WallSide::Excavation) {
                    std::string head(" ");
                    head.append(freeReal(H + x)).append(" ").append(std::to_string(kPointsPerSet));
                    soilData.line(head);
                    if (i > 0) {
                        walk.sum += equivalentDepthIncrement(type, x - walk.previousX, r.pu,
                                                             walk.previousPu, r.as);
                    }
                    if (i == 4 && (type == kSand || type == kSilt)) {
                        walk.sum += (pr.xb[at(k)] - x) * r.pu;
                    }
                    walk.previousX = x;
                    walk.previousPu = r.pu;
                }
                writeCurveBlock(report, *in.labels, {type, side, &s, &r, &y, &p, mult.p, mult.y});
                writePointRecords(soilData, type, y, p);
            }
            ++written;
        }
        sums[at(k)] = walk.sum;
    }
    return written;
}

} // namespace tervane
