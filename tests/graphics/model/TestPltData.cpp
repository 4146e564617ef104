// The plot-data reader on plot files written here by hand: units, names, padding, the layer set
// and files that end early or hold nonsense. The examples analysed by the real engine are read in
// the analysis-run tests.

#include "PltData.h"
#include "ProgramData.h"
#include "TestSupport.h"

#include "../../components/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace tervane;
using testsupport::TempDir;

namespace {

// One problem block: a two-row load table, p-y curves of the given point counts (label value
// 12 * (c + 1)), and three result rows with the block's own deflection scale.
std::string problemBlock(int blocks, int units, std::initializer_list<int> curvePoints,
                         double scale) {
    std::string s = " 2\n"
                    "   0.000E+00   0.100E+01   0.100E-06   0.100E+01\n"
                    "   0.120E+03   0.200E+01   0.150E+01   0.500E+00\n";
    s += " " + std::to_string(units) + " " + std::to_string(curvePoints.size()) + "\n";
    int c = 0;
    for (int k : curvePoints) {
        s += "     " + std::to_string(12 * ++c) + ".00    " + std::to_string(k) + "\n";
        for (int i = 0; i < k; ++i)
            s += " " + std::to_string(i * 0.1) + " " + std::to_string(100 * c + i) + "\n";
    }
    s += " " + std::to_string(blocks) + " 3 " + std::to_string(units) + "\n";
    s += "    0.0000E+00    " + std::to_string(0.5 * scale) + "    0.0000E+00    0.0000E+00  0.0\n";
    s += "    0.1200E+03    " + std::to_string(0.25 * scale) +
         "    0.1250E+06   -0.2000E+04    0.1000E+02\n";
    s += "    0.2400E+03    0.0000E+00    0.0000E+00    0.0000E+00    0.0000E+00\n";
    return s;
}

class PltDataTest : public ::testing::Test {
protected:
    PltDataTest() : project(tables) {
        project.IncrementCount = 2;
        project.IncrementLength = 120;
        project.FreeHeight = 60;
        TGridTable& soil = tables.NewSoil();
        soil.SetRowCount(2);
        soil.Cell(0, 0).SetInteger(4);
        soil.Cell(1, 0).SetFloat(8);
        soil.Cell(0, 1).SetInteger(7);
        soil.Cell(1, 1).SetFloat(20);
    }
    QString write(const std::string& text) {
        const auto path = dir.path() / "wall.tv5p";
        testsupport::writeFile(path, text);
        return QString::fromStdString(path.string());
    }
    bool read(const std::string& text, bool afterRun = false) {
        return ReadPlots(models, project, write(text), afterRun,
                         [this](const QString& m) { messages << m; });
    }
    static QStringList names(const TGraphPlot& p) {
        QStringList out;
        for (int k = 0; k < p.CurveCount(kCurveSetMain); ++k)
            out << p.DisplayName(k);
        return out;
    }

    TempDir dir;
    TProjectTables tables;
    TProgramData project;
    TGraphModels models;
    QStringList messages;
};

double dbl(long double v) {
    return static_cast<double>(v);
}

} // namespace

