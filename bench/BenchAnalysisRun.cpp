// Run Analysis from the command to the filled graph models, on example projects, through the
// real engine library loaded from the program's folder (this executable's), with the engine's
// part of each run reported beside it:
//  - RunAnalysis/<example>: save, run-control file, load, entry, completion, plot file read,
//    release; counter engine_ms is the time inside the entry, read_ms the plot file read alone.
// The engine's console lines are sent to /dev/null while a run works.

#include "AnalysisRun.h"
#include "CurrentProject.h"
#include "Messages.h"
#include "PltData.h"
#include "ProgramData.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace tervane;

// Answers nothing and shows nothing.
class TSilentMessages : public TMessages {
public:
    void information(const QString&) override {}
    TMsgAnswer yesNo(const QString&) override { return TMsgAnswer::No; }
    TMsgAnswer yesNoCancel(const QString&) override { return TMsgAnswer::Cancel; }
    std::optional<TFileChoice> openFile(const TFileDialogRequest&) override { return {}; }
    std::optional<TFileChoice> saveFile(const TFileDialogRequest&) override { return {}; }
    bool printDialog(QPrinter&) override { return false; }
    bool pageSetupDialog(QPrinter&) override { return false; }
};

// Standard output to /dev/null for the object's life.
class TQuietStdout {
public:
    TQuietStdout() : m_saved(dup(1)) {
        std::fflush(stdout);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~TQuietStdout() {
        std::fflush(stdout);
        dup2(m_saved, 1);
        close(m_saved);
    }

private:
    int m_saved;
};

const char* const kExamples[] = {"three-stage-excavation", "short-long-term-clay",
                                 "cantilever-sand"};

void RunAnalysisExample(benchmark::State& state) {
    const QString name = QString::fromLatin1(kExamples[state.range(0)]);
    state.SetLabel(name.toStdString());
    QTemporaryDir dir;
    const QString path = dir.filePath(name + ".tv5d");
    QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/") + name + ".tv5d", path);
    TSilentMessages messages;
    SetMessages(&messages);
    TProjectTables tables;
    TProgramData project(tables, path, 1);
    SetCurrentProject(&project);
    TGraphModels models;
    TAnalysisHost host;
    // A staged project is run as shipped: the model keeps one stage and would save that alone.
    if (project.StageCount == 1) host.FileSave = [&project] { project.Save(); };
    host.Models = &models;
    const TRunSettings settings = DefaultRunSettings();

    double engine = 0, read = 0;
    for (auto _ : state) {
        TQuietStdout quiet;
        const TRunResult r = RunAnalysis(host, settings);
        if (r.Outcome != TRunOutcome::Completed || !r.PlotsLoaded) {
            state.SkipWithError("the run did not complete");
            break;
        }
        engine += r.EngineSeconds;
        QElapsedTimer clock;
        clock.start();
        benchmark::DoNotOptimize(ReadProjectPlots(models, project, false));
        read += static_cast<double>(clock.nsecsElapsed()) * 1E-9;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["engine_ms"] = 1000 * engine / n;
    state.counters["read_ms"] = 1000 * read / n;
    state.counters["blocks"] = models.pltDef.CurveCount(kCurveSetMain);
    SetCurrentProject(nullptr);
    SetMessages(nullptr);
}
BENCHMARK(RunAnalysisExample)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
