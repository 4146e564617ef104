#include "TextOut.h"

namespace tervane {

bool TextOut::open(const std::string& path) {
    close();
    m_file = std::fopen(path.c_str(), "wb");
    return m_file != nullptr;
}

void TextOut::close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

void TextOut::line(std::string_view text) {
    if (!m_file) return;
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), m_file);
    std::fputc('\n', m_file);
}

void TextOut::emptyLines(int n) {
    for (int k = 0; k < n; ++k) line({});
}

void TextOut::freeInts(std::initializer_list<long long> values) {
    if (!m_file) return;
    for (long long v : values) std::fprintf(m_file, " %lld", v);
    std::fputc('\n', m_file);
}

} // namespace tervane
