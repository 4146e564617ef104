// The widget-free parts of the graph window: layout numbers, zoom rules, the read-out, marker
// outlines, fill codes and picture sizes.
#include "GraphLayout.h"
#include "GraphPainter.h"
#include "GraphScale.h"
#include "GraphZoom.h"
#include "LayerPatterns.h"
#include "SaveAttb.h"

#include <gtest/gtest.h>

namespace tervane {
namespace {

TLayoutInput window600x400() {
    TLayoutInput in;
    in.Client = {0, 0, 600, 400};
    in.FontHeight = 16;
    in.PpiX = in.PpiY = 96;
    return in;
}

TEST(GraphLayout, PlotAreaTitleLineAndStripOf600x400At96Ppi) {
    TLayoutInput in = window600x400();
    // 2F + Px/8 + F/8 = 32 + 12 + 2; client - Px/4 - F/2 = 600 - 24 - 8.
    TGraphLayout l = LayoutGraph(in);
    EXPECT_EQ(l.PlotArea, (TArea{46, 46, 568, 368}));
    EXPECT_EQ(l.GraphCount, 1);
    EXPECT_EQ(l.Graphs[0], l.PlotArea);
    EXPECT_FALSE(l.HasStrip);

    in.HasTitle = true;
    EXPECT_EQ(LayoutGraph(in).PlotArea, (TArea{46, 64, 568, 368})); // F/8 + F from the top
    in.TitleAtTop = false;
    EXPECT_EQ(LayoutGraph(in).PlotArea, (TArea{46, 46, 568, 352})); // F from the bottom

    in = window600x400();
    in.XOnTop = false; // F/2 + Py/4 down to the height - 2F - Py/8 - F/8
    EXPECT_EQ(LayoutGraph(in).PlotArea, (TArea{46, 32, 568, 354}));

    in = window600x400();
    in.ShowLayers = true; // one inch off the right; the strip from a fifth inch right of it
    l = LayoutGraph(in);
    EXPECT_EQ(l.PlotArea, (TArea{46, 46, 472, 368}));
    ASSERT_TRUE(l.HasStrip);
    EXPECT_EQ(l.Strip, (TArea{491, 46, 568, 368}));
    in.Target = TLayoutTarget::Picture; // half an inch in a saved picture
    EXPECT_EQ(LayoutGraph(in).Strip, (TArea{539, 46, 568, 368}));
}

QStringList majorLabels(const TAxisRange& range, int pixels, int fontHeight) {
    QStringList out;
    for (const TTick& t : GridTicks(range, GridSteps(range, pixels, fontHeight)))
        if (t.Major) out << TickLabel(t.Value);
    return out;
}

TEST(GraphLayout, TicksAndLabelsOverTheWindowsPlotArea) {
    TGraphPlot plot;
    plot.SetCurveCount(kCurveSetMain, 1);
    plot.SetPointCount(kCurveSetMain, 3);
    plot.Point(kCurveSetMain, 0, 1) = {1, 2};
    plot.Point(kCurveSetMain, 0, 2) = {2, 1};
    TGraphView view;
    view.Reset(plot);
    const TArea a = LayoutGraph(window600x400()).PlotArea; // 522 x 322 pixels, F = 16
    // x: 522 / 96 = 5 intervals of 0.4, rounded to 0.2; minor ticks every 0.04.
    const TGridSteps gx = GridSteps(view.Full[0].X, a.Width(), 16);
    EXPECT_DOUBLE_EQ(static_cast<double>(gx.Major), 0.2);
    EXPECT_EQ(GridTicks(view.Full[0].X, gx).size(), 51u);
    EXPECT_EQ(majorLabels(view.Full[0].X, a.Width(), 16),
              (QStringList{"0", "0.2", "0.4", "0.6", "0.8", "1", "1.2", "1.4", "1.6", "1.8", "2"}));
    // y: 322 / 96 = 3 intervals of 0.667, rounded to 0.5.
    EXPECT_EQ(majorLabels(view.Full[0].Y, a.Height(), 16),
              (QStringList{"0", "0.5", "1", "1.5", "2"}));
    // All-negative data: the range reaches 0; 5 intervals of 0.8 are rounded to 0.5.
    plot.Point(kCurveSetMain, 0, 0) = {-4, 0};
    plot.Point(kCurveSetMain, 0, 1) = {-1, 0};
    plot.Point(kCurveSetMain, 0, 2) = {-2, 0};
    view.Reset(plot);
    EXPECT_EQ(majorLabels(view.Full[0].X, a.Width(), 16),
              (QStringList{"-4", "-3.5", "-3", "-2.5", "-2", "-1.5", "-1", "-0.5", "0"}));
    // Depths of a zoomed range keep 4 significant digits.
    EXPECT_EQ(majorLabels(TAxisRange{12.3456L, 12.3556L, 0.001L}, 96 * 2, 16),
              (QStringList{"12.35", "12.36"}));
}

TEST(GraphLayout, ThreeGraphsShareTheAreaWithGaps) {
    TLayoutInput in = window600x400();
    in.ShowThree = true;
    in.ShowLayers = true;
    const TGraphLayout l = LayoutGraph(in);
    ASSERT_EQ(l.GraphCount, 3);
    // (426 - 4F - Px/2) / 3 = 104 wide, gaps of 2F + Px/4 = 56.
    EXPECT_EQ(l.Graphs[0], (TArea{46, 46, 150, 368}));
    EXPECT_EQ(l.Graphs[1], (TArea{206, 46, 310, 368}));
    EXPECT_EQ(l.Graphs[2], (TArea{366, 46, 470, 368}));
    EXPECT_EQ(GraphAt(l, 160), 0); // in a gap: the nearer graph
    EXPECT_EQ(GraphAt(l, 250), 1);
    EXPECT_EQ(GraphAt(l, 590), 2);
}

TEST(GraphLayout, PrinterPageAndLegendPlaces) {
    TLayoutInput in;
    in.Client = {100, 100, 1100, 1500};
    in.FontHeight = 40;
    in.PpiX = in.PpiY = 600;
    in.Target = TLayoutTarget::Printer;
    in.HasTitle = true;
    // 2F + Px/8 + F/8 = 80 + 75 + 5 from the left and the top, plus Py/4 for a title on top.
    EXPECT_EQ(LayoutGraph(in).PlotArea, (TArea{260, 410, 1100, 1500}));
    in.TitleAtTop = false;
    in.XOnTop = false; // a bottom title takes Py/2
    EXPECT_EQ(LayoutGraph(in).PlotArea, (TArea{260, 100, 1100, 1500 - 160 - 300}));

    const TArea area{46, 46, 568, 368};
    EXPECT_EQ(LegendHome(area, QSize(100, 40)), QPoint(468, 328));
    EXPECT_EQ(LegendInside(QPoint(580, -5), QSize(100, 40), QSize(600, 400)), QPoint(500, 0));
    // A legend at the window's top-left corner lands at the plot area's top-left corner.
    EXPECT_EQ(OutputLegendPlace(QPoint(0, 0), QSize(600, 400), TArea{260, 410, 1100, 1500}),
              QPoint(260, 410));
    EXPECT_EQ(OutputLegendPlace(QPoint(300, 200), QSize(600, 400), TArea{0, 0, 1000, 800}),
              QPoint(500, 400));
}

TEST(GraphZoom, BoxesNarrowerThanATwentiethAreWidenedAndKeptInside) {
    const TAxisRange full{0, 100, 10};
    TAxisRange r = ZoomInAxis(full, 41, 40); // a box 1/100 of the full range
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Min), 38);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Max), 43);
    r = ZoomInAxis(full, 0, 1); // widened about 0.5, then shifted back inside
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Min), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Max), 5);
    r = ZoomInAxis(full, 20, 60);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Min), 20);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Max), 60);

    // Zoom out doubles about the point, clamped into the full range; at full range nothing moves.
    r = ZoomOutAxis(full, TAxisRange{20, 30, 1}, 25);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Min), 15);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Max), 35);
    r = ZoomOutAxis(full, TAxisRange{0, 10, 1}, 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Min), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Max), 20);
    r = ZoomOutAxis(full, full, 80);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Min), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.Max), 100);
}

