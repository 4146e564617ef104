// The staged-construction commands as the main window calls them: the stage display, the stage
// switch and its failure, Copy Previous Stage with its question, File Save of staged projects and
// older layouts, and a three-stage project entered stage by stage, saved and analysed.

#include "CurrentProject.h"
#include "ProgramData.h"
#include "ScriptedMessages.h"
#include "StageCommands.h"
#include "StageFiles.h"
#include "StagedProjectBuilders.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

using namespace tervane;
using namespace testsupport;
using test::TMsgKind;

namespace {

QString qpath(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// A project made current for the test, with scripted messages and the commands' display
// callbacks recorded.
struct TStagedFixture {
    TStagedFixture() : project(tables) {
        SetCurrentProject(&project);
        commands.onStageChanged = [this] { displays.push_back(StageDisplay(CurrentProject())); };
        commands.onStatusText = [this](const QString& s) { statusTexts << s; };
    }
    ~TStagedFixture() { SetCurrentProject(nullptr); }
    TempDir dir;
    test::TScriptedMessagesScope scope;
    TProjectTables tables;
    TProgramData project;
    TStageCommands commands;
    std::vector<TStageDisplay> displays;
    QStringList statusTexts;
};

// Runs the analysis of `project` through the command-line runner; its exit status.
int runEngine(const fs::path& project) {
    const std::string command =
        "'" + binPath("tervane-run").string() + "' '" + project.string() + "' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(StageCommands, DisplayNamesAndSaveAsProposals) {
    EXPECT_EQ(ProjectDisplayName(QStringLiteral("/p/anchored.wall.TV5D")), "Anchored");
    EXPECT_EQ(ProjectDisplayName(QStringLiteral("/p/old wall.tv4d")), "Old wall.tv4d");
    EXPECT_EQ(ProjectDisplayName(QStringLiteral("x.tv5d")), "x");
    EXPECT_EQ(SaveAsProposal(QStringLiteral("/p/old.wall.tvd")), "/p/old.wall.tv5d");
    EXPECT_EQ(SaveAsProposal(QStringLiteral("/p.q/wall")), "/p.q/wall.tv5d");
    EXPECT_EQ(SaveAsProposal(QStringLiteral("/p/wall.tv5d")), "/p/wall.tv5d");
    EXPECT_EQ(StageStatusText(2), "Construction Stage Number: 2");
}

TEST(StageCommands, FailedStageWriteIsShownAndTheStageStays) {
    TStagedFixture f;
    f.project.FileName = qpath(f.dir / "wall.tv5d");
    f.commands.changeStageCount(2);
    fs::remove(f.dir / "wall.st1");
    fs::create_directory(f.dir / "wall.st1");
    f.commands.switchStage(2);
    EXPECT_EQ(f.project.CurrentStage, 1);
    EXPECT_EQ(f.scope.messages.count(TMsgKind::Information), 1);
    EXPECT_EQ(f.displays.back().statusText, "Construction Stage Number: 1");
}

TEST(StageCommands, MalformedStageFileIsShownAndWhatWasReadKept) {
    TStagedFixture f;
    f.project.FileName = qpath(f.dir / "wall.tv5d");
    f.project.FreeHeight = 84;
    f.commands.changeStageCount(2);
    writeFile(f.dir / "wall.st2", " Stage No : 2\r\n1 0\t1\t0\t2\t2 0 2 0 0\r\n180 3\tten\r\n");
    f.commands.switchStage(2);
    EXPECT_EQ(f.project.CurrentStage, 2);
    EXPECT_EQ(f.project.IncrementCount, 180);
    ASSERT_EQ(f.scope.messages.count(TMsgKind::Information), 1);
    EXPECT_TRUE(f.scope.messages.informationTexts()[0].startsWith("Error on Line 3 Item "))
        << f.scope.messages.informationTexts()[0].toStdString();
}

TEST(StageCommands, CopyPreviousStageAsksFirst) {
    TStagedFixture f;
    f.project.FileName = qpath(f.dir / "wall.tv5d");
    f.project.FreeHeight = 84;
    f.commands.changeStageCount(3);
    f.commands.switchStage(2);
    f.project.FreeHeight = 192;
    f.commands.switchStage(3);
    f.project.FreeHeight = 312;
    f.scope.messages.answers = {TMsgAnswer::No, TMsgAnswer::Yes};
    f.commands.copyPreviousStage();
    EXPECT_DOUBLE_EQ(static_cast<double>(f.project.FreeHeight), 312);
    f.commands.copyPreviousStage();
    EXPECT_DOUBLE_EQ(static_cast<double>(f.project.FreeHeight), 192);
    EXPECT_EQ(f.project.CurrentStage, 3);
    EXPECT_EQ(f.scope.messages.texts(TMsgKind::YesNo),
              QStringList(2, QStringLiteral("Do you want to copy all information from Stage 2 to "
                                            "Stage 3")));
    // At stage 1 there is nothing to copy and nothing is asked.
    f.commands.switchStage(1);
    f.commands.copyPreviousStage();
    EXPECT_EQ(f.scope.messages.count(TMsgKind::YesNo), 2);
}

TEST(StageCommands, FileSaveOfAnOlderFileAsksForTheTv5dName) {
    TStagedFixture f;
    writeFile(f.dir / "old wall.tv4d", readFile(dataPath("older-2013.tv4d")));
    TProgramData opened(f.tables, qpath(f.dir / "old wall.tv4d"), 2);
    SetCurrentProject(&opened);
    f.commands.afterOpen();
    // Cancelled: nothing is written.
    EXPECT_FALSE(f.commands.fileSave());
    ASSERT_EQ(f.scope.messages.count(TMsgKind::SaveFile), 1);
    const TFileDialogRequest r = f.scope.messages.records.back().request;
    EXPECT_EQ(r.title, "Save Old wall.tv4d As");
    EXPECT_EQ(r.initialPath, qpath(f.dir / "old wall.tv5d"));
    EXPECT_EQ(r.filter, "Tervane 2015 (*.tv5d)|*.tv5d|All Files (*.*)|*.*");
    EXPECT_EQ(r.defaultExt, "tv5d");
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_FALSE(fs::exists(f.dir / "old wall.tv5d"));
    // Confirmed: the project is written in the current layout under the new name.
    f.scope.messages.files.push_back(TFileChoice{r.initialPath, 1});
    EXPECT_TRUE(f.commands.fileSave());
    EXPECT_EQ(opened.FileName, r.initialPath);
    EXPECT_EQ(lines(readFile(f.dir / "old wall.tv5d"))[1], "2 0\t1\t0\t2\t2 2 1 1 0\r");
    // Now in the current layout, File Save writes without a dialog.
    EXPECT_TRUE(f.commands.fileSave());
    EXPECT_EQ(f.scope.messages.count(TMsgKind::SaveFile), 2);
    SetCurrentProject(&f.project);
}

TEST(StageCommands, SaveAsUnderAnOlderNameIsRefused) {
    TStagedFixture f;
    f.project.FileName = qpath(f.dir / "wall.tv5d");
    f.commands.changeStageCount(2);
    EXPECT_FALSE(f.commands.saveAs(qpath(f.dir / "wall.tvd")));
    EXPECT_FALSE(fs::exists(f.dir / "wall.tvd"));
    EXPECT_EQ(f.project.FileName, qpath(f.dir / "wall.tv5d"));
    EXPECT_EQ(f.scope.messages.count(TMsgKind::Information), 1);
}

TEST(StageCommands, CancelledSaveAsOfAStagedProjectKeepsTheModifiedMark) {
    TStagedFixture f;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(qpath(f.dir.path())); // an untitled project's stage files go here
    f.commands.changeStageCount(2);
    f.project.FreeHeight = 120;
    f.project.SetModified();
    EXPECT_FALSE(f.commands.fileSave());
    EXPECT_TRUE(f.project.IsModified());
    EXPECT_TRUE(fs::exists(f.dir / "NewWall.st1"));
    QDir::setCurrent(previous);
}

// A three-stage project entered stage by stage through the commands, saved through Save As from
// its untitled name, and analysed: the report holds three problems and the plot file three
// result blocks (the graphs' lines "Stage: 1" to "Stage: 3").
TEST(StageCommands, ThreeStageProjectEnteredSavedAndAnalysed) {
    TStagedFixture f;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(qpath(f.dir.path()));
    enterExcavationStageOne(f.project);
    f.commands.changeStageCount(3);
    f.commands.switchStage(2);
    enterExcavationStageTwo(f.project);
    f.commands.switchStage(3);
    // Stage 3 starts as a copy of stage 2 and adds the second anchor row.
    f.scope.messages.answers.push_back(TMsgAnswer::Yes);
    f.commands.copyPreviousStage();
    enterExcavationStageThree(f.project);
    ASSERT_EQ(f.scope.messages.count(TMsgKind::Information), 0);

    const fs::path saved = f.dir / "excavation" / "three-stage.tv5d";
    fs::create_directory(saved.parent_path());
    f.scope.messages.files.push_back(TFileChoice{qpath(saved), 1});
    QString savedAs;
    f.commands.onSavedAs = [&savedAs](const QString& name) { savedAs = name; };
    ASSERT_TRUE(f.commands.fileSave());
    EXPECT_EQ(savedAs, qpath(saved));
    QDir::setCurrent(previous);
    EXPECT_EQ(f.scope.messages.records.back().request.title, "Save NewWall As");
    EXPECT_FALSE(f.project.IsModified());
    EXPECT_EQ(f.project.CurrentStage, 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_FALSE(fs::exists(f.dir / ("NewWall.st" + std::to_string(n)))) << n;
        EXPECT_TRUE(fs::exists(saved.parent_path() / ("three-stage.st" + std::to_string(n))));
    }
    // The joined file is the hand-written example, line for line.
    const fs::path example = fs::path(TERVANE_EXAMPLES) / "three-stage-excavation.tv5d";
    EXPECT_EQ(readFile(saved), readFile(example));

    ASSERT_EQ(runEngine(saved), 0);
    const std::string report = readFile(saved.parent_path() / "three-stage.tv5o");
    for (const char* stage : {"Stage No : 1  Three", "Stage No : 2  Three", "Stage No : 3  Three"})
        EXPECT_EQ(countOf(report, stage), 2U) << stage; // the header and the results
    EXPECT_EQ(countOf(report, "     END OF ANALYSIS"), 1U);
    EXPECT_EQ(report.find("ERROR"), std::string::npos);
    int blocks = 0;
    for (const std::string& l : lines(readFile(saved.parent_path() / "three-stage.tv5p"))) {
        int marker = 0, rows = 0, units = 0;
        if (std::sscanf(l.c_str(), "%d %d %d", &marker, &rows, &units) == 3 && marker == 3 &&
            rows == 182) // stations 0 .. N+1 for N = 180
            ++blocks;
    }
    EXPECT_EQ(blocks, 3);

    // Opened again, the file splits into its three stages.
    TProjectTables tables;
    TProgramData opened(tables, qpath(saved), 1);
    SetCurrentProject(&opened);
    f.commands.afterOpen();
    EXPECT_EQ(opened.StageCount, 3);
    EXPECT_EQ(f.displays.back().statusText, "Construction Stage Number: 1");
    f.commands.switchStage(3);
    EXPECT_DOUBLE_EQ(static_cast<double>(opened.FreeHeight), 312);
    EXPECT_EQ(tables.TiebackTable1().RowCount(), 2);
    EXPECT_TRUE(f.statusTexts.isEmpty()); // a current-layout file needs no update
    SetCurrentProject(&f.project);
}
