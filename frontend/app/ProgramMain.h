#pragma once
// The program's start: the command line, the application object, the messages layer, the main
// window with the project named on the command line, the command-line jobs, and the event loop.

#include <QStringList>

namespace tervane {

int RunProgram(int argc, char** argv);

// The environment variable that makes the program write "shown" to standard output and end as
// soon as its main window is on screen (start-up measurements).
inline constexpr const char* kStartupProbeVariable = "TERVANE_STARTUP_PROBE";

} // namespace tervane
