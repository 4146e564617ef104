// p-y curves of rock at one curve depth (static loading).
//
// Strong rock (soil type 6), a bilinear curve with a residual branch:
//   c = qu/2, Es = 2000 c, y1 = 0.0004 b, p1 = Es y1, pu = c b, y2 = (pu - p1)/(100 c) + y1
//   p = Es y (y < y1), p1 + 100 c (y - y1) (y < y2), gamma xs b / 2 beyond (residual)
//   deflections y_i = (i - 1) y2/15, i = 1 .. 17.
//
// Weak rock (soil type 7):
//   alpha_r = 1 - RQD/150, xr depth below the top of the rock layer, qu the mean strength
//   pur = alpha_r qu b (1 + 1.4 xr/b) for xr <= 3b, 5.2 alpha_r qu b beyond
//   Kir = Em (100 + 400 xr/(3b)) for xr <= 3b, 500 Em beyond
//   yrm = krm b, ya = (pur / (2 yrm^0.25 Kir))^(4/3)
//   p = Kir y (y < ya), min(pur, 0.5 pur (y/yrm)^0.25) beyond.

#include "EngineErrors.h"
#include "PYCurve.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

constexpr double kStrongRockModulusRatio = 2000.0;  // Es = 2000 c
constexpr double kStrongRockElasticStrain = 0.0004; // y1 = 0.0004 b
constexpr double kStrongRockHardening = 100.0;      // slope 100 c between y1 and y2
constexpr int kStrongRockDivisions = 15;            // dy = y2/15

// Multiples of yrm giving the 17 weak-rock deflections (the first is not 0).
constexpr CurveValues kWeakRockFractions{0.0005, 0.001, 0.003, 0.006, 0.009, 0.02, 0.04, 0.06, 0.08,
                                         0.1,    0.25,  0.5,   0.75,  1,     4,    8,    12};

} // namespace

PYCurve strongRockCurve(const CurveSite& s, int layer) {
    if (!(s.c > 0.0)) {
        throw ProblemStop(
            undefinedCurveMessage(layer, "THE COMPRESSIVE STRENGTH OF THE ROCK IS NOT POSITIVE"));
    }
    PYCurve r;
    const double b = s.b;
    const double c = s.c / 2.0;
    r.rockC = c;
    const double es = kStrongRockModulusRatio * c;
    const double y1 = kStrongRockElasticStrain * b;
    const double p1 = es * y1;
    const double pu = c * b;
    const double y2 = (pu - p1) / (kStrongRockHardening * c) + y1;
    const double dy = y2 / kStrongRockDivisions;
    r.pu = pu;
    for (int i = 0; i < kCurvePointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double y = i * dy;
        r.y[k] = y;
        if (y < y1) {
            r.p[k] = es * y;
        } else if (y < y2) {
            r.p[k] = p1 + kStrongRockHardening * c * (y - y1);
        } else {
            r.p[k] = s.gamma * s.xs * b / 2.0;
            r.residual[k] = true;
        }
    }
    return r;
}

PYCurve weakRockCurve(const CurveSite& s, int layer) {
    if (!(s.e50 > 0.0)) {
        throw ProblemStop(undefinedCurveMessage(
            layer, "KRM OF THE WEAK ROCK IS NOT POSITIVE; ITS P-Y CURVE IS UNDEFINED"));
    }
    PYCurve r;
    const double b = s.b;
    const double alpha = 1.0 - s.s6 / 150.0;
    r.rockAlpha = alpha;
    const double xr = s.xr;
    const bool nearTop = xr <= 3.0 * b;
    const double pur =
        nearTop ? alpha * s.quMean * b * (1.0 + 1.4 * xr / b) : 5.2 * alpha * s.quMean * b;
    const double kir = nearTop ? s.k * (100.0 + 400.0 * xr / (3.0 * b)) : 500.0 * s.k;
    const double yrm = s.e50 * b;
    const double ya = std::pow(pur / (2.0 * std::pow(yrm, 0.25) * kir), 4.0 / 3.0);
    r.pu = pur;
    for (int i = 0; i < kCurvePointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double y = yrm * kWeakRockFractions[k];
        r.y[k] = y;
        r.p[k] = y < ya ? kir * y : std::min(pur, 0.5 * pur * std::pow(y / yrm, 0.25));
    }
    return r;
}

} // namespace tervane
