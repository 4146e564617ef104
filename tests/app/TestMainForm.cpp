// The main window: file commands and the close query, the recent list, settings, command-line
// and dropped files, the toggle rule, and the hooks other windows plug into.
#include "MainForm.h"

#include "../components/GridTableFakes.h"
#include "../components/QStringPrinter.h"
#include "AboutBox.h"
#include "CurrentProject.h"
#include "DesktopLaunch.h"
#include "ProgramData.h"
#include "ProgramSettings.h"
#include "ProjectFiles.h"
#include "ProjectNames.h"
#include "ScriptedMessages.h"
#include "TestSupport.h"

#include "MdiHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace tervane;
using test::TMsgKind;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_cwd = QDir::currentPath();
        TProgramSettings::SetFileOverride(path("settings.ini"));
        SetFileOpener([this](const QString& p) {
            opened << p;
            return true;
        });
        // No test starts a real editor.
        SetProcessStarter([](const QString&, const QStringList&) { return true; });
    }
    void TearDown() override {
        TProgramSettings::SetFileOverride(QString());
        SetFileOpener(nullptr);
        SetProcessStarter(nullptr);
        QDir::setCurrent(m_cwd);
    }
    QString path(const char* name) const { return QString::fromStdString((dir / name).string()); }
    // The cantilever example copied into the test's folder.
    QString example() const {
        const QString to = path("cantilever-sand.tv5d");
        if (!QFileInfo::exists(to))
            QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/cantilever-sand.tv5d"), to);
        return to;
    }
    QStringList infos() const { return scope.messages.informationTexts(); }

    testsupport::TempDir dir;
    test::TScriptedMessagesScope scope;
    QStringList opened;

private:
    QString m_cwd;
};

const QString kReadMessage =
    QStringLiteral("Data file: Cantilever-sand, has been read by TERVANE 2015");

} // namespace

TEST_F(MainFormTest, CloseQueryYesWithSaveAsCancelledCancelsNewOpenAndExit) {
    TMainForm form;
    form.show();
    EXPECT_EQ(&CurrentProject(), &form.Project());
    form.Project().Title = QStringLiteral("kept");
    form.Project().SetModified();

    scope.messages.answers = {TMsgAnswer::Yes};
    form.Execute(TCmd::FileNew);
    EXPECT_EQ(form.Project().Title, QStringLiteral("kept"));
    EXPECT_EQ(scope.messages.texts(TMsgKind::YesNoCancel), QStringList{kSaveChangesQuestion});
    ASSERT_EQ(scope.messages.count(TMsgKind::SaveFile), 1);
    EXPECT_EQ(scope.messages.records.back().text, QStringLiteral("Save NewWall As"));

    scope.messages.answers = {TMsgAnswer::Yes};
    form.Execute(TCmd::FileOpen);
    EXPECT_EQ(scope.messages.count(TMsgKind::OpenFile), 0);

    scope.messages.answers = {TMsgAnswer::Yes};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());

    scope.messages.answers = {TMsgAnswer::Cancel};
    form.Execute(TCmd::TbNew);
    EXPECT_EQ(form.Project().Title, QStringLiteral("kept"));

    scope.messages.answers = {TMsgAnswer::No};
    form.Execute(TCmd::FileNew);
    EXPECT_EQ(form.Project().Title, QStringLiteral("New Wall"));
    EXPECT_FALSE(form.Project().IsModified());
    EXPECT_EQ(&CurrentProject(), &form.Project());
    EXPECT_EQ(scope.messages.count(TMsgKind::SaveFile), 3);

    // Not modified: no question at all.
    EXPECT_TRUE(form.close());
    EXPECT_EQ(scope.messages.count(TMsgKind::YesNoCancel), 5);
}

TEST_F(MainFormTest, CloseQueryYesSavesAndGoesOn) {
    TMainForm form;
    form.Project().Title = QStringLiteral("saved wall");
    form.Project().SetModified();
    scope.messages.answers = {TMsgAnswer::Yes};
    scope.messages.files.push_back(TFileChoice{path("saved.tv5d"), 1});
    form.Execute(TCmd::FileNew);
    EXPECT_TRUE(QFileInfo::exists(path("saved.tv5d")));
    EXPECT_EQ(form.Project().Title, QStringLiteral("New Wall"));
}

