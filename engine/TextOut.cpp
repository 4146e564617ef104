#include "TextOut.h"

#include "EngineErrors.h"

#include <cerrno>
#include <cstring>

namespace tervane {
namespace {

// Text gathered before it is handed to the system: a few writes per report.
constexpr std::size_t kBufferSize = std::size_t{1} << 16;

} // namespace

bool TextOut::open(const std::string& path, std::string name) {
    close();
    m_path = path;
    m_name = std::move(name);
    m_bytes = 0;
    m_failed = false;
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    m_file = std::fopen(path.c_str(), "wb");
    return m_file != nullptr;
}

void TextOut::create(const std::string& path, std::string name) {
    errno = 0;
    if (!open(path, std::move(name))) fail(errno);
}

void TextOut::close() {
    if (!m_file) return;
    if (!m_failed && !m_buffer.empty())
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file); // unchecked: see finish()
    m_buffer.clear();
    std::fclose(m_file);
    m_file = nullptr;
}

void TextOut::finish() {
    if (!m_file) return;
    if (!m_failed) flushBuffer();
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

void TextOut::flushBuffer() {
    if (m_buffer.empty()) return;
    errno = 0;
    const std::size_t written = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
    const bool whole = written == m_buffer.size();
    m_buffer.clear();
    if (!whole) fail(errno);
}

void TextOut::put(const char* data, std::size_t size) {
    if (!m_file || m_failed) return;
    m_buffer.append(data, size);
    m_bytes += size;
    if (m_buffer.size() >= kBufferSize) flushBuffer();
}

void TextOut::putChar(char c) {
    if (!m_file || m_failed) return;
    m_buffer.push_back(c);
    ++m_bytes;
    if (m_buffer.size() >= kBufferSize) flushBuffer();
}

void TextOut::line(std::string_view text) {
    if (!m_file || m_failed) return;
    if (!text.empty()) put(text.data(), text.size());
    putChar('\n');
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
    putChar('\n');
}

} // namespace tervane
