// The main window with its hooks connected, driven through sequences that replace the project
// or close the children while windows of every kind are open, and through commands that must
// commit the active child's pending entries first.
#include "MainForm.h"
#include "ProgramWiring.h"
#include "WiredProgramTest.h"

#include "ColumnTypes.h"
#include "CommandIds.h"
#include "CurrentProject.h"
#include "DataEdit.h"
#include "DlgProp.h"
#include "PileSide.h"
#include "ProgramData.h"
#include "ProjectFiles.h"
#include "ProjectTables.h"
#include "TableForm.h"
#include "TableGrid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidgetItem>
#include <gtest/gtest.h>

#include <memory>

using namespace tervane;

namespace {

class WindowLifetimeTest : public test::WiredProgramTest {
protected:
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Opens a window of every kind the main window has.
    static void openEverything(TMainForm& form) {
        for (TCmd c : {TCmd::DataTitle,
                       TCmd::DataWallProperties,
                       TCmd::DataWallConfiguration,
                       TCmd::DataSurcharge,
                       TCmd::DataConcentratedLoads,
                       TCmd::DataTiebacks,
                       TCmd::DataSprings,
                       TCmd::DataSoilLayer,
                       TCmd::DataRestraints,
                       TCmd::CompViewWall,
                       TCmd::Comp3DView,
                       TCmd::View3DDeformed,
                       TCmd::DataExternalPY,
                       TCmd::DataMomentEI,
                       TCmd::DataDistLoad,
                       TCmd::TbStageOption,
                       TCmd::OptTextEditor,
                       TCmd::GraphDef,
                       TCmd::GraphMom,
                       TCmd::GraphPY,
                       TCmd::GraphCombine})
            form.Execute(c);
        QCoreApplication::processEvents();
    }
    // The focused "Maximum Allowable Deflection" field of the opened wall properties dialog.
    static TDataEdit* maxDeflectionField(TMainForm& form) {
        form.Execute(TCmd::DataWallProperties);
        auto* field = TDlgProp::Instance()->findChild<TDataEdit*>(QStringLiteral("deXLN"));
        if (field) field->setFocus();
        return field;
    }
    static QString saved(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
};

} // namespace

TEST_F(WindowLifetimeTest, WindowsSurviveNewOpenRunAndTheEndOfTheProgram) {
    const QString project = example("tieback-clay-trapezoid.tv5d");
    {
        auto form = std::make_unique<TMainForm>();
        auto wiring = std::make_unique<TProgramWiring>(*form);
        form->show();
        ASSERT_TRUE(form->Files().OpenByName(project, 1));
        form->Execute(TCmd::CompRun);
        ASSERT_TRUE(form->PlotsLoaded());

        openEverything(*form);
        EXPECT_GT(form->mdiArea()->subWindowList().size(), 10);
        form->Execute(TCmd::FileNew);
        settle();
        EXPECT_TRUE(form->mdiArea()->subWindowList().isEmpty());

        ASSERT_TRUE(form->Files().OpenByName(project, 1));
        openEverything(*form);
        // Open while everything is open: the old project goes, the windows with it.
        ASSERT_TRUE(form->Files().OpenByName(project, 1));
        settle();
        openEverything(*form);
        form->Execute(TCmd::CompRun);
        settle();
        EXPECT_EQ(TDlgProp::Instance(), nullptr);
        EXPECT_EQ(TDlgSideView::Instance(), nullptr);

        // The end of the program: the window closes with children open, and the wiring goes
        // before the window (the order of the program's start function).
        openEverything(*form);
        EXPECT_TRUE(form->close());
        wiring.reset();
        form.reset();
        settle();
    }
    {
        // The same without the close: the window's destruction frees open children.
        auto form = std::make_unique<TMainForm>();
        auto wiring = std::make_unique<TProgramWiring>(*form);
        form->show();
        ASSERT_TRUE(form->Files().OpenByName(project, 1));
        openEverything(*form);
        wiring.reset();
        // Without its wiring the window's commands do nothing.
        form->PrepareMenu(TMenuId::Graphics);
        form->Execute(TCmd::CompRun);
        form->Execute(TCmd::GraphDef);
        form.reset();
        settle();
    }
    EXPECT_FALSE(HasCurrentProject());
}

TEST_F(WindowLifetimeTest, DialogEntryIsCommittedByTheSaveAndRunButtons) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    const QString project = example("tieback-clay-trapezoid.tv5d");
    ASSERT_TRUE(form.Files().OpenByName(project, 1));

