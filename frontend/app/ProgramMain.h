#pragma once
// The program's start: the application object, the messages layer, the main window and the event
// loop, or one of the command-line jobs that need no window.

namespace tervane {

int RunProgram(int argc, char** argv);

} // namespace tervane
