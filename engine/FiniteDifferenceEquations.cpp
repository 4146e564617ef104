#include "FiniteDifferenceEquations.h"

namespace tervane {

namespace {

// Factors of the difference operators. (hP + R) at a neighbour multiplies the difference
// w(s) - w(s-2) (or w(s) - w(s+2)) with h/4, that is h^2/2 times the slope at the neighbour; the
// moment operator has the weights 1, -2, 4, -2, 1 of two nested second differences; a couple T
// acts as the two forces +-T/2h at the stations above and below it (h^2/2 T after the scaling).
constexpr double kSlopeFactor = 0.25;
constexpr double kCoupleFactor = 0.5;
constexpr double kNeighbourWeight = 2.0;
constexpr double kCentreWeight = 4.0;

double valueAt(const StationArray<double>& v, int s) {
    return StationArray<double>::inStore(s) ? v[s] : 0.0;
}

} // namespace

FiveTermEquation equationAt(const StationData& st, const StationArray<double>& qWork,
                            const StationArray<double>& sWork, double h, int s) {
    const double fAbove = valueAt(st.F, s - 1);
    const double fHere = valueAt(st.F, s);
    const double fBelow = valueAt(st.F, s + 1);
    // Axial load and rotational restraint of the neighbours, both acting through slopes.
    const double kAbove = h * valueAt(st.P, s - 1) + valueAt(st.R, s - 1);
    const double kBelow = h * valueAt(st.P, s + 1) + valueAt(st.R, s + 1);
    const double h2 = h * h;
    const double h3 = h2 * h;

    FiveTermEquation eq;
    eq.a = fAbove - kSlopeFactor * h * kAbove;
    eq.b = -kNeighbourWeight * (fAbove + fHere);
    eq.c = fAbove + kCentreWeight * fHere + fBelow + h3 * valueAt(sWork, s) +
           kSlopeFactor * h * (kAbove + kBelow);
    eq.d = -kNeighbourWeight * (fHere + fBelow);
    eq.e = fBelow - kSlopeFactor * h * kBelow;
    eq.f =
        h3 * valueAt(qWork, s) - kCoupleFactor * h2 * (valueAt(st.T, s - 1) - valueAt(st.T, s + 1));
    return eq;
}

namespace {

// The terms over stations -1 .. N+1. `Whole`: every neighbour s +- 1 lies in the store, so the
// values are read without the test of valueAt (which gives the same values there).
template <bool Whole>
void prepareTerms(const StationData& st, double h, int n, FixedEquationTerms& t) {
    const auto at = [](const StationArray<double>& v, int s) {
        if constexpr (Whole)
            return v[s];
        else
            return valueAt(v, s);
    };
    const double h2 = h * h;
    for (int s = -1; s <= n + 1; ++s) {
        const double fAbove = at(st.F, s - 1);
        const double fHere = at(st.F, s);
        const double fBelow = at(st.F, s + 1);
        const double kAbove = h * at(st.P, s - 1) + at(st.R, s - 1);
        const double kBelow = h * at(st.P, s + 1) + at(st.R, s + 1);
        t.a[s] = fAbove - kSlopeFactor * h * kAbove;
        t.b[s] = -kNeighbourWeight * (fAbove + fHere);
        t.cFixed[s] = fAbove + kCentreWeight * fHere + fBelow;
        t.cSlope[s] = kSlopeFactor * h * (kAbove + kBelow);
        t.d[s] = -kNeighbourWeight * (fHere + fBelow);
        t.e[s] = fBelow - kSlopeFactor * h * kBelow;
        t.fCouple[s] = kCoupleFactor * h2 * (at(st.T, s - 1) - at(st.T, s + 1));
    }
}

} // namespace

void prepareEquationTerms(const StationData& st, double h, int n, FixedEquationTerms& t) {
    if (StationArray<double>::inStore(-2) && StationArray<double>::inStore(n + 2))
        prepareTerms<true>(st, h, n, t);
    else
        prepareTerms<false>(st, h, n, t);
}

} // namespace tervane
