#pragma once
// Runs a shell command line as a user types it and returns its exit status and standard output.

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace testsupport {

struct Shell {
    int status = -1; // exit status, -1 when it did not exit normally
    std::string out;
};

inline Shell shell(const std::string& command) {
    Shell s;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return s;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p))
        s.out.append(buf, n);
    const int st = pclose(p);
    s.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return s;
}

} // namespace testsupport
