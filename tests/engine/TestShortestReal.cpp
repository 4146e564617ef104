// The shortest free-format text of the scratch and plot files against the library conversion it
// stands in for: the same characters for every kind of value, whichever of the two writes them.

#include "ShortestReal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string library(double v) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

std::string ours(double v) {
    char text[64];
    return std::string(text, tervane::shortestReal(text, text + sizeof text, v));
}

} // namespace

TEST(ShortestReal, WritesWhatTheLibraryWritesForEveryKindOfValue) {
    // Decimals of 1 .. 17 digits in every decade from 1E-30 to 1E30 (fixed and scientific forms,
    // their equal-length ties, 15-digit values next to 16- and 17-digit ones), whole numbers
    // around 10^15 and 2^53 (written in full by the library), powers of two, neighbours of
    // short decimals, random bit patterns, and the values the library alone writes.
    std::vector<double> values = {0.0,
                                  -0.0,
                                  5e-324,
                                  2.2250738585072014e-308,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(),
                                  1e15,
                                  999999999999999.0,
                                  1e15 + 2,
                                  9007199254740992.0,
                                  123456789012345.0,
                                  0.0001,
                                  0.001,
                                  1e-5,
                                  100000.0,
                                  1e21,
                                  1e22,
                                  1e23};
    std::mt19937_64 rng(2015);
    for (int digits = 1; digits <= 17; ++digits) {
        for (int decade = -30; decade <= 30; ++decade) {
            for (int k = 0; k < 12; ++k) {
                std::string text = std::to_string(1 + rng() % 9);
                for (int i = 1; i < digits; ++i)
                    text += static_cast<char>('0' + (k < 3 ? 0 : rng() % 10));
                const double v = std::stod(text + "e" + std::to_string(decade - digits + 1));
                values.insert(values.end(), {v, -v, std::nextafter(v, 0.0), std::nextafter(v, 1e308)});
            }
        }
    }
    for (int e = -80; e <= 80; ++e)
        values.push_back(std::ldexp(1.0, e));
    for (int k = 0; k < 20000; ++k) {
        const std::uint64_t bits = rng();
        double v = 0.0;
        std::memcpy(&v, &bits, sizeof v);
        values.push_back(v);
    }
    for (double v : values)
        ASSERT_EQ(ours(v), library(v)) << std::hexfloat << v;
}

TEST(ShortestReal, StaysInsideASmallBuffer) {
    // Short of room the library decides, and reports the end it could reach.
    char text[8];
    std::memset(text, '#', sizeof text);
    char* end = tervane::shortestReal(text, text + 4, 0.000123456);
    EXPECT_LE(end, text + 4);
    EXPECT_EQ(text[4], '#');
    end = tervane::shortestReal(text, text + 4, 72.5);
    EXPECT_EQ(std::string(text, end), "72.5");
}
