#include "FixedFields.h"

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

// "00" .. "99": two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> t{};
    for (int v = 0; v < 100; ++v) {
        t[static_cast<std::size_t>(2 * v)] = static_cast<char>('0' + v / 10);
        t[static_cast<std::size_t>(2 * v + 1)] = static_cast<char>('0' + v % 10);
    }
    return t;
}();

// The n lowest decimal digits of r, zero-padded, most significant first; 32-bit steps of two
// digits once the rest fits them.
[[gnu::always_inline]] inline void writeDigits(std::uint64_t r, int n, char* digits) {
    int i = n;
    for (; i > 0 && r > 0xffffffffu; --i) {
        digits[i - 1] = static_cast<char>('0' + r % 10);
        r /= 10;
    }
    auto r32 = static_cast<std::uint32_t>(r);
    for (; i >= 2; i -= 2) {
        const std::uint32_t pair = r32 % 100;
        r32 /= 100;
        std::memcpy(digits + i - 2, kDigitPairs.data() + 2 * pair, 2);
    }
    if (i == 1) digits[0] = static_cast<char>('0' + r32 % 10);
}

// Most significant digits the integer rounding below serves, and the widest decimal scaling it
// takes (10^27: 5^27 still fits 64 bits, so every product stays inside 128 bits).
constexpr int kMaxIntegerRoundedDigits = 15;
constexpr int kMaxDecimalScale = 27;

__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t powerOf(std::uint64_t base, int n) {
    std::uint64_t v = 1;
    for (int k = 0; k < n; ++k)
        v *= base;
    return v;
}

constexpr std::uint64_t kPow5[kMaxDecimalScale + 1] = {
    powerOf(5, 0),  powerOf(5, 1),  powerOf(5, 2),  powerOf(5, 3),  powerOf(5, 4),  powerOf(5, 5),
    powerOf(5, 6),  powerOf(5, 7),  powerOf(5, 8),  powerOf(5, 9),  powerOf(5, 10), powerOf(5, 11),
    powerOf(5, 12), powerOf(5, 13), powerOf(5, 14), powerOf(5, 15), powerOf(5, 16), powerOf(5, 17),
    powerOf(5, 18), powerOf(5, 19), powerOf(5, 20), powerOf(5, 21), powerOf(5, 22), powerOf(5, 23),
    powerOf(5, 24), powerOf(5, 25), powerOf(5, 26), powerOf(5, 27)};

int bitLength(Wide v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    const auto low = static_cast<std::uint64_t>(v);
    if (high != 0) return 128 - __builtin_clzll(high);
    return low != 0 ? 64 - __builtin_clzll(low) : 0;
}

// Powers of ten 10^-kGuessPowers .. 10^kGuessPowers as doubles, for the decade guess below.
constexpr int kGuessPowers = 40;
constexpr std::array<double, 2 * kGuessPowers + 1> kTenPowers = [] {
    std::array<double, 2 * kGuessPowers + 1> t{};
    double up = 1.0;
    for (int k = 0; k <= kGuessPowers; ++k) {
        t[static_cast<std::size_t>(kGuessPowers + k)] = up;
        t[static_cast<std::size_t>(kGuessPowers - k)] = 1.0 / up;
        up *= 10.0;
    }
    return t;
}();

// Scales the rounding below takes in 64-bit arithmetic: m 5^k for k <= 4 stays below 2^64
// (m < 2^53, 5^4 < 2^11), and a divisor 5^-k 2^-twos of at most 63 bits keeps twice the
// remainder below 2^64.
constexpr int kMaxNarrowScaleUp = 4;
constexpr int kMaxNarrowDivisorBits = 63;

// A positive double that is neither subnormal nor infinite (nor NaN); its bits; the biased
// binary exponent in them.
inline bool isNormal(double a) {
    return a >= std::numeric_limits<double>::min() && a <= std::numeric_limits<double>::max();
}
inline std::uint64_t bitsOf(double a) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &a, sizeof bits);
    return bits;
}
inline int biasedExponent(std::uint64_t bits) {
    return static_cast<int>(bits >> 52) & 0x7ff;
}

