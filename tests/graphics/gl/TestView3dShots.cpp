// Pictures of the 3-D view of a real project for review: the view as first shown, rotated, with
// the deformed shape, and without soil. Runs when TERVANE_SHOT_DIR names a folder and
// TERVANE_SHOT_PROJECT an analysed project (its .tv5p beside it); skipped otherwise.
#include "../ViewProject.h"
#include "PlotDeflections.h"
#include "Scene3DBuilder.h"
#include "ScriptedMessages.h"
#include "View3dUnit1.h"
#include "glWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace tervane;

TEST(View3dShots, TiebackExampleForReview) {
    const char* dir = std::getenv("TERVANE_SHOT_DIR");
    const char* project = std::getenv("TERVANE_SHOT_PROJECT");
    if (!dir || !project) GTEST_SKIP() << "TERVANE_SHOT_DIR and TERVANE_SHOT_PROJECT not set";
    test::TScriptedMessagesScope scope;
    testsupport::TViewProject p{QString::fromLocal8Bit(project)};
    QFileInfo info(QString::fromLocal8Bit(project));
    const QString plot = info.path() + '/' + info.completeBaseName() + ".tv5p";
    SetDeflectionCurve(testsupport::readPlotDeflections(plot.toStdString()));
    ASSERT_GT(DeflectionCurve().size(), 1u);
    const QString out = QString::fromLocal8Bit(dir) + '/';

    TDlgBlock view;
    view.resize(800, 600);
    view.show();
    QApplication::processEvents();
    auto shot = [&](const char* name) {
        QApplication::processEvents();
        // The drawing surface fills the view; its frame holds the painted labels too.
        const QImage image = view.GlWindow()->grabFramebuffer();
        EXPECT_TRUE(image.save(out + name));
    };
    shot("1-first-shown.png");

    view.RotatingClick();
    view.State().FrameMatrix();
    view.State().MouseDown(400, 300, {true, false, false, false, false});
    view.State().MouseMove(180, 240, {true, false, false, false, false});
    view.State().MouseUp(180, 240, {});
    view.RedrawFigure();
    shot("2-rotated.png");

    view.SetDeformedShape(true);
    view.SetUndeformedModel(true);
    view.SetDeformationFactor(50);
    shot("3-deformed-factor-50.png");

    view.SetDeformedShape(false);
    view.ShowSoilLayersOption();
    shot("4-soil-off.png");
    EXPECT_FALSE(view.GlWindow()->Failed());
    SetDeflectionCurve({});
}

} // namespace
