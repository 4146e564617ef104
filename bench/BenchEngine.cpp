// Engine benchmarks on the largest problem the storage allows:
//  - a whole run through the exported entry (input, earth pressure, curve generation, solution,
//    report and plot file), as the front end and tervane-run call it;
//  - the solver alone, reported per iteration, with the heap allocations made while it runs;
//  - the input/output floor: the time to write that run's files (report, plot data, run notes
//    and the two scratch files) from memory, the least any run producing them could take.

#include "AllocationCounter.h"
#include "EngineState.h"
#include "LargestProblem.h"
#include "RunControl.h"
#include "Solver.h"
#include "Tervane2015.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string readWhole(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWhole(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary);
    out << text;
}

// A private working folder holding the largest problem and its NAMES.dat; the process works in
// it while the object lives.
class ProblemFolder {
public:
    ProblemFolder() {
        std::string templ = (fs::temp_directory_path() / "tervane-bench-XXXXXX").string();
        if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
        m_dir = templ;
        writeWhole(m_dir / "largest.tv5d", bench::largestProblemDataFile());
        writeWhole(m_dir / "NAMES.dat", "2015.5.3\n" + (m_dir / "largest.tv5d").string() + "\n" +
                                            (m_dir / "largest.tv5o").string() + "\n" +
                                            (m_dir / "largest.tv5p").string() + "\n" +
                                            (m_dir / "largest.tv5r").string() + "\n");
        m_previous = fs::current_path();
        fs::current_path(m_dir);
    }
    ~ProblemFolder() {
        std::error_code ec;
        fs::current_path(m_previous, ec);
        fs::remove_all(m_dir, ec);
    }
    const fs::path& path() const { return m_dir; }
    // The files a run writes, in the order written.
    std::vector<fs::path> outputs() const {
        return {m_dir / "QKTEMP.001", m_dir / "SOILDATA", m_dir / "largest.tv5o",
                m_dir / "largest.tv5p", m_dir / "largest.tv5r"};
    }

private:
    fs::path m_dir;
    fs::path m_previous;
};

// The engine's console lines go to /dev/null while a benchmark runs.
class QuietConsole {
public:
    QuietConsole() {
        std::cout.flush();
        std::fflush(stdout);
        m_saved = dup(1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~QuietConsole() {
        std::fflush(stdout);
        dup2(m_saved, 1);
        close(m_saved);
    }

private:
    int m_saved = -1;
};

// True when the run in `folder` went through the curve generation and the solution.
bool analysedWhole(const ProblemFolder& folder) {
    const std::string report = readWhole(folder.path() / "largest.tv5o");
    return report.find("P-Y CURVES DATA") != std::string::npos &&
           report.find("RESULTS") != std::string::npos;
}

void wholeRunThroughEntry(benchmark::State& state) {
    ProblemFolder folder;
    QuietConsole quiet;
    for (auto _ : state) {
        if (ITERVANE(TERVANE_INTERFACE_VERSION) != TERVANE_RESULT_COMPLETED) {
            state.SkipWithError("the run did not complete");
            break;
        }
    }
    if (!analysedWhole(folder)) state.SkipWithError("the engine did not analyse the problem");
}

void solverPerIteration(benchmark::State& state) {
    ProblemFolder folder;
    QuietConsole quiet;
    auto engine = std::make_unique<tervane::EngineState>();
    if (tervane::performRun(*engine, folder.path()) != 0 || !analysedWhole(folder)) {
        state.SkipWithError("the engine did not analyse the problem");
        return;
    }
    const auto stations = std::make_unique<tervane::StationData>(engine->stations);
    tervane::TextOut notes; // not opened: the iteration monitor is not written
    long iterations = 0;
    long allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        engine->stations = *stations;
        const long before = bench::allocationCount();
        state.ResumeTiming();
        const tervane::SolverOutcome out =
            tervane::solveWall(engine->wall, engine->defaults.maxIterations, engine->stations,
                               engine->solverWork, notes);
        benchmark::DoNotOptimize(out);
        iterations += out.iterations;
        allocations += bench::allocationCount() - before;
    }
    const double solves = static_cast<double>(state.iterations());
    state.counters["iterations_per_solve"] = static_cast<double>(iterations) / solves;
    state.counters["time_per_iteration"] = benchmark::Counter(
        static_cast<double>(iterations), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocations_per_solve"] = static_cast<double>(allocations) / solves;
}

void outputFloor(benchmark::State& state) {
    ProblemFolder folder;
    std::vector<std::string> contents;
    {
        QuietConsole quiet;
        if (ITERVANE(TERVANE_INTERFACE_VERSION) != TERVANE_RESULT_COMPLETED ||
            !analysedWhole(folder)) {
            state.SkipWithError("the engine did not analyse the problem");
            return;
        }
    }
    std::size_t bytes = 0;
    for (const fs::path& p : folder.outputs()) {
        contents.push_back(readWhole(p));
        bytes += contents.back().size();
    }
    const fs::path copies = folder.path() / "floor";
    fs::create_directory(copies);
    for (auto _ : state) {
        for (std::size_t k = 0; k < contents.size(); ++k) {
            const std::string target = (copies / ("out" + std::to_string(k))).string();
            std::FILE* f = std::fopen(target.c_str(), "wb");
            if (!f) {
                state.SkipWithError("cannot write the output copies");
                return;
            }
            std::fwrite(contents[k].data(), 1, contents[k].size(), f);
            std::fclose(f);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
    state.counters["output_bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK(wholeRunThroughEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(solverPerIteration)->Unit(benchmark::kMicrosecond);
BENCHMARK(outputFloor)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
