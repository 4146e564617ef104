// p-y curves of stiff clays at one curve depth (static loading).
//
// With free water (soil type 2):
//   pct = 2 ca b + gamma b zr + 2.83 ca zr,  pcd = 11 c b,  pc = min(pct, pcd)
//   continuous wall (Wa/Wp < 1.1): pc = gamma zr b + 2 c b
//   y50 = eps50 b, As from its table at x/b, Es = k zr (initial modulus)
//   p = 0.5 pc sqrt(y/y50)                                         y <= As y50
//     = 0.5 pc sqrt(y/y50) - 0.055 pc ((y - As y50)/(As y50))^1.25   y <= 6 As y50
//     = 0.5 pc sqrt(6 As) - 0.411 pc - (0.0625/y50) pc (y - 6 As y50) y <= 18 As y50
//     = 0.5 pc sqrt(6 As) - 0.411 pc - 0.75 pc As                     beyond
//   and never more than Es y.
//
// Without free water (soil type 3):
//   pct = 3 ca b + gamma b z + 0.5 ca z,  pcd = 9 c b,  pu = min(pct, pcd)
//   continuous wall: pu = gamma zr b + 2 c b
//   y50 = 2.5 eps50 b, yu = 16 y50
//   p = 0.5 pu (y/y50)^(1/4) for y <= yu, pu beyond.

#include "CurveTables.h"
#include "EngineErrors.h"
#include "PYCurve.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

void requirePositiveE50(double e50, int layer) {
    if (!(e50 > 0.0)) {
        throw ProblemStop(undefinedCurveMessage(
            layer, "E50 OF THE CLAY IS NOT POSITIVE; ITS P-Y CURVE IS UNDEFINED"));
    }
}

// Multiples of yu giving the deflections 2 .. 17 of the clay without free water.
constexpr std::array<double, kCurvePointCount - 1> kNoFreeWaterFractions{
    1e-5, 5e-5, 1e-4, 5e-4, 0.001, 0.005, 0.01, 0.025, 0.05, 0.075, 0.1, 0.25, 0.5, 1, 1.125, 1.25};

} // namespace

PYCurve stiffClayFreeWaterCurve(const CurveSite& s, int layer) {
    requirePositiveE50(s.e50, layer);
    PYCurve r;
    const double b = s.b;
    const double c = s.c;
    const double ca = s.cAvg;
    const double pct = 2.0 * ca * b + s.gamma * b * s.zr + 2.83 * ca * s.zr;
    const double pcd = 11.0 * c * b;
    double pc = std::min(pct, pcd);
    if (s.ratio < kContinuousWallRatio) pc = s.gamma * s.zr * b + 2.0 * c * b;
    r.pu = pc;

    const double as = stiffClayCoefficientAs(s.xw / b);
    r.as = as;
    const double y50 = s.e50 * b;
    const double es = s.k * s.zr;
    const double asY50 = as * y50;

    r.y[0] = 0.0;
    for (int i = 1; i <= 12; ++i)
        r.y[static_cast<std::size_t>(i)] = 0.5 * asY50 * i;
    r.y[13] = 10.0 * asY50;
    r.y[14] = 14.0 * asY50;
    r.y[15] = 18.0 * asY50;
    r.y[16] = 200.0 * asY50;

    const double peakPart = 0.5 * pc * std::sqrt(6.0 * as) - 0.411 * pc;
    for (int i = 0; i < kCurvePointCount; ++i) {
        const double y = r.y[static_cast<std::size_t>(i)];
        double p;
        if (y <= asY50) {
            p = 0.5 * pc * std::sqrt(y / y50);
        } else if (y <= 6.0 * asY50) {
            p = 0.5 * pc * std::sqrt(y / y50) - 0.055 * pc * std::pow((y - asY50) / asY50, 1.25);
        } else if (y <= 18.0 * asY50) {
            p = peakPart - (0.0625 / y50) * pc * (y - 6.0 * asY50);
        } else {
            p = peakPart - 0.75 * pc * as;
        }
        r.p[static_cast<std::size_t>(i)] = std::min(p, es * y);
    }
    return r;
}

PYCurve stiffClayNoFreeWaterCurve(const CurveSite& s, int layer) {
    requirePositiveE50(s.e50, layer);
    PYCurve r;
    const double b = s.b;
    const double c = s.c;
    const double ca = s.cAvg;
    const double pct = 3.0 * ca * b + s.gamma * b * s.z + 0.5 * ca * s.z;
    const double pcd = 9.0 * c * b;
    double pu = std::min(pct, pcd);
    if (s.ratio < kContinuousWallRatio) pu = s.gamma * s.zr * b + 2.0 * c * b;
    r.pu = pu;

    const double y50 = 2.5 * s.e50 * b;
    const double yu = 16.0 * y50;
    r.y[0] = 0.0;
    for (int i = 1; i < kCurvePointCount; ++i) {
        r.y[static_cast<std::size_t>(i)] =
            yu * kNoFreeWaterFractions[static_cast<std::size_t>(i - 1)];
    }
    for (int i = 0; i < kCurvePointCount; ++i) {
        const double y = r.y[static_cast<std::size_t>(i)];
        r.p[static_cast<std::size_t>(i)] = y <= yu ? 0.5 * pu * std::pow(y / y50, 0.25) : pu;
    }
    return r;
}

} // namespace tervane
