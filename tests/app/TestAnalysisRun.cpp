// The analysis run through the real engine library and through stand-ins for broken ones, with
// the scripted messages layer answering and a real project as the main window would hold it.

#include "AnalysisRun.h"
#include "CurrentProject.h"
#include "DynamicLibrary.h"
#include "PltData.h"
#include "ProgramData.h"
#include "RunTestSupport.h"
#include "ScriptedMessages.h"
#include "TestSupport.h"

#include "../components/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cmath>
#include <cstdlib>

using namespace tervane;
using testsupport::TempDir;
using namespace runtest;
namespace fs = std::filesystem;

namespace {

// The result blocks of a plot file as written: per block its unit system and rows of five
// numbers (x, deflection, moment, shear, reaction), and the last block's p-y curve count.
struct TFileBlocks {
    int units = 0;
    std::vector<std::vector<std::vector<double>>> rows;
    int lastCurveCount = 0;
};
TFileBlocks scanPlotFile(const fs::path& path) {
    TFileBlocks b;
    const std::vector<std::string> lines = testsupport::lines(testsupport::readFile(path));
    for (size_t i = 0; i < lines.size(); ++i) {
        std::istringstream in(lines[i]);
        std::vector<std::string> words;
        for (std::string w; in >> w;)
            words.push_back(w);
        const bool integers = std::all_of(words.begin(), words.end(), [](const std::string& w) {
            return w.find_first_not_of("0123456789") == std::string::npos;
        });
        if (words.size() == 2 && integers && i > 0 && lines[i].find('.') == std::string::npos &&
            std::stoi(words[0]) <= 3)
            b.lastCurveCount = std::stoi(words[1]); // curve header: unit system, count
        if (words.size() != 3 || !integers) continue;
        b.units = std::stoi(words[2]);
        const int r = std::stoi(words[1]);
        b.rows.emplace_back();
        for (int j = 1; j <= r; ++j) {
            std::istringstream row(lines[i + static_cast<size_t>(j)]);
            std::vector<double> v(5);
            for (double& x : v)
                row >> x;
            b.rows.back().push_back(v);
        }
        i += static_cast<size_t>(r);
    }
    return b;
}

QStringList curveNames(const TGraphPlot& p) {
    QStringList out;
    for (int k = 0; k < p.CurveCount(kCurveSetMain); ++k)
        out << p.DisplayName(k);
    return out;
}

// A main window as far as the run sees it: the project, its Save, counters of the hooks.
class AnalysisRunTest : public ::testing::Test {
protected:
    AnalysisRunTest() : project(std::make_unique<TProgramData>(tables)) {
        SetCurrentProject(project.get());
        settings.ProgramFolder = qs(programDir.path());
        settings.LibraryPath = kRealEngine;
        host.FileSave = [this] { fileSave(); };
        host.UpdateToolBar = [this] { ++toolBarUpdates; };
        host.CloseChildWindows = [this] { ++childWindowsClosed; };
        host.SetPlotsLoaded = [this](bool loaded) { plotsLoaded = loaded ? 1 : 0; };
        host.Models = &models;
    }
    ~AnalysisRunTest() override {
        SetCurrentProject(nullptr);
        QDir::setCurrent(qs(fs::temp_directory_path()));
    }

    // File Save of the main window: Save As (the save dialog) for an untitled project.
    void fileSave() {
        if (project->FileName == TProgramData::kUntitledName) {
            TFileDialogRequest request;
            request.title = QStringLiteral("Save NewWall As");
            const auto choice = Messages().saveFile(request);
            if (!choice) return;
            project->FileName = choice->path;
        }
        project->Save();
    }
    // Copies an example into the data folder and opens it as the current project.
    fs::path openExample(const std::string& name) {
        const fs::path target = dataDir.path() / (name + ".tv5d");
        fs::copy_file(fs::path(TERVANE_EXAMPLES) / (name + ".tv5d"), target);
        project = std::make_unique<TProgramData>(tables, qs(target), 1);
        EXPECT_TRUE(project->OpenMessage().isEmpty()) << name;
        SetCurrentProject(project.get());
        return target;
    }
    TRunResult run() { return RunAnalysis(host, settings); }
    bool programFolderIsEmpty() const { return fs::is_empty(programDir.path()); }

