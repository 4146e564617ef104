// Opening projects saved in the older layouts: ".tv4d" and the two generations of ".tvd". The
// files under tests/data were written by hand from the layouts' rules; each test says what every
// line of its file holds.

#include "OlderProjectReader.h"
#include "ProgramData.h"
#include "StageFiles.h"
#include "StageOperations.h"
#include "TestSupport.h"
#include "WordRead.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tervane;
using namespace testsupport;

namespace {

QString qpath(const fs::path& p) {
    return QString::fromStdString(p.string());
}

QString data(const std::string& name) {
    return qpath(dataPath(name));
}

// Columns of the tables read below.
constexpr int kType = 0, kMagnitude = 1, kDistance = 2, kWidth = 3; // surcharge table
constexpr int kDepth = 1, kParams = 2;                              // soil-layer table

} // namespace

TEST(OlderLayouts, FormatIndexFromExtensionAndStageLayoutFromMarks) {
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("/a/b/wall.tv4d")), 2);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("wall.TVD")), 3);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("wall.tv5d")), 1);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("wall")), 1);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("dir.tvd/wall.txt")), 1);
    EXPECT_TRUE(IsCurrentLayout(QStringLiteral("Wall.TV5D")));
    EXPECT_FALSE(IsCurrentLayout(QStringLiteral("wall.tv4d")));

    TProjectTables t;
    TProgramData p(t);
    EXPECT_EQ(StageFormatIndex(p), 1);
    SetStageFormatMarks(p, QStringLiteral("wall.tvd"));
    EXPECT_EQ(StageFormatIndex(p), 3);
    SetStageFormatMarks(p, QStringLiteral("wall.tv4d"));
    EXPECT_EQ(StageFormatIndex(p), 2);
    SetStageFormatMarks(p, QStringLiteral("wall.tv5d"));
    EXPECT_EQ(StageFormatIndex(p), 1);
}

// older-third-generation.tvd, English units:
//  1 title
//  2 header: units 1, restraints 0, stiffness rows 1, modifiers 0, load option 2, p-y option 2,
//    curve sets 1, stage count 1 (no moment-EI count, no tieback count)
//  3 wall: 100 increments of 3, max. deflection 10, tolerance, free height 180 (no sixth value)
//  4 stiffness row;  5 concentrated loads 0;  6 springs 0 (no tieback lines)
//  7 earth-pressure line;  8 surcharge values: q 0, distance 5, point 5000, line 300, strip 2,
//    width 48 (no surcharge count or table)
//  9 one layer; 10 sand to 600 in; 11-12 its two parameter lines (126 pcf, 34 deg, k 90)
// 13 curve set at node 50 with 2 points (no multipliers); 14-15 the points;  16 continuation 0
TEST(OlderLayouts, ThirdGenerationSingleSurchargeBecomesThreeRows) {
    TProjectTables t;
    TProgramData p(t, data("older-third-generation.tvd"), kFormatThirdGeneration);
    EXPECT_EQ(p.OpenMessage(), "");
    EXPECT_EQ(p.Title, "Older wall, one surcharge");
    EXPECT_EQ(p.IncrementCount, 100);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 180);
    EXPECT_FALSE(p.ApplyTiebacks);
    EXPECT_FALSE(p.ApplyMomentEI);

    const TGridTable& s = t.SurchargeTable();
    ASSERT_EQ(s.RowCount(), 3);
    EXPECT_TRUE(p.ApplySurcharge);
    const long double magnitudes[] = {5000, 300, 2};
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(s.Cell(kType, r).AsInteger(), r + 1); // point, line, strip
        EXPECT_DOUBLE_EQ(static_cast<double>(s.Cell(kMagnitude, r).AsFloat()),
                         static_cast<double>(magnitudes[r]));
        EXPECT_DOUBLE_EQ(static_cast<double>(s.Cell(kDistance, r).AsFloat()), 5);
        EXPECT_DOUBLE_EQ(static_cast<double>(s.Cell(kWidth, r).AsFloat()), 48);
    }

    const TGridTable& soil = t.NewSoil();
    ASSERT_EQ(soil.RowCount(), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(soil.Cell(kDepth, 0).AsFloat()), 50);
    EXPECT_NEAR(static_cast<double>(soil.Cell(kParams, 0).AsTable()->Cell(0, 1).AsFloat()), 126,
                1E-4);

    // The curve set's line has no multipliers: both stay 1, and the points follow.
    const TGridTable& sets = t.PYCurves2();
    ASSERT_GE(sets.RowCount(), 1); // and the table's minimum rows
    EXPECT_EQ(sets.Cell(0, 0).AsInteger(), 50);
    EXPECT_DOUBLE_EQ(static_cast<double>(sets.Cell(2, 0).AsFloat()), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(sets.Cell(3, 0).AsFloat()), 1);
    const TGridTable& curve = *sets.Cell(1, 0).AsTable();
    ASSERT_EQ(curve.RowCount(), 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(curve.Cell(1, 1).AsFloat()), -500);

    EXPECT_TRUE(p.OldFormatMark);
    EXPECT_TRUE(p.CurrentFormatMark1);
    EXPECT_FALSE(p.CurrentFormatMark2);

    // Saved again, the project is in the current layout: three surcharge rows, six wall values.
    const QByteArray saved = p.SaveText();
    EXPECT_TRUE(saved.contains("\r\n3\r\n1\t5000\t5\t48\r\n2\t300\t5\t48\r\n3\t2\t5\t48\r\n"));
    EXPECT_TRUE(saved.contains("\r\n100 3\t10\t1E-5\t180\t12\r\n"));
}

