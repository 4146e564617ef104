#include "soil/ActivePressure.h"

#include "Console.h"
#include "EngineState.h"
#include "FixedFields.h"
#include "soil/SoilReport.h"

#include <algorithm>
#include <cmath>

namespace tervane {
namespace {

using fixed::Line;

// Degrees per radian, single precision.
const double kDegreesPerRadian = static_cast<double>(57.2958f);
// A user's active coefficient above this replaces the computed one.
const double kOptionalKaThreshold = static_cast<double>(1e-7f);
// Net active force below this is reported as negative.
constexpr double kNetForceFloor = 1e-5;

void writeSlopeWarning(TextOut& notes, TextOut& report) {
    for (TextOut* out : {&notes, &report}) {
        out->emptyLines(2);
        out->line("**** WARNING ******");
        out->line("THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF "
                  "SAND.");
    }
}

// (value, depth) pairs of the force tables: 1 blank, F10.2, 1 blank, F6.2.
Line& pair(Line& l, double force, double depth) {
    return l.x(1).f(force, 10, 2).x(1).f(depth, 6, 2);
}

std::string stressLabel(const UnitLabels& labels) {
    return std::string(labels.force4) + "/" + labels.length2 + "**2";
}

void writeForceHeading(TextOut& report, const UnitLabels& labels) {
    const std::string P = stressLabel(labels);
    writeSectionBanner(report, "*      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
    report.emptyLines(1);
    report.line(Line()
                    .x(6)
                    .text(" LAYER    PA1     Z1       PA2     Z2         PA3     Z3")
                    .text("        PA4")
                    .view());
    report.line(Line()
                    .x(6)
                    .text("  NO")
                    .x(1)
                    .text(P)
                    .x(2)
                    .text(labels.length3)
                    .x(2)
                    .text(P)
                    .x(2)
                    .text(labels.length3)
                    .x(4)
                    .text(P)
                    .x(2)
                    .text(labels.length3)
                    .x(4)
                    .text(P)
                    .view());
    report.emptyLines(1);
}

void writeWaterHeading(TextOut& report) {
    writeSectionBanner(report, "*      ACTIVE WATER PRESSURE OF EACH LAYER       *");
    report.emptyLines(1);
    report.line(Line().x(6).text(" LAYER    PW1     Z1       PW2     Z2                ").view());
    report.line(Line().x(6).text("  NO             ").view());
    report.emptyLines(1);
}

} // namespace

void horizontalBackfillKa(double phi, double& ka, double& sqrtKa) {
    sqrtKa = std::tan((45.0 - phi / 2.0) / kDegreesPerRadian);
    ka = sqrtKa * sqrtKa;
}

void resetActivePressure(const LayerTable& table, ActivePressure& ap) {
    for (int L = 1; L <= table.count; ++L) {
        ActivePressureRow& r = ap.row(L);
        r.pa1 = r.pa2 = r.pa3 = r.pa4 = 0.0;
        r.pw1 = r.pw2 = 0.0;
        r.crackDepth = 0.0;
        r.z1 = -1000.0;
        r.z2 = -1000.0;
        r.z3 = -1e-5;
    }
    ap.netForce = 0.0;
}

void computeCoefficients(const SoilInput& soil, const LayerTable& table, ActivePressure& ap,
                         TextOut& report, TextOut& notes) {
    const double beta = soil.backfillSlope;
    for (int L = 1; L <= table.count; ++L) {
        const LayerRow& layer = table.row(L);
        ActivePressureRow& r = ap.row(L);
        const double phi = layer.phi;
        horizontalBackfillKa(phi, r.ka, r.sqrtKa);
        const double kpRoot = std::tan((45.0 + phi / 2.0) / kDegreesPerRadian);
        r.kp = kpRoot * kpRoot;

        if (std::fabs(beta) > 0.0 && std::fabs(beta) < phi) {
            // Sloping backfill: Ka = cos b (cos b - sqrt(d)) / (cos b + sqrt(d)),
            // d = cos^2 b - cos^2 p.
            const double cb = std::cos(beta / kDegreesPerRadian);
            const double cp = std::cos(phi / kDegreesPerRadian);
            const double rootD = std::sqrt(cb * cb - cp * cp);
            r.ka = cb * (cb - rootD) / (cb + rootD);
            r.sqrtKa = std::sqrt(r.ka);
        } else if (beta != 0.0 && layer.top < soil.freeHeight - kSoilDepthTolerance) {
            writeSlopeWarning(notes, report);
        }

        if (L == 1) {
            writeSectionBanner(report, "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
            report.emptyLines(1);
            report.line(
                Line().x(6).text("  LAYER         ACTIVE EARTH     PASSIVE EARTH   ").view());
            report.line(
                Line().x(6).text("   NO.          COEFFICIENT      COEFFICIENT     ").view());
        }
        report.line(Line().x(10).i(L, 2).x(9).e(r.ka, 10, 3).x(8).e(r.kp, 10, 3).view());

        if (layer.optionalKa > kOptionalKaThreshold) {
            r.ka = layer.optionalKa;
            r.sqrtKa = 0.0;
        }
    }
}

void computeLayerForces(const LayerTable& table, ActivePressure& ap, const UnitLabels& labels,
                        TextOut& report) {
    const int LP = table.excavationRow;
    const double gw = table.gammaW;
    for (int L = 1; L <= LP - 1; ++L) {
        const LayerRow& layer = table.row(L);
        ActivePressureRow& r = ap.row(L);
        const double t = layer.thickness;
        const double f = layer.factor;
        const double c = layer.cohesion;
        const double gammaEff =
            layer.drained && layer.belowWater ? layer.unitWeight - gw : layer.unitWeight;
        // Rectangle of the overburden, triangle of the layer's own weight, cohesion's relief.
        // PA1 holds the overburden at the layer top (the uniform surface pressure included) and
        // nothing of the point, line and strip surcharges: their pressure enters the pressure
        // table row by row, so that PA1 and the net force check stay SIGVP * Ka * t * f.
        r.pa1 = layer.sigvp * r.ka * t * f;
        r.z1 = layer.top + t / 2.0;
        r.pa2 = t * t * gammaEff / 2.0 * r.ka * f;
        r.z2 = layer.top + 2.0 * t / 3.0;
        r.pa3 = -2.0 * c * r.sqrtKa * t * f;
        if (r.pa1 + r.pa3 < 0.0) {
            // Tension zone at the top: only the positive part below the crack depth pushes.
            r.pa1 = r.pa2 = r.pa3 = 0.0;
            const double d1 = 2.0 * c * r.sqrtKa - layer.sigvp * r.ka;
            const double d2 = table.row(L + 1).sigvp * r.ka - 2.0 * c * r.sqrtKa;
            r.crackDepth = d2 + d1 != 0.0 ? d2 * t / (d2 + d1) : 0.0;
            r.pa4 = d2 > 0.0 ? f * r.crackDepth * d2 / 2.0 : 0.0;
            r.z3 = table.row(L + 1).top - r.crackDepth / 3.0;
        }
        if (L == 1) writeForceHeading(report, labels);
        Line row;
        row.x(6).i(L, 2);
        pair(row, r.pa1, r.z1);
        pair(row, r.pa2, r.z2);
        pair(row, r.pa3, r.z3);
        row.x(1).f(r.pa4, 10, 2);
        report.line(row.view());
    }

    // Water forces of the rows from the water table to the excavation level. Without a row top
    // at the water table (LW = 0) the table starts at the ground surface: every row lies below a
    // water table above the surface, none below one deeper than the profile (the table is then
    // written with its heading and no rows).
    const int LW = table.waterRow;
    if (LW <= LP - 1) {
        writeWaterHeading(report);
        const double dwb = table.waterDepth;
        for (int L = std::max(LW, 1); L <= LP - 1; ++L) {
            const LayerRow& layer = table.row(L);
            ActivePressureRow& r = ap.row(L);
            if (!layer.drained || !layer.belowWater) continue;
            const double t = layer.thickness;
            r.pw1 = -(layer.top - dwb) * gw * t;
            r.pw2 = -t * t * gw / 2.0;
            Line row;
            row.x(6).i(L, 2);
            pair(row, -r.pw1, r.z1);
            pair(row, -r.pw2, r.z2);
            report.line(row.view());
        }
    }

    double F = 0.0;
    for (int L = 1; L <= LP - 1; ++L) {
        const ActivePressureRow& r = ap.row(L);
        F += r.pa1 + r.pa2 + r.pa3 + r.pa4 - r.pw1 - r.pw2;
    }
    ap.netForce = F;
    if (F < kNetForceFloor) {
        const std::string text = "     Net active pressure is negative.";
        for (int k = 0; k < 2; ++k)
            consoleLine("");
        consoleLine(text);
        consoleLine("");
        report.emptyLines(2);
        report.line(text);
        report.emptyLines(1);
    }
}

} // namespace tervane
