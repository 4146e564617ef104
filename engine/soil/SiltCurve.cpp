// p-y curve of a silt (c-phi soil) at one curve depth (static loading): a friction part from the
// sand equations and a cohesion part from the soft-clay equations, added.
//
//   p-phi = min(pst, psd) at the depth z;   continuous wall: Kp gamma b zr, wall friction 10 deg
//   Np = 3 + gamma z / c + 0.5 z / b,  pc = c Np b (9 c b once Np reaches 9; 0 when c = 0)
//   continuous wall (Wa/Wp < 1.1): pc = gamma zr b + 2 c b
//   pu = A p-phi + pc,  pm = B p-phi + pc   (A, B from their tables at z/b),  Es = k z
// and the shape of shapeSandCurve.

#include "CurveTables.h"
#include "EngineErrors.h"
#include "SandResistance.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

// The friction angle counts as 0 when 1 - cos^2(phi) is below this.
constexpr double kZeroFrictionTest = 1e-10;
// Wall friction of the continuous-wall passive coefficient: 10 degrees (single precision).
const double kSiltWallFriction = static_cast<double>(0.17453332f);
constexpr double kBearingLimit = 9.0;

std::string zeroFrictionMessage() {
    const std::string indent(7, ' ');
    return "\n\n" + indent + "WARNING-------The Angle of the slope can not\n" + indent +
           "              be greater than the internal  \n" + indent +
           "              friction angle of the sand.   \n";
}

} // namespace

PYCurve siltCurve(const CurveSite& s) {
    const double cosPhi = std::cos(s.phi);
    if (1.0 - cosPhi * cosPhi < kZeroFrictionTest) throw FatalStop(zeroFrictionMessage(), 0);

    PYCurve r;
    const double pi = 4.0 * std::atan(1.0);
    const double b = s.b;
    const double c = s.c;
    const FrictionalResistance f = frictionalResistance(s.gamma, s.z, b, s.phi, pi);
    r.ka = f.ka;
    double pPhi = std::min(f.wedge, f.flow);
    if (s.ratio < kContinuousWallRatio) {
        pPhi = passiveCoefficient(s.phi, kSiltWallFriction) * s.gamma * b * s.zr;
    }

    double pc = 0.0;
    if (c != 0.0) {
        const double np = 3.0 + s.gamma * s.z / c + 0.5 * s.z / b;
        pc = np < kBearingLimit ? c * np * b : kBearingLimit * c * b;
    }
    if (s.ratio < kContinuousWallRatio) pc = s.gamma * s.zr * b + 2.0 * c * b;
    r.cohesionPart = pc;
    r.frictionPart = pPhi;

    r.coefA = sandCoefficientA(s.z / b);
    r.coefB = sandCoefficientB(s.z / b);
    r.pu = r.coefA * pPhi + pc;
    shapeSandCurve(r, r.pu, r.coefB * pPhi + pc, b, s.k * s.z, s.z);
    return r;
}

} // namespace tervane
