// The resistance profile below the excavation level and its property functions, against hand
// calculations on small profiles.

#include "EngineErrors.h"
#include "EngineState.h"
#include "SoilTestData.h"
#include "TestSupport.h"
#include "soil/ResistanceProfile.h"

#include <gtest/gtest.h>

using namespace tervane;
using soiltest::addLayer;
using soiltest::wall;

namespace {

const double gw = static_cast<double>(0.036f);
const double rad = static_cast<double>(3.1416f) / 180.0;

// H = 10, DWb = 14; soft clay 0-10 (ends at H), sand 10-20 (water table inside), silt 20-40
// whose strength grows from c = 1, phi = 30 to c = 3, phi = 34. Wall 36 long, h = 1: strength
// data reach x = 36 + 2 - 10 = 28.
ResistanceProfile threeLayers() {
    SoilInput s = wall(10, 14);
    s.pyWidth = 24;
    addLayer(s, 1, 10, 0.06, 5, 0, 0.01, 100);
    addLayer(s, 4, 20, 0.07, 0, 36, 0, 60);
    addLayer(s, 5, 40, 0.065, 1, 30, 0.005, 80);
    s.layers[2].bottom = {0.065, 3, 34, 0.005, 80, 0};
    ResistanceProfile p;
    buildResistanceProfile(s, ProfileGeometry{1, 36, 1}, p);
    return p;
}

} // namespace

TEST(ResistanceProfile, LayersPointsAndCurveDepths) {
    const ResistanceProfile p = threeLayers();
    // The clay ends exactly at H and is not part of the profile.
    ASSERT_EQ(p.layerCount, 2);
    EXPECT_EQ(p.soilType[1], 4);
    EXPECT_EQ(p.soilType[2], 5);
    EXPECT_DOUBLE_EQ(p.kValue[2], 80);
    EXPECT_DOUBLE_EQ(p.xt[1], 0);
    EXPECT_DOUBLE_EQ(p.xb[1], 10);
    EXPECT_DOUBLE_EQ(p.xt[2], 10);
    EXPECT_DOUBLE_EQ(p.xb[2], 28); // cut at the depth limit

    // Unit weight: the sand's bottom point moves up to the water table (x = 4) unreduced; the
    // silt's top point follows it up and is submerged.
    ASSERT_EQ(p.weightCount, 4);
    const double depth[] = {0, 0, 4, 4, 30};
    const double weight[] = {0, 0.07, 0.07, 0.065 - gw, 0.065 - gw};
    for (int j = 1; j <= 4; ++j) {
        EXPECT_DOUBLE_EQ(p.weightDepth[j], depth[j]) << j;
        EXPECT_DOUBLE_EQ(p.weight[j], weight[j]) << j;
    }

    // Strength: the silt's bottom values are those at the limit, 18/20 of the way down.
    ASSERT_EQ(p.strengthCount, 4);
    EXPECT_DOUBLE_EQ(p.strengthDepth[4], 28);
    EXPECT_DOUBLE_EQ(p.cohesionAt[4], 1 + 2 * 0.9);
    EXPECT_DOUBLE_EQ(p.phiAt[4], (30 + 4 * 0.9) * rad);
    EXPECT_DOUBLE_EQ(p.multiplierAt[3], 1.0);

    const double curves1[] = {0, 0.1, 2.5, 5, 7.5, 9.9};
    const double curves2[] = {0, 10.1, 14.5, 19, 23.5, 27.9};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_NEAR(p.curveDepth[1][i], curves1[i], 1e-12);
        EXPECT_NEAR(p.curveDepth[2][i], curves2[i], 1e-12);
    }
}

TEST(ResistanceProfile, PropertyFunctions) {
    const ResistanceProfile p = threeLayers();
    EXPECT_DOUBLE_EQ(p.width(17), 24);
    // Between points: linear.
    EXPECT_DOUBLE_EQ(p.cohesion(19), 1 + 1.8 * 9 / 18);
    EXPECT_DOUBLE_EQ(p.frictionAngle(5), 36 * rad);
    // At the boundary x = 10: cohesion of the lower layer, mean friction angle, and a missing
    // E50 replaced by the other layer's.
    EXPECT_DOUBLE_EQ(p.cohesion(10), 1);
    EXPECT_DOUBLE_EQ(p.frictionAngle(10), 33 * rad);
    EXPECT_DOUBLE_EQ(p.e50(10), 0.005);
    // At the last point, its own value; E50 and s6 hold their deepest values below it.
    EXPECT_DOUBLE_EQ(p.cohesion(28), 2.8);
    EXPECT_DOUBLE_EQ(p.e50(40), 0.005);
    EXPECT_DOUBLE_EQ(p.sixth(40), 0);

    // Mean unit weight by the trapezoid rule from x = 0.
    EXPECT_DOUBLE_EQ(p.averageUnitWeight(0), 0.07);
    EXPECT_DOUBLE_EQ(p.averageUnitWeight(4), 0.07);
    EXPECT_NEAR(p.averageUnitWeight(10), (4 * 0.07 + 6 * (0.065 - gw)) / 10, 1e-15);

    // Layer average of the cohesion: mean of the layer's top value and the value at x.
    TextOut none;
    EXPECT_DOUBLE_EQ(p.averageCohesion(19, 2, none), (1 + 1.9) / 2);
    EXPECT_DOUBLE_EQ(p.averageCohesion(10, 2, none), 1);
    EXPECT_DOUBLE_EQ(p.averageCohesion(-1, 2, none), 0);
}