    test::TScriptedMessagesScope scope;
    TempDir programDir, dataDir;
    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
    TGraphModels models;
    TRunSettings settings;
    TAnalysisHost host;
    int toolBarUpdates = 0;
    int childWindowsClosed = 0;
    int plotsLoaded = -1; // not set
};

} // namespace

TEST_F(AnalysisRunTest, EveryExampleThroughTheRealLibrary) {
    for (const char* name :
         {"cantilever-sand", "tieback-clay-trapezoid", "soldier-pile-weak-rock",
          "sloping-backfill-strip-load", "short-long-term-clay", "three-stage-excavation",
          "drilled-shaft-moment-ei", "anchored-sheet-pile-si"}) {
        SCOPED_TRACE(name);
        scope.messages.records.clear();
        toolBarUpdates = childWindowsClosed = 0;
        plotsLoaded = -1;
        const fs::path path = openExample(name);
        // The project model keeps one stage of a staged project and saves that one alone (the
        // stage files are joined by staged construction, not there yet): the staged example runs
        // as shipped, the file standing for the joined stage files.
        const bool staged = std::string(name) == "three-stage-excavation";
        ASSERT_EQ(project->StageCount, staged ? 3 : 1);
        host.FileSave = [this, staged] {
            if (!staged) fileSave();
        };
        const TRunResult r = run();
        ASSERT_EQ(r.Outcome, TRunOutcome::Completed);
        EXPECT_EQ(scope.messages.informationTexts(), QStringList{kComputationsCompleted});
        EXPECT_EQ(plotsLoaded, 1);
        EXPECT_EQ(toolBarUpdates, 1);
        EXPECT_EQ(childWindowsClosed, 1);
        EXPECT_FALSE(AnalysisInProgress());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // the hourglass is gone again

        // Folder rules: the program's folder is current and holds nothing of the run; the
        // private working folder is gone; the results lie beside the project.
        EXPECT_EQ(QDir::currentPath(), QDir(settings.ProgramFolder).canonicalPath());
        EXPECT_TRUE(programFolderIsEmpty());
        EXPECT_FALSE(r.WorkFolder.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(r.WorkFolder));
        fs::path plot = path;
        plot.replace_extension(".tv5p");
        ASSERT_TRUE(fs::exists(plot));
        EXPECT_TRUE(fs::exists(fs::path(path).replace_extension(".tv5o")));

        // The models against the file: one line per result block with its rows, in display units.
        const TFileBlocks file = scanPlotFile(plot);
        const int blocks = static_cast<int>(file.rows.size());
        ASSERT_GE(blocks, 1);
        ASSERT_EQ(models.pltDef.CurveCount(kCurveSetMain), blocks);
        ASSERT_EQ(models.pltDMS.CurveCount(kCurveSetRight), blocks);
        const bool english = file.units == 1;
        for (int k = 0; k < blocks; ++k) {
            const auto& rows = file.rows[static_cast<size_t>(k)];
            const size_t j = rows.size() / 2;
            const auto& row = rows[j];
            const int i = static_cast<int>(j);
            EXPECT_NEAR(static_cast<double>(models.pltMom.Point(kCurveSetMain, k, i).x),
                        row[2] / (english ? 1000 : 1), 1e-9 * (1 + std::fabs(row[2])));
            EXPECT_NEAR(static_cast<double>(models.pltShear.Point(kCurveSetMain, k, i).y),
                        row[0] / (english ? 12 : 1), 1e-9 * (1 + row[0]));
            EXPECT_NEAR(static_cast<double>(models.pltDef.Point(kCurveSetMain, k, i).x), row[1],
                        1e-12 + 1e-9 * std::fabs(row[1]));
        }
        EXPECT_EQ(models.pltPY.CurveCount(kCurveSetMain), file.lastCurveCount);
        EXPECT_EQ(models.pltPY.PointCount(kCurveSetMain), 33);
        EXPECT_EQ(models.pltMom.XCaption, english ? QStringLiteral("Bending Moment (in-kips)")
                                                  : QStringLiteral("Bending Moment (m-kN)"));
        EXPECT_EQ(models.pltDef.YCaption, english ? kDepthFeet : kDepthMetres);
        EXPECT_EQ(models.pltDMS.WallLineCount, tables.NewSoil().RowCount());
        EXPECT_EQ(models.pltDMS.CurveCount(kCurveSetLayers), tables.NewSoil().RowCount() + 2);
        EXPECT_EQ(models.pltLD.Units(), file.units);

        QStringList expected;
        if (std::string(name) == "short-long-term-clay")
            expected = {"Short-Term", "Long-Term"};
        else if (std::string(name) == "three-stage-excavation")
            expected = {"Stage: 1", "Stage: 2", "Stage: 3"};
        else
            expected = {"Curve #1"};
        EXPECT_EQ(curveNames(models.pltMom), expected);
        EXPECT_EQ(curveNames(models.pltDMS), expected);
    }
}

