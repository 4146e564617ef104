#include "FixedFields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tervane::fixed {
namespace {

// Most digits after the point any field asks for; longer requests fill the field with stars.
constexpr int kMaxFractionDigits = 60;

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
        if (w >= 9)
            appendRight(out, v < 0 ? "-Infinity" : "Infinity", w);
        else
            appendRight(out, v < 0 ? "-Inf" : "Inf", w);
        return true;
    }
    return false;
}

// A small text buffer on the stack: report lines written inside the solver's iterations
// allocate nothing.
struct Buffer {
    char text[192];
    std::size_t size = 0;
    void put(char c) {
        if (size < sizeof text) text[size++] = c;
    }
    void put(const char* from, const char* to) {
        while (from < to)
            put(*from++);
    }
    std::string_view view() const { return std::string_view(text, size); }
};

// Drops the optional leading zero of "0." (after the sign) when the field is one column short.
std::string_view fitLeadingZero(Buffer& b, bool negative, int w) {
    std::string_view text = b.view();
    const std::size_t zeroAt = negative ? 1 : 0;
    if (static_cast<int>(text.size()) > w && text.size() > zeroAt + 1 && text[zeroAt] == '0' &&
        text[zeroAt + 1] == '.') {
        if (negative) {
            b.text[1] = '-';
            return std::string_view(b.text + 1, b.size - 1);
        }
        text.remove_prefix(1);
    }
    return text;
}

// The digits and decimal exponent of to_chars' scientific text "d.ddde+XX": the value is
// 0.dddd times ten to `exponent`.
int sciDigits(const char* text, const char* end, char* digits, int& exponent) {
    int n = 0;
    const char* p = text;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.') digits[n++] = *p;
    int e10 = 0;
    if (p < end) {
        const bool negative = p[1] == '-';
        for (p += 2; p < end; ++p)
            e10 = 10 * e10 + (*p - '0');
        if (negative) e10 = -e10;
    }
    exponent = e10 + 1;
    return n;
}

// Most significant digits for which the shortest text of a normal double rounds as its exact
// value does: the d-digit grid is then more than an ulp apart.
constexpr int kMaxShortestRoundedDigits = 15;

// The exact binary value of a normal `a` rounded to d significant digits, found from its
// shortest text (much cheaper than the exact expansion): the shortest text S and the value lie
// in the double's rounding interval, so a d-digit rounding boundary between them would itself be
// a shorter, or equally short and closer, text of the double. The one case left open is S ending
// in the boundary itself (one digit beyond d, a 5); false then, and the caller rounds the exact
// value.
bool shortestRounded(double a, int d, char* digits, int& exponent) {
    if (d > kMaxShortestRoundedDigits || !(a >= std::numeric_limits<double>::min())) return false;
    char sci[32];
    char s[20];
    const auto r = std::to_chars(sci, sci + sizeof sci, a, std::chars_format::scientific);
    const int k = sciDigits(sci, r.ptr, s, exponent);
    if (k <= d) {
        std::copy(s, s + k, digits);
        std::fill(digits + k, digits + d, '0');
        return true;
    }
    if (k == d + 1 && s[d] == '5') return false;
    std::copy(s, s + d, digits);
    if (s[d] < '5') return true;
    int i = d - 1;
    for (; i >= 0 && digits[i] == '9'; --i)
        digits[i] = '0';
    if (i >= 0) {
        ++digits[i];
    } else { // 0.999.. rounds up to 0.100.. times ten to one more
        digits[0] = '1';
        ++exponent;
    }
    return true;
}

// Ew.d and Dw.d: [-]0.ddddE+xx with d significant digits; exponent letter dropped for |exp| > 99.
void appendExponent(std::string& out, double v, int w, int d, char letter) {
    if (appendNonFinite(out, v, w)) return;
    if (d < 1 || d > kMaxFractionDigits) {
        appendStars(out, w);
        return;
    }
    const bool negative = std::signbit(v);
    const double a = std::fabs(v);
    char digits[kMaxFractionDigits + 1];
    int exponent = 0;
    if (a == 0.0) {
        std::fill(digits, digits + d, '0');
    } else if (!shortestRounded(a, d, digits, exponent)) {
        // to_chars rounds the exact binary value to d significant digits (ties to even):
        // "d.ddde+XX" (no point when d is 1).
        char sci[kMaxFractionDigits + 16];
        const auto r =
            std::to_chars(sci, sci + sizeof sci, a, std::chars_format::scientific, d - 1);
        sciDigits(sci, r.ptr, digits, exponent);
    }
    const int ae = exponent < 0 ? -exponent : exponent;
    if (ae > 999) {
        appendStars(out, w);
        return;
    }
    Buffer b;
    if (negative) b.put('-');
    b.put('0');
    b.put('.');
    b.put(digits, digits + d);
    if (ae <= 99) b.put(letter);
    b.put(exponent < 0 ? '-' : '+');
    if (ae > 99) b.put(static_cast<char>('0' + ae / 100));
    b.put(static_cast<char>('0' + ae / 10 % 10));
    b.put(static_cast<char>('0' + ae % 10));
    appendRight(out, fitLeadingZero(b, negative, w), w);
}

} // namespace

void appendX(std::string& out, int n) {
    if (n > 0) out.append(static_cast<std::size_t>(n), ' ');
}

void appendI(std::string& out, std::int64_t v, int w) {
    appendI(out, v, w, 1);
}

void appendI(std::string& out, std::int64_t v, int w, int m) {
    // Iw.m: at least m digits, leading zeros added; a zero with m = 0 is all blanks.
    if (v == 0 && m == 0) {
        appendX(out, w);
        return;
    }
    const std::uint64_t mag =
        v < 0 ? 0ULL - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    char digits[24];
    const auto r = std::to_chars(digits, digits + sizeof digits, mag);
    const int n = static_cast<int>(r.ptr - digits);
    Buffer b;
    if (v < 0) b.put('-');
    for (int k = n; k < m && k < kMaxFractionDigits; ++k)
        b.put('0');
    b.put(digits, r.ptr);
    appendRight(out, b.view(), w);
}

void appendF(std::string& out, double v, int w, int d) {
    if (appendNonFinite(out, v, w)) return;
    if (d < 0 || d > kMaxFractionDigits || w <= 0) {
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
    char fixedText[160];
    const auto r =
        std::to_chars(fixedText, fixedText + sizeof fixedText, a, std::chars_format::fixed, d);
    Buffer b;
    if (negative) b.put('-');
    b.put(fixedText, r.ptr);
    if (d == 0) b.put('.');
    appendRight(out, fitLeadingZero(b, negative, w), w);
}

void appendE(std::string& out, double v, int w, int d) {
    appendExponent(out, v, w, d, 'E');
}
void appendD(std::string& out, double v, int w, int d) {
    appendExponent(out, v, w, d, 'D');
}

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
    if (s.size() >= width)
        m_text.append(s.substr(0, width));
    else {
        m_text.append(s);
        m_text.append(width - s.size(), ' ');
    }
    return *this;
}

} // namespace tervane::fixed
