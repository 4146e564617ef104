#include "CurveLinearisation.h"

#include "EngineErrors.h"

#include <algorithm>
#include <array>
#include <memory>

namespace tervane {

namespace {

// Each end station of a range of several stations keeps half the value: it is added once with
// factor 1 along the range and once more with factor -1/2.
constexpr double kRangeFactor = 1.0;
constexpr double kRangeEndFactor = -0.5;

bool continues(const Curve& c) {
    return c.continuation == 1;
}

// One curve of the prepared table as the station loop of a group reads it: held in locals, so
// the loop's stores (the segment memo is a byte array) never make it read the curve again.
struct CurveView {
    const double* w = nullptr;
    const CurveSegmentLine* lines = nullptr;
    std::uint8_t* memo = nullptr; // the segment last found, per station from kFirstStoredStation
    int points = 0;
    bool sorted = false;
};

// The line of the curve at deflection w at stored station s: the segment segmentEnd finds, its
// line from the prepared table. On a sorted curve of 3 points or more the memo is tried first:
// W(g-1) < w <= W(g) (or W(0) <= w <= W(1) for the first segment) puts w on the curve, in the
// segment the tests below would find, so they are skipped.
inline CurveSegmentLine lineAt(const CurveView& c, int s, double w, bool& offCurve) {
    const int n = c.points;
    std::uint8_t& memo = c.memo[s - kFirstStoredStation];
    if (c.sorted && n >= kMinPointsOnCurve) {
        const int g = memo;
        if (g >= 1 && g <= n - 1 && !(c.w[g] < w) && (g == 1 ? !(w < c.w[0]) : c.w[g - 1] < w))
            return c.lines[g];
    }
    if (n < 2) {
        offCurve = true;
        return {};
    }
    int upper = 1;
    if (n < kMinPointsOnCurve || w > c.w[n - 1]) {
        offCurve = true;
        upper = n - 1;
    } else if (w < c.w[0]) {
        offCurve = true;
    } else if (c.sorted) {
        int lo = 1, hi = n - 1;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (c.w[mid] < w)
                lo = mid + 1;
            else
                hi = mid;
        }
        memo = static_cast<std::uint8_t>(lo);
        upper = lo;
    } else {
        while (upper < n - 1 && c.w[upper] < w)
            ++upper;
    }
    return c.lines[upper];
}

// A sorted curve of three points or more: lineAt finds its segments by the memo or bisection.
inline bool searched(const CurveView& c) {
    return c.sorted && c.points >= kMinPointsOnCurve;
}

// lineAt for a searched curve: the memo's segment when w still lies on it, else lineAt.
inline CurveSegmentLine rememberedLineAt(const CurveView& c, int s, double w, bool& offCurve) {
    const int g = c.memo[s - kFirstStoredStation];
    if (g >= 1 && g <= c.points - 1 && !(c.w[g] < w) && (g == 1 ? !(w < c.w[0]) : c.w[g - 1] < w))
        return c.lines[g];
    return lineAt(c, s, w, offCurve);
}

// Applies the group of curves `first` .. `close` (indices into the curve table).
class GroupApplier {
public:
    GroupApplier(const StationData& st, int n, const StationArray<double>& w,
                 StationArray<double>& qWork, StationArray<double>& sWork, bool& offCurve,
                 const CurveTableCache& cache)
        : m_st(st), m_n(n), m_w(w), m_q(qWork), m_s(sWork), m_offCurve(offCurve), m_cache(cache) {}

