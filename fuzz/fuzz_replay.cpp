// Replays data files through whole analysis runs, outside libFuzzer: for the coverage measurement
// of a corpus and for looking at what one input does.
//   fuzz_replay [--show] FILE_OR_FOLDER...
// Every file of a folder is run once, in a private working folder. --show prints each run's
// result and its report. The exit status is 1 when any run did not end in
// order (a result other than 0 or 2). The summary names the slowest input and its time.

#include "EngineState.h"
#include "RunControl.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

int main(int argc, char** argv) {
    bool show = false;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--show") {
            show = true;
        } else if (fs::is_directory(arg)) {
            for (const auto& e : fs::directory_iterator(arg))
                if (e.is_regular_file()) inputs.push_back(e.path());
        } else {
            inputs.emplace_back(arg);
        }
    }
    setenv("SOURCE_DATE_EPOCH", "1425546247", 1);
    std::string templ = (fs::temp_directory_path() / "tervane-replay-XXXXXX").string();
    if (!mkdtemp(templ.data())) return 1;
    const fs::path folder = templ;
    {
        std::ofstream names(folder / "NAMES.dat", std::ios::binary);
        names << "2015.5.3\n"
              << (folder / "p.tv5d").string() << "\n"
              << (folder / "p.tv5o").string() << "\n"
              << (folder / "p.tv5p").string() << "\n"
              << (folder / "p.tv5r").string() << "\n";
    }
    auto state = std::make_unique<tervane::EngineState>();
    int failures = 0;
    double slowest = 0.0;
    fs::path slowestInput;
    for (const fs::path& input : inputs) {
        fs::copy_file(input, folder / "p.tv5d", fs::copy_options::overwrite_existing);
        const auto start = std::chrono::steady_clock::now();
        const int result = tervane::performRun(*state, folder);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > slowest) {
            slowest = seconds;
            slowestInput = input;
        }
        if (result != 0 && result != 2) ++failures;
        if (show) {
            std::cout << "== " << input.string() << ": result " << result << "\n"
                      << readAll(folder / "p.tv5o") << "\n";
        }
    }
    fs::remove_all(folder);
    std::cout << inputs.size() << " inputs replayed, " << failures
              << " not ended in order; slowest " << slowest << " s (" << slowestInput.string()
              << ")\n";
    return failures == 0 ? 0 : 1;
}
