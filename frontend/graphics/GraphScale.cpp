#include "GraphScale.h"

#include "Units.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {

// Half the width of the range given to data whose ends are equal.
constexpr long double kFlatRangeHalfWidth = 0.01L;

// Quotients within this relative distance of a whole number count as that number, so that ends
// already on a multiple of the step (0.01 on a step of 0.001) are not moved one step further by
// the rounding error of the division.
constexpr long double kWholeTolerance = 1E-9L;

// Digits of tick labels.
constexpr int kTickDigits = 4;

bool finite(long double v) {
    return std::isfinite(v);
}

long double roundUpToStep(long double v, long double step) {
    const long double q = v / step;
    const long double r = std::round(q);
    if (std::fabs(q - r) <= kWholeTolerance * std::max(1.0L, std::fabs(q))) return r * step;
    return std::ceil(q) * step;
}

long double roundDownToStep(long double v, long double step) {
    const long double q = v / step;
    const long double r = std::round(q);
    if (std::fabs(q - r) <= kWholeTolerance * std::max(1.0L, std::fabs(q))) return r * step;
    return std::floor(q) * step;
}

int roundPixel(long double v) {
    // Far outside the area the pixel is clamped, so painting never meets an overflowed integer.
    constexpr long double kLimit = 1.0E8L;
    return static_cast<int>(std::lround(std::clamp(v, -kLimit, kLimit)));
}

} // namespace

long double RangeStep(long double width) {
    if (!(width > 0) || !finite(width)) return 1;
    const long double lg = std::log10(width);
    const long double whole = std::floor(lg);
    long double step = std::pow(10.0L, whole);
    if (lg - whole < std::log10(3.0L)) step /= 10;
    return step;
}

TAxisRange AxisRange(long double lo, long double hi) {
    if (!finite(lo)) lo = 0;
    if (!finite(hi)) hi = 0;
    if (lo > hi) std::swap(lo, hi);
    TAxisRange r;
    r.Min = std::min(lo, 0.0L);
    r.Max = std::max(hi, 0.0L);
    if (r.Min == r.Max) {
        r.Min -= kFlatRangeHalfWidth;
        r.Max += kFlatRangeHalfWidth;
    }
    r.Step = RangeStep(r.Width());
    r.Min = r.Min < 0 ? roundDownToStep(r.Min, r.Step) : roundUpToStep(r.Min, r.Step);
    r.Max = r.Max > 0 ? roundUpToStep(r.Max, r.Step) : roundDownToStep(r.Max, r.Step);
    return r;
}

TScaleRange CurveSetRange(const std::vector<TLine>& curves) {
    long double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    for (const TLine& line : curves) {
        for (const TFloatPoint& p : line.Points) {
            if (finite(p.x)) {
                xmin = std::min(xmin, p.x);
                xmax = std::max(xmax, p.x);
            }
            if (finite(p.y)) {
                ymin = std::min(ymin, p.y);
                ymax = std::max(ymax, p.y);
            }
        }
    }
    return {AxisRange(xmin, xmax), AxisRange(ymin, ymax)};
}

int DataToPixelX(long double x, const TAxisRange& range, int left, int right) {
    if (!(range.Width() > 0)) return left;
    return left + roundPixel((x - range.Min) / range.Width() * (right - left));
}

int DataToPixelY(long double y, const TAxisRange& range, int top, int bottom, bool xOnTop) {
    if (!(range.Width() > 0)) return xOnTop ? top : bottom;
    const int offset = roundPixel((y - range.Min) / range.Width() * (bottom - top));
    return xOnTop ? top + offset : bottom - offset;
}

long double PixelToDataX(int px, const TAxisRange& range, int left, int right) {
    if (right == left) return range.Min;
    return range.Min + static_cast<long double>(px - left) / (right - left) * range.Width();
}

long double PixelToDataY(int py, const TAxisRange& range, int top, int bottom, bool xOnTop) {
    if (bottom == top) return range.Min;
    const long double offset = xOnTop ? py - top : bottom - py;
    return range.Min + offset / (bottom - top) * range.Width();
}

long double NiceStep(long double step) {
    if (!(step > 0) || !finite(step)) return 0;
    const long double g = std::pow(10.0L, std::floor(std::log10(step)));
    // The quotient lies in [1, 10); a value a hair below a whole number because of the power's
    // rounding counts as that number.
    const int h = static_cast<int>(std::floor(step / g * (1 + kWholeTolerance)));
    if (h < 2) return g;
    if (h <= 4) return 2 * g;
    if (h <= 8) return 5 * g;
    return 10 * g;
}

TGridSteps GridSteps(const TAxisRange& range, int areaPixels, int fontHeight) {
    TGridSteps g;
    if (fontHeight <= 0 || areaPixels <= 0 || !(range.Width() > 0)) return g;
    g.Intervals = areaPixels / (6 * fontHeight);
    if (g.Intervals <= 0) return g;
    g.Major = NiceStep(range.Width() / g.Intervals);
    g.Minor = g.Major / 5;
    return g;
}

std::vector<TTick> GridTicks(const TAxisRange& range, const TGridSteps& steps) {
    std::vector<TTick> ticks;
    if (!steps.HasGrid()) return ticks;
    const long double first = roundUpToStep(range.Min, steps.Minor) / steps.Minor;
    const long double last = roundDownToStep(range.Max, steps.Minor) / steps.Minor;
    if (!(last - first < kMaxTicks)) return ticks;
    const long long k0 = std::llround(first);
    const long long k1 = std::llround(last);
    for (long long k = k0; k <= k1; ++k) {
        const long long five = ((k % 5) + 5) % 5;
        ticks.push_back({k * steps.Minor, five == 0});
    }
    return ticks;
}

QString TickLabel(long double value) {
    return FormatGeneral(value, kTickDigits);
}

int MarkerShape(int curveNumber) {
    return ((curveNumber - 1) % 10 + 10) % 10 + 1;
}

bool HasMarker(int index, int markers) {
    if (markers <= 0) return false;
    return index == 0 || index % markers == 0;
}

QString AxisTitle(const QString& caption, const QString& unitString, int units)
{
    if (unitString.isEmpty())
        return caption;
    return caption + QStringLiteral(" (") + UnitsLabel(unitString, units) + u')';
}

} // namespace tervane
