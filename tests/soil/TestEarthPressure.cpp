// The earth-pressure stage end to end on states set up in code: report sections, coefficients,
// layer forces and the pressure table in QKTEMP.001, against hand calculations.

#include "EngineErrors.h"
#include "StageRun.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tervane;
using soiltest::addLayer;
using soiltest::findLine;
using soiltest::StageRun;

namespace {

// One sand layer 0-300 (phi 30, 0.07 pci), H = 120, no water, wall 240 long: unit system 1.
void sandWall(StageRun& run) {
    run.soil() = soiltest::wall(120, 500);
    addLayer(run.soil(), 4, 300, 0.07, 0, 30);
}

// The sand wall with supports at `first` .. `last`, run.
void anchoredSandWall(StageRun& run, int supports, double first, double last) {
    sandWall(run);
    run.state->stations.supportRows = supports;
    run.state->stations.firstSupportDepth = first;
    run.state->stations.lastSupportDepth = last;
    run.run();
}

// Fields of QKTEMP row line r: depth, total, earth, surcharge.
std::array<double, 4> qkRow(const std::vector<std::string>& lines, int r) {
    std::array<double, 4> v{};
    std::istringstream in(lines.at(static_cast<std::size_t>(r)));
    for (double& x : v)
        in >> x;
    return v;
}

} // namespace

TEST(EarthPressureStage, SandLayerTriangularTable) {
    StageRun run(1, 2, 240, 1.0);
    sandWall(run);
    run.run();
    const auto rep = run.reportLines();

    // Echo sections.
    EXPECT_GE(findLine(rep, "      *                WALL INFORMATION                *"), 0);
    EXPECT_GE(findLine(rep, "      FREE HEIGHT OF WALL                    =  0.120E+03 IN"), 0);
    EXPECT_GE(findLine(rep, "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.500E+03 IN"), 0);
    EXPECT_GE(findLine(rep, "      UNIT WEIGHT OF WATER                   =  0.360E-01 LBS/IN**3"),
              0);
    EXPECT_GE(findLine(rep, "      SLOPE OF THE BACKFILL (deg.)           =  0.000E+00"), 0);
    EXPECT_GE(findLine(rep, "      UNIFORM SURFACE PRESSURE     = 0.000E+00 LBS/IN**2"), 0);
    const int soil = findLine(rep, "      *                SOIL INFORMATION                *");
    ASSERT_GE(soil, 0);
    EXPECT_EQ(rep[soil + 4], "               TOTAL                 TOTAL UNIT");
    EXPECT_EQ(rep[soil + 6], "       NO.     IN        PSI     DEG     PCI     T OR F   IN");
    EXPECT_EQ(rep[soil + 7], "         1    120.0        0.0  30.0    0.070     T      0.00");
    EXPECT_EQ(rep[soil + 8], "         2    180.0        0.0  30.0    0.070     T    120.00");
    EXPECT_GE(findLine(rep, "                 IN                       LBS/IN**2"), 0);
    EXPECT_GE(findLine(rep, "             0.120E+03                  0.840E+01"), 0);

    // Ka = tan^2 30 = 1/3, Kp = 3.
    EXPECT_GE(findLine(rep, "           1          0.333E+00         0.300E+01"), 0);
    EXPECT_NEAR(run.state->soilProfiles.active.row(1).ka, 1.0 / 3.0, 1e-6);
    // PA2 = 120^2 * 0.07 / 2 * Ka = 168 at 2/3 of the height.
    EXPECT_GE(
        findLine(rep, "       1       0.00  60.00     168.00  80.00      -0.00  -0.00       0.00"),
        0);
    EXPECT_EQ(run.report.find("Net active pressure"), std::string::npos);
    // The water table (500) lies below the profile: the water table of forces has no row.
    const int water = findLine(rep, "      *      ACTIVE WATER PRESSURE OF EACH LAYER       *");
    ASSERT_GE(water, 0);
    EXPECT_EQ(rep.size(), static_cast<std::size_t>(water + 6));
    EXPECT_DOUBLE_EQ(run.state->soilProfiles.sigvH, 120 * 0.07);

    // Rows every inch; at depth 60 the total is 0.07 * 60 / 3 = 1.4. The count reaches the
    // wall's tip (1 + 120 + 120) while the table runs to the bottom of the soil (301 rows).
    const auto qk = run.qkLines();
    ASSERT_EQ(qk.size(), 302u);
    EXPECT_EQ(qk[0], " 241");
    EXPECT_EQ(qk[1], "      0.000E+00     0.000E+00     0.000E+00     0.000E+00");
    EXPECT_EQ(qk[61], "      0.600E+02     0.140E+01     0.140E+01     0.000E+00");
    // Below the excavation level the pressure stays at its value there: 8.4 / 3 = 2.8.
    EXPECT_EQ(qk[200], "      0.199E+03     0.280E+01     0.280E+01     0.000E+00");
    EXPECT_NEAR(run.state->soilProfiles.pressure.netForce, 168.0, 1e-3);
}

