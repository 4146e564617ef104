// A project entered through the model, saved and analysed by the engine through tervane-run,
// gives the same results as the same project written by hand.

#include "ProgramData.h"
#include "ProjectBuilders.h"
#include "ProjectRuns.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace tervane;
using namespace testsupport;

TEST(EndToEnd, ModelProjectAnalysesAsTheHandWrittenOne) {
    TempDir byModel;
    TempDir byHand;
    TProjectTables tables;
    TProgramData project(tables);
    buildAnchoredWall(project);
    project.FileName = QString::fromStdString((byModel / "anchored-wall.tv5d").string());
    project.Save();
    const std::string handWritten = readFile(dataPath("anchored-wall.tv5d"));
    writeFile(byHand / "anchored-wall.tv5d", handWritten);
    ASSERT_EQ(readFile(byModel / "anchored-wall.tv5d"), handWritten);

    const int modelStatus = runProject(byModel / "anchored-wall.tv5d");
    const int handStatus = runProject(byHand / "anchored-wall.tv5d");
    EXPECT_EQ(modelStatus, 0);
    EXPECT_EQ(handStatus, 0);
    // The analysis runs to its end: no error stop, a converged solution, a full result block.
    const std::string report = readFile(byModel / "anchored-wall.tv5o");
    EXPECT_NE(report.find("     END OF ANALYSIS"), std::string::npos);
    EXPECT_EQ(report.find("ERROR"), std::string::npos);
    EXPECT_EQ(report.find("TOO MUCH DATA"), std::string::npos);
    const auto plot = lines(readFile(byModel / "anchored-wall.tv5p"));
    ASSERT_FALSE(plot.empty());
    int marker = 0, rows = 0, units = 0;
    bool resultBlock = false;
    for (const std::string& l : plot)
        if (std::sscanf(l.c_str(), "%d %d %d", &marker, &rows, &units) == 3 && marker == 1 &&
            rows == 102) // stations 0 .. N+1 for N = 100
            resultBlock = true;
    EXPECT_TRUE(resultBlock);
    for (const char* ext : {".tv5o", ".tv5p", ".tv5r"}) {
        SCOPED_TRACE(ext);
        const std::string name = std::string("anchored-wall") + ext;
        ASSERT_TRUE(fs::exists(byHand / name));
        EXPECT_EQ(outputWithoutFolder(byModel / name), outputWithoutFolder(byHand / name));
    }
}
