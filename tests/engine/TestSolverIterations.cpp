// The iteration driver: closure at iteration 2 for a linear wall and at 1 for an unloaded one,
// the exceed stop, the monitor lines in the run notes, the moment-stiffness iteration and the
// absence of any allocation inside the iterations.

#include "MomentStiffness.h"
#include "SolverTestWall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace solvertest;

namespace {

// Stations that stand apart: no stiffness, a unit spring everywhere, so w(s) = Q(s) exactly.
std::unique_ptr<TestWall> springsOnly(double maxDeflection = 1.0e9) {
    auto t = std::make_unique<TestWall>(10, 1.0, maxDeflection, 1.0e-5);
    for (int s = -1; s <= 11; ++s)
        t->st().S[s] = 1.0;
    for (int s = 0; s <= 10; ++s)
        t->st().Q[s] = 0.001 * s;
    t->st().Q[3] = -0.003;
    return t;
}

} // namespace

TEST(SolverIterations, MonitorLinesAndClosureAtIterationTwo) {
    auto t = springsOnly();
    const SolverOutcome o = t->solve();
    EXPECT_EQ(o.iterations, 2);
    EXPECT_EQ(o.openCount, 0);
    EXPECT_EQ(o.exceedCount, 0);
    EXPECT_FALSE(o.offCurve);
    const std::vector<std::string> expected = {
        "",
        "",
        "",
        "     ITERATION MONITOR DATA",
        "     ----------------------",
        "      1       NO         10   0.100E-02 0.200E-02-0.300E-02 0.400E-02 0.500E-02",
        "      2       NO          0   0.100E-02 0.200E-02-0.300E-02 0.400E-02 0.500E-02",
    };
    EXPECT_EQ(t->notesLines(), expected);

    // A two-point curve at station 8 sets the off-curve flag in every iteration.
    auto off = springsOnly();
    off->addCurve(8, 0, {{-1.0, 1.0}, {1.0, -1.0}});
    const SolverOutcome oo = off->solve();
    EXPECT_TRUE(oo.offCurve);
    EXPECT_EQ(oo.iterations, 2);
    EXPECT_DOUBLE_EQ(off->w(8), 0.004); // spring 1 + curve 1
    const auto lines = off->notesLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5].substr(0, 30), "      1       YES        10   ");
    EXPECT_EQ(lines[6].substr(0, 30), "      2       YES         0   ");
}

TEST(SolverIterations, UnloadedWallClosesAtIterationOne) {
    TestWall t(30, 6.0);
    t.uniformStiffness(1.0e9);
    t.uniformSprings(100.0);
    const SolverOutcome o = t.solve();
    EXPECT_EQ(o.iterations, 1);
    EXPECT_EQ(o.openCount, 0);
    for (int s = -1; s <= 31; ++s)
        EXPECT_EQ(t.w(s), 0.0);
    const auto lines = t.notesLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5], "      1       NO          0   0.000E+00 0.000E+00 0.000E+00 0.000E+00 "
                        "0.000E+00");
}

TEST(SolverIterations, ExceedStopInIterationOne) {
    // Stations 4 .. 10 deflect more than 0.0035: the solution stops with iteration 1's results.
    auto t = springsOnly(0.0035);
    const SolverOutcome o = t->solve();
    EXPECT_EQ(o.iterations, 1);
    EXPECT_EQ(o.exceedCount, 7);
    EXPECT_EQ(o.openCount, 10);
    EXPECT_DOUBLE_EQ(t->results().deflection[10], 0.01);
    EXPECT_EQ(t->notesLines().size(), 6u);
}

TEST(SolverIterations, MomentStiffnessUpdateByHand) {
    // One set on station 5 only; points (M, EI) = (0, 1000), (100, 1000), (300, 500); h = 1.
    TestWall t(10, 1.0);
    StationData& st = t.st();
    st.F.fill(7.0);
    st.momentEICount = 1;
    MomentEISet& set = st.momentEI[0];
    set.firstStation = 5;
    set.lastStation = 5;
    set.pointCount = 3;
    set.moment[0] = 0.0, set.moment[1] = 100.0, set.moment[2] = 300.0;
    set.ei[0] = 1000.0, set.ei[1] = 1000.0, set.ei[2] = 500.0;
    StationArray<double> w;
    // Curvature 0.2: beyond point 2 (100 < 200), so on the last segment:
    // t = (100 - 200)/((500 - 1000) 0.2 - 300 + 100) = 1/3, EI = 1000 - 500/3.
    w[6] = 0.2;
    updateStiffness(st, 10, 1.0, w);
    EXPECT_DOUBLE_EQ(st.F[5], 1000.0 - 500.0 / 3.0);
    EXPECT_EQ(st.F[4], 7.0); // station j is station j
    EXPECT_EQ(st.F[6], 7.0);
    // Curvature -0.05 (its magnitude counts): on the first segment, EI 1000.
    w[6] = -0.05;
    updateStiffness(st, 10, 1.0, w);
    EXPECT_DOUBLE_EQ(st.F[5], 1000.0);
    // A set that reaches beyond the wall changes only the wall's stations.
    set.firstStation = -3;
    set.lastStation = 13;
    w.fill(0.0);
    updateStiffness(st, 10, 1.0, w);
    for (int s = 0; s <= 10; ++s)
        EXPECT_DOUBLE_EQ(st.F[s], 1000.0) << s;
    EXPECT_EQ(st.F[-1], 7.0);
    EXPECT_EQ(st.F[11], 7.0);
}

