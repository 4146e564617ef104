// Staged projects: stage files written and read as the stage changes, the stage count changed,
// the stage files joined into the project file and split from it again.

#include "ProgramData.h"
#include "ProjectBuilders.h"
#include "StageFiles.h"
#include "StageOperations.h"
#include "TestSupport.h"
#include "WordRead.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tervane;
using namespace testsupport;

namespace {

QString qpath(const fs::path& p) {
    return QString::fromStdString(p.string());
}

bool stageExists(const TProgramData& p, int n) {
    return QFileInfo::exists(StageFileName(p.FileName, n));
}

std::vector<std::string> stageLines(const TProgramData& p, int n) {
    return lines(readFile(StageFileName(p.FileName, n).toStdString()));
}

// The anchored wall under `dir`, with the trapezoidal pressure chosen.
void buildWall(TProgramData& p, const TempDir& dir) {
    buildAnchoredWall(p);
    p.EarthPressureMethod = 3;
    p.FileName = qpath(dir / "wall.tv5d");
}

// The lines of two stage files, without their first and last lines.
void expectSameStageData(std::vector<std::string> a, std::vector<std::string> b) {
    ASSERT_GE(a.size(), 2U);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(std::vector<std::string>(a.begin() + 1, a.end() - 1),
              std::vector<std::string>(b.begin() + 1, b.end() - 1));
}

} // namespace

TEST(StageFiles, StageFileNamesReplaceTheExtension) {
    EXPECT_EQ(StageFileName(QStringLiteral("/a/b.c/wall.tv5d"), 3), "/a/b.c/wall.st3");
    EXPECT_EQ(StageFileName(QStringLiteral("/a/b.c/wall"), 1), "/a/b.c/wall.st1");
    EXPECT_EQ(StageFileName(QStringLiteral("old.wall.tv4d"), 5), "old.wall.st5");
}

TEST(StageFiles, RaisingTheCountFromOneToThreeWritesThreeLikeStages) {
    TempDir dir;
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    writeFile(dir / "wall.st2", "stale stage file of an earlier staging\r\n");
    EXPECT_TRUE(ChangeStageCount(p, 3).isEmpty());
    EXPECT_EQ(p.StageCount, 3);
    EXPECT_EQ(p.CurrentStage, 1);
    EXPECT_TRUE(p.IsModified());
    const auto s1 = stageLines(p, 1), s2 = stageLines(p, 2), s3 = stageLines(p, 3);
    EXPECT_EQ(s1[0], "Anchored sheet pile, stiff clay over sand\r");
    EXPECT_EQ(s2[0], " Stage No : 2\r");
    EXPECT_EQ(s3[0], " Stage No : 3\r");
    // The header carries the stage count and the trapezoidal pressure as load option 2.
    EXPECT_EQ(s1[1], "1 0\t2\t0\t2\t2 0 3 0 1\r");
    EXPECT_EQ(s1.back(), "1\r");
    EXPECT_EQ(s2.back(), "2\r");
    EXPECT_EQ(s3.back(), "3\r");
    expectSameStageData(s1, s2);
    expectSameStageData(s1, s3);
    EXPECT_FALSE(stageExists(p, 4));

    // Saved, the project file holds the three blocks in order, closed by 1, 2 and 3.
    p.Save();
    EXPECT_FALSE(p.IsModified());
    const std::string joined = readFile(dir / "wall.tv5d");
    EXPECT_EQ(joined,
              readFile(dir / "wall.st1") + readFile(dir / "wall.st2") + readFile(dir / "wall.st3"));
    const auto blocks = StageBlocks(QByteArray::fromStdString(joined));
    ASSERT_EQ(blocks.size(), 3U);
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(blocks[n].last(), QByteArray::number(n + 1));
}