// The single surcharge's distance and width are metres in SI; the table holds millimetres.
TEST(OlderLayouts, SingleSurchargeInSiGoesIntoTheTableInMillimetres) {
    TempDir dir;
    std::string text = readFile(dataPath("older-third-generation.tvd"));
    text.replace(text.find("1 0\t1"), 1, "2"); // unit system 2 in the header
    text.replace(text.find("0\t5\t5000\t300\t2\t48"), 17, "0\t1.5\t20\t10\t5\t2");
    writeFile(dir / "si.tvd", text);
    TProjectTables t;
    TProgramData p(t, qpath(dir / "si.tvd"), kFormatThirdGeneration);
    ASSERT_EQ(p.OpenMessage(), "");
    ASSERT_EQ(t.SurchargeTable().RowCount(), 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.SurchargeTable().Cell(kDistance, 2).AsFloat()), 1500);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.SurchargeTable().Cell(kWidth, 2).AsFloat()), 2000);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.SurchargeTable().Cell(kMagnitude, 1).AsFloat()), 10);
}

// older-second-generation.tvd, English units:
//  1 title
//  2 header: units 1, restraints 0, stiffness rows 1, modifiers 0, load option 2, p-y option 2,
//    curve sets 0 (no stage count)
//  3 wall (five values);  4 stiffness row;  5 concentrated loads 0;  6 springs 0
//  7 earth-pressure line;  8 surcharge values, distance 0: no surcharge
//  9 three layers: 10 stiff clay w/o free water, thickness 10; 11 its one line: unit weight 120,
//    cohesion 1000, (dropped), E50 0.007, k 500; 12 sand, thickness 5; 13 unit weight 126,
//    (dropped), friction angle 34, (dropped), k 90; 14 weak rock, thickness 20, no parameters
// (no continuation line: the layout holds one problem)
TEST(OlderLayouts, SecondGenerationLayersByThickness) {
    TProjectTables t;
    TProgramData p(t, data("older-second-generation.tvd"), kFormatSecondGeneration);
    EXPECT_EQ(p.OpenMessage(), "");
    EXPECT_EQ(p.StageCount, 1);
    EXPECT_EQ(t.SurchargeTable().RowCount(), 1); // minimum rows, all empty
    EXPECT_FALSE(p.ApplySurcharge);

    const TGridTable& soil = t.NewSoil();
    ASSERT_EQ(soil.RowCount(), 3);
    const double depths[] = {10, 15, 35};
    for (int r = 0; r < 3; ++r)
        EXPECT_DOUBLE_EQ(static_cast<double>(soil.Cell(kDepth, r).AsFloat()), depths[r]);

    // The one line fills the top and bottom rows alike, without unit conversion.
    const TGridTable& clay = *soil.Cell(kParams, 0).AsTable();
    for (int row = 0; row < 2; ++row) {
        EXPECT_DOUBLE_EQ(static_cast<double>(clay.Cell(0, row).AsFloat()), 120);
        EXPECT_DOUBLE_EQ(static_cast<double>(clay.Cell(1, row).AsFloat()), 1000);
        EXPECT_DOUBLE_EQ(static_cast<double>(clay.Cell(2, row).AsFloat()), 0.007);
        EXPECT_DOUBLE_EQ(static_cast<double>(clay.Cell(3, row).AsFloat()), 500);
    }
    const TGridTable& sand = *soil.Cell(kParams, 1).AsTable();
    EXPECT_DOUBLE_EQ(static_cast<double>(sand.Cell(1, 1).AsFloat()), 34);
    EXPECT_DOUBLE_EQ(static_cast<double>(sand.Cell(2, 1).AsFloat()), 90);

    // The weak rock's table keeps the defaults a new weak-rock layer has.
    TProjectTables fresh;
    fresh.Reset();
    fresh.NewSoil().Cell(0, 0).SetInteger(7);
    const TGridTable& rock = *soil.Cell(kParams, 2).AsTable();
    const TGridTable& defaults = *fresh.NewSoil().Cell(kParams, 0).AsTable();
    for (int c = 0; c < rock.ColumnCount(); ++c)
        EXPECT_EQ(rock.Cell(c, 0).AsText(), defaults.Cell(c, 0).AsText()) << c;

    EXPECT_FALSE(p.OldFormatMark);
    EXPECT_FALSE(p.CurrentFormatMark2);
}

