#include "TextOut.h"

#include "EngineErrors.h"

#include <cerrno>
#include <cstring>

namespace tervane {
namespace {

// Text gathered before it is handed to the system: a few writes per report. The buffer holds a
// line more than that, so a line is copied in whole and the buffer handed over after it.
constexpr std::size_t kBufferSize = std::size_t{1} << 16;
constexpr std::size_t kBufferRoom = kBufferSize + 4096;

} // namespace

bool TextOut::open(const std::string& path, std::string name) {
    close();
    m_path = path;
    m_name = std::move(name);
    m_bytes = 0;
    m_failed = false;
    m_used = 0;
    if (!m_buffer) m_buffer = std::make_unique_for_overwrite<char[]>(kBufferRoom);
    m_file = std::fopen(path.c_str(), "wb");
    // The text is gathered in the buffer above: the stream's own buffer would only split each
    // hand-over into several system writes.
    if (m_file) std::setvbuf(m_file, nullptr, _IONBF, 0);
    return m_file != nullptr;
}

void TextOut::create(const std::string& path, std::string name) {
    errno = 0;
    if (!open(path, std::move(name))) fail(errno);
}

void TextOut::close() {
    if (!m_file) return;
    if (!m_failed && m_used > 0)
        std::fwrite(m_buffer.get(), 1, m_used, m_file); // unchecked: see finish()
    m_used = 0;
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
    if (m_used == 0) return;
    errno = 0;
    const std::size_t written = std::fwrite(m_buffer.get(), 1, m_used, m_file);
    const bool whole = written == m_used;
    m_used = 0;
    if (!whole) fail(errno);
}

void TextOut::put(const char* data, std::size_t size) {
    if (!m_file || m_failed) return;
    if (size > kBufferRoom - m_used) {
        flushBuffer();
        if (size > kBufferRoom) {
            // Longer than the whole buffer: handed to the system as it stands.
            errno = 0;
            const bool whole = std::fwrite(data, 1, size, m_file) == size;
            if (!whole) fail(errno);
            m_bytes += size;
            return;
        }
    }
    std::memcpy(m_buffer.get() + m_used, data, size);
    m_used += size;
    m_bytes += size;
    if (m_used >= kBufferSize) flushBuffer();
}

void TextOut::putChar(char c) {
    put(&c, 1);
}

void TextOut::line(std::string_view text) {
    if (!m_file || m_failed) return;
    if (text.size() < kBufferRoom - m_used) {
        // The common line: copied with its line end in one step.
        char* const at = m_buffer.get() + m_used;
        if (!text.empty()) std::memcpy(at, text.data(), text.size());
        at[text.size()] = '\n';
        m_used += text.size() + 1;
        m_bytes += text.size() + 1;
        if (m_used >= kBufferSize) flushBuffer();
        return;
    }
    put(text.data(), text.size());
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
