// Pictures of the 3-D view of a real project for review: the view as first shown, rotated, with
// the deformed shape, and without soil. Runs when TERVANE_SHOT_DIR names a folder and
// TERVANE_SHOT_PROJECT an analysed project (its .tv5p beside it); skipped otherwise.
#include "../ViewProject.h"
#include "DeformedShape.h"
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

    TDlgBlock& view = *TDlgBlock::Open();
    view.resize(800, 600);
    QApplication::processEvents();
    auto shot = [&](const char* name) {
        QApplication::processEvents();
        // The drawing surface fills the view; its frame holds the painted labels too.
        const QImage image = view.GlWindow()->grabFramebuffer();
        EXPECT_TRUE(image.save(out + name));
    };
    const TMouseKeys leftButton{true, false, false, false, false};
    shot("1-first-shown.png");

    view.RotatingClick();
    view.State().MouseDown(400, 300, leftButton);
    view.State().MouseMove(180, 240, leftButton);
    view.State().MouseUp(180, 240, {});
    view.RedrawFigure();
    shot("2-rotated.png");

    // Through the "Deformed Shape" window, as the user sets it.
    view.DeformedShapeWindow();
    TDlgDeformedShape* dlg = TDlgDeformedShape::Instance();
    ASSERT_NE(dlg, nullptr);
    dlg->DeformedClick(true);
    dlg->UndeformedClick(true);
    dlg->FactorEdited(QStringLiteral("50"));
    dlg->FormActivate();
    EXPECT_TRUE(dlg->grab().save(out + "5-deformed-shape-window.png"));
    shot("3-deformed-factor-50.png");

    dlg->DeformedClick(false);
    view.ShowSoilLayersOption();
    shot("4-soil-off.png");

    view.ShowSoilLayersOption();
    view.ZoomWindowClick(true);
    view.State().MouseDown(330, 230, leftButton);
    view.State().MouseMove(470, 330, leftButton);
    view.RedrawFigure();
    shot("6-zoom-window-drag.png");
    view.State().MouseUp(470, 330, {});
    view.RedrawFigure();
    shot("7-zoomed-in.png");
    EXPECT_FALSE(view.GlWindow()->Failed());
    EXPECT_TRUE(scope.messages.informationTexts().isEmpty());
    view.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetDeflectionCurve({});
}

} // namespace
