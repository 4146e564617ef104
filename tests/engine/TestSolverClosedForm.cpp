// The solver against closed-form beam solutions: a cantilever clamped at its toe and a long wall
// on uniform springs, each loaded at its free top; their convergence with the increment length;
// equilibrium of the results, with and without a concentrated couple.

#include "SolverTestWall.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace solvertest;

namespace {

constexpr double kEI = 1.0e9;  // lb-in^2
constexpr double kLoad = 1000; // lb

// Cantilever of length L, clamped at station N by a deflection and a slope of 0 (one row of
// case 3, or a deflection row and a slope row), load P at the top.
double cantileverTip(int n, double length, bool twoRows, TestWall** keep = nullptr) {
    static std::unique_ptr<TestWall> last;
    last = std::make_unique<TestWall>(n, length / n);
    TestWall& t = *last;
    t.uniformStiffness(kEI);
    t.st().Q[0] = kLoad;
    if (twoRows) {
        t.restrainSlope(n, 0.0);
        t.restrainDeflection(n, 0.0);
    } else {
        t.restrainBoth(n, 0.0, 0.0);
    }
    t.solve();
    if (keep) *keep = &t;
    return t.w(0);
}

} // namespace

TEST(SolverClosedForm, CantileverTipConvergesAtSecondOrder) {
    const double length = 120.0;
    const double exact = kLoad * length * length * length / (3.0 * kEI); // P L^3 / 3EI
    double previousError = 0.0;
    for (int n : {10, 20, 40, 80, 160}) {
        const double h = length / n;
        const double tip = cantileverTip(n, length, false);
        // The difference equations reproduce the cubic exactly but for the clamp, whose
        // second difference sees the half stiffness of the end station: the tip carries
        // P L h^2 / 6EI more than the beam, an error of (h/L)^2 / 2 relative.
        EXPECT_NEAR(tip, exact + kLoad * length * h * h / (6.0 * kEI), 1e-12 * exact) << n;
        const double error = tip - exact;
        EXPECT_GT(error, 0.0);
        EXPECT_LT(error / exact, 0.5 * (h / length) * (h / length) * 1.0000001);
        if (previousError > 0.0) {
            const double order = std::log2(previousError / error);
            EXPECT_NEAR(order, 2.0, 1e-6) << n;
        }
        previousError = error;
    }
}

TEST(SolverClosedForm, CantileverMomentShearAndBothRowOrders) {
    const int n = 40;
    const double length = 120.0, h = length / n;
    TestWall* t = nullptr;
    const double tipOneRow = cantileverTip(n, length, false, &t);
    const StationResults& r = t->results();
    EXPECT_EQ(t->outcome.iterations, 2);
    // Moment P x along the wall, shear P; half values where the load and the clamp sit.
    for (int s = 1; s < n; ++s) {
        EXPECT_NEAR(r.moment[s], kLoad * s * h, 1e-7 * kLoad * length) << s;
        EXPECT_NEAR(r.x[s], s * h, 1e-12);
    }
    for (int s = 1; s < n - 1; ++s)
        EXPECT_NEAR(r.shear[s], kLoad, 1e-6 * kLoad) << s;
    EXPECT_NEAR(r.shear[0], 0.5 * kLoad, 1e-6 * kLoad);
    EXPECT_NEAR(r.moment[0], 0.0, 1e-7 * kLoad * length);
    EXPECT_NEAR(r.moment[n], 0.5 * kLoad * length, 1e-7 * kLoad * length);
    EXPECT_EQ(r.deflection[n], 0.0);
    EXPECT_NEAR(r.slope[n], 0.0, 1e-15);
    // The clamp's reactions balance the load.
    double sum = 0.0;
    for (int s = -1; s <= n + 1; ++s)
        sum += r.reaction[s];
    EXPECT_NEAR(sum, 0.0, 1e-6 * kLoad);
    EXPECT_NEAR(r.reaction[0], kLoad, 1e-6 * kLoad);

    // A deflection row and a slope row at the clamp, in either order, hold the same as one row
    // of both.
    const double tipTwoRows = cantileverTip(n, length, true);
    EXPECT_DOUBLE_EQ(tipTwoRows, tipOneRow);
}

namespace {

struct SpringWall {
    std::unique_ptr<TestWall> t;
    double beta = 0.0;
};

// A long wall on springs of k per unit length, load P at its free top.
SpringWall springWall(int n, double length, double k) {
    SpringWall sw;
    sw.t = std::make_unique<TestWall>(n, length / n);
    sw.t->uniformStiffness(kEI);
    sw.t->uniformSprings(k);
    sw.t->st().Q[0] = kLoad;
    sw.t->solve();
    sw.beta = std::pow(k / (4.0 * kEI), 0.25);
    return sw;
}

} // namespace