TEST_F(AnalysisRunTest, CancelledSaveAsOfAnUntitledProjectDoesNothing) {
    settings.LibraryPath = kFakeEngine; // a load would leave a scratch file and a message
    scope.messages.files.push_back(std::nullopt);
    const TRunResult r = run();
    EXPECT_EQ(r.Outcome, TRunOutcome::SaveCancelled);
    EXPECT_EQ(scope.messages.count(test::TMsgKind::SaveFile), 1);
    EXPECT_TRUE(scope.messages.informationTexts().isEmpty());
    EXPECT_EQ(toolBarUpdates, 0);
    EXPECT_EQ(childWindowsClosed, 0);
    EXPECT_TRUE(programFolderIsEmpty());
    EXPECT_TRUE(r.WorkFolder.isEmpty());

    // Confirmed, the same untitled project is saved and analysed.
    const QString path = qs(dataDir.path() / "untitled.tv5d");
    scope.messages.files.push_back(TFileChoice{path, 1});
    settings.LibraryPath = kRealEngine;
    EXPECT_EQ(run().Outcome, TRunOutcome::Completed);
    EXPECT_TRUE(QFileInfo::exists(ChangeFileExt(path, ".tv5o")));
}

TEST_F(AnalysisRunTest, LibrariesThatCannotServe) {
    openExample("cantilever-sand");
    const QString notALibrary = qs(dataDir.path() / "Tervane2015_DLL.so");
    testsupport::writeFile(dataDir.path() / "Tervane2015_DLL.so", "not a shared object\n");
    for (const QString& library : {qs(dataDir.path() / "missing.so"), notALibrary, kNoEntry}) {
        SCOPED_TRACE(library.toStdString());
        scope.messages.records.clear();
        toolBarUpdates = childWindowsClosed = 0;
        settings.LibraryPath = library;
        const TRunResult r = run();
        EXPECT_EQ(r.Outcome, TRunOutcome::LibraryFailed);
        EXPECT_EQ(scope.messages.informationTexts(), QStringList{kInitializeDLLFailed});
        EXPECT_EQ(toolBarUpdates, 1); // step 9 runs all the same
        EXPECT_EQ(childWindowsClosed, 1);
        EXPECT_FALSE(AnalysisInProgress());
        EXPECT_FALSE(QFileInfo::exists(r.WorkFolder));
        EXPECT_TRUE(programFolderIsEmpty());
        EXPECT_FALSE(fs::exists(dataDir.path() / "cantilever-sand.tv5p"));
    }

    // The engine refuses another interface version: the mismatch message, no plots read.
    scope.messages.records.clear();
    settings.LibraryPath = kRealEngine;
    settings.InterfaceVersion = 4;
    const TRunResult r = run();
    EXPECT_EQ(r.Outcome, TRunOutcome::VersionMismatch);
    EXPECT_EQ(r.EntryResult, 1);
    ASSERT_EQ(scope.messages.informationTexts().size(), 1);
    EXPECT_TRUE(scope.messages.informationTexts()[0].startsWith(
        "Computations can not be performed. Executable files are not consistent.\rYou may need"));
    EXPECT_EQ(scope.messages.informationTexts()[0].count(u'\r'), 3);
    EXPECT_EQ(plotsLoaded, -1);
}