TEST_F(PltDataTest, SingleProblemInEnglishUnits) {
    ASSERT_TRUE(read(problemBlock(1, 1, {17, 33}, 1), true));
    EXPECT_TRUE(messages.isEmpty());

    // Results: depth in feet, moment in kip-inches, shear in kips; deflection and reaction as read.
    ASSERT_EQ(models.pltMom.CurveCount(kCurveSetMain), 1);
    ASSERT_EQ(models.pltMom.PointCount(kCurveSetMain), 3);
    EXPECT_DOUBLE_EQ(dbl(models.pltMom.Point(kCurveSetMain, 0, 1).x), 125);
    EXPECT_DOUBLE_EQ(dbl(models.pltMom.Point(kCurveSetMain, 0, 1).y), 10);
    EXPECT_EQ(models.pltMom.XCaption, QStringLiteral("Bending Moment (in-kips)"));
    EXPECT_DOUBLE_EQ(dbl(models.pltShear.Point(kCurveSetMain, 0, 1).x), -2);
    EXPECT_EQ(models.pltShear.XCaption, QStringLiteral("Shear (kips)"));
    EXPECT_DOUBLE_EQ(dbl(models.pltDef.Point(kCurveSetMain, 0, 1).x), 0.25);
    EXPECT_DOUBLE_EQ(dbl(models.pltSoil.Point(kCurveSetMain, 0, 1).x), 10);
    for (const TGraphPlot* p :
         {&models.pltDef, &models.pltMom, &models.pltShear, &models.pltSoil, &models.pltLD})
        EXPECT_EQ(p->YCaption, QStringLiteral("Depth (ft)"));
    // One problem: the lines keep the model's curve name.
    EXPECT_EQ(names(models.pltDef), QStringList{QStringLiteral("Curve #1")});

    // The three panels of pltDMS hold deflection, moment and shear and take the captions over.
    EXPECT_DOUBLE_EQ(dbl(models.pltDMS.Point(kCurveSetMiddle, 0, 1).x), 125);
    EXPECT_DOUBLE_EQ(dbl(models.pltDMS.Point(kCurveSetRight, 0, 1).x), -2);
    EXPECT_EQ(models.pltDMS.XCaption2, QStringLiteral("Bending Moment (in-kips)"));
    EXPECT_EQ(models.pltDMS.YCaption3, QStringLiteral("Depth (ft)"));
    EXPECT_EQ(models.pltDMS.XUnits, QStringLiteral("L"));

    // Loads: depth in feet; the combined graph names its three lines.
    EXPECT_DOUBLE_EQ(dbl(models.pltLD.Point(kCurveSetMain, 0, 1).y), 10);
    EXPECT_DOUBLE_EQ(dbl(models.pltLD.Point(kCurveSetMain, 0, 1).x), 2);
    EXPECT_DOUBLE_EQ(dbl(models.PltCombine.Point(kCurveSetMain, 1, 1).x), 1.5);
    EXPECT_DOUBLE_EQ(dbl(models.PltCombine.Point(kCurveSetMain, 2, 1).y), 10);
    EXPECT_EQ(names(models.PltCombine),
              (QStringList{"Total Earth Pressure", "from Soils ", "from Surcharge Loads"}));

    // p-y curves of 17 and 33 points: the first repeats its last point 16 times.
    ASSERT_EQ(models.pltPY.CurveCount(kCurveSetMain), 2);
    EXPECT_EQ(models.pltPY.Line(kCurveSetMain, 0).PointCount(), 33);
    EXPECT_DOUBLE_EQ(dbl(models.pltPY.Line(kCurveSetMain, 0).Value), 12);
    for (int i = 16; i < 33; ++i)
        EXPECT_DOUBLE_EQ(dbl(models.pltPY.Point(kCurveSetMain, 0, i).y), 116);
    EXPECT_DOUBLE_EQ(dbl(models.pltPY.Point(kCurveSetMain, 1, 32).y), 232);

    // Layer set: one line per soil layer (depth as the table shows it), then the wall's toe and
    // the excavation depth in the same feet.
    const TGraphPlot& dms = models.pltDMS;
    ASSERT_EQ(dms.CurveCount(kCurveSetLayers), 4);
    EXPECT_EQ(dms.WallLineCount, 2);
    EXPECT_EQ(dms.Line(kCurveSetLayers, 0).Name, QStringLiteral(" SAND "));
    EXPECT_DOUBLE_EQ(dbl(dms.Point(kCurveSetLayers, 0, 0).x), 3.5);
    EXPECT_DOUBLE_EQ(dbl(dms.Point(kCurveSetLayers, 0, 0).y), 8);
    EXPECT_EQ(dms.Line(kCurveSetLayers, 1).Name, QStringLiteral("WEAK ROCK"));
    EXPECT_DOUBLE_EQ(dbl(dms.Point(kCurveSetLayers, 1, 0).x), 5);
    EXPECT_EQ(dms.Line(kCurveSetLayers, 2).Name, QStringLiteral("PILE"));
    EXPECT_DOUBLE_EQ(dbl(dms.Point(kCurveSetLayers, 2, 0).y), 20); // 2 x 120 in
    EXPECT_DOUBLE_EQ(dbl(dms.Point(kCurveSetLayers, 3, 0).y), 5);  // 60 in

    for (TGraphPlot* p : models.All())
        EXPECT_EQ(p->Units(), 1);
}

TEST_F(PltDataTest, SiUnitsAreShownAsRead) {
    project.UnitSystem = 2;
    ASSERT_TRUE(read(problemBlock(1, 2, {33}, 1)));
    EXPECT_DOUBLE_EQ(dbl(models.pltMom.Point(kCurveSetMain, 0, 1).x), 125000);
    EXPECT_DOUBLE_EQ(dbl(models.pltMom.Point(kCurveSetMain, 0, 1).y), 120);
    EXPECT_DOUBLE_EQ(dbl(models.PltCombine.Point(kCurveSetMain, 0, 1).y), 120);
    EXPECT_EQ(models.pltMom.XCaption, QStringLiteral("Bending Moment (m-kN)"));
    EXPECT_EQ(models.pltShear.XCaption, QStringLiteral("Shear (kN)"));
    EXPECT_EQ(models.pltDef.YCaption, QStringLiteral("Depth (m)"));
    EXPECT_DOUBLE_EQ(dbl(models.pltDMS.Point(kCurveSetLayers, 2, 0).y), 240);
    EXPECT_EQ(models.pltPY.Units(), 2);
}

