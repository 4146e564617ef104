// Decoding the illustration pictures through libjpeg: each picture alone, and all of them as the
// program's start would (the table help pictures are installed as bytes and decoded when a table
// editor shows them; the dialogs decode theirs when they are first opened).
#include "JpegImage.h"
#include "Pictures.h"
#include "ProjectTables.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <vector>

namespace {

void BM_DecodeEachPicture(benchmark::State& state) {
    const QString name = tervane::PictureNames().at(static_cast<int>(state.range(0)));
    const QByteArray data = tervane::PictureData(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(tervane::DecodeJpeg(data));
    state.SetLabel(name.toStdString());
}
BENCHMARK(BM_DecodeEachPicture)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

void BM_DecodeAllPictures(benchmark::State& state) {
    std::vector<QByteArray> data;
    for (const QString& name : tervane::PictureNames())
        data.push_back(tervane::PictureData(name));
    for (auto _ : state)
        for (const QByteArray& bytes : data)
            benchmark::DoNotOptimize(tervane::DecodeJpeg(bytes));
}
BENCHMARK(BM_DecodeAllPictures)->Unit(benchmark::kMillisecond);

// What the main window's start-up does with the pictures: the table help pictures as bytes.
void BM_InstallTablePictures(benchmark::State& state) {
    tervane::TProjectTables tables;
    for (auto _ : state)
        tervane::InstallTablePictures(tables);
}
BENCHMARK(BM_InstallTablePictures)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
