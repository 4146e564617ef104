#pragma once
// What the chart of a chart table shows, without widgets: the two series with their points in
// order of increasing x, the axis ranges, tick values and label texts, and the segments of a
// segment drawing. The chart pane only hands these to the chart component.

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tervane {

class TGridTableChart;

enum class TAxisNumberFormat {
    Fixed,      // "#,##0.###": grouped thousands, up to three decimals
    Scientific, // "#.0##E-0": one digit, one to three decimals, exponent without leading zeros
};

// The format of an axis running from `low` to `high`: scientific when its largest magnitude
// exceeds 100000 or both ends lie below 0.001 in magnitude, fixed otherwise and when both ends
// are 0.
TAxisNumberFormat AxisNumberFormat(double low, double high);

// A value written in one of the two formats ("." decimal point, "," thousands separator).
QString FormatAxisNumber(double value, TAxisNumberFormat format);

struct TChartAxis {
    QString title;
    double low = 0;
    double high = 1;
    bool reversed = false;
    QVector<double> ticks;
    QStringList labels;
};

struct TChartSeries {
    QString title;
    QVector<QPointF> points; // in order of increasing x
};

struct TChartData {
    TChartSeries series1;
    std::optional<TChartSeries> series2;
    bool legend = false;
    TChartAxis x;
    TChartAxis y;
};

// Tick values of an axis from `low` to `high` at a round step, about `target` of them.
QVector<double> AxisTicks(double low, double high, int target);

// The chart of `table`: series 1 from columns ChartXColumn and ChartYColumn; series 2 and the
// legend for a table of three shown columns charting columns 0 and 1; the equal-y rule (the
// second row drawn 1.001 times larger and the y axis from 0.9 to 1.1 times the common value).
TChartData BuildChartData(const TGridTableChart& table);

// One row of a segment drawing in pixels of an area, with the row number's position.
struct TSegmentLine {
    QPointF from;
    QPointF to;
    QPointF label;
    int row = 0; // 1-based
};

// The segments of `table` (row r from (column 0, column 1) to (column 2, column 3)) scaled into
// an area of `width` x `height` with a 20-pixel margin, y upwards; nothing when the x or the y
// range is empty.
QVector<TSegmentLine> SegmentLines(const TGridTableChart& table, int width, int height);

} // namespace tervane
