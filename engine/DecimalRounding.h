#pragma once
// Rounding of a double to d significant digits or d decimals from its exact binary value, ties
// to even, for the fixed fields: the fast roundings in doubles, inline because every E field
// takes one, and the exact integer roundings they give way to.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tervane::fixed::rounding {

// "00" .. "99": two digits at a time.
inline constexpr std::array<char, 200> kDigitPairs = [] {
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

// Powers of ten 10^-kGuessPowers .. 10^kGuessPowers as doubles, for the decade guess below.
inline constexpr int kGuessPowers = 40;
inline constexpr std::array<double, 2 * kGuessPowers + 1> kTenPowers = [] {
    std::array<double, 2 * kGuessPowers + 1> t{};
    double up = 1.0;
    for (int k = 0; k <= kGuessPowers; ++k) {
        t[static_cast<std::size_t>(kGuessPowers + k)] = up;
        t[static_cast<std::size_t>(kGuessPowers - k)] = 1.0 / up;
        up *= 10.0;
    }
    return t;
}();

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
inline constexpr int kMaxExactTenPower = 22;
inline constexpr std::array<double, kMaxExactTenPower + 1> kExactTenPowers = [] {
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
inline constexpr int kMaxDoubleRoundedDigits = 9;
inline constexpr double kDoubleRoundedMargin = 1e-6;
// A scaled value below 10^(d-1) - 0.05 has the wrong decade; from there up it rounds to
// 10^(d-1) in either decade (10 R rounds to 10^d in the one below).
inline constexpr double kDecadeEdge = 0.05;

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

// The exact binary value of a normal a rounded to d (1 .. 15) significant digits at `digits`, and
// the decimal exponent of 0.ddd; false beyond the scales the integer arithmetic covers.
bool integerRounded(double a, int d, char* digits, int& exponent);

// The text to_chars writes for a non-negative a in fixed notation with d decimals, n characters
// at `text` (room for 38); false for a subnormal value or a result beyond 19 digits.
bool integerFixed(double a, int d, char* text, std::size_t& n);

} // namespace tervane::fixed::rounding
