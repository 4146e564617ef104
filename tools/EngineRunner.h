#pragma once
// Analyses project data files through the engine library exactly as the desktop program does:
// the run-control file NAMES.dat written into a working folder, the library loaded by path, its
// entry _ITERVANE called with the interface version 3, the library released again. Each run gets
// a private working folder, so several runners can work side by side without their scratch files
// colliding. The report (.tv5o), plot data (.tv5p) and run notes (.tv5r) land beside the project.

#include "Tervane2015.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tervane::runner {

enum class RunOutcome {
    Completed,       // the entry returned 0
    ProjectMissing,  // the project file does not exist or cannot be read
    LibraryMissing,  // the library file does not exist
    LibraryFailed,   // the library could not be loaded or does not export _ITERVANE
    VersionMismatch, // the entry returned 1
    Stopped,         // the entry returned another value (a fatal stop)
    SetupFailed,     // the working folder or NAMES.dat could not be made
};

struct RunResult {
    RunOutcome outcome = RunOutcome::SetupFailed;
    int entryResult = -1;
    std::string message; // a sentence for the user when the outcome is not Completed
    std::filesystem::path report, plot, notes;
    // The file-system time of the run's start: the time stamp of its run-control file, written
    // just before the entry is called. A report stamped earlier was not written by this run.
    // (The file system's clock, not the process's: file time stamps may lag the process clock
    // by up to a scheduler tick, which would make a report of a short run look older.)
    std::optional<std::filesystem::file_time_type> started;
};

inline constexpr const char* kVersionText = "2015.5.3";
inline constexpr const char* kLibraryFileName = TERVANE_LIBRARY_FILE_NAME;

// The folder of the running executable.
std::filesystem::path executableFolder();

// The output files named from the project path.
std::filesystem::path withExtension(const std::filesystem::path& project, const char* ext);

// Loads the library and resolves its entry, then lets it go again. Returns the outcome Completed
// when the library can be used, otherwise LibraryMissing or LibraryFailed with its message.
RunResult checkLibrary(const std::filesystem::path& library);

// Runs one project. `library` is the full path of the engine library. The report, plot data and
// run notes are written into `outputFolder` when it is given, beside the project otherwise.
RunResult analyseProject(const std::filesystem::path& project, const std::filesystem::path& library,
                         int interfaceVersion = TERVANE_INTERFACE_VERSION,
                         const std::filesystem::path& outputFolder = {});

} // namespace tervane::runner