TEST(SolverClosedForm, LongWallOnSpringsTopDeflection) {
    const double k = 1000.0;   // lb/in per in of wall
    const double length = 600; // beta L = 13.4: the toe does not feel the load
    const double beta = std::pow(k / (4.0 * kEI), 0.25);
    const double exact = 2.0 * kLoad * beta / k; // 2 P beta / k
    double previousError = 0.0;
    for (int n : {50, 100, 200, 400}) {
        SpringWall sw = springWall(n, length, k);
        const double top = sw.t->w(0);
        const double error = std::fabs(top - exact);
        const double bh = beta * length / n;
        // Measured: the relative error is (beta h)^2 / 4 to within a percent.
        EXPECT_NEAR(error / exact, 0.25 * bh * bh, 0.01 * 0.25 * bh * bh) << n;
        if (previousError > 0.0) {
            EXPECT_NEAR(std::log2(previousError / error), 2.0, 0.02) << n;
        }
        previousError = error;
        EXPECT_EQ(sw.t->outcome.iterations, 2);
        EXPECT_EQ(sw.t->outcome.openCount, 0);
    }
}

TEST(SolverClosedForm, EquilibriumOfNetReactionsAndLoads) {
    const int n = 120;
    SpringWall sw = springWall(n, 600.0, 1000.0);
    TestWall& t = *sw.t;
    t.st().Q[37] = -400.0; // a second load inside the wall
    t.solve();
    const StationResults& r = t.results();
    double springForce = 0.0, springMoment = 0.0, netSum = 0.0, loadMoment = 0.0;
    for (int s = -1; s <= n + 1; ++s) {
        const double spring = t.st().S[s] * t.w(s);
        // The net reaction of a station is its load less its spring force.
        EXPECT_NEAR(r.reaction[s], t.st().Q[s] - spring, 1e-9 * kLoad) << s;
        springForce += spring;
        springMoment += spring * r.x[s];
        loadMoment += t.st().Q[s] * r.x[s];
        netSum += r.reaction[s];
    }
    EXPECT_NEAR(springForce, kLoad - 400.0, 1e-9 * kLoad);
    EXPECT_NEAR(springMoment, loadMoment, 1e-9 * kLoad * 600.0);
    EXPECT_NEAR(netSum, 0.0, 1e-9 * kLoad);
    for (int s = -1; s <= n + 1; ++s) {
        EXPECT_TRUE(std::isfinite(r.moment[s]) && std::isfinite(r.shear[s]) &&
                    std::isfinite(r.slope[s]));
        EXPECT_EQ(r.stiffness[s], t.st().F[s]);
    }
}

TEST(SolverClosedForm, ConcentratedCoupleCorrections) {
    const int n = 120, sc = 60;
    const double couple = 5.0e4; // lb-in
    TestWall t(n, 600.0 / n);
    t.uniformStiffness(kEI);
    t.uniformSprings(1000.0);
    t.st().T[sc] = couple;
    t.st().coupleCount = 1;
    t.st().couples[0] = {sc, couple};
    t.solve();
    const StationResults& r = t.results();
    const double tForce = couple / (2.0 * t.h());
    double springForce = 0.0, springMoment = 0.0;
    for (int s = -1; s <= n + 1; ++s) {
        const double spring = t.st().S[s] * t.w(s);
        // With the couple's two forces taken out, the net reaction is the springs' alone.
        EXPECT_NEAR(r.reaction[s], -spring, 1e-9 * tForce) << s;
        springForce += spring;
        springMoment += spring * r.x[s];
    }
    EXPECT_NEAR(springForce, 0.0, 1e-9 * tForce);
    EXPECT_NEAR(springMoment, -couple, 1e-9 * couple);
    // The moment jumps by the couple at sc; the corrected shear runs on smoothly through it.
    EXPECT_NEAR(r.moment[sc + 1] - r.moment[sc - 1], couple, 0.15 * couple);
    const double smooth = 0.5 * (r.shear[sc - 1] + r.shear[sc + 1]);
    EXPECT_NEAR(r.shear[sc], smooth, 0.01 * tForce);
    EXPECT_NEAR(r.shear[sc - 1], 0.5 * (r.shear[sc - 2] + r.shear[sc]), 0.01 * tForce);
    EXPECT_NEAR(r.shear[sc + 1], 0.5 * (r.shear[sc] + r.shear[sc + 2]), 0.01 * tForce);
}
