// A project entered through the model, saved and analysed by the engine through tervane-run,
// gives the same results as the same project written by hand.

#include "ProgramData.h"
#include "ProjectBuilders.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

using namespace tervane;
using namespace testsupport;

namespace {

constexpr const char* kFixedEpoch = "1425546247"; // report dates fixed so that reports compare

int runEngine(const fs::path& project) {
    setenv("SOURCE_DATE_EPOCH", kFixedEpoch, 1);
    const std::string command =
        "'" + binPath("tervane-run").string() + "' '" + project.string() + "' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// An output file with its folder replaced, so that runs in different folders compare.
std::string output(const fs::path& file) {
    std::string text = readFile(file);
    const std::string folder = file.parent_path().string();
    for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
        text.replace(at, folder.size(), "<folder>");
    return text;
}

} // namespace

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

    const int modelStatus = runEngine(byModel / "anchored-wall.tv5d");
    const int handStatus = runEngine(byHand / "anchored-wall.tv5d");
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
        EXPECT_EQ(output(byModel / name), output(byHand / name));
    }
}
