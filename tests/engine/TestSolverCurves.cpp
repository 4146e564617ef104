// Soil resistance curves: the segment used at a deflection, the off-curve flag, the groups of the
// curve table with their interpolation and half values, a lone continuing curve, and a nonlinear
// wall that converges on its curves.

#include "CurveLinearisation.h"
#include "EngineErrors.h"
#include "SolverTestWall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

using namespace solvertest;

namespace {

Curve curveOf(const std::vector<std::pair<double, double>>& pts) {
    Curve c;
    c.pointCount = static_cast<int>(pts.size());
    for (std::size_t i = 0; i < pts.size(); ++i) {
        c.w[i] = pts[i].first;
        c.qc[i] = pts[i].second;
    }
    return c;
}

// A linear spring of stiffness k as a curve: (-1, k), (1, -k).
std::vector<std::pair<double, double>> spring(double k) {
    return {{-1.0, k}, {1.0, -k}};
}

} // namespace

TEST(SolverCurves, BisectionOfSortedCurvesFindsTheSegmentOfTheWalk) {
    // Repeated deflections, a vertical segment, deflections on, between, below and above the
    // points and NaN: the bisection of a sorted curve gives the walk's segment every time.
    const Curve c =
        curveOf({{-3, 9}, {-1, 2}, {-1, 1}, {0, 0}, {0.5, -0.1}, {0.5, -0.3}, {2, -4}, {7, -5}});
    ASSERT_TRUE(curveIsSorted(c));
    for (double w :
         {-4.0, -3.0, -2.0, -1.0, -0.5, 0.0, 0.25, 0.5, 1.0, 2.0, 6.9, 7.0, 8.0, std::nan("")}) {
        bool offWalk = false, offBisect = false;
        const CurveSegmentLine walk = evaluateCurve(c, w, offWalk);
        const CurveSegmentLine bisect = evaluateCurve(c, w, offBisect, true);
        EXPECT_EQ(std::isnan(walk.spring), std::isnan(bisect.spring)) << w;
        if (!std::isnan(walk.spring)) {
            EXPECT_EQ(walk.spring, bisect.spring) << w;
            EXPECT_EQ(walk.load, bisect.load) << w;
        }
        EXPECT_EQ(offWalk, offBisect) << w;
    }
    // The prepared table gives the same lines, for the sorted curve and one that turns back.
    auto st = std::make_unique<StationData>();
    st->curveCount = 2;
    st->curves[0] = c;
    st->curves[1] = curveOf({{0, 0}, {2, -1}, {1, -2}, {3, -2.5}});
    auto cache = std::make_unique<CurveTableCache>();
    prepareCurves(*st, *cache);
    EXPECT_TRUE(cache->sorted[0]);
    EXPECT_FALSE(cache->sorted[1]);
    for (int k = 0; k < 2; ++k) {
        for (double w : {-4.0, -1.0, 0.0, 0.5, 1.5, 2.0, 2.5, 9.0}) {
            bool offPlain = false, offCached = false;
            const CurveSegmentLine plain = evaluateCurve(st->curves[k], w, offPlain);
            // Twice at one station: the second time from the memo of the first.
            evaluateCurve(st->curves[k], k, 5, w > 0 ? -w : 1.0, offCached, *cache);
            offCached = false;
            const CurveSegmentLine cached =
                evaluateCurve(st->curves[k], k, 5, w, offCached, *cache);
            EXPECT_EQ(plain.spring, cached.spring) << k << " " << w;
            EXPECT_EQ(plain.load, cached.load) << k << " " << w;
            EXPECT_EQ(offPlain, offCached) << k << " " << w;
        }
    }
    // A curve that turns back, or holds NaN, is walked.
    EXPECT_FALSE(curveIsSorted(curveOf({{0, 0}, {2, -1}, {1, -2}})));
    EXPECT_FALSE(curveIsSorted(curveOf({{0, 0}, {std::nan(""), -1}, {1, -2}})));
}

