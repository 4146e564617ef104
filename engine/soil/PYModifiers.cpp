#include "PYModifiers.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

// Range of Wa/Wp over which closely spaced wall elements reduce each other's resistance.
constexpr double kCloseSpacingFrom = 1.1;
constexpr double kCloseSpacingTo = 3.1;
constexpr double kCloseSpacingFactor = 0.5292;
constexpr double kCloseSpacingExponent = 0.5659;

} // namespace

double widthRatio(double activeWidth, double pyWidth) {
    if (!(pyWidth > 0.0)) return activeWidth;
    return std::max(activeWidth / pyWidth, 1.0);
}

// Rows are in ascending depth. Above the first row or below the last the value is 1. Otherwise
// the first row j >= 2 at or below the depth decides: exactly at row j's depth its value holds,
// or the next row's when that row repeats the depth (a step in the table); exactly at the last
// row's depth the first row found there, even when a later row repeats that depth (a step at
// the end of the table keeps its upper value); in between, linear interpolation from row j-1
// to row j.
double modifierTableValue(const ModifierTable& table, const double* values, double depth) {
    const int n = std::min(table.count, kMaxModifierRows);
    if (n <= 0) return 1.0;
    const auto at = [&](int j) { return table.depth[static_cast<std::size_t>(j)]; };
    if (depth < at(0) || depth > at(n - 1)) return 1.0;
    if (n == 1) return values[0];
    for (int j = 1; j < n; ++j) {
        if (depth > at(j)) continue;
        if (depth == at(j)) {
            const bool stepBelow = depth != at(n - 1) && at(j + 1) == at(j);
            return stepBelow ? values[j + 1] : values[j];
        }
        const double span = at(j) - at(j - 1);
        if (!(span > 0.0)) return values[j];
        return values[j - 1] + (values[j] - values[j - 1]) * (depth - at(j - 1)) / span;
    }
    return 1.0;
}

CurveMultipliers curveMultipliers(const ModifierTable& table, double depth, double activeWidth,
                                  double pyWidth, double freeHeight) {
    CurveMultipliers m;
    if (table.count > 0) {
        m.p = modifierTableValue(table, table.pMultiplier.data(), depth);
        m.y = modifierTableValue(table, table.yMultiplier.data(), depth);
        return m;
    }
    const double ratio = pyWidth > 0.0 ? activeWidth / pyWidth : 0.0;
    if (ratio >= kCloseSpacingFrom && ratio < kCloseSpacingTo && depth >= freeHeight) {
        m.p = kCloseSpacingFactor * std::pow(ratio, kCloseSpacingExponent);
    }
    return m;
}

} // namespace tervane
