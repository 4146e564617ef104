// tervane-run: analyses project data files from the command line through the engine library.

#include "EngineRunner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: tervane-run [--library PATH] [--interface N] PROJECT.tv5d...\n"
    "\n"
    "Analyses each project data file through the TERVANE 2015 engine library, as the desktop\n"
    "program does, in a private working folder per run. The output report (.tv5o), plot data\n"
    "(.tv5p) and run notes (.tv5r) are written beside each project.\n"
    "\n"
    "Options:\n"
    "  --library PATH   engine library to load (default: Tervane2015_DLL.so beside tervane-run)\n"
    "  --interface N    interface version passed to the engine (default 3; for testing)\n"
    "  -h, --help       show this text\n"
    "\n"
    "Exit status: 0 when every run completed; 2 for a missing project, a library that cannot be\n"
    "loaded, an interface mismatch or a run that stopped; 64 for a usage error.\n";

} // namespace

int main(int argc, char** argv) {
    using namespace tervane::runner;
    std::filesystem::path library = executableFolder() / kLibraryFileName;
    int interfaceVersion = TERVANE_INTERFACE_VERSION;
    std::vector<std::string> projects;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
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
    int status = 0;
    for (const std::string& project : projects) {
        const RunResult r = analyseProject(project, library, interfaceVersion);
        if (r.outcome == RunOutcome::Completed) {
            std::printf("%s: analysis completed\n  report:    %s\n  plot data: %s\n"
                        "  run notes: %s\n",
                        project.c_str(), r.report.c_str(), r.plot.c_str(), r.notes.c_str());
        } else {
            std::fprintf(stderr, "tervane-run: %s: %s\n", project.c_str(), r.message.c_str());
            status = 2;
        }
        std::fflush(stdout);
    }
    return status;
}
