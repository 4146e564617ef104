#include "Console.h"

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace tervane {
namespace {

// Whether standard output was open when the current run started. The engine runs one call at a
// time, so one flag serves.
bool g_consoleOpen = true;

sigset_t pipeSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    return set;
}

bool pipeSignalPending() {
    sigset_t pending;
    sigemptyset(&pending);
    return sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
}

} // namespace

void consoleLine(std::string_view text) {
    if (!g_consoleOpen) return;
    const bool hadError = std::ferror(stdout) != 0;
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    // A failed console write is not the run's failure; clear it so the host's own checks of
    // standard output see only their own writes.
    if (!hadError) std::clearerr(stdout);
}

ConsoleSession::ConsoleSession() : m_previousConsoleOpen(g_consoleOpen) {
    const sigset_t pipe = pipeSignalSet();
    m_pipeSignalWasPending = pipeSignalPending();
    pthread_sigmask(SIG_BLOCK, &pipe, &m_previousMask);
    g_consoleOpen = fcntl(STDOUT_FILENO, F_GETFD) != -1;
}

ConsoleSession::~ConsoleSession() {
    g_consoleOpen = m_previousConsoleOpen;
    const sigset_t pipe = pipeSignalSet();
    if (!m_pipeSignalWasPending && pipeSignalPending()) {
        const timespec noWait{0, 0};
        sigtimedwait(&pipe, nullptr, &noWait);
    }
    pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
}

} // namespace tervane