TEST(GraphZoom, ReleaseAtThePressPointKeepsTheRangeAndTheReadoutHasFiveDigits) {
    const TScaleRange full{{0, 100, 10}, {0, 50, 10}};
    TScaleRange current = full;
    const TArea area{0, 0, 100, 100};
    EXPECT_FALSE(ZoomInView(current, full, area, false, QPoint(10, 10), QPoint(10, 60)));
    EXPECT_FALSE(ZoomInView(current, full, area, false, QPoint(10, 10), QPoint(70, 10)));
    EXPECT_DOUBLE_EQ(static_cast<double>(current.X.Max), 100);
    // A release outside the area is clamped to its edge.
    EXPECT_TRUE(ZoomInView(current, full, area, false, QPoint(50, 50), QPoint(150, -20)));
    EXPECT_DOUBLE_EQ(static_cast<double>(current.X.Min), 50);
    EXPECT_DOUBLE_EQ(static_cast<double>(current.X.Max), 100);
    EXPECT_DOUBLE_EQ(static_cast<double>(current.Y.Min), 25);
    EXPECT_DOUBLE_EQ(static_cast<double>(current.Y.Max), 50);

    EXPECT_EQ(ReadoutTitle(QStringLiteral("p-y Curves"), 2, 3.14159L),
              QStringLiteral("p-y Curves X: 2 Y: 3.1416"));
    const TFloatPoint p = PixelToData(full, area, true, QPoint(-5, 200));
    EXPECT_DOUBLE_EQ(static_cast<double>(p.x), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.y), 50);
}

