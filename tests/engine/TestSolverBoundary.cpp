// Specified deflections and slopes: the recursion holds them exactly and still satisfies the
// equations of every other station; a deflection and a slope at one station both hold whatever
// the order of their rows; restraints that cannot pair never break the solution.

#include "SolverTestWall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>

using namespace solvertest;

namespace {

constexpr int kN = 60;
constexpr double kH = 6.0;

std::unique_ptr<TestWall> loadedWall() {
    auto t = std::make_unique<TestWall>(kN, kH);
    t->uniformStiffness(1.0e9);
    t->uniformSprings(500.0);
    t->st().Q[0] = 2000.0;
    t->st().Q[25] = -700.0;
    return t;
}

// Every equation not given way to a restraint holds; around a slope the equations above and
// below the station hold as a sum (the couple that keeps the slope acts on both).
void expectEquationsHold(const TestWall& t, int m, bool deflection, bool slope,
                         int otherDeflection = -100) {
    for (int s = -1; s <= kN + 1; ++s) {
        if ((deflection && s == m) || s == otherDeflection) continue;
        if (slope && (s == m - 1 || s == m + 1)) continue;
        EXPECT_NEAR(t.residual(s), 0.0, 1e-9 * t.equationScale(s)) << "station " << s;
    }
    if (slope) {
        const double scale = std::max(t.equationScale(m - 1), t.equationScale(m + 1));
        EXPECT_NEAR(t.residual(m - 1) + t.residual(m + 1), 0.0, 1e-9 * scale);
    }
}

} // namespace

TEST(SolverBoundary, SpecifiedDeflectionIsExact) {
    auto t = loadedWall();
    t->restrainDeflection(30, 0.0123);
    t->solve();
    EXPECT_EQ(t->w(30), 0.0123);
    expectEquationsHold(*t, 30, true, false);
}

TEST(SolverBoundary, SpecifiedSlopeIsExact) {
    auto t = loadedWall();
    const double theta = -0.0021;
    t->restrainSlope(30, theta);
    t->solve();
    EXPECT_NEAR((t->w(31) - t->w(29)) / (2.0 * kH), theta, 1e-15);
    EXPECT_NEAR(t->results().slope[30], theta, 1e-15);
    expectEquationsHold(*t, 30, false, true);
}

TEST(SolverBoundary, DeflectionAndSlopeAtOneStationInEitherRowOrder) {
    const double delta = 0.05, theta = 0.004;
    auto both = loadedWall();
    both->restrainBoth(40, delta, theta);
    both->solve();
    EXPECT_EQ(both->w(40), delta);
    EXPECT_NEAR((both->w(41) - both->w(39)) / (2.0 * kH), theta, 1e-15);
    expectEquationsHold(*both, 40, true, true);

    auto deflectionFirst = loadedWall();
    deflectionFirst->restrainDeflection(40, delta);
    deflectionFirst->restrainSlope(40, theta);
    deflectionFirst->solve();
    auto slopeFirst = loadedWall();
    slopeFirst->restrainSlope(40, theta);
    slopeFirst->restrainDeflection(40, delta);
    slopeFirst->solve();
    for (int s = -1; s <= kN + 1; ++s) {
        EXPECT_DOUBLE_EQ(deflectionFirst->w(s), both->w(s)) << s;
        EXPECT_DOUBLE_EQ(slopeFirst->w(s), both->w(s)) << s;
    }
}

TEST(SolverBoundary, TwoRestraintsAndTheTopStation) {
    // A free-standing wall held only by restraints: deflection at the top, slope and deflection
    // further down; the slope row of station 0 reaches above the wall.
    TestWall t(kN, kH);
    t.uniformStiffness(1.0e9);
    t.st().Q[20] = 1500.0;
    t.restrainDeflection(0, 0.0);
    t.restrainBoth(kN, 0.0, 0.0);
    t.solve();
    EXPECT_EQ(t.w(0), 0.0);
    EXPECT_EQ(t.w(kN), 0.0);
    expectEquationsHold(t, kN, true, true, 0);

    // Slope rows whose first station another row has taken over, or that start above the
    // stations solved, leave their last station free: the solution stays finite.
    TestWall odd(kN, kH);
    odd.uniformStiffness(1.0e9);
    odd.uniformSprings(500.0);
    odd.st().Q[0] = 1000.0;
    odd.restrainSlope(-1, 0.01); // codes at -2 (never solved) and 0
    odd.restrainSlope(30, 0.01);
    odd.restrainDeflection(29, 0.0); // takes over the first station of the slope at 30
    odd.solve();
    for (int s = -1; s <= kN + 1; ++s)
        EXPECT_TRUE(std::isfinite(odd.w(s))) << s;
    EXPECT_EQ(odd.w(29), 0.0);
}

TEST(SolverBoundary, ZeroPivotGivesZeroAndGoesOn) {
    // No stiffness, no springs: every pivot is zero, every deflection 0, nothing breaks.
    TestWall t(10, 12.0);
    t.st().Q[3] = 100.0;
    const SolverOutcome o = t.solve();
    for (int s = -1; s <= 11; ++s)
        EXPECT_EQ(t.w(s), 0.0);
    EXPECT_EQ(o.iterations, 1);
    EXPECT_EQ(o.exceedCount, 0);
}