// older-2013.tv4d, SI units:
//  1 title
//  2 header: units 2, restraints 0, stiffness rows 1, modifiers 0, load option 2, p-y option 2,
//    curve sets 1, stage count 1, moment-EI curves 1 (no tieback count)
//  3 wall: 60 increments of 0.1 m, max. deflection, tolerance, free height 3 (no sixth value)
//  4 stiffness row;  5 concentrated loads 0;  6 springs 0 (no tieback lines)
//  7 earth-pressure line (active width 1);  8 surcharge values
//  9 surcharge count 1; 10 a line load of 20 kN/m at 1500 mm
// 11 one layer; 12 sand to 6 m; 13-14 its parameter lines
// 15 curve set: node 30, 2 points, multipliers 1.5 and 0.8; 16-17 the points
// 18 moment-EI curve from node 10 to 40 with 2 points; 19-20 the points;  21 continuation 0
TEST(OlderLayouts, Format2013HasNoTiebacksOrSixthWallValue) {
    TProjectTables t;
    TProgramData p(t, data("older-2013.tv4d"), kFormat2013);
    EXPECT_EQ(p.OpenMessage(), "");
    EXPECT_EQ(p.UnitSystem, 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.ActiveWidth), 1);
    EXPECT_FALSE(p.ApplyTiebacks);
    EXPECT_TRUE(p.ApplySurcharge);
    ASSERT_EQ(t.SurchargeTable().RowCount(), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.SurchargeTable().Cell(kDistance, 0).AsFloat()), 1500);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.PYCurves2().Cell(2, 0).AsFloat()), 1.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.PYCurves2().Cell(3, 0).AsFloat()), 0.8);
    ASSERT_TRUE(p.ApplyMomentEI);
    const TGridTable& points = *t.MEICurves2().Cell(2, 0).AsTable();
    ASSERT_EQ(points.RowCount(), 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(points.Cell(1, 1).AsFloat()), 60000);
    EXPECT_FALSE(p.OldFormatMark);
    EXPECT_TRUE(p.CurrentFormatMark1);
    EXPECT_FALSE(p.CurrentFormatMark2);
}

