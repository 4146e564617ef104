// The 3-D view with its drawing surface inside the wired main window: opened, bent by the
// deflections of a run, closed by File New, Open and Run Analysis and by the end of the program.
#include "../../app/WiredProgramTest.h"
#include "CommandIds.h"
#include "MainForm.h"
#include "ProjectFiles.h"
#include "View3dUnit1.h"
#include "glWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>

#include <memory>

namespace {

using namespace tervane;

using View3dLifetimeTest = test::WiredProgramTest;

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void openView(TMainForm& form) {
    form.Execute(TCmd::Comp3DView);
    form.Execute(TCmd::View3DDeformed);
    settle();
}

TEST_F(View3dLifetimeTest, ViewClosesWithTheProjectAndTheProgram) {
    const QString project = example("tieback-clay-trapezoid.tv5d");
    auto form = std::make_unique<TMainForm>();
    auto wiring = std::make_unique<TProgramWiring>(*form);
    form->show();
    ASSERT_TRUE(form->Files().OpenByName(project, 1));
    form->Execute(TCmd::CompRun);
    ASSERT_TRUE(form->PlotsLoaded());
    openView(*form);
    ASSERT_NE(TDlgBlock::Instance(), nullptr);
    EXPECT_FALSE(TDlgBlock::Instance()->GlWindow()->Failed());
    form->Execute(TCmd::TbRotating);
    form->Execute(TCmd::TbZoomIn);
    form->Execute(TCmd::View3DSoil);
    settle();

    form->Execute(TCmd::FileNew);
    settle();
    EXPECT_EQ(TDlgBlock::Instance(), nullptr);
    EXPECT_FALSE(form->Action(TCmd::TbPan)->isVisible());
    openView(*form);
    ASSERT_TRUE(form->Files().OpenByName(project, 1));
    settle();
    openView(*form);
    form->Execute(TCmd::CompRun);
    settle();
    EXPECT_EQ(TDlgBlock::Instance(), nullptr);

    // The end of the program with the view open, the wiring going first.
    openView(*form);
    wiring.reset();
    form.reset();
    settle();
}

} // namespace