TEST(EarthPressureStage, ClayTensionZone) {
    // Clay c = 2 psi: the pressure 0.07 z Ka - 2c is negative down to z = 57.1; the crack-free
    // part below carries PA4 = d2 * crack / 2 with d2 = 8.4 - 4 and crack = 4.4 * 120 / 8.4.
    StageRun run(1, 2, 240, 1.0);
    run.soil() = soiltest::wall(120, 500);
    addLayer(run.soil(), 1, 300, 0.07, 2, 0);
    run.run();
    const ActivePressureRow& r = run.state->soilProfiles.active.row(1);
    const double crack = 4.4 * 120 / 8.4;
    EXPECT_DOUBLE_EQ(r.pa1 + r.pa2 + r.pa3, 0.0);
    EXPECT_NEAR(r.crackDepth, crack, 1e-4);
    EXPECT_NEAR(r.pa4, 4.4 * crack / 2, 1e-3);
    EXPECT_NEAR(r.z3, 120 - crack / 3, 1e-4);
    EXPECT_GE(findLine(run.reportLines(),
                       "       1       0.00  60.00       0.00  80.00       0.00  99.05     138.29"),
              0);
    // Rows above the crack hold row number * 1e-12.
    const auto qk = run.qkLines();
    EXPECT_EQ(qk[2], "      0.100E+01     0.200E-11     0.200E-11     0.000E+00");
    EXPECT_EQ(qk[58], "      0.570E+02     0.580E-10     0.580E-10     0.000E+00");
    EXPECT_NEAR(qkRow(qk, 59)[1], 0.07 * 58 - 4, 1e-5);
}

TEST(EarthPressureStage, NetForceNegativeIsReported) {
    // Clay so strong that the whole height is in tension: no active force at all.
    StageRun run(1, 2, 240, 1.0);
    run.soil() = soiltest::wall(120, 500);
    addLayer(run.soil(), 1, 300, 0.07, 10, 0);
    testing::internal::CaptureStdout();
    run.run();
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_NE(console.find("     Net active pressure is negative."), std::string::npos);
    const auto rep = run.reportLines();
    const int at = findLine(rep, "     Net active pressure is negative.");
    ASSERT_GE(at, 2);
    EXPECT_EQ(rep[at - 1], "");
    EXPECT_EQ(rep[at - 2], "");
    EXPECT_EQ(rep[at + 1], "");
}

TEST(EarthPressureStage, SlopingBackfillAndItsWarning) {
    StageRun run(1, 2, 240, 1.0);
    sandWall(run);
    run.soil().backfillSlope = 20;
    run.run();
    // Ka = cos 20 (cos 20 - sqrt(cos^2 20 - cos^2 30)) / (cos 20 + sqrt(...)) = 0.4142.
    EXPECT_NEAR(run.state->soilProfiles.active.row(1).ka, 0.4142, 5e-5);
    EXPECT_GE(findLine(run.reportLines(), "           1          0.414E+00         0.300E+01"), 0);
    EXPECT_TRUE(run.notes.empty());

    StageRun steep(1, 2, 240, 1.0);
    sandWall(steep);
    steep.soil().backfillSlope = 35;
    steep.run();
    const std::string warning = "\n\n**** WARNING ******\nTHE BACKFILL SLOPE ANGLE SHOULD BE LESS "
                                "THAN THE 'INTERNAL FRICTION ANGLE OF SAND.\n";
    EXPECT_EQ(steep.notes, warning); // once: only the row above the excavation level
    EXPECT_NE(steep.report.find(warning), std::string::npos);
    EXPECT_GE(findLine(steep.reportLines(), "           1          0.333E+00         0.300E+01"),
              0);
}

