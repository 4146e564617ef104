#pragma once
// Analyses a project data file through the command-line runner, which loads the engine library
// as the desktop program does, and reads back what the run wrote beside the project.

#include "TestSupport.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace testsupport {

// Report dates fixed so that reports of different runs compare.
inline constexpr const char* kRunnerEpoch = "1425546247";

// The runner's exit status: 0 when every problem of the file was analysed to its end.
inline int runProject(const fs::path& project) {
    setenv("SOURCE_DATE_EPOCH", kRunnerEpoch, 1);
    const std::string command =
        "'" + binPath("tervane-run").string() + "' '" + project.string() + "' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// An output file with its folder replaced, so that runs in different folders compare.
inline std::string outputWithoutFolder(const fs::path& file) {
    std::string text = readFile(file);
    const std::string folder = file.parent_path().string();
    for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
        text.replace(at, folder.size(), "<folder>");
    return text;
}

} // namespace testsupport