// The decade of a normal a from its biased binary exponent: floor(e log10 2) is exact or one
// too low for a (78913 / 2^18 is log10 2 close enough for every exponent of a double); one more
// when a reaches the next power of ten in a table of powers as doubles. A guess only (the
// negative powers are not exact), which the scalings below confirm or correct, but it spares
// the second scaling for most values.
inline int guessedDecade(double a, int biased) {
    int e10 = ((biased - 1023) * 78913) >> 18;
    if (e10 + 1 >= -kGuessPowers && e10 + 1 <= kGuessPowers &&
        a >= kTenPowers[static_cast<std::size_t>(e10 + 1 + kGuessPowers)])
        ++e10;
    return e10;
}

// Powers of ten a double holds exactly (5^22 < 2^53): a 10^k and a / 10^k with such a power are
// each one rounding of the exact result.
constexpr int kMaxExactTenPower = 22;
constexpr std::array<double, kMaxExactTenPower + 1> kExactTenPowers = [] {
    std::array<double, kMaxExactTenPower + 1> t{};
    double v = 1.0;
    for (int k = 0; k <= kMaxExactTenPower; ++k) {
        t[static_cast<std::size_t>(k)] = v;
        v *= 10.0;
    }
    return t;
}();

// Most significant digits the rounding in doubles below serves: the scaled value stays below
// 10^9 < 2^30, where one rounding moves it by at most 2^-24 (6E-8), well inside the margin.
constexpr int kMaxDoubleRoundedDigits = 9;
constexpr double kDoubleRoundedMargin = 1e-6;
// A scaled value below 10^(d-1) - 0.05 has the wrong decade; from there up it rounds to
// 10^(d-1) in either decade (10 R rounds to 10^d in the one below).
constexpr double kDecadeEdge = 0.05;

// The rounding of integerRounded below in double arithmetic, for d <= 9 and a decade whose
// scale is an exact power of ten: R = a 10^k is taken as one rounded product or quotient r,
// which lies within the margin of R. Where the rounding of R could differ from that of r (r
// within the margin of a half unit or of the decade's lower edge), or the scale is not exact,
// it gives way: false, and the exact integer rounding decides.
[[gnu::always_inline]] inline bool doubleRounded(double a, int d, int e10, std::uint64_t& rounded,
                                                 int& exponent) {
    const double low = kExactTenPowers[static_cast<std::size_t>(d - 1)];
    const double high = kExactTenPowers[static_cast<std::size_t>(d)];
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = d - 1 - e10;
        if (k > kMaxExactTenPower || k < -kMaxExactTenPower) return false;
        const double r = k >= 0 ? a * kExactTenPowers[static_cast<std::size_t>(k)]
                                : a / kExactTenPowers[static_cast<std::size_t>(-k)];
        if (r >= high) { // R reaches 10^d or rounds to it: the decade above gives the same text
            ++e10;
            continue;
        }
        const double edge = low - kDecadeEdge;
        if (r < edge - kDoubleRoundedMargin) {
            --e10;
            continue;
        }
        if (r <= edge + kDoubleRoundedMargin) return false;
        double n = low; // from the edge up to 10^(d-1), R rounds to 10^(d-1)
        if (r >= low) {
            // The whole part by truncation (r is positive and below 2^30), the fraction exact.
            const auto whole = static_cast<std::uint64_t>(r);
            const double fraction = r - static_cast<double>(whole);
            if (std::fabs(fraction - 0.5) <= kDoubleRoundedMargin) return false;
            rounded = fraction > 0.5 ? whole + 1 : whole;
            exponent = e10 + 1;
            return true;
        }
        rounded = static_cast<std::uint64_t>(n);
        exponent = e10 + 1;
        return true;
    }
    return false;
}

// The d digits of a normal a by doubleRounded, written at `digits`; false where it gives way.
// Small enough to sit inside the field writer, ahead of the full integer rounding.
[[gnu::always_inline]] inline bool quickRounded(double a, int d, char* digits, int& exponent) {
    if (d > kMaxDoubleRoundedDigits || !isNormal(a)) return false;
    std::uint64_t rounded = 0;
    if (!doubleRounded(a, d, guessedDecade(a, biasedExponent(bitsOf(a))), rounded, exponent))
        return false;
    if (rounded == static_cast<std::uint64_t>(kExactTenPowers[static_cast<std::size_t>(d)])) {
        // 0.999.. rounded up: 0.100.. times ten to one more
        rounded = static_cast<std::uint64_t>(kExactTenPowers[static_cast<std::size_t>(d - 1)]);
        ++exponent;
    }
    writeDigits(rounded, d, digits);
    return true;
}

