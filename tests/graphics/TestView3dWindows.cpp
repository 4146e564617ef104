// The 3-D view and "Deformed Shape" windows as the main window drives them: one view at a time,
// the close notice, the menu switches, and the deformed-shape controls.
#include "DeformedShape.h"
#include "ScriptedMessages.h"
#include "View3dUnit1.h"
#include "ViewProject.h"
#include "glWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace tervane;

TEST(View3dWindows, OneViewAtATimeAndTheMainWindowHearsOfItsClose) {
    testsupport::TViewProject p;
    p.wall(20, 12, 12, 12);
    int closed = 0;
    TDlgBlock::SetCloseHandler([&] { ++closed; });
    TDlgBlock* view = TDlgBlock::Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "3-D View");
    EXPECT_EQ(TDlgBlock::Open(), view);
    EXPECT_EQ(TDlgBlock::Instance(), view);

    // Menu items flip their switch and ask for a rebuild; the check marks read them back.
    EXPECT_TRUE(view->ShowOption(TShowItem::WaterLevel));
    view->State().listsValid = true;
    view->ShowWaterLevelOption();
    EXPECT_FALSE(view->ShowOption(TShowItem::WaterLevel));
    EXPECT_FALSE(view->State().listsValid);
    view->ShowAditionalSurchargeOption();
    view->ShowAditionalSurchargeOption();
    EXPECT_TRUE(view->ShowOption(TShowItem::AdditionalSurcharge));
    view->ZoomInClick();
    view->ZoomOutClick();
    EXPECT_NEAR(view->State().zoom, 1, 1e-15);
    view->ZoomWindowClick(true);
    EXPECT_EQ(view->State().mouseMode, TMouseMode::ZoomWindow);
    EXPECT_TRUE(view->State().zoomWindowFlag);
    view->RotatingClick();
    EXPECT_EQ(view->State().mouseMode, TMouseMode::Rotating);

    view->DeformedShapeWindow();
    ASSERT_NE(TDlgDeformedShape::Instance(), nullptr);
    view->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TDlgBlock::Instance(), nullptr);
    EXPECT_EQ(closed, 1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TDlgDeformedShape::Instance(), nullptr); // it acted on that view only
    {
        TDlgBlock unrecorded; // a view the main window did not open tells it nothing
        unrecorded.show();
        unrecorded.close();
    }
    EXPECT_EQ(closed, 1);
    TDlgBlock::SetCloseHandler({});
    // A new command creates a new view with the default state.
    TDlgBlock* again = TDlgBlock::Open();
    EXPECT_TRUE(again->ShowOption(TShowItem::WaterLevel));
    again->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(View3dWindows, DeformedShapeControlsSwitchesFactorAndEnabling) {
    test::TScriptedMessagesScope scope;
    testsupport::TViewProject p;
    p.wall(20, 12, 12, 12);
    TDlgBlock* view = TDlgBlock::Open();
    view->DeformedShapeWindow();
    TDlgDeformedShape* dlg = TDlgDeformedShape::Instance();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->windowTitle(), "Deformed Shape");
    auto* factor = dlg->findChild<QLineEdit*>("edtFactor");
    auto* undeformed = dlg->findChild<QCheckBox*>("chkUndeformed");
    ASSERT_TRUE(factor && undeformed);
    EXPECT_EQ(factor->text(), "1");
    EXPECT_FALSE(undeformed->isEnabled());
    EXPECT_FALSE(factor->isEnabled());

    dlg->DeformedClick(true);
    EXPECT_TRUE(view->DeformedShapeChecked());
    EXPECT_TRUE(undeformed->isEnabled());
    EXPECT_TRUE(factor->isEnabled());
    dlg->UndeformedClick(true);
    EXPECT_TRUE(view->State().switches.undeformedModel);

    dlg->UpDownClick(false);
    EXPECT_EQ(factor->text(), "0.9");
    EXPECT_DOUBLE_EQ(view->State().switches.deformationFactor, 0.9);
    view->State().listsValid = true;
    dlg->FactorEdited("25");
    EXPECT_DOUBLE_EQ(view->State().switches.deformationFactor, 25);
    EXPECT_FALSE(view->State().listsValid);
    dlg->UpDownClick(true);
    EXPECT_EQ(dlg->FactorText(), "30");
    dlg->FactorEdited(""); // an empty entry changes nothing
    dlg->FactorEdited("5x");
    EXPECT_DOUBLE_EQ(view->State().switches.deformationFactor, 30);
    ASSERT_EQ(scope.messages.informationTexts().size(), 1);
    EXPECT_EQ(scope.messages.informationTexts()[0], "'5x' is not a valid floating point value");

    // Shown again, it reads the view afresh.
    view->SetDeformationFactor(50);
    TDlgDeformedShape::ShowInstance();
    EXPECT_EQ(TDlgDeformedShape::Instance(), dlg);
    EXPECT_EQ(factor->text(), "50");
    view->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

namespace {

TEST(View3dWindows, NoOpenGLOnTheDisplayIsReportedOnce) {
    if (TglWindow::OpenGLAvailable()) GTEST_SKIP() << "this display has OpenGL";
    test::TScriptedMessagesScope scope;
    testsupport::TViewProject p;
    p.wall(20, 12, 12, 12);
    {
        TDlgBlock view;
        view.show();
        for (int i = 0; i < 3; ++i) {
            view.RedrawComplete();
            QApplication::processEvents();
        }
        EXPECT_EQ(view.GlWindow(), nullptr);
        view.ShowSoilLayersOption(); // commands still work on the state
        EXPECT_FALSE(view.ShowOption(TShowItem::SoilLayers));
    }
    EXPECT_EQ(scope.messages.informationTexts(), QStringList{"ChoosePixelFormat failed"});
}

} // namespace