    // An entry typed into the focused field, then the Save button (no menu opens).
    TDataEdit* field = maxDeflectionField(form);
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("7.25"));
    form.Execute(TCmd::TbSave);
    EXPECT_EQ(form.Project().MaxDeflection, 7.25L);
    EXPECT_TRUE(saved(project).contains(QStringLiteral("7.25")));

    // Run Analysis from its button saves what the field holds before the run.
    field->setText(QStringLiteral("6.5"));
    form.Execute(TCmd::TbRun);
    EXPECT_TRUE(saved(project).contains(QStringLiteral("6.5")));
}

TEST_F(WindowLifetimeTest, DialogEntryIsKeptWhenTheStageButtonSwitchesStage) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    ASSERT_TRUE(form.Files().OpenByName(example("three-stage-excavation.tv5d"), 1));
    form.Execute(TCmd::Stage2);
    TDataEdit* field = maxDeflectionField(form);
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("3.75"));
    form.Execute(TCmd::TbStage3);
    EXPECT_EQ(form.Project().CurrentStage, 3);
    form.Execute(TCmd::TbStage2);
    EXPECT_EQ(form.Project().MaxDeflection, 3.75L);
}

TEST_F(WindowLifetimeTest, TableCellBeingEditedIsCommittedBySave) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    const QString project = example("tieback-clay-trapezoid.tv5d");
    ASSERT_TRUE(form.Files().OpenByName(project, 1));
    form.Execute(TCmd::DataSoilLayer);
    QMdiSubWindow* sub = form.mdiArea()->activeSubWindow();
    ASSERT_NE(sub, nullptr);
    auto* table = qobject_cast<TTableForm*>(sub->widget());
    ASSERT_NE(table, nullptr);
    // A text cell of the first row, typed into but not yet left.
    TTableGrid* grid = table->grid();
    int column = -1;
    for (int c = 0; c < table->table()->ShownColumnCount() && column < 0; ++c)
        if (!table->table()->ShownColumn(c)->UsesControls()) column = c;
    ASSERT_GE(column, 0);
    grid->setCurrentCell(0, column);
    QTableWidgetItem* item = grid->item(0, column);
    ASSERT_NE(item, nullptr);
    const QString before = table->table()->ShownColumn(column)->GetText(0);
    item->setText(QStringLiteral("1234.5"));
    form.Execute(TCmd::TbSave);
    const QString stored = form.Tables().NewSoil().ShownColumn(column)->GetText(0);
    EXPECT_NE(stored, before);
    // The file holds it: opened again, the cell shows the value entered.
    ASSERT_TRUE(form.Files().OpenByName(project, 1));
    EXPECT_EQ(form.Tables().NewSoil().ShownColumn(column)->GetText(0), stored);
}

TEST_F(WindowLifetimeTest, DialogEntryIsSavedWhenTheProgramClosesWithYes) {
    const QString project = example("tieback-clay-trapezoid.tv5d");
    {
        TMainForm form;
        TProgramWiring wiring(form);
        form.show();
        ASSERT_TRUE(form.Files().OpenByName(project, 1));
        TDataEdit* field = maxDeflectionField(form);
        ASSERT_NE(field, nullptr);
        field->selectAll();
        field->insert(QStringLiteral("4.125")); // emits textEdited, as typing does
        scope.messages.answers.push_back(TMsgAnswer::Yes);
        EXPECT_TRUE(form.close());
    }
    TMainForm form;
    TProgramWiring wiring(form);
    ASSERT_TRUE(form.Files().OpenByName(project, 1));
    EXPECT_EQ(form.Project().MaxDeflection, 4.125L);
}

TEST_F(WindowLifetimeTest, WindowsSurviveStageSwitchesAndAChangedStageCount) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    ASSERT_TRUE(form.Files().OpenByName(example("three-stage-excavation.tv5d"), 1));
    openEverything(form);
    for (TCmd c : {TCmd::TbStage2, TCmd::TbStage3, TCmd::Stage1, TCmd::TbStage3}) {
        form.Execute(c);
        settle();
        // Every open table window shows the stage's rows.
        for (QMdiSubWindow* sub : form.mdiArea()->subWindowList()) {
            auto* table = qobject_cast<TTableForm*>(sub->widget());
            if (table == nullptr || table->table() == nullptr) continue;
            EXPECT_EQ(table->grid()->rowCount(), table->table()->RowCount())
                << table->windowTitle().toStdString();
            table->grid()->setCurrentCell(table->grid()->rowCount() - 1, 0);
            EXPECT_TRUE(table->commit());
        }
    }
    scope.messages.answers.push_back(TMsgAnswer::Yes);
    form.Execute(TCmd::StageCopyPrevious);
    wiring.Stages().changeStageCount(2);
    settle();
    EXPECT_EQ(form.Project().StageCount, 2);
    openEverything(form);
    wiring.Stages().changeStageCount(1);
    settle();
    openEverything(form);
    scope.messages.answers.push_back(TMsgAnswer::No);
    form.Execute(TCmd::FileNew);
    settle();
    EXPECT_TRUE(form.mdiArea()->subWindowList().isEmpty());
}