TEST(SolverBoundary, ClosingStationOfASlopeFollowsTheRecursionAsWritten) {
    // The coefficients of the station that closes a specified slope, transcribed term by term,
    // products and quotients taken from left to right as the recursion writes them:
    //   G = 1/(1 - (B3 B(s-1) + A3 - 1) k / k3)
    //   A(s) = G A(s),  B(s) = G (B3 A(s-1) k / k3 + B(s)),
    //   C(s) = G ((2h theta + C3 + B3 C(s-1)) k / k3 + C(s)).
    // Checked bit for bit at slopes on walls of varied stiffness, springs and loads.
    int compared = 0;
    for (int m = 5; m <= 50; m += 5) {
        TestWall t(kN, kH);
        for (int s = 0; s <= kN; ++s) {
            t.st().F[s] = 1.0e9 * (1.0 + 0.37 * std::sin(0.3 * s + m));
            t.st().S[s] = 3000.0 * (1.0 + 0.5 * std::cos(0.2 * s));
            t.st().Q[s] = 100.0 * std::sin(0.7 * s + 0.1 * m);
        }
        const double theta = -0.0013 * m / 7.0;
        t.restrainSlope(m, theta);
        t.solve(1);

        const SolverWork& w = t.work();
        double A[kN + 8] = {}, B[kN + 8] = {}, C[kN + 8] = {};
        const auto at = [](int s) { return static_cast<std::size_t>(s + 3); };
        double k3 = 0.0, A3 = 0.0, B3 = 0.0, C3 = 0.0;
        for (int s = -1; s <= m + 1; ++s) {
            const FiveTermEquation eq = equationAt(t.st(), w.qWork, w.sWork, kH, s);
            const double g = eq.a * B[at(s - 2)] + eq.b;
            const double pivot = eq.a * A[at(s - 2)] + g * B[at(s - 1)] + eq.c;
            const double k = -1.0 / pivot;
            A[at(s)] = eq.e * k;
            B[at(s)] = (g * A[at(s - 1)] + eq.d) * k;
            C[at(s)] = (g * C[at(s - 1)] + eq.a * C[at(s - 2)] - eq.f) * k;
            if (s == m - 1) {
                k3 = k, A3 = A[at(s)], B3 = B[at(s)], C3 = C[at(s)];
                A[at(s)] = 1.0, B[at(s)] = 0.0, C[at(s)] = -(2.0 * kH) * theta;
            } else if (s == m + 1) {
                const double G = 1.0 / (1.0 - (B3 * B[at(s - 1)] + A3 - 1.0) * k / k3);
                A[at(s)] = G * A[at(s)];
                B[at(s)] = G * (B3 * A[at(s - 1)] * k / k3 + B[at(s)]);
                C[at(s)] = G * (((2.0 * kH) * theta + C3 + B3 * C[at(s - 1)]) * k / k3 + C[at(s)]);
            }
        }
        EXPECT_EQ(w.A[m + 1], A[at(m + 1)]) << "slope at " << m;
        EXPECT_EQ(w.B[m + 1], B[at(m + 1)]) << "slope at " << m;
        EXPECT_EQ(w.C[m + 1], C[at(m + 1)]) << "slope at " << m;
        ++compared;
    }
    EXPECT_EQ(compared, 10);
}

TEST(SolverBoundary, PreparedEquationTermsGiveTheSameEquationsBitForBit) {
    // Stiffness, axial load, rotational restraint and couples that vary along the wall, with
    // springs and loads of an iteration: every coefficient of every station is the same double.
    TestWall t(30, 7.3);
    for (int s = -3; s <= 33; ++s) {
        t.st().F[s] = 1.0e9 + 3.7e7 * s;
        t.st().P[s] = s % 3 == 0 ? -1234.5 : 0.0;
        t.st().R[s] = s % 4 == 0 ? 1.1e6 : 0.0;
        t.st().T[s] = s == 12 ? 5.0e4 : 0.0;
        t.work().sWork[s] = 10.0 + 0.37 * s;
        t.work().qWork[s] = s % 5 == 0 ? 321.0 : -0.1 * s;
    }
    auto terms = std::make_unique<FixedEquationTerms>();
    prepareEquationTerms(t.st(), t.h(), 30, *terms);
    for (int s = -1; s <= 31; ++s) {
        const FiveTermEquation direct =
            equationAt(t.st(), t.work().qWork, t.work().sWork, t.h(), s);
        const FiveTermEquation prepared =
            equationAt(*terms, t.work().qWork, t.work().sWork, t.h(), s);
        for (auto [x, y] : {std::pair{direct.a, prepared.a},
                            {direct.b, prepared.b},
                            {direct.c, prepared.c},
                            {direct.d, prepared.d},
                            {direct.e, prepared.e},
                            {direct.f, prepared.f}})
            EXPECT_EQ(x, y) << s;
    }
}
