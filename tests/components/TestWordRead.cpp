// The word reader: splitting, positions, and the messages that name the line and the item.

#include "QStringPrinter.h"
#include "TestSupport.h"
#include "WordRead.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace tervane;

namespace {

QString message(const char* text) {
    return QString::fromUtf8(text);
}

// The message of the EInOutError that `read` raises, or "(no error)".
template <typename Read> QString failure(Read read) {
    try {
        read();
    } catch (const EInOutError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST(WordReader, SplitsLinesIntoWordsAtBlanksAndTabs) {
    TWordReader r = TWordReader::FromText(QStringLiteral(" 1 \t\t 2.5\tabc  \n\n   \nlast"));
    ASSERT_EQ(r.lineCount(), 4);
    EXPECT_EQ(r.line(0).words(), (QStringList{"1", "2.5", "abc"}));
    EXPECT_EQ(r.line(0).text(), QStringLiteral(" 1 \t\t 2.5\tabc  "));
    EXPECT_TRUE(r.line(1).words().isEmpty());
    EXPECT_TRUE(r.line(2).words().isEmpty()); // a line of blanks has no words
    EXPECT_EQ(r.ReadInteger(), 1);
    EXPECT_EQ(r.ReadNumber(), 2.5L);
    EXPECT_EQ(r.ReadWord(), QStringLiteral("abc"));
    // The blank lines between words are passed over.
    EXPECT_EQ(r.ReadWord(), QStringLiteral("last"));
    EXPECT_EQ(r.lineIndex(), 3);
    EXPECT_FALSE(r.AtEnd());
    EXPECT_EQ(failure([&] { r.ReadWord(); }), message("This file either invalid or incomplete."));
    EXPECT_TRUE(r.AtEnd());
}

TEST(WordReader, LinesAndLineEnds) {
    // An empty text is one empty line; a final line break adds no line; CR LF, LF and CR all
    // end a line.
    EXPECT_EQ(TWordReader::FromText(QString()).lineCount(), 1);
    EXPECT_EQ(TWordReader::FromText(QStringLiteral("a\n")).lineCount(), 1);
    EXPECT_EQ(TWordReader::FromText(QStringLiteral("a\r\nb\rc\n\nd")).lineCount(), 5);

    TWordReader r = TWordReader::FromText(QStringLiteral("  one two three \nfour\nfive"));
    EXPECT_EQ(r.ReadWord(), QStringLiteral("one"));
    EXPECT_EQ(r.ReadWord(), QStringLiteral("two"));
    // The whole line as read, words already handed out included.
    EXPECT_EQ(r.ReadLine(), QStringLiteral("  one two three "));
    EXPECT_EQ(r.ReadWord(), QStringLiteral("four"));
    // The line's words are all read but the position is still on it until the next word.
    EXPECT_EQ(r.ReadLine(), QStringLiteral("four"));
    EXPECT_EQ(r.ReadLine(), QStringLiteral("five"));
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(failure([&] { r.ReadLine(); }), message("This file either invalid or incomplete."));
}

TEST(WordReader, MessagesNameTheLineAndItemOfTheWord) {
    TWordReader r = TWordReader::FromText(QStringLiteral("3 abc\n\n  7 2.5 x 2147483648\n"));
    EXPECT_EQ(r.ReadInteger(), 3);
    EXPECT_EQ(failure([&] { r.ReadNumber(); }),
              message("Error on Line 1 Item 2\rA floating point number was expected but not "
                      "found."));
    EXPECT_EQ(r.ReadInteger(), 7); // line 3, past the empty line 2
    EXPECT_EQ(failure([&] { r.ReadInteger(); }),
              message("Error on Line 3 Item 2\rAn integer was expected but not found."));
    EXPECT_EQ(failure([&] { r.ReadInteger(); }),
              message("Error on Line 3 Item 3\rAn integer was expected but not found."));
    EXPECT_EQ(failure([&] { r.ReadInteger(); }),
              message("Error on Line 3 Item 4\rAn integer was expected but not found."));
    // The end of the file passes through the number reads unchanged.
    EXPECT_EQ(failure([&] { r.ReadInteger(); }),
              message("This file either invalid or incomplete."));
    EXPECT_EQ(failure([&] { r.ReadNumber(); }), message("This file either invalid or incomplete."));
}

TEST(WordReader, IntegersAreWholeNumbersInThe32BitRange) {
    TWordReader r = TWordReader::FromText(
        QStringLiteral("1E3 -2147483648 2147483647 -0 +12 1.0 1E10 1.5E0 0x10 3,0"));
    EXPECT_EQ(r.ReadInteger(), 1000);
    EXPECT_EQ(r.ReadInteger(), -2147483647 - 1);
    EXPECT_EQ(r.ReadInteger(), 2147483647);
    EXPECT_EQ(r.ReadInteger(), 0);
    EXPECT_EQ(r.ReadInteger(), 12);
    EXPECT_EQ(r.ReadInteger(), 1);
    for (int item = 7; item <= 10; ++item) {
        EXPECT_EQ(failure([&] { r.ReadInteger(); }),
                  QStringLiteral("Error on Line 1 Item %1\rAn integer was expected but not found.")
                      .arg(item));
    }
}

TEST(WordReader, NumbersUseThePointWhateverTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TWordReader r = TWordReader::FromText(QStringLiteral("0.5 0,5 -1.25E-2 7"));
    EXPECT_EQ(r.ReadNumber(), 0.5L);
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(failure([&] { r.ReadNumber(); }),
              message("Error on Line 1 Item 2\rA floating point number was expected but not "
                      "found."));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(r.ReadNumber(), -0.0125L);
    EXPECT_EQ(r.ReadInteger(), 7);
    QLocale::setDefault(saved);
}

TEST(WordReader, ReadsFilesAndReportsOnesThatCannotBeOpened) {
    testsupport::TempDir dir;
    const auto path = dir / "data.txt";
    // UTF-8 text, and a file in an 8-bit encoding that is not valid UTF-8 read as Latin-1.
    testsupport::writeFile(path, "Titel \xC3\xA4\r\n 12\r\n");
    TWordReader r(QString::fromStdString(path.string()));
    EXPECT_EQ(r.ReadLine(), QString::fromUtf8("Titel \xC3\xA4"));
    EXPECT_EQ(r.ReadInteger(), 12);
    EXPECT_EQ(failure([&] { r.ReadWord(); }), message("This file either invalid or incomplete."));

    testsupport::writeFile(path, "Titel \xE4\n");
    TWordReader latin(QString::fromStdString(path.string()));
    EXPECT_EQ(latin.ReadLine(), QString::fromUtf8("Titel \xC3\xA4"));

    EXPECT_THROW(TWordReader(QString::fromStdString((dir / "missing.txt").string())), EInOutError);
}
