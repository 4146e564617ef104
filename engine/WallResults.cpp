// Results of the solved wall: slope, bending moment, shear and net reaction per station from the
// final deflections, with the corrections for concentrated couples.

#include "Solver.h"

#include <algorithm>

namespace tervane {

namespace {

// Central differences: slope (w(s+1) - w(s-1))/2h, shear (M(s+1) - M(s-1))/2h.
constexpr double kCentralSpan = 2.0;
// Weight of the centre station in a second difference.
constexpr double kCentreWeight = 2.0;
// A couple T at station sc is carried as the forces +-T/2h at sc-1 and sc+1. Across sc the
// central difference of the moment sees the couple's whole jump, at sc-1 and sc+1 half of it;
// the reactions at sc-1 and sc+1 hold the two forces.
constexpr double kCoupleShareAtStation = 1.0;
constexpr double kCoupleShareBeside = 0.5;

} // namespace

// With M(-1) = 0 and M(s) = F(s) (w(s-1) - 2 w(s) + w(s+1))/h^2 for s = 0 .. N+2, for every
// station s = -1 .. N+1:
//   x = s h, slope = (w(s+1) - w(s-1))/2h, moment M(s), shear V = (M(s+1) - M(s-1))/2h,
//   net reaction per station Rn = (M(s-1) - 2 M(s) + M(s+1))/h,
// after extrapolating w(-2) = 2 w(-1) - w(0) and w(N+2) = 2 w(N+1) - w(N). Then each couple Tc
// at station sc, with t = Tc/2h: V(sc) -= t, V(sc-1) -= t/2, V(sc+1) -= t/2, Rn(sc+1) += t,
// Rn(sc-1) -= t.
void computeResults(const WallRecord& wall, const StationData& st, const SolverWork& work,
                    StationResults& out) {
    const int n = wall.increments;
    const double h = wall.incrementLength;
    const double h2 = h * h;
    const double twoH = kCentralSpan * h;

    out.x.fill(0.0);
    out.slope.fill(0.0);
    out.moment.fill(0.0);
    out.shear.fill(0.0);
    out.reaction.fill(0.0);
    out.stiffness.fill(0.0);
    out.deflection = work.w;

    auto& w = out.deflection;
    w[-2] = 2.0 * w[-1] - w[0];
    w[n + 2] = 2.0 * w[n + 1] - w[n];

    auto& m = out.moment; // M(-2) = M(-1) = 0; M(N+2) is kept for the shear of station N+1
    for (int s = 0; s <= n + 2; ++s)
        m[s] = (w[s - 1] - kCentreWeight * w[s] + w[s + 1]) * st.F[s] / h2;

    for (int s = -1; s <= n + 1; ++s) {
        out.x[s] = s * h;
        out.slope[s] = (w[s + 1] - w[s - 1]) / twoH;
        out.shear[s] = (m[s + 1] - m[s - 1]) / twoH;
        out.reaction[s] = (m[s - 1] - kCentreWeight * m[s] + m[s + 1]) / h;
        out.stiffness[s] = st.F[s];
    }

    auto onWall = [n](int s) { return s >= -1 && s <= n + 1; };
    const int couples = std::clamp(st.coupleCount, 0, kMaxConcentratedCouples);
    for (int k = 0; k < couples; ++k) {
        const ConcentratedCouple& c = st.couples[static_cast<std::size_t>(k)];
        if (c.moment == 0.0) continue;
        const double t = c.moment / twoH;
        const int sc = c.station;
        if (onWall(sc)) out.shear[sc] -= kCoupleShareAtStation * t;
        if (onWall(sc + 1)) {
            out.shear[sc + 1] -= kCoupleShareBeside * t;
            out.reaction[sc + 1] += t;
        }
        if (onWall(sc - 1)) {
            out.shear[sc - 1] -= kCoupleShareBeside * t;
            out.reaction[sc - 1] -= t;
        }
    }
}

} // namespace tervane