TEST(SolverCurves, SegmentOfADeflection) {
    // Resistance -w|w| sampled at -2 .. 2.
    const Curve c = curveOf({{-2, 4}, {-1, 1}, {0, 0}, {1, -1}, {2, -4}});
    bool off = false;
    // Exactly on point 4: the segment from point 3 to point 4 (spring 1, load 0), not the next.
    CurveSegmentLine l = evaluateCurve(c, 1.0, off);
    EXPECT_DOUBLE_EQ(l.spring, 1.0);
    EXPECT_DOUBLE_EQ(l.load, 0.0);
    EXPECT_FALSE(off);
    // Inside a segment: 1.5 lies on point 4 .. 5: spring 3, load 3*1 - 1 = 2.
    l = evaluateCurve(c, 1.5, off);
    EXPECT_DOUBLE_EQ(l.spring, 3.0);
    EXPECT_DOUBLE_EQ(l.load, 2.0);
    EXPECT_FALSE(off);
    // On the first point: the first segment, on the curve.
    l = evaluateCurve(c, -2.0, off);
    EXPECT_DOUBLE_EQ(l.spring, 3.0);
    EXPECT_DOUBLE_EQ(l.load, -2.0);
    EXPECT_FALSE(off);
    // Beyond either end: the end segment, off the curve.
    l = evaluateCurve(c, -3.0, off);
    EXPECT_DOUBLE_EQ(l.spring, 3.0);
    EXPECT_TRUE(off);
    off = false;
    l = evaluateCurve(c, 2.5, off);
    EXPECT_DOUBLE_EQ(l.spring, 3.0);
    EXPECT_DOUBLE_EQ(l.load, 2.0);
    EXPECT_TRUE(off);

    // A two-point curve is off-curve whatever the deflection, even between its points.
    const Curve two = curveOf({{-1, 5}, {1, -5}});
    for (double w : {-2.0, -1.0, 0.0, 0.5, 1.0, 3.0}) {
        off = false;
        l = evaluateCurve(two, w, off);
        EXPECT_TRUE(off) << w;
        EXPECT_DOUBLE_EQ(l.spring, 5.0);
        EXPECT_DOUBLE_EQ(l.load, 0.0);
    }
    // Degenerate curves give nothing and never read outside their points.
    off = false;
    l = evaluateCurve(curveOf({{0, 1}}), 0.0, off);
    EXPECT_TRUE(off);
    EXPECT_EQ(l.spring, 0.0);
    Curve tooMany = curveOf({{0, 0}, {0, 7}, {1, 0}});
    off = false;
    l = evaluateCurve(tooMany, 0.0, off); // vertical segment
    EXPECT_EQ(l.spring, 0.0);
    EXPECT_EQ(l.load, 0.0);
    tooMany.pointCount = 1000;
    l = evaluateCurve(tooMany, 5.0, off);
    EXPECT_TRUE(std::isfinite(l.spring));
}

TEST(SolverCurves, GroupsHalfValuesAndALoneContinuingCurve) {
    TestWall t(20, 10.0);
    StationData& st = t.st();
    st.Q.fill(0.0);
    // Group 2 .. 6 interpolated from spring 10 to spring 30, then a chain 10 - 12 - 14 whose
    // middle curve closes one range and opens the next, then a lone continuing curve at 17.
    t.addCurve(2, 1, spring(10.0));
    t.addCurve(6, 0, spring(30.0));
    t.addCurve(10, 1, spring(40.0));
    t.addCurve(12, 1, spring(40.0));
    t.addCurve(14, 0, spring(40.0));
    t.addCurve(17, 1, spring(8.0));
    StationArray<double> w, q, s;
    bool off = false;
    linearizeCurves(st, 20, w, q, s, off);
    EXPECT_DOUBLE_EQ(s[2], 5.0);  // half of 10 at the range's end
    EXPECT_DOUBLE_EQ(s[3], 15.0); // 10 + (30 - 10) / 4
    EXPECT_DOUBLE_EQ(s[4], 20.0);
    EXPECT_DOUBLE_EQ(s[6], 15.0); // half of 30
    EXPECT_DOUBLE_EQ(s[7], 0.0);
    EXPECT_DOUBLE_EQ(s[10], 20.0);
    EXPECT_DOUBLE_EQ(s[11], 40.0);
    EXPECT_DOUBLE_EQ(s[12], 40.0); // half from each range
    EXPECT_DOUBLE_EQ(s[14], 20.0);
    EXPECT_DOUBLE_EQ(s[17], 8.0); // applied alone, whole
    for (int k = 0; k < 21; ++k)
        EXPECT_EQ(q[k], 0.0);
    EXPECT_TRUE(off); // two-point curves

    // A second walk over the same table gives the same substitutes.
    StationArray<double> s2, q2;
    linearizeCurves(st, 20, w, q2, s2, off);
    for (int k = -3; k <= 23; ++k)
        EXPECT_EQ(s2[k], s[k]) << k;
}

