// The fixed-field module against every line of the reference vectors written by a Fortran runtime.

#include "FixedFields.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <vector>

using namespace tervane::fixed;

namespace {

struct Descriptor {
    char kind = 'I';
    int w = 0;
    int d = -1;
};

Descriptor parseDescriptor(const std::string& s) {
    Descriptor desc;
    desc.kind = s[0];
    const std::size_t dot = s.find('.');
    desc.w = std::atoi(s.substr(1, dot == std::string::npos ? std::string::npos : dot - 1).c_str());
    if (dot != std::string::npos) desc.d = std::atoi(s.substr(dot + 1).c_str());
    return desc;
}

std::string format(const Descriptor& desc, const std::string& value) {
    if (desc.kind == 'I') {
        const long long v = std::atoll(value.c_str());
        return desc.d < 0 ? I(v, desc.w) : I(v, desc.w, desc.d);
    }
    const double v = std::strtod(value.c_str(), nullptr);
    switch (desc.kind) {
    case 'F':
        return F(v, desc.w, desc.d);
    case 'E':
        return E(v, desc.w, desc.d);
    case 'D':
        return D(v, desc.w, desc.d);
    }
    return "?";
}

} // namespace

// Every line of a reference file: descriptor TAB value TAB [field as the Fortran runtime wrote it].
// fortran-edit-descriptors.tsv holds the chosen edge cases; fortran-edit-descriptors-random.tsv
// random magnitudes from 1e-12 to 1e12 and values near rounding ties, in the report's formats.
class FixedFieldsReference : public testing::TestWithParam<const char*> {};

TEST_P(FixedFieldsReference, MatchesEveryVector) {
    std::istringstream in(testsupport::readFile(testsupport::dataPath(GetParam())));
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const std::size_t t1 = line.find('\t');
        const std::size_t t2 = line.find('\t', t1 + 1);
        ASSERT_NE(t2, std::string::npos) << line;
        const std::string descriptor = line.substr(0, t1);
        const std::string value = line.substr(t1 + 1, t2 - t1 - 1);
        const std::string bracketed = line.substr(t2 + 1);
        ASSERT_GE(bracketed.size(), 2u);
        const std::string expected = bracketed.substr(1, bracketed.size() - 2);
        EXPECT_EQ(format(parseDescriptor(descriptor), value), expected)
            << descriptor << " of " << value;
        ++checked;
    }
    EXPECT_GT(checked, 1500);
}

INSTANTIATE_TEST_SUITE_P(FixedFields, FixedFieldsReference,
                         testing::Values("fortran-edit-descriptors.tsv",
                                         "fortran-edit-descriptors-random.tsv"));

TEST(FixedFields, SignedZeroAndNonFiniteValues) {
    EXPECT_EQ(E(-0.0, 11, 4), "-0.0000E+00");
    EXPECT_EQ(E(0.0, 11, 4), " 0.0000E+00");
    EXPECT_EQ(F(-1e-9, 6, 3), "-0.000");
    EXPECT_EQ(F(std::numeric_limits<double>::quiet_NaN(), 6, 2), "   NaN");
    EXPECT_EQ(E(std::numeric_limits<double>::infinity(), 3, 1), "Inf");
    EXPECT_EQ(E(-std::numeric_limits<double>::infinity(), 2, 1), "**");
    EXPECT_EQ(E(1e300, 12, 3), "   0.100+301");
    EXPECT_EQ(F(1e300, 12, 3), "************");
}

TEST(FixedFields, LineBuilderJoinsFieldsAndTextColumns) {
    Line l;
    l.x(2).text("N =").i(42, 5).x(1).e(12.3, 10, 3).a("ABCDEFG", 4).a("XY", 4);
    EXPECT_EQ(l.str(), "  N =   42  0.123E+02ABCDXY  ");
}

namespace {

// Ew.d of a value by the C library's exact rounding of its binary value ("%.*e", ties to even),
// in the field's form: "0." digits, then the exponent one higher.
std::string exactE(double v, int d) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", d - 1, std::fabs(v));
    std::string digits;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exponent = std::atoi(p + 1) + 1;
    char tail[16];
    const int ae = std::abs(exponent);
    if (ae > 99)
        std::snprintf(tail, sizeof tail, "%c%03d", exponent < 0 ? '-' : '+', ae);
    else
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', ae);
    return std::string(std::signbit(v) ? "-" : "") + "0." + digits + tail;
}

} // namespace

