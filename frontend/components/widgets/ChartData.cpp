#include "ChartData.h"

#include "ColumnTypes.h"
#include "GridErrors.h"
#include "TableChart.h"

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {

// Largest magnitude of an axis written in the fixed format.
constexpr double kFixedFormatLimit = 100000.0;
// Both ends of an axis below this magnitude are written in the scientific format.
constexpr double kSmallMagnitude = 0.001;
// Equal y values: the second row is drawn this much larger, the axis spans these factors.
constexpr double kEqualYNudge = 1.001;
constexpr double kEqualYLow = 0.9;
constexpr double kEqualYHigh = 1.1;
// Tick marks the axes of the small chart aim at (its x axis is the longer, but its labels are
// written side by side).
constexpr int kTickTargetX = 3;
constexpr int kTickTargetY = 5;
// Margin of the segment drawing, pixels.
constexpr double kSegmentMargin = 20.0;

QString stripZeros(QString text, int keepDecimals) {
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) return text;
    qsizetype end = text.size();
    while (end > point + 1 + keepDecimals && text[end - 1] == u'0')
        --end;
    if (end == point + 1 && keepDecimals == 0) --end;
    return text.left(end);
}

QString groupThousands(const QString& digits) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += u',';
        out += digits[i];
    }
    return out;
}

double cellValue(const TGridTableChart& table, int column, int row) {
    if (column < 0 || column >= table.ColumnCount()) return 0;
    const TColumn* c = table.Column(column);
    try {
        return static_cast<double>(c->GetFloat(row));
    } catch (const EInvalidCast&) {
    }
    try {
        return c->GetInt(row);
    } catch (const EInvalidCast&) {
    }
    return 0;
}

QString firstCaption(const TGridTableChart& table, int column) {
    if (column < 0 || column >= table.ColumnCount()) return QString();
    const TColumn* c = table.Column(column);
    return c->CaptionLineCount() > 0 ? c->CaptionLine(0).trimmed() : QString();
}

TChartSeries series(const TGridTableChart& table, int xColumn, int yColumn, int titleColumn) {
    TChartSeries s;
    s.title = firstCaption(table, titleColumn);
    for (int r = 0; r < table.RowCount(); ++r)
        s.points << QPointF(cellValue(table, xColumn, r), cellValue(table, yColumn, r));
    return s;
}