TEST_F(PltDataTest, StagesAndLongTermNameTheirLines) {
    const std::string staged = problemBlock(3, 1, {33}, 1) + problemBlock(3, 1, {33, 33}, 2) +
                               problemBlock(3, 1, {33, 33, 17}, 3);
    ASSERT_TRUE(read(staged));
    for (const TGraphPlot* p :
         {&models.pltDef, &models.pltMom, &models.pltShear, &models.pltSoil, &models.pltDMS})
        EXPECT_EQ(names(*p), (QStringList{"Stage: 1", "Stage: 2", "Stage: 3"}));
    EXPECT_DOUBLE_EQ(dbl(models.pltDef.Point(kCurveSetMain, 2, 0).x), 1.5); // stage 3's own
    EXPECT_DOUBLE_EQ(dbl(models.pltDMS.Point(kCurveSetMain, 1, 0).x), 1.0);
    EXPECT_EQ(models.pltLD.CurveCount(kCurveSetMain), 3);
    EXPECT_DOUBLE_EQ(dbl(models.pltLD.Point(kCurveSetMain, 2, 1).y), 10); // later blocks in feet
    EXPECT_EQ(models.pltPY.CurveCount(kCurveSetMain), 3);                 // the last stage's curves
    EXPECT_EQ(models.pltPY.Line(kCurveSetMain, 2).PointCount(), 33);

    project.LongTermAnalysis = true;
    ASSERT_TRUE(read(problemBlock(2, 1, {33}, 1) + problemBlock(2, 1, {33}, 2)));
    EXPECT_EQ(names(models.pltMom), (QStringList{"Short-Term", "Long-Term"}));
    EXPECT_EQ(models.pltLD.CurveCount(kCurveSetMain), 2);

    // A later single-problem read starts from fresh curves: no names carried over.
    models.pltMom.Line(kCurveSetMain, 0).Plotted = false;
    ASSERT_TRUE(read(problemBlock(1, 1, {33}, 1)));
    EXPECT_EQ(names(models.pltMom), QStringList{"Curve #1"});
    EXPECT_TRUE(models.pltMom.Line(kCurveSetMain, 0).Plotted);
    EXPECT_EQ(models.pltLD.CurveCount(kCurveSetMain), 1);
}

TEST_F(PltDataTest, BrokenFilesStopAndKeepWhatWasRead) {
    const std::string whole = problemBlock(1, 1, {17, 33}, 1);
    // Cut inside the result block: the loads and curves stay, the message is shown after a run.
    const std::string cut = whole.substr(0, whole.rfind("    0.1200E+03"));
    EXPECT_FALSE(read(cut, true));
    EXPECT_EQ(messages, QStringList{kPlotReadFailed});
    EXPECT_EQ(models.pltPY.CurveCount(kCurveSetMain), 2);
    EXPECT_EQ(models.pltLD.PointCount(kCurveSetMain), 2);
    EXPECT_EQ(models.pltMom.PointCount(kCurveSetMain), 1); // the rows before the cut

    // When a project is opened the same failure is silent.
    messages.clear();
    EXPECT_FALSE(read(cut, false));
    EXPECT_TRUE(messages.isEmpty());

    // A word that is not a number; counts the file cannot hold; an empty or missing file.
    EXPECT_FALSE(read(" 2\n 0 x 0 0\n"));
    EXPECT_FALSE(read(" -3\n"));
    EXPECT_FALSE(read(" 2000000000\n 1 2 3 4\n"));
    EXPECT_FALSE(read(" 0\n 1 1\n 12.0 99999999\n"));
    EXPECT_FALSE(read(" 0\n 1 2000000000\n 12.0 1\n"));
    EXPECT_FALSE(read(" 0\n 1 0\n 0 3 1\n"));
    EXPECT_FALSE(read(""));
    EXPECT_FALSE(ReadPlots(models, project, QString::fromStdString((dir.path() / "none").string()),
                           true, [this](const QString& m) { messages << m; }));
    EXPECT_EQ(models.pltPY.PointCount(kCurveSetMain), 0); // every curve lost its points first
}
