// A project opened and saved again without edits analyses to the same results as the file it came
// from: every example project, and hand-written files whose wall width stands only on the wall
// line (no earth-pressure line follows it).

#include "OlderProjectReader.h"
#include "ProgramData.h"
#include "ProjectRuns.h"
#include "StageFiles.h"
#include "StageOperations.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace tervane;
using namespace testsupport;

namespace {

QString qpath(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// A header line: ten integers.
bool isHeader(const std::string& line) {
    std::istringstream in(line);
    int value = 0, count = 0;
    while (in >> value)
        ++count;
    return count == 10 && in.eof();
}

// The sixth value of the wall line of each problem block in a project data file: the line after
// the header that follows the first line, the long-term continuation 9 or a stage's title.
std::vector<double> wallWidths(const std::string& text) {
    std::vector<double> widths;
    const auto all = lines(text);
    for (size_t i = 0; i + 2 < all.size(); ++i) {
        const bool title = i == 0 || all[i - 1] == "9\r" ||
                           all[i].find(kStageMark.toStdString()) != std::string::npos;
        if (!title || !isHeader(all[i + 1])) continue;
        const std::string& wall = all[i + 2];
        widths.push_back(std::stod(wall.substr(wall.rfind('\t') + 1)));
    }
    return widths;
}

// Opens `project` as the desktop program does, reads and writes every stage of a staged project
// in turn, and saves it again without edits. Returns the number of stages.
int openAndSave(const fs::path& project) {
    TProjectTables tables;
    const QString path = qpath(project);
    TProgramData p(tables, path, FormatIndexFromExtension(path));
    EXPECT_EQ(p.OpenMessage(), "");
    EXPECT_TRUE(PrepareOpenedStages(p).isEmpty());
    for (int stage = 2; stage <= p.StageCount; ++stage)
        EXPECT_TRUE(SwitchStage(p, stage).isEmpty());
    EXPECT_TRUE(SwitchStage(p, 1).isEmpty());
    p.Save();
    return p.StageCount;
}

// Analyses `original` as it stands and after it was opened and saved; both runs must end well
// and write the same report, plot data and run notes. Returns the number of stages.
int expectSameResultsAfterOpenAndSave(const fs::path& original) {
    TempDir asWritten;
    TempDir resaved;
    const std::string name = original.filename().string();
    const std::string text = readFile(original);
    writeFile(asWritten / name, text);
    writeFile(resaved / name, text);
    const int stages = openAndSave(resaved / name);
    EXPECT_EQ(wallWidths(readFile(resaved / name)), wallWidths(text));

    EXPECT_EQ(runProject(asWritten / name), 0);
    EXPECT_EQ(runProject(resaved / name), 0);
    const std::string stem = original.stem().string();
    const std::string report = readFile(resaved / (stem + ".tv5o"));
    EXPECT_NE(report.find("     END OF ANALYSIS"), std::string::npos);
    EXPECT_EQ(report.find("ERROR"), std::string::npos);
    for (const char* ext : {".tv5o", ".tv5p", ".tv5r"}) {
        SCOPED_TRACE(ext);
        EXPECT_EQ(outputWithoutFolder(resaved / (stem + ext)),
                  outputWithoutFolder(asWritten / (stem + ext)));
    }
    return stages;
}

} // namespace

// User-specified earth pressure and external p-y curves: no earth-pressure line, so the wall line
// is the only place of the width that sizes the tieback's spring.
TEST(ProjectRoundTrip, WidthOnTheWallLineOnlySurvivesOpenAndSave) {
    const fs::path handWritten = dataPath("tieback-external-curves.tv5d");
    TProjectTables tables;
    TProgramData p(tables, qpath(handWritten), 1);
    EXPECT_EQ(p.LoadOption, 1);
    EXPECT_EQ(p.PYOption, 1);
    EXPECT_EQ(p.ActiveWidth, 12.0L);
    EXPECT_EQ(wallWidths(p.SaveText().toStdString()), std::vector<double>{12});
    expectSameResultsAfterOpenAndSave(handWritten);
}

// The same project with a long-term block of its own, and as two stages of different widths: each
// block's wall line keeps its width, a stage read into the project included.
TEST(ProjectRoundTrip, LongTermBlockAndStagesKeepTheirWidths) {
    const std::string block = readFile(dataPath("tieback-external-curves.tv5d"));
    const std::string body = block.substr(0, block.size() - 3); // without the closing "0"
    TempDir dir;

    writeFile(dir / "long-term.tv5d", body + "9\r\n" + body + "0\r\n");
    {
        TProjectTables tables;
        TProgramData p(tables, qpath(dir / "long-term.tv5d"), 1);
        EXPECT_TRUE(p.LongTermAnalysis);
        EXPECT_EQ(wallWidths(p.SaveText().toStdString()), (std::vector<double>{12, 12}));
    }
    expectSameResultsAfterOpenAndSave(dir / "long-term.tv5d");

    // Stage n holds n anchor rows; stage 2 has the width 24.
    auto stage = [&](int n, const std::string& width) {
        std::string text = body;
        // The header's tail: p-y option, curve sets, stage count, moment-EI curves, tiebacks.
        text.replace(text.find("1 3 1 0 1"), 9, "1 3 2 0 " + std::to_string(n));
        text.replace(text.find("120\t12\r\n"), 8, "120\t" + width + "\r\n");
        if (n > 1) {
            text.replace(0, text.find('\r'), " Stage No : " + std::to_string(n));
            const size_t tieback = text.find("3\t0.868");
            text.insert(text.find("\r\n", tieback) + 2, "8\t0.868\t29000000\t15\t15\t8\r\n");
        }
        return text + std::to_string(n) + "\r\n";
    };
    writeFile(dir / "staged.tv5d", stage(1, "12") + stage(2, "24"));
    {
        TProjectTables tables;
        TProgramData p(tables, qpath(dir / "staged.tv5d"), 1);
        EXPECT_TRUE(PrepareOpenedStages(p).isEmpty());
        EXPECT_EQ(p.ActiveWidth, 12.0L);
        EXPECT_TRUE(SwitchStage(p, 2).isEmpty());
        EXPECT_EQ(p.ActiveWidth, 24.0L);
        EXPECT_EQ(tables.TiebackTable1().RowCount(), 2);
        EXPECT_TRUE(SwitchStage(p, 1).isEmpty());
        EXPECT_EQ(p.ActiveWidth, 12.0L);
    }
    EXPECT_EQ(expectSameResultsAfterOpenAndSave(dir / "staged.tv5d"), 2);
}

// Every example project shipped with the program, found in its folder so that new examples are
// covered too; a staged example is read and written stage by stage.
TEST(ProjectRoundTrip, EveryExampleAnalysesAsBeforeAfterOpenAndSave) {
    std::vector<fs::path> examples;
    for (const auto& entry : fs::directory_iterator(TERVANE_EXAMPLES))
        if (entry.path().extension() == ".tv5d") examples.push_back(entry.path());
    std::sort(examples.begin(), examples.end());
    ASSERT_FALSE(examples.empty());
    int staged = 0;
    for (const fs::path& example : examples) {
        SCOPED_TRACE(example.filename().string());
        if (expectSameResultsAfterOpenAndSave(example) > 1) ++staged;
    }
    EXPECT_GT(staged, 0) << "no staged example was read and written stage by stage";
}

// Curves generated from the soil layers, a load at the top and no earth pressure (load option 0,
// p-y option 2): the layers stay in use and are written back, in the long-term block too.
TEST(ProjectRoundTrip, GeneratedCurvesWithoutEarthPressureSurviveOpenAndSave) {
    const fs::path handWritten = dataPath("top-load-generated-curves.tv5d");
    {
        TProjectTables tables;
        TProgramData p(tables, qpath(handWritten), 1);
        EXPECT_EQ(p.GeneratePYCurves, 1);
        EXPECT_FALSE(p.GeneratedPressure || p.UserPressureTable);
        EXPECT_EQ(tables.NewSoil().RowCount(), 1);
        EXPECT_EQ(lines(p.SaveText().toStdString()).at(1), "1 0\t1\t0\t0\t2 0 1 0 0\r");
    }
    expectSameResultsAfterOpenAndSave(handWritten);

    // The long-term block repeats the project's title; a different one there does not replace it.
    const std::string block = readFile(handWritten);
    const std::string body = block.substr(0, block.size() - 3);
    const std::string title = body.substr(0, body.find('\r'));
    TempDir dir;
    writeFile(dir / "long-term.tv5d",
              body + "9\r\nLong-term" + body.substr(title.size()) + "0\r\n");
    TProjectTables tables;
    TProgramData p(tables, qpath(dir / "long-term.tv5d"), 1);
    EXPECT_EQ(p.Title.toStdString(), title);
    const auto saved = lines(p.SaveText().toStdString());
    const auto second = std::find(saved.begin() + 1, saved.end(), title + "\r");
    ASSERT_NE(second, saved.end());
    EXPECT_EQ(*(second + 1), "1 0\t1\t0\t0\t2 0 1 0 0\r"); // still no earth pressure
}
