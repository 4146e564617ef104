#pragma once
// The engine's console: standard output of the host process, the only place for the few
// messages that cannot go into a report (a run-control file that cannot be used, a fatal stop,
// a file that could not be written). A console that is closed, or a pipe whose reader has gone,
// never ends the host and never turns a run into a failure: those lines are simply lost.

#include <csignal>
#include <string_view>

namespace tervane {

// One line on the console, flushed at once. Ignored while a ConsoleSession found standard
// output closed (its descriptor may then belong to one of the run's own files).
void consoleLine(std::string_view text);

// Held for the duration of one run on the caller's thread: SIGPIPE is blocked, so a write to a
// pipe without a reader fails with EPIPE instead of ending the process, and a SIGPIPE that the
// run's own writes raised is taken off again before the host's signal mask is restored. Nothing
// of the host's signal handling outlives the run.
class ConsoleSession {
public:
    ConsoleSession();
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

private:
    sigset_t m_previousMask;
    bool m_pipeSignalWasPending = false;
    bool m_previousConsoleOpen = true;
};

} // namespace tervane
