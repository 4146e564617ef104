// The 3-D view drawn by OpenGL (under Xvfb): the frame buffer read back and probed.
#include "../ViewProject.h"
#include "MdiHost.h"
#include "ScriptedMessages.h"
#include "View3dUnit1.h"
#include "glWindow.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QOpenGLFunctions_1_1>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

using namespace tervane;

// A colour within `tolerance` on every channel.
::testing::AssertionResult near(QRgb actual, int r, int g, int b, int tolerance = 12) {
    if (std::abs(qRed(actual) - r) <= tolerance && std::abs(qGreen(actual) - g) <= tolerance &&
        std::abs(qBlue(actual) - b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << qRed(actual) << ", " << qGreen(actual) << ", " << qBlue(actual)
           << ") expected (" << r << ", " << g << ", " << b << ")";
}

TEST(View3dRender, WallSoilAndBackgroundInTheFrameBuffer) {
    test::TScriptedMessagesScope scope;
    testsupport::TViewProject p;
    // 20 ft wall, strips 2 ft wide and 1 ft thick, excavation at 8 ft, one soil layer to 30 ft.
    p.wall(20, 12, 24, 120);
    p.project->FreeHeight = 96;
    p.project->GeneratePYCurves = 1;
    p.project->WaterDepthBackfill = 2400;
    p.project->WaterDepthExcavation = 2400;
    testsupport::TViewProject::row(p.tables.NewSoil(), 0, {4, 30});

    TDlgBlock view;
    view.resize(400, 300);
    view.show();
    QApplication::processEvents();
    TglWindow* gl = view.GlWindow();
    ASSERT_EQ(gl->size(), QSize(400, 300));
    const QImage frame = gl->grabFramebuffer();
    ASSERT_FALSE(gl->Failed());
    const int builds = view.ListBuildCount();
    ASSERT_GE(builds, 1);
    if (const char* dir = std::getenv("TERVANE_SHOT_DIR"))
        frame.save(QString::fromLocal8Bit(dir) + QStringLiteral("/render-test.png"));
    EXPECT_EQ(gl->LastPaintError(), 0u);

    // Base scale min(350 / 50, 250 / 60) px/ft; the wall's centre plane at x = 200, its top
    // 15 ft above the middle of the control (centring offset D/2 = 15 ft).
    const double s = view.State().baseScale;
    EXPECT_NEAR(s, 250.0 / 60, 1e-9);
    const int top = static_cast<int>(150 - 15 * s);
    EXPECT_TRUE(near(frame.pixel(200, top + 40), 191, 191, 191)) << "wall face";
    EXPECT_TRUE(near(frame.pixel(5, 5), 255, 255, 255)) << "background";
    // Backfill soil left of the wall, below the surface: layer colour 0 at alpha 0.5 on white.
    const QRgb soil = frame.pixel(200 - static_cast<int>(8 * s), top + 20);
    EXPECT_TRUE(near(soil, 230, 198, 128)) << "soil";

    view.ShowSoilLayersOption();
    QApplication::processEvents();
    const QImage bare = gl->grabFramebuffer();
    EXPECT_EQ(view.ListBuildCount(), builds + 1);
    EXPECT_TRUE(near(bare.pixel(200 - static_cast<int>(8 * s), top + 20), 255, 255, 255))
        << "soil switched off";

    // A rotation only changes the transform: the lists are not compiled again.
    view.State().angles = {30, 20, 0};
    view.RedrawFigure();
    gl->grabFramebuffer();
    EXPECT_EQ(view.ListBuildCount(), builds + 1);
    EXPECT_TRUE(scope.messages.informationTexts().isEmpty());
}

} // namespace

namespace {

TEST(View3dRender, PropertySetterInsideBeginEndRaisesEOpenGL) {
    tervane::TglWindow gl;
    gl.resize(64, 64);
    QString message;
    bool painted = false;
    gl.OnPaint = [&] {
        painted = true;
        gl.Begin(GL_LINES);
        try {
            gl.SetBlending(true);
        } catch (const tervane::EOpenGL& e) {
            message = e.message();
        }
        gl.End();
    };
    gl.show();
    gl.grabFramebuffer();
    ASSERT_TRUE(painted);
    EXPECT_EQ(message, "operation cannot be performed between glBegin and glEnd");
    EXPECT_TRUE(gl.Blending());
}

} // namespace

namespace {

TEST(View3dRender, ViewAsAChildWindowOfTheDocumentArea) {
    testsupport::TViewProject p;
    p.wall(20, 12, 24, 120);
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(900, 700);
    main.show();
    tervane::SetMdiArea(area);
    tervane::TDlgBlock* view = tervane::TDlgBlock::Open();
    QApplication::processEvents();
    ASSERT_NE(tervane::MdiWindowOf(view), nullptr);
    const QImage frame = view->GlWindow()->grabFramebuffer();
    EXPECT_FALSE(view->GlWindow()->Failed());
    EXPECT_GE(view->ListBuildCount(), 1);
    EXPECT_TRUE(near(frame.pixel(5, 5), 255, 255, 255));
    EXPECT_TRUE(near(frame.pixel(frame.width() / 2, frame.height() / 2), 191, 191, 191));
    tervane::MdiWindowOf(view)->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(tervane::TDlgBlock::Instance(), nullptr);
    tervane::SetMdiArea(nullptr);
}

} // namespace
