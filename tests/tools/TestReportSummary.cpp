// The warnings counted from a report: the iteration's own lines between the results heading and
// the table count as the soil data's "WARNING" lines do.

#include "ReportSummary.h"
#include "ShellCommand.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(ReportSummary, IterationWarningsAreCounted) {
    // The cantilever of 1000 lbs at its top deflects 0.576 in there; 0.01 in is allowed, so the
    // iteration ends with the deflection exceeded and the solution not closed.
    TempDir dir;
    std::string project = readFile(dataPath("cantilever-80.tv5d"));
    const std::string wall = "80 1.5\t100\t1E-7\t0\t12";
    ASSERT_NE(project.find(wall), std::string::npos);
    project.replace(project.find(wall), wall.size(), "80 1.5\t0.01\t1E-7\t0\t12");
    writeFile(dir / "exceeded.tv5d", project);
    const Shell run = shell(binPath("tervane-run").string() + " --summary '" +
                            (dir / "exceeded.tv5d").string() + "' 2>&1");
    EXPECT_NE(run.out.find("analysis completed, 1 problem, 2 warnings\n"), std::string::npos)
        << run.out;

    const tervane::runner::ReportSummary s =
        tervane::runner::summariseReport(readFile(dir / "exceeded.tv5o"));
    ASSERT_EQ(s.problems.size(), 1u);
    EXPECT_GT(s.problems[0].exceededStations, 0);
    EXPECT_FALSE(s.problems[0].closed);
    EXPECT_EQ(s.problems[0].warnings, 2);

    // Each of the iteration's lines counts once, problem by problem.
    const std::string results = "     RESULTS -- ITERATION 12\n"
                                "     --------------------\n\n"
                                "     ***** DEFLECTION OFF Q - W CURVES *****\n\n"
                                "     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***   3"
                                "  *** STATIONS *****\n\n"
                                "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n"
                                "\n   STA I      X         DEFL.\n";
    const std::string banner = "  TERVANE for Windows, Version 2015\n";
    const tervane::runner::ReportSummary two = tervane::runner::summariseReport(
        banner + "   **** WARNING ****\n" + results + banner + results);
    ASSERT_EQ(two.problems.size(), 2u);
    EXPECT_EQ(two.problems[0].warnings, 4);
    EXPECT_EQ(two.problems[1].warnings, 3);
    EXPECT_EQ(two.warnings, 7);
    EXPECT_FALSE(two.problems[1].closed);
}
