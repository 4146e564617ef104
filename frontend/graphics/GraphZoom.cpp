#include "GraphZoom.h"

#include "NumberText.h"

#include <algorithm>
#include <cstdlib>

namespace tervane {

namespace {

constexpr int kReadoutDigits = 5;

TAxisRange withStep(long double lo, long double hi) {
    TAxisRange r;
    r.Min = lo;
    r.Max = hi;
    r.Step = RangeStep(hi - lo);
    return r;
}

} // namespace

void TGraphView::Reset(const TGraphPlot& plot) {
    Full[0] = CurveSetRange(plot.Curves(kCurveSetMain));
    Full[1] = CurveSetRange(plot.Curves(kCurveSetMiddle));
    Full[2] = CurveSetRange(plot.Curves(kCurveSetRight));
    Current = Full;
}

TAxisRange ZoomInAxis(const TAxisRange& full, long double a, long double b) {
    long double lo = std::min(a, b);
    long double hi = std::max(a, b);
    const long double least = full.Width() / kZoomLimit;
    if (hi - lo < least) {
        const long double centre = (lo + hi) / 2;
        lo = centre - least / 2;
        hi = centre + least / 2;
        if (lo < full.Min) {
            hi += full.Min - lo;
            lo = full.Min;
        }
        if (hi > full.Max) {
            lo -= hi - full.Max;
            hi = full.Max;
        }
    }
    return withStep(lo, hi);
}

TAxisRange ZoomOutAxis(const TAxisRange& full, const TAxisRange& current, long double p) {
    const long double w = std::min(current.Width(), full.Width() / 2);
    p = std::clamp(p, full.Min + w, std::max(full.Min + w, full.Max - w));
    return withStep(p - w, p + w);
}

TFloatPoint PixelToData(const TScaleRange& range, const TArea& area, bool xOnTop, QPoint at) {
    const QPoint p = area.Clamp(at);
    return {PixelToDataX(p.x(), range.X, area.Left, area.Right),
            PixelToDataY(p.y(), range.Y, area.Top, area.Bottom, xOnTop)};
}

bool ZoomInView(TScaleRange& current, const TScaleRange& full, const TArea& area, bool xOnTop,
                QPoint start, QPoint end) {
    if (end.x() == start.x() || end.y() == start.y()) return false;
    const TFloatPoint a = PixelToData(current, area, xOnTop, start);
    const TFloatPoint b = PixelToData(current, area, xOnTop, end);
    current.X = ZoomInAxis(full.X, a.x, b.x);
    current.Y = ZoomInAxis(full.Y, a.y, b.y);
    return true;
}

void ZoomOutView(TScaleRange& current, const TScaleRange& full, const TArea& area, bool xOnTop,
                 QPoint at) {
    const TFloatPoint p = PixelToData(current, area, xOnTop, at);
    current.X = ZoomOutAxis(full.X, current.X, p.x);
    current.Y = ZoomOutAxis(full.Y, current.Y, p.y);
}

QString ReadoutTitle(const QString& caption, long double x, long double y) {
    return caption + QStringLiteral(" X: ") + FormatGeneral(x, kReadoutDigits) +
           QStringLiteral(" Y: ") + FormatGeneral(y, kReadoutDigits);
}

int GraphAt(const TGraphLayout& layout, int x) {
    int best = 0;
    int bestDistance = -1;
    for (int i = 0; i < layout.GraphCount; ++i) {
        const TArea& g = layout.Graphs[static_cast<size_t>(i)];
        const int d = x < g.Left ? g.Left - x : (x > g.Right ? x - g.Right : 0);
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace tervane
