// Rows read from lines of text into a grid table: cutting a line into numbers, which lines are
// taken, the row limit and the surplus rows.

#include "ColumnTypes.h"
#include "EntryErrors.h"
#include "ImportLines.h"
#include "ProjectTables.h"

#include <gtest/gtest.h>

using namespace tervane;

namespace {

std::vector<double> numbers(QStringView line) {
    std::vector<double> out;
    for (long double v : LineNumbers(line))
        out.push_back(static_cast<double>(v));
    return out;
}

using V = std::vector<double>;

} // namespace

TEST(ImportLines, LineNumbers) {
    EXPECT_EQ(numbers(u" \t1, 2\t3 "), V({1, 2, 3}));
    EXPECT_EQ(numbers(u"1.5e2,-3"), V({150, -3}));
    EXPECT_TRUE(numbers(u"Depth Load").empty());
    EXPECT_EQ(numbers(u"4 5 kN 6"), V({4, 5})); // stops at "kN"
    EXPECT_EQ(numbers(u"1,,2"), V({1}));        // an empty piece
    EXPECT_EQ(numbers(u"7 8\r9"), V({7, 8}));
    EXPECT_TRUE(numbers(u"2*3").empty());
    QString many;
    for (int i = 0; i < 20; ++i)
        many += QString::number(i) + u' ';
    EXPECT_EQ(LineNumbers(many).size(), kMaxNumbersPerLine);
    EXPECT_EQ(TextLines(QStringLiteral("a\r\nb\rc\nd")),
              QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d")}));
}

TEST(ImportLines, RowsTakenAddedAndDeleted) {
    TProjectTables tables;
    TGridTable& loads = tables.DistLoad(); // two columns, MinRows 2, MaxRows 100
    loads.SetRowCount(5);
    int added = 0;
    auto addRow = [&] {
        ++added;
        loads.AppendRowGroup();
    };
    const QStringList lines = {QStringLiteral("Depth Load"),
                               QStringLiteral("0 10"),
                               QStringLiteral("1,20"),
                               QStringLiteral("2\t30"),
                               QString(),
                               QStringLiteral("1 2 3")};
    EXPECT_EQ(ImportRows(loads, lines, addRow), 3);
    EXPECT_EQ(added, 0);
    ASSERT_EQ(loads.RowCount(), 3);
    EXPECT_EQ(loads.Cell(0, 2).AsFloat(), 2);
    EXPECT_EQ(loads.Cell(1, 2).AsFloat(), 30);

    // More lines than rows: rows are added; 15 significant digits are kept.
    QStringList more;
    for (int i = 0; i < 6; ++i)
        more << QStringLiteral("%1 0.123456789012345").arg(i);
    EXPECT_EQ(ImportRows(loads, more, addRow), 6);
    EXPECT_EQ(added, 3);
    EXPECT_EQ(loads.RowCount(), 6);
    EXPECT_EQ(loads.Cell(1, 5).AsText(), QStringLiteral("0.12345679"));
    EXPECT_NEAR(static_cast<double>(loads.Cell(1, 5).AsFloat()), 0.123456789012345, 1e-16);

    // No line taken: the table is left as it was.
    EXPECT_EQ(ImportRows(loads, {QStringLiteral("none")}, addRow), 0);
    EXPECT_EQ(loads.RowCount(), 6);

    // MaxRows ends the reading.
    loads.SetMaxRows(4);
    EXPECT_EQ(ImportRows(loads, more, addRow), 4);
    EXPECT_EQ(loads.RowCount(), 4);
}