TEST_F(MainFormTest, SaveOfAnUntitledOrOlderProjectRunsSaveAs) {
    TMainForm form;
    scope.messages.files.push_back(TFileChoice{path("wall.tv5d"), 1});
    form.Execute(TCmd::TbSave);
    ASSERT_EQ(scope.messages.count(TMsgKind::SaveFile), 1);
    const TFileDialogRequest& r = scope.messages.records.back().request;
    EXPECT_EQ(r.filter, kSaveFilter);
    EXPECT_EQ(r.defaultExt, QStringLiteral("tv5d"));
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_TRUE(QFileInfo::exists(path("wall.tv5d")));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("TERVANE 2015.5.3 - Wall"));
    EXPECT_EQ(form.Files().Recent().At(0), CanonicalPath(path("wall.tv5d")));
    // Titled now: Save writes without a dialog.
    form.Project().SetModified();
    form.Execute(TCmd::FileSave);
    EXPECT_EQ(scope.messages.count(TMsgKind::SaveFile), 1);
    EXPECT_FALSE(form.Project().IsModified());

    // An older layout is saved under a new name: the dialog starts at the ".tv5d" name.
    form.Project().FileName = path("old.tv4d");
    form.Execute(TCmd::FileSave);
    ASSERT_EQ(scope.messages.count(TMsgKind::SaveFile), 2);
    EXPECT_EQ(scope.messages.records.back().text, QStringLiteral("Save Old.tv4d As"));
    EXPECT_EQ(scope.messages.records.back().request.initialPath, path("old.tv5d"));
}

TEST_F(MainFormTest, AFailedSaveIsReportedAndStopsTheCommand) {
    TMainForm form;
    form.Project().FileName = path("no-such-folder/wall.tv5d");
    form.Project().Title = QStringLiteral("kept");
    form.Project().SetModified();
    scope.messages.answers = {TMsgAnswer::Yes};
    form.Execute(TCmd::FileNew);
    EXPECT_EQ(infos().size(), 1);
    EXPECT_EQ(form.Project().Title, QStringLiteral("kept"));
}

TEST_F(MainFormTest, OpenByDialogRecentListAndFileMenu) {
    TMainForm form;
    form.PrepareMenu(TMenuId::File);
    EXPECT_FALSE(form.Menus().recentSeparator->isVisible());
    EXPECT_FALSE(form.Menus().recent[0]->isVisible());

    scope.messages.files.push_back(TFileChoice{example(), 1});
    form.Execute(TCmd::FileOpen);
    ASSERT_EQ(scope.messages.count(TMsgKind::OpenFile), 1);
    const TFileDialogRequest& r = scope.messages.records.front().request;
    EXPECT_EQ(r.title, QStringLiteral("Open"));
    EXPECT_EQ(r.filter, kOpenFilter);
    EXPECT_TRUE(r.fileMustExist);
    EXPECT_EQ(infos(), QStringList{kReadMessage});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("TERVANE 2015.5.3 - Cantilever-sand"));
    EXPECT_EQ(form.Project().Title,
              QStringLiteral("Cantilever sheet pile in medium dense sand, 10 ft excavation"));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(example()).canonicalPath());

    form.PrepareMenu(TMenuId::File);
    EXPECT_TRUE(form.Menus().recentSeparator->isVisible());
    EXPECT_TRUE(form.Menus().recent[0]->isVisible());
    EXPECT_FALSE(form.Menus().recent[1]->isVisible());
    EXPECT_EQ(form.Menus().recent[0]->text(), QStringLiteral("1 cantilever-sand.tv5d"));

    // The recent item opens the file again; it stays the only slot.
    form.Menus().recent[0]->trigger();
    EXPECT_EQ(infos().size(), 2);
    EXPECT_EQ(form.Files().Recent().Count(), 1);
    QSettings stored(path("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("2015.5.3/File1")).toString(), CanonicalPath(example()));
}

TEST_F(MainFormTest, AFileThatCannotBeReadLeavesANewProject) {
    TMainForm form;
    form.Files().OpenByName(example(), 1);
    for (const QString& bad : {path("missing.tv5d"), QString::fromStdString(dir.path().string())}) {
        scope.messages.records.clear();
        EXPECT_FALSE(form.Files().OpenByName(bad, 1));
        ASSERT_EQ(infos().size(), 1) << bad.toStdString();
        EXPECT_TRUE(infos()[0].contains(QStringLiteral("Cannot"))) << infos()[0].toStdString();
        EXPECT_EQ(form.Project().FileName, TProgramData::kUntitledName);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("TERVANE 2015.5.3 - NewWall"));
    }
    EXPECT_EQ(form.Files().Recent().Count(), 1);
}