TEST(EarthPressureStage, OptionalCoefficient) {
    // A clay row with the user's Ka = 0.5: no cohesion term above the excavation level; the
    // report shows the computed coefficient; below the excavation level Rankine returns.
    StageRun run(1, 2, 240, 1.0);
    run.soil() = soiltest::wall(120, 500);
    addLayer(run.soil(), 1, 300, 0.07, 2, 0, 0, 0, 0.5);
    run.run();
    EXPECT_NE(run.report.find("           1          0.100E+01         0.100E+01"),
              std::string::npos);
    EXPECT_DOUBLE_EQ(run.state->soilProfiles.active.row(1).ka, 0.5);
    EXPECT_GE(findLine(run.reportLines(),
                       "       1       0.00  60.00     252.00  80.00      -0.00  -0.00       0.00"),
              0);
    const auto qk = run.qkLines();
    EXPECT_NEAR(qkRow(qk, 61)[1], 0.5 * 0.07 * 60, 1e-6);
    EXPECT_NEAR(qkRow(qk, 200)[1], 8.4 - 4, 2e-3); // SIGV_H Ka - 2c sqrt(Ka), Ka = 1
}

TEST(EarthPressureStage, SubStepsBySystem) {
    // SI: a 2.5 m layer gives 50 rows of 0.05 m.
    StageRun si(2, 2, 50, 0.1);
    si.soil() = soiltest::wall(2.5, 10);
    addLayer(si.soil(), 4, 6, 18, 0, 30);
    si.run();
    const auto qk = si.qkLines();
    ASSERT_EQ(qk.size(), 1u + 1 + 50 + 70);
    EXPECT_EQ(qk[0], " 101");
    EXPECT_NEAR(qkRow(qk, 2)[0], 0.05, 1e-9);
    EXPECT_NEAR(qkRow(qk, 51)[0], 2.5, 1e-9);
    EXPECT_NEAR(qkRow(qk, 51)[1], 18 * 2.5 / 3, 1e-2);
    EXPECT_NE(si.report.find("UNIT WEIGHT OF WATER                   =  0.981E+01  KN/ M**3"),
              std::string::npos);
    EXPECT_NE(si.report.find("       NO.      M        kPa     DEG   kN/M^3    T OR F    M "),
              std::string::npos);

    // Unit system 1: a 0.4 layer adds no row.
    StageRun thin(1, 2, 240, 1.0);
    thin.soil() = soiltest::wall(120, 500);
    addLayer(thin.soil(), 4, 0.4, 0.07, 0, 30);
    addLayer(thin.soil(), 4, 300, 0.07, 0, 30);
    thin.run();
    const auto tq = thin.qkLines();
    EXPECT_EQ(tq[0], " 241");
    EXPECT_NEAR(qkRow(tq, 2)[0], 0.4 + 119.6 / 120, 5e-3);

    // Unit system 3: water 0.036, no column heading.
    StageRun other(3, 2, 240, 1.0);
    sandWall(other);
    other.run();
    EXPECT_EQ(other.report.find("T OR F"), std::string::npos);
    EXPECT_NE(other.report.find("=  0.360E-01   F/ L**3"), std::string::npos);
    const auto o = other.reportLines();
    EXPECT_GE(findLine(o, "      FREE HEIGHT OF WALL                    =  0.120E+03  L"), 0);
    EXPECT_GE(findLine(o, "      UNIFORM SURFACE PRESSURE     = 0.000E+00   F/ L**2"), 0);
    EXPECT_GE(findLine(o, "                  L                         F/ L**2"), 0);
    EXPECT_GE(
        findLine(o, "        NO    F/ L**2    L     F/ L**2    L       F/ L**2    L       F/ L**2"),
        0);
    const int rows = findLine(o, "      *                SOIL INFORMATION                *");
    ASSERT_GE(rows, 0);
    EXPECT_EQ(o[rows + 3], "         1    120.0        0.0  30.0    0.070     T      0.00");
}

