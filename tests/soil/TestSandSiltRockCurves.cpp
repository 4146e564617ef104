// Sand, silt and rock p-y curves checked against hand calculations.

#include "EngineErrors.h"
#include "soil/CurveTables.h"
#include "soil/PYCurve.h"
#include "soil/SandResistance.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tervane;

namespace {

const double kDegree = static_cast<double>(3.1416f) / 180.0;

CurveSite sandSite() {
    CurveSite s;
    s.b = 24;
    s.phi = 30 * kDegree;
    s.gamma = 0.06;
    s.k = 100;
    s.z = 48;
    s.zr = 48;
    s.xs = 48;
    s.xw = 48;
    s.ratio = 2.5;
    return s;
}

void expectFinite(const PYCurve& r) {
    for (int i = 0; i < kCurvePointCount; ++i) {
        EXPECT_TRUE(std::isfinite(r.y[static_cast<std::size_t>(i)])) << i;
        EXPECT_TRUE(std::isfinite(r.p[static_cast<std::size_t>(i)])) << i;
    }
}

} // namespace

TEST(CurveTables, TabulatedAndInterpolatedValues) {
    EXPECT_DOUBLE_EQ(sandCoefficientA(2.0), 1.48);
    EXPECT_DOUBLE_EQ(sandCoefficientB(2.0), 1.05);
    EXPECT_NEAR(sandCoefficientA(3.5), 0.98, 1e-12);
    EXPECT_NEAR(sandCoefficientB(0.25), (2.14 + 1.83) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(sandCoefficientA(60.0), 0.88);
    EXPECT_DOUBLE_EQ(sandCoefficientB(60.0), 0.5);
    EXPECT_DOUBLE_EQ(stiffClayCoefficientAs(0.0), 0.223);
    EXPECT_NEAR(stiffClayCoefficientAs(0.5), (0.223 + 0.46) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(stiffClayCoefficientAs(7.0), 0.6);
}

TEST(SandCurve, HandCalculation) {
    const PYCurve r = sandCurve(sandSite());
    EXPECT_DOUBLE_EQ(r.coefA, 1.48);
    EXPECT_DOUBLE_EQ(r.coefB, 1.05);
    // Wedge and flow resistances with pi = 3.1416 (single precision).
    EXPECT_NEAR(r.wedge, 448.59689917200694, 1e-9);
    EXPECT_NEAR(r.flow, 1986.960310055291, 1e-9);
    EXPECT_NEAR(r.pu, 1.48 * 448.59689917200694, 1e-9);
    // ym = b/60 = 0.4 at point 13, yu = 3b/80 = 0.9 at point 14, then yu + b, 2b, 3b.
    EXPECT_NEAR(r.y[12], 0.4, 1e-15);
    EXPECT_DOUBLE_EQ(r.y[13], 0.9);
    EXPECT_DOUBLE_EQ(r.y[14], 24.9);
    EXPECT_DOUBLE_EQ(r.y[16], 72.9);
    // Elastic up to yk = 0.0495, parabola to ym, straight line to yu, then pu.
    const double expectedP[] = {0,           160,         261.8836558, 299.0881768, 328.648425,
                                353.5746511, 375.337888,  394.7802787, 412.4342427, 428.660293,
                                443.7151752, 457.7889589, 471.0267441, 663.9234108, 663.9234108,
                                663.9234108, 663.9234108};
    for (int i = 0; i < kCurvePointCount; ++i) {
        EXPECT_NEAR(r.p[static_cast<std::size_t>(i)], expectedP[i], 1e-6) << i;
    }
}

TEST(SandCurve, ContinuousWallUsesPassivePressureAtTheRealDepth) {
    CurveSite s = sandSite();
    s.ratio = 1.0;
    s.z = 300; // an equivalent depth must not enter the continuous-wall form
    const PYCurve r = sandCurve(s);
    const double phi = s.phi;
    const double delta = phi / 2;
    const double kp =
        std::pow(std::cos(phi), 2) /
        (std::cos(delta) *
         std::pow(1 - std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta)), 2));
    EXPECT_NEAR(r.pu, 1.48 * kp * 0.06 * 48 * 24, 1e-9);
}

TEST(SandCurve, NoResistanceGivesTheLimitingLineNotNaN) {
    CurveSite s = sandSite();
    s.gamma = 0.0; // ps = 0: pu = pm = 0, the parabola is undefined
    const PYCurve r = sandCurve(s);
    expectFinite(r);
    for (double p : r.p)
        EXPECT_EQ(p, 0.0);

    PYCurve flat;
    shapeSandCurve(flat, 100.0, 100.0, 24.0, 1000.0, 10.0); // pu = pm: elastic-plastic
    expectFinite(flat);
    EXPECT_NEAR(flat.p[1], 1000.0 * flat.y[1], 1e-12);
    EXPECT_EQ(flat.p[13], 100.0);
}

