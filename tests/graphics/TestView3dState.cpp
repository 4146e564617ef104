// The 3-D view's state without a window: extents and scale, the frame's matrix, zoom steps, the
// mouse modes with the Shift rule and the zoom window, and the deformation-factor steps.
#include "NumberText.h"
#include "View3dState.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace tervane;

TMouseKeys left(bool shift = false) {
    TMouseKeys k;
    k.left = true;
    k.shift = shift;
    return k;
}

// The screen position (pixels from the control's top left) of a scene point.
std::pair<double, double> screenOf(TView3dState& s, TVec3 p) {
    const TVec3 eye = s.ModelView().Apply(p);
    return {s.Width() / 2.0 + eye.x, s.Height() / 2.0 - eye.y};
}

// A view of an 800 x 600 control on a scene with W = 1 and D = 40, rotated a little.
TView3dState rotatedView() {
    TView3dState s;
    s.SetSize(800, 600);
    s.GetMaxDims(1, 40);
    s.ComputeBaseScale();
    s.angles = {20, -35, 10};
    s.FrameMatrix();
    return s;
}

TEST(View3dState, DefaultsExtentsScaleAndTheFirstView) {
    TView3dState s;
    EXPECT_TRUE(s.switches.wall && s.switches.soilLayers && s.switches.lateralSprings);
    EXPECT_FALSE(s.switches.deformedShape || s.switches.undeformedModel);
    EXPECT_EQ(s.switches.deformationFactor, 1);
    EXPECT_EQ(s.mouseMode, TMouseMode::None);
    EXPECT_EQ(s.zoom, 1);
    s.Flip(TShowItem::TieBacks);
    EXPECT_FALSE(s.Show(TShowItem::TieBacks));
    EXPECT_FALSE(s.listsValid);

    s.SetSize(800, 600);
    s.pan = {1, 2, 3};
    s.GetMaxDims(1, 40);
    EXPECT_DOUBLE_EQ(s.HorizontalExtent(), 25);
    EXPECT_DOUBLE_EQ(s.VerticalExtent(), 80);
    EXPECT_DOUBLE_EQ(s.CentringOffset(), 20);
    EXPECT_DOUBLE_EQ(s.pan.x, 0);
    s.ComputeBaseScale();
    EXPECT_DOUBLE_EQ(s.baseScale, 550.0 / 80);
    const TOrtho o = s.Ortho();
    EXPECT_DOUBLE_EQ(o.left, -400);
    EXPECT_DOUBLE_EQ(o.top, 300);
    EXPECT_DOUBLE_EQ(o.farPlane, 80.0 / 10 * 300 * 640);
    EXPECT_DOUBLE_EQ(o.nearPlane, -o.farPlane);
    // Edge-on: x to the right, z up, the wall's mid-depth in the middle, y into the screen.
    const TVec3 mid = s.ModelView().Apply({2, 0, -20});
    EXPECT_NEAR(mid.x, 2 * s.baseScale, 1e-9);
    EXPECT_NEAR(mid.y, 0, 1e-9);
    EXPECT_NEAR(s.ModelView().Apply({0, 1, -20}).z, -s.baseScale, 1e-9);
    EXPECT_NEAR(s.UnitsPerPixel() * s.baseScale, 1, 1e-15);

    // An empty project (no width, no depth) still gives a finite scale and depth range.
    TView3dState empty;
    empty.SetSize(20, 20);
    empty.GetMaxDims(0, 0);
    empty.ComputeBaseScale();
    EXPECT_EQ(empty.baseScale, 1);
    EXPECT_TRUE(std::isfinite(empty.Ortho().farPlane));
}

TEST(View3dState, ZoomStepsRestartAndTheZoomingDrag) {
    TView3dState s = rotatedView();
    s.ZoomIn();
    EXPECT_DOUBLE_EQ(s.zoom, 1.4142);
    s.ZoomOut();
    EXPECT_NEAR(s.zoom, 1, 1e-15);

    s.mouseMode = TMouseMode::Zooming;
    s.MouseDown(100, 0, left());
    EXPECT_TRUE(s.MouseMove(100, 600, left())); // the full height downward
    EXPECT_DOUBLE_EQ(s.zoom, 0);
    EXPECT_EQ(s.UnitsPerPixel(), 0); // axes and panning stay finite
    s.MouseUp(100, 600, {});
    EXPECT_EQ(s.PressState(), TPressState::Idle);
    s.zoom = 1;
    s.MouseDown(100, 600, left());
    s.MouseMove(100, -1200, left()); // upward, beyond the control
    EXPECT_DOUBLE_EQ(s.zoom, 4);
    s.MouseUp(100, -1200, {});
    // Moves without a button (or with the right one) do nothing.
    s.MouseDown(0, 0, left());
    TMouseKeys right;
    right.right = true;
    EXPECT_FALSE(s.MouseMove(0, 300, right));
    EXPECT_FALSE(s.MouseMove(0, 300, {}));
    s.MouseUp(0, 0, {});

    s.pan = {1, 1, 1};
    s.RestartView();
    EXPECT_EQ(s.zoom, 1);
    EXPECT_EQ(s.angles[1], 0);
    EXPECT_EQ(s.pan.z, 0);
}