TEST_F(MainFormTest, CommandLineAndDroppedFiles) {
    example();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    {
        TMainForm form;
        form.Startup(QStringLiteral("cantilever-sand"));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("TERVANE 2015.5.3 - Cantilever-sand"));
        EXPECT_TRUE(infos().isEmpty());
        EXPECT_EQ(form.Files().Recent().Count(), 0);
    }
    {
        TMainForm form;
        form.Startup(QStringLiteral("not-there"));
        EXPECT_EQ(form.Project().FileName, TProgramData::kUntitledName);
        EXPECT_TRUE(infos().isEmpty());

        form.Project().SetModified();
        scope.messages.answers = {TMsgAnswer::Cancel};
        form.OpenDroppedFiles(
            {QUrl(QStringLiteral("https://example.org/x.tv5d")), QUrl::fromLocalFile(example())});
        EXPECT_EQ(form.Project().FileName, TProgramData::kUntitledName);
        scope.messages.answers = {TMsgAnswer::No};
        form.OpenDroppedFiles({QUrl::fromLocalFile(example())});
        EXPECT_EQ(form.windowTitle(), QStringLiteral("TERVANE 2015.5.3 - Cantilever-sand"));
        EXPECT_EQ(infos(), QStringList{kReadMessage});
    }
}

