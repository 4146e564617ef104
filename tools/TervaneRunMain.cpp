// tervane-run: analyses project data files from the command line through the engine library and
// tells what happened to each: completed or stopped (with the report's error-stop line), the
// warnings written and, when asked, a summary of each problem's results.

#include "EngineRunner.h"
#include "ReportSummary.h"
#include "SummaryOutput.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: tervane-run [--summary[=text|json]] [--library PATH] [--interface N] PROJECT.tv5d...\n"
    "\n"
    "Analyses each project data file through the TERVANE 2015 engine library, as the desktop\n"
    "program does, in a private working folder per run. The output report (.tv5o), plot data\n"
    "(.tv5p) and run notes (.tv5r) are written beside each project.\n"
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
    "  --library PATH   engine library to load (default: " TERVANE_LIBRARY_FILE_NAME
    " beside tervane-run)\n"
    "  --interface N    interface version passed to the engine (default 3; for testing)\n"
    "  -h, --help       show this text\n"
    "\n"
    "Exit status: 0 when every problem of every project ran to its results; 1 when a problem\n"
    "stopped on an input error (its message is in the report); 2 for a missing project, a library\n"
    "that cannot be loaded, an interface mismatch, a file that could not be written or a run that\n"
    "did not reach its end; 64 for a usage error. The highest status of all projects is "
    "returned.\n";

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
std::string reportOfRun(const tervane::runner::RunResult& r,
                        std::filesystem::file_time_type started) {
    using tervane::runner::RunOutcome;
    if (r.outcome != RunOutcome::Completed && r.outcome != RunOutcome::Stopped) return {};
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(r.report, ec);
    if (ec || written < started) return {};
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
    int interfaceVersion = TERVANE_INTERFACE_VERSION;
    SummaryMode summary = SummaryMode::none;
    std::vector<std::string> projects;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--summary" || arg == "--summary=text") {
            summary = SummaryMode::text;
        } else if (arg == "--summary=json") {
            summary = SummaryMode::json;
        } else if (arg == "--library" && k + 1 < argc) {
            library = argv[++k];
        } else if (arg == "--interface" && k + 1 < argc) {
            interfaceVersion = std::atoi(argv[++k]);
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "--") {
            std::fprintf(stderr, "tervane-run: unknown option %s\n\n%s", arg.c_str(), kUsage);
            return 64;
        } else if (arg != "--") {
            projects.push_back(arg);
        }
    }
    if (projects.empty()) {
        std::fprintf(stderr, "tervane-run: no project file named\n\n%s", kUsage);
        return 64;
    }
    std::FILE* outcomes = summary == SummaryMode::json ? stderr : stdout;
    int status = 0;
    for (const std::string& project : projects) {
        const auto started = std::filesystem::file_time_type::clock::now();
        const RunResult r = [&] {
            const ConsoleToStandardError console(summary == SummaryMode::json);
            return analyseProject(project, library, interfaceVersion);
        }();
        const ReportSummary report = summariseReport(reportOfRun(r, started));
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
