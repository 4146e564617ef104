// Surcharges through whole data files: the echo, the surcharge pressure summed over point, line,
// strip and unrecognised rows in the generated table, and the surcharge part a user-specified
// distributed load receives.

#include "EngineHarness.h"
#include "ReportLines.h"

#include <gtest/gtest.h>

#include <algorithm>

using soiltest::findLine;
using soiltest::hasLine;
using testsupport::EngineHarness;

namespace {

// A 240 in wall (60 increments of 4 in), H = 120, Wa = Wp = 12, in one sand layer to 300 in
// (phi 30, 0.07 pci), held by springs at 40 and 100 and at its tip; q = 0.5 psi and four
// surcharge rows: a point load of 1000 lbs at 24 in (m = 0.2), a line load of 100 lbs/in at
// 60 in (m = 0.5), a 2 psi strip 20 in wide centred at 30 in, and a row of type 5 (500 lbs at
// 96 in), which acts as a point load but is not echoed.
const char* kFourSurcharges = "Sand wall with surcharges\r\n"
                              "1 1\t1\t0\t2\t0 0 1 0 0\r\n"
                              "60 4\t10\t0.0001\t120\t12\r\n"
                              "1\t60\t0\t0\r\n"
                              "0\t60\t1\t4.5E9\r\n"
                              "0\r\n"
                              "2\r\n"
                              "10\t10\t1\t100000\t0\r\n"
                              "25\t25\t1\t100000\t0\r\n"
                              "120\t12\t12\t500\t500\t1\t1\t0\r\n"
                              "0.5\t0\t0\t0\t0\t0\r\n"
                              "4\r\n"
                              "1\t1000\t24\t0\r\n"
                              "2\t100\t60\t0\r\n"
                              "3\t2\t30\t20\r\n"
                              "5\t500\t96\t0\r\n"
                              "1\r\n"
                              "4 300 \r\n"
                              "0.07 0.0  30 0.0  100 0.0  \r\n"
                              "0.07 0.0  30 0.0  100 0.0  \r\n"
                              "0\r\n";

} // namespace

TEST(SurchargeRuns, SeveralRowsAndUniformPressure) {
    EngineHarness h;
    const auto out = h.run(kFourSurcharges);
    ASSERT_EQ(out.result, 0) << out.report;
    const auto rep = out.reportLines();

    // Echo: q, then rows 1 to 3 each between empty lines; the type 5 row is left out.
    const int q = findLine(rep, "      UNIFORM SURFACE PRESSURE     = 0.500E+00 LBS/IN**2");
    ASSERT_GE(q, 2);
    EXPECT_EQ(rep[q - 1], "");
    EXPECT_EQ(rep[q - 2], "");
    const std::vector<std::string> echo = {
        "",
        "      SURCHARGE LOADING NO.        =          1",
        "      POINT LOAD                   =  0.100E+04 LBS",
        "      HORIZONTAL DISTANCE BETWEEN  =  0.240E+02 IN",
        "      THE WALL AND SURCHARGE         ",
        "",
        "",
        "      SURCHARGE LOADING NO.        =          2",
        "      LINE LOAD                    =  0.100E+03 LBS/IN",
        "      HORIZONTAL DISTANCE BETWEEN  =  0.600E+02 IN",
        "      THE WALL AND SURCHARGE         ",
        "",
        "",
        "      SURCHARGE LOADING NO.        =          3",
        "      STRIP LOAD                   =  0.200E+01 LBS/IN**2",
        "      WIDTH OF THE STRIP LOAD      =  0.200E+02 IN",
        "      HORIZONTAL DISTANCE BETWEEN  =  0.300E+02 IN",
        "      THE WALL AND SURCHARGE         ",
        "",
        "",
        "",
        "      **************************************************",
        "      *                SOIL INFORMATION                *"};
    ASSERT_GE(rep.size(), static_cast<std::size_t>(q + 1) + echo.size());
    for (std::size_t i = 0; i < echo.size(); ++i)
        EXPECT_EQ(rep[static_cast<std::size_t>(q) + 1 + i], echo[i]) << i;

    // q enters the overburden: PA1 = 0.5 Ka * 120 = 20 (the surcharge rows do not).
    EXPECT_TRUE(
        hasLine(rep, "       1      20.00  60.00     168.00  80.00      -0.00  -0.00       0.00"));

    // Pressure at depth 60 (grid depth 58.8, n = 0.49): point 0.28 * 1000 * 0.2401 / (14400 *
    // 0.4001^3) = 0.0729; line 4 * 100 * 0.25 * 0.49 / (pi * 120 * 0.4901^2) = 0.5411; strip
    // (4/pi)(beta - sin beta cos 2 alpha) = 0.1442 with alpha = atan(30/58.8), beta =
    // atan(40/58.8) - atan(20/58.8); type 5: 1.77 * 500 * 0.64 * 0.2401 / (14400 * 0.8801^3) =
    // 0.0139. Sum 0.7720; earth (0.5 + 0.07 * 60) Ka = 1.567 of which q Ka = 0.167 is surcharge.
    const auto qk = testsupport::lines(testsupport::readFile(h.folder() / "QKTEMP.001"));
    ASSERT_EQ(qk.size(), 302u);
    EXPECT_EQ(qk[1], "      0.000E+00     0.167E+00     0.000E+00     0.167E+00");
    EXPECT_EQ(qk[61], "      0.600E+02     0.234E+01     0.140E+01     0.939E+00");
    EXPECT_EQ(qk[121], "      0.120E+03     0.319E+01     0.280E+01     0.387E+00");
    EXPECT_EQ(qk[181], "      0.180E+03     0.305E+01     0.280E+01     0.246E+00");
    EXPECT_EQ(qk[241], "      0.240E+03     0.300E+01     0.280E+01     0.203E+00");
    // Read back at three digits and times the width 12.
    EXPECT_TRUE(hasLine(rep, "       0.000E+00           0.200E+01"));
    EXPECT_TRUE(hasLine(rep, "       0.600E+02           0.281E+02"));
    EXPECT_TRUE(hasLine(rep, "       0.120E+03           0.383E+02"));
    EXPECT_TRUE(hasLine(rep, "       0.180E+03           0.366E+02"));
    EXPECT_TRUE(hasLine(rep, "       0.240E+03           0.360E+02"));
}