TEST(ResistanceProfile, StopsBelowThePoints) {
    const ResistanceProfile p = threeLayers();
    testing::internal::CaptureStdout();
    try {
        p.cohesion(28.5);
        FAIL() << "no stop";
    } catch (const FatalStop& stop) {
        EXPECT_EQ(stop.stopCode(), 1);
    }
    const std::string console = testing::internal::GetCapturedStdout();
    const auto lines = testsupport::lines(console);
    ASSERT_EQ(lines.size(), 8u); // the warning, twice
    EXPECT_EQ(lines[1], "                             **** WARNING ****");
    EXPECT_EQ(lines[2], "     THE VALUE OF X =  0.3D+02IS BEYOND THE EXTENT OF");
    EXPECT_EQ(lines[3], "     THE INPUT STRENGTH CURVE");

    testing::internal::CaptureStdout();
    EXPECT_THROW(p.frictionAngle(29), FatalStop);
    EXPECT_NE(testing::internal::GetCapturedStdout().find(" IS BEYOND THE EXTENT OF"),
              std::string::npos);
    try {
        p.averageUnitWeight(31);
        FAIL() << "no stop";
    } catch (const FatalStop& stop) {
        EXPECT_EQ(stop.stopCode(), 4);
    }

    // The layer average goes on below the points, with a warning in the report.
    testsupport::TempDir dir;
    TextOut report;
    ASSERT_TRUE(report.open((dir / "r.txt").string()));
    EXPECT_DOUBLE_EQ(p.averageCohesion(30, 2, report), (1 + (1 + 1.8 * 20 / 18)) / 2);
    report.close();
    const auto w = testsupport::lines(testsupport::readFile(dir / "r.txt"));
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[2], "     THE VALUE OF X = 0.30E+02IS BEYOND THE EXTENT OF THE");
}

TEST(ResistanceProfile, WaterTableInsideTheLastLayer) {
    // One sand layer 0-30, H = 10, DWb = 20: the unit-weight table stops at the water table, so
    // the submerged weight is appended down to the deepest strength point.
    SoilInput s = wall(10, 20);
    addLayer(s, 4, 30, 0.07, 0, 30);
    ResistanceProfile p;
    buildResistanceProfile(s, ProfileGeometry{1, 30, 1}, p);
    ASSERT_EQ(p.layerCount, 1);
    ASSERT_EQ(p.weightCount, 4);
    EXPECT_DOUBLE_EQ(p.weightDepth[2], 10);
    EXPECT_DOUBLE_EQ(p.weight[2], 0.07);
    EXPECT_DOUBLE_EQ(p.weightDepth[3], 10);
    EXPECT_DOUBLE_EQ(p.weight[3], 0.07 - gw);
    EXPECT_DOUBLE_EQ(p.weightDepth[4], 20);
    EXPECT_NEAR(p.averageUnitWeight(20), 0.07 - gw / 2, 1e-15);

    // SI: curve depths 0.01 inside the layer's boundaries, water 9.81.
    SoilInput si = wall(3, 0);
    addLayer(si, 4, 8, 18, 0, 30);
    buildResistanceProfile(si, ProfileGeometry{2, 7, 0.1}, p);
    EXPECT_NEAR(p.xb[1], 4.2, 1e-12); // 7 + 2 * 0.1 - 3
    EXPECT_NEAR(p.curveDepth[1][1], 0.01, 1e-12);
    EXPECT_NEAR(p.curveDepth[1][5], 4.19, 1e-12);
    EXPECT_DOUBLE_EQ(p.weight[1], 18 - static_cast<double>(9.81f));
}
TEST(ResistanceProfile, StrengthDataSection) {
    const ResistanceProfile p = threeLayers();
    testsupport::TempDir dir;
    TextOut report;
    ASSERT_TRUE(report.open((dir / "r.txt").string()));
    writeStrengthDataSection(report, p, UnitLabels::forSystem(1));
    report.close();
    const auto l = testsupport::lines(testsupport::readFile(dir / "r.txt"));
    ASSERT_EQ(l.size(), 32u);
    EXPECT_EQ(l[3], "      *        SOIL LAYERS AND STRENGTH DATA           *");
    EXPECT_EQ(l[6], "      X AT THE SURFACE OF EXCAVATION SIDE     =      10.00 IN");
    EXPECT_EQ(l[8], "      2 LAYER(S) OF SOIL");
    EXPECT_EQ(l[14], "         THE SOIL IS A SILT");
    // Depths below the top of the wall; the submerged weight 0.065 - 0.036.
    EXPECT_EQ(l[21], "        14.0000     0.2900D-01");
    // Sand has no E50: dashes.
    EXPECT_EQ(l[28], "          10.00   0.0000D+00       36.000          -----");
    EXPECT_EQ(l[31], "          38.00   0.2800D+01       33.600     0.5000D-02");
}

TEST(ResistanceProfile, E50ShownOnlyAboveOneMillionth) {
    // A clay whose E50 runs from 1e-6 (not given: dashes, the limit included) to 2e-6.
    SoilInput s = wall(10, 100);
    addLayer(s, 1, 30, 0.06, 2, 0, 1e-6, 100);
    s.layers[0].bottom[3] = 2e-6;
    ResistanceProfile p;
    buildResistanceProfile(s, ProfileGeometry{1, 30, 1}, p);
    testsupport::TempDir dir;
    TextOut report;
    ASSERT_TRUE(report.open((dir / "r.txt").string()));
    writeStrengthDataSection(report, p, UnitLabels::forSystem(1));
    report.close();
    const auto l = testsupport::lines(testsupport::readFile(dir / "r.txt"));
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[l.size() - 2], "          10.00   0.2000D+01        0.000          -----");
    EXPECT_EQ(l[l.size() - 1], "          30.00   0.2000D+01        0.000     0.2000D-05");
}