TEST(SiltCurve, WithoutCohesionItIsTheSandCurveAtZ) {
    CurveSite s = sandSite();
    s.c = 0.0;
    const PYCurve r = siltCurve(s);
    EXPECT_EQ(r.cohesionPart, 0.0);
    EXPECT_NEAR(r.pu, r.coefA * r.frictionPart, 1e-12);
    EXPECT_DOUBLE_EQ(r.coefA, 1.48);
    // The friction part uses pi = 4 atan 1: close to, not equal to, the sand's.
    EXPECT_NEAR(r.frictionPart, 448.59689917200694, 0.01);
    expectFinite(r);

    s.c = 10.0; // Np = 3 + 0.06*48/10 + 0.5*48/24 = 4.288: pc = c Np b
    const PYCurve coh = siltCurve(s);
    EXPECT_NEAR(coh.cohesionPart, 10 * 4.288 * 24, 1e-9);
    EXPECT_NEAR(coh.pu, 1.48 * coh.frictionPart + coh.cohesionPart, 1e-9);
    EXPECT_GT(coh.p[12], r.p[12]);
}

TEST(SiltCurve, ZeroFrictionIsAFatalStopWithTheConsoleWarning) {
    CurveSite s = sandSite();
    s.phi = 0.0;
    try {
        siltCurve(s);
        FAIL() << "no stop";
    } catch (const FatalStop& stop) {
        EXPECT_EQ(stop.stopCode(), 0);
        EXPECT_EQ(stop.message(), "\n\n       WARNING-------The Angle of the slope can not\n"
                                  "                     be greater than the internal  \n"
                                  "                     friction angle of the sand.   \n");
    }
}

TEST(StrongRockCurve, HandCalculation) {
    CurveSite s;
    s.b = 24;
    s.c = 1000; // qu
    s.gamma = 0.09;
    s.xs = 100;
    const PYCurve r = strongRockCurve(s, 1);
    EXPECT_EQ(r.rockC, 500.0);
    EXPECT_EQ(r.pu, 12000.0);
    // Es = 1e6, y1 = 0.0096, p1 = 9600, y2 = 2400/50000 + 0.0096 = 0.0576, dy = y2/15.
    EXPECT_NEAR(r.y[1], 0.00384, 1e-15);
    EXPECT_NEAR(r.p[1], 3840.0, 1e-9);
    EXPECT_NEAR(r.p[2], 7680.0, 1e-9);
    EXPECT_NEAR(r.p[3], 9600.0 + 50000.0 * (0.01152 - 0.0096), 1e-9);
    EXPECT_NEAR(r.p[14], 9600.0 + 50000.0 * (14 * 0.00384 - 0.0096), 1e-9);
    // 15 dy compares equal to y2 here, so the 16th and 17th points are residual: gamma xs b / 2.
    EXPECT_TRUE(r.residual[15]);
    EXPECT_TRUE(r.residual[16]);
    EXPECT_FALSE(r.residual[14]);
    EXPECT_NEAR(r.p[15], 0.09 * 100 * 24 / 2, 1e-12);
    EXPECT_NEAR(r.y[16], 16 * 0.0576 / 15, 1e-15);

    s.c = 0.0;
    EXPECT_THROW(strongRockCurve(s, 2), ProblemStop);
}

TEST(WeakRockCurve, HandCalculationAndLimits) {
    CurveSite s;
    s.b = 24;
    s.c = 1000;
    s.quMean = 1000;
    s.k = 10000;    // Em
    s.e50 = 0.0005; // krm
    s.s6 = 50;      // RQD
    s.xr = 12;
    const PYCurve r = weakRockCurve(s, 1);
    EXPECT_NEAR(r.rockAlpha, 2.0 / 3.0, 1e-15);
    EXPECT_NEAR(r.pu, 27200.0, 1e-9); // 2/3 * 1000 * 24 * (1 + 1.4 * 0.5)
    // Kir = 1e4 (100 + 400*12/72); yrm = 0.012; ya = 0.0071756; first point 0.0005 yrm.
    EXPECT_NEAR(r.y[0], 6e-6, 1e-18);
    EXPECT_NEAR(r.p[0], 10.0, 1e-9);
    EXPECT_NEAR(r.p[11], 10000.0, 1e-9);
    EXPECT_NEAR(r.p[12], 12656.22608, 1e-4);
    EXPECT_NEAR(r.p[13], 13600.0, 1e-9);
    EXPECT_NEAR(r.p[16], 25312.45217, 1e-4);

    s.s6 = 0;
    EXPECT_EQ(weakRockCurve(s, 1).rockAlpha, 1.0);
    s.s6 = 100;
    EXPECT_NEAR(weakRockCurve(s, 1).rockAlpha, 1.0 / 3.0, 1e-15);
    // At xr = 3b both forms give 5.2 alpha qu b.
    s.xr = 72;
    EXPECT_NEAR(weakRockCurve(s, 1).pu, 5.2 / 3.0 * 1000 * 24, 1e-9);
    s.xr = 72.000001;
    EXPECT_NEAR(weakRockCurve(s, 1).pu, 5.2 / 3.0 * 1000 * 24, 1e-9);

    s.e50 = 0.0;
    EXPECT_THROW(weakRockCurve(s, 4), ProblemStop);
}
