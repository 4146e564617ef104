// Generated earth pressure through whole data files: the stage's sections in the report, the
// pressure table read back from QKTEMP.001 and turned into the distributed-load echo.

#include "EngineHarness.h"
#include "ReportLines.h"

#include <gtest/gtest.h>

#include <algorithm>

using soiltest::hasLine;
using soiltest::lineAfter;
using testsupport::EngineHarness;

namespace {

// A 240 in wall, H = 120 in, in one sand layer (phi 30, 0.07 pci), Wa = 12 in: held by two
// springs at stations 10 and 25 (depths 40 and 100) and a fixed tip.
std::string sandProject(int loadOption) {
    return "Sand wall, generated pressure\r\n"
           "1 1\t1\t0\t" +
           std::to_string(loadOption) +
           "\t0 0 1 0 0\r\n"
           "60 4\t10\t0.0001\t120\t12\r\n"
           "1\t60\t0\t0\r\n"
           "0\t60\t1\t4.5E9\r\n"
           "0\r\n"
           "2\r\n"
           "10\t10\t1\t100000\t0\r\n"
           "25\t25\t1\t100000\t0\r\n"
           "120\t12\t12\t500\t500\t1\t1\t0\r\n"
           "0\t0\t0\t0\t0\t0\r\n"
           "0\r\n"
           "1\r\n"
           "4 300 \r\n"
           "0.07 0.0  30 0.0  100 0.0  \r\n"
           "0.07 0.0  30 0.0  100 0.0  \r\n"
           "0\r\n";
}

} // namespace

TEST(EarthPressureRuns, TriangularDistribution) {
    EngineHarness h;
    const auto out = h.run(sandProject(2));
    ASSERT_EQ(out.result, 0) << out.report;
    const auto rep = out.reportLines();
    EXPECT_TRUE(hasLine(rep, "      *                WALL INFORMATION                *"));
    EXPECT_TRUE(hasLine(rep, "           1          0.333E+00         0.300E+01"));
    EXPECT_TRUE(
        hasLine(rep, "       1       0.00  60.00     168.00  80.00      -0.00  -0.00       0.00"));
    // Depth 60: 0.07 * 60 / 3 = 1.4 per unit width, times Wa = 12.
    EXPECT_TRUE(hasLine(rep, "       0.600E+02           0.168E+02")) << out.report;
    EXPECT_NE(out.report.find("     END OF ANALYSIS"), std::string::npos);
}

TEST(EarthPressureRuns, TrapezoidalDistribution) {
    // Supports at 40 and 100: z1 = 26.7, z3 = 13.3; pmax = 1.3 * 168 / (120 - 20) = 2.184, times
    // Wa = 12: 26.2 over the middle of the free height.
    EngineHarness h;
    const auto out = h.run(sandProject(3));
    ASSERT_EQ(out.result, 0) << out.report;
    const auto rep = out.reportLines();
    EXPECT_TRUE(hasLine(rep, "       0.600E+02           0.262E+02")) << out.report;
    EXPECT_EQ(out.notes.find("WARNING"), std::string::npos);
}

namespace {

// SI: a 10 m wall (40 increments of 0.25 m), H = 5 m, Wa = 2 m, Wp = 0.5 m, in one sand layer to
// 12 m (18 kN/m^3, phi 30), water at 3 m behind the wall; springs at 1 m and 3 m, tip held.
// `surcharges` is record 13.3 (count line and rows).
std::string siProject(int loadOption, const std::string& surcharges = "0\r\n") {
    return "SI sand wall\r\n"
           "2 1\t1\t0\t" +
           std::to_string(loadOption) +
           "\t0 0 1 0 0\r\n"
           "40 0.25\t0.5\t0.0001\t5\t2\r\n"
           "1\t40\t0\t0\r\n"
           "0\t40\t1\t50000\r\n"
           "0\r\n"
           "2\r\n"
           "4\t4\t1\t20000\t0\r\n"
           "12\t12\t1\t20000\t0\r\n"
           "5\t2\t0.5\t3\t3\t1\t1\t0\r\n"
           "0\t0\t0\t0\t0\t0\r\n" +
           surcharges +
           "1\r\n"
           "4 12 \r\n"
           "18 0.0  30 0.0  20000 0.0  \r\n"
           "18 0.0  30 0.0  20000 0.0  \r\n"
           "0\r\n";
}

} // namespace

