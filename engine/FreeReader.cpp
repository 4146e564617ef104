#include "FreeReader.h"

#include "EngineErrors.h"
#include "FileText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>

namespace tervane {
namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

// Longest token shown in a message; a longer one is cut.
constexpr std::size_t kShownTokenLength = 24;

} // namespace

bool parseInt32(std::string_view text, std::int32_t& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

namespace {

// The text of a real with its exponent letter made "E": only digits, signs, a point and an
// exponent are let through (no "inf", "nan" or hexadecimal forms). Returns the length, 0 when the
// text cannot be a real.
std::size_t realText(std::string_view text, char (&buf)[kMaxNumberText + 1]) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.size() > kMaxNumberText) return 0;
    std::size_t n = 0;
    for (char c : text) {
        if (c == 'd' || c == 'D') c = 'E';
        const bool ok =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!ok) return 0;
        buf[n++] = c;
    }
    return n;
}

// A well-formed real beyond the range of a double: true when it is too small to hold (it
// underflows to zero), false when it is too large.
bool underflows(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos) return false; // plain digits never underflow
    double mantissa = 0.0;
    const std::string_view m = text.substr(0, e);
    if (std::from_chars(m.data(), m.data() + m.size(), mantissa).ec != std::errc()) return false;
    if (mantissa == 0.0) return true;
    std::string_view x = text.substr(e + 1);
    if (!x.empty() && x.front() == '+') x.remove_prefix(1);
    long long exponent = 0;
    const auto [end, ec] = std::from_chars(x.data(), x.data() + x.size(), exponent);
    if (ec == std::errc::result_out_of_range) return !x.empty() && x.front() == '-';
    if (ec != std::errc()) return false;
    // Out of range means beyond 1.8E308 or below 4.9E-324: the decimal magnitude tells which.
    return std::log10(std::fabs(mantissa)) + static_cast<double>(exponent) < 0.0;
}

} // namespace

