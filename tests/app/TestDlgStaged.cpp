// The staged-construction dialog: activation, the check box and the arrows, OK and Cancel, and
// the modal and non-modal ways of opening it.

#include "CurrentProject.h"
#include "DlgStaged.h"
#include "ProgramData.h"
#include "ScriptedMessages.h"
#include "StageCommands.h"
#include "StageFiles.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tervane;
using namespace testsupport;

namespace {

struct TDialogFixture {
    TDialogFixture() : project(tables) {
        project.FileName = QString::fromStdString((dir / "wall.tv5d").string());
        SetCurrentProject(&project);
        commands.onStageChanged = [this] { ++changes; };
    }
    ~TDialogFixture() { SetCurrentProject(nullptr); }
    TempDir dir;
    test::TScriptedMessagesScope scope;
    TProjectTables tables;
    TProgramData project;
    TStageCommands commands;
    int changes = 0;
};

TStageCountSpin* countField(QWidget& dialog) {
    return dialog.findChild<TStageCountSpin*>(QStringLiteral("StageCount"));
}

QCheckBox* stagedBox(QWidget& dialog) {
    return dialog.findChild<QCheckBox*>(QStringLiteral("StagedCheck"));
}

void saveShot(QWidget& w, const std::string& name) {
    const fs::path folder = "/work/shots/issue16";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec) w.grab().save(QString::fromStdString((folder / name).string()));
}

} // namespace

TEST(DlgStaged, CheckBoxAndArrowsFollowTheirRules) {
    TDialogFixture f;
    TDlgStaged dialog(f.commands);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Staged Construction Options");
    TStageCountSpin* field = countField(dialog);
    QCheckBox* box = stagedBox(dialog);
    ASSERT_TRUE(field && box);
    EXPECT_EQ(box->text(), "Conduct &Staged-Construction Analysis");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(field->isEnabled());
    EXPECT_EQ(field->value(), 1);
    saveShot(dialog, "DlgStaged-single.png");

    box->click();
    EXPECT_EQ(field->value(), 2);
    EXPECT_TRUE(field->isEnabled());
    field->stepDown(); // never below 2 by the arrows
    EXPECT_EQ(field->value(), 2);
    for (int i = 0; i < 5; ++i)
        field->stepUp();
    EXPECT_EQ(field->value(), 5);
    field->setValue(1); // typed: the field's bounds are 1 to 5
    EXPECT_EQ(field->value(), 1);
    box->click();
    EXPECT_EQ(field->value(), 1);
    EXPECT_FALSE(field->isEnabled());
}

TEST(DlgStaged, OkWritesTheStagesAndCancelChangesNothing) {
    TDialogFixture f;
    {
        TDlgStaged dialog(f.commands);
        dialog.show();
        stagedBox(dialog)->click();
        countField(dialog)->stepUp();
        dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(f.project.StageCount, 1);
    EXPECT_EQ(f.changes, 0);

    TDlgStaged dialog(f.commands);
    dialog.show();
    stagedBox(dialog)->click();
    countField(dialog)->stepUp();
    saveShot(dialog, "DlgStaged-three-stages.png");
    dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    EXPECT_EQ(f.project.StageCount, 3);
    EXPECT_EQ(f.changes, 1);
    EXPECT_TRUE(f.project.IsModified());
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(fs::exists(StageFileName(f.project.FileName, n).toStdString())) << n;

    // Shown again, the dialog shows the project's three stages, checked.
    TDlgStaged again(f.commands);
    again.show();
    EXPECT_TRUE(stagedBox(again)->isChecked());
    EXPECT_TRUE(countField(again)->isEnabled());
    EXPECT_EQ(countField(again)->value(), 3);
}

TEST(DlgStaged, ModalFromTheMenuAndOneNonModalFromTheButton) {
    TDialogFixture f;
    bool wasModal = false;
    QTimer::singleShot(0, [&wasModal] {
        auto* modal = qobject_cast<TDlgStaged*>(QApplication::activeModalWidget());
        wasModal = modal != nullptr;
        if (modal) modal->CancelClick();
    });
    EXPECT_EQ(TDlgStaged::ExecModal(f.commands, nullptr), QDialog::Rejected);
    EXPECT_TRUE(wasModal);

    TDlgStaged* first = TDlgStaged::ShowInstance(f.commands, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isModal());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(TDlgStaged::ShowInstance(f.commands, nullptr), first);
    first->OkClick(); // staging stays off: nothing to write
    EXPECT_EQ(f.project.StageCount, 1);
    QApplication::processEvents();
}
