#include "soil/SoilEcho.h"

#include "FixedFields.h"
#include "soil/SoilReport.h"

namespace tervane {

using fixed::Line;

void writeWallEcho(TextOut& report, const SoilInput& soil, double gammaW,
                   const UnitLabels& labels) {
    writeSectionBanner(report, "*                WALL INFORMATION                *");
    report.emptyLines(2);
    const auto lengthLine = [&](const char* caption, double v) {
        report.line(Line().x(6).text(caption).e(v, 10, 3).text(labels.length3).view());
    };
    lengthLine("FREE HEIGHT OF WALL                    = ", soil.freeHeight);
    lengthLine("WIDTH FOR EARTH PRESSURE, WA           = ", soil.activeWidth);
    lengthLine("WIDTH FOR SOIL RESISTANCE, WP          = ", soil.pyWidth);
    lengthLine("DEPTH TO THE WATER TABLE AT BACKFILL   = ", soil.waterDepthBackfill);
    lengthLine("DEPTH TO THE WATER TABLE AT EXCAVATION = ", soil.waterDepthExcavation);
    report.line(Line()
                    .x(6)
                    .text("UNIT WEIGHT OF WATER                   = ")
                    .e(gammaW, 10, 3)
                    .text(labels.force4)
                    .text("/")
                    .text(labels.length2)
                    .text("**3")
                    .view());
    report.line(Line()
                    .x(6)
                    .text("SLOPE OF THE BACKFILL (deg.)           = ")
                    .e(soil.backfillSlope, 10, 3)
                    .view());
    report.line(Line()
                    .x(6)
                    .text("MODIFICATION FOR ACTIVE EARTH PRESSURE = ")
                    .e(soil.activePressureFactor, 10, 3)
                    .view());
}

void writeSoilEcho(TextOut& report, const LayerTable& table, int unitSystem) {
    writeSectionBanner(report, "*                SOIL INFORMATION                *");
    report.emptyLines(1);
    if (unitSystem == 1 || unitSystem == 2) {
        report.emptyLines(1);
        report.line(Line().x(15).text("TOTAL").x(17).text("TOTAL UNIT").view());
        report.line(
            Line().x(7).text("LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP").view());
        if (unitSystem == 1)
            report.line(Line()
                            .x(7)
                            .text("NO.")
                            .x(5)
                            .text("IN")
                            .x(8)
                            .text("PSI")
                            .x(5)
                            .text("DEG")
                            .x(5)
                            .text("PCI")
                            .x(5)
                            .text("T OR F")
                            .x(3)
                            .text("IN")
                            .view());
        else
            report.line(Line()
                            .x(7)
                            .text("NO.")
                            .x(6)
                            .text("M ")
                            .x(7)
                            .text("kPa")
                            .x(5)
                            .text("DEG")
                            .x(3)
                            .text("kN/M^3")
                            .x(4)
                            .text("T OR F")
                            .x(3)
                            .text(" M ")
                            .view());
    }
    for (int L = 1; L <= table.count; ++L) {
        const LayerRow& r = table.row(L);
        report.line(Line()
                        .x(7)
                        .i(L, 3)
                        .f(r.thickness, 9, 1)
                        .f(r.cohesion, 11, 1)
                        .f(r.phi, 6, 1)
                        .f(r.unitWeight, 9, 3)
                        .x(5)
                        .text(r.drained ? "T" : "F")
                        .f(r.top, 10, 2)
                        .view());
    }
}

void writeOverburdenEcho(TextOut& report, const LayerTable& table, const UnitLabels& labels) {
    writeSectionBanner(report, "*            EFFECTIVE OVERBURDEN STRESS         *");
    report.emptyLines(1);
    report.line(Line().x(6).text("          DEPTH                     STRESS       ").view());
    report.line(Line()
                    .x(16)
                    .text(labels.length3)
                    .x(22)
                    .text(labels.force4)
                    .text("/")
                    .text(labels.length2)
                    .text("**2")
                    .view());
    report.emptyLines(1);
    for (int L = 1; L <= table.count; ++L)
        report.line(
            Line().x(12).e(table.row(L).top, 10, 3).x(17).e(table.row(L).sigvp, 10, 3).view());
}

} // namespace tervane
