#include "FixedFields.h"

#include "DecimalRounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tervane::fixed {
namespace {

using namespace rounding;

// Most digits after the point any field asks for; longer requests fill the field with stars.
constexpr int kMaxFractionDigits = 60;

// A std::string as the text the fields are written into.
struct StringText {
    std::string& s;
    char* extend(std::size_t n) {
        const std::size_t at = s.size();
        s.resize(at + n);
        return s.data() + at;
    }
};

// n copies of c at p; the short runs of a field without a library call.
inline void fillRun(char* p, std::size_t n, char c) {
    if (n > 32) {
        std::memset(p, c, n);
        return;
    }
    const std::uint64_t eight = 0x0101010101010101ULL * static_cast<unsigned char>(c);
    if (n > 16) {
        std::memcpy(p, &eight, 8);
        std::memcpy(p + 8, &eight, 8);
        std::memcpy(p + n - 16, &eight, 8);
        std::memcpy(p + n - 8, &eight, 8);
    } else if (n >= 8) {
        std::memcpy(p, &eight, 8);
        std::memcpy(p + n - 8, &eight, 8);
    } else if (n >= 4) {
        const auto four = static_cast<std::uint32_t>(eight);
        std::memcpy(p, &four, 4);
        std::memcpy(p + n - 4, &four, 4);
    } else if (n > 0) {
        // 1 to 3 characters: the first, the middle and the last cover them (a loop here
        // becomes a library call).
        p[0] = c;
        p[n / 2] = c;
        p[n - 1] = c;
    }
}

// The n characters at from copied to to; the body of a field without a library call.
inline void copyShort(char* to, const char* from, std::size_t n) {
    if (n >= 8 && n <= 16) {
        std::uint64_t head = 0, tail = 0;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
        return;
    }
    if (n >= 4 && n < 8) {
        std::uint32_t head = 0, tail = 0;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
        return;
    }
    if (n < 4) {
        for (std::size_t k = 0; k < n; ++k)
            to[k] = from[k];
        return;
    }
    std::memcpy(to, from, n);
}

template <typename Out> void appendStars(Out& out, int w) {
    if (w > 0) fillRun(out.extend(static_cast<std::size_t>(w)), static_cast<std::size_t>(w), '*');
}

// Right-justifies `body` in w columns, or fills the field with asterisks when it is too long.
// The field is written in its place at the end of the text: the blanks, then the body.
template <typename Out> void appendRight(Out& out, std::string_view body, int w) {
    if (w <= 0) return;
    if (static_cast<int>(body.size()) > w) {
        appendStars(out, w);
        return;
    }
    char* field = out.extend(static_cast<std::size_t>(w));
    const std::size_t blanks = static_cast<std::size_t>(w) - body.size();
    fillRun(field, blanks, ' ');
    copyShort(field + blanks, body.data(), body.size());
}

// Non-finite values are written as the Fortran runtime writes them, or asterisks when too narrow.
template <typename Out> bool appendNonFinite(Out& out, double v, int w) {
    if (std::isfinite(v)) return false;
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

// Ew.d and Dw.d: [-]0.ddddE+xx with d significant digits; exponent letter dropped for |exp| > 99.
// The common E or D field in one pass: a normal value, up to nine digits, room for the sign,
// "0." and the exponent, rounded in doubles. The scales doubleRounded takes keep the exponent
// within two digits. False, with nothing written, for any other field.
template <typename Out>
[[gnu::always_inline]] inline bool quickExponent(Out& out, double v, int w, int d, char letter) {
    const double a = std::fabs(v);
    if (d < 1 || d > kMaxDoubleRoundedDigits || !isNormal(a)) return false;
    const bool negative = std::signbit(v);
    const int length = (negative ? 1 : 0) + 2 + d + 4;
    if (length > w) return false;
    std::uint64_t rounded = 0;
    int exponent = 0;
    if (!doubleRounded(a, d, guessedDecade(a, biasedExponent(bitsOf(a))), rounded, exponent))
        return false;
    if (rounded == static_cast<std::uint64_t>(kExactTenPowers[static_cast<std::size_t>(d)])) {
        // 0.999.. rounded up: 0.100.. times ten to one more
        rounded = static_cast<std::uint64_t>(kExactTenPowers[static_cast<std::size_t>(d - 1)]);
        ++exponent;
    }
    char* const field = out.extend(static_cast<std::size_t>(w));
    fillRun(field, static_cast<std::size_t>(w - length), ' ');
    char* p = field + (w - length);
    if (negative) *p++ = '-';
    p[0] = '0';
    p[1] = '.';
    writeDigits(rounded, d, p + 2);
    p += 2 + d;
    p[0] = letter;
    p[1] = exponent < 0 ? '-' : '+';
    std::memcpy(p + 2, kDigitPairs.data() + 2 * (exponent < 0 ? -exponent : exponent), 2);
    return true;
}

template <typename Out> void appendExponent(Out& out, double v, int w, int d, char letter) {
    if (quickExponent(out, v, w, d, letter)) return;
    if (!std::isfinite(v) && appendNonFinite(out, v, w)) return;
    if (d < 1 || d > kMaxFractionDigits) {
        appendStars(out, w);
        return;
    }
    if (w <= 0) return;
    const bool negative = std::signbit(v);
    const double a = std::fabs(v);
    // [-]0.digits, then the exponent in four columns: a letter and two digits, or three digits
    // without it. Its length is known before the rounding: one column short, the optional
    // leading zero goes (after the sign); shorter still, the field is asterisks.
    const int full = (negative ? 1 : 0) + 2 + d + 4;
    const bool dropZero = full > w;
    const int length = dropZero ? full - 1 : full;
    if (length > w) {
        appendStars(out, w);
        return;
    }
    // The field is written in its place: blanks, the sign and point, the digits where the
    // rounding puts them, the exponent.
    char* const field = out.extend(static_cast<std::size_t>(w));
    fillRun(field, static_cast<std::size_t>(w - length), ' ');
    char* p = field + (w - length);
    if (negative) *p++ = '-';
    if (!dropZero) *p++ = '0';
    *p++ = '.';
    int exponent = 0;
    if (a == 0.0) {
        fillRun(p, static_cast<std::size_t>(d), '0');
    } else if (!quickRounded(a, d, p, exponent) && !integerRounded(a, d, p, exponent)) {
        // to_chars rounds the exact binary value to d significant digits (ties to even):
        // "d.ddde+XX" (no point when d is 1).
        char sci[kMaxFractionDigits + 16];
        const auto r =
            std::to_chars(sci, sci + sizeof sci, a, std::chars_format::scientific, d - 1);
        sciDigits(sci, r.ptr, p, exponent);
    }
    const int ae = exponent < 0 ? -exponent : exponent;
    if (ae > 999) {
        fillRun(field, static_cast<std::size_t>(w), '*');
        return;
    }
    p += d;
    if (ae <= 99) {
        p[0] = letter;
        p[1] = exponent < 0 ? '-' : '+';
        std::memcpy(p + 2, kDigitPairs.data() + 2 * ae, 2);
    } else {
        p[0] = exponent < 0 ? '-' : '+';
        p[1] = static_cast<char>('0' + ae / 100);
        std::memcpy(p + 2, kDigitPairs.data() + 2 * (ae % 100), 2);
    }
}

template <typename Out> void putX(Out& out, int n) {
    if (n > 0) fillRun(out.extend(static_cast<std::size_t>(n)), static_cast<std::size_t>(n), ' ');
}

template <typename Out> void putI(Out& out, std::int64_t v, int w, int m) {
    // Iw.m: at least m digits, leading zeros added; a zero with m = 0 is all blanks.
    if (v == 0 && m == 0) {
        putX(out, w);
        return;
    }
    const std::uint64_t mag =
        v < 0 ? 0ULL - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    // The sign, the leading zeros (up to the most digits a field takes), then the digits.
    char text[1 + kMaxFractionDigits + 24];
    char* p = text;
    if (v < 0) *p++ = '-';
    int count = 1;
    for (std::uint64_t rest = mag; rest >= 10; rest /= 10)
        ++count;
    const int zeros = std::min(m, kMaxFractionDigits) - count;
    if (zeros > 0) {
        fillRun(p, static_cast<std::size_t>(zeros), '0');
        p += zeros;
    }
    p = std::to_chars(p, text + sizeof text, mag).ptr;
    appendRight(out, std::string_view(text, static_cast<std::size_t>(p - text)), w);
}

template <typename Out> void putF(Out& out, double v, int w, int d) {
    if (!std::isfinite(v) && appendNonFinite(out, v, w)) return;
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
    // The digits from the second column of the buffer on, so that the sign goes before them
    // without a copy; a column kept at the end for the point of d = 0.
    char buffer[162];
    char* const digits = buffer + 1;
    std::size_t n = 0;
    if (!integerFixed(a, d, digits, n)) {
        const auto r =
            std::to_chars(digits, buffer + sizeof buffer - 1, a, std::chars_format::fixed, d);
        n = static_cast<std::size_t>(r.ptr - digits);
    }
    if (d == 0) digits[n++] = '.';
    std::string_view body(digits, n);
    if (negative) {
        buffer[0] = '-';
        body = std::string_view(buffer, n + 1);
    }
    // One column short: the optional leading zero of "0." goes (after the sign).
    if (static_cast<int>(body.size()) > w && n >= 2 && digits[0] == '0' && digits[1] == '.') {
        if (negative) {
            digits[0] = '-';
            body = std::string_view(digits, n);
        } else {
            body = std::string_view(digits + 1, n - 1);
        }
    }
    appendRight(out, body, w);
}

} // namespace

void appendX(std::string& out, int n) {
    StringText t{out};
    putX(t, n);
}
void appendI(std::string& out, std::int64_t v, int w) {
    StringText t{out};
    putI(t, v, w, 1);
}
void appendI(std::string& out, std::int64_t v, int w, int m) {
    StringText t{out};
    putI(t, v, w, m);
}
void appendF(std::string& out, double v, int w, int d) {
    StringText t{out};
    putF(t, v, w, d);
}
void appendE(std::string& out, double v, int w, int d) {
    StringText t{out};
    appendExponent(t, v, w, d, 'E');
}
void appendD(std::string& out, double v, int w, int d) {
    StringText t{out};
    appendExponent(t, v, w, d, 'D');
}

void appendX(LineText& out, int n) {
    putX(out, n);
}
void appendI(LineText& out, std::int64_t v, int w, int m) {
    putI(out, v, w, m);
}
void appendF(LineText& out, double v, int w, int d) {
    putF(out, v, w, d);
}
void appendE(LineText& out, double v, int w, int d) {
    appendExponent(out, v, w, d, 'E');
}
void appendD(LineText& out, double v, int w, int d) {
    appendExponent(out, v, w, d, 'D');
}

char* LineText::extendLong(std::size_t n) {
    if (!m_long) m_long = std::make_unique<std::string>(m_inline, m_size);
    const std::size_t at = m_long->size();
    m_long->resize(at + n);
    return m_long->data() + at;
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
    const std::size_t kept = std::min(s.size(), width);
    char* field = m_text.extend(width);
    if (kept > 0) std::memcpy(field, s.data(), kept);
    std::memset(field + kept, ' ', width - kept);
    return *this;
}

} // namespace tervane::fixed
