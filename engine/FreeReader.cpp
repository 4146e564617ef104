#include "FreeReader.h"

#include "EngineErrors.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tervane {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

// Longest token shown in a message; a longer one is cut.
constexpr std::size_t kShownTokenLength = 24;

} // namespace

bool parseInt32(std::string_view text, std::int32_t& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool parseReal(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.size() > 64) return false;
    // Only digits, one sign, a point and an exponent; no "inf", "nan" or hexadecimal forms.
    char buf[72];
    std::size_t n = 0;
    for (char c : text) {
        if (c == 'd' || c == 'D') c = 'E';
        const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' ||
                        c == 'E';
        if (!ok) return false;
        buf[n++] = c;
    }
    const auto [end, ec] = std::from_chars(buf, buf + n, value, std::chars_format::general);
    if (ec != std::errc() || end != buf + n) return false;
    return std::isfinite(value);
}

void FreeReader::reset(std::string content, std::string what) {
    m_text = std::move(content);
    m_what = std::move(what);
    m_pos = 0;
    m_line = 1;
    m_inRead = false;
}

bool FreeReader::loadFile(const std::string& path, std::string what) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    reset(std::move(content), std::move(what));
    return true;
}

void FreeReader::begin() { m_inRead = true; }

std::string_view FreeReader::nextToken() {
    while (m_pos < m_text.size() && isSeparator(m_text[m_pos])) {
        if (m_text[m_pos] == '\n') ++m_line;
        ++m_pos;
    }
    if (m_pos >= m_text.size()) failEnd();
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && !isSeparator(m_text[m_pos])) ++m_pos;
    return std::string_view(m_text).substr(start, m_pos - start);
}

std::int32_t FreeReader::integer() {
    const std::string_view token = nextToken();
    std::int32_t v = 0;
    if (!parseInt32(token, v)) failValue(token, "AN INTEGER");
    return v;
}

double FreeReader::real() {
    const std::string_view token = nextToken();
    double v = 0.0;
    if (!parseReal(token, v)) failValue(token, "A NUMBER");
    return v;
}

void FreeReader::end() {
    // Skip the rest of the last line consumed, including its line end.
    while (m_pos < m_text.size() && m_text[m_pos] != '\n') ++m_pos;
    if (m_pos < m_text.size()) {
        ++m_pos;
        ++m_line;
    }
    m_inRead = false;
}

void FreeReader::integers(std::int32_t* out, int n) {
    begin();
    for (int k = 0; k < n; ++k) out[k] = integer();
    end();
}

void FreeReader::reals(double* out, int n) {
    begin();
    for (int k = 0; k < n; ++k) out[k] = real();
    end();
}

std::string FreeReader::fixedText(int width) {
    if (m_pos >= m_text.size()) failEnd();
    std::size_t lineEnd = m_text.find('\n', m_pos);
    const std::size_t next = lineEnd == std::string::npos ? m_text.size() : lineEnd + 1;
    if (lineEnd == std::string::npos) lineEnd = m_text.size();
    if (lineEnd > m_pos && m_text[lineEnd - 1] == '\r') --lineEnd;
    std::string out(static_cast<std::size_t>(width), ' ');
    const std::size_t take = std::min(lineEnd - m_pos, static_cast<std::size_t>(width));
    for (std::size_t k = 0; k < take; ++k) {
        const unsigned char c = static_cast<unsigned char>(m_text[m_pos + k]);
        out[k] = (c < 32 || c == 127) ? ' ' : static_cast<char>(c);
    }
    m_pos = next;
    ++m_line;
    return out;
}

void FreeReader::failEnd() const {
    std::ostringstream msg;
    msg << "     ERROR STOP -- END OF " << m_what << " REACHED BEFORE ALL DATA WERE READ";
    throw ProblemStop(msg.str());
}

void FreeReader::failValue(std::string_view token, const char* kind) const {
    std::string shown;
    for (char c : token.substr(0, kShownTokenLength))
        shown += (static_cast<unsigned char>(c) < 32 || c == 127) ? '?' : c;
    if (token.size() > kShownTokenLength) shown += "...";
    std::ostringstream msg;
    msg << "     ERROR STOP -- " << m_what << " LINE " << m_line << ": \"" << shown
        << "\" IS NOT " << kind;
    throw ProblemStop(msg.str());
}

} // namespace tervane