TEST(StageFiles, LoweringTheCountFromFourToTwoReturnsToStageOne) {
    TempDir dir;
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    ChangeStageCount(p, 4);
    SwitchStage(p, 3);
    p.FreeHeight = 240; // unsaved edit of stage 3, kept in its file
    ChangeStageCount(p, 2);
    EXPECT_EQ(p.StageCount, 2);
    EXPECT_EQ(p.CurrentStage, 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 180);
    EXPECT_TRUE(stageExists(p, 2));
    EXPECT_FALSE(stageExists(p, 3));
    EXPECT_FALSE(stageExists(p, 4));
    EXPECT_EQ(stageLines(p, 2)[1], "1 0\t2\t0\t2\t2 0 2 0 1\r");

    // Raising it again at stage 2: the new stages start as copies of stage 2.
    SwitchStage(p, 2);
    p.FreeHeight = 200;
    ChangeStageCount(p, 3);
    EXPECT_EQ(p.CurrentStage, 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 200);
    expectSameStageData(stageLines(p, 2), stageLines(p, 3));

    // Staging switched off: every stage file goes, the project keeps its title.
    ChangeStageCount(p, 1);
    EXPECT_EQ(p.StageCount, 1);
    EXPECT_EQ(p.CurrentStage, 1);
    EXPECT_EQ(p.Title, "Anchored sheet pile, stiff clay over sand");
    for (int n = 1; n <= 5; ++n)
        EXPECT_FALSE(stageExists(p, n)) << n;
}

TEST(StageFiles, SwitchingStagesKeepsUnsavedEditsAndTheModifiedMark) {
    TempDir dir;
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    ChangeStageCount(p, 3);
    p.Save();
    SwitchStage(p, 2);
    EXPECT_EQ(p.Title, " Stage No : 2");
    EXPECT_FALSE(p.IsModified());
    p.FreeHeight = 192;
    t.TiebackTable1().SetRowCount(2);
    t.TiebackTable1().Cell(0, 1).SetFloat(13);
    p.SetModified();
    SwitchStage(p, 3);
    EXPECT_TRUE(p.IsModified());
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 180);
    EXPECT_EQ(t.TiebackTable1().RowCount(), 1);
    SwitchStage(p, 2);
    EXPECT_TRUE(p.IsModified());
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 192);
    ASSERT_EQ(t.TiebackTable1().RowCount(), 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.TiebackTable1().Cell(0, 1).AsFloat()), 13);
    // Nothing happens for the current stage or a stage the project does not have.
    EXPECT_TRUE(SwitchStage(p, 4).isEmpty());
    EXPECT_EQ(p.CurrentStage, 2);
}

TEST(StageFiles, StageThatCannotBeWrittenStopsTheSwitch) {
    TempDir dir;
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    ChangeStageCount(p, 2);
    p.FreeHeight = 99;
    fs::remove(dir / "wall.st1");
    fs::create_directory(dir / "wall.st1"); // the stage file's name is taken by a folder
    EXPECT_THROW(SwitchStage(p, 2), EInOutError);
    EXPECT_EQ(p.CurrentStage, 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 99);
    EXPECT_THROW(p.Save(), EInOutError);
}

TEST(StageFiles, CopyPreviousStageAtStageThree) {
    TempDir dir;
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    ChangeStageCount(p, 3);
    SwitchStage(p, 2);
    p.FreeHeight = 192;
    SwitchStage(p, 3);
    p.FreeHeight = 312;
    p.ClearModified();
    CopyPreviousStage(p);
    EXPECT_EQ(p.CurrentStage, 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 192);
    EXPECT_TRUE(p.IsModified()); // the project file does not hold the copy yet
    const auto s2 = stageLines(p, 2), s3 = stageLines(p, 3);
    EXPECT_EQ(s3[0], " Stage No : 3\r");
    EXPECT_EQ(s3.back(), "3\r");
    expectSameStageData(s2, s3);
}