TEST(SolverIterations, CrackingCantileverIteratesOnItsStiffness) {
    // Cantilever clamped at station N, load at the top; the section loses half its stiffness
    // between moments 40 000 and 80 000 (bilinear moment-stiffness relation on stations 1 .. N-1).
    const int n = 40;
    const double length = 120.0, load = 1000.0, ei = 1.0e9;
    TestWall t(n, length / n, 1.0e3, 1.0e-7);
    t.uniformStiffness(ei);
    t.st().Q[0] = load;
    t.restrainBoth(n, 0.0, 0.0);
    StationData& st = t.st();
    st.momentEICount = 1;
    MomentEISet& set = st.momentEI[0];
    set.firstStation = 1;
    set.lastStation = n - 1;
    set.pointCount = 4;
    const double m[] = {0.0, 40000.0, 80000.0, 1.0e6};
    const double e[] = {ei, ei, 0.5 * ei, 0.5 * ei};
    for (int i = 0; i < 4; ++i)
        set.moment[i] = m[i], set.ei[i] = e[i];
    const SolverOutcome o = t.solve();
    EXPECT_GT(o.iterations, 3);
    EXPECT_LT(o.iterations, 100);
    EXPECT_EQ(o.openCount, 0);
    const StationResults& r = t.results();
    // Where the moment P x stays below 40 000 the stiffness is untouched; above 80 000 it is
    // half; in between each station sits on the relation at its own moment.
    for (int s = 1; s < n; ++s) {
        const double moment = load * s * t.h();
        EXPECT_NEAR(r.moment[s], moment, 1e-6 * moment) << s;
        if (moment < 40000.0)
            EXPECT_DOUBLE_EQ(st.F[s], ei) << s;
        else if (moment > 80000.0)
            EXPECT_DOUBLE_EQ(st.F[s], 0.5 * ei) << s;
        else
            EXPECT_NEAR(st.F[s], ei * (1.0 - 0.5 * (moment - 40000.0) / 40000.0), 1e-3 * ei) << s;
    }
    EXPECT_EQ(st.F[0], 0.5 * ei);
    EXPECT_EQ(st.F[n], 0.5 * ei);
    // The softer wall deflects more than the elastic one (0.576 in).
    EXPECT_GT(t.w(0), 0.6);
}

TEST(SolverIterations, TheRecursionDependsOnItsEquationsAlone) {
    // An iteration whose loads and springs repeat the last solution's keeps that solution
    // instead of solving again; that holds only if the recursion keeps nothing from an earlier
    // call. Solved twice on the same equations, with every working array and the slope state
    // scribbled over in between, a wall with a slope and a deflection restraint comes out the
    // same bit for bit.
    TestWall t(40, 6.0);
    t.uniformStiffness(2.9e10);
    t.uniformSprings(150.0);
    t.restrainBoth(0, 0.25, -0.002);
    t.restrainSlope(20, 0.001);
    t.restrainDeflection(40, 0.0);
    for (int s = 0; s <= 40; ++s)
        t.st().Q[s] = 40.0 * std::sin(0.3 * s);
    SolverWork& work = t.work();
    prepareEquationTerms(t.st(), t.h(), t.n(), work.equations);
    work.qWork = t.st().Q;
    work.sWork = t.st().S;
    solveRecursion(t.st(), t.wall, work);
    const StationArray<double> first = work.w;
    for (StationArray<double>* a : {&work.A, &work.B, &work.C, &work.w})
        a->fill(std::nan(""));
    work.slopeOpen = true;
    work.slopeOpenStation = 19;
    work.k3 = work.A3 = work.B3 = work.C3 = 7.0;
    solveRecursion(t.st(), t.wall, work);
    for (int s = -1; s <= t.n() + 1; ++s)
        ASSERT_EQ(std::memcmp(&work.w[s], &first[s], sizeof(double)), 0) << "station " << s;
    EXPECT_NE(first[10], 0.0);
}
