// The free-form reader: record semantics, separators, line ends and its stops.

#include "EngineErrors.h"
#include "FreeReader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using tervane::FreeReader;
using tervane::ProblemStop;

TEST(FreeReader, ReadContinuesOntoNextLinesAndSkipsRestOfLastLine) {
    FreeReader r;
    r.reset("1 2\n3,4\textra words\n5\r\n6 7 8\r\n", "DATA FILE");
    std::int32_t v[4];
    r.integers(v, 4);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[3], 4);
    r.begin();
    EXPECT_EQ(r.integer(), 5);
    r.end();
    double d[2];
    r.reals(d, 2); // "6 7" and the 8 is skipped
    EXPECT_DOUBLE_EQ(d[0], 6.0);
    EXPECT_DOUBLE_EQ(d[1], 7.0);
    EXPECT_TRUE(r.atEnd());
}

TEST(FreeReader, RealForms) {
    FreeReader r;
    r.reset("1.5E3 -2.5e-2 .5 +7 1D2 3.\n", "DATA FILE");
    double d[6];
    r.reals(d, 6);
    EXPECT_DOUBLE_EQ(d[0], 1500.0);
    EXPECT_DOUBLE_EQ(d[1], -0.025);
    EXPECT_DOUBLE_EQ(d[2], 0.5);
    EXPECT_DOUBLE_EQ(d[3], 7.0);
    EXPECT_DOUBLE_EQ(d[4], 100.0);
    EXPECT_DOUBLE_EQ(d[5], 3.0);
}

TEST(FreeReader, FixedTextPadsCutsAndKeepsBlanks) {
    FreeReader r;
    r.reset("Short title\r\n" + std::string(90, 'x') + "\n\t tab\n", "DATA FILE");
    EXPECT_EQ(r.fixedText(20), "Short title         ");
    EXPECT_EQ(r.fixedText(70), std::string(70, 'x'));
    EXPECT_EQ(r.fixedText(6), "  tab "); // a tab shows as a blank
    EXPECT_TRUE(r.atEnd());
}

TEST(FreeReader, StopsNameTheFileLineAndValue) {
    FreeReader r;
    r.reset("1 2\nabc\n", "DATA FILE");
    std::int32_t v[2];
    r.integers(v, 2);
    try {
        r.begin();
        r.integer();
        FAIL() << "no stop";
    } catch (const ProblemStop& stop) {
        EXPECT_EQ(stop.reportText(),
                  "     ERROR STOP -- DATA FILE LINE 2: \"abc\" IS NOT AN INTEGER");
    }
    for (const char* bad : {"1.5", "99999999999", "NaN", "1E999", "inf", "0x10", "--1", ""}) {
        FreeReader b;
        b.reset(std::string(bad) + "\n", "DATA FILE");
        double d = 0;
        std::int32_t i = 0;
        EXPECT_THROW(
            {
                b.begin();
                if (std::string(bad) == "1.5" || std::string(bad) == "99999999999")
                    i = b.integer();
                else
                    d = b.real();
            },
            ProblemStop)
            << bad;
        (void)d;
        (void)i;
    }
    FreeReader e;
    e.reset("", "DATA FILE");
    try {
        e.fixedText(70);
        FAIL() << "no stop";
    } catch (const ProblemStop& stop) {
        EXPECT_EQ(stop.reportText(),
                  "     ERROR STOP -- END OF DATA FILE REACHED BEFORE ALL DATA WERE READ");
    }
}

TEST(FreeReader, RealsReadTheSameWhateverTheirDigitsAndExponents) {
    // Texts the short path reads (up to 15 digits, exponents within 22) and texts beyond it,
    // against the general conversion of the same text.
    std::srand(20151105);
    const char* letters = "EeDd";
    for (int k = 0; k < 20000; ++k) {
        std::string t = k % 3 == 0 ? "-" : (k % 7 == 0 ? "+" : "");
        const int before = std::rand() % 10, after = std::rand() % 12;
        for (int i = 0; i < before; ++i)
            t += static_cast<char>('0' + std::rand() % 10);
        if (after > 0 || before == 0) t += '.';
        for (int i = 0; i < after; ++i)
            t += static_cast<char>('0' + std::rand() % 10);
        if (before == 0 && after == 0) t += '0';
        if (std::rand() % 2) {
            t += letters[std::rand() % 4];
            const int e = std::rand() % 61 - 30;
            t += e < 0 ? "-" : (std::rand() % 2 ? "+" : "");
            t += std::to_string(e < 0 ? -e : e);
        }
        std::string general = t.front() == '+' ? t.substr(1) : t;
        for (char& c : general)
            if (c == 'd' || c == 'D') c = 'E';
        double expected = 0.0;
        const auto r = std::from_chars(general.data(), general.data() + general.size(), expected);
        ASSERT_EQ(r.ptr, general.data() + general.size()) << t;
        double v = 0.0;
        ASSERT_TRUE(tervane::parseReal(t, v)) << t;
        EXPECT_EQ(std::signbit(v), std::signbit(expected)) << t;
        EXPECT_EQ(v, expected) << t;
    }
    // Forms the short path leaves alone are still judged as before.
    double v = 0.0;
    for (const char* bad : {"1e", "1e+", "1.2.3", ".", "-", "1x"})
        EXPECT_FALSE(tervane::parseReal(bad, v)) << bad;
}