// quotient + remainder/den rounded to an integer, ties to even, in `rounded`: -1 when the
// quotient lies below `low`, 1 when it reaches `high` (the decade was wrong), else 0. Twice the
// remainder must fit U.
template <typename U>
int roundedQuotient(U quotient, U remainder, U den, std::uint64_t low, std::uint64_t high,
                    std::uint64_t& rounded) {
    if (quotient < low) return -1;
    if (quotient >= high) return 1;
    const U twice = remainder * 2;
    if (twice > den || (twice == den && (quotient & 1) != 0)) ++quotient;
    rounded = static_cast<std::uint64_t>(quotient);
    return 0;
}

// The exact binary value of a normal `a` rounded to d significant digits, ties to even, as an
// integer quotient: a = m 2^q exactly, and R = a 10^k with 10^(d-1) <= R < 10^d is the fraction
// (m 5^k 2^(q+k)) / 1 or m 2^(q+k) / 5^-k with the powers of two moved to whichever side keeps
// them whole. False when the value lies beyond the scales this covers; the caller then rounds
// the exact decimal expansion.
bool integerRounded(double a, int d, char* digits, int& exponent) {
    if (d > kMaxIntegerRoundedDigits || !isNormal(a)) return false;
    const std::uint64_t bits = bitsOf(a);
    const int biased = biasedExponent(bits);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int q = biased - 1075;
    static constexpr std::uint64_t kPow10[kMaxIntegerRoundedDigits + 1] = {
        powerOf(10, 0),  powerOf(10, 1),  powerOf(10, 2),  powerOf(10, 3),
        powerOf(10, 4),  powerOf(10, 5),  powerOf(10, 6),  powerOf(10, 7),
        powerOf(10, 8),  powerOf(10, 9),  powerOf(10, 10), powerOf(10, 11),
        powerOf(10, 12), powerOf(10, 13), powerOf(10, 14), powerOf(10, 15)};
    int e10 = guessedDecade(a, biased);
    const std::uint64_t low = kPow10[d - 1], high = kPow10[d];
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = d - 1 - e10;
        if (k > kMaxDecimalScale || k < -kMaxDecimalScale) return false;
        const int twos = q + k;
        int verdict = 0;
        std::uint64_t rounded = 0;
        if (twos < 0 && -twos < 64 && k >= 0 && k <= kMaxNarrowScaleUp) {
            // The same fraction in 64 bits: m 5^k below 2^64, 2^-twos below 2^64.
            const std::uint64_t num = m * kPow5[k];
            const std::uint64_t unit = std::uint64_t{1} << -twos;
            verdict = roundedQuotient<std::uint64_t>(num >> -twos, num & (unit - 1), unit, low,
                                                     high, rounded);
        } else if (twos < 0 && k < 0 && -twos <= kMaxNarrowDivisorBits - bitLength(kPow5[-k])) {
            const std::uint64_t divisor = kPow5[-k] << -twos;
            verdict = roundedQuotient<std::uint64_t>(m / divisor, m % divisor, divisor, low, high,
                                                     rounded);
        } else {
            Wide num = m, den = 1;
            if (k >= 0)
                num *= kPow5[k];
            else
                den = kPow5[-k];
            if (twos >= 0) {
                if (twos > 127 - bitLength(num)) return false;
                num <<= twos;
            } else {
                if (-twos > 126 - bitLength(den)) return false;
                den <<= -twos;
            }
            // A scale up (k >= 0) leaves only a power of two (or 1) below the line: a shift.
            const int shift = k >= 0 && twos < 0 ? -twos : 0;
            const Wide quotient = k >= 0 ? num >> shift : num / den;
            const Wide remainder = k >= 0 ? num & (den - 1) : num - quotient * den;
            verdict = roundedQuotient<Wide>(quotient, remainder, den, low, high, rounded);
        }
        if (verdict < 0) {
            --e10;
            continue;
        }
        if (verdict > 0) {
            ++e10;
            continue;
        }
        exponent = e10 + 1;
        if (rounded == high) { // 0.999.. rounded up: 0.100.. times ten to one more
            rounded = low;
            ++exponent;
        }
        writeDigits(rounded, d, digits);
        return true;
    }
    return false;
}

