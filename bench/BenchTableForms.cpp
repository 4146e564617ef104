// Benchmarks of the table editor windows under the offscreen platform: opening the soil-layer
// window with ten layers, and reading a 100-line text file into the p-y curve table (17 rows at
// most) and into the moment-EI table (100 rows).

#include "ColumnTypes.h"
#include "ProjectTables.h"
#include "TableChart.h"
#include "TableChartForm.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tervane;

namespace {

void flushDeletes() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TTableForm* formOf(TGridTable& table) {
    auto* handle = dynamic_cast<TTableEditorHandle*>(table.Editor());
    return handle ? handle->form() : nullptr;
}

void BM_OpenSoilLayerWindow(benchmark::State& state) {
    TProjectTables tables;
    TGridTable& soil = tables.NewSoil();
    soil.SetRowCount(10);
    for (int r = 0; r < 10; ++r) {
        soil.Cell(0, r).SetInteger(r % 7 + 1);
        soil.Cell(1, r).SetFloat(12.0L * (r + 1));
    }
    for (auto _ : state) {
        soil.ShowEditor();
        benchmark::DoNotOptimize(formOf(soil));
        state.PauseTiming();
        soil.CloseEditors();
        flushDeletes();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSoilLayerWindow)->Unit(benchmark::kMillisecond);

void importFile(benchmark::State& state, TGridTable& table, int expectedRows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("curve.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("y p\n");
    for (int i = 0; i < 99; ++i)
        file.write(QByteArray::number(i * 0.01 - 0.5) + "\t" + QByteArray::number(-i * 3.5) + "\n");
    file.close();
    table.ShowEditor();
    auto* form = dynamic_cast<TTableChartForm*>(formOf(table));
    form->fileNameEdit()->setText(path);
    for (auto _ : state) {
        state.PauseTiming();
        table.SetRowCount(table.MinRows());
        table.TableChanged();
        state.ResumeTiming();
        form->ReadFromFileClick();
    }
    if (table.RowCount() != expectedRows) state.SkipWithError("unexpected row count");
    table.CloseEditors();
    flushDeletes();
}

void BM_ImportPYCurve100Lines(benchmark::State& state) {
    TProjectTables tables;
    tables.Reset();
    importFile(state, *tables.PYCurves2().Cell(1, 0).AsTable(), 17);
}
BENCHMARK(BM_ImportPYCurve100Lines)->Unit(benchmark::kMillisecond);

void BM_ImportMomentEI100Lines(benchmark::State& state) {
    TProjectTables tables;
    tables.Reset();
    importFile(state, *tables.MEICurves2().Cell(2, 0).AsTable(), 99);
}
BENCHMARK(BM_ImportMomentEI100Lines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    InstallTableEditors();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
