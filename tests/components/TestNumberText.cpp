// Locale-independent number text: the general format and decimal reading.

#include "NumberText.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>

using namespace tervane;

TEST(NumberText, GeneralFormatWithEightDigitsAsTheProjectFileWritesIt) {
    // Fixed from 0.0001 up to eight digits before the point; scientific otherwise, with "-"
    // only for a negative exponent and no leading zeros.
    EXPECT_EQ(FormatGeneral(0.0L, 8), QStringLiteral("0"));
    EXPECT_EQ(FormatGeneral(-0.0L, 8), QStringLiteral("0"));
    EXPECT_EQ(FormatGeneral(12.5L, 8), QStringLiteral("12.5"));
    EXPECT_EQ(FormatGeneral(static_cast<double>(0.0254L), 8), QStringLiteral("0.0254"));
    EXPECT_EQ(FormatGeneral(0.0001L, 8), QStringLiteral("0.0001"));
    EXPECT_EQ(FormatGeneral(0.00001L, 8), QStringLiteral("1E-5"));
    EXPECT_EQ(FormatGeneral(1.2e-5L, 8), QStringLiteral("1.2E-5"));
    EXPECT_EQ(FormatGeneral(1.25e-6L, 8), QStringLiteral("1.25E-6"));
    EXPECT_EQ(FormatGeneral(3.4e9L, 8), QStringLiteral("3.4E9"));
    EXPECT_EQ(FormatGeneral(123456789.0L, 8), QStringLiteral("1.2345679E8"));
    EXPECT_EQ(FormatGeneral(99999999.0L, 8), QStringLiteral("99999999"));
    EXPECT_EQ(FormatGeneral(999999999.0L, 8), QStringLiteral("1E9")); // rounding carries
    EXPECT_EQ(FormatGeneral(1.0L / 3.0L, 8), QStringLiteral("0.33333333"));
    EXPECT_EQ(FormatGeneral(100.0L, 8), QStringLiteral("100"));
    EXPECT_EQ(FormatGeneral(-2.5L, 8), QStringLiteral("-2.5"));
    EXPECT_EQ(FormatGeneral(-1.5e-10L, 18), QStringLiteral("-1.5E-10"));
    EXPECT_EQ(FormatGeneral(1e20L, 18), QStringLiteral("1E20"));
    EXPECT_EQ(FormatGeneral(123456789012345678.0L, 18), QStringLiteral("123456789012345678"));
    EXPECT_EQ(FormatGeneral(0.1L, 18), QStringLiteral("0.1"));
}

TEST(NumberText, ReadingFollowsTheSyntaxOfEachUse) {
    const auto ok = [](const char16_t* t, NumberSyntax s) {
        return ParseNumber(QStringView(t), s).status == ParseStatus::Ok;
    };
    const auto value = [](const char16_t* t, NumberSyntax s) {
        return ParseNumber(QStringView(t), s).value;
    };
    constexpr NumberSyntax entry = NumberSyntax::EntryOperand;
    constexpr NumberSyntax word = NumberSyntax::FileWord;
    EXPECT_EQ(value(u"12.5", entry), 12.5L);
    EXPECT_EQ(value(u".5", entry), 0.5L);
    EXPECT_EQ(value(u"5.", entry), 5.0L);
    EXPECT_EQ(value(u"-1.5e-3", entry), -0.0015L);
    EXPECT_EQ(value(u"1E3", word), 1000.0L);
    EXPECT_EQ(value(u"+1E+3", word), 1000.0L);
    EXPECT_FALSE(ok(u"+1", entry));
    EXPECT_FALSE(ok(u"1E+3", entry));
    for (const char16_t* bad : {u"", u"-", u".", u"1E", u"1E-", u"e5", u"1.2.3", u"1,5", u"0x10",
                                u"inf", u"nan", u"1 ", u" 1", u"1e5x"}) {
        EXPECT_FALSE(ok(bad, word)) << QString::fromUtf16(bad).toStdString();
    }
    EXPECT_EQ(ParseNumber(u"1E5000", word).status, ParseStatus::Overflow);
    EXPECT_EQ(ParseNumber(u"-1E99999999999999999999", word).status, ParseStatus::Overflow);
    EXPECT_EQ(value(u"1E-5000", word), 0.0L);
    EXPECT_EQ(value(u"0.000E99999", word), 0.0L);
}

TEST(NumberText, TextIsTheSameWhateverTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Where the C library has a comma locale, use it too.
    const char* cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(FormatGeneral(0.5L, 18), QStringLiteral("0.5"));
    EXPECT_EQ(ParseNumber(u"0.5", NumberSyntax::FileWord).value, 0.5L);
    EXPECT_NE(ParseNumber(u"0,5", NumberSyntax::FileWord).status, ParseStatus::Ok);
    if (cLocale) std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(saved);
}
