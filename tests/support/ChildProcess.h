#pragma once
// Runs a piece of a test in a forked child, for what must not touch the test process itself:
// closed standard output, a pipe without a reader, dropped privileges. The child ends with
// _exit(body()); the parent gets how it ended.

#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

struct ChildEnd {
    bool exited = false; // ended through _exit (not by a signal)
    int status = -1;     // exit status, or the signal that ended it
};

inline ChildEnd runInChild(const std::function<int()>& body) {
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    ChildEnd end;
    int st = 0;
    if (pid < 0 || waitpid(pid, &st, 0) != pid) return end;
    end.exited = WIFEXITED(st);
    end.status = end.exited ? WEXITSTATUS(st) : WTERMSIG(st);
    return end;
}

// In a child running as root, becomes an ordinary user so that folder permissions bind.
inline bool dropRootPrivileges() {
    if (geteuid() != 0) return true;
    constexpr uid_t kNobody = 65534;
    return setgid(kNobody) == 0 && setuid(kNobody) == 0;
}

} // namespace testsupport
