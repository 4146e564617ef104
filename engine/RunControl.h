#pragma once
// One analysis job: reads NAMES.dat from the working folder, opens the four files it names and
// analyses every problem of the data file in turn.

#include "EngineState.h"
#include "Tervane2015.h"

#include <filesystem>

namespace tervane {

inline constexpr int kInterfaceVersion = TERVANE_INTERFACE_VERSION;

// Performs a complete run with `workDir` as the working folder (NAMES.dat, the scratch files and
// debug.dat live there; relative paths in NAMES.dat are taken from there). Returns the run
// status: kResultCompleted after a run that reached its end, kResultFatalStop when NAMES.dat or a
// file it names could not be used or a soil model stopped the run.
int performRun(EngineState& state, const std::filesystem::path& workDir);

} // namespace tervane