    void apply(int first, int close) {
        const Curve& cFirst = m_st.curves[static_cast<std::size_t>(first)];
        const Curve& cClose = m_st.curves[static_cast<std::size_t>(close)];
        const int sFirst = cFirst.firstStation;
        const int sLast = cClose.lastStation;
        if (sLast < sFirst) throw ProblemStop(kStationsNotInOrder);
        const CurveView a = view(first);
        const CurveView b = view(close);
        bool offCurve = false;
        if (sLast == sFirst) {
            // A single station takes the whole value, and only from a curve standing alone.
            if (first == close && sFirst <= m_n && StationArray<double>::inStore(sFirst)) {
                const CurveSegmentLine lf = lineAt(a, sFirst, m_w[sFirst], offCurve);
                const CurveSegmentLine lc = lf;
                const double f = 0.0;
                m_q[sFirst] += kRangeFactor * (lf.load + f * (lc.load - lf.load));
                m_s[sFirst] += kRangeFactor * (lf.spring + f * (lc.spring - lf.spring));
            }
            if (offCurve) m_offCurve = true;
            return;
        }
        if (sFirst >= m_n) return;
        const int sEnd = std::min(sLast, m_n);
        // Stations above or below the store take nothing; the loop never leaves it.
        const int from = std::max(sFirst, kFirstStoredStation);
        const int to = std::min(sEnd, kFirstStoredStation + kStationStore - 1);
        const bool two = first != close;
        const double span = static_cast<double>(sLast) - sFirst;
        // Q'(s) += factor (Q0_first + f (Q0_close - Q0_first)), S' likewise, both curves
        // evaluated at w(s) and f = (s - sFirst)/(sLast - sFirst) over the uncut range. The two
        // end stations take the same values once more with the end factor, after the range.
        double qFirst = 0.0, sFirstValue = 0.0, qEnd = 0.0, sEndValue = 0.0;
        const auto station = [&](int s, CurveSegmentLine lf, CurveSegmentLine lc) {
            const double f = (static_cast<double>(s) - sFirst) / span;
            const double dq = lf.load + f * (lc.load - lf.load);
            const double ds = lf.spring + f * (lc.spring - lf.spring);
            m_q[s] += kRangeFactor * dq;
            m_s[s] += kRangeFactor * ds;
            if (s == sFirst) {
                qFirst = dq;
                sFirstValue = ds;
            }
            if (s == sEnd) {
                qEnd = dq;
                sEndValue = ds;
            }
        };
        if (two && searched(a) && searched(b)) {
            // Two sorted curves of three points or more, the common group: the memo is tried
            // without the tests that hold for the whole range.
            for (int s = from; s <= to; ++s) {
                const double ws = m_w[s];
                station(s, rememberedLineAt(a, s, ws, offCurve),
                        rememberedLineAt(b, s, ws, offCurve));
            }
        } else {
            for (int s = from; s <= to; ++s) {
                const double ws = m_w[s];
                const CurveSegmentLine lf = lineAt(a, s, ws, offCurve);
                station(s, lf, two ? lineAt(b, s, ws, offCurve) : lf);
            }
        }
        if (from <= sFirst && sFirst <= to) {
            m_q[sFirst] += kRangeEndFactor * qFirst;
            m_s[sFirst] += kRangeEndFactor * sFirstValue;
        }
        if (from <= sEnd && sEnd <= to) {
            m_q[sEnd] += kRangeEndFactor * qEnd;
            m_s[sEnd] += kRangeEndFactor * sEndValue;
        }
        if (offCurve) m_offCurve = true;
    }

private:
    CurveView view(int index) const {
        const auto i = static_cast<std::size_t>(index);
        CurveView v;
        v.w = m_st.curves[i].w.data();
        v.lines = m_cache.lines[i].data();
        v.memo = m_cache.lastSegment[i].data();
        v.points = std::clamp(m_st.curves[i].pointCount, 0, kMaxCurvePoints);
        v.sorted = m_cache.sorted[i];
        return v;
    }