TEST(FixedFields, EFieldsRoundTheExactValueWhateverTheDigitsAsked) {
    // Values whose shortest text sits on a rounding boundary of the field (0.125 to two digits,
    // 2.5 to one), carries through nines, both ends of the normal range, and a spread of random
    // doubles over forty decades, each to 1 .. 15 significant digits.
    std::vector<double> values = {0.125,
                                  2.5,
                                  0.9995,
                                  9.9999999e10,
                                  1.0,
                                  0.15,
                                  0.35,
                                  1e-300,
                                  2.2250738585072014e-308,
                                  1.7976931348623157e300,
                                  123456.5,
                                  0.1 + 0.2,
                                  1.0 / 3.0};
    std::srand(20151105);
    for (int k = 0; k < 3000; ++k) {
        const double mantissa = static_cast<double>(std::rand()) / RAND_MAX;
        const int decade = std::rand() % 40 - 20;
        values.push_back((k % 2 ? -1.0 : 1.0) * mantissa * std::pow(10.0, decade));
    }
    for (double v : values) {
        if (v == 0.0) continue;
        for (int d = 1; d <= 15; ++d) {
            const std::string exact = exactE(v, d);
            ASSERT_EQ(E(v, d + 8, d), std::string(d + 8 - exact.size(), ' ') + exact)
                << std::hexfloat << v << " d=" << d;
        }
    }
}

TEST(FixedFields, FFieldsMatchTheExactConversionAtEveryScale) {
    // The integer rounding of F fields against the library's exact fixed conversion: ties at
    // every decimal (k / 2^j), carries through nines, values near 2^63 / 10^d where the integer
    // path gives way, subnormals, and random doubles over forty-four decades, d = 0 .. 18.
    std::vector<double> values = {0.0,    0.5,     1.5,    2.5,          0.125,
                                  0.375,  0.0625,  9.9995, 99.5,         0.05,
                                  1e-320, 5e-324,  1e18,   9.2e18,       9.3e18,
                                  1.8e19, 123.456, 1e-7,   0.9999999999, 4503599627370497.0};
    std::mt19937_64 rng(31);
    for (int k = 0; k < 4000; ++k) {
        const double mantissa = std::uniform_real_distribution<double>(0.0, 1.0)(rng);
        const int decade = static_cast<int>(rng() % 44) - 22;
        values.push_back(mantissa * std::pow(10.0, decade));
        values.push_back(
            std::ldexp(static_cast<double>(rng() % 100000), -static_cast<int>(rng() % 20)));
    }
    for (double a : values) {
        for (int d = 0; d <= 18; ++d) {
            for (double v : {a, -a}) {
                char text[400];
                const auto r = std::to_chars(text, text + sizeof text, std::fabs(v),
                                             std::chars_format::fixed, d);
                std::string expected = (std::signbit(v) ? "-" : "") + std::string(text, r.ptr);
                if (d == 0) expected += '.';
                if (expected.size() > 50) continue;
                ASSERT_EQ(F(v, 50, d), std::string(50 - expected.size(), ' ') + expected)
                    << std::hexfloat << v << " d=" << d;
            }
        }
    }
}

TEST(FixedFields, EFieldsAtRoundingTiesOfEveryScaleTheNarrowArithmeticTakes) {
    // Exact ties and their neighbours (n + 1/2 units of the last digit, as far as binary holds
    // them) and values whose digits sit around a power of ten, over the scales rounded in 64
    // bits and the ones beyond them, for 1 .. 6 digits.
    std::mt19937_64 rng(77);
    for (int k = 0; k < 20000; ++k) {
        const int d = 1 + static_cast<int>(rng() % 6);
        const int decade = static_cast<int>(rng() % 40) - 12;
        const double unit = std::pow(10.0, decade - d);
        const double tie = (static_cast<double>(rng() % 900000) + 0.5) * unit;
        for (double v : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300),
                         std::pow(10.0, decade), std::nextafter(std::pow(10.0, decade), 0.0)}) {
            const std::string exact = exactE(v, d);
            ASSERT_EQ(E(v, d + 8, d), std::string(d + 8 - exact.size(), ' ') + exact)
                << std::hexfloat << v << " d=" << d;
        }
    }
}

