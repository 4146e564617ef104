#include "PYCurve.h"

#include "EngineErrors.h"

#include <cmath>

namespace tervane {

std::string undefinedCurveMessage(int layer, const char* reason) {
    return "     ERROR STOP -- P-Y LAYER " + std::to_string(layer) + ": " + reason;
}

void requireFiniteCurve(const CurveValues& y, const CurveValues& p, int layer) {
    for (int i = 0; i < kCurvePointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!std::isfinite(y[k]) || !std::isfinite(p[k])) {
            throw ProblemStop(undefinedCurveMessage(
                layer, "THE SOIL DATA GIVE A P-Y CURVE WITHOUT FINITE VALUES"));
        }
    }
}

} // namespace tervane