void sortByX(TChartSeries& s) {
    std::stable_sort(s.points.begin(), s.points.end(),
                     [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
}

// Rounds an automatic range outwards to whole ticks; an empty range is widened first.
void autoRange(TChartAxis& axis, double low, double high, int target) {
    if (low == high) {
        const double pad = low == 0 ? 1.0 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    const QVector<double> ticks = AxisTicks(low, high, target);
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : high - low;
    const double first = std::floor(low / step + 1e-9);
    const double last = std::ceil(high / step - 1e-9);
    axis.low = first * step;
    axis.high = last * step;
    axis.ticks.clear();
    for (double k = first; k <= last; k += 1)
        axis.ticks << (k == 0 ? 0.0 : k * step);
}

void label(TChartAxis& axis, int target) {
    if (axis.ticks.isEmpty()) axis.ticks = AxisTicks(axis.low, axis.high, target);
    const TAxisNumberFormat format = AxisNumberFormat(axis.low, axis.high);
    axis.labels.clear();
    for (double t : axis.ticks)
        axis.labels << FormatAxisNumber(t, format);
}

} // namespace

TAxisNumberFormat AxisNumberFormat(double low, double high) {
    if (low == 0 && high == 0) return TAxisNumberFormat::Fixed;
    if (std::max(std::fabs(low), std::fabs(high)) > kFixedFormatLimit)
        return TAxisNumberFormat::Scientific;
    if (std::fabs(low) < kSmallMagnitude && std::fabs(high) < kSmallMagnitude)
        return TAxisNumberFormat::Scientific;
    return TAxisNumberFormat::Fixed;
}

QString FormatAxisNumber(double value, TAxisNumberFormat format) {
    if (!std::isfinite(value)) return QString();
    if (format == TAxisNumberFormat::Fixed) {
        QString text = stripZeros(QString::number(std::fabs(value), 'f', 3), 0);
        const qsizetype point = text.indexOf(u'.');
        const QString whole = point < 0 ? text : text.left(point);
        const QString fraction = point < 0 ? QString() : text.mid(point);
        text = groupThousands(whole) + fraction;
        const bool zero = text == QStringLiteral("0");
        return (value < 0 && !zero ? QStringLiteral("-") : QString()) + text;
    }
    if (value == 0) return QStringLiteral("0.0E0");
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mantissa = std::fabs(value) / std::pow(10.0, exponent);
    if (std::round(mantissa * 1000.0) / 1000.0 >= 10.0) {
        mantissa /= 10.0;
        ++exponent;
    }
    const QString digits = stripZeros(QString::number(mantissa, 'f', 3), 1);
    return (value < 0 ? QStringLiteral("-") : QString()) + digits + u'E' +
           (exponent < 0 ? QStringLiteral("-") : QString()) + QString::number(std::abs(exponent));
}

QVector<double> AxisTicks(double low, double high, int target) {
    QVector<double> ticks;
    if (!(high > low) || !std::isfinite(low) || !std::isfinite(high) || target < 1) return ticks;
    const double raw = (high - low) / target;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double step = (norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10) * magnitude;
    const double first = std::ceil(low / step - 1e-9);
    for (double k = first; k * step <= high + step * 1e-9; k += 1) {
        const double t = k * step;
        ticks << (std::fabs(t) < step * 1e-9 ? 0.0 : t);
    }
    return ticks;
}

TChartData BuildChartData(const TGridTableChart& table) {
    TChartData data;
    data.series1 = series(table, table.ChartXColumn, table.ChartYColumn, table.ChartYColumn);
    const bool two =
        table.ShownColumnCount() == 3 && table.ChartXColumn == 0 && table.ChartYColumn == 1;
    if (two) {
        data.series1.title = firstCaption(table, 1);
        data.series2 = series(table, 0, 2, 2);
        data.legend = true;
    }

    // Equal y values over every row of the series shown.
    bool equal = table.RowCount() > 1;
    const double common = data.series1.points.isEmpty() ? 0 : data.series1.points[0].y();
    for (const QPointF& p : data.series1.points)
        equal = equal && p.y() == common;
    if (data.series2)
        for (const QPointF& p : data.series2->points)
            equal = equal && p.y() == common;
    if (equal) {
        data.series1.points[1].ry() *= kEqualYNudge;
        if (data.series2) data.series2->points[1].ry() *= kEqualYNudge;
    }

    sortByX(data.series1);
    if (data.series2) sortByX(*data.series2);

    data.x.title = firstCaption(table, table.ChartXColumn);
    data.y.title = firstCaption(table, table.ChartYColumn);
    data.x.reversed = table.InvertedXAxis;
    data.y.reversed = table.InvertedYAxis;

    QVector<QPointF> all = data.series1.points;
    if (data.series2) all += data.series2->points;
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
    if (!all.isEmpty()) {
        xLow = xHigh = all[0].x();
        yLow = yHigh = all[0].y();
        for (const QPointF& p : all) {
            xLow = std::min(xLow, p.x());
            xHigh = std::max(xHigh, p.x());
            yLow = std::min(yLow, p.y());
            yHigh = std::max(yHigh, p.y());
        }
    }
    autoRange(data.x, xLow, xHigh, kTickTargetX);
    if (equal && common != 0) {
        data.y.low = std::min(kEqualYLow * common, kEqualYHigh * common);
        data.y.high = std::max(kEqualYLow * common, kEqualYHigh * common);
    } else if (equal) {
        // A common value of 0 would give an empty axis.
        data.y.low = -1;
        data.y.high = 1;
    } else {
        autoRange(data.y, yLow, yHigh, kTickTargetY);
    }
    label(data.x, kTickTargetX);
    label(data.y, kTickTargetY);
    return data;
}

QVector<TSegmentLine> SegmentLines(const TGridTableChart& table, int width, int height) {
    QVector<TSegmentLine> lines;
    const int rows = table.RowCount();
    if (rows == 0) return lines;
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
    for (int r = 0; r < rows; ++r) {
        const double xs[2] = {cellValue(table, table.ChartXColumn, r),
                              cellValue(table, table.SegmentEndXColumn, r)};
        const double ys[2] = {cellValue(table, table.ChartYColumn, r),
                              cellValue(table, table.SegmentEndYColumn, r)};
        for (int i = 0; i < 2; ++i) {
            if (r == 0 && i == 0) {
                xLow = xHigh = xs[0];
                yLow = yHigh = ys[0];
            }
            xLow = std::min(xLow, xs[i]);
            xHigh = std::max(xHigh, xs[i]);
            yLow = std::min(yLow, ys[i]);
            yHigh = std::max(yHigh, ys[i]);
        }
    }
    if (!(xHigh > xLow) || !(yHigh > yLow)) return lines;
    const double sx = (width - 2 * kSegmentMargin) / (xHigh - xLow);
    const double sy = (height - 2 * kSegmentMargin) / (yHigh - yLow);
    auto map = [&](double x, double y) {
        return QPointF(kSegmentMargin + (x - xLow) * sx, height - kSegmentMargin - (y - yLow) * sy);
    };
    for (int r = 0; r < rows; ++r) {
        TSegmentLine line;
        line.from =
            map(cellValue(table, table.ChartXColumn, r), cellValue(table, table.ChartYColumn, r));
        line.to = map(cellValue(table, table.SegmentEndXColumn, r),
                      cellValue(table, table.SegmentEndYColumn, r));
        line.label = (line.from + line.to) / 2;
        line.row = r + 1;
        lines << line;
    }
    return lines;
}

} // namespace tervane
