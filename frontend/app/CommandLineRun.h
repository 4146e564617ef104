#pragma once
// The command-line job `--run PROJECT`: opens the project, analyses it as Run Analysis does and
// reads the results into graph models, with every message written to standard error. Needs no
// display and no window.

#include "AnalysisRun.h"

#include <QString>

namespace tervane {

// Exit status of the job.
inline constexpr int kRunExitCompleted = 0; // analysed, and the plot data read completely
inline constexpr int kRunExitProject = 2;   // project missing, unreadable, malformed or unsaved
inline constexpr int kRunExitLibrary = 3;   // the engine library cannot be loaded or resolved
inline constexpr int kRunExitInterface = 4; // the engine refused the interface version
inline constexpr int kRunExitPlotFile = 5;  // no plot data file, or one that is malformed
inline constexpr int kRunExitStopped = 6;   // the engine ended the run with a fatal stop
inline constexpr int kRunExitSetup = 7;     // the working folder or run-control file failed

// Runs the job for `projectPath` (".tv5d" is added when the name holds no "."). A project that
// Save would send to Save As (an older layout) is saved under the same name with ".tv5d" first,
// unless such a file exists, which stops the job. Writes a short summary to standard output when
// the results were read. Creates a Qt Core application when none exists. `settings` names the
// program folder and the library; with an empty ProgramFolder, DefaultRunSettings() serve.
int RunProjectFromCommandLine(const QString& projectPath, const TRunSettings& settings = {});

} // namespace tervane
