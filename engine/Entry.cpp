// The engine library's one exported entry, declared in Tervane2015.h. ITERVANE and _ITERVANE are
// the same function: the interface version runs a complete analysis in the current working
// folder, any other value returns 1 and touches nothing. No exception ever leaves the library; an
// unexpected one is reported as a stopped run.

#include "Console.h"
#include "EngineErrors.h"
#include "EngineState.h"
#include "RunControl.h"
#include "Tervane2015.h"

#include <exception>
#include <filesystem>
#include <string>

namespace {
tervane::EngineState g_state; // the library's process-wide storage
}

extern "C" __attribute__((visibility("default"))) int32_t ITERVANE(int32_t version) {
    if (version != tervane::kInterfaceVersion) return tervane::kResultVersionMismatch;
    const tervane::ConsoleSession console; // no SIGPIPE from the console reaches the host
    try {
        std::error_code ec;
        const std::filesystem::path workDir = std::filesystem::current_path(ec);
        if (ec) {
            tervane::consoleLine(" THE WORKING FOLDER COULD NOT BE DETERMINED.");
            return tervane::kResultFatalStop;
        }
        return tervane::performRun(g_state, workDir);
    } catch (const std::exception& e) {
        tervane::consoleLine(std::string(" ANALYSIS STOPPED: ") + e.what());
    } catch (...) {
        tervane::consoleLine(" ANALYSIS STOPPED BY AN UNEXPECTED ERROR.");
    }
    return tervane::kResultFatalStop;
}

extern "C" __attribute__((visibility("default"), alias("ITERVANE"))) int32_t
_ITERVANE(int32_t version);
