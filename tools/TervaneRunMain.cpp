// tervane-run: analyses project data files from the command line through the engine library and
// tells what happened to each: completed or stopped (with the report's error-stop line), the
// warnings written and, when asked, a summary of each problem's results.

#include "EngineRunner.h"
#include "ReportSummary.h"
#include "SummaryOutput.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: tervane-run [--summary[=text|json]] [--output-dir DIR] [--library PATH] "
    "PROJECT.tv5d...\n"
    "       tervane-run --version | --help\n"
    "\n"
    "Analyses each project data file through the TERVANE 2015 engine library, as the desktop\n"
    "program does, in a private working folder per run. The output report (.tv5o), plot data\n"
    "(.tv5p) and run notes (.tv5r) are written beside each project, or into DIR.\n"
    "\n"
    "For each project it prints \"analysis completed\" or \"analysis stopped\" with the report's\n"
    "error-stop line, the number of problems and of warnings written, and the three files.\n"
    "\n"
    "Options:\n"
    "  --summary, --summary=text\n"
    "                   after each project, per problem: its title, the iterations and whether\n"
    "                   the solution closed, the top deflection, the largest deflection, moment,\n"
    "                   shear and net soil reaction with their depths, and the equilibrium of the\n"
    "                   net reactions (their sum and the sum of their moments about the top, each\n"
    "                   against the sum of magnitudes), in the project's units\n"
    "  --summary=json   the same as one JSON object per problem and line on standard output (a\n"
    "                   project without problems gives one object with \"problem\": 0); the\n"
    "                   outcome lines then go to standard error\n"
    "  --output-dir DIR write the three files of every project into DIR (made when missing),\n"
    "                   named after the project\n"
    "  --library PATH   engine library to load (default: " TERVANE_LIBRARY_FILE_NAME
    " beside tervane-run)\n"
    "  --version        show the program's version and the engine interface it calls\n"
    "  -h, --help       show this text\n"
    "\n"
    "Files written per project:\n"
    "  .tv5o  the report: the input echoed, the generated pressures and p-y curves, the results\n"
    "         table (deflection, slope, moment, shear, soil reaction by depth), the warnings and\n"
    "         any error-stop message\n"
    "  .tv5p  the plot data the desktop program draws its graphs from\n"
    "  .tv5r  the run notes: per problem the iteration monitor, one line per iteration with its\n"
    "         number, YES when a deflection ran past the end of a p-y curve (else NO), the\n"
    "         number of stations whose deflection still changed by more than the closure\n"
    "         tolerance, and the deflections of stations 1 to 5; then the warnings of the\n"
    "         earth-pressure calculation (a backfill slope steeper than the friction angle)\n"
    "\n"
    "Exit status: 0 when every problem of every project ran to its results; 1 when a problem\n"
    "stopped on an input error (its message is in the report); 2 for a missing project, a library\n"
    "that cannot be loaded, an interface mismatch, a file that could not be written or a run that\n"
    "did not reach its end; 64 for a usage error. The highest status of all projects is\n"
    "returned. A library that cannot be loaded stops the run before the first project.\n";

constexpr int kUsageError = 64;
constexpr int kRunError = 2;

int usageError(const std::string& why) {
    std::fprintf(stderr, "tervane-run: %s\nTry 'tervane-run --help' for the options.\n",
                 why.c_str());
    return kUsageError;
}

enum class OptionValue { other, given, missing };

// The value of the option `name` given as "NAME VALUE" or "NAME=VALUE". It is missing when the
// option is the last argument, another option follows it or nothing follows the "=".
OptionValue optionValue(const std::string& arg, const std::string& name, int& k, int argc,
                        char** argv, std::string& value) {
    if (arg == name) {
        if (k + 1 >= argc || std::strncmp(argv[k + 1], "--", 2) == 0) return OptionValue::missing;
        value = argv[++k];
        return OptionValue::given;
    }
    if (arg.compare(0, name.size() + 1, name + "=") != 0) return OptionValue::other;
    value = arg.substr(name.size() + 1);
    return value.empty() ? OptionValue::missing : OptionValue::given;
}

enum class SummaryMode { none, text, json };

std::string readWhole(const std::filesystem::path& p) {
    std::string text;
    std::FILE* f = std::fopen(p.c_str(), "rb");
    if (!f) return text;
    char chunk[1 << 16];
    while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, f))
        text.append(chunk, n);
    std::fclose(f);
    return text;
}

// The report of this run: a report left from an earlier run (this one could not replace it) is
// not read.
std::string reportOfRun(const tervane::runner::RunResult& r) {
    using tervane::runner::RunOutcome;
    if (r.outcome != RunOutcome::Completed && r.outcome != RunOutcome::Stopped) return {};
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(r.report, ec);
    if (ec || !r.started || written < *r.started) return {};
    return readWhole(r.report);
}