TEST_F(MainFormTest, SettingsAreWrittenOnCloseAndReadAtStart) {
    {
        TMainForm form;
        form.Startup();
        EXPECT_EQ(form.EditorPath(), DefaultEditorPath());
        form.SetEditorPath(QStringLiteral("/opt/editor/bin/edit"));
        form.Files().OpenByName(example(), 1);
        EXPECT_TRUE(form.close());
    }
    QSettings stored(path("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("2015.5.3/Word Processor")).toString(),
              QStringLiteral("/opt/editor/bin/edit"));
    EXPECT_TRUE(stored.contains(QStringLiteral("2015.5.3/File10")));
    TMainForm again;
    again.Startup();
    EXPECT_EQ(again.EditorPath(), QStringLiteral("/opt/editor/bin/edit"));
    ASSERT_EQ(again.Files().Recent().Count(), 1);
    EXPECT_EQ(again.Files().Recent().At(0), CanonicalPath(example()));
}

TEST_F(MainFormTest, SwitchingAnOptionOffClosesItsTableWindow) {
    testsupport::FakeEditorFactory editors;
    TMainForm form;
    TProjectTables& t = form.Tables();
    const std::pair<TCmd, TGridTable*> closes[] = {
        {TCmd::OptConcentratedLoads, &t.BoundCond()}, {TCmd::OptSprings, &t.SoilStrength()},
        {TCmd::OptRestraints, &t.Soillayer()},        {TCmd::OptExternalPY, &t.PYCurves2()},
        {TCmd::OptMomentEI, &t.MEICurves2()},         {TCmd::OptPYModifiers, &t.PYMod()},
        {TCmd::OptSurcharge, &t.SurchargeTable()},
    };
    for (const auto& [toggle, table] : closes) {
        form.Execute(toggle); // on
        table->ShowEditor();
        ASSERT_TRUE(table->EditorOpen());
        form.Execute(toggle); // off
        EXPECT_FALSE(table->EditorOpen()) << static_cast<int>(toggle);
    }
    EXPECT_TRUE(form.Project().IsModified());
    // The tieback toggle closes nothing.
    form.Execute(TCmd::OptTiebacks);
    t.TiebackTable1().ShowEditor();
    form.Execute(TCmd::OptTiebacks);
    EXPECT_TRUE(t.TiebackTable1().EditorOpen());
    EXPECT_FALSE(form.Project().ApplyTiebacks);

    // The Data menu's table items show their tables' editors.
    form.Execute(TCmd::DataRestraints);
    EXPECT_TRUE(t.Soillayer().EditorOpen());
    form.Execute(TCmd::DataSoilLong);
    EXPECT_TRUE(t.LongSoil().EditorOpen());
    form.Execute(TCmd::TbSoilLayers);
    EXPECT_TRUE(t.NewSoil().EditorOpen());
}

TEST_F(MainFormTest, LongTermLayoutAndStageDisplay) {
    TMainForm form;
    EXPECT_TRUE(form.Action(TCmd::DataSoilLayer)->isVisible());
    form.Execute(TCmd::OptLongTerm);
    EXPECT_FALSE(form.Action(TCmd::DataSoilLayer)->isVisible());
    EXPECT_TRUE(form.Action(TCmd::DataSoilLayerMenu)->isVisible());
    EXPECT_TRUE(form.Action(TCmd::DataDistMenu)->isVisible());
    EXPECT_FALSE(form.Action(TCmd::TbSoilLayers)->isEnabled());
    EXPECT_FALSE(form.Action(TCmd::TbStageOption)->isEnabled());

    EXPECT_TRUE(form.StatusText().isEmpty());
    EXPECT_FALSE(form.Action(TCmd::StageMenu)->isVisible());
    form.Project().LongTermAnalysis = false;
    form.Project().StageCount = 3;
    form.Project().CurrentStage = 2;
    form.UpdateStageDisplay();
    EXPECT_EQ(form.StatusText(), QStringLiteral("Construction Stage Number: 2"));
    EXPECT_TRUE(form.Action(TCmd::StageMenu)->isVisible());
    EXPECT_TRUE(form.Action(TCmd::TbStage3)->isVisible());
    EXPECT_TRUE(form.Action(TCmd::TbStage2)->isChecked());
    EXPECT_FALSE(form.Action(TCmd::TbStage4)->isEnabled());
}

TEST_F(MainFormTest, GraphCommandsFollowThePlotFile) {
    TMainForm form;
    QStringList plotReads;
    form.Commands().readPlots = [&plotReads](const QString& f) {
        plotReads << f;
        return true;
    };
    form.Commands().graphHasData = [](int) { return true; };
    const QString plot = WithExtension(example(), QStringLiteral(".tv5p"));
    QFile(plot).open(QIODevice::WriteOnly);
    form.Files().OpenByName(example(), 1);
    EXPECT_EQ(plotReads, QStringList{plot});
    EXPECT_TRUE(form.PlotsLoaded());
    EXPECT_TRUE(form.Action(TCmd::TbGraphDMS)->isEnabled());
    form.PrepareMenu(TMenuId::Graphics);
    EXPECT_TRUE(form.Action(TCmd::GraphDef)->isEnabled());
    EXPECT_TRUE(form.Action(TCmd::GraphExport)->isEnabled());
    form.PrepareMenu(TMenuId::Computation);
    EXPECT_TRUE(form.Action(TCmd::CompViewWall)->isEnabled());
    EXPECT_TRUE(form.Action(TCmd::CompEditInput)->isEnabled());
    EXPECT_FALSE(form.Action(TCmd::CompEditOutput)->isEnabled());

    QFile::remove(plot);
    form.PrepareMenu(TMenuId::Graphics);
    for (TCmd c = TCmd::GraphPY; c <= TCmd::GraphExport; c = c + 1)
        EXPECT_FALSE(form.Action(c)->isEnabled()) << static_cast<int>(c);
    // A new project forgets the plots.
    form.Execute(TCmd::FileNew);
    EXPECT_FALSE(form.PlotsLoaded());
}

TEST_F(MainFormTest, TextEditorAndHelpFiles) {
    TMainForm form;
    form.Files().OpenByName(example(), 1);
    QStringList started;
    bool canStart = true;
    SetProcessStarter([&](const QString& program, const QStringList& args) {
        started << program + u'|' + args.join(u'|');
        return canStart;
    });
    form.SetEditorPath(QStringLiteral("my-editor -n"));
    form.Execute(TCmd::CompEditInput);
    form.Execute(TCmd::TbViewOutput);
    EXPECT_EQ(started, (QStringList{QStringLiteral("my-editor|-n|") + example(),
                                    QStringLiteral("my-editor|-n|") +
                                        WithExtension(example(), QStringLiteral(".tv5o"))}));
    canStart = false;
    form.Execute(TCmd::CompEditNotes);
    EXPECT_EQ(infos().last(), kEditorFailedMessage);
    // An editor path naming a program is taken whole, blanks and all.
    EXPECT_EQ(EditorCommand(QStringLiteral("/bin/sh"), QStringLiteral("a b")).arguments,
              QStringList{QStringLiteral("a b")});

    // The help files and manuals are built into the program's folder: each opens through the
    // desktop, and nothing is said.
    const int messages = static_cast<int>(scope.messages.records.size());
    form.Execute(TCmd::HelpContents);
    form.Execute(TCmd::HelpUsersManual);
    form.Execute(TCmd::HelpTechnicalManual);
    const QDir program(QCoreApplication::applicationDirPath());
    EXPECT_EQ(opened,
              (QStringList{program.filePath(kHelpContentsFile), program.filePath(kUsersManualFile),
                           program.filePath(kTechnicalManualFile)}));
    // A file missing from its folder opens nothing and says nothing.
    opened.clear();
    OpenFileInFolder(path("no-manuals-here"), kUsersManualFile);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(static_cast<int>(scope.messages.records.size()), messages);
}

TEST_F(MainFormTest, HooksCarryTheOtherWindowsCommands) {
    TMainForm form;
    // Unset hooks do nothing.
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto c = static_cast<TCmd>(i);
        if (c == TCmd::FileExit || c == TCmd::HelpAbout) continue;
        form.Execute(c);
    }
    QStringList calls;
    TMainCommands& k = form.Commands();
    k.title = [&] { calls << QStringLiteral("title"); };
    k.showGraph = [&](int g) { calls << QStringLiteral("graph %1").arg(g); };
    k.switchStage = [&](int n) { calls << QStringLiteral("stage %1").arg(n); };
    k.stagedDialog = [&](bool modal) { calls << QStringLiteral("staged %1").arg(modal); };
    k.view3D = [&] { calls << QStringLiteral("3d"); };
    k.view3DShow = [&](int i) { calls << QStringLiteral("show %1").arg(i); };
    k.view3DMouseMode = [&](int m, bool p) { calls << QStringLiteral("mode %1 %2").arg(m).arg(p); };
    k.view3DZoom = [&](double f) { calls << QStringLiteral("zoom %1").arg(f); };
    k.runAnalysis = [&] { calls << QStringLiteral("run"); };
    form.Execute(TCmd::TbTitle);
    form.Execute(TCmd::GraphCombine);
    form.Execute(TCmd::TbGraphDMS);
    form.Execute(TCmd::TbStage3);
    form.Execute(TCmd::OptStaged);
    form.Execute(TCmd::TbStageOption);
    form.Execute(TCmd::CompRun);
    EXPECT_FALSE(form.Action(TCmd::View3DMenu)->isVisible());
    form.Execute(TCmd::Tb3DView);
    EXPECT_TRUE(form.Action(TCmd::View3DMenu)->isVisible());
    EXPECT_TRUE(form.Action(TCmd::TbPan)->isVisible());
    form.Execute(TCmd::View3DSprings);
    form.Action(TCmd::TbZoomWindow)->trigger(); // presses it
    form.Execute(TCmd::TbZoomIn);
    form.Close3DView();
    EXPECT_FALSE(form.Action(TCmd::View3DMenu)->isVisible());
    EXPECT_FALSE(form.Action(TCmd::TbRestartView)->isVisible());
    EXPECT_EQ(calls, (QStringList{"title", "graph 7", "graph 5", "stage 3", "staged 1", "staged 0",
                                  "run", "3d", "show 7", "mode 4 1", "zoom 1.4142"}));

    // A staged save writes the current stage, then joins the stage files.
    k.writeCurrentStage = [&] { calls << QStringLiteral("write stage"); };
    k.joinStages = [&] { calls << QStringLiteral("join"); };
    calls.clear();
    form.Project().FileName = path("staged.tv5d");
    form.Project().StageCount = 2;
    form.Execute(TCmd::FileSave);
    EXPECT_EQ(calls, (QStringList{"write stage", "join"}));
}