TEST_F(AnalysisRunTest, BrokenOrMissingPlotFileAfterARun) {
    openExample("cantilever-sand");
    settings.LibraryPath = kFakeEngine;
    // A plot file cut off in its first block: completion, then the reader's message.
    unsetenv("TERVANE_FAKE_ENGINE");
    TRunResult r = run();
    EXPECT_EQ(r.Outcome, TRunOutcome::Completed);
    EXPECT_EQ(scope.messages.informationTexts(),
              (QStringList{kComputationsCompleted, kPlotReadFailed}));
    EXPECT_EQ(plotsLoaded, 0);
    EXPECT_FALSE(r.PlotsLoaded);
    EXPECT_EQ(models.pltLD.PointCount(kCurveSetMain), 1); // what was read stays
    EXPECT_TRUE(programFolderIsEmpty()); // the stand-in's scratch file went with its folder

    // No plot file: the completion message only, PlotsLoaded keeps its value.
    fs::remove(dataDir.path() / "cantilever-sand.tv5p");
    scope.messages.records.clear();
    plotsLoaded = -1;
    setenv("TERVANE_FAKE_ENGINE", "noplot", 1);
    r = run();
    EXPECT_EQ(r.Outcome, TRunOutcome::Completed);
    EXPECT_FALSE(r.PlotFileFound);
    EXPECT_EQ(scope.messages.informationTexts(), QStringList{kComputationsCompleted});
    EXPECT_EQ(plotsLoaded, -1);

    // A fatal stop still ends with the completion message (the report tells the rest).
    setenv("TERVANE_FAKE_ENGINE", "stop", 1);
    EXPECT_EQ(run().Outcome, TRunOutcome::Stopped);
    unsetenv("TERVANE_FAKE_ENGINE");
}

TEST_F(AnalysisRunTest, ASecondRunWhileOneHoldsTheLibraryIsRefused) {
    openExample("cantilever-sand");
    TRunResult inner;
    bool nested = false;
    host.UpdateToolBar = [&] {
        if (nested) return;
        nested = true;
        EXPECT_TRUE(AnalysisInProgress()); // step 9 updates the tool bar before the release
        inner = RunAnalysis(host, settings);
    };
    const TRunResult outer = run();
    EXPECT_EQ(outer.Outcome, TRunOutcome::Completed);
    EXPECT_EQ(inner.Outcome, TRunOutcome::AlreadyRunning);
    EXPECT_EQ(scope.messages.informationTexts(),
              (QStringList{kComputationsCompleted, kReinitializeDLL}));
    EXPECT_FALSE(AnalysisInProgress());
    EXPECT_FALSE(QFileInfo::exists(inner.WorkFolder));

    // A hook that throws ends the command, but the holder is released all the same.
    host.UpdateToolBar = nullptr;
    host.CloseChildWindows = [] { throw std::runtime_error("a window refused to close"); };
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_FALSE(AnalysisInProgress());
    host.CloseChildWindows = nullptr;
    EXPECT_EQ(run().Outcome, TRunOutcome::Completed);
}

