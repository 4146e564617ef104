// The main window with its hooks connected, end to end through the real engine library: open,
// Run Analysis, graph commands and their data, a staged project edited and analysed stage by
// stage, and the dialogs and tables the Data menu opens.
#include "MainForm.h"
#include "ProgramWiring.h"
#include "WiredProgramTest.h"

#include "CommandIds.h"
#include "CurrentProject.h"
#include "DlgProp.h"
#include "InputDialog.h"
#include "ProgramData.h"
#include "ProjectFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

using namespace tervane;

namespace {

const QString kCompleted = QStringLiteral(
    "Computations are completed. Please, check output file for results or error messages.");

using ProgramWiringTest = test::WiredProgramTest;

} // namespace

TEST_F(ProgramWiringTest, RunAnalysisFillsTheGraphsAndEnablesTheirCommands) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    const QString project = example("tieback-clay-trapezoid.tv5d");
    ASSERT_TRUE(form.Files().OpenByName(project, 1));
    EXPECT_FALSE(form.States()[TCmd::GraphDef].enabled);

    form.Execute(TCmd::CompRun);
    EXPECT_TRUE(scope.messages.informationTexts().contains(kCompleted));
    EXPECT_TRUE(QFileInfo::exists(path("tieback-clay-trapezoid.tv5p")));
    EXPECT_TRUE(form.PlotsLoaded());
    EXPECT_TRUE(wiring.Models().pltDef.HasData());
    EXPECT_EQ(wiring.Models().pltDef.PointCount(1), wiring.Models().pltMom.PointCount(1));
    form.PrepareMenu(TMenuId::Graphics);
    for (TCmd c : {TCmd::GraphPY, TCmd::GraphDef, TCmd::GraphMom, TCmd::GraphShear, TCmd::GraphSoil,
                   TCmd::GraphDMS, TCmd::GraphLD, TCmd::GraphCombine})
        EXPECT_TRUE(form.Action(c)->isEnabled()) << static_cast<int>(c);
    EXPECT_TRUE(form.Action(TCmd::TbGraphDef)->isEnabled());

    // Reopening reads the plot file again (the graph commands stay available).
    ASSERT_TRUE(form.Files().OpenByName(project, 1));
    EXPECT_TRUE(form.PlotsLoaded());
    EXPECT_TRUE(wiring.Models().pltDef.HasData());

    // Without the plot file the graph commands go off at the next opening of the menu.
    QFile::remove(path("tieback-clay-trapezoid.tv5p"));
    form.PrepareMenu(TMenuId::Graphics);
    EXPECT_FALSE(form.Action(TCmd::GraphDef)->isEnabled());
}

TEST_F(ProgramWiringTest, StagedProjectIsEditedStageByStageAndAnalysedAsThreeProblems) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    const QString project = example("three-stage-excavation.tv5d");
    ASSERT_TRUE(form.Files().OpenByName(project, 1));
    ASSERT_EQ(form.Project().StageCount, 3);
    EXPECT_TRUE(QFileInfo::exists(path("three-stage-excavation.st3")));
    EXPECT_EQ(form.StatusText(), QStringLiteral("Construction Stage Number: 1"));

    // Stage 2 edited, stage 3 visited, back at 2: the edit is kept.
    form.Execute(TCmd::Stage2);
    EXPECT_EQ(form.StatusText(), QStringLiteral("Construction Stage Number: 2"));
    const long double height = form.Project().FreeHeight + 12;
    form.Project().FreeHeight = height;
    form.Project().SetModified();
    form.Execute(TCmd::TbStage3);
    EXPECT_EQ(form.Project().CurrentStage, 3);
    form.Execute(TCmd::Stage2);
    EXPECT_EQ(form.Project().FreeHeight, height);

    form.Execute(TCmd::CompRun);
    EXPECT_TRUE(scope.messages.informationTexts().contains(kCompleted));
    // The saved project holds the three stages; the report their three problems.
    QFile report(path("three-stage-excavation.tv5o"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    EXPECT_EQ(text.count("END OF ANALYSIS"), 1);
    EXPECT_FALSE(text.contains("ERROR"));
    const TGraphPlot& def = wiring.Models().pltDef;
    ASSERT_EQ(def.CurveCount(1), 3);
    EXPECT_EQ(def.DisplayName(0), QStringLiteral("Stage: 1"));
    EXPECT_EQ(def.DisplayName(2), QStringLiteral("Stage: 3"));
}

TEST_F(ProgramWiringTest, DataMenuOpensDialogsAndTablesAsChildWindows) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    form.Execute(TCmd::DataWallProperties);
    ASSERT_NE(TDlgProp::Instance(), nullptr);
    form.Execute(TCmd::DataWallProperties); // shown again, not a second one
    form.Execute(TCmd::DataSoilLayer);
    const QList<QMdiSubWindow*> children = form.mdiArea()->subWindowList();
    EXPECT_EQ(children.size(), 2);
    EXPECT_TRUE(form.Tables().NewSoil().EditorOpen());

    // File New closes them and leaves no dialog behind.
    form.Execute(TCmd::FileNew);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form.Tables().NewSoil().EditorOpen());
    EXPECT_EQ(TDlgProp::Instance(), nullptr);
}