// older-staged-2013.tv4d: two stages in the ".tv4d" layout, each block as in older-2013.tv4d
// but in English units with one sand layer, no surcharge and no curves, free heights 84 and 150;
// the header carries stage count 2, each block closes with its stage number, and the second
// block's title is " Stage No : 2".
TEST(OlderLayouts, StagedOlderFileIsBroughtUpToDateStageByStage) {
    TempDir dir;
    writeFile(dir / "staged.tv4d", readFile(dataPath("older-staged-2013.tv4d")));
    TProjectTables t;
    TProgramData p(t, qpath(dir / "staged.tv4d"), FormatIndexFromExtension(qpath(dir / "x.tv4d")));
    ASSERT_EQ(p.OpenMessage(), "");
    ASSERT_EQ(p.StageCount, 2);
    std::vector<int> shown;
    const QStringList messages = PrepareOpenedStages(p, [&shown](int n) { shown.push_back(n); });
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(shown, (std::vector<int>{1, 2}));
    EXPECT_EQ(p.CurrentStage, 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 84);
    EXPECT_TRUE(p.CurrentFormatMark2);

    // Both stage files are now in the current layout: ten header items, six wall values.
    const auto stage2 = lines(readFile(dir / "staged.st2"));
    ASSERT_GE(stage2.size(), 3U);
    EXPECT_EQ(stage2[0], " Stage No : 2\r");
    EXPECT_EQ(stage2[1], "1 0\t1\t0\t2\t2 0 2 0 0\r");
    EXPECT_EQ(stage2[2], "100 3\t10\t1E-5\t150\t12\r");
    EXPECT_EQ(stage2.back(), "2\r");
    EXPECT_EQ(lines(readFile(dir / "staged.st1"))[1], "1 0\t1\t0\t2\t2 0 2 0 0\r");

    // The stages read back in the current layout.
    EXPECT_TRUE(SwitchStage(p, 2).isEmpty());
    EXPECT_DOUBLE_EQ(static_cast<double>(p.FreeHeight), 150);
    EXPECT_EQ(p.Title, " Stage No : 2");
}

// A project named on the command line is read in the layout of its extension and, for ".tvd",
// its header, as a recent or a dropped file is.
TEST(OlderLayouts, CommandLinePathAndItsFormatIndex) {
    EXPECT_EQ(CommandLineProjectPath(QStringLiteral("/p.q/wall")), "/p.q/wall.tv5d");
    EXPECT_EQ(CommandLineProjectPath(QStringLiteral("wall.tvd")), "wall.tvd");
    EXPECT_EQ(FormatIndexFromExtension(CommandLineProjectPath(QStringLiteral("/p/old.tv4d"))), 2);
    EXPECT_EQ(FormatIndexFromExtension(CommandLineProjectPath(QStringLiteral("/p/wall"))), 1);
}

// Without a dialog's filter, a ".tvd" file's header line tells which generation wrote it; a
// second-generation file read as the third would take its wall line for a stage count.
TEST(OlderLayouts, FileNamedByPathAloneIsReadInTheLayoutOfItsHeader) {
    EXPECT_EQ(FormatIndexOfFile(data("older-second-generation.tvd")), kFormatSecondGeneration);
    EXPECT_EQ(FormatIndexOfFile(data("older-third-generation.tvd")), kFormatThirdGeneration);
    EXPECT_EQ(FormatIndexOfFile(data("older-2013.tv4d")), kFormat2013);
    TempDir dir;
    const fs::path current = dir / "renamed.tvd";
    writeFile(current, readFile(dataPath("../../examples/cantilever-sand.tv5d")));
    EXPECT_EQ(FormatIndexOfFile(qpath(current)), kFormatCurrent);
    writeFile(dir / "title-only.tvd", "A title without a header");
    EXPECT_EQ(FormatIndexOfFile(qpath(dir / "title-only.tvd")), kFormatThirdGeneration);
    EXPECT_EQ(FormatIndexOfFile(qpath(dir / "missing.tvd")), kFormatThirdGeneration);

    TProjectTables t;
    const TProgramData p(t, data("older-second-generation.tvd"),
                         FormatIndexOfFile(data("older-second-generation.tvd")));
    EXPECT_EQ(p.OpenMessage(), "");
    EXPECT_EQ(p.StageCount, 1);
}

// Older files are only read: saving under an older name is refused and leaves the file alone.
TEST(OlderLayouts, OlderFileIsNeverWritten) {
    TempDir dir;
    const std::string original = readFile(dataPath("older-third-generation.tvd"));
    writeFile(dir / "old.tvd", original);
    TProjectTables t;
    TProgramData p(t, qpath(dir / "old.tvd"), FormatIndexFromExtension(qpath(dir / "old.tvd")));
    p.SetModified();
    EXPECT_THROW(p.Save(), EInOutError);
    EXPECT_TRUE(p.IsModified());
    EXPECT_EQ(readFile(dir / "old.tvd"), original);
}