namespace {

// Significant digits and decimal exponents for which m 10^e (or m / 10^-e) of two exact doubles
// is the correctly rounded value of the text: m < 2^53, 10^|e| exact.
constexpr int kMaxFastDigits = 15;
constexpr int kMaxFastExponent = 22;

constexpr double kFastPow10[kMaxFastExponent + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// m 10^scale with one rounding, for m < 2^53 and |scale| <= kMaxFastExponent.
double scaledDecimal(std::uint64_t m, int scale, bool negative) {
    const double md = static_cast<double>(m);
    const double v = scale >= 0 ? md * kFastPow10[scale] : md / kFastPow10[-scale];
    return negative ? -v : v;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The common numbers of the data and scratch files ("0.123E+02", "-12.5", "3") read without the
// general conversion, with its result: one rounding of exact operands. Anything else (more
// digits, a wide exponent, an unusual form) is left to the general conversion: false.
bool fastReal(std::string_view t, double& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::uint64_t m = 0;
    int digits = 0, significant = 0, scale = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (significant > 0 || c != '0') {
                if (++significant > kMaxFastDigits) return false;
                m = 10 * m + static_cast<std::uint64_t>(c - '0');
            }
            if (point) --scale;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < t.size()) {
        const char c = t[i++];
        if (c != 'e' && c != 'E' && c != 'd' && c != 'D') return false;
        bool negativeExponent = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativeExponent = t[i++] == '-';
        if (i >= t.size()) return false;
        int e = 0;
        for (; i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9' || e > 1000) return false;
            e = 10 * e + (t[i] - '0');
        }
        scale += negativeExponent ? -e : e;
    }
    if (scale > kMaxFastExponent || scale < -kMaxFastExponent) return false;
    value = scaledDecimal(m, scale, negative);
    return true;
}

} // namespace

// The same digits and scale as fastReal takes from such a text, found without its general loop:
// the fields of the scratch tables are read back thousands at a time.
bool exponentFieldAt(std::string_view t, std::size_t& length, double& value) {
    // The characters are read without a bounds test each: with fewer left than the longest such
    // field ("-0.", 15 digits, "E+xx"), from a copy padded with blanks, which end any field as
    // the text's end would.
    constexpr std::size_t kLongestField = 3 + kMaxFastDigits + 4;
    char padded[kLongestField];
    const char* const start = t.size() >= kLongestField ? t.data() : padded;
    if (start == padded) {
        std::memset(padded, ' ', sizeof padded);
        if (!t.empty()) std::memcpy(padded, t.data(), t.size());
    }
    const char* p = start;
    const bool negative = *p == '-';
    if (negative) ++p;
    if (p[0] != '0' || p[1] != '.') return false;
    p += 2;
    std::uint64_t m = 0;
    int digits = 0;
    for (; isDigit(*p); ++p) {
        if (++digits > kMaxFastDigits) return false;
        m = 10 * m + static_cast<std::uint64_t>(*p - '0');
    }
    if (digits == 0 || p[0] != 'E' || (p[1] != '+' && p[1] != '-') || !isDigit(p[2]) ||
        !isDigit(p[3]))
        return false;
    const int e = 10 * (p[2] - '0') + (p[3] - '0');
    const int scale = (p[1] == '-' ? -e : e) - digits;
    if (scale > kMaxFastExponent || scale < -kMaxFastExponent) return false;
    length = static_cast<std::size_t>(p + 4 - start);
    value = scaledDecimal(m, scale, negative);
    return true;
}

bool parseReal(std::string_view text, double& value) {
    if (text.size() <= kMaxNumberText && fastReal(text, value)) return true;
    char buf[kMaxNumberText + 1];
    const std::size_t n = realText(text, buf);
    if (n == 0) return false;
    double v = 0.0;
    const auto [end, ec] = std::from_chars(buf, buf + n, v, std::chars_format::general);
    if (end != buf + n) return false;
    if (ec == std::errc::result_out_of_range) {
        // A value too small for a double is zero (keeping its sign); a too large one is refused.
        if (!underflows(std::string_view(buf, n))) return false;
        value = buf[0] == '-' ? -0.0 : 0.0;
        return true;
    }
    if (ec != std::errc() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool isOutOfRange(std::string_view text) {
    char buf[kMaxNumberText + 1];
    const std::size_t n = realText(text, buf);
    if (n == 0) return false;
    double v = 0.0;
    const auto [end, ec] = std::from_chars(buf, buf + n, v, std::chars_format::general);
    return end == buf + n && ec == std::errc::result_out_of_range;
}

void FreeReader::reset(std::string content, std::string what) {
    // Line ends CR LF and a lone CR (files from older systems) both become LF.
    std::size_t out = content.find('\r');
    if (out == std::string::npos) out = content.size();
    for (std::size_t k = out; k < content.size(); ++k) {
        if (content[k] == '\r') {
            content[out++] = '\n';
            if (k + 1 < content.size() && content[k + 1] == '\n') ++k;
        } else {
            content[out++] = content[k];
        }
    }
    content.resize(out);
    m_text = std::move(content);
    m_what = std::move(what);
    m_pos = 0;
    m_line = 1;
    m_inRead = false;
}

bool FreeReader::loadFile(const std::string& path, std::string what) {
    std::string content;
    if (!readWholeFile(path, content)) return false;
    reset(std::move(content), std::move(what));
    return true;
}

void FreeReader::begin() {
    m_inRead = true;
}

void FreeReader::skipSeparators() {
    m_pos = tervane::skipSeparators(m_text, m_pos, m_line);
}

std::string_view FreeReader::nextToken() {
    skipSeparators();
    if (m_pos >= m_text.size()) failEnd();
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && !isSeparator(m_text[m_pos]))
        ++m_pos;
    return std::string_view(m_text).substr(start, m_pos - start);
}

std::int32_t FreeReader::integer() {
    const std::string_view token = nextToken();
    std::int32_t v = 0;
    if (!parseInt32(token, v)) {
        double tooLarge = 0.0;
        const bool wholeNumber =
            token.find_first_of(".eEdD") == std::string_view::npos && parseReal(token, tooLarge);
        failValue(token, wholeNumber ? "OUT OF RANGE" : "NOT AN INTEGER");
    }
    return v;
}

double FreeReader::real() {
    skipSeparators();
    // A whole token in the engine's own E-field shape is taken as it stands.
    const std::string_view rest = std::string_view(m_text).substr(m_pos);
    std::size_t length = 0;
    double field = 0.0;
    if (exponentFieldAt(rest, length, field) &&
        (length == rest.size() || isSeparator(rest[length]))) {
        m_pos += length;
        return field;
    }
    const std::string_view token = nextToken();
    double v = 0.0;
    if (!parseReal(token, v))
        failValue(token, isOutOfRange(token) ? "OUT OF RANGE" : "NOT A NUMBER");
    return v;
}

void FreeReader::end() {
    // Skip the rest of the last line consumed, including its line end.
    while (m_pos < m_text.size() && m_text[m_pos] != '\n')
        ++m_pos;
    if (m_pos < m_text.size()) {
        ++m_pos;
        ++m_line;
    }
    m_inRead = false;
}

void FreeReader::integers(std::int32_t* out, int n) {
    begin();
    for (int k = 0; k < n; ++k)
        out[k] = integer();
    end();
}

void FreeReader::reals(double* out, int n) {
    begin();
    for (int k = 0; k < n; ++k)
        out[k] = real();
    end();
}

std::string FreeReader::fixedText(int width) {
    if (m_pos >= m_text.size()) failEnd();
    std::size_t lineEnd = m_text.find('\n', m_pos);
    const std::size_t next = lineEnd == std::string::npos ? m_text.size() : lineEnd + 1;
    if (lineEnd == std::string::npos) lineEnd = m_text.size();
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
    msg << "     ERROR STOP -- " << m_what << " LINE " << m_line << ": \"" << shown << "\" IS "
        << kind;
    throw ProblemStop(msg.str());
}

} // namespace tervane
