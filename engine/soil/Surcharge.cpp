#include "soil/Surcharge.h"

#include "EngineErrors.h"
#include "FixedFields.h"
#include "RunContext.h"
#include "soil/SoilReport.h"
#include "soil/SoilStages.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

// Depth grid of the surcharge pressure: 200 steps over the wall length.
constexpr int kGridSteps = 200;

// Single-precision constants of the load formulas, widened.
const double kPi = static_cast<double>(3.1416f);
const double kNearRatio = static_cast<double>(0.4f); // m = X/H at or below: the load is "near"
const double kNearSquare = static_cast<double>(0.16f);
const double kPointFar = static_cast<double>(1.77f);
const double kPointNear = static_cast<double>(0.28f);
const double kLineNear = static_cast<double>(0.203f);

// Pressure of one row at grid depth zk.
double gridPressure(const SurchargeRow& row, double H, double zk) {
    const double X = row.distance;
    const double m = X / H;
    const double n = zk / H;
    const double m2 = m * m;
    const double n2 = n * n;
    switch (row.type) {
    case 2: { // line load Q (F/L)
        const double Q = row.magnitude;
        if (m > kNearRatio) return 4.0 * Q * m2 * n / (kPi * H * (m2 + n2) * (m2 + n2));
        return kLineNear * Q * n / (H * (kNearSquare + n2) * (kNearSquare + n2));
    }
    case 3: { // strip load qs (F/L^2) of width W centred at X
        const double qs = row.magnitude;
        const double halfWidth = row.width / 2.0;
        const double alpha = std::atan(X / zk);
        const double beta = std::atan((X + halfWidth) / zk) - std::atan((X - halfWidth) / zk);
        return 2.0 * qs / kPi * (beta - std::sin(beta) * std::cos(2.0 * alpha));
    }
    default: { // point load P (F); any other type is taken as a point load
        const double P = row.magnitude;
        if (m > kNearRatio) {
            const double s = m2 + n2;
            return kPointFar * P * m2 * n2 / (H * H * s * s * s);
        }
        const double s = kNearSquare + n2;
        return kPointNear * P * n2 / (H * H * s * s * s);
    }
    }
}

} // namespace

double surchargeRowPressure(const SurchargeRow& row, double H, double L, double z) {
    const double dz = L / kGridSteps;
    if (!(dz > 0.0) || z <= dz) return 0.0;
    // Deepest grid depth k*dz strictly above z.
    int k = static_cast<int>(std::min(std::ceil(z / dz), static_cast<double>(kGridSteps + 1)));
    while (k > 1 && !(k * dz < z))
        --k;
    while (k < kGridSteps && (k + 1) * dz < z)
        ++k;
    k = std::min(k, kGridSteps);
    return gridPressure(row, H, k * dz);
}

double surchargePressureAt(const EngineState& state, double depth) {
    const SoilInput& soil = state.soil;
    const int rows = std::clamp(soil.surchargeCount, 0, kMaxSurchargeRows);
    if (rows == 0) return 0.0;
    if (!(soil.freeHeight > 0.0))
        throw ProblemStop(
            "     ERROR STOP -- SURCHARGE LOADS NEED A FREE HEIGHT GREATER THAN ZERO");
    const double L = state.wall.increments * state.wall.incrementLength;
    double sum = 0.0;
    for (int r = 0; r < rows; ++r)
        sum += surchargeRowPressure(soil.surcharges[static_cast<std::size_t>(r)], soil.freeHeight,
                                    L, depth);
    return sum;
}

void writeSurchargeEcho(TextOut& report, const SoilInput& soil, const UnitLabels& labels) {
    using fixed::Line;
    const std::string perArea = std::string(labels.force4) + "/" + labels.length2 + "**2";
    writeSectionBanner(report, "*              SURCHARGE INFORMATION             *");
    report.emptyLines(2);
    report.line(Line()
                    .x(6)
                    .text("UNIFORM SURFACE PRESSURE     =")
                    .e(soil.uniformSurcharge, 10, 3)
                    .text(perArea)
                    .view());
    const int rows = std::clamp(soil.surchargeCount, 0, kMaxSurchargeRows);
    for (int r = 0; r < rows; ++r) {
        const SurchargeRow& row = soil.surcharges[static_cast<std::size_t>(r)];
        if (row.type < 1 || row.type > 3) continue;
        report.emptyLines(1);
        report.line(Line().x(6).text("SURCHARGE LOADING NO.        = ").i(r + 1, 10).view());
        Line load;
        load.x(6);
        if (row.type == 1) {
            load.text("POINT LOAD                   = ")
                .e(row.magnitude, 10, 3)
                .text(labels.force4);
        } else if (row.type == 2) {
            load.text("LINE LOAD                    = ")
                .e(row.magnitude, 10, 3)
                .text(labels.force4)
                .text("/")
                .text(labels.length2);
        } else {
            load.text("STRIP LOAD                   = ").e(row.magnitude, 10, 3).text(perArea);
        }
        report.line(load.view());
        if (row.type == 3)
            report.line(Line()
                            .x(6)
                            .text("WIDTH OF THE STRIP LOAD      = ")
                            .e(row.width, 10, 3)
                            .text(labels.length3)
                            .view());
        report.line(Line()
                        .x(6)
                        .text("HORIZONTAL DISTANCE BETWEEN  = ")
                        .e(row.distance, 10, 3)
                        .text(labels.length3)
                        .view());
        report.line(Line().x(6).text("THE WALL AND SURCHARGE         ").view());
        report.emptyLines(1);
    }
}

} // namespace tervane