TEST(View3dState, PanningFollowsThePointerAndShiftKeepsTheDominantDirection) {
    TView3dState s = rotatedView();
    s.mouseMode = TMouseMode::Panning;
    const auto before = screenOf(s, {0, 0, 0});
    s.MouseDown(300, 200, left());
    s.MouseMove(330, 210, left());
    auto after = screenOf(s, {0, 0, 0});
    EXPECT_NEAR(after.first - before.first, 30, 1e-6);
    EXPECT_NEAR(after.second - before.second, 10, 1e-6);
    s.MouseMove(330, 210, left(true)); // Shift: only the larger component
    after = screenOf(s, {0, 0, 0});
    EXPECT_NEAR(after.first - before.first, 30, 1e-6);
    EXPECT_NEAR(after.second - before.second, 0, 1e-6);
    s.MouseUp(330, 210, TMouseKeys{false, false, false, true, false});
    EXPECT_EQ(s.PressState(), TPressState::Idle);
}

TEST(View3dState, RotatingCarriesTheDragIntoModelAxes) {
    TView3dState s;
    s.SetSize(800, 600);
    s.GetMaxDims(1, 40);
    s.ComputeBaseScale();
    s.FrameMatrix();
    s.mouseMode = TMouseMode::Rotating;
    s.MouseDown(400, 300, left());
    s.MouseMove(480, 360, left());
    // a = 60 x 90 / 600 = 9 about the screen's x axis (model x), b = 80 x 90 / 800 = 9 about
    // the screen's y axis, which is model z in the first view.
    EXPECT_NEAR(s.angles[0], 9, 1e-9);
    EXPECT_NEAR(s.angles[1], 0, 1e-9);
    EXPECT_NEAR(s.angles[2], 9, 1e-9);
    s.MouseMove(480, 330, left(true)); // b = 9 beats a = 4.5
    EXPECT_NEAR(s.angles[0], 0, 1e-9);
    EXPECT_NEAR(s.angles[2], 9, 1e-9);
}

TEST(View3dState, ZoomWindowCentresTheBoxAndAZeroBoxChangesNothing) {
    TView3dState s = rotatedView();
    s.mouseMode = TMouseMode::ZoomWindow;
    const TVec3 target{-5, 3, -12};
    const auto at = screenOf(s, target);
    s.MouseDown(static_cast<int>(at.first), 100, left());
    EXPECT_TRUE(s.ZoomWindowDragging());
    EXPECT_TRUE(s.MouseMove(static_cast<int>(at.first), 200, left()));
    EXPECT_EQ(s.SelectionBox()[3], 200);
    s.MouseUp(static_cast<int>(at.first), 200, {}); // zero width: nothing changes
    EXPECT_FALSE(s.ZoomWindowDragging());
    EXPECT_EQ(s.zoom, 1);
    EXPECT_EQ(s.pan.x, 0);

    const int x0 = static_cast<int>(std::lround(at.first)) - 40;
    const int y0 = static_cast<int>(std::lround(at.second)) - 30;
    s.MouseDown(x0, y0, left());
    s.MouseMove(x0 + 80, y0 + 60, left());
    s.MouseUp(x0 + 80, y0 + 60, {});
    EXPECT_DOUBLE_EQ(s.zoom, std::min(600.0 / 60, 800.0 / 80));
    const auto centred = screenOf(s, target);
    EXPECT_NEAR(centred.first, 400, 10 * 0.51); // the box centre was rounded to whole pixels
    EXPECT_NEAR(centred.second, 300, 10 * 0.51);
}

TEST(View3dState, DeformationFactorStepsThroughItsLeadingDigit) {
    auto text = [](double f) { return FormatGeneral(f, 15); };
    EXPECT_EQ(text(StepDeformationFactor(0.5, true)), "0.6");
    EXPECT_EQ(text(StepDeformationFactor(1, false)), "0.9");
    EXPECT_EQ(text(StepDeformationFactor(9, true)), "10");
    EXPECT_EQ(text(StepDeformationFactor(25, true)), "30");
    EXPECT_EQ(text(StepDeformationFactor(25, false)), "10");
    EXPECT_EQ(text(StepDeformationFactor(10, true)), "20");
    EXPECT_EQ(text(StepDeformationFactor(0.1, false)), "0.09");
    EXPECT_EQ(StepDeformationFactor(0, true), 1);
    EXPECT_EQ(StepDeformationFactor(-3, false), 1);
    EXPECT_EQ(StepDeformationFactor(std::nan(""), false), 1);
    // From 1 upward: 2 .. 9, 10, 20, 30; downward: 0.9 .. 0.1, 0.09. Stepping repeatedly never
    // sticks on a value that a power of ten cannot hold exactly.
    double f = 1;
    QStringList up;
    for (int i = 0; i < 11; ++i)
        up << text(f = StepDeformationFactor(f, true));
    EXPECT_EQ(up.join(' '), "2 3 4 5 6 7 8 9 10 20 30");
    f = 1;
    QStringList down;
    for (int i = 0; i < 10; ++i)
        down << text(f = StepDeformationFactor(f, false));
    EXPECT_EQ(down.join(' '), "0.9 0.8 0.7 0.6 0.5 0.4 0.3 0.2 0.1 0.09");
    EXPECT_EQ(text(StepDeformationFactor(999.9999999999999, true)), "2000");
}

} // namespace
