#pragma once
// Pieces shared by the sand and silt generators and the equivalent depth of sand and silt layers:
// the wedge and flow-around resistances of a frictional soil, the passive coefficient with wall
// friction, and the curve shape between the elastic line, the parabola and the ultimate value.

#include "PYCurve.h"

namespace tervane {

// The single-precision pi of the sand equations.
inline const double kSandPi = static_cast<double>(3.1416f);

struct FrictionalResistance {
    double wedge = 0; // pst, failure of a wedge in front of the wall near the surface
    double flow = 0;  // psd, flow of soil around the wall at depth
    double ka = 0;    // active coefficient tan^2(pi/4 - phi/2)
};

// Wedge and flow resistance per unit length at depth z for width b, unit weight gamma and
// friction angle phi (radians), with K0 = 0.4, alpha = phi/2, beta = pi/4 + phi/2:
//   pst = gamma z [K0 z tan(phi) sin(beta) / (tan(beta - phi) cos(alpha))
//                  + tan(beta) / tan(beta - phi) (b + z tan(beta) tan(alpha))
//                  + K0 z tan(beta) (tan(phi) sin(beta) - tan(alpha)) - Ka b]
//   psd = Ka b gamma z (tan^8(beta) - 1) + K0 b gamma z tan(phi) tan^4(beta)
FrictionalResistance frictionalResistance(double gamma, double z, double b, double phi, double pi);

// Passive coefficient with wall friction delta (Coulomb):
//   Kp = cos^2(phi) / (cos(delta) (1 - sqrt(sin(phi + delta) sin(phi) / cos(delta)))^2)
double passiveCoefficient(double phi, double delta);

// Fills r.y and r.p with the sand-type shape for ultimate pu, intermediate pm, width b, initial
// modulus Es at depth z:
//   ym = b/60, yu = 3b/80, m = (pu - pm)/(yu - ym), n = pm/(m ym), C = pm / ym^(1/n),
//   yk = (C/Es)^(n/(n-1)) (2b when z <= 0)
//   p = Es y (y <= yk), C y^(1/n) (y <= ym), pm + m (y - ym) (y <= yu), pu beyond; p <= Es y.
// Where the parabola does not exist (m <= 0 or n <= 1, from pu not above pm) the curve takes its
// limit for m -> 0, the elastic-perfectly plastic line p = min(Es y, pu).
void shapeSandCurve(PYCurve& r, double pu, double pm, double b, double es, double z);

} // namespace tervane
