#pragma once
// The graph window's view of its data: the full scale range of each graph (the zoom limit) and
// the range it shows now, with the zoom rules of the mouse and the read-out of the pointer's
// data coordinates in the window title.

#include "GraphLayout.h"
#include "GraphScale.h"

#include <QString>

#include <array>

namespace tervane {

// A zoomed range is never narrower than the full range divided by this.
inline constexpr int kZoomLimit = 20;

struct TGraphView {
    std::array<TScaleRange, kMaxGraphs> Full{};
    std::array<TScaleRange, kMaxGraphs> Current{};
    // Full and current ranges from the model: set 1 for the (left) graph, sets 3 and 4 for the
    // middle and right graphs.
    void Reset(const TGraphPlot& plot);
};

// Zoom in on one axis to the data between a and b (either order). A range narrower than a
// twentieth of the full range is widened to that about its centre and shifted back inside the
// full range.
TAxisRange ZoomInAxis(const TAxisRange& full, long double a, long double b);
// Zoom out on one axis about data point p: with w the current width, at most half the full
// width, p is clamped so that [p - w, p + w] lies inside the full range, which becomes the range.
TAxisRange ZoomOutAxis(const TAxisRange& full, const TAxisRange& current, long double p);

// Zoom in with a rubber band from `start` to `end` (pixels) over the graph's plot area. False
// (nothing changes) when the end shares the start's x or y; the end is clamped into the area.
bool ZoomInView(TScaleRange& current, const TScaleRange& full, const TArea& area, bool xOnTop,
                QPoint start, QPoint end);
// Zoom out about the pixel `at` of the graph's plot area.
void ZoomOutView(TScaleRange& current, const TScaleRange& full, const TArea& area, bool xOnTop,
                 QPoint at);

// The data point under pixel `at`, clamped into the area first.
TFloatPoint PixelToData(const TScaleRange& range, const TArea& area, bool xOnTop, QPoint at);

// The window title while the pointer is over data point (x, y): the caption, " X: ", x, " Y: "
// and y, both in general format with 5 significant digits.
QString ReadoutTitle(const QString& caption, long double x, long double y);

// The graph (0-based) whose plot area holds pixel x, else the nearest one.
int GraphAt(const TGraphLayout& layout, int x);

} // namespace tervane
