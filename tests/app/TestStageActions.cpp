// The stage menu, the stage buttons and the status bar as a staged project shows them.

#include "CurrentProject.h"
#include "ProgramData.h"
#include "ScriptedMessages.h"
#include "StageActions.h"
#include "StageCommands.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace tervane;
using namespace testsupport;

namespace {

void saveShot(QWidget& w, const std::string& name) {
    const fs::path folder = "/work/shots/issue16";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec) w.grab().save(QString::fromStdString((folder / name).string()));
}

QString statusText(QMainWindow& w) {
    auto* label = w.statusBar()->findChild<QLabel*>(QStringLiteral("StageStatus"));
    return label ? label->text() : QString();
}

} // namespace

TEST(StageActions, MenuButtonsAndStatusBarFollowTheStage) {
    TempDir dir;
    test::TScriptedMessagesScope scope;
    TProjectTables tables;
    TProgramData project(tables);
    project.FileName = QString::fromStdString((dir / "wall.tv5d").string());
    SetCurrentProject(&project);

    QMainWindow window;
    window.resize(520, 240);
    TStageCommands commands;
    TStageActions actions(commands, &window);
    commands.onStageChanged = [&] {
        actions.apply(StageDisplay(CurrentProject()), window.statusBar());
    };
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.menuBar()->addMenu(actions.menu());
    window.menuBar()->addMenu(QStringLiteral("&Computation"));
    window.statusBar();
    QToolBar* bar = window.addToolBar(QStringLiteral("Stages"));
    bar->addActions(actions.buttons());
    window.show();

    commands.onStageChanged();
    EXPECT_FALSE(actions.menu()->menuAction()->isVisible());
    EXPECT_FALSE(actions.buttons()[0]->isVisible());
    EXPECT_EQ(statusText(window), "");

    commands.changeStageCount(3);
    actions.buttons()[1]->trigger(); // "Stage Const. 2"
    EXPECT_EQ(project.CurrentStage, 2);
    EXPECT_TRUE(actions.menu()->menuAction()->isVisible());
    EXPECT_EQ(statusText(window), "Construction Stage Number: 2");
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(actions.stageItem(n)->isEnabled(), n <= 3);
        EXPECT_EQ(actions.stageItem(n)->isChecked(), n == 2);
        EXPECT_EQ(actions.buttons()[n - 1]->isChecked(), n == 2);
        EXPECT_TRUE(actions.buttons()[n - 1]->isVisible());
        EXPECT_EQ(actions.buttons()[n - 1]->toolTip(), QStringLiteral("Stage Const. %1").arg(n));
    }
    EXPECT_TRUE(actions.copyPreviousItem()->isEnabled());
    EXPECT_FALSE(actions.updateCurrentItem()->isVisible());
    QApplication::processEvents(); // lay the tool bar and the status bar out before the picture
    saveShot(window, "stage-2-of-3-buttons-status.png");
    actions.menu()->adjustSize();
    saveShot(*actions.menu(), "stage-2-of-3-menu.png");

    actions.stageItem(1)->trigger();
    EXPECT_EQ(project.CurrentStage, 1);
    EXPECT_FALSE(actions.copyPreviousItem()->isEnabled());
    commands.changeStageCount(1);
    EXPECT_FALSE(actions.menu()->menuAction()->isVisible());
    EXPECT_EQ(statusText(window), "");
    EXPECT_TRUE(scope.messages.records.empty());
    SetCurrentProject(nullptr);
}