    const StationData& m_st;
    int m_n;
    const StationArray<double>& m_w;
    StationArray<double>& m_q;
    StationArray<double>& m_s;
    bool& m_offCurve;
    const CurveTableCache& m_cache;
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

namespace {

// The segment of `curve` used at w, as the index of its second point; -1 when the curve has
// fewer than 2 points (no resistance). Sets offCurve as evaluateCurve tells.
// `hint`, for a sorted curve, is the segment found last time at this place: taken when it is
// still the first point with W >= w, and replaced by the search's result otherwise.
int segmentEnd(const Curve& curve, double w, bool& offCurve, bool sorted,
               std::uint8_t* hint = nullptr) {
    const int n = std::clamp(curve.pointCount, 0, kMaxCurvePoints);
    if (n < 2) {
        offCurve = true;
        return -1;
    }
    if (n < kMinPointsOnCurve || w > curve.w[static_cast<std::size_t>(n - 1)]) {
        offCurve = true;
        return n - 1;
    }
    if (w < curve.w[0]) {
        offCurve = true;
        return 1;
    }
    if (sorted) {
        if (hint) {
            const int g = *hint;
            if (g >= 1 && g <= n - 1 && !(curve.w[static_cast<std::size_t>(g)] < w) &&
                (g == 1 || curve.w[static_cast<std::size_t>(g - 1)] < w))
                return g;
        }
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
        if (hint) *hint = static_cast<std::uint8_t>(lo);
        return lo;
    }
    int upper = 1;
    while (upper < n - 1 && curve.w[static_cast<std::size_t>(upper)] < w)
        ++upper;
    return upper;
}

// The spring and load of the segment ending at point `upper` (1 .. points-1).
CurveSegmentLine segmentLine(const Curve& curve, int upper) {
    const auto i2 = static_cast<std::size_t>(upper);
    const double w1 = curve.w[i2 - 1], w2 = curve.w[i2];
    const double q1 = curve.qc[i2 - 1], q2 = curve.qc[i2];
    if (w2 == w1) return {};
    CurveSegmentLine line;
    line.spring = -(q2 - q1) / (w2 - w1);
    line.load = line.spring * w1 + q1;
    return line;
}

} // namespace

CurveSegmentLine evaluateCurve(const Curve& curve, double w, bool& offCurve, bool sorted) {
    const int upper = segmentEnd(curve, w, offCurve, sorted);
    return upper < 0 ? CurveSegmentLine{} : segmentLine(curve, upper);
}

void prepareCurves(const StationData& st, CurveTableCache& cache) {
    const int count = std::clamp(st.curveCount, 0, kMaxCurves);
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Curve& c = st.curves[i];
        cache.sorted[i] = curveIsSorted(c);
        cache.lastSegment[i].fill(0);
        const int n = std::clamp(c.pointCount, 0, kMaxCurvePoints);
        for (int upper = 1; upper < n; ++upper)
            cache.lines[i][static_cast<std::size_t>(upper)] = segmentLine(c, upper);
    }
}

CurveSegmentLine evaluateCurve(const Curve& curve, int index, int station, double w, bool& offCurve,
                               const CurveTableCache& cache) {
    const auto i = static_cast<std::size_t>(index);
    std::uint8_t* hint =
        StationArray<double>::inStore(station)
            ? &cache.lastSegment[i][static_cast<std::size_t>(station - kFirstStoredStation)]
            : nullptr;
    const int upper = segmentEnd(curve, w, offCurve, cache.sorted[i], hint);
    return upper < 0 ? CurveSegmentLine{} : cache.lines[i][static_cast<std::size_t>(upper)];
}

void linearizeCurves(StationData& st, int n, const StationArray<double>& w,
                     StationArray<double>& qWork, StationArray<double>& sWork, bool& offCurve,
                     const CurveTableCache* cache) {
    const int count = std::clamp(st.curveCount, 0, kMaxCurves);
    // Each curve is evaluated at every station of its range: its segments are prepared once.
    std::unique_ptr<CurveTableCache> own;
    if (!cache) {
        own = std::make_unique<CurveTableCache>();
        prepareCurves(st, *own);
        cache = own.get();
    }
    GroupApplier applier(st, n, w, qWork, sWork, offCurve, *cache);
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
