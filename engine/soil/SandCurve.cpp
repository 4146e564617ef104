// p-y curve of a sand at one curve depth (static loading).
//
//   ps = min(pst, psd)   (wedge and flow-around resistance at the depth z)
//   continuous wall (Wa/Wp < 1.1): ps = Kp gamma zr b, Kp with wall friction phi/2
//   pu = A ps, pm = B ps (A and B from their tables at the side's depth over b), Es = k z
// and the shape of shapeSandCurve.

#include "CurveTables.h"
#include "SandResistance.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

constexpr double kAtRestCoefficient = 0.4;
// Parameters of the parabola that are undefined beyond these bounds take the limiting line.
constexpr double kMinParabolaExponent = 1.0;

} // namespace

FrictionalResistance frictionalResistance(double gamma, double z, double b, double phi, double pi) {
    const double alpha = phi / 2.0;
    const double beta = pi / 4.0 + phi / 2.0;
    const double k0 = kAtRestCoefficient;
    const double ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2);
    const double tanPhi = std::tan(phi);
    const double tanBeta = std::tan(beta);
    const double tanAlpha = std::tan(alpha);
    const double tanBetaPhi = std::tan(beta - phi);
    const double sinBeta = std::sin(beta);

    FrictionalResistance r;
    r.ka = ka;
    r.wedge = gamma * z *
              (k0 * z * tanPhi * sinBeta / (tanBetaPhi * std::cos(alpha)) +
               tanBeta / tanBetaPhi * (b + z * tanBeta * tanAlpha) +
               k0 * z * tanBeta * (tanPhi * sinBeta - tanAlpha) - ka * b);
    r.flow = ka * b * gamma * z * (std::pow(tanBeta, 8) - 1.0) +
             k0 * b * gamma * z * tanPhi * std::pow(tanBeta, 4);
    return r;
}

double passiveCoefficient(double phi, double delta) {
    const double root = 1.0 - std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    return std::pow(std::cos(phi), 2) / (std::cos(delta) * root * root);
}

void shapeSandCurve(PYCurve& r, double pu, double pm, double b, double es, double z) {
    const double yu = 3.0 * b / 80.0;
    const double ym = b / 60.0;
    const double m = (pu - pm) / (yu - ym);
    const double n = pm / (m * ym);
    const bool parabola = m > 0.0 && n > kMinParabolaExponent && std::isfinite(n);
    const double cc = parabola ? pm / std::pow(ym, 1.0 / n) : 0.0;
    double yk = 2.0 * b;
    if (parabola && z > 0.0) yk = std::pow(cc / es, n / (n - 1.0));

    const double dy = ym / 12.0;
    r.y[0] = 0.0;
    for (int i = 1; i <= 12; ++i)
        r.y[static_cast<std::size_t>(i)] = dy * i;
    r.y[13] = yu;
    r.y[14] = yu + b;
    r.y[15] = yu + 2.0 * b;
    r.y[16] = yu + 3.0 * b;

    for (int i = 0; i < kCurvePointCount; ++i) {
        const double y = r.y[static_cast<std::size_t>(i)];
        double p;
        if (!parabola) {
            p = pu;
        } else if (y <= yk) {
            p = es * y;
        } else if (y <= ym) {
            p = cc * std::pow(y, 1.0 / n);
        } else if (y <= yu) {
            p = pm + m * (y - ym);
        } else {
            p = pu;
        }
        r.p[static_cast<std::size_t>(i)] = std::min(p, es * y);
    }
}

PYCurve sandCurve(const CurveSite& s) {
    PYCurve r;
    const double b = s.b;
    const FrictionalResistance f = frictionalResistance(s.gamma, s.z, b, s.phi, kSandPi);
    r.wedge = f.wedge;
    r.flow = f.flow;
    r.ka = f.ka;
    double ps = std::min(f.wedge, f.flow);
    if (s.ratio < kContinuousWallRatio) {
        ps = passiveCoefficient(s.phi, s.phi / 2.0) * s.gamma * s.zr * b;
    }
    r.coefA = sandCoefficientA(s.xw / b);
    r.coefB = sandCoefficientB(s.xw / b);
    r.pu = r.coefA * ps;
    shapeSandCurve(r, r.pu, r.coefB * ps, b, s.k * s.z, s.z);
    return r;
}

} // namespace tervane
