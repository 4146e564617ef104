// The widget-free geometry of the table windows: grid size, control places, the excess rule and
// the snapping of a dragged window; the chart's number formats and axis data.

#include "ChartData.h"
#include "GridErrors.h"
#include "TableSizing.h"

#include <gtest/gtest.h>

using namespace tervane;

namespace {

TSizingInput sample(int columns, int rows) {
    TSizingInput in;
    in.grid.fixedWidth = 32;
    in.grid.columnWidths.assign(static_cast<size_t>(columns), 100);
    in.grid.rowHeight = 20;
    in.grid.headerRows = 2;
    in.grid.rowCount = rows;
    in.grid.vScrollWidth = 16;
    in.grid.hScrollHeight = 16;
    in.form.margin = 4;
    in.frame = QSize(10, 30);
    in.current.visibleColumns = columns;
    in.current.visibleRows = std::min(rows, 10);
    return in;
}

} // namespace

TEST(TableSizing, GridAndControlPlaces) {
    TGridMetrics g = sample(3, 25).grid;
    // 3 + (32+1) + 3 x 101 + scroll bar; 21 x (2 + 10) + 5.
    EXPECT_EQ(GridSize(g, {0, 0, 3, 10}), QSize(3 + 33 + 303 + 16, 21 * 12 + 5));
    EXPECT_EQ(GridSize(g, {1, 0, 1, 25}), QSize(3 + 33 + 101, 21 * 27 + 5 + 16));

    TFormLayoutInput f;
    f.margin = 4;
    f.commentSize = QSize(500, 30);
    const TFormLayout l = LayOutForm(f, QSize(200, 100));
    EXPECT_EQ(l.grid, QRect(4, 4, 200, 100));
    EXPECT_EQ(l.addRow, QRect(4, 108, 81, 21));
    EXPECT_EQ(l.deleteRow.x(), 4 + 2 * 85);
    EXPECT_EQ(l.comment.topLeft(), QPoint(4, 133));
    // No picture: the client area ends where it would start; the comment sets the width.
    EXPECT_EQ(l.client, QSize(508, 167));

    // Row buttons hidden, no comment: the area ends a margin below the grid; the row-button row
    // still sets the least width.
    f.rowButtonsVisible = false;
    f.commentSize = QSize();
    f.imageSize = QSize(50, 40);
    const TFormLayout h = LayOutForm(f, QSize(100, 100));
    EXPECT_EQ(h.image.topLeft(), QPoint(4, 108));
    EXPECT_EQ(h.client, QSize(4 + 2 * 85 + 81 + 4, 108 + 40 + 4));

    // The chart window: the grid under the chart, OK centred on the gap of the first buttons.
    f = TFormLayoutInput();
    f.chartArea = true;
    f.okCancel = true;
    f.okSize = f.cancelSize = QSize(76, 21);
    const TFormLayout c = LayOutForm(f, QSize(100, 100));
    EXPECT_EQ(c.grid.topLeft(), QPoint(4, 4 + kChartHeight + 4));
    EXPECT_EQ(c.ok.center().x() + 1, c.addRow.right() + 1 + 2);
    EXPECT_EQ(c.ok.top(), c.addRow.bottom() + 1 + 8);
    EXPECT_EQ(c.client.width(), 4 + kChartWidth + 4);
}