TEST(DynamicLibrary, LoadResolveAndRelease) {
    TDynamicLibrary lib;
    EXPECT_FALSE(lib.IsLoaded());
    try {
        lib.GetProcAddress("_ITERVANE");
        ADD_FAILURE() << "no error";
    } catch (const EDLLNotOpenError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Library is not open"));
    }
    lib.SetLibraryName(QStringLiteral("/nonexistent/Tervane2015_DLL.so"));
    try {
        lib.Load();
        ADD_FAILURE() << "no error";
    } catch (const EFileNotFoundError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Library could not be located"));
    }
    TempDir dir;
    testsupport::writeFile(dir.path() / "junk.so", "\x7f"
                                                   "ELF but not really");
    lib.SetLibraryName(qs(dir.path() / "junk.so"));
    try {
        lib.Load();
        ADD_FAILURE() << "no error";
    } catch (const EInitError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Library failed to properly initialize"));
        EXPECT_FALSE(lib.LoadError().isEmpty());
    }
    EXPECT_FALSE(lib.IsLoaded());

    lib.SetLibraryName(kRealEngine);
    lib.Load();
    ASSERT_TRUE(lib.IsLoaded());
    lib.Load(); // already loaded: nothing happens
    auto entry = reinterpret_cast<TEngineEntry>(lib.GetProcAddress("_ITERVANE"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(7), 1); // the engine refuses anything but its interface version
    EXPECT_EQ(lib.GetProcAddress("NoSuchExport"), nullptr);
    lib.SetLibraryName(kNoEntry); // unloads first
    EXPECT_FALSE(lib.IsLoaded());
    // The module is really gone, so the next run starts the engine with fresh storage.
    const std::string maps = testsupport::readFile("/proc/self/maps");
    EXPECT_NE(maps.find("libQt6Core"), std::string::npos);
    EXPECT_EQ(maps.find("Tervane2015_DLL.so"), std::string::npos);
    EXPECT_EQ(lib.LibraryName(), kNoEntry);
}

TEST(AnalysisRunNames, ChangeFileExt) {
    EXPECT_EQ(ChangeFileExt("/a/b/wall.tv5d", ".tv5p"), QStringLiteral("/a/b/wall.tv5p"));
    EXPECT_EQ(ChangeFileExt("/a/b.c/wall", ".tv5p"), QStringLiteral("/a/b.c/wall.tv5p"));
    EXPECT_EQ(ChangeFileExt("/a/wall.old.tvd", ".tv5d"), QStringLiteral("/a/wall.old.tv5d"));
}

// Two analyses side by side: the program's run and the command-line runner on another project,
// each in its own working folder. Both complete and give the plot files of runs alone.
TEST_F(AnalysisRunTest, BesideARunningCommandLineRunner) {
    const fs::path mine = openExample("tieback-clay-trapezoid");
    const fs::path other = dataDir.path() / "other" / "sloping-backfill-strip-load.tv5d";
    fs::create_directories(other.parent_path());
    fs::copy_file(fs::path(TERVANE_EXAMPLES) / other.filename(), other);
    const auto plotOf = [](fs::path p) {
        return testsupport::readFile(p.replace_extension(".tv5p"));
    };
    const std::string runner = std::string(TERVANE_BIN_DIR) + "/tervane-run";

    // Alone first.
    ASSERT_EQ(run().Outcome, TRunOutcome::Completed);
    const std::string mineAlone = plotOf(mine);
    ASSERT_EQ(std::system((runner + " '" + other.string() + "' >/dev/null").c_str()), 0);
    const std::string otherAlone = plotOf(other);

    // Then side by side: the runner analyses its project over and over while this process runs
    // until the runner is done (it leaves a mark then), so every run here overlaps with it.
    const fs::path done = dataDir.path() / "other" / "done";
    const std::string loop = "for i in $(seq 1 30); do " + runner + " '" + other.string() +
                             "' >/dev/null || exit 1; done; touch '" + done.string() + "'";
    FILE* background = popen(loop.c_str(), "r");
    ASSERT_NE(background, nullptr);
    int runs = 0;
    for (; runs < 500 && !fs::exists(done); ++runs) {
        ASSERT_EQ(run().Outcome, TRunOutcome::Completed);
        EXPECT_EQ(plotOf(mine), mineAlone);
        EXPECT_EQ(plotsLoaded, 1);
    }
    EXPECT_GE(runs, 2);
    RecordProperty("runs_beside", runs);
    EXPECT_EQ(pclose(background), 0);
    EXPECT_EQ(plotOf(other), otherAlone);
    EXPECT_TRUE(programFolderIsEmpty());
}