TEST(SolverCurves, RangesCutAtTheToeAndRangesThatAreNotApplied) {
    TestWall t(20, 10.0);
    t.addCurve(18, 1, spring(10.0));
    t.addCurve(22, 0, spring(50.0)); // range 18 .. 22 cut at 20
    t.addCurve(21, 0, spring(99.0)); // alone below the toe: not applied
    StationArray<double> w, q, s;
    bool off = false;
    linearizeCurves(t.st(), 20, w, q, s, off);
    EXPECT_DOUBLE_EQ(s[18], 5.0);
    EXPECT_DOUBLE_EQ(s[19], 20.0);
    EXPECT_DOUBLE_EQ(s[20], 15.0); // half of 10 + 40 * 2/4
    EXPECT_DOUBLE_EQ(s[21], 0.0);
    EXPECT_DOUBLE_EQ(s[22], 0.0);

    // Two continuing curves at one station: a one-station range of two curves adds nothing.
    TestWall same(20, 10.0);
    same.addCurve(5, 1, spring(10.0));
    same.addCurve(5, 0, spring(10.0));
    StationArray<double> s3, q3;
    linearizeCurves(same.st(), 20, w, q3, s3, off);
    EXPECT_DOUBLE_EQ(s3[5], 0.0);

    // A range that runs backwards stops the problem.
    TestWall back(20, 10.0);
    back.addCurve(8, 1, spring(10.0));
    back.addCurve(4, 0, spring(10.0));
    StationArray<double> s4, q4;
    try {
        linearizeCurves(back.st(), 20, w, q4, s4, off);
        ADD_FAILURE() << "no stop";
    } catch (const ProblemStop& e) {
        EXPECT_EQ(e.reportText(), kStationsNotInOrder);
    }
}

namespace {

// Soil resistance -pu tanh(y / y0) per unit length sampled at 21 points, times h.
std::vector<std::pair<double, double>> softeningCurve(double pu, double y0, double h) {
    std::vector<std::pair<double, double>> pts;
    for (int i = -10; i <= 10; ++i) {
        const double y = 0.1 * i * 5.0 * y0; // -5 y0 .. 5 y0
        pts.push_back({y, -pu * std::tanh(y / y0) * h});
    }
    return pts;
}

double resistanceOn(const Curve& c, double y) {
    for (int i = 1; i < c.pointCount; ++i)
        if (c.w[i] >= y)
            return c.qc[i - 1] + (c.qc[i] - c.qc[i - 1]) * (y - c.w[i - 1]) / (c.w[i] - c.w[i - 1]);
    return NAN;
}

} // namespace

