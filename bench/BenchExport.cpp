// Spreadsheet export of the seven result graphs of the largest example project, analysed once
// before timing.
#include "ExportDlg.h"
#include "GraphModels.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectTables.h"
#include "WorkbookExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tervane;

static void BM_ExportSevenGraphs(benchmark::State& state) {
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("three-stage-excavation.tv5d"));
    QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/three-stage-excavation.tv5d"), project);
    QProcess run;
    run.start(QStringLiteral(TERVANE_BIN_DIR "/tervane-run"), {project});
    run.waitForFinished(60000);
    TProjectTables tables;
    TProgramData data(tables, project, 1);
    TGraphModels models;
    if (!ReadPlots(models, data, dir.filePath(QStringLiteral("three-stage-excavation.tv5p")),
                   false)) {
        state.SkipWithError("plot data file not read");
        return;
    }
    std::vector<const TGraphPlot*> graphs;
    for (const TGraphPlot* g : ExportGraphs(models))
        graphs.push_back(g);
    const QString book = dir.filePath(QStringLiteral("out.xlsx"));
    for (auto _ : state)
        WriteWorkbook(book, graphs);
    state.counters["points"] = [&] {
        double n = 0;
        for (const TGraphPlot* g : graphs)
            n += g->CurveCount(kCurveSetMain) * g->PointCount(kCurveSetMain);
        return n;
    }();
}
BENCHMARK(BM_ExportSevenGraphs)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
