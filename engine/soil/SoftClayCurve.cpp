// p-y curve of a soft clay at one curve depth (static loading).
//
//   Np = 3 + gamma z / c + 0.5 z / b          (0 when c = 0)
//   pu = c Np b, at most 9 c b;  continuous wall (Wa/Wp < 1.1): pu = gamma zr b + 2 c b
//   y50 = 2.5 eps50 b
//   p  = 0.5 pu (y / y50)^(1/3) for y <= 8 y50, pu beyond
// Below a deflection of 1e-14 the cube-root curve is replaced by its secant modulus at 1e-14,
// Ei = 0.5 pu (y50 / 1e-14)^(2/3) / y50, so the curve starts with a finite stiffness.

#include "EngineErrors.h"
#include "PYCurve.h"

#include <cmath>

namespace tervane {
namespace {

constexpr double kBearingLimit = 9.0; // Np never exceeds 9 (flow around the wall)
constexpr double kStrainToY50 = 2.5;  // y50 = 2.5 eps50 b
constexpr double kPeakMultiple = 8.0; // the curve reaches pu at 8 y50
// Deflections below this are treated with the initial modulus (single-precision constant).
const double kTinyDeflection = static_cast<double>(1e-14f);

} // namespace

PYCurve softClayCurve(const CurveSite& s, int layer) {
    if (!(s.e50 > 0.0)) {
        throw ProblemStop(undefinedCurveMessage(
            layer, "E50 OF THE CLAY IS NOT POSITIVE; ITS P-Y CURVE IS UNDEFINED"));
    }
    PYCurve r;
    const double b = s.b;
    const double c = s.c;
    const double np = c > 0.0 ? 3.0 + s.gamma * s.z / c + 0.5 * s.z / b : 0.0;
    double pu = np <= kBearingLimit ? c * np * b : kBearingLimit * c * b;
    if (s.ratio < kContinuousWallRatio) pu = s.gamma * s.zr * b + 2.0 * c * b;
    r.pu = pu;

    const double y50 = kStrainToY50 * s.e50 * b;
    const double dy = y50 / 4.0;
    r.y[0] = 0.0;
    r.y[1] = 0.008 * y50;
    for (int i = 1; i <= 12; ++i)
        r.y[static_cast<std::size_t>(i + 1)] = dy * i;
    r.y[14] = kPeakMultiple * y50;
    r.y[15] = 15.0 * y50;
    r.y[16] = 20.0 * y50;

    r.initialModulus = 0.5 * pu * std::pow(y50 / kTinyDeflection, 2.0 / 3.0) / y50;
    for (int i = 0; i < kCurvePointCount; ++i) {
        const double y = r.y[static_cast<std::size_t>(i)];
        double p = y <= kPeakMultiple * y50 ? 0.5 * pu * std::cbrt(y / y50) : pu;
        if (y < kTinyDeflection) p = r.initialModulus * y;
        r.p[static_cast<std::size_t>(i)] = p;
    }
    return r;
}

} // namespace tervane
