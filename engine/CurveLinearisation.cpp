#include "CurveLinearisation.h"

#include "EngineErrors.h"

#include <algorithm>
#include <array>

namespace tervane {

namespace {

// Each end station of a range of several stations keeps half the value: it is added once with
// factor 1 along the range and once more with factor -1/2.
constexpr double kRangeFactor = 1.0;
constexpr double kRangeEndFactor = -0.5;

bool continues(const Curve& c) {
    return c.continuation == 1;
}

// Applies the group of curves `first` .. `close` (indices into the curve table).
class GroupApplier {
public:
    GroupApplier(const StationData& st, int n, const StationArray<double>& w,
                 StationArray<double>& qWork, StationArray<double>& sWork, bool& offCurve,
                 const std::array<bool, kMaxCurves>& sorted)
        : m_st(st), m_n(n), m_w(w), m_q(qWork), m_s(sWork), m_offCurve(offCurve), m_sorted(sorted) {
    }

    void apply(int first, int close) {
        const Curve& cFirst = m_st.curves[static_cast<std::size_t>(first)];
        const Curve& cClose = m_st.curves[static_cast<std::size_t>(close)];
        const int sFirst = cFirst.firstStation;
        const int sLast = cClose.lastStation;
        if (sLast < sFirst) throw ProblemStop(kStationsNotInOrder);
        if (sLast == sFirst) {
            // A single station takes the whole value, and only from a curve standing alone.
            if (first == close && sFirst <= m_n)
                addAt(first, close, sFirst, sFirst, sLast, kRangeFactor);
            return;
        }
        if (sFirst >= m_n) return;
        const int sEnd = std::min(sLast, m_n);
        // Stations above the store take nothing; the loop never leaves it.
        for (int s = std::max(sFirst, kFirstStoredStation); s <= sEnd; ++s)
            addAt(first, close, s, sFirst, sLast, kRangeFactor);
        addAt(first, close, sFirst, sFirst, sLast, kRangeEndFactor);
        addAt(first, close, sEnd, sFirst, sLast, kRangeEndFactor);
    }

private:
    // Q'(s) += factor (Q0_first + f (Q0_close - Q0_first)), S' likewise, both curves evaluated at
    // w(s) and f = (s - sFirst)/(sLast - sFirst) over the uncut range.
    void addAt(int first, int close, int s, int sFirst, int sLast, double factor) {
        if (!StationArray<double>::inStore(s)) return;
        const double ws = m_w[s];
        const auto i = static_cast<std::size_t>(first), j = static_cast<std::size_t>(close);
        const CurveSegmentLine lf = evaluateCurve(m_st.curves[i], ws, m_offCurve, m_sorted[i]);
        CurveSegmentLine lc = lf;
        if (close != first) lc = evaluateCurve(m_st.curves[j], ws, m_offCurve, m_sorted[j]);
        const double f = sLast == sFirst ? 0.0
                                         : (static_cast<double>(s) - sFirst) /
                                               (static_cast<double>(sLast) - sFirst);
        m_q[s] += factor * (lf.load + f * (lc.load - lf.load));
        m_s[s] += factor * (lf.spring + f * (lc.spring - lf.spring));
    }

    const StationData& m_st;
    int m_n;
    const StationArray<double>& m_w;
    StationArray<double>& m_q;
    StationArray<double>& m_s;
    bool& m_offCurve;
    const std::array<bool, kMaxCurves>& m_sorted;
};

} // namespace

bool curveIsSorted(const Curve& curve) {
    const int n = std::clamp(curve.pointCount, 0, kMaxCurvePoints);
    for (int i = 0; i < n; ++i) {
        const double wi = curve.w[static_cast<std::size_t>(i)];
        if (wi != wi) return false;
        if (i > 0 && !(curve.w[static_cast<std::size_t>(i - 1)] <= wi)) return false;
    }
    return true;
}

CurveSegmentLine evaluateCurve(const Curve& curve, double w, bool& offCurve, bool sorted) {
    const int n = std::clamp(curve.pointCount, 0, kMaxCurvePoints);
    if (n < 2) {
        offCurve = true;
        return {};
    }
    int upper = 1; // 0-based index of the segment's second point
    if (n < kMinPointsOnCurve) {
        upper = n - 1;
        offCurve = true;
    } else if (w < curve.w[0]) {
        upper = 1;
        offCurve = true;
    } else if (w > curve.w[static_cast<std::size_t>(n - 1)]) {
        upper = n - 1;
        offCurve = true;
    } else if (sorted) {
        // The first point from index 1 on with W >= w: W(i) < w holds for a leading run of
        // indices only, so bisect for its end.
        int lo = 1, hi = n - 1;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (curve.w[static_cast<std::size_t>(mid)] < w)
                lo = mid + 1;
            else
                hi = mid;
        }
        upper = lo;
    } else {
        while (upper < n - 1 && curve.w[static_cast<std::size_t>(upper)] < w)
            ++upper;
    }
    const auto i2 = static_cast<std::size_t>(upper);
    const double w1 = curve.w[i2 - 1], w2 = curve.w[i2];
    const double q1 = curve.qc[i2 - 1], q2 = curve.qc[i2];
    if (w2 == w1) return {};
    CurveSegmentLine line;
    line.spring = -(q2 - q1) / (w2 - w1);
    line.load = line.spring * w1 + q1;
    return line;
}

void findSortedCurves(const StationData& st, std::array<bool, kMaxCurves>& sorted) {
    sorted.fill(false);
    const int count = std::clamp(st.curveCount, 0, kMaxCurves);
    for (int k = 0; k < count; ++k)
        sorted[static_cast<std::size_t>(k)] = curveIsSorted(st.curves[static_cast<std::size_t>(k)]);
}

void linearizeCurves(StationData& st, int n, const StationArray<double>& w,
                     StationArray<double>& qWork, StationArray<double>& sWork, bool& offCurve,
                     const std::array<bool, kMaxCurves>* sorted) {
    const int count = std::clamp(st.curveCount, 0, kMaxCurves);
    // Each curve is evaluated at every station of its range: whether its points may be bisected
    // is found once.
    std::array<bool, kMaxCurves> found{};
    if (!sorted) {
        findSortedCurves(st, found);
        sorted = &found;
    }
    GroupApplier applier(st, n, w, qWork, sWork, offCurve, *sorted);
    int groupFirst = 0;
    for (int k = 0; k < count; ++k) {
        Curve& curve = st.curves[static_cast<std::size_t>(k)];
        const bool afterContinuing = k > 0 && continues(st.curves[static_cast<std::size_t>(k - 1)]);
        if (!afterContinuing) groupFirst = k;               // opens a group
        if (continues(curve) && !afterContinuing) continue; // waits for the curve that closes it
        applier.apply(groupFirst, k);
        if (continues(curve)) {
            curve.firstStation = curve.lastStation;
            groupFirst = k;
        }
    }
    // The last curve opened a group and asks to be interpolated with a curve that does not come:
    // it stands alone at its station.
    if (count > 0) {
        const int k = count - 1;
        const bool afterContinuing = k > 0 && continues(st.curves[static_cast<std::size_t>(k - 1)]);
        if (continues(st.curves[static_cast<std::size_t>(k)]) && !afterContinuing)
            applier.apply(k, k);
    }
}

} // namespace tervane