TEST(EarthPressureRuns, SIUnitsThroughTheEntry) {
    // Hand calculation (gw = 9.81 single, Ka = tan^2(30/57.2958) = 0.333333): rows 0-3, 3-5 (below
    // water), 5-12; LW = 2, LP = 3. SIGVP = 0, 54, 90 - 2 gw = 70.38.
    EngineHarness h;
    const auto out = h.run(siProject(2));
    ASSERT_EQ(out.result, 0) << out.report;
    const auto rep = out.reportLines();
    const std::string wall = "      *                WALL INFORMATION                *";
    EXPECT_EQ(lineAfter(rep, wall, 4),
              "      FREE HEIGHT OF WALL                    =  0.500E+01  M");
    EXPECT_EQ(lineAfter(rep, wall, 5),
              "      WIDTH FOR EARTH PRESSURE, WA           =  0.200E+01  M");
    EXPECT_EQ(lineAfter(rep, wall, 6),
              "      WIDTH FOR SOIL RESISTANCE, WP          =  0.500E+00  M");
    EXPECT_EQ(lineAfter(rep, wall, 9),
              "      UNIT WEIGHT OF WATER                   =  0.981E+01  KN/ M**3");
    EXPECT_EQ(lineAfter(rep, wall, 11),
              "      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01");
    EXPECT_TRUE(hasLine(rep, "      UNIFORM SURFACE PRESSURE     = 0.000E+00  KN/ M**2"));

    const std::string soil = "      *                SOIL INFORMATION                *";
    EXPECT_EQ(lineAfter(rep, soil, 3), "");
    EXPECT_EQ(lineAfter(rep, soil, 5),
              "       LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP");
    EXPECT_EQ(lineAfter(rep, soil, 6),
              "       NO.      M        kPa     DEG   kN/M^3    T OR F    M ");
    EXPECT_EQ(lineAfter(rep, soil, 7),
              "         1      3.0        0.0  30.0   18.000     T      0.00");
    EXPECT_EQ(lineAfter(rep, soil, 8),
              "         2      2.0        0.0  30.0   18.000     T      3.00");
    EXPECT_EQ(lineAfter(rep, soil, 9),
              "         3      7.0        0.0  30.0   18.000     T      5.00");

    const std::string stress = "      *            EFFECTIVE OVERBURDEN STRESS         *";
    EXPECT_EQ(lineAfter(rep, stress, 4), "                  M                        KN/ M**2");
    EXPECT_EQ(lineAfter(rep, stress, 7), "             0.300E+01                  0.540E+02");
    EXPECT_EQ(lineAfter(rep, stress, 8), "             0.500E+01                  0.704E+02");

    // PA2(1) = 9 * 18 / 2 Ka = 27; PA1(2) = 54 Ka * 2 = 36; PA2(2) = 4 (18 - gw) / 2 Ka = 5.46;
    // PW2(2) = 4 gw / 2 = 19.62.
    const std::string forces = "      *      ACTIVE EARTH PRESSURE OF EACH LAYER       *";
    EXPECT_EQ(lineAfter(rep, forces, 4),
              "        NO   KN/ M**2    M    KN/ M**2    M      KN/ M**2    M      KN/ M**2");
    EXPECT_EQ(lineAfter(rep, forces, 6),
              "       1       0.00   1.50      27.00   2.00      -0.00  -0.00       0.00");
    EXPECT_EQ(lineAfter(rep, forces, 7),
              "       2      36.00   4.00       5.46   4.33      -0.00  -0.00       0.00");
    const std::string water = "      *      ACTIVE WATER PRESSURE OF EACH LAYER       *";
    EXPECT_EQ(lineAfter(rep, water, 6), "       2       0.00   4.00      19.62   4.33");

    // 20 rows per metre: depth 3, 18 Ka * 3 = 18.0 on Wa = 2; depth 5 (still Wa), 54 Ka + 2 gw +
    // 2 (18 - gw) Ka = 43.08; below H the value there with level backfill, 70.38 Ka = 23.46 read
    // back from QKTEMP.001 as 0.235E+02, on Wp = 0.5: 11.75.
    EXPECT_TRUE(hasLine(rep, "       0.300E+01           0.360E+02"));
    EXPECT_TRUE(hasLine(rep, "       0.500E+01           0.862E+02"));
    EXPECT_TRUE(hasLine(rep, "       0.520E+01           0.118E+02"));
    EXPECT_TRUE(hasLine(rep, "       0.100E+02           0.118E+02"));
    const auto qk = testsupport::lines(testsupport::readFile(h.folder() / "QKTEMP.001"));
    ASSERT_EQ(qk.size(), 1u + 241u); // rows to the bottom of the soil, 12 m
    EXPECT_EQ(qk[0], " 201");        // 1 + 60 + 40 + 20 * (10 - 5)
    EXPECT_EQ(qk[61], "      0.300E+01     0.180E+02     0.180E+02     0.000E+00");

    // Trapezoid on the supports at 1 m and 3 m: z1 = 2/3, z3 = 4/3; F_t = 88.08 from the rows,
    // pmax = 1.3 F_t / (5 - 1) = 28.63 (0.286E+02 in QKTEMP.001, times Wa = 57.2).
    EngineHarness t;
    const auto trap = t.run(siProject(3));
    ASSERT_EQ(trap.result, 0) << trap.report;
    const auto tr = trap.reportLines();
    EXPECT_TRUE(hasLine(tr, "       0.200E+00           0.172E+02"));
    EXPECT_TRUE(hasLine(tr, "       0.100E+01           0.572E+02"));
    EXPECT_TRUE(hasLine(tr, "       0.300E+01           0.572E+02"));
    // The excavation-level row is written twice, so the 201 rows read end one row short of the
    // wall's tip.
    EXPECT_TRUE(hasLine(tr, "       0.995E+01           0.118E+02"));
    EXPECT_FALSE(hasLine(tr, "       0.100E+02           0.118E+02"));
}