TEST(StageFiles, TitleHoldingTheStageMarkDoesNotSplitTheFile) {
    TempDir dir;
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    p.Title = QStringLiteral(" Stage No : 7 of the retrofit");
    ChangeStageCount(p, 3);
    p.Save();
    const auto blocks = StageBlocks(QByteArray::fromStdString(readFile(dir / "wall.tv5d")));
    ASSERT_EQ(blocks.size(), 3U);
    EXPECT_EQ(blocks[0].first(), " Stage No : 7 of the retrofit");
    EXPECT_EQ(blocks[1].first(), " Stage No : 2");

    // Opened again, the file splits into the three stage files it was joined from.
    const std::string st1 = readFile(dir / "wall.st1");
    fs::remove(dir / "wall.st1");
    TProjectTables t2;
    TProgramData opened(t2, p.FileName, 1);
    ASSERT_EQ(opened.StageCount, 3);
    PrepareOpenedStages(opened);
    EXPECT_EQ(readFile(dir / "wall.st1"), st1);
    EXPECT_EQ(opened.Title, " Stage No : 7 of the retrofit");
    EXPECT_TRUE(SwitchStage(opened, 3).isEmpty());
    EXPECT_EQ(opened.Title, " Stage No : 3");
}

TEST(StageFiles, SplitDeletesOldStageFilesAndSkipsMissingBlocks) {
    TempDir dir;
    // A file whose header claims three stages but holds two blocks.
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    ChangeStageCount(p, 2);
    p.Save();
    writeFile(dir / "wall.st5", "left over\r\n");
    std::string text = readFile(dir / "wall.tv5d");
    for (size_t at = text.find(" 0 2 0 1\r"); at != std::string::npos;
         at = text.find(" 0 2 0 1\r", at))
        text.replace(at, 9, " 0 3 0 1\r");
    writeFile(dir / "wall.tv5d", text);
    EXPECT_EQ(SplitStages(p.FileName, 3), 2);
    EXPECT_TRUE(stageExists(p, 2));
    EXPECT_FALSE(stageExists(p, 3));
    EXPECT_FALSE(stageExists(p, 5));
    // Joining needs every stage file: a missing one is an error, the file stays as it was.
    EXPECT_THROW(JoinStages(p.FileName, 3), EInOutError);
    EXPECT_EQ(readFile(dir / "wall.tv5d"), text);
}

TEST(StageFiles, SaveAsJoinsAndRenamesTheStageFiles) {
    TempDir dir;
    TProjectTables t;
    TProgramData p(t);
    buildWall(p, dir);
    ChangeStageCount(p, 2);
    p.Save();
    const std::string joined = readFile(dir / "wall.tv5d");
    const std::string st2 = readFile(dir / "wall.st2");
    fs::create_directory(dir / "other");
    writeFile(dir / "other" / "copy.st4", "stale\r\n");
    const QString newName = qpath(dir / "other" / "copy.tv5d");
    JoinStagesForSaveAs(newName, p.FileName, 2);
    EXPECT_EQ(readFile(dir / "other" / "copy.tv5d"), joined);
    EXPECT_EQ(readFile(dir / "other" / "copy.st2"), st2);
    EXPECT_FALSE(fs::exists(dir / "wall.st1"));
    EXPECT_FALSE(fs::exists(dir / "wall.st2"));
    EXPECT_FALSE(fs::exists(dir / "other" / "copy.st4"));
    // The same base name in the same folder (an older file saved as ".tv5d") keeps its files.
    JoinStagesForSaveAs(qpath(dir / "other" / "copy.TV5D"), newName, 2);
    EXPECT_EQ(readFile(dir / "other" / "copy.st2"), st2);
}

// Stage blocks of any length are copied whole (no line buffer limit), line ends made CR LF.
TEST(StageFiles, LongStagesSplitAndJoinWhole) {
    TempDir dir;
    std::string text = "Long wall\n";
    for (int i = 0; i < 700; ++i)
        text += std::to_string(i) + "\t1.5\n";
    text += "1\n Stage No : 2\n7\n2"; // the last line without a line end
    writeFile(dir / "long.tv5d", text);
    const QString file = qpath(dir / "long.tv5d");
    EXPECT_EQ(SplitStages(file, 2), 2);
    EXPECT_EQ(lines(readFile(dir / "long.st1")).size(), 702U);
    EXPECT_EQ(readFile(dir / "long.st2"), " Stage No : 2\r\n7\r\n2\r\n");
    JoinStages(file, 2);
    std::string crlf;
    for (const std::string& l : lines(text))
        crlf += l + "\r\n";
    EXPECT_EQ(readFile(dir / "long.tv5d"), crlf);
}