TEST(GraphPainter, MarkerOutlinesPenWidthAndAxisTitles) {
    const QPoint c(50, 50);
    const QPolygon triangle = MarkerPolygon(1, c, 3);
    ASSERT_EQ(triangle.size(), 3);
    EXPECT_EQ(triangle[0], QPoint(50, 53)); // the corner points down
    EXPECT_LT(triangle[1].y(), 50);
    EXPECT_EQ(MarkerPolygon(2, c, 3),
              QPolygon({QPoint(47, 47), QPoint(53, 47), QPoint(53, 53), QPoint(47, 53)}));
    const QPolygon diamond = MarkerPolygon(4, c, 3);
    EXPECT_EQ(diamond, QPolygon({QPoint(50, 47), QPoint(53, 50), QPoint(50, 53), QPoint(47, 50)}));
    EXPECT_EQ(MarkerPolygon(10, c, 3).size(), 10);
    EXPECT_EQ(MarkerPolygon(10, c, 3)[0], QPoint(50, 47)); // corner up
    EXPECT_EQ(MarkerShape(12), 2);

    EXPECT_EQ(CurvePenWidth(96, 1), 1);
    EXPECT_EQ(CurvePenWidth(600, 2), 6);
    EXPECT_EQ(AxisTitle(QStringLiteral("Deflection"), QStringLiteral("L"), 1),
              QStringLiteral("Deflection (in)"));
    EXPECT_EQ(AxisTitle(QStringLiteral("Deflection"), QStringLiteral("L"), 2),
              QStringLiteral("Deflection (m)"));
    EXPECT_EQ(AxisTitle(QStringLiteral("Depth (ft)"), QString(), 2), QStringLiteral("Depth (ft)"));
}

TEST(LayerPatterns, FillCodesAndPrintVariants) {
    EXPECT_EQ(FillCode(1), 1);    // clay
    EXPECT_EQ(FillCode(3.5L), 3); // sand
    EXPECT_EQ(FillCode(4.5L), 4); // strong rock
    EXPECT_EQ(FillCode(-1), kFillNone);
    EXPECT_TRUE(IsPictureFill(1));
    EXPECT_FALSE(IsPictureFill(2));
    for (int code = 7; code <= 12; ++code) {
        const QImage screen = LayerBrush(code, TPatternVariant::Screen, 600).textureImage();
        const QImage print = LayerBrush(code, TPatternVariant::Print, 600).textureImage();
        EXPECT_EQ(screen.width(), kScreenTile) << code;
        EXPECT_EQ(print.width(), 100) << code; // larger for the printer's pixels
        int ink = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                ink += qGray(screen.pixel(x, y)) < 128;
        EXPECT_GT(ink, 3) << code;
    }
    EXPECT_EQ(LayerBrush(3, TPatternVariant::Screen, 96).style(), Qt::CrossPattern);
    EXPECT_EQ(LayerBrush(0, TPatternVariant::Screen, 96).style(), Qt::NoBrush);
    EXPECT_EQ(LayerBrush(13, TPatternVariant::Screen, 96).style(), Qt::NoBrush);
}

TEST(PictureDialog, PixelsRoundHalvesToEvenAndHugePicturesAreRefused) {
    EXPECT_EQ(PicturePixels(6, 72), 432);
    EXPECT_EQ(PicturePixels(4, 72), 288);
    EXPECT_EQ(PicturePixels(2.5L, 75), 188); // 187.5
    EXPECT_EQ(PicturePixels(2.5L, 73), 182); // 182.5
    EXPECT_EQ(PicturePixels(1E12L, 1E12L), -1);
    EXPECT_TRUE(CreatePicture(100000, 100000).isNull());
    EXPECT_FALSE(CreatePicture(432, 288).isNull());
}

} // namespace
} // namespace tervane
