// Clay p-y curves checked against hand calculations.

#include "EngineErrors.h"
#include "soil/PYCurve.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tervane;

namespace {

CurveSite softClaySite() {
    CurveSite s;
    s.b = 24;
    s.c = 10;
    s.cAvg = 10;
    s.gamma = 0.04;
    s.e50 = 0.02;
    s.z = 60;
    s.zr = 60;
    s.xs = 60;
    s.xw = 60;
    s.ratio = 2.5;
    return s;
}

// c = 20, average c = 15, gamma = 0.05, eps50 = 0.005, b = 24 at z = 48.
CurveSite stiffClaySite() {
    CurveSite s;
    s.b = 24;
    s.c = 20;
    s.cAvg = 15;
    s.gamma = 0.05;
    s.e50 = 0.005;
    s.z = 48;
    s.zr = 48;
    s.ratio = 2.0;
    return s;
}

} // namespace

TEST(SoftClayCurve, UltimateResistanceDeflectionsAndShape) {
    const PYCurve r = softClayCurve(softClaySite(), 1);
    // Np = 3 + 0.04*60/10 + 0.5*60/24 = 4.49; pu = 10 * 4.49 * 24.
    EXPECT_NEAR(r.pu, 1077.6, 1e-9);
    // y50 = 2.5 * 0.02 * 24 = 1.2: y2 = 0.008 y50, y3..y14 = y50/4 .. 3 y50, then 8, 15, 20 y50.
    EXPECT_EQ(r.y[0], 0.0);
    EXPECT_NEAR(r.y[1], 0.0096, 1e-15);
    EXPECT_NEAR(r.y[2], 0.3, 1e-15);
    EXPECT_NEAR(r.y[13], 3.6, 1e-14);
    EXPECT_NEAR(r.y[14], 9.6, 1e-14);
    EXPECT_NEAR(r.y[16], 24.0, 1e-14);
    // p = 0.5 pu (y/y50)^(1/3): 0.2 at 0.008 y50, pu at 8 y50 and beyond.
    EXPECT_NEAR(r.p[1], 107.76, 1e-9);
    EXPECT_NEAR(r.p[2], 339.4227308416788, 1e-9);
    EXPECT_NEAR(r.p[14], 1077.6, 1e-9);
    EXPECT_EQ(r.p[15], r.pu);
    EXPECT_EQ(r.p[0], 0.0);
    // Ei = 0.5 pu (y50/1e-14)^(2/3) / y50 with the single-precision 1e-14.
    EXPECT_NEAR(r.initialModulus / 1092363491184.418, 1.0, 1e-12);
}

TEST(SoftClayCurve, LimitsContinuousWallAndNoCohesion) {
    CurveSite s = softClaySite();
    s.z = 600; // Np = 3 + 2.4 + 12.5 > 9: pu = 9 c b
    EXPECT_NEAR(softClayCurve(s, 1).pu, 2160.0, 1e-9);

    s = softClaySite();
    s.ratio = 1.0; // continuous wall: pu = gamma zr b + 2 c b, with zr, not the equivalent z
    s.z = 500;
    EXPECT_NEAR(softClayCurve(s, 1).pu, 0.04 * 60 * 24 + 480.0, 1e-9);

    s = softClaySite();
    s.c = 0.0;
    const PYCurve r = softClayCurve(s, 1);
    EXPECT_EQ(r.pu, 0.0);
    for (double p : r.p)
        EXPECT_EQ(p, 0.0);
}

TEST(ClayCurves, ZeroE50StopsTheProblemNamingTheLayer) {
    CurveSite s = softClaySite();
    s.e50 = 0.0;
    for (auto gen : {softClayCurve, stiffClayFreeWaterCurve, stiffClayNoFreeWaterCurve}) {
        try {
            gen(s, 3);
            FAIL() << "no stop";
        } catch (const ProblemStop& stop) {
            EXPECT_NE(stop.reportText().find("P-Y LAYER 3"), std::string::npos);
            EXPECT_NE(stop.reportText().find("E50"), std::string::npos);
        }
    }
}

TEST(StiffClayFreeWaterCurve, HandCalculation) {
    CurveSite s = stiffClaySite();
    s.k = 500;
    s.z = 999; // this type never uses the equivalent depth
    s.xw = 48; // x/b = 2: As = 0.55
    const PYCurve r = stiffClayFreeWaterCurve(s, 1);
    // pct = 2*15*24 + 0.05*24*48 + 2.83*15*48 = 2815.2 < pcd = 11*20*24
    EXPECT_NEAR(r.pu, 2815.2, 1e-9);
    EXPECT_DOUBLE_EQ(r.as, 0.55);
    // As y50 = 0.55 * 0.12 = 0.066; four branches of the curve, capped by Es y = 24000 y.
    const double expectedP[] = {0,           738.1516673, 1043.904099, 1213.415673, 1321.467335,
                                1393.526003, 1439.830792, 1466.225835, 1476.48129,  1473.218157,
                                1458.355843, 1433.355465, 1399.363264, 1012.895183, 625.8051831,
                                238.7151831, 238.7151831};
    for (int i = 0; i < kCurvePointCount; ++i) {
        EXPECT_NEAR(r.p[static_cast<std::size_t>(i)], expectedP[i], 1e-6) << i;
    }
    EXPECT_NEAR(r.y[12], 0.396, 1e-14);
    EXPECT_NEAR(r.y[16], 13.2, 1e-12);

    s.xw = 7 * 24.0; // beyond the table: As = 0.6, last point at 200 As y50 = 120 y50
    const PYCurve deep = stiffClayFreeWaterCurve(s, 1);
    EXPECT_DOUBLE_EQ(deep.as, 0.6);
    EXPECT_NEAR(deep.y[16], 120 * 0.12, 1e-12);

    s.k = 1.0; // a soft initial modulus caps the curve: p = Es y = zr y
    const PYCurve capped = stiffClayFreeWaterCurve(s, 1);
    EXPECT_NEAR(capped.p[1], 48.0 * capped.y[1], 1e-12);
}

TEST(StiffClayNoFreeWaterCurve, HandCalculation) {
    const CurveSite s = stiffClaySite();
    const PYCurve r = stiffClayNoFreeWaterCurve(s, 1);
    // pct = 3*15*24 + 0.05*24*48 + 0.5*15*48 = 1497.6 < pcd = 9*20*24
    EXPECT_NEAR(r.pu, 1497.6, 1e-9);
    // y50 = 0.3, yu = 4.8; point 12 at 0.1 yu: p = 0.5 pu (1.6)^0.25
    EXPECT_NEAR(r.y[11], 0.48, 1e-14);
    EXPECT_NEAR(r.p[11], 842.1623686050667, 1e-9);
    EXPECT_NEAR(r.y[1], 4.8e-5, 1e-18);
    // 16th point at 18 y50, 17th at 20 y50, both at pu.
    EXPECT_NEAR(r.y[15], 5.4, 1e-12);
    EXPECT_NEAR(r.y[16], 6.0, 1e-12);
    EXPECT_EQ(r.p[15], r.pu);
    EXPECT_EQ(r.p[16], r.pu);
    EXPECT_NEAR(r.p[14], r.pu, 1e-9); // at yu exactly: 0.5 * 16^0.25 = 1
}
