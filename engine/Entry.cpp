// The engine library's one exported entry. ITERVANE and _ITERVANE are the same function: 3 runs a
// complete analysis in the current working folder, any other value returns 1 and touches nothing.
// No exception ever leaves the library; an unexpected one is reported as a stopped run.

#include "EngineErrors.h"
#include "EngineState.h"
#include "RunControl.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>

namespace {
tervane::EngineState g_state; // the library's process-wide storage
}

extern "C" __attribute__((visibility("default"))) std::int32_t ITERVANE(std::int32_t version) {
    if (version != tervane::kInterfaceVersion) return tervane::kResultVersionMismatch;
    try {
        std::error_code ec;
        const std::filesystem::path workDir = std::filesystem::current_path(ec);
        if (ec) {
            std::fputs(" THE WORKING FOLDER COULD NOT BE DETERMINED.\n", stdout);
            return tervane::kResultFatalStop;
        }
        return tervane::performRun(g_state, workDir);
    } catch (const std::exception& e) {
        std::fprintf(stdout, " ANALYSIS STOPPED: %s\n", e.what());
    } catch (...) {
        std::fputs(" ANALYSIS STOPPED BY AN UNEXPECTED ERROR.\n", stdout);
    }
    std::fflush(stdout);
    return tervane::kResultFatalStop;
}

extern "C" __attribute__((visibility("default"), alias("ITERVANE"))) std::int32_t
_ITERVANE(std::int32_t version);
