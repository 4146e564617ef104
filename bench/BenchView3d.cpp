// Benchmarks of the 3-D view (Google Benchmark; run under `xvfb-run -a` with Mesa's software
// renderer): one repaint of a rotation drag, which replays the compiled display lists under a new
// transform, for the example with the most wall nodes, flat and with the deformed shape; the
// rebuild of the lists (scene, meshes, compilation and one frame); the scene and meshes alone.
#include "CurrentProject.h"
#include "ProgramData.h"
#include "ProjectTables.h"
#include "Scene3DBuilder.h"
#include "SceneMesh.h"
#include "View3dUnit1.h"
#include "glWindow.h"

#include <QApplication>
#include <QDir>
#include <QOpenGLFunctions_1_1>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace tervane;

struct TBenchProject {
    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
    QString name;
};

// The example with the most increments among those that open completely.
TBenchProject& largestExample() {
    static TBenchProject b = [] {
        TBenchProject r;
        const QDir dir(QStringLiteral(TERVANE_EXAMPLES));
        int best = -1;
        for (const QString& file : dir.entryList({QStringLiteral("*.tv5d")}, QDir::Files)) {
            TProjectTables probeTables;
            TProgramData probe(probeTables, dir.filePath(file), 1);
            if (probe.OpenMessage().isEmpty() && probe.IncrementCount > best) {
                best = probe.IncrementCount;
                r.name = file;
            }
        }
        r.project = std::make_unique<TProgramData>(r.tables, dir.filePath(r.name), 1);
        SetCurrentProject(r.project.get());
        // A smooth deflection curve over every node (its values do not change the work).
        std::vector<TDeflectionPoint> curve;
        const int n = r.project->IncrementCount;
        for (int i = 0; i <= n; ++i)
            curve.push_back({static_cast<double>(i), 0.5 * std::cos(3.0 * i / n)});
        SetDeflectionCurve(curve);
        return r;
    }();
    return b;
}

TDlgBlock& view() {
    static TDlgBlock* v = [] {
        largestExample();
        auto* d = new TDlgBlock;
        d->resize(1000, 750);
        d->show();
        QApplication::processEvents();
        d->GlWindow()->RenderFrame();
        d->GlWindow()->makeCurrent();
        if (d->GlWindow()->Gl())
            benchmark::AddCustomContext(
                "renderer",
                reinterpret_cast<const char*>(d->GlWindow()->Gl()->glGetString(GL_RENDERER)));
        d->GlWindow()->doneCurrent();
        return d;
    }();
    return *v;
}

void rotationFrame(benchmark::State& state) {
    TDlgBlock& v = view();
    v.SetDeformedShape(state.range(0) != 0);
    v.GlWindow()->RenderFrame(); // builds the lists once
    const int builds = v.ListBuildCount();
    double angle = 0;
    for (auto _ : state) {
        v.State().angles = {angle, angle / 2, -angle};
        angle += 1;
        v.GlWindow()->RenderFrame();
    }
    if (v.ListBuildCount() != builds) state.SkipWithError("a rotation rebuilt the lists");
    state.SetLabel(largestExample().name.toStdString() +
                   (state.range(0) ? ", deformed shape" : ", flat wall"));
}

void listRebuild(benchmark::State& state) {
    TDlgBlock& v = view();
    v.SetDeformedShape(state.range(0) != 0);
    for (auto _ : state) {
        v.RedrawComplete();
        v.GlWindow()->RenderFrame();
    }
    state.SetLabel(largestExample().name.toStdString() +
                   (state.range(0) ? ", deformed shape" : ", flat wall"));
}

void sceneAndMeshes(benchmark::State& state) {
    TBenchProject& b = largestExample();
    TSceneSwitches s;
    s.deformedShape = state.range(0) != 0;
    int triangles = 0;
    for (auto _ : state) {
        const TMesh pileCap = BuildMesh(BuildPileCap(*b.project, s, DeflectionCurve()));
        const TMesh soil = BuildMesh(BuildSoilLayers(*b.project, s));
        triangles = pileCap.TriangleCount() + soil.TriangleCount();
        benchmark::DoNotOptimize(triangles);
    }
    state.counters["triangles"] = triangles;
}

} // namespace

BENCHMARK(rotationFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(listRebuild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(sceneAndMeshes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    view(); // the window and its context first, so that the renderer is named in the context
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
