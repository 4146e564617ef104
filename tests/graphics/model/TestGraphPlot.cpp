// The graph model: curve sets, point counts, display names, the curve limit and colours.

#include "GraphModels.h"
#include "GraphPlot.h"

#include "../../components/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QObject>

using namespace tervane;

TEST(GraphPlot, NewModelDefaults) {
    TGraphPlot p;
    EXPECT_EQ(p.CurveName, QStringLiteral("Curve #"));
    EXPECT_TRUE(p.XOnTop);
    EXPECT_TRUE(p.ShowLegend);
    EXPECT_FALSE(p.ShowLayers || p.ShowWall || p.ShowThree);
    EXPECT_TRUE(p.ShowFontWidth);
    EXPECT_EQ(p.Markers, 1);
    EXPECT_EQ(p.SizeFont, 10);
    EXPECT_EQ(p.LegendFont, 11);
    EXPECT_EQ(p.WidthLine, 1);
    EXPECT_EQ(p.Units(), 1);
    EXPECT_TRUE(p.CurveLimit);
    for (int set = 1; set <= kCurveSetCount; ++set) {
        EXPECT_EQ(p.CurveCount(set), 0);
        EXPECT_EQ(p.PointCount(set), 0);
    }
    p.SetUnits(7);
    EXPECT_EQ(p.Units(), 3);
    p.SetUnits(-1);
    EXPECT_EQ(p.Units(), 1);
}

TEST(GraphPlot, CurveAndPointCounts) {
    TGraphPlot p;
    p.SetCurveCount(kCurveSetMain, 3);
    ASSERT_EQ(p.CurveCount(kCurveSetMain), 3);
    EXPECT_EQ(p.Line(kCurveSetMain, 2).Value, 3); // value: 1-based position
    EXPECT_TRUE(p.Line(kCurveSetMain, 2).Plotted && p.Line(kCurveSetMain, 2).Active);
    p.SetPointCount(kCurveSetMain, 4);
    EXPECT_EQ(p.PointCount(kCurveSetMain), 4);
    p.Point(kCurveSetMain, 1, 3) = {7, 8};
    p.SetPointCount(kCurveSetMain, 6); // appended points are (0, 0)
    EXPECT_EQ(p.Point(kCurveSetMain, 1, 3).x, 7);
    EXPECT_EQ(p.Point(kCurveSetMain, 1, 5).y, 0);
    p.SetPointCount(kCurveSetMain, 2); // removed from the end
    EXPECT_EQ(p.Line(kCurveSetMain, 1).PointCount(), 2);

    // Shrinking keeps the first curves; growing again gives fresh curves.
    p.Line(kCurveSetMain, 0).Name = QStringLiteral("kept");
    p.Line(kCurveSetMain, 2).Value = 99;
    p.SetCurveCount(kCurveSetMain, 1);
    p.SetCurveCount(kCurveSetMain, 3);
    EXPECT_EQ(p.Line(kCurveSetMain, 0).Name, QStringLiteral("kept"));
    EXPECT_EQ(p.Line(kCurveSetMain, 2).Value, 3);
    EXPECT_EQ(p.Line(kCurveSetMain, 2).PointCount(), 0);
    p.SetCurveCount(kCurveSetMain, -5);
    EXPECT_EQ(p.CurveCount(kCurveSetMain), 0);

    // Sets are independent; a set outside 1..4 and a point outside a curve are refused.
    p.SetCurveCount(kCurveSetRight, 2);
    EXPECT_EQ(p.CurveCount(kCurveSetMiddle), 0);
    EXPECT_THROW(p.SetCurveCount(5, 1), std::out_of_range);
    EXPECT_THROW(p.CurveCount(0), std::out_of_range);
    EXPECT_THROW(p.Point(kCurveSetRight, 0, 0), std::out_of_range);
}

TEST(GraphPlot, PaddingRepeatsTheLastPoint) {
    TGraphPlot p;
    p.SetCurveCount(kCurveSetMain, 3);
    p.Line(kCurveSetMain, 0).SetPointCount(17);
    p.Point(kCurveSetMain, 0, 16) = {1.5L, -2};
    p.Line(kCurveSetMain, 1).SetPointCount(33);
    p.PadToLongest(kCurveSetMain);
    EXPECT_EQ(p.Line(kCurveSetMain, 0).PointCount(), 33);
    for (int i = 16; i < 33; ++i) {
        EXPECT_EQ(p.Point(kCurveSetMain, 0, i).x, 1.5L);
        EXPECT_EQ(p.Point(kCurveSetMain, 0, i).y, -2);
    }
    EXPECT_EQ(p.Line(kCurveSetMain, 2).PointCount(), 33); // an empty curve gets (0, 0) points
    p.ClearPoints();
    EXPECT_EQ(p.CurveCount(kCurveSetMain), 3);
    EXPECT_EQ(p.PointCount(kCurveSetMain), 0);
}

