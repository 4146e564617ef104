#include "DeflectionCurve.h"

namespace tervane {

namespace {
std::vector<TDeflectionPoint>& curve() {
    static std::vector<TDeflectionPoint> points;
    return points;
}
} // namespace

void SetDeflectionCurve(std::vector<TDeflectionPoint> points) {
    curve() = std::move(points);
}

const std::vector<TDeflectionPoint>& DeflectionCurve() {
    return curve();
}

bool DeformedShapeAvailable(bool deflectionCommandEnabled) {
    return deflectionCommandEnabled && curve().size() > 1;
}

} // namespace tervane
