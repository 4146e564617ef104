// The free-form reader: record semantics, separators, line ends and its stops.

#include "EngineErrors.h"
#include "FreeReader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

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