TEST(EarthPressureStage, WaterBelowTheSurface) {
    // Sand with the water table at 40: the water table splits the layer; the drained rows below
    // it carry water forces PW1 = (top - DWb) gw t and PW2 = t^2 gw / 2.
    StageRun run(1, 2, 240, 1.0);
    run.soil() = soiltest::wall(120, 40);
    addLayer(run.soil(), 4, 300, 0.07, 0, 30);
    run.run();
    const double gw = static_cast<double>(0.036f);
    const ActivePressureRow& r2 = run.state->soilProfiles.active.row(2);
    EXPECT_DOUBLE_EQ(r2.pw1, 0.0);
    EXPECT_DOUBLE_EQ(r2.pw2, -80.0 * 80.0 * gw / 2);
    const auto rep = run.reportLines();
    const int water = findLine(rep, "      *      ACTIVE WATER PRESSURE OF EACH LAYER       *");
    ASSERT_GE(water, 0);
    EXPECT_EQ(rep[water + 6], "       2       0.00  80.00     115.20  93.33");
    // At depth 100: 40 * 0.07 Ka + 60 (0.07 - gw) Ka + 60 gw.
    const double ka = run.state->soilProfiles.active.row(2).ka;
    EXPECT_NEAR(qkRow(run.qkLines(), 101)[1], 40 * 0.07 * ka + 60 * (0.07 - gw) * ka + 60 * gw,
                5e-3);

    // Water deeper than the profile: no row top at the water table (LW = 0), so the table starts
    // at the surface; it is written with its heading and holds no row.
    StageRun dry(1, 2, 240, 1.0);
    dry.soil() = soiltest::wall(120, 1000);
    addLayer(dry.soil(), 4, 300, 0.07, 0, 30);
    dry.run();
    EXPECT_EQ(dry.state->soilProfiles.layers.waterRow, 0);
    const auto dryRep = dry.reportLines();
    const int empty = findLine(dryRep, "      *      ACTIVE WATER PRESSURE OF EACH LAYER       *");
    ASSERT_GE(empty, 0);
    ASSERT_EQ(dryRep.size(), static_cast<std::size_t>(empty + 6));
    EXPECT_EQ(dryRep[empty + 2], "");
    EXPECT_EQ(dryRep[empty + 3], "       LAYER    PW1     Z1       PW2     Z2                ");
    EXPECT_EQ(dryRep[empty + 4], "        NO             ");
    EXPECT_EQ(dryRep[empty + 5], "");
    EXPECT_DOUBLE_EQ(dry.state->soilProfiles.active.row(1).pw1, 0.0);

    // Water inside the profile but below the excavation level: LW > LP - 1, no water table.
    StageRun low(1, 2, 240, 1.0);
    low.soil() = soiltest::wall(120, 200);
    addLayer(low.soil(), 4, 300, 0.07, 0, 30);
    low.run();
    EXPECT_EQ(low.state->soilProfiles.layers.waterRow, 3);
    EXPECT_EQ(low.report.find("ACTIVE WATER PRESSURE"), std::string::npos);
}

TEST(EarthPressureStage, UniformPressureAndSurcharges) {
    // q = 3 on sand: row 1 holds q Ka in total and surcharge part; below, the surcharge part is
    // q Ka and the earth part the soil's own share.
    StageRun run(1, 2, 240, 1.0);
    sandWall(run);
    run.soil().uniformSurcharge = 3;
    run.soil().surchargeCount = 1;
    run.soil().surcharges[0] = SurchargeRow{1, 1000, 24, 0};
    run.run();
    const double ka = run.state->soilProfiles.active.row(1).ka;
    const auto qk = run.qkLines();
    const auto row1 = qkRow(qk, 1);
    EXPECT_NEAR(row1[1], 3 * ka, 1e-3);
    EXPECT_NEAR(row1[3], 3 * ka, 1e-3);
    // Depth 121: the point load's grid value at 120, 0.01246, joins the surcharge part.
    const auto r = qkRow(qk, 122);
    EXPECT_NEAR(r[3], 3 * ka + 0.01246, 5e-3);
    EXPECT_NEAR(r[1], (3 + 0.07 * 120) * ka + 0.01246, 1e-2);
    EXPECT_NEAR(r[2], 0.07 * 120 * ka, 1e-2);
    const auto rep = run.reportLines();
    const int s = findLine(rep, "      SURCHARGE LOADING NO.        =          1");
    ASSERT_GE(s, 1);
    EXPECT_EQ(rep[s - 1], "");
    EXPECT_EQ(rep[s + 1], "      POINT LOAD                   =  0.100E+04 LBS");
    EXPECT_EQ(rep[s + 2], "      HORIZONTAL DISTANCE BETWEEN  =  0.240E+02 IN");
    EXPECT_EQ(rep[s + 3], "      THE WALL AND SURCHARGE         ");
    EXPECT_EQ(rep[s + 4], "");
}

