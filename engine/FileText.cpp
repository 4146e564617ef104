#include "FileText.h"

#include "EngineErrors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tervane {

bool readWholeFile(const std::string& path, std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    text.clear();
    char chunk[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        text.append(chunk, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

void readScratchFile(const std::string& path, const char* name,
                     std::optional<std::size_t> expectedBytes, std::string& text) {
    const std::string file = std::string("SCRATCH FILE ") + name;
    errno = 0;
    if (!readWholeFile(path, text)) {
        const int error = errno;
        throw FileFailure(file, path, error != 0 ? std::strerror(error) : "read error",
                          FileFailure::Step::readingBack);
    }
    if (expectedBytes && text.size() != *expectedBytes)
        throw FileFailure(file, path,
                          std::to_string(text.size()) + " of the " +
                              std::to_string(*expectedBytes) + " bytes written were found",
                          FileFailure::Step::readingBack);
}

} // namespace tervane
