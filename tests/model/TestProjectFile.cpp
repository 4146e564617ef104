// Saving and opening project data files: the layout, round trips and damaged files.

#include "ColumnTypes.h"
#include "ProgramData.h"
#include "ProjectBuilders.h"
#include "TestSupport.h"
#include "WordRead.h"

#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace tervane;
using testsupport::TempDir;

namespace {

QString qpath(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

std::vector<std::string> fileLines(const QByteArray& text) {
    std::vector<std::string> out;
    for (const QByteArray& l : text.split('\n'))
        out.push_back(l.toStdString());
    return out;
}

using testsupport::buildFullProject;

// Saves, opens the file into the same tables and saves again: the two texts must agree.
QByteArray roundTrip(TProgramData& p, const TempDir& dir, std::unique_ptr<TProgramData>& opened) {
    p.FileName = qpath(dir / "project.tv5d");
    p.Save();
    const QByteArray first = QByteArray::fromStdString(testsupport::readFile(dir / "project.tv5d"));
    opened = std::make_unique<TProgramData>(p.Tables(), p.FileName, 1);
    EXPECT_EQ(opened->OpenMessage(), "");
    EXPECT_EQ(opened->SaveText(), first);
    return first;
}

} // namespace

TEST(ProjectFile, NumberTextOfTheWallLine) {
    TProjectTables t;
    TProgramData p(t);
    p.IncrementCount = 12;
    p.IncrementLength = 0.0254L;
    p.MaxDeflection = 123456789;
    p.Tolerance = 0.000012L;
    p.FreeHeight = 1.0L / 3;
    p.ActiveWidth = 100;
    EXPECT_EQ(fileLines(p.SaveText()).at(2), "12 0.0254\t1.2345679E8\t1.2E-5\t0.33333333\t100\r");
}

TEST(ProjectFile, EveryOptionOffGivesTheShortestFile) {
    TProjectTables t;
    TProgramData p(t);
    p.GeneratePYCurves = 0;
    t.BoundCond().Cell(1, 0).SetInteger(4); // discarded: the option is off
    EXPECT_EQ(p.SaveText(), QByteArray("New Wall\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n"
                                       "0 0\t100\t1E-5\t0\t0\r\n0\t0\t1\t0\r\n0\r\n0\r\n0\r\n"));
    EXPECT_EQ(p.LoadOption, 0);
    EXPECT_EQ(p.PYOption, 0);
    EXPECT_EQ(t.BoundCond().RowCount(), 0);
    EXPECT_EQ(t.PYMod().RowCount(), 0);
    EXPECT_EQ(t.PYCurves2().RowCount(), 0);
}

// A project entered through the model is saved as the hand-written file, byte for byte.
TEST(ProjectFile, SavedProjectMatchesTheHandWrittenFile) {
    TProjectTables t;
    TProgramData p(t);
    testsupport::buildAnchoredWall(p);
    TempDir dir;
    p.FileName = qpath(dir / "anchored-wall.tv5d");
    p.Save();
    const std::string expected = testsupport::readFile(testsupport::dataPath("anchored-wall.tv5d"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(testsupport::readFile(dir / "anchored-wall.tv5d"), expected);
    EXPECT_EQ(t.PileSect().Cell(2, 1).AsInteger(), 1); // the last row's mode became 1
    EXPECT_FALSE(p.IsModified());

    // Opening the hand-written file gives the values as entered.
    TProgramData q(t, qpath(testsupport::dataPath("anchored-wall.tv5d")), 1);
    EXPECT_EQ(q.OpenMessage(), "");
    EXPECT_EQ(q.Title, "Anchored sheet pile, stiff clay over sand");
    EXPECT_TRUE(q.ApplyTiebacks && q.ApplySurcharge && !q.ApplyRestraints);
    EXPECT_EQ(q.EarthPressureMethod, 2);
    EXPECT_EQ(q.GeneratePYCurves, 1);
    EXPECT_EQ(t.NewSoil().Cell(1, 1).AsFloat(), 50.0L);
    EXPECT_EQ(t.NewSoil().Cell(2, 1).AsTable()->Caption(), "Sand");
    EXPECT_NEAR(static_cast<double>(t.NewSoil().Cell(2, 0).AsTable()->Cell(0, 0).AsFloat()), 120,
                1e-6);
    EXPECT_EQ(t.TiebackTable1().Cell(0, 0).AsFloat(), 5.0L);
    EXPECT_EQ(q.SaveText(), QByteArray::fromStdString(expected));
}

TEST(ProjectFile, EveryTableRoundTripsInBothUnitSystems) {
    for (int units : {1, 2}) {
        SCOPED_TRACE(units);
        TProjectTables t;
        TProgramData p(t);
        p.ChangeUnits(units);
        buildFullProject(p);
        TempDir dir;
        std::unique_ptr<TProgramData> q;
        const auto lines = fileLines(roundTrip(p, dir, q));
        EXPECT_EQ(lines.at(0), "\tFull project, every table  \r");
        EXPECT_EQ(lines.at(1), std::to_string(units) + " 2\t2\t2\t3\t2 2 1 1 1\r");
        EXPECT_EQ(q->Title, p.Title);
        EXPECT_EQ(q->UnitSystem, units);
        EXPECT_EQ(q->EarthPressureMethod, 3);
        EXPECT_TRUE(q->LongTermAnalysis && q->ApplyRestraints && q->ApplyConcentratedLoads &&
                    q->ApplySprings && q->ApplyTiebacks && q->ApplyPYModifiers &&
                    q->ApplySurcharge && q->ApplyExternalPY && q->ApplyMomentEI);
        EXPECT_EQ(t.NewSoil().RowCount(), 7);
        EXPECT_EQ(t.NewSoil().Cell(2, 6).AsTable()->Caption(), "Weak Rock");
        EXPECT_EQ(t.NewSoil().Cell(2, 6).AsTable()->Cell(4, 1).AsFloat(), 714.5L);
        EXPECT_EQ(t.LongSoil().Cell(2, 0).AsTable()->Caption(), "Silt");
        EXPECT_EQ(t.PYCurves2().Cell(1, 1).AsTable()->RowCount(), 3);
        EXPECT_EQ(t.PYCurves2().Cell(3, 1).AsFloat(), 0.8L);
        EXPECT_EQ(t.MEICurves2().Cell(2, 0).AsTable()->Cell(1, 2).AsFloat(), 2.9E9L);
        EXPECT_EQ(t.SurchargeTable().Cell(0, 1).AsInteger(), 2);
        EXPECT_EQ(t.PYMod().Cell(2, 1).AsFloat(), 1.25L);
        // The long-term block: generated pressure as 2, no earth-pressure coefficients.
        const auto second = std::find(lines.begin() + 2, lines.end(), lines.at(0));
        ASSERT_NE(second, lines.end());
        EXPECT_EQ(*(second + 1), std::to_string(units) + " 2\t2\t2\t2\t2 2 1 1 1\r");
        EXPECT_EQ(*(lines.end() - 2), "0\r");
        EXPECT_EQ(*(second - 1), "9\r");
        const std::string siltTop = units == 1 ? "0.029079861 0.36284722 51.25 53.25 54.25 0.0  \r"
                                               : "50.25 52.25 51.25 53.25 54.25 0.0  \r";
        EXPECT_NE(std::find(second, lines.end(), siltTop), lines.end());
    }
}

TEST(ProjectFile, UserPressureTableAndDisabledTables) {
    TProjectTables t;
    TProgramData p(t);
    testsupport::buildAnchoredWall(p);
    p.UserPressureTable = true;
    p.GeneratedPressure = true;
    testsupport::setRow(t.DistLoad(), 0, {0, 0});
    testsupport::setRow(t.DistLoad(), 1, {15, 240}); // ft and lbs/ft
    p.LongTermAnalysis = true;
    testsupport::setRow(t.LongDist(), 0, {15, 360});
    p.ApplyConcentratedLoads = true;
    testsupport::setRow(t.BoundCond(), 0, {1, 5, 5, 100, 0, 0});
    p.ApplyConcentratedLoads = false; // switched off again before the save
    TempDir dir;
    std::unique_ptr<TProgramData> q;
    const auto lines = fileLines(roundTrip(p, dir, q));
    EXPECT_EQ(lines.at(1), "1 0\t2\t0\t1\t2 0 1 0 1\r");
    EXPECT_FALSE(p.GeneratedPressure);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "180\t20\r"), lines.end()); // 15 ft, 240/12
    EXPECT_NE(std::find(lines.begin(), lines.end(), "180\t30\r"), lines.end()); // long-term
    EXPECT_TRUE(q->UserPressureTable);
    EXPECT_EQ(t.DistLoad().Cell(1, 1).AsFloat(), 240.0L);
    EXPECT_EQ(t.LongDist().Cell(0, 0).AsFloat(), 15.0L);
    EXPECT_FALSE(q->ApplyConcentratedLoads);
    EXPECT_EQ(lines.at(5), "0\r"); // no concentrated loads
}

TEST(ProjectFile, MalformedValueKeepsWhatWasRead) {
    TProjectTables t;
    TempDir dir;
    auto open = [&](const std::string& text) {
        testsupport::writeFile(dir / "bad.tv5d", text);
        return std::make_unique<TProgramData>(t, qpath(dir / "bad.tv5d"), 1);
    };
    auto p = open("Damaged\r\n2 0\t2\t0\t0\t0 0 1 0 0\r\n40 0.5\t0.2\tabc\t6\t1\r\n");
    EXPECT_EQ(p->OpenMessage(), QStringLiteral("Error on Line 3 Item 4") + QChar(13) +
                                    "A floating point number was expected but not found.");
    EXPECT_EQ(p->Title, "Damaged");
    EXPECT_EQ(p->UnitSystem, 2);
    EXPECT_EQ(p->IncrementCount, 40);
    EXPECT_EQ(p->MaxDeflection, 0.2L);
    EXPECT_EQ(t.PileSect().RowCount(), 2);
    EXPECT_EQ(t.NewSoil().Units(), 2);
    EXPECT_EQ(t.PYMod().RowCount(), 2); // minimum rows after the failure
    EXPECT_FALSE(p->IsModified());

    p = open("Short\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n10 1\t1\t1\t1\t1\r\n0\t10\t1.5\t100\r\n");
    EXPECT_EQ(p->OpenMessage(), QStringLiteral("Error on Line 4 Item 3") + QChar(13) +
                                    "An integer was expected but not found.");
    p = open("Short\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n10 1\t1\t1\t1\t1\r\n");
    EXPECT_EQ(p->OpenMessage(), "This file either invalid or incomplete.");
    EXPECT_EQ(p->IncrementCount, 10);
    // A soil type outside the list is refused with its position.
    p = open("Soil\r\n1 0\t0\t0\t2\t2 0 1 0 0\r\n10 1\t1\t1\t1\t1\r\n0\r\n0\r\n"
             "1\t1\t1\t1\t1\t1\t1\t1\r\n0\t0\t0\t0\t0\t0\r\n0\r\n1\r\n9 120 \r\n");
    EXPECT_EQ(p->OpenMessage(), QStringLiteral("Error on Line 10 Item 1") + QChar(13) +
                                    "Choice must be between 1 and 7.");
    EXPECT_EQ(t.NewSoil().Cell(0, 0).AsInteger(), 1);
    // A count larger than the file can hold is refused before any row is made.
    p = open("Huge\r\n1 2000000000\t1\t0\t0\t0 0 1 0 0\r\n");
    EXPECT_EQ(p->OpenMessage(), QStringLiteral("Error on Line 2 Item 2") + QChar(13) +
                                    "The count 2000000000 does not fit the file.");
    EXPECT_EQ(t.Soillayer().RowCount(), 1);
    EXPECT_THROW(TProgramData(t, qpath(dir / "missing.tv5d"), 1), EInOutError);
}

TEST(ProjectFile, OldActivePressureFactorReadsAsOne) {
    TProjectTables t;
    TProgramData p(t);
    testsupport::buildAnchoredWall(p);
    p.ActivePressureFactor = 0.036L;
    TempDir dir;
    p.FileName = qpath(dir / "old.tv5d");
    p.Save();
    TProgramData q(t, p.FileName, 1);
    EXPECT_EQ(q.ActivePressureFactor, 1.0L);
}

TEST(ProjectFile, FailedSaveLeavesThePreviousFile) {
    TProjectTables t;
    TProgramData p(t);
    TempDir dir;
    p.FileName = qpath(dir / "missing-folder" / "wall.tv5d");
    EXPECT_THROW(p.Save(), EInOutError);
    p.FileName = qpath(dir / "wall.tv5d");
    p.Save();
    const std::string saved = testsupport::readFile(dir / "wall.tv5d");
    if (geteuid() != 0) { // permissions do not stop the superuser
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
        p.Title = QStringLiteral("Changed");
        try {
            p.Save();
            ADD_FAILURE() << "save into a read-only folder succeeded";
        } catch (const EInOutError& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(testsupport::readFile(dir / "wall.tv5d"), saved);
    }
}

TEST(ProjectFile, ActiveWidthOfAFileWithoutEarthPressureLineSurvivesOpening) {
    // A user pressure table with external p-y curves has no earth-pressure line: the wall line
    // alone keeps the active width, which the tieback springs divide by.
    TProjectTables t;
    TProgramData p(t);
    testsupport::buildAnchoredWall(p);
    p.UserPressureTable = true;
    p.GeneratePYCurves = false;
    p.ApplyExternalPY = true;
    testsupport::setRow(t.DistLoad(), 0, {0, 0});
    testsupport::setRow(t.DistLoad(), 1, {15, 240});
    t.PYCurves2().SetRowCount(2);
    testsupport::setRow(t.PYCurves2(), 0, {40, 0, 1, 1});
    testsupport::setRow(t.PYCurves2(), 1, {80, 0, 1, 1});
    for (int r = 0; r < 2; ++r) {
        TGridTable& curve = *t.PYCurves2().Cell(1, r).AsTable();
        curve.SetRowCount(3);
        testsupport::setRow(curve, 0, {-1, 100});
        testsupport::setRow(curve, 1, {0, 0});
        testsupport::setRow(curve, 2, {1, -100});
    }
    p.ActiveWidth = 24;
    TempDir dir;
    std::unique_ptr<TProgramData> q;
    const auto lines = fileLines(roundTrip(p, dir, q));
    EXPECT_EQ(lines.at(1), "1 0\t2\t0\t1\t1 2 1 0 1\r");
    EXPECT_EQ(static_cast<double>(q->ActiveWidth), 24.0);
}