TEST(EarthPressureStage, TrapezoidalDiagram) {
    // One support at 30: z1 = 20, zm = 40, z3 = 60; pmax = 1.3 * 168 * 3 / 240 = 2.73.
    StageRun one(1, 3, 240, 1.0);
    anchoredSandWall(one, 1, 30, 30);
    auto qk = one.qkLines();
    ASSERT_EQ(qk.size(), 303u); // row 121 written twice
    EXPECT_EQ(qk[0], " 241");
    EXPECT_NEAR(qkRow(qk, 11)[1], 2.73 * 10 / 20, 5e-3);
    EXPECT_NEAR(qkRow(qk, 41)[1], 2.73, 1e-3);
    EXPECT_NEAR(qkRow(qk, 91)[1], 2.73 - 30 * 2.73 / 60, 5e-3);
    EXPECT_EQ(qk[121], qk[122]);
    EXPECT_NEAR(qkRow(qk, 122)[0], 120, 1e-9);
    EXPECT_NEAR(qkRow(qk, 11)[2], 0.07 * 10 / 3, 1e-3); // earth part unchanged

    // Supports at 30 and 90: z1 = z3 = 20, zm = 80; the diagram's area is 1.3 F_t.
    StageRun two(1, 3, 240, 1.0);
    anchoredSandWall(two, 2, 30, 90);
    const PressureTable& t = two.state->soilProfiles.pressure;
    EXPECT_NEAR(t.total[60], 1.3 * t.netForce / 100, 1e-12);
    EXPECT_NEAR(t.netForce, 168, 1e-3);
    double area = 0;
    for (int r = 2; r <= t.excavationRow; ++r)
        area += (t.total[r - 1] + t.total[r]) / 2;
    area -= t.total[1] / 2; // row 1 keeps its own value (0 here)
    EXPECT_NEAR(area, 1.3 * t.netForce, 0.05);

    // No supports: a warning, and the triangular table.
    StageRun none(1, 3, 240, 1.0);
    sandWall(none);
    none.run();
    EXPECT_NE(none.notes.find("**** WARNING ******"), std::string::npos);
    EXPECT_EQ(none.qkLines().size(), 302u);
    EXPECT_EQ(none.qkLines()[61], "      0.600E+02     0.140E+01     0.140E+01     0.000E+00");
}

TEST(EarthPressureStage, Stops) {
    StageRun deep(1, 2, 240, 1.0);
    deep.soil() = soiltest::wall(120, 500);
    addLayer(deep.soil(), 4, 100, 0.07, 0, 30);
    try {
        deep.run();
        FAIL() << "no stop";
    } catch (const FatalStop& stop) {
        EXPECT_EQ(stop.stopCode(), 1);
    }
    EXPECT_NE(deep.report.find("SOIL INFORMATION"), std::string::npos);
    EXPECT_EQ(deep.report.find("EFFECTIVE OVERBURDEN"), std::string::npos);

    StageRun flat(1, 2, 240, 1.0);
    sandWall(flat);
    flat.soil().freeHeight = 0;
    EXPECT_THROW(flat.run(), ProblemStop);
    EXPECT_TRUE(flat.report.empty());

    StageRun option4(1, 4, 240, 1.0);
    sandWall(option4);
    EXPECT_THROW(option4.run(), ProblemStop);
}

TEST(EarthPressureStage, TinyPressureOfDeepTensionRows) {
    // A clay with 2c = 80 over 0.07 pci stays in tension down to 1143 in: row 1025 (depth 1024)
    // holds 1025 * 1e-12 = 1.025e-9, written 0.103E-08 (the exact product lies above the tie;
    // a single-precision 1e-12 would give 0.102E-08).
    StageRun run(1, 2, 220, 10.0);
    run.soil() = soiltest::wall(1100, 5000);
    addLayer(run.soil(), 1, 3000, 0.07, 40, 0);
    testing::internal::CaptureStdout(); // the net force message
    run.run();
    testing::internal::GetCapturedStdout();
    const auto qk = run.qkLines();
    ASSERT_GT(qk.size(), 1025u);
    EXPECT_EQ(qk[0], " 2201");
    EXPECT_EQ(qk[1025], "      0.102E+04     0.103E-08     0.103E-08     0.000E+00");
}
