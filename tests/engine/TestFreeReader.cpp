// The free-form reader: record semantics, separators, line ends and its stops.

#include "EngineErrors.h"
#include "FreeReader.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(stop.reportText(), "     ERROR STOP -- DATA FILE LINE 2: \"abc\" IS NOT AN INTEGER");
    }
    for (const char* bad : {"1.5", "99999999999", "NaN", "1E999", "inf", "0x10", "--1", ""}) {
        FreeReader b;
        b.reset(std::string(bad) + "\n", "DATA FILE");
        double d = 0;
        std::int32_t i = 0;
        EXPECT_THROW(
            {
                b.begin();
                if (std::string(bad) == "1.5" || std::string(bad) == "99999999999") i = b.integer();
                else d = b.real();
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