TEST_F(MainFormTest, WindowMenuListsTheChildren) {
    TMainForm form;
    form.show();
    form.PrepareMenu(TMenuId::Window);
    EXPECT_FALSE(form.Menus().windowSeparator->isVisible());
    for (const char* title : {"Soil Layers", "Wall & Loads"}) {
        auto* child = new QWidget;
        child->setWindowTitle(QString::fromUtf8(title));
        AddMdiChild(child);
    }
    form.PrepareMenu(TMenuId::Window);
    EXPECT_TRUE(form.Menus().windowSeparator->isVisible());
    QStringList captions;
    QStringList checked;
    const QList<QAction*> items = form.Menus().menu(TMenuId::Window)->actions();
    for (qsizetype i = items.indexOf(form.Menus().windowSeparator) + 1; i < items.size(); ++i) {
        captions << items[i]->text();
        if (items[i]->isChecked()) checked << items[i]->text();
    }
    EXPECT_EQ(captions, (QStringList{"Soil Layers", "Wall && Loads"}));
    EXPECT_EQ(checked, QStringList{"Wall && Loads"});
    form.Execute(TCmd::WinCascade);
    for (QMdiSubWindow* w : form.mdiArea()->subWindowList())
        w->showMinimized();
    form.Execute(TCmd::WinArrangeIcons);
    const QList<QMdiSubWindow*> windows = form.mdiArea()->subWindowList();
    EXPECT_EQ(windows[0]->y(), windows[1]->y());
    EXPECT_EQ(windows[0]->x(), 0);
    EXPECT_EQ(windows[1]->x(), windows[0]->width());
    // New closes every child.
    form.Execute(TCmd::FileNew);
    EXPECT_TRUE(form.mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainFormTest, ToolButtonsHaveIconsAndTheAboutBoxItsLines) {
    TMainForm form;
    for (TCmd c = TCmd::TbNew; c < TCmd::Count; c = c + 1) {
        ASSERT_NE(form.Action(c), nullptr);
        EXPECT_FALSE(form.Action(c)->icon().isNull()) << CommandText(c).icon;
        EXPECT_EQ(form.Action(c)->toolTip(), QString::fromUtf8(CommandText(c).hint));
    }
    EXPECT_EQ(form.Action(TCmd::FileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    // The tables carry the notes their editors show.
    EXPECT_TRUE(form.Tables().PileSect().Comments().startsWith(
        QStringLiteral("The nodal number at the top of the wall is set to be 0.\r")));
    EXPECT_EQ(form.Tables().Table(QStringLiteral("TblSilt1")).Comments(),
              form.Tables().Table(QStringLiteral("TblClay1")).Comments());
    EXPECT_TRUE(form.Tables().SurchargeTable().Comments().endsWith(QStringLiteral("kN/m^2 ")));
    TAboutBox box;
    EXPECT_EQ(box.Lines(),
              (QStringList{"TERVANE 2015", "Version 2015.5.3",
                           "A program for the analysis of flexible retaining structures"}));
}

TEST_F(MainFormTest, ChildWindowsAreCreatedOnceAndForgottenWhenClosed) {
    TMainForm form;
    form.show();
    int made = 0;
    const auto create = [&made] {
        ++made;
        auto* w = new QWidget;
        w->setWindowTitle(QStringLiteral("Title"));
        return w;
    };
    TChildWindows& children = form.Children();
    EXPECT_FALSE(children.Created(QStringLiteral("title")));
    QWidget* first = children.Show(QStringLiteral("title"), create);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(children.Show(QStringLiteral("title"), create), first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(form.mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(children.Created(QStringLiteral("title")));
    MdiWindowOf(first)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(children.Created(QStringLiteral("title")));
    children.Show(QStringLiteral("title"), create);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(children.Show(QStringLiteral("none"), [] { return nullptr; }), nullptr);
}

TEST_F(MainFormTest, AGeneratedPressureChosenWithoutPYCurvesIsKeptAndItsDialogsReachable) {
    TMainForm form;
    form.show();
    TProgramData& p = form.Project();
    form.Action(TCmd::OptGeneratePY)->trigger();
    ASSERT_EQ(p.GeneratePYCurves, 0);
    form.PrepareEarthPressureMenu();
    form.Action(TCmd::OptEarthTrapezoidal)->trigger();
    form.PrepareMenu(TMenuId::Data);
    EXPECT_TRUE(form.Action(TCmd::DataSoilLayer)->isEnabled());
    EXPECT_TRUE(form.Action(TCmd::DataWallConfiguration)->isEnabled());
    EXPECT_FALSE(form.Action(TCmd::DataDistLoad)->isEnabled());

    p.FileName = path("trapezoidal.tv5d");
    p.Save();
    EXPECT_EQ(p.LoadOption, 3);
    EXPECT_EQ(p.PYOption, 0);
    TProjectTables tables;
    const TProgramData back(tables, p.FileName, 1);
    EXPECT_EQ(back.EarthPressureMethod, 3);
    EXPECT_TRUE(back.GeneratedPressure);
    EXPECT_EQ(back.GeneratePYCurves, 0);

    // Back to the user's pressure: nothing is generated any more.
    form.Action(TCmd::OptEarthUser)->trigger();
    EXPECT_FALSE(p.GeneratedPressure);
    p.Save();
    EXPECT_EQ(p.LoadOption, 1);
}

TEST_F(MainFormTest, OptionsMenuAdjustmentsAndTheActiveChildCommittingFirst) {
    TMainForm form;
    form.show();
    TProgramData& p = form.Project();
    p.EarthPressureMethod = 0;
    form.PrepareMenu(TMenuId::Options);
    EXPECT_FALSE(p.UserPressureTable);
    form.PrepareEarthPressureMenu();
    EXPECT_EQ(p.EarthPressureMethod, 1);
    EXPECT_TRUE(p.UserPressureTable);
    EXPECT_TRUE(form.Action(TCmd::OptEarthUser)->isChecked());
    form.Action(TCmd::OptEarthTrapezoidal)->trigger();
    EXPECT_EQ(p.EarthPressureMethod, 3);
    EXPECT_FALSE(p.UserPressureTable);
    EXPECT_FALSE(form.Action(TCmd::OptEarthUser)->isChecked());

    p.FreeHeight = 120;
    form.Action(TCmd::OptUnitsSI)->trigger();
    EXPECT_EQ(p.UnitSystem, 2);
    EXPECT_NEAR(static_cast<double>(p.FreeHeight), 3.048, 1e-9);
    EXPECT_TRUE(p.IsModified());
    form.PrepareMenu(TMenuId::Options);
    EXPECT_TRUE(form.Action(TCmd::OptUnitsSI)->isChecked());
    EXPECT_FALSE(form.Action(TCmd::OptUnitsEnglish)->isChecked());

    // Menus and the close query let the active child commit first.
    QList<QWidget*> committed;
    form.Commands().deactivateChild = [&committed](QWidget* w) { committed << w; };
    form.PrepareMenu(TMenuId::Data);
    EXPECT_TRUE(committed.isEmpty());
    auto* child = new QWidget;
    AddMdiChild(child);
    form.mdiArea()->setActiveSubWindow(MdiWindowOf(child));
    form.PrepareMenu(TMenuId::Data);
    scope.messages.answers = {TMsgAnswer::Cancel};
    form.Execute(TCmd::FileNew);
    EXPECT_EQ(committed, (QList<QWidget*>{child, child}));
}
