#include "DecimalRounding.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tervane::fixed::rounding {
namespace {

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
// Scales the rounding below takes in 64-bit arithmetic: m 5^k for k <= 4 stays below 2^64
// (m < 2^53, 5^4 < 2^11), and a divisor 5^-k 2^-twos of at most 63 bits keeps twice the
// remainder below 2^64.
constexpr int kMaxNarrowScaleUp = 4;
constexpr int kMaxNarrowDivisorBits = 63;

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

} // namespace

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

namespace {

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

} // namespace

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

} // namespace tervane::fixed::rounding