TEST(SolverCurves, NonlinearWallConvergesOnItsCurves) {
    const int n = 40;
    const double h = 12.0, load = 6000.0;
    TestWall t(n, h, 10.0, 1.0e-6);
    t.uniformStiffness(5.0e9);
    t.st().Q[0] = load;
    for (int s = 0; s <= n; ++s)
        t.addCurve(s, 0, softeningCurve(60.0, 0.4, h));
    const SolverOutcome o = t.solve();
    EXPECT_GT(o.iterations, 3);
    EXPECT_LT(o.iterations, 100);
    EXPECT_EQ(o.openCount, 0);
    EXPECT_EQ(o.exceedCount, 0);
    EXPECT_FALSE(o.offCurve);
    // Equilibrium on the real curves: the soil takes the load and its moment about the top.
    double force = 0.0, moment = 0.0;
    for (int s = 0; s <= n; ++s) {
        const double r = resistanceOn(t.st().curves[static_cast<std::size_t>(s)], t.w(s));
        force += r;
        moment += r * s * h;
    }
    EXPECT_NEAR(force, -load, 1e-3 * load);
    EXPECT_NEAR(moment, 0.0, 1e-3 * load * n * h);
    // The top deflects more than on the curves' initial stiffness alone (softening soil).
    TestWall linear(n, h);
    linear.uniformStiffness(5.0e9);
    linear.st().Q[0] = load;
    for (int s = 0; s <= n; ++s) {
        const Curve& c = t.st().curves[static_cast<std::size_t>(s)];
        linear.st().S[s] = -(c.qc[11] - c.qc[10]) / (c.w[11] - c.w[10]);
    }
    linear.solve();
    EXPECT_GT(t.w(0), linear.w(0) * 1.05);

    // The iteration limit stops a solution that has not closed and says so.
    TestWall capped(n, h, 10.0, 1.0e-6);
    capped.uniformStiffness(5.0e9);
    capped.st().Q[0] = load;
    for (int s = 0; s <= n; ++s)
        capped.addCurve(s, 0, softeningCurve(60.0, 0.4, h));
    const SolverOutcome c = capped.solve(3);
    EXPECT_EQ(c.iterations, 3);
    EXPECT_GT(c.openCount, 0);
}

TEST(SolverCurves, TheSegmentMemoGivesTheSubstitutesOfAFreshTable) {
    // One prepared table kept over many walks, as the iterations keep it, with deflections
    // moving over the segments, onto the points themselves, below the first point and to NaN:
    // every walk gives bit for bit the substitutes and the off-curve flag of a table prepared
    // afresh. Groups of sorted curves and an unsorted one, a range from above the stored
    // stations and one cut at the toe.
    TestWall t(30, 10.0);
    StationData& st = t.st();
    const std::vector<std::pair<double, double>> sorted = {
        {-2, 40}, {-1, 30}, {-0.5, 12}, {0, 0}, {0.25, -9}, {0.5, -14}, {1, -20}, {3, -24}};
    t.addCurve(-6, 1, sorted);
    t.addCurve(4, 1, {{-1, 5}, {0.5, -1}, {0.2, -2}, {2, -3}});
    t.addCurve(9, 0, sorted);
    t.addCurve(12, 1, {{-2, 10}, {0.5, 0}, {3, -10}});
    t.addCurve(20, 1, sorted);
    t.addCurve(34, 0, sorted);
    auto kept = std::make_unique<CurveTableCache>();
    prepareCurves(st, *kept);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> onCurves(-0.99, 1.99), step(-0.3, 0.3);
    StationArray<double> w;
    for (int walk = 0; walk < 60; ++walk) {
        for (int s = -3; s <= 33; ++s)
            w[s] = walk % 3 == 0 ? onCurves(rng) : std::clamp(w[s] + step(rng), -0.99, 1.99);
        if (walk % 4 == 1) { // on the points, and on both ends of a segment
            w[7] = 0.5;
            w[8] = -0.5;
            w[16] = 0.25;
            w[17] = 1.0;
        }
        if (walk % 10 == 5) w[15] = -1.5; // the first segment of a sorted curve
        if (walk % 10 == 6) w[15] = -2.5; // then below its first point: off the curve
        if (walk == 30) w[6] = std::nan("");
        StationArray<double> q, s, qFresh, sFresh;
        bool off = false, offFresh = false;
        linearizeCurves(st, 30, w, q, s, off, kept.get());
        linearizeCurves(st, 30, w, qFresh, sFresh, offFresh);
        EXPECT_EQ(offFresh, walk % 10 == 6) << walk;
        EXPECT_EQ(off, offFresh) << walk;
        for (int k = -3; k <= 33; ++k) {
            ASSERT_EQ(std::isnan(q[k]), std::isnan(qFresh[k])) << walk << " " << k;
            if (std::isnan(q[k])) continue;
            ASSERT_EQ(q[k], qFresh[k]) << walk << " " << k;
            ASSERT_EQ(s[k], sFresh[k]) << walk << " " << k;
        }
    }
}