TEST(FixedFields, ALineBeyondItsOwnRoomKeepsEveryFieldAndCopiesWhole) {
    // Fields of every width up to 40 around a line's own room (the blank runs and bodies are
    // written by pieces of 4, 8 and 16 characters): the line equals the same fields appended to
    // a string, also once it has moved to the heap, after a copy, and after clear().
    std::string expected;
    Line l;
    for (int w = 1; w <= 40; ++w) {
        const double v = (w % 2 ? -1.0 : 1.0) * std::pow(7.0, w % 13) / 3.0;
        appendX(expected, w % 5);
        appendI(expected, w * 1234567, w);
        appendE(expected, v, w, 1 + w % 7);
        appendF(expected, v, w, w % 6);
        expected.append(std::string(static_cast<std::size_t>(w), static_cast<char>('a' + w % 26))
                            .substr(0, 12));
        expected.append(static_cast<std::size_t>(w - std::min(w, 12)), ' ');
        l.x(w % 5).i(w * 1234567, w).e(v, w, 1 + w % 7).f(v, w, w % 6);
        l.a(std::string(static_cast<std::size_t>(w), static_cast<char>('a' + w % 26)).substr(0, 12),
            w);
        ASSERT_EQ(l.view(), expected) << "w=" << w;
    }
    ASSERT_GT(expected.size(), 1000u);
    Line copy = l;
    EXPECT_EQ(copy.view(), expected);
    Line assigned;
    assigned.text("short");
    assigned = l;
    EXPECT_EQ(assigned.str(), expected);
    l.clear();
    l.x(3).i(7, 2);
    EXPECT_EQ(l.view(), "    7");
    EXPECT_EQ(copy.view(), expected);
}

TEST(FixedFields, EFieldsAtPowersOfTenBeyondTheGuessedDecades) {
    // The decade of an E field is guessed from a table of powers of ten as doubles and then
    // confirmed: powers of ten and their neighbours inside and beyond the table, where the
    // guess is one too high or too low, round as the exact conversion does.
    for (int decade = -300; decade <= 300; decade += decade > -50 && decade < 50 ? 1 : 25) {
        const double p = std::pow(10.0, decade);
        for (double v :
             {p, std::nextafter(p, 0.0), std::nextafter(p, 2.0 * p), 0.99999 * p, 1.00001 * p}) {
            for (int d : {1, 3, 4, 8, 15}) {
                const std::string exact = exactE(v, d);
                ASSERT_EQ(E(v, d + 9, d), std::string(d + 9 - exact.size(), ' ') + exact)
                    << std::hexfloat << v << " d=" << d;
            }
        }
    }
}

TEST(FixedFields, EFieldsAtTheEdgesOfTheRoundingInDoubles) {
    // Fields of up to nine digits are rounded from the value scaled in doubles, and give way to
    // the exact rounding within a margin of a half unit and of 0.95 below the lowest d-digit
    // value (from there up the field shows 0.100.. of the decade above). Values at, just inside
    // and just outside both edges, in decades whose scale is an exact power of ten and beyond.
    for (int d = 1; d <= 9; ++d) {
        for (int decade = -30; decade <= 30; ++decade) {
            const double unit = std::pow(10.0, decade - d);
            const double lowest = std::pow(10.0, decade - 1);
            for (double v : {(std::pow(10.0, d - 1) - 0.05) * std::pow(10.0, decade - d + 1) / 10.0,
                             lowest * (1.0 - 0.05 / std::pow(10.0, d - 1)), lowest,
                             (std::pow(10.0, d - 1) + 0.5) * unit * 10.0,
                             (std::pow(10.0, d) - 0.5) * unit}) {
                double below = v, above = v;
                for (int step = 0; step < 4; ++step) {
                    for (double w : {below, above}) {
                        const std::string exact = exactE(w, d);
                        ASSERT_EQ(E(w, d + 9, d), std::string(d + 9 - exact.size(), ' ') + exact)
                            << std::hexfloat << w << " d=" << d;
                    }
                    below = std::nextafter(below, 0.0);
                    above = std::nextafter(above, 1e308);
                }
                for (double w : {v * (1.0 - 1e-9), v * (1.0 + 1e-9), v * (1.0 - 1e-15)}) {
                    const std::string exact = exactE(w, d);
                    ASSERT_EQ(E(w, d + 9, d), std::string(d + 9 - exact.size(), ' ') + exact)
                        << std::hexfloat << w << " d=" << d;
                }
            }
        }
    }
}
