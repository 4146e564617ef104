// Run control: NAMES.dat, the problem loop, the report header, continuation values, the plot
// file's result blocks and the end of the run.

#include "EngineErrors.h"
#include "EngineHarness.h"
#include "ReportHeader.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// A small complete problem: ten increments of 12, one stiffness row, no loads, springs or
// curves.
std::string problem(const std::string& title, int stageCount = 1, int units = 1) {
    return title + "\r\n" + std::to_string(units) + " 0\t1\t0\t0\t0 0 " +
           std::to_string(stageCount) + " 0 0\r\n" +
           "10 12\t1\t0.001\t60\t12\r\n0\t10\t1\t1E9\r\n0\r\n0\r\n";
}

// The plot file of runs of such problems: per problem, block 1 (no load), block 2 (no curves)
// and a result block of 12 rows (stations 0 .. 11) with the marker of each block.
void expectPlotBlocks(const std::string& plot, const std::vector<int>& markers) {
    const auto l = lines(plot);
    ASSERT_EQ(l.size(), markers.size() * 15);
    for (std::size_t b = 0; b < markers.size(); ++b) {
        EXPECT_EQ(l[15 * b], " 0");
        EXPECT_EQ(l[15 * b + 1], " 1 0");
        EXPECT_EQ(l[15 * b + 2], " " + std::to_string(markers[b]) + " 12 1");
        EXPECT_EQ(l[15 * b + 3].substr(0, 14), "    0.0000E+00");
        EXPECT_EQ(l[15 * b + 14].substr(0, 14), "    0.1320E+03");
    }
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

} // namespace

TEST(RunControl, HeaderLayoutLineByLine) {
    EngineHarness h;
    const EngineOutput out = h.run(problem("Cantilever sheet pile") + "0\r\n");
    ASSERT_EQ(out.result, 0);
    const auto l = out.reportLines();
    const std::string folder = h.folder().string() + "/";
    const std::vector<std::string> expected = {
        "     " + std::string(73, '='),
        "",
        "                      TERVANE for Windows, Version 2015.5.3    ",
        "",
        "                       A Program for the Analysis of ",
        "                       Flexible Retaining Walls ",
        "",
        "     " + std::string(73, '='),
        "",
        "",
        "     Path to file locations      : " + folder,
        "     Name of input data file     : project.tv5d",
        "     Name of output file         : project.tv5o",
        "     Name of plot output file    : project.tv5p",
        "",
        "     " + std::string(73, '-'),
        "                          Time and Date of Analysis",
        "     " + std::string(73, '-'),
        "",
        "               Date:  March 05, 2015     Time:  09:04:07",
        "",
        "      Cantilever sheet pile" + std::string(70 - 21, ' '),
    };
    ASSERT_GE(l.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(l[k], expected[k]) << "line " << k;
    // End of run: three empty lines, then the closing line.
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[l.size() - 1], "     END OF ANALYSIS");
    EXPECT_EQ(l[l.size() - 2], "");
    EXPECT_EQ(l[l.size() - 4], "");
    EXPECT_EQ(count(out.report, "END OF ANALYSIS"), 1);
    // One result block with marker 1.
    expectPlotBlocks(out.plot, {1});
    EXPECT_TRUE(fs::exists(h.folder() / "debug.dat"));
    EXPECT_EQ(fs::file_size(h.folder() / "debug.dat"), 0u);
}

TEST(RunControl, TitlesAreCutAtSeventyOrPadded) {
    EngineHarness h;
    const std::string longTitle = std::string(69, 'a') + "bcdefgh";
    h.run(problem(longTitle) + "0\n");
    EXPECT_EQ(h.state().run.currentTitle, std::string(69, 'a') + "b" + std::string(10, ' '));
    EngineHarness g;
    g.run(problem("") + "0\n");
    EXPECT_EQ(g.state().run.currentTitle, std::string(80, ' '));
}

TEST(RunControl, ShortTermPlusLongTermWritesTwoBannersAndLongTermTitle) {
    EngineHarness h;
    const EngineOutput out =
        h.run(problem("Short term") + "9\n" + problem("Ignored title") + "0\n");
    ASSERT_EQ(out.result, 0);
    EXPECT_EQ(count(out.report, "TERVANE for Windows"), 2);
    EXPECT_NE(out.report.find("      Long Term :  Short term" + std::string(60, ' ')),
              std::string::npos);
    EXPECT_EQ(out.report.find("Ignored title"), std::string::npos);
    expectPlotBlocks(out.plot, {2, 2});
    // The second banner is preceded by two empty lines.
    const auto l = out.reportLines();
    int banners = 0;
    for (std::size_t k = 0; k < l.size(); ++k) {
        if (l[k] == "     " + std::string(73, '=') && k + 2 < l.size() &&
            l[k + 2].find("TERVANE") != std::string::npos) {
            if (++banners == 2) {
                EXPECT_EQ(l[k - 1], "");
                EXPECT_EQ(l[k - 2], "");
            }
        }
    }
    EXPECT_EQ(banners, 2);
}