// Most decimals and integer digits the integer fixed-point rounding below serves.
constexpr int kMaxIntegerFixedDecimals = 17;
constexpr int kMaxIntegerFixedDigits = 19;

// a 10^d rounded to an integer (ties to even) in doubles, for d <= 9 and a result below 10^9:
// the product is one rounding of the exact one, within the margin of it, so only a fraction
// within the margin of a half can round otherwise; there, and for larger values, false.
inline bool quickFixed(double a, int d, std::uint64_t& rounded) {
    if (d > kMaxDoubleRoundedDigits || !(a >= std::numeric_limits<double>::min())) return false;
    const double r = a * kExactTenPowers[static_cast<std::size_t>(d)];
    if (!(r < kExactTenPowers[kMaxDoubleRoundedDigits])) return false;
    const auto whole = static_cast<std::uint64_t>(r);
    const double fraction = r - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) <= kDoubleRoundedMargin) return false;
    rounded = fraction > 0.5 ? whole + 1 : whole;
    return true;
}

// The text to_chars writes for a non-negative `a` in fixed notation with d decimals ("12.345",
// "0.050", "7" for d = 0): the exact binary value a = m 2^q times 10^d is m 5^d 2^(q+d), rounded
// to an integer (ties to even) by a shift, and its digits get the point before the last d.
// False for a subnormal value or a result beyond 19 digits; the caller then converts in full.
bool integerFixed(double a, int d, char* text, std::size_t& n) {
    if (d > kMaxIntegerFixedDecimals) return false;
    std::uint64_t result = 0;
    if (a != 0.0 && !quickFixed(a, d, result)) {
        if (!(a >= std::numeric_limits<double>::min())) return false;
        std::uint64_t bits = 0;
        std::memcpy(&bits, &a, sizeof bits);
        const int biased = static_cast<int>(bits >> 52) & 0x7ff;
        const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
        const Wide num = static_cast<Wide>(m) * kPow5[d];
        const int twos = biased - 1075 + d;
        Wide quotient = 0;
        if (twos >= 0) {
            if (bitLength(num) + twos > 64) return false;
            quotient = num << twos;
        } else if (-twos < 128) {
            const int shift = -twos;
            quotient = num >> shift;
            const Wide remainder = num & ((Wide{1} << shift) - 1);
            const Wide half = Wide{1} << (shift - 1);
            if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
        } // else: below half a unit of the last decimal, which rounds to zero
        if (bitLength(quotient) > 63) return false;
        result = static_cast<std::uint64_t>(quotient);
    }
    char digits[kMaxIntegerFixedDigits + kMaxIntegerFixedDecimals + 2];
    static constexpr std::uint64_t kDecades[kMaxIntegerFixedDigits] = {
        powerOf(10, 1),  powerOf(10, 2),  powerOf(10, 3),  powerOf(10, 4),  powerOf(10, 5),
        powerOf(10, 6),  powerOf(10, 7),  powerOf(10, 8),  powerOf(10, 9),  powerOf(10, 10),
        powerOf(10, 11), powerOf(10, 12), powerOf(10, 13), powerOf(10, 14), powerOf(10, 15),
        powerOf(10, 16), powerOf(10, 17), powerOf(10, 18), powerOf(10, 19)};
    int count = 1; // digits of result (a result of 0 is one digit "0")
    while (count <= kMaxIntegerFixedDigits - 1 && result >= kDecades[count - 1])
        ++count;
    count = std::max(count, d + 1); // at least "0" before the point
    if (count > kMaxIntegerFixedDigits + kMaxIntegerFixedDecimals) return false;
    writeDigits(result, count, digits);
    const int whole = count - d;
    std::memcpy(text, digits, static_cast<std::size_t>(whole));
    n = static_cast<std::size_t>(whole);
    if (d > 0) {
        text[n++] = '.';
        std::memcpy(text + n, digits + whole, static_cast<std::size_t>(d));
        n += static_cast<std::size_t>(d);
    }
    return true;
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