TEST_F(WindowLifetimeTest, DialogEntryIsKeptWhenTheStageButtonChangesTheStageCount) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    ASSERT_TRUE(form.Files().OpenByName(example("tieback-clay-trapezoid.tv5d"), 1));
    TDataEdit* field = maxDeflectionField(form);
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("2.5"));
    // The tool button's staged-construction dialog, then its OK with two stages.
    form.Execute(TCmd::TbStageOption);
    wiring.Stages().changeStageCount(2);
    EXPECT_EQ(form.Project().StageCount, 2);
    EXPECT_EQ(form.Project().MaxDeflection, 2.5L);
}

TEST_F(WindowLifetimeTest, OpenTableWindowShowsTheConvertedValuesAfterAUnitChange) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    ASSERT_TRUE(form.Files().OpenByName(example("tieback-clay-trapezoid.tv5d"), 1));
    form.Execute(TCmd::DataWallProperties);
    form.Execute(TCmd::DataSoilLayer);
    auto* table = qobject_cast<TTableForm*>(form.mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(table, nullptr);
    const int before = form.Project().UnitSystem;
    form.PrepareMenu(TMenuId::Options);
    form.Execute(before == 1 ? TCmd::OptUnitsSI : TCmd::OptUnitsEnglish);
    ASSERT_NE(form.Project().UnitSystem, before);
    TGridTable& soil = *table->table();
    for (int c = 0; c < soil.ShownColumnCount(); ++c) {
        if (soil.ShownColumn(c)->UsesControls()) continue;
        for (int r = 0; r < soil.RowCount(); ++r) {
            ASSERT_NE(table->grid()->item(r, c), nullptr);
            EXPECT_EQ(table->grid()->item(r, c)->text(), soil.ShownColumn(c)->GetText(r))
                << r << "," << c;
        }
    }
}

TEST_F(WindowLifetimeTest, RefusedCellEntryIsReportedOnceAndItsWindowGoesWithNewRunAndTheEnd) {
    const QString project = example("tieback-clay-trapezoid.tv5d");
    auto form = std::make_unique<TMainForm>();
    auto wiring = std::make_unique<TProgramWiring>(*form);
    form->show();
    ASSERT_TRUE(form->Files().OpenByName(project, 1));
    // A cell holding text that is no number, in the active table window.
    auto refusedEntry = [&] {
        form->Execute(TCmd::DataSoilLayer);
        auto* table = qobject_cast<TTableForm*>(form->mdiArea()->activeSubWindow()->widget());
        ASSERT_NE(table, nullptr);
        int column = -1;
        for (int c = 0; c < table->table()->ShownColumnCount() && column < 0; ++c)
            if (!table->table()->ShownColumn(c)->UsesControls()) column = c;
        ASSERT_GE(column, 0);
        table->grid()->setCurrentCell(0, column);
        table->grid()->item(0, column)->setText(QStringLiteral("(1"));
    };
    refusedEntry();
    scope.messages.answers.push_back(TMsgAnswer::No);
    form->Execute(TCmd::FileNew);
    settle();
    EXPECT_TRUE(form->mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(form->Tables().NewSoil().EditorOpen());

    ASSERT_TRUE(form->Files().OpenByName(project, 1));
    refusedEntry();
    form->Execute(TCmd::TbRun);
    settle();
    EXPECT_TRUE(form->mdiArea()->subWindowList().isEmpty());

    refusedEntry();
    scope.messages.answers.push_back(TMsgAnswer::No);
    EXPECT_TRUE(form->close());
    wiring.reset();
    form.reset();
    settle();
    // Each refused entry was reported once, by the commit before the command.
    EXPECT_EQ(scope.messages.informationTexts().filter(QStringLiteral("Entry could not")).size(),
              3);
}

TEST_F(WindowLifetimeTest, DialogEntryIsConvertedByAUnitChangeFromTheMenu) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    ASSERT_TRUE(form.Files().OpenByName(example("tieback-clay-trapezoid.tv5d"), 1));
    ASSERT_EQ(form.Project().UnitSystem, 1);
    TDataEdit* field = maxDeflectionField(form);
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("100"));
    form.PrepareMenu(TMenuId::Options);
    form.Execute(TCmd::OptUnitsSI);
    // 100 in entered before the change: 2.54 m after it, in the project and in the field.
    EXPECT_NEAR(static_cast<double>(form.Project().MaxDeflection), 2.54, 1e-9);
    EXPECT_NEAR(field->text().toDouble(), 2.54, 1e-6);
}