TEST(RunControl, StagesNumberTheirTitlesAndEndAtTheStageCount) {
    EngineHarness h;
    const EngineOutput out = h.run(problem("Staged wall", 3) + "1\n" + problem("x", 3) + "2\n" +
                                   problem("y", 3) + "3\n" + problem("never read", 3));
    ASSERT_EQ(out.result, 0);
    EXPECT_EQ(count(out.report, "TERVANE for Windows"), 3);
    EXPECT_NE(out.report.find("      Stage No : 1  Staged wall"), std::string::npos);
    EXPECT_NE(out.report.find("      Stage No : 3  Staged wall"), std::string::npos);
    expectPlotBlocks(out.plot, {3, 3, 3});
    EXPECT_EQ(h.state().run.problemNumber, 3);
}

TEST(RunControl, DataFileEndingEarlyStopsInOrder) {
    EngineHarness h;
    const EngineOutput out = h.run("Title only\r\n1 0 1\r\n");
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.report.rfind("\n\n     ERROR STOP -- END OF DATA FILE REACHED BEFORE ALL DATA "
                               "WERE READ\n",
                               0),
              0u);
    EXPECT_NE(out.report.find("END OF ANALYSIS"), std::string::npos);
    EXPECT_EQ(out.plot, " 1 0 1\n");
}

TEST(RunControl, MissingOrBrokenRunControlFile) {
    EngineHarness h;
    testing::internal::CaptureStdout();
    EXPECT_EQ(tervane::performRun(h.state(), h.folder()), tervane::kResultFatalStop);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("NAMES.dat"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(h.folder()));

    // Only two of the five lines: the console message, nothing created.
    writeFile(h.folder() / "NAMES.dat", "2015.5.3\n" + (h.folder() / "a.tv5d").string() + "\n");
    writeFile(h.folder() / "a.tv5d", problem("t") + "0\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(tervane::performRun(h.state(), h.folder()), tervane::kResultFatalStop);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n"
                        " BEFORE COMPUTATION.  TRY IT AGAIN!\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(h.folder() / "debug.dat"));
}

TEST(RunControl, PathSplitting) {
    EXPECT_EQ(tervane::folderOf("/home/eng/walls/site A.tv5d  "), "/home/eng/walls/");
    EXPECT_EQ(tervane::nameOf("/home/eng/walls/site A.tv5d  "), "site A.tv5d");
    EXPECT_EQ(tervane::folderOf("C:\\walls\\x.tv5d"), "C:\\walls\\");
    EXPECT_EQ(tervane::nameOf("x.tv5d"), "x.tv5d");
    EXPECT_EQ(tervane::folderOf("x.tv5d"), "");
}

namespace {

// Descriptors of this process open on files inside `folder`.
std::vector<std::string> filesOpenIn(const fs::path& folder) {
    std::vector<std::string> open;
    const std::string prefix = fs::canonical(folder).string() + "/";
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const fs::path target = fs::read_symlink(fd.path(), ec);
        if (!ec && target.string().rfind(prefix, 0) == 0) open.push_back(target.string());
    }
    return open;
}

} // namespace

TEST(RunControl, FatalSoilStopEndsTheRunWithEveryFileClosed) {
    // A silt layer without friction below the excavation level: its first generated curve
    // stops the run in the middle of SOILDATA. The warning goes to the console and the report,
    // nothing more is written, the entry's result is 2 and no file of the run stays open.
    const std::string silt = "0.06 1 0 0.01 100 0\r\n";
    const std::string data = "Silt without friction\r\n"
                             "1 0 1 0 0 2 0 1 0 0\r\n"
                             "100 6 100 0.0001 120 60\r\n"
                             "0 100 1 3E10\r\n"
                             "1\r\n1 0 0 100 0 0\r\n"
                             "0\r\n"
                             "120 60 24 1000 1000 1 1 0\r\n"
                             "0 0 0 0 0 0\r\n"
                             "0\r\n"
                             "1\r\n5 600\r\n" +
                             silt + silt + "0\r\n";
    EngineHarness h;
    testing::internal::CaptureStdout();
    const EngineOutput out = h.run(data);
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.result, tervane::kResultFatalStop);
    EXPECT_EQ(out.result, 2);
    const std::string warning = "       WARNING-------The Angle of the slope can not\n"
                                "                     be greater than the internal  \n"
                                "                     friction angle of the sand.   \n";
    EXPECT_NE(console.find(" READ SOIL DATA....\n"), std::string::npos) << console;
    EXPECT_NE(console.find(warning), std::string::npos) << console;
    // The report ends with the warning after the curve heading; no results, no final line.
    const std::string tail = "\n\n\n\n" + warning + "\n";
    ASSERT_GE(out.report.size(), tail.size());
    EXPECT_EQ(out.report.substr(out.report.size() - tail.size()), tail) << out.report;
    EXPECT_NE(out.report.find("P-Y CURVES DATA"), std::string::npos);
    EXPECT_EQ(out.report.find("RESULTS -- ITERATION"), std::string::npos);
    EXPECT_EQ(out.report.find("END OF ANALYSIS"), std::string::npos);
    // The plot file holds the blocks written before the stop and no result block.
    EXPECT_EQ(out.plot, " 0\n");
    EXPECT_TRUE(fs::exists(h.folder() / "SOILDATA"));
    EXPECT_EQ(filesOpenIn(h.folder()), std::vector<std::string>{});
}
