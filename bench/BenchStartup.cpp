// Start-up time of the desktop program: from starting the process to its main window on screen
// (offscreen platform), with no project and with the cantilever example named on the command
// line. The program, started with TERVANE_STARTUP_PROBE set, writes "shown" to standard output as
// soon as its window is shown and ends; the time to that line is measured.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A private folder for the settings and the copied example, removed at exit.
const fs::path& workFolder() {
    static const fs::path folder = [] {
        std::string templ = (fs::temp_directory_path() / "tervane-startup-XXXXXX").string();
        if (!mkdtemp(templ.data())) std::abort();
        fs::copy_file(TERVANE_EXAMPLES "/cantilever-sand.tv5d",
                      fs::path(templ) / "cantilever-sand.tv5d");
        std::atexit([] { fs::remove_all(workFolder()); });
        return fs::path(templ);
    }();
    return folder;
}

// Starts the program and returns the seconds until it reported its window shown; negative when
// it failed.
double startOnce(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe(out) != 0) return -1;
    std::vector<std::string> env = {"TERVANE_STARTUP_PROBE=1", "QT_QPA_PLATFORM=offscreen",
                                    "XDG_CONFIG_HOME=" + workFolder().string(),
                                    "XDG_RUNTIME_DIR=" + workFolder().string(),
                                    "HOME=" + workFolder().string()};
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = TERVANE_BIN_DIR "/Tervane2015";
    std::vector<std::string> args = {program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    std::string text;
    char buffer[64];
    double seconds = -1;
    for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
        if (text.find("shown") != std::string::npos) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return seconds;
}

void measure(benchmark::State& state, const std::vector<std::string>& arguments) {
    for (auto _ : state) {
        const double seconds = startOnce(arguments);
        if (seconds < 0) {
            state.SkipWithError("the program did not show its window");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_StartupNewProject(benchmark::State& state) {
    measure(state, {});
}

void BM_StartupWithExample(benchmark::State& state) {
    measure(state, {(workFolder() / "cantilever-sand.tv5d").string()});
}

} // namespace

BENCHMARK(BM_StartupNewProject)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupWithExample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