namespace {

// A random number text near the engine's E-field shape: mostly "[-]0.dddE+xx" of 1 to 17 digits
// and exponents 0 to 99 (some beyond the fast scales), sometimes spoilt by a change that makes it
// another form (a letter D, a lower-case e, a missing digit, a leading plus, extra characters).
std::string randomFieldText(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> pick(0, 99);
    std::string t;
    if (pick(rng) < 50) t += '-';
    t += "0.";
    const int digits = 1 + pick(rng) % 17;
    for (int k = 0; k < digits; ++k)
        t += static_cast<char>('0' + pick(rng) % 10);
    t += 'E';
    t += pick(rng) < 50 ? '-' : '+';
    const int e = pick(rng) < 80 ? pick(rng) % 30 : pick(rng);
    t += static_cast<char>('0' + e / 10);
    t += static_cast<char>('0' + e % 10);
    switch (pick(rng) % 12) {
    case 0:
        t[t.find('E')] = 'D';
        break;
    case 1:
        t[t.find('E')] = 'e';
        break;
    case 2:
        t.pop_back();
        break;
    case 3:
        t.insert(0, "+");
        break;
    case 4:
        t += std::to_string(pick(rng) % 10);
        break;
    case 5:
        t.erase(t.find('.') - 1, 1);
        break;
    default:
        break;
    }
    return t;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(FreeReader, ExponentFieldsReadExactlyAsTheGeneralConversion) {
    std::mt19937_64 rng(20151);
    int taken = 0;
    for (int n = 0; n < 200000; ++n) {
        const std::string t = randomFieldText(rng);
        std::size_t length = 0;
        double fast = 0.0;
        if (!tervane::exponentFieldAt(t, length, fast)) continue;
        ++taken;
        double general = 0.0;
        ASSERT_TRUE(tervane::parseReal(std::string_view(t).substr(0, length), general)) << t;
        ASSERT_TRUE(sameBits(fast, general)) << t;
    }
    EXPECT_GT(taken, 50000); // the shape the engine writes is the common case
    std::size_t length = 0;
    double v = 0.0;
    EXPECT_FALSE(tervane::exponentFieldAt("0.480-103", length, v));
    EXPECT_FALSE(tervane::exponentFieldAt("0.1D+01", length, v));
    EXPECT_FALSE(tervane::exponentFieldAt("0.123E+4", length, v));
    ASSERT_TRUE(tervane::exponentFieldAt("-0.000E+00", length, v));
    EXPECT_TRUE(std::signbit(v));
}

TEST(FreeReader, EFieldsCutShortAtTheTextsEnd) {
    // Near the text's end a field is read from a padded copy, further from it in place: every
    // cut of the longest field, at the end and followed by more text, reads as the whole field
    // or not at all.
    const std::string field = "-0.123456789012345E-07";
    double whole = 0.0;
    ASSERT_TRUE(tervane::parseReal(field, whole));
    for (std::size_t n = 0; n <= field.size(); ++n) {
        for (const std::string tail : {"", "   0.5E+01                              "}) {
            const std::string text = field.substr(0, n) + tail;
            std::size_t length = 0;
            double v = 0.0;
            const bool taken = tervane::exponentFieldAt(text, length, v);
            ASSERT_EQ(taken, n == field.size()) << text;
            if (taken) {
                EXPECT_EQ(length, field.size());
                EXPECT_TRUE(sameBits(v, whole));
            }
        }
    }
}

TEST(FreeReader, RecordsOfFieldsReadAsTokenByToken) {
    // The fast path and the general token read must split and convert a record alike, whatever
    // follows a field: blanks, commas, line ends or characters that make it another token.
    std::mt19937_64 rng(7);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        std::vector<std::string> tokens;
        for (int k = 0; k < 40; ++k) {
            std::string t = randomFieldText(rng);
            double check = 0.0;
            if (!tervane::parseReal(t, check)) t = "0.5E+01";
            tokens.push_back(t);
            text += t;
            text += (rng() % 4 == 0) ? "\n" : (rng() % 3 == 0 ? "," : "  ");
        }
        FreeReader r;
        r.reset(text, "QKTEMP.001");
        r.begin();
        for (const std::string& t : tokens) {
            double expected = 0.0;
            ASSERT_TRUE(tervane::parseReal(t, expected));
            ASSERT_TRUE(sameBits(r.real(), expected)) << t;
        }
        r.end();
        EXPECT_TRUE(r.atEnd());
    }
}
