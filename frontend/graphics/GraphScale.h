#pragma once
// Scales of the graph window as plain functions: the range and step of a curve set, the mapping
// between data and pixels, the grid's major and minor steps and tick positions, tick label text
// and the marker rules. The window only draws what these return.

#include "GraphPlot.h"

#include <QString>

#include <vector>

namespace tervane {

// One axis: its ends and the step to whose multiples the ends were rounded.
struct TAxisRange {
    long double Min = 0;
    long double Max = 0;
    long double Step = 0;
    long double Width() const { return Max - Min; }
};

// The x and y ranges of a curve set.
struct TScaleRange {
    TAxisRange X;
    TAxisRange Y;
};

// Step of a range of this width: 10^floor(log10(width)), divided by 10 when the fraction of
// log10(width) is below log10(3). A width from 1 to just under 3 gets 0.1, from 3 to just under
// 10 gets 1. A width that is not positive and finite gets 1.
long double RangeStep(long double width);

// The axis range of data running from lo to hi: the range always contains 0; equal ends are
// widened by 0.01 each side; then the ends move outwards to whole multiples of RangeStep of the
// width (a positive end rounded up, a negative end rounded down). lo and hi may come in any order.
TAxisRange AxisRange(long double lo, long double hi);

// Scale range of a curve set: x and y ranges that contain 0 and every finite point of every
// curve of the set, rounded as AxisRange does.
TScaleRange CurveSetRange(const std::vector<TLine>& curves);

// Data to pixel: left + round((x - xmin) / (xmax - xmin) * (right - left)). A range of no width
// maps everything to `left`.
int DataToPixelX(long double x, const TAxisRange& range, int left, int right);
// Data to pixel, vertical: top + round(...) with the x axis on top (y grows downwards), else
// bottom - round(...).
int DataToPixelY(long double y, const TAxisRange& range, int top, int bottom, bool xOnTop);
// The same mappings read backwards (pixel to data, no rounding).
long double PixelToDataX(int px, const TAxisRange& range, int left, int right);
long double PixelToDataY(int py, const TAxisRange& range, int top, int bottom, bool xOnTop);

// The step rounded to a nice value: with g = 10^floor(log10(step)) and h the integer part of
// step / g: g for h below 2, 2g for h from 2 to 4, 5g for h from 5 to 8, 10g for 9 or more.
long double NiceStep(long double step);

// Grid of one axis: the number of major intervals, the major step and the minor step (a fifth
// of the major). Intervals is 0 (no grid) when the area is too small for one.
struct TGridSteps {
    int Intervals = 0;
    long double Major = 0;
    long double Minor = 0;
    bool HasGrid() const { return Intervals > 0 && Minor > 0; }
};
// The grid of a range drawn over `areaPixels` (the plot area's width for x, height for y) with
// the axis font `fontHeight` pixels high: areaPixels / (6 * fontHeight) major intervals, the
// range's width divided by that number, rounded by NiceStep.
TGridSteps GridSteps(const TAxisRange& range, int areaPixels, int fontHeight);

// A tick: its value and whether it is a major one (grid line and label).
struct TTick {
    long double Value = 0;
    bool Major = false;
};
// Ticks at every whole multiple of the minor step within the range; every multiple of five
// minor steps is major. Empty without a grid; never more than kMaxTicks ticks.
inline constexpr int kMaxTicks = 10000;
std::vector<TTick> GridTicks(const TAxisRange& range, const TGridSteps& steps);

// Text of a tick label: general format with 4 significant digits.
QString TickLabel(long double value);

// Marker shape of curve number c (1-based among all curves of its set): numbers above 10 count
// again from 1 (11 is 1, 20 is 10). 1 is a triangle with a corner down, 2 a square, 3 to 10 a
// regular polygon of that many corners with a corner up.
int MarkerShape(int curveNumber);
// Whether point `index` (0-based) carries a marker with Markers = m: the first point and every
// multiple of m; none when m is 0 or negative.
bool HasMarker(int index, int markers);

// Text of an axis title: the caption, followed by " (" + its unit label + ")" when the axis has a
// unit string.
QString AxisTitle(const QString& caption, const QString& unitString, int units);

} // namespace tervane
