#include "MomentStiffness.h"

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {

// Weight of the centre station in the second difference of the deflections.
constexpr double kCurvatureCentreWeight = 2.0;

double stiffnessAt(const MomentEISet& set, int pointCount, double kappa) {
    // The first point, from the second to the last but one, whose moment exceeds kappa EI;
    // otherwise the last point.
    int upper = pointCount - 1;
    for (int i = 1; i < pointCount - 1; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        if (set.moment[ui] > kappa * set.ei[ui]) {
            upper = i;
            break;
        }
    }
    const auto i2 = static_cast<std::size_t>(upper);
    const double m1 = set.moment[i2 - 1], m2 = set.moment[i2];
    const double ei1 = set.ei[i2 - 1], ei2 = set.ei[i2];
    const double denominator = (ei2 - ei1) * kappa - m2 + m1;
    const double t = denominator == 0.0 ? 0.0 : (m1 - kappa * ei1) / denominator;
    return ei1 + t * (ei2 - ei1);
}

} // namespace

void updateStiffness(StationData& st, int n, double h, const StationArray<double>& w) {
    const int sets = std::clamp(st.momentEICount, 0, kMaxMomentEISets);
    const double h2 = h * h;
    for (int m = 0; m < sets; ++m) {
        const MomentEISet& set = st.momentEI[static_cast<std::size_t>(m)];
        const int points = std::clamp(set.pointCount, 0, kMaxMomentEIPoints);
        if (points < 2) continue;
        // Only stations of the wall take a stiffness: beyond its ends the wall has none.
        const int first = std::max(set.firstStation, 0);
        const int last = std::min(set.lastStation, n);
        for (int j = first; j <= last; ++j) {
            const double kappa =
                std::fabs(w[j - 1] - kCurvatureCentreWeight * w[j] + w[j + 1]) / h2;
            st.F[j] = stiffnessAt(set, points, kappa);
        }
    }
}

} // namespace tervane
