// One full repaint of the graph window's deflection-moment-shear profile of the largest problem
// (three graphs of 410-point curves, the soil layers and the wall shown) into a 1600 x 1000
// picture, through the drawing routine the window paints with. The problem is analysed once by
// the command-line runner beforehand.

#include "GraphModels.h"
#include "GraphPainter.h"
#include "LargestProblem.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectTables.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {

using namespace tervane;

struct TLargestResults {
    QTemporaryDir dir;
    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
    TGraphModels models;
    bool ok = false;

    TLargestResults() {
        const QString path = dir.filePath(QStringLiteral("largest.tv5d"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(QByteArray::fromStdString(bench::largestProblemDataFile()));
        file.close();
        QProcess run;
        run.setStandardOutputFile(QProcess::nullDevice());
        run.start(QStringLiteral(TERVANE_BIN_DIR "/tervane-run"), {path});
        if (!run.waitForFinished(600000) || run.exitCode() != 0) return;
        project = std::make_unique<TProgramData>(tables, path, 1);
        ok = ReadPlots(models, *project, dir.filePath(QStringLiteral("largest.tv5p")), false);
    }
};

void RepaintDeflectionMomentShear(benchmark::State& state) {
    static TLargestResults results;
    if (!results.ok) {
        state.SkipWithError("the largest problem could not be analysed and read");
        return;
    }
    TGraphPlot& plot = results.models.pltDMS;
    plot.ShowLayers = true;
    plot.ShowWall = true;
    plot.ApplyCurveLimit();
    TGraphView view;
    view.Reset(plot);
    QImage picture(1600, 1000, QImage::Format_RGB32);
    picture.setDotsPerMeterX(3780); // 96 pixels per inch, as a common screen
    picture.setDotsPerMeterY(3780);
    const TGraphFonts fonts = GraphFonts(QGuiApplication::font(), plot.SizeFont, &picture);
    for (auto _ : state) {
        QPainter painter(&picture);
        const TGraphScene scene =
            MakeScene(plot, {0, 0, 1600, 1000}, fonts, 96, 96, TLayoutTarget::Window);
        DrawGraph(painter, plot, view, scene);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["points"] = plot.PointCount(kCurveSetMain);
    state.counters["curves"] = plot.CurveCount(kCurveSetMain);
    state.counters["layers"] = plot.WallLineCount;
}
BENCHMARK(RepaintDeflectionMomentShear)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
