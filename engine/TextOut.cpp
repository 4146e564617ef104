#include "TextOut.h"

#include "EngineErrors.h"

#include <cerrno>
#include <cstring>

namespace tervane {

bool TextOut::open(const std::string& path, std::string name) {
    close();
    m_path = path;
    m_name = std::move(name);
    m_bytes = 0;
    m_failed = false;
    m_file = std::fopen(path.c_str(), "wb");
    return m_file != nullptr;
}

void TextOut::create(const std::string& path, std::string name) {
    errno = 0;
    if (!open(path, std::move(name))) fail(errno);
}

void TextOut::close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

void TextOut::finish() {
    if (!m_file) return;
    std::FILE* f = m_file;
    m_file = nullptr;
    if (m_failed) {
        std::fclose(f);
        return;
    }
    errno = 0;
    const bool flushed = std::fflush(f) == 0 && !std::ferror(f);
    const int flushError = errno;
    errno = 0;
    const bool closed = std::fclose(f) == 0;
    if (!flushed) fail(flushError);
    if (!closed) fail(errno);
}

void TextOut::fail(int error) {
    m_failed = true;
    throw FileFailure(m_name, m_path, error != 0 ? std::strerror(error) : "write error");
}

void TextOut::put(const char* data, std::size_t size) {
    if (!m_file || m_failed) return;
    errno = 0;
    if (std::fwrite(data, 1, size, m_file) != size) fail(errno);
    m_bytes += size;
}

void TextOut::line(std::string_view text) {
    if (!m_file || m_failed) return;
    if (!text.empty()) put(text.data(), text.size());
    put("\n", 1);
}

void TextOut::emptyLines(int n) {
    for (int k = 0; k < n; ++k)
        line({});
}

void TextOut::freeInts(std::initializer_list<long long> values) {
    if (!m_file || m_failed) return;
    char field[24];
    for (long long v : values) {
        const int n = std::snprintf(field, sizeof field, " %lld", v);
        put(field, static_cast<std::size_t>(n));
    }
    put("\n", 1);
}

} // namespace tervane
