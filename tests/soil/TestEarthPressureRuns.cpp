// Generated earth pressure through whole data files: the stage's sections in the report, the
// pressure table read back from QKTEMP.001 and turned into the distributed-load echo.

#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

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

bool hasLine(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
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