TEST(TableSizing, ExcessRuleAndTieOrder) {
    EXPECT_EQ(SizingExcess({100, 100}, {100, 100}), 0);
    EXPECT_EQ(SizingExcess({120, 90}, {100, 100}), 100 * 20);
    EXPECT_EQ(SizingExcess({90, 130}, {100, 100}), 100 * 30);
    EXPECT_EQ(SizingExcess({110, 110}, {100, 100}), 110 * 110 - 100 * 100);

    // Everything fits: every candidate has no excess and the one without scroll bars wins.
    TSizingInput in = sample(2, 3);
    const QSize full = WindowSize(in, {0, 0, 2, 3});
    TSizingResult r = SnapWindowSize(in, QRect(0, 0, full.width() + 50, full.height() + 50),
                                     kEdgeRight | kEdgeBottom);
    EXPECT_EQ(r.candidate, 0);
    EXPECT_EQ(r.rect.size(), full);

    // Too short for all rows: the vertical-only candidate fits, the others stick out.
    in = sample(2, 25);
    const QSize tall = WindowSize(in, {0, 0, 2, 25});
    r = SnapWindowSize(in, QRect(0, 0, tall.width() + 40, 400), kEdgeBottom);
    EXPECT_EQ(r.candidate, 1);
    EXPECT_LE(r.rect.height(), 400);
    EXPECT_GT(r.rect.height() + 21, 400); // whole rows: one more would not fit

    // Narrower than all columns and shorter than all rows: both scroll bars.
    in = sample(6, 25);
    in.current.firstColumn = 4;
    in.current.firstRow = 20;
    r = SnapWindowSize(in, QRect(50, 60, 400, 300), kEdgeLeft | kEdgeTop);
    EXPECT_EQ(r.candidate, 3);
    EXPECT_LT(r.view.visibleColumns, 6);
    EXPECT_EQ(r.view.firstColumn + r.view.visibleColumns, 6); // filled leftwards from column 4
    EXPECT_EQ(r.view.firstRow + r.view.visibleRows, 25);      // last rows kept in view
    // The right and bottom edges stay where they were.
    EXPECT_EQ(r.rect.x() + r.rect.width(), 450);
    EXPECT_EQ(r.rect.y() + r.rect.height(), 360);

    // Dragged far below the row-button row's width: columns are still added up to it.
    in = sample(4, 3);
    in.grid.columnWidths.assign(4, 60);
    r = SnapWindowSize(in, QRect(0, 0, 50, 1000), kEdgeRight);
    const int buttonRow = 4 + 3 * 81 + 8;
    EXPECT_GE(4 + GridSize(in.grid, r.view).width(), buttonRow - 61);
    EXPECT_EQ(r.view.visibleRows, 3); // only a side edge: the rows are kept

    in.grid.columnWidths.clear();
    EXPECT_THROW(SnapWindowSize(in, QRect(0, 0, 100, 100), kEdgeRight), EGridError);
    try {
        SnapWindowSize(in, QRect(0, 0, 100, 100), kEdgeRight);
    } catch (const EGridError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("There must be at least 2 columns in grid"));
    }
}

TEST(ChartData, AxisNumberFormats) {
    const auto fixed = TAxisNumberFormat::Fixed;
    const auto sci = TAxisNumberFormat::Scientific;
    EXPECT_EQ(FormatAxisNumber(1234567.891, fixed), QStringLiteral("1,234,567.891"));
    EXPECT_EQ(FormatAxisNumber(-1000, fixed), QStringLiteral("-1,000"));
    EXPECT_EQ(FormatAxisNumber(0.5, fixed), QStringLiteral("0.5"));
    EXPECT_EQ(FormatAxisNumber(-0.0001, fixed), QStringLiteral("0"));
    EXPECT_EQ(FormatAxisNumber(123456, sci), QStringLiteral("1.235E5"));
    EXPECT_EQ(FormatAxisNumber(0.0001, sci), QStringLiteral("1.0E-4"));
    EXPECT_EQ(FormatAxisNumber(-99999.9, sci), QStringLiteral("-1.0E5"));
    EXPECT_EQ(AxisNumberFormat(-10, 100000), fixed);
    EXPECT_EQ(AxisNumberFormat(0, 100001), sci);
    EXPECT_EQ(AxisNumberFormat(0.0005, -0.0009), sci);
    EXPECT_EQ(AxisNumberFormat(0.0005, 0.001), fixed);
    EXPECT_EQ(AxisNumberFormat(0, 0), fixed);
    EXPECT_EQ(AxisTicks(0, 10, 5), QVector<double>({0, 2, 4, 6, 8, 10}));
    const QVector<double> ticks = AxisTicks(-0.3, 0.3, 5);
    ASSERT_EQ(ticks.size(), 7);
    EXPECT_NEAR(ticks[0], -0.3, 1e-12);
    EXPECT_EQ(ticks[3], 0.0);
    const QVector<double> fine = AxisTicks(4.5, 5.5, 5);
    ASSERT_EQ(fine.size(), 5);
    EXPECT_NEAR(fine[0], 4.6, 1e-12);
    EXPECT_NEAR(fine[4], 5.4, 1e-12);
    EXPECT_TRUE(AxisTicks(1, 1, 5).isEmpty());
}
