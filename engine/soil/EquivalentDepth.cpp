#include "EquivalentDepth.h"

#include "CurveTables.h"
#include "PYCurve.h"
#include "SandResistance.h"

#include <cmath>

namespace tervane {
namespace {

constexpr double kAtRestCoefficient = 0.4;
constexpr int kSandSteps = 100;
constexpr int kSiltSteps = 50;
// Below the integration range the resistance grows at the flow-around rate 0.88 c3 gamma b x0
// (sand and silt) plus 9 c b (silt).
constexpr double kDeepFactor = 0.88;

// Clays: pu(z) = 3cb + gamma b z + 0.5 c z up to zl, where it reaches 9cb, and 9cb below.
double clayEquivalentDepth(const EquivalentDepthSoil& s, double f) {
    const double c = s.c;
    const double b = s.b;
    const double zl = 6.0 * c * b / (0.5 * c + s.gamma * b);
    const double integral = c * zl * zl / 4.0 + 3.0 * c * b * zl + s.gamma * b * zl * zl / 2.0;
    if (f > integral) return (f - integral) / (9.0 * c * b) + zl;
    // (c/4 + gamma b/2) z^2 + 3cb z - F = 0
    const double a = c / 4.0 + s.gamma * b / 2.0;
    return (-3.0 * c * b + std::sqrt(std::pow(3.0 * c * b, 2) + 4.0 * a * f)) / (2.0 * a);
}

// Sand and silt: the wedge resistance as a polynomial in z times the factor A, summed in `steps`
// steps down to zl; silt adds its cohesion term 0.5 c z + 3cb + gamma b z.
double frictionalEquivalentDepth(const EquivalentDepthSoil& s, double f, int steps,
                                 bool withCohesion) {
    const double pi = withCohesion ? 4.0 * std::atan(1.0) : kSandPi;
    const double phi = s.phi;
    const double b = s.b;
    const double c = s.c;
    const double kp = std::pow(std::tan(pi / 4.0 + phi / 2.0), 2);
    const double ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2);
    const double alpha = phi / 2.0;
    const double beta = pi / 4.0 + phi / 2.0;
    const double k0 = kAtRestCoefficient;
    const double tanPhi = std::tan(phi);
    const double tanAlpha = std::tan(alpha);
    const double c1 = kp - ka;
    const double c2 =
        std::tan(beta) *
        (tanAlpha * kp + k0 * (tanPhi * std::sin(beta) * (1.0 / std::cos(alpha) + 1.0) - tanAlpha));
    const double c3 = kp * kp * (kp + k0 * tanPhi) - ka;
    const double zl = (c3 - c1) * b / c2;
    const double w = s.gamma * b * b;
    const double dz = zl / steps;

    double sum = 0.0;
    for (int i = 1; i <= steps; ++i) {
        const double zi = i * dz;
        double increment = ((zi / b) * (zi / b) * c2 + zi * c1 / b) * w * sandCoefficientA(zi / b);
        if (withCohesion) increment += 0.5 * zi * c + 3.0 * c * b + zi * s.gamma * b;
        const double previous = sum;
        sum += increment * dz;
        if (sum > f) return zi - (sum - f) * dz / (sum - previous);
    }
    double deepRate = kDeepFactor * c3 * s.gamma * b * s.x0;
    if (withCohesion) deepRate += 9.0 * c * b;
    return (f - sum) / deepRate + zl;
}

} // namespace

double equivalentDepth(const EquivalentDepthSoil& soil, double aboveSum) {
    double xeq = 0.0;
    switch (soil.type) {
    case kSoftClay:
    case kStiffClayNoFreeWater:
        xeq = clayEquivalentDepth(soil, aboveSum);
        break;
    case kSand:
        xeq = frictionalEquivalentDepth(soil, aboveSum, kSandSteps, false);
        break;
    case kSilt:
        xeq = frictionalEquivalentDepth(soil, aboveSum, kSiltSteps, true);
        break;
    default:
        return 0.0;
    }
    return std::isfinite(xeq) ? xeq : 0.0;
}

double equivalentDepthIncrement(int type, double step, double pu, double previous, double as) {
    switch (type) {
    case kSoftClay:
        return pu * step;
    case kStiffClayFreeWater:
        return step * (pu + previous) / 2.0 * (1.225 * std::sqrt(as) - 0.75 * as - 0.411);
    case kStiffClayNoFreeWater:
    case kSand:
    case kSilt:
        return step * (pu + previous) / 2.0;
    default:
        return 0.0;
    }
}

} // namespace tervane
