#pragma once
// The five-term finite-difference equation of the beam-column at one station.
//
// The wall is a beam-column with flexural stiffness F = EI, axial load P, rotational restraint R,
// lateral springs S' and lateral loads Q' (the working values of the current iteration, curves
// included) and couples T. With the moment at a station M(s) = F(s) (w(s-1) - 2 w(s) + w(s+1))/h^2,
// the equilibrium of station s, multiplied by h^3, reads
//
//   F(s-1) [w(s-2) - 2w(s-1) + w(s)] - 2 F(s) [w(s-1) - 2w(s) + w(s+1)]
//       + F(s+1) [w(s) - 2w(s+1) + w(s+2)]
//       + h/4 (hP + R)(s-1) [w(s) - w(s-2)] + h/4 (hP + R)(s+1) [w(s) - w(s+2)]
//       + h^3 S'(s) w(s)
//   = h^3 Q'(s) - h^2/2 [T(s-1) - T(s+1)]
//
// that is a w(s-2) + b w(s-1) + c w(s) + d w(s+1) + e w(s+2) = f.

#include "StationData.h"

namespace tervane {

struct FiveTermEquation {
    double a = 0.0, b = 0.0, c = 0.0, d = 0.0, e = 0.0, f = 0.0;
};

// The equation of station s (-1 .. N+1). Data of neighbours outside the station store count as 0.
// `qWork`, `sWork`: Q' and S' of the current iteration; h: increment length (L).
FiveTermEquation equationAt(const StationData& st, const StationArray<double>& qWork,
                            const StationArray<double>& sWork, double h, int s);

// The terms of the equations that stay while the stiffness stays (everything but S' and Q'),
// for stations -1 .. N+1, so the iterations add only the springs and loads of the curves:
// c = (cFixed + h^3 S') + cSlope and f = h^3 Q' - fCouple, the same operations in the same
// order as equationAt.
struct FixedEquationTerms {
    StationArray<double> a, b, d, e, cFixed, cSlope, fCouple;
};
void prepareEquationTerms(const StationData& st, double h, int n, FixedEquationTerms& t);

// equationAt from the prepared terms: the same equation, bit for bit. Inline: the recursion
// takes one per station and iteration.
inline FiveTermEquation equationAt(const FixedEquationTerms& t, const StationArray<double>& qWork,
                                   const StationArray<double>& sWork, double h, int s) {
    const double h3 = h * h * h;
    FiveTermEquation eq;
    eq.a = t.a[s];
    eq.b = t.b[s];
    eq.c = t.cFixed[s] + h3 * sWork[s] + t.cSlope[s];
    eq.d = t.d[s];
    eq.e = t.e[s];
    eq.f = h3 * qWork[s] - t.fCouple[s];
    return eq;
}

} // namespace tervane