TEST(GraphPlot, DisplayNamesAndCurveLimit) {
    TGraphPlot p;
    p.CurveName = QStringLiteral("Load #");
    p.SetCurveCount(kCurveSetMain, 25);
    EXPECT_EQ(p.DisplayName(0), QStringLiteral("Load #1"));
    p.Line(kCurveSetMain, 1).Value = 2.5L;
    EXPECT_EQ(p.DisplayName(1), QStringLiteral("Load #2.5"));
    p.DefaultNames = {QStringLiteral("first"), QStringLiteral("second")};
    EXPECT_EQ(p.DisplayName(1), QStringLiteral("second"));
    EXPECT_EQ(p.DisplayName(2), QStringLiteral("Load #3"));
    p.Line(kCurveSetMain, 1).Name = QStringLiteral("Stage: 2");
    EXPECT_EQ(p.DisplayName(1), QStringLiteral("Stage: 2"));
    p.onGetCaption = [](int index, QString& value) {
        if (index == 1) value += QStringLiteral(" (ft)");
    };
    EXPECT_EQ(p.DisplayName(1), QStringLiteral("Stage: 2 (ft)"));
    p.onGetCaption = nullptr;

    // 25 curves: the legend lists the first 20 only, unless the limit is off.
    p.ApplyCurveLimit();
    EXPECT_EQ(p.LegendNames().size(), 20);
    EXPECT_FALSE(p.Line(kCurveSetMain, 20).Active);
    EXPECT_EQ(p.LegendNames().last(), QStringLiteral("Load #20"));
    p.CurveLimit = false;
    p.ApplyCurveLimit();
    EXPECT_EQ(p.LegendNames().size(), 25);
}

TEST(GraphPlot, ColourTable) {
    EXPECT_EQ(TGraphPlot::CurveColour(0), 0x000000u);
    EXPECT_EQ(TGraphPlot::CurveColour(1), 0x0000FFu);
    EXPECT_EQ(TGraphPlot::CurveColour(11), 0x00FF00u);
    EXPECT_EQ(TGraphPlot::CurveColour(10), 0x808080u); // curve 11 counted from 0 is 10
    EXPECT_EQ(TGraphPlot::CurveColour(16), 0x00FFFFu);
    EXPECT_EQ(TGraphPlot::CurveColour(17), 0x000000u);
}

TEST(GraphPlot, ShowGraphGoesThroughTheFactory) {
    TGraphPlot p;
    SetGraphWindowFactory(nullptr);
    EXPECT_FALSE(p.ShowGraph());
    int opened = 0;
    SetGraphWindowFactory([&opened](TGraphPlot& plot) {
        if (!plot.Window()) plot.SetWindow(new QObject);
        ++opened;
    });
    EXPECT_TRUE(p.ShowGraph());
    QObject* window = p.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(p.ShowGraph());
    EXPECT_EQ(p.Window(), window); // an open window is reused
    delete window;                 // closing the window frees it; the model forgets it
    EXPECT_EQ(p.Window(), nullptr);
    EXPECT_EQ(opened, 2);
    SetGraphWindowFactory(nullptr);
}

TEST(GraphModels, EightModelsWithTheirCaptions) {
    TGraphModels m;
    EXPECT_EQ(m.All().size(), 8u);
    EXPECT_EQ(m.pltPY.Caption, QStringLiteral("p-y Curves"));
    EXPECT_EQ(m.pltDMS.Caption, QStringLiteral("Deflection, Moment, Shear vs Depth"));
    EXPECT_EQ(m.PltCombine.Caption, QStringLiteral("Earth Pressure Combined"));
    EXPECT_FALSE(m.pltPY.XOnTop);
    EXPECT_TRUE(m.pltDMS.ShowThree);
    m.pltDef.SetCurveCount(kCurveSetMain, 1);
    m.pltDef.SetPointCount(kCurveSetMain, 3);
    EXPECT_TRUE(m.pltDef.HasData());
    m.ClearPoints();
    EXPECT_FALSE(m.pltDef.HasData());
    m.SetUnits(2);
    EXPECT_EQ(m.pltLD.Units(), 2);
}

TEST(GraphModels, CommandStatesFollowPlotsLoadedTheFileAndTheData) {
    TGraphModels m;
    for (TGraphPlot* p : {&m.pltDef, &m.pltMom, &m.pltShear, &m.pltPY}) {
        p->SetCurveCount(kCurveSetMain, 1);
        p->SetPointCount(kCurveSetMain, 2);
    }
    m.pltSoil.SetCurveCount(kCurveSetMain, 1);
    m.pltSoil.SetPointCount(kCurveSetMain, 1); // one point is no graph
    TGraphCommandStates s = GraphCommandStates(m, true, true);
    EXPECT_TRUE(s.Base && s.PY && s.Def && s.Mom && s.Shear && s.DMS);
    EXPECT_FALSE(s.Soil);
    EXPECT_FALSE(s.LD); // no curve at all
    m.pltShear.SetPointCount(kCurveSetMain, 0);
    EXPECT_FALSE(GraphCommandStates(m, true, true).DMS);
    // Without PlotsLoaded, or with the plot file gone, nothing is enabled.
    for (const auto& states :
         {GraphCommandStates(m, false, true), GraphCommandStates(m, true, false)})
        EXPECT_FALSE(states.Base || states.PY || states.Def || states.Mom || states.DMS);
}
