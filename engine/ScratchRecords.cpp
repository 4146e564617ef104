#include "ScratchRecords.h"

#include "EngineErrors.h"
#include "FileText.h"
#include "FreeReader.h"
#include "StationBuilder.h"

#include <cmath>

namespace tervane {
namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}
bool isDigitOrPoint(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

} // namespace

bool ScratchRecords::loadFile(const std::string& path, std::string what) {
    std::string content;
    if (!readWholeFile(path, content)) return false;
    reset(std::move(content), std::move(what));
    return true;
}

void ScratchRecords::reset(std::string content, std::string what) {
    m_text = std::move(content);
    m_what = std::move(what);
    m_pos = 0;
    m_line = 1;
}

// Fields written side by side without a blank ("-0.123E+02-0.456E+02") are split at a sign that
// follows a digit. A field whose exponent has three digits carries no exponent letter
// ("0.480-103"): a sign after the mantissa of a number that has a point and no exponent yet is
// that exponent, and the returned text gets its letter back ("0.480E-103").
void ScratchRecords::skipSeparators() {
    m_pos = tervane::skipSeparators(m_text, m_pos, m_line);
}

// A number in the engine's own E-field shape ends where nextNumberText would end it: at the
// file's end, a separator, or the sign of a field written next to it.
bool ScratchRecords::exponentField(double& value) {
    const std::string_view rest = std::string_view(m_text).substr(m_pos);
    std::size_t length = 0;
    if (!exponentFieldAt(rest, length, value)) return false;
    if (length < rest.size()) {
        const char next = rest[length];
        if (!isSeparator(next) && next != '-' && next != '+') return false;
    }
    m_pos += length;
    return true;
}

std::string_view ScratchRecords::nextNumberText() {
    skipSeparators();
    if (m_pos >= m_text.size()) failEnd();
    const std::size_t start = m_pos++;
    bool hasPoint = m_text[start] == '.';
    bool hasExponent = false;
    std::size_t letterlessExponentAt = std::string::npos;
    while (m_pos < m_text.size() && !isSeparator(m_text[m_pos])) {
        const char c = m_text[m_pos];
        if ((c == '-' || c == '+') && isDigitOrPoint(m_text[m_pos - 1])) {
            if (!hasPoint || hasExponent) break;
            hasExponent = true;
            letterlessExponentAt = m_pos;
        }
        if (c == '.') hasPoint = true;
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd') hasExponent = true;
        ++m_pos;
    }
    const std::string_view text = std::string_view(m_text).substr(start, m_pos - start);
    if (letterlessExponentAt == std::string::npos || text.size() + 1 > sizeof m_token) return text;
    const std::size_t split = letterlessExponentAt - start;
    text.copy(m_token, split);
    m_token[split] = 'E';
    text.substr(split).copy(m_token + split + 1, text.size() - split);
    return std::string_view(m_token, text.size() + 1);
}

void ScratchRecords::endRecord() {
    while (m_pos < m_text.size() && m_text[m_pos] != '\n')
        ++m_pos;
    if (m_pos < m_text.size()) {
        ++m_pos;
        ++m_line;
    }
}

void ScratchRecords::numbers(double* out, int n) {
    for (int k = 0; k < n; ++k) {
        skipSeparators();
        if (exponentField(out[k])) continue;
        const std::string_view t = nextNumberText();
        if (!parseReal(t, out[k]))
            throw ProblemStop("     ERROR STOP -- " + m_what + " LINE " + std::to_string(m_line) +
                              ": \"" + std::string(t.substr(0, 24)) + "\" IS NOT A NUMBER");
    }
    endRecord();
}

int ScratchRecords::integer() {
    double v = 0.0;
    numbers(&v, 1);
    if (v != std::floor(v))
        throw ProblemStop("     ERROR STOP -- " + m_what + " LINE " + std::to_string(m_line - 1) +
                          ": A COUNT IS NOT AN INTEGER");
    return nearestInteger(v);
}

void ScratchRecords::skipRecord() {
    if (m_pos >= m_text.size()) failEnd();
    endRecord();
}

void ScratchRecords::failEnd() const {
    throw ProblemStop("     ERROR STOP -- END OF " + m_what + " REACHED BEFORE ALL DATA WERE READ");
}

} // namespace tervane
