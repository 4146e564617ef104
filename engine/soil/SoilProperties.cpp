// Soil property functions of the resistance profile: values at a depth x below the excavation
// level, interpolated linearly between the points of the unit-weight and strength tables.

#include "Console.h"
#include "EngineErrors.h"
#include "soil/LayerTable.h"
#include "soil/ResistanceProfile.h"
#include "soil/SoilReport.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

// A value below this counts as missing at a layer boundary (the other layer's value is used).
constexpr double kNoValue = 1e-20;
// Below this span the mean unit weight is the first positive point value.
constexpr double kShortSpan = 1e-6;

std::size_t at(int j) {
    return static_cast<std::size_t>(j);
}

// How a value is taken at a depth where two points coincide (a layer boundary).
enum class AtBoundary {
    lowerPoint, // the lower layer's value, the upper one when the lower is missing
    mean        // the mean of the two, a missing one replaced by the other
};

using Column = std::array<double, kMaxProfilePoints + 1>;

bool sameDepth(double a, double b) {
    return std::fabs(a - b) <= kSoilDepthTolerance;
}

// Value of column v at depth x over points 1..n of depths `depth`. Returns false when x lies
// below the last point.
bool pointValue(const Column& depth, const Column& v, int n, double x, AtBoundary rule,
                double& out) {
    if (n < 1 || x > depth[at(n)] + kSoilDepthTolerance) return false;
    if (sameDepth(x, depth[at(n)])) {
        int j = n;
        while (j > 1 && sameDepth(depth[at(j - 1)], depth[at(n)]))
            --j;
        out = v[at(j)];
        return true;
    }
    for (int j = 2; j <= n; ++j) {
        if (sameDepth(x, depth[at(j)])) {
            out = v[at(j)];
            if (j < n && sameDepth(depth[at(j + 1)], depth[at(j)])) {
                double upper = v[at(j)];
                double lower = v[at(j + 1)];
                if (rule == AtBoundary::lowerPoint) {
                    out = lower < kNoValue ? upper : lower;
                } else {
                    if (upper < kNoValue) upper = lower;
                    if (lower < kNoValue) lower = upper;
                    out = 0.5 * (upper + lower);
                }
            }
            return true;
        }
        if (x <= depth[at(j)]) {
            const double d0 = depth[at(j - 1)];
            const double span = depth[at(j)] - d0;
            out =
                span > 0.0 ? v[at(j - 1)] + (v[at(j)] - v[at(j - 1)]) * (x - d0) / span : v[at(j)];
            return true;
        }
    }
    out = v[at(n)]; // a single point
    return true;
}

[[noreturn]] void stopBeyond(BeyondExtent kind, double x, const char* message, int code) {
    const auto lines = beyondExtentWarning(kind, x);
    for (int twice = 0; twice < 2; ++twice)
        for (const auto& l : lines)
            consoleLine(l);
    throw FatalStop(message, code);
}

} // namespace

double ResistanceProfile::width(double) const {
    return pyWidth;
}

double ResistanceProfile::averageUnitWeight(double x) const {
    const int n = weightCount;
    if (n < 1 || x > weightDepth[at(n)] + kSoilDepthTolerance)
        throw FatalStop("     STOP 4 -- DEPTH BELOW THE EFFECTIVE UNIT WEIGHT DISTRIBUTION", 4);
    const double x0 = weightDepth[1];
    const double span = x - x0;
    if (span < kShortSpan) {
        for (int j = 1; j <= n; ++j)
            if (weight[at(j)] > 0.0) return weight[at(j)];
        return weight[at(n)];
    }
    // Trapezoid rule over the piecewise-linear profile: sum of (segment / span) * mean weight.
    double mean = 0.0;
    for (int j = 1; j < n; ++j) {
        const double d1 = weightDepth[at(j)];
        const double d2 = weightDepth[at(j + 1)];
        const double w1 = weight[at(j)];
        const double w2 = weight[at(j + 1)];
        if (d2 <= x) {
            mean += (d2 - d1) / span * 0.5 * (w1 + w2);
        } else {
            if (d1 < x) {
                const double wx = w1 + (w2 - w1) * (x - d1) / (d2 - d1);
                mean += (x - d1) / span * 0.5 * (w1 + wx);
            }
            break;
        }
    }
    return mean;
}

double ResistanceProfile::cohesion(double x) const {
    double c = 0.0;
    if (!pointValue(strengthDepth, cohesionAt, strengthCount, x, AtBoundary::lowerPoint, c))
        stopBeyond(BeyondExtent::strengthCurve, x,
                   "     STOP 1 -- DEPTH BELOW THE INPUT STRENGTH CURVE", 1);
    return c;
}

double ResistanceProfile::frictionAngle(double x) const {
    double phi = 0.0;
    if (!pointValue(strengthDepth, phiAt, strengthCount, x, AtBoundary::mean, phi))
        stopBeyond(BeyondExtent::phiCurve, x, "     STOP -- DEPTH BELOW THE INPUT PHI CURVE", 0);
    return phi;
}

double ResistanceProfile::e50(double x) const {
    double v = 0.0;
    // Below the last point the deepest value holds.
    if (!pointValue(strengthDepth, e50At, strengthCount, x, AtBoundary::mean, v))
        v = strengthCount > 0 ? e50At[at(strengthCount)] : 0.0;
    return v;
}

double ResistanceProfile::sixth(double x) const {
    double v = 0.0;
    if (!pointValue(strengthDepth, sixthAt, strengthCount, x, AtBoundary::mean, v))
        v = strengthCount > 0 ? sixthAt[at(strengthCount)] : 0.0;
    return v;
}

double ResistanceProfile::averageCohesion(double x, int k, TextOut& report) const {
    if (strengthCount < 2 || layerCount < 1) return 0.0;
    if (x < strengthDepth[1] - kSoilDepthTolerance) return 0.0;
    k = std::clamp(k, 1, layerCount);
    if (std::fabs(x - xt[at(k)]) < kSoilDepthTolerance) return cohesion(x);
    if (x > strengthDepth[at(strengthCount)] + kSoilDepthTolerance)
        for (const auto& l : beyondExtentWarning(BeyondExtent::layerStrength, x))
            report.line(l);
    // Mean of the layer's top value and its value at x, from the layer's own two points.
    const int j1 = 2 * k - 1;
    const int j2 = 2 * k;
    const double ct = cohesionAt[at(j1)];
    const double d1 = strengthDepth[at(j1)];
    const double span = strengthDepth[at(j2)] - d1;
    const double cx = span > 0.0 ? ct + (cohesionAt[at(j2)] - ct) * (x - d1) / span : ct;
    return 0.5 * (ct + cx);
}

} // namespace tervane
