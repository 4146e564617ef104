#include "FixedFields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tervane::fixed {
namespace {

void appendStars(std::string& out, int w) {
    if (w > 0) out.append(static_cast<std::size_t>(w), '*');
}

// Right-justifies `body` in w columns, or fills the field with asterisks when it is too long.
void appendRight(std::string& out, std::string_view body, int w) {
    if (w <= 0) return;
    if (static_cast<int>(body.size()) > w) {
        appendStars(out, w);
        return;
    }
    out.append(static_cast<std::size_t>(w) - body.size(), ' ');
    out.append(body);
}

// Non-finite values are written as the Fortran runtime writes them, or asterisks when too narrow.
bool appendNonFinite(std::string& out, double v, int w) {
    if (std::isnan(v)) {
        appendRight(out, "NaN", w);
        return true;
    }
    if (std::isinf(v)) {
        if (w >= 9) appendRight(out, v < 0 ? "-Infinity" : "Infinity", w);
        else appendRight(out, v < 0 ? "-Inf" : "Inf", w);
        return true;
    }
    return false;
}

// Ew.d and Dw.d: [-]0.ddddE+xx with d significant digits; exponent letter dropped for |exp| > 99.
void appendExponent(std::string& out, double v, int w, int d, char letter) {
    if (appendNonFinite(out, v, w)) return;
    if (d < 1) {
        appendStars(out, w);
        return;
    }
    const bool negative = std::signbit(v);
    const double a = std::fabs(v);
    char digits[64];
    int exponent = 0;
    if (a == 0.0) {
        for (int k = 0; k < d && k < 60; ++k) digits[k] = '0';
        digits[d < 60 ? d : 60] = '\0';
    } else {
        // %.*e rounds the exact binary value to d significant digits (ties to even).
        char buf[96];
        std::snprintf(buf, sizeof buf, "%.*e", d - 1 < 60 ? d - 1 : 60, a);
        int n = 0;
        const char* p = buf;
        for (; *p && *p != 'e'; ++p)
            if (*p != '.') digits[n++] = *p;
        digits[n] = '\0';
        exponent = (*p == 'e') ? std::atoi(p + 1) + 1 : 1;
    }
    char expText[16];
    const int ae = std::abs(exponent);
    if (ae <= 99)
        std::snprintf(expText, sizeof expText, "%c%c%02d", letter, exponent < 0 ? '-' : '+', ae);
    else if (ae <= 999)
        std::snprintf(expText, sizeof expText, "%c%03d", exponent < 0 ? '-' : '+', ae);
    else {
        appendStars(out, w);
        return;
    }
    // Built on the stack: report lines written inside the solver's iterations allocate nothing.
    char body[96];
    const int length =
        std::snprintf(body, sizeof body, "%s0.%s%s", negative ? "-" : "", digits, expText);
    std::string_view text(body, static_cast<std::size_t>(length));
    if (static_cast<int>(text.size()) > w) { // drop the leading 0
        if (negative) {
            body[1] = '-';
            text = std::string_view(body + 1, text.size() - 1);
        } else {
            text.remove_prefix(1);
        }
    }
    appendRight(out, text, w);
}

} // namespace

void appendX(std::string& out, int n) {
    if (n > 0) out.append(static_cast<std::size_t>(n), ' ');
}

void appendI(std::string& out, std::int64_t v, int w) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v));
    appendRight(out, buf, w);
}

void appendI(std::string& out, std::int64_t v, int w, int m) {
    // Iw.m: at least m digits, leading zeros added; a zero with m = 0 is all blanks.
    if (v == 0 && m == 0) {
        appendX(out, w);
        return;
    }
    char buf[40];
    const unsigned long long mag =
        v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    std::snprintf(buf, sizeof buf, "%s%0*llu", v < 0 ? "-" : "", m < 30 ? m : 30, mag);
    appendRight(out, buf, w);
}

void appendF(std::string& out, double v, int w, int d) {
    if (appendNonFinite(out, v, w)) return;
    if (d < 0 || w <= 0) {
        appendStars(out, w);
        return;
    }
    const bool negative = std::signbit(v);
    const double a = std::fabs(v);
    // A value this large can never fit a report field; avoid formatting hundreds of digits.
    if (a >= 1e60) {
        appendStars(out, w);
        return;
    }
    char buf[160];
    std::snprintf(buf, sizeof buf, "%.*f", d < 60 ? d : 60, a);
    std::string body;
    body.reserve(170);
    if (negative) body += '-';
    body += buf;
    if (d == 0) body += '.';
    if (static_cast<int>(body.size()) > w) {
        const std::size_t zeroAt = negative ? 1 : 0;
        if (body.size() > zeroAt + 1 && body[zeroAt] == '0' && body[zeroAt + 1] == '.')
            body.erase(zeroAt, 1);
    }
    appendRight(out, body, w);
}

void appendE(std::string& out, double v, int w, int d) { appendExponent(out, v, w, d, 'E'); }
void appendD(std::string& out, double v, int w, int d) { appendExponent(out, v, w, d, 'D'); }

std::string I(std::int64_t v, int w) {
    std::string s;
    appendI(s, v, w);
    return s;
}
std::string I(std::int64_t v, int w, int m) {
    std::string s;
    appendI(s, v, w, m);
    return s;
}
std::string F(double v, int w, int d) {
    std::string s;
    appendF(s, v, w, d);
    return s;
}
std::string E(double v, int w, int d) {
    std::string s;
    appendE(s, v, w, d);
    return s;
}
std::string D(double v, int w, int d) {
    std::string s;
    appendD(s, v, w, d);
    return s;
}

Line& Line::a(std::string_view s, int w) {
    if (w <= 0) return *this;
    const std::size_t width = static_cast<std::size_t>(w);
    if (s.size() >= width) m_text.append(s.substr(0, width));
    else {
        m_text.append(s);
        m_text.append(width - s.size(), ' ');
    }
    return *this;
}

} // namespace tervane::fixed