TEST(EarthPressureRuns, SIStripSurcharge) {
    // A 10 kPa strip 1000 mm wide, its centre line 2000 mm behind the wall: used at X = 2 m,
    // W = 1 m. sigma on the grid z_k = k * 10/200: at depth 3 (z_k = 2.95)
    // alpha = atan(2/2.95), beta = atan(2.5/2.95) - atan(1.5/2.95), sigma = 0.938.
    EngineHarness h;
    const auto out = h.run(siProject(2, "1\r\n3\t10\t2000\t1000\r\n"));
    ASSERT_EQ(out.result, 0) << out.report;
    const auto rep = out.reportLines();
    const std::string s = "      SURCHARGE LOADING NO.        =          1";
    EXPECT_EQ(lineAfter(rep, s, 1), "      STRIP LOAD                   =  0.100E+02  KN/ M**2");
    EXPECT_EQ(lineAfter(rep, s, 2), "      WIDTH OF THE STRIP LOAD      =  0.100E+01  M");
    EXPECT_EQ(lineAfter(rep, s, 3), "      HORIZONTAL DISTANCE BETWEEN  =  0.200E+01  M");
    EXPECT_EQ(lineAfter(rep, s, 4), "      THE WALL AND SURCHARGE         ");
    const auto qk = testsupport::lines(testsupport::readFile(h.folder() / "QKTEMP.001"));
    ASSERT_GE(qk.size(), 202u);
    EXPECT_EQ(qk[2], "      0.500E-01     0.300E+00     0.300E+00     0.000E+00"); // z <= dz
    EXPECT_EQ(qk[61], "      0.300E+01     0.189E+02     0.180E+02     0.938E+00");
    EXPECT_EQ(qk[101], "      0.500E+01     0.434E+02     0.431E+02     0.314E+00");
    EXPECT_EQ(qk[201], "      0.100E+02     0.235E+02     0.235E+02     0.486E-01");
    EXPECT_TRUE(hasLine(rep, "       0.300E+01           0.378E+02"));
    EXPECT_TRUE(hasLine(rep, "       0.500E+01           0.868E+02"));
}