// While it lives, what is written to standard output (the engine's console lines) goes to
// standard error, so that standard output holds only the JSON lines.
class ConsoleToStandardError {
public:
    explicit ConsoleToStandardError(bool active) {
        if (!active) return;
        std::fflush(stdout);
        m_saved = dup(STDOUT_FILENO);
        if (m_saved >= 0) dup2(STDERR_FILENO, STDOUT_FILENO);
    }
    ~ConsoleToStandardError() {
        if (m_saved < 0) return;
        std::fflush(stdout);
        dup2(m_saved, STDOUT_FILENO);
        close(m_saved);
    }
    ConsoleToStandardError(const ConsoleToStandardError&) = delete;
    ConsoleToStandardError& operator=(const ConsoleToStandardError&) = delete;

private:
    int m_saved = -1;
};

} // namespace

int main(int argc, char** argv) {
    using namespace tervane::runner;
    // A reader of our output that goes away (tervane-run ... | head) ends our writes with EPIPE,
    // not the process in the middle of a run.
    std::signal(SIGPIPE, SIG_IGN);
    std::filesystem::path library = executableFolder() / kLibraryFileName;
    std::filesystem::path outputFolder;
    int interfaceVersion = TERVANE_INTERFACE_VERSION;
    SummaryMode summary = SummaryMode::none;
    std::vector<std::string> projects;
    bool onlyProjects = false;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (onlyProjects || arg.empty() || arg[0] != '-' || arg == "-") {
            projects.push_back(arg);
            continue;
        }
        std::string value;
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("tervane-run %s (engine interface %d)\n", kVersionText,
                        TERVANE_INTERFACE_VERSION);
            return 0;
        } else if (arg == "--summary" || arg == "--summary=text") {
            summary = SummaryMode::text;
        } else if (arg == "--summary=json") {
            summary = SummaryMode::json;
        } else if (arg == "--") {
            onlyProjects = true;
        } else if (const auto v = optionValue(arg, "--library", k, argc, argv, value);
                   v != OptionValue::other) {
            if (v == OptionValue::missing) return usageError("--library needs a value: PATH");
            library = value;
        } else if (const auto dir = optionValue(arg, "--output-dir", k, argc, argv, value);
                   dir != OptionValue::other) {
            if (dir == OptionValue::missing) return usageError("--output-dir needs a value: DIR");
            outputFolder = value;
        } else if (const auto n = optionValue(arg, "--interface", k, argc, argv, value);
                   n != OptionValue::other) {
            // The interface version passed to the entry, for testing the mismatch answer; kept
            // out of the help.
            if (n == OptionValue::missing) return usageError("--interface needs a value: N");
            char* end = nullptr;
            errno = 0;
            const long version = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || errno != 0 || version < INT32_MIN || version > INT32_MAX)
                return usageError("--interface needs a whole number, not " + value);
            interfaceVersion = static_cast<int>(version);
        } else {
            return usageError("unknown option " + arg);
        }
    }
    if (projects.empty()) return usageError("no project file named");

    // Projects of the same name would write over each other's files in one output folder.
    if (!outputFolder.empty()) {
        std::vector<std::string> names;
        for (const std::string& project : projects)
            names.push_back(std::filesystem::path(project).stem().string());
        std::sort(names.begin(), names.end());
        const auto twice = std::adjacent_find(names.begin(), names.end());
        if (twice != names.end())
            return usageError("two projects named " + *twice + " would write the same files in " +
                              outputFolder.string());
        std::error_code ec;
        std::filesystem::create_directories(outputFolder, ec);
        if (!std::filesystem::is_directory(outputFolder, ec)) {
            std::fprintf(stderr, "tervane-run: the output folder %s could not be made\n",
                         outputFolder.string().c_str());
            return kRunError;
        }
    }

    // A library that cannot be used fails every project alike: said once, before the first.
    if (const RunResult lib = checkLibrary(library); lib.outcome != RunOutcome::Completed) {
        std::fprintf(stderr, "tervane-run: %s\n", lib.message.c_str());
        return kRunError;
    }

    std::FILE* outcomes = summary == SummaryMode::json ? stderr : stdout;
    int status = 0;
    for (const std::string& project : projects) {
        const RunResult r = [&] {
            const ConsoleToStandardError console(summary == SummaryMode::json);
            return analyseProject(project, library, interfaceVersion, outputFolder);
        }();
        const ReportSummary report = summariseReport(reportOfRun(r));
        status = std::max(status, exitStatus(r, report));
        if (r.outcome == RunOutcome::Completed) {
            std::fputs(outcomeText(project, r, report).c_str(), outcomes);
        } else {
            std::string why = r.message;
            if (report.stopped()) why += "\n  " + report.stopText;
            std::fprintf(stderr, "tervane-run: %s: %s\n", project.c_str(), why.c_str());
        }
        if (summary == SummaryMode::text) {
            for (std::size_t k = 0; k < report.problems.size(); ++k)
                std::fputs(problemText(report.problems[k], report, k + 1 == report.problems.size())
                               .c_str(),
                           stdout);
        } else if (summary == SummaryMode::json) {
            for (std::size_t k = 0; k < report.problems.size(); ++k)
                std::printf("%s\n", problemJson(project, report.problems[k], report,
                                                k + 1 == report.problems.size())
                                        .c_str());
            if (report.problems.empty()) std::printf("%s\n", runJson(project, r, report).c_str());
        }
        std::fflush(stdout);
        std::fflush(stderr);
    }
    return status;
}
