#include "ShortestReal.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace tervane {
namespace {

// A double whose shortest text has at most 15 significant digits: that text lies within half a
// unit in the last place of the value (at most 1.2E-16 of it), well inside half a unit of the
// 15th digit (at least 5E-16 of it). So any 15-digit decimal that reads back as the value is
// the one nearest to it, and its digits without the trailing zeros are the shortest text. The
// decimal is found by one scaling in doubles; when it does not read back (the shortest text
// needs 16 or 17 digits, or the scaling missed), the library's conversion writes the text.
constexpr int kDigits = 15;
constexpr std::uint64_t kLowest = 100000000000000;   // 10^14
constexpr std::uint64_t kBeyond = 1000000000000000;  // 10^15

// Powers of ten a double holds exactly: the decimal times or over one of them is one rounding
// of the exact value, which is how the text reads back.
constexpr int kMaxExactTenPower = 22;
constexpr double kTens[kMaxExactTenPower + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Room the fast path needs: sign, "0.", 15 zeros at most before 15 digits, or an exponent.
constexpr std::ptrdiff_t kRoom = 40;

char* library(char* first, char* last, double value) {
    return std::to_chars(first, last, value).ptr;
}

char* put(char* p, char c, int n) {
    for (int k = 0; k < n; ++k)
        *p++ = c;
    return p;
}

// The 15-digit decimal n 10^-k nearest to a > 0 that reads back as a, with x the decade of a
// (10^x <= a < 10^(x+1)); false when there is none within the exact powers of ten.
bool fifteenDigits(double a, std::uint64_t& n, int& x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &a, sizeof bits);
    // floor(e log10 2) from the binary exponent e: the decade or one below it.
    x = ((static_cast<int>(bits >> 52) - 1023) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = kDigits - 1 - x;
        if (k > kMaxExactTenPower || k < -kMaxExactTenPower) return false;
        const double scale = kTens[k < 0 ? -k : k];
        const double r = k >= 0 ? a * scale : a / scale;
        // r is below 2^50, so r + 0.5 is exact and truncation rounds r half up.
        n = r < static_cast<double>(kBeyond) ? static_cast<std::uint64_t>(r + 0.5) : kBeyond;
        if (n >= kBeyond) {
            ++x;
            continue;
        }
        if (n < kLowest) {
            --x;
            continue;
        }
        const double back = k >= 0 ? static_cast<double>(n) / scale : static_cast<double>(n) * scale;
        return back == a;
    }
    return false;
}

} // namespace

char* shortestReal(char* first, char* last, double value) {
    const double a = std::fabs(value);
    std::uint64_t n = 0;
    int x = 0;
    if (last - first < kRoom || !(a >= std::numeric_limits<double>::min()) ||
        !(a <= std::numeric_limits<double>::max()) || !fifteenDigits(a, n, x))
        return library(first, last, value);

    // Trailing zeros off by eights, fours, twos and ones: n has 15 digits, the first not 0, so at
    // most 14 zeros, which these steps take in one pass.
    int count = kDigits;
    for (const auto& [power, zeros] : {std::pair<std::uint64_t, int>{100000000, 8},
                                       {10000, 4}, {100, 2}, {10, 1}}) {
        if (n % power == 0) {
            n /= power;
            count -= zeros;
        }
    }
    char digits[kDigits];
    int i = count;
    for (; i >= 2; i -= 2) {
        const auto pair = static_cast<unsigned>(n % 100);
        n /= 100;
        digits[i - 1] = static_cast<char>('0' + pair % 10);
        digits[i - 2] = static_cast<char>('0' + pair / 10);
    }
    if (i == 1) digits[0] = static_cast<char>('0' + n);
    // The value is d.ddd 10^x. The fixed form is chosen unless the scientific one is shorter:
    // "ddd" and zeros, "dd.dd" or "0.00ddd" against "d.ddde+xx".
    const int absX = x < 0 ? -x : x;
    const int scientific = count + (count > 1 ? 1 : 0) + 2 + (absX >= 100 ? 3 : 2);
    const int fixedLength = x >= 0 ? (count <= x + 1 ? x + 1 : count + 1) : 1 + count - x;
    // A whole number written in full from 10^15 on shows every digit of its binary value, not
    // the zeros after its shortest digits: the library writes those.
    if (fixedLength <= scientific && x >= kDigits) return library(first, last, value);
    char* p = first;
    if (std::signbit(value)) *p++ = '-';
    if (fixedLength <= scientific) {
        if (x >= 0) {
            const int whole = x + 1;
            if (count <= whole) {
                std::memcpy(p, digits, static_cast<std::size_t>(count));
                p = put(p + count, '0', whole - count);
            } else {
                std::memcpy(p, digits, static_cast<std::size_t>(whole));
                p += whole;
                *p++ = '.';
                std::memcpy(p, digits + whole, static_cast<std::size_t>(count - whole));
                p += count - whole;
            }
        } else {
            *p++ = '0';
            *p++ = '.';
            p = put(p, '0', -x - 1);
            std::memcpy(p, digits, static_cast<std::size_t>(count));
            p += count;
        }
        return p;
    }
    *p++ = digits[0];
    if (count > 1) {
        *p++ = '.';
        std::memcpy(p, digits + 1, static_cast<std::size_t>(count - 1));
        p += count - 1;
    }
    *p++ = 'e';
    *p++ = x < 0 ? '-' : '+';
    if (absX >= 100) *p++ = static_cast<char>('0' + absX / 100);
    *p++ = static_cast<char>('0' + absX / 10 % 10);
    *p++ = static_cast<char>('0' + absX % 10);
    return p;
}

} // namespace tervane