TEST(SurchargeRuns, UserDistributedLoadGetsTheSurchargePart) {
    // Load option 1 (record 13 is read because the p-y option is 2): a point load of 1000 lbs at
    // 24 in and a 2 psi strip 20 in wide at 30 in, H = 120, wall 240, Wa = 12, Wp = 6. The user's
    // rows keep their load as the earth part; the surcharge part is sigma times the width at the
    // row's depth: at 120 (grid depth 118.8) 0.0377 * 12 = 0.453, at 240 (grid depth 238.8)
    // 0.00448 * 6 = 0.0269. The report echoes the user's loads as read.
    const std::string data = "User loads and surcharges\r\n"
                             "1 0\t1\t0\t1\t2 0 1 0 0\r\n"
                             "40 6\t100\t0.0001\t120\t12\r\n"
                             "0\t40\t1\t3E10\r\n"
                             "1\r\n"
                             "1\t0\t0\t2000\t0\t0\r\n"
                             "0\r\n"
                             "3\r\n"
                             "0\t0\r\n"
                             "120\t1.2\r\n"
                             "240\t1.2\r\n"
                             "120\t12\t6\t500\t500\t1\t1\t0\r\n"
                             "0\t0\t0\t0\t0\t0\r\n"
                             "2\r\n"
                             "1\t1000\t24\t0\r\n"
                             "3\t2\t30\t20\r\n"
                             "1\r\n"
                             "4 600 \r\n0.06 0.0  30 0.0  100 0 \r\n0.06 0.0  30 0.0  100 0 \r\n"
                             "0\r\n";
    EngineHarness h;
    const auto out = h.run(data);
    ASSERT_EQ(out.result, 0) << out.report;
    EXPECT_TRUE(hasLine(out.reportLines(), "       0.120E+03           0.120E+01"));
    const auto plot = out.plotLines();
    const int row = findLine(plot, "   0.120E+03   0.165E+01   0.120E+01   0.453E+00");
    ASSERT_GE(row, 1) << out.plot;
    EXPECT_EQ(plot[row - 1], "   0.000E+00   0.000E+00   0.100E-06   0.000E+00");
    ASSERT_GT(plot.size(), static_cast<std::size_t>(row + 1));
    EXPECT_EQ(plot[row + 1], "   0.240E+03   0.123E+01   0.120E+01   0.269E-01");
}
