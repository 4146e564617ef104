#pragma once
// Linear substitutes of the soil resistance curves at the current deflections.

#include "StationData.h"

#include <array>
#include <cstdint>

namespace tervane {

// The segment of a curve that holds a deflection, as a spring and a load: on the segment the
// resistance is load - spring * w.
struct CurveSegmentLine {
    double spring = 0.0; // S_c = -(Q2 - Q1)/(W2 - W1), F/L
    double load = 0.0;   // Q0 = S_c W1 + Q1, F
};

// Curves with fewer points than this lie off-curve whatever the deflection.
inline constexpr int kMinPointsOnCurve = 3;

// The segment of `curve` used at deflection w: the first point i >= 2 with W(i) >= w ends it
// (a deflection exactly on a point uses the segment ending there). Below the first point the
// first segment, above the last point (or on a curve of fewer than 3 points) the last segment is
// used and `offCurve` is set. A curve with fewer than 2 points gives no resistance and is
// off-curve.
// `sorted` tells that the curve's deflections never decrease (curveIsSorted): the segment is then
// found by bisection, with the same result as the walk along the points that any curve takes.
CurveSegmentLine evaluateCurve(const Curve& curve, double w, bool& offCurve, bool sorted = false);

// True when the deflections of the curve's points never decrease (and hold no NaN).
bool curveIsSorted(const Curve& curve);

// What the iterations evaluate on every curve of the table, found once while its points stay
// as they are: whether the points may be bisected, and each segment's spring and load (the
// segment ending at point i in lines[curve][i]).
struct CurveTableCache {
    std::array<bool, kMaxCurves> sorted{};
    std::array<std::array<CurveSegmentLine, kMaxCurvePoints>, kMaxCurves> lines{};
    // A memo, not state: the segment last found for each curve and station (0: none yet). The
    // deflections move little from one iteration to the next, so it is tried first and kept
    // only when it is the segment the search would find.
    mutable std::array<std::array<std::uint8_t, kStationStore>, kMaxCurves> lastSegment{};
};
void prepareCurves(const StationData& st, CurveTableCache& cache);

// evaluateCurve of curve `index` of the prepared table at station `station`: the same line,
// taken from the cache.
CurveSegmentLine evaluateCurve(const Curve& curve, int index, int station, double w, bool& offCurve,
                               const CurveTableCache& cache);

// Walks the curve table and adds the curves' substitutes at the deflections w to Q' (qWork) and
// S' (sWork). Curves form groups: a curve after one with continuation flag 0 opens a group; a
// curve with flag 0, or after one with flag 1, closes it and the group is applied over the
// stations from its first curve's first station to the closing curve's last station, the two
// curves' values interpolated linearly along the range (cut at station N, half values at the two
// ends of a longer range). A closing curve with flag 1 has its first station set to its last and
// opens the next group. The last curve, when it opens a group that nothing closes, is applied
// alone at its station. Throws ProblemStop when a range runs backwards. `cache`, when given,
// holds the table prepared by prepareCurves (once per solution by the solver); without it each
// call prepares it.
void linearizeCurves(StationData& st, int n, const StationArray<double>& w,
                     StationArray<double>& qWork, StationArray<double>& sWork, bool& offCurve,
                     const CurveTableCache* cache = nullptr);

} // namespace tervane
