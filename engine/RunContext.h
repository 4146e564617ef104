#pragma once
// What one problem of a run works with: the engine state, the data file being read, the three
// output files and the working folder that holds the scratch files.

#include "EngineState.h"
#include "FreeReader.h"
#include "TextOut.h"

#include <filesystem>

namespace tervane {

struct RunContext {
    EngineState& state;
    FreeReader& data;
    TextOut& report;
    TextOut& plot;
    TextOut& notes;
    std::filesystem::path workDir;

    std::filesystem::path scratchPath(const char* name) const { return workDir / name; }
};

} // namespace tervane
