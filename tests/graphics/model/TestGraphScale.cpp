// Scale ranges, steps, the data-to-pixel mapping and the grid of the graph window.

#include "GraphScale.h"

#include <gtest/gtest.h>

using namespace tervane;

namespace {

std::vector<TLine> oneCurve(std::initializer_list<TFloatPoint> points) {
    std::vector<TLine> curves(1);
    curves[0].Points = points;
    return curves;
}

void expectRange(const TAxisRange& r, long double min, long double max, long double step) {
    EXPECT_NEAR(static_cast<double>(r.Min), static_cast<double>(min), 1e-12);
    EXPECT_NEAR(static_cast<double>(r.Max), static_cast<double>(max), 1e-12);
    EXPECT_NEAR(static_cast<double>(r.Step), static_cast<double>(step), 1e-15);
}

} // namespace

TEST(GraphScale, RangesContainZeroAndRoundOutwardsToTheStep) {
    // (0,0), (1,2), (2,1): x 0 to 2 on a step of 0.1, y 0 to 2.
    const TScaleRange r = CurveSetRange(oneCurve({{0, 0}, {1, 2}, {2, 1}}));
    expectRange(r.X, 0, 2, 0.1L);
    expectRange(r.Y, 0, 2, 0.1L);

    // All-negative data still reaches 0.
    expectRange(CurveSetRange(oneCurve({{-4, 1}, {-1, 1}})).X, -4, 0, 1);
    // A flat curve at 5: 0 to 5; flat at 0: -0.01 to 0.01, already on its step of 0.001.
    expectRange(CurveSetRange(oneCurve({{1, 5}, {2, 5}})).Y, 0, 5, 1);
    expectRange(CurveSetRange(oneCurve({{1, 0}, {2, 0}})).Y, -0.01L, 0.01L, 0.001L);
    // Ends off the step move outwards: -3.7 .. 12.2 (width 15.9, step 1) gives -4 .. 13.
    expectRange(CurveSetRange(oneCurve({{-3.7L, 0}, {12.2L, 0}})).X, -4, 13, 1);
    // No curves, or curves without points: the flat range around 0.
    expectRange(CurveSetRange({}).X, -0.01L, 0.01L, 0.001L);
}

TEST(GraphScale, StepFollowsTheWidthsDecade) {
    EXPECT_DOUBLE_EQ(static_cast<double>(RangeStep(1)), 0.1);
    EXPECT_DOUBLE_EQ(static_cast<double>(RangeStep(2.99L)), 0.1);
    EXPECT_DOUBLE_EQ(static_cast<double>(RangeStep(3)), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(RangeStep(9.99L)), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(RangeStep(10)), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(RangeStep(125000)), 10000);
    EXPECT_NEAR(static_cast<double>(RangeStep(0.05L)), 0.01, 1e-15);
    // Degenerate widths never give a zero or infinite step.
    EXPECT_EQ(RangeStep(0), 1);
    EXPECT_EQ(RangeStep(-2), 1);
}

TEST(GraphScale, MappingAndItsInverse) {
    const TAxisRange r{0, 10, 1};
    EXPECT_EQ(DataToPixelX(0, r, 50, 150), 50);
    EXPECT_EQ(DataToPixelX(10, r, 50, 150), 150);
    EXPECT_EQ(DataToPixelX(2.5L, r, 50, 151), 75); // 25.25 rounds to 25
    // Depth profile: y grows downwards from the top; otherwise upwards from the bottom.
    EXPECT_EQ(DataToPixelY(2, r, 20, 220, true), 60);
    EXPECT_EQ(DataToPixelY(2, r, 20, 220, false), 180);
    for (int px : {50, 77, 150}) {
        EXPECT_EQ(DataToPixelX(PixelToDataX(px, r, 50, 150), r, 50, 150), px);
    }
    for (bool onTop : {true, false}) {
        EXPECT_NEAR(static_cast<double>(PixelToDataY(60, r, 20, 220, onTop)), onTop ? 2.0 : 8.0,
                    1e-12);
    }
    // Far-away data is clamped instead of overflowing the pixel type.
    EXPECT_GT(DataToPixelX(1e30L, r, 0, 100), 1000000);
}

TEST(GraphScale, GridStepsAndTicks) {
    EXPECT_DOUBLE_EQ(static_cast<double>(NiceStep(0.13L)), 0.1);
    EXPECT_DOUBLE_EQ(static_cast<double>(NiceStep(2)), 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(NiceStep(4.9L)), 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(NiceStep(5)), 5);
    EXPECT_DOUBLE_EQ(static_cast<double>(NiceStep(8.9L)), 5);
    EXPECT_DOUBLE_EQ(static_cast<double>(NiceStep(9)), 10);
    EXPECT_DOUBLE_EQ(static_cast<double>(NiceStep(30)), 20);

    // Range 0..10 over 600 px with a 10 px font: 10 intervals of 1, minor 0.2.
    const TAxisRange r{0, 10, 1};
    const TGridSteps g = GridSteps(r, 600, 10);
    EXPECT_EQ(g.Intervals, 10);
    EXPECT_DOUBLE_EQ(static_cast<double>(g.Major), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(g.Minor), 0.2);
    const std::vector<TTick> ticks = GridTicks(r, g);
    ASSERT_EQ(ticks.size(), 51u);
    int majors = 0;
    for (const TTick& t : ticks)
        majors += t.Major;
    EXPECT_EQ(majors, 11);
    EXPECT_TRUE(ticks.front().Major);
    EXPECT_FALSE(ticks[1].Major);

    // An area narrower than 6 font heights has no grid.
    EXPECT_FALSE(GridSteps(r, 59, 10).HasGrid());
    EXPECT_TRUE(GridTicks(r, GridSteps(r, 59, 10)).empty());
    EXPECT_FALSE(GridSteps(r, 600, 0).HasGrid());

    // Negative ranges tick through zero; a major tick at every multiple of the major step.
    const TAxisRange neg{-4, 0, 1};
    const std::vector<TTick> nt = GridTicks(neg, GridSteps(neg, 240, 10)); // 4 intervals of 1
    ASSERT_FALSE(nt.empty());
    EXPECT_NEAR(static_cast<double>(nt.front().Value), -4, 1e-12);
    EXPECT_TRUE(nt.front().Major);
    EXPECT_TRUE(nt.back().Major);
    EXPECT_EQ(TickLabel(nt[2].Value), QStringLiteral("-3.6"));
    EXPECT_EQ(TickLabel(1250), QStringLiteral("1250"));
    EXPECT_EQ(TickLabel(125000), QStringLiteral("1.25E5")); // beyond 4 digits: exponent form
    EXPECT_EQ(TickLabel(0.123456L), QStringLiteral("0.1235"));
}

TEST(GraphScale, MarkerShapesAndPositions) {
    EXPECT_EQ(MarkerShape(1), 1);
    EXPECT_EQ(MarkerShape(10), 10);
    EXPECT_EQ(MarkerShape(11), 1);
    EXPECT_EQ(MarkerShape(12), 2);
    EXPECT_EQ(MarkerShape(20), 10);
    EXPECT_TRUE(HasMarker(0, 2));
    EXPECT_FALSE(HasMarker(1, 2));
    EXPECT_TRUE(HasMarker(4, 2));
    EXPECT_TRUE(HasMarker(3, 1));
    EXPECT_FALSE(HasMarker(0, 0));
    EXPECT_FALSE(HasMarker(6, 0));
}
