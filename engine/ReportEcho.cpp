#include "ReportEcho.h"

#include "FixedFields.h"

#include <cstdint>
#include <string>

namespace tervane {
namespace {

const std::string kBannerLine = std::string(6, ' ') + std::string(50, '*');

void captionLine(TextOut& report, const char* caption, int value) {
    report.line(fixed::Line().x(6).text(caption).i(value, 2).view());
}

void realLine(TextOut& report, const char* caption, double value, int decimals,
              const UnitLabels& labels) {
    report.line(fixed::Line().x(6).text(caption).f(value, 7, decimals).text(labels.length3).view());
}

} // namespace

void writeSectionBanner(TextOut& report, const char* title) {
    report.emptyLines(2);
    report.line(kBannerLine);
    report.line(std::string(6, ' ') + title);
    report.line(kBannerLine);
}

void writeNoRows(TextOut& report) {
    report.emptyLines(1);
    report.line(std::string(20, ' '));
}

void writeControlSection(TextOut& report, const ControlRecord& c) {
    writeSectionBanner(report, "*        PROGRAM CONTROL PARAMETERS              *");
    report.emptyLines(1);
    captionLine(report, "NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ", c.restraintCount);
    captionLine(report, "NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ", c.stiffnessCount);
    captionLine(report,
                "GENERATE EARTH PRESSURE INTERNALLY                 = ", c.loadOption > 1 ? 1 : 0);
    captionLine(report,
                "GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ", c.pyOption == 2 ? 1 : 0);
    captionLine(report, "NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ", c.modifierCount);
    captionLine(report, "NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ", c.userCurveCount);
}

void writeWallLines(TextOut& report, const WallRecord& wall, const UnitLabels& labels) {
    report.line(fixed::Line()
                    .x(6)
                    .text("NUMBER OF INCREMENTS                               = ")
                    .i(wall.increments, 3)
                    .view());
    realLine(report, "INCREMENT LENGTH                                   = ", wall.incrementLength,
             3, labels);
    realLine(report, "FREE HEIGHT OF WALL                                = ", wall.freeHeight, 3,
             labels);
    realLine(report, "MAXIMUM ALLOWABLE DEFLECTION                       = ", wall.maxDeflection, 3,
             labels);
    realLine(report, "DEFLECTION CLOSURE TOLERANCE                       = ", wall.tolerance, 5,
             labels);
}

void writeRestraintHeading(TextOut& report) {
    writeSectionBanner(report, "*        SPECIFIED DEFLECTIONS AND SLOPES        *");
    report.emptyLines(1);
    report.line("          STA      CASE       DEFLECTION        SLOPE");
    report.emptyLines(1);
}

void writeRestraintRow(TextOut& report, int station, int caseCode, double deflection,
                       double slope) {
    fixed::Line l;
    l.x(10).i(station, 3).x(7).i(caseCode, 2);
    if (caseCode <= 1)
        l.x(8).e(deflection, 10, 3).x(9).text("NONE");
    else if (caseCode == 2)
        l.x(11).text("NONE").x(8).e(slope, 10, 3);
    else
        l.x(3).x(5).e(deflection, 10, 3).x(5).e(slope, 10, 3);
    report.line(l.view());
}

void writeStiffnessHeading(TextOut& report, const UnitLabels& u) {
    writeSectionBanner(report, "*        STIFFNESS AND LOAD DATA                 *");
    report.line("      EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,");
    report.line("      S - STIFFNESS OF TRANSVERSE RESISTANCE,");
    report.line("      T - TORQUE,              P - AXIAL LOAD,");
    report.line("      R - STIFFNESS OF TORSIONAL RESISTANCE.");
    report.emptyLines(1);
    report.line("     FROM TO CONTD     EI         Q        S'        T         R         P");
    report.emptyLines(1);
    report.line(fixed::Line()
                    .x(18)
                    .text(u.force4)
                    .text("-")
                    .text(u.length2)
                    .text("**2")
                    .x(4)
                    .text(u.force4)
                    .x(4)
                    .text(u.force4)
                    .text("/")
                    .text(u.length2)
                    .x(3)
                    .text(u.length3)
                    .text("-")
                    .text(u.force3)
                    .x(2)
                    .text(u.length3)
                    .text("-")
                    .text(u.force3)
                    .x(4)
                    .text(u.force4)
                    .view());
}

void writeTableRow(TextOut& report, int previousC, int from, int to, int mode,
                   const std::array<double, 6>& values) {
    fixed::Line l;
    if (previousC == 1)
        l.x(9).i(to, 4); // ends or carries on a sequence
    else if (mode == 2)
        l.x(5).i(from, 4).x(4); // opens a sequence
    else
        l.x(5).i(from, 4).i(to, 4); // stands alone
    l.i(std::int64_t{mode} - 1, 3).x(1); // any mode read from the file, INT_MIN included
    for (double v : values)
        l.e(v, 10, 3);
    report.line(l.view());
}

void writeDistributedLoadHeading(TextOut& report, const UnitLabels& u) {
    report.emptyLines(2);
    report.line("         DEPTH         ACTIVE EARTH PRESSURE");
    report.line(
        fixed::Line().x(9).text(u.length3).x(17).text(u.force4).text("/").text(u.length2).view());
    report.line("        --------       ------------------------");
}

void writeDistributedLoadRow(TextOut& report, double depth, double load) {
    report.line(fixed::Line().x(6).e(depth, 10, 3).x(10).e(load, 10, 3).view());
}

void writeUserCurveBanner(TextOut& report) {
    writeSectionBanner(report, "*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *");
    report.emptyLines(1);
}

void writeUserCurveHeading(TextOut& report, const UnitLabels& u, const UserCurveLine& c) {
    report.emptyLines(1);
    report.line("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ");
    report.emptyLines(2);
    fixed::Line l;
    const bool alone = !c.withGenerated && c.previousFlag != 1 && c.flag != 1;
    if (c.withGenerated || c.previousFlag == 1)
        l.x(9).i(c.station, 4).i(c.flag, 3);
    else if (alone)
        l.x(5).i(c.station, 4).i(c.station, 4).i(c.flag, 3);
    else
        l.x(5).i(c.station, 4).x(4).i(c.flag, 3);
    l.x(5).e(c.pMultiplier, 14, 3).e(c.yMultiplier, 14, 3);
    if (alone)
        l.x(8).i(c.pointCount, 4);
    else
        l.x(10).i(c.pointCount, 3);
    report.line(l.view());
    report.emptyLines(2);
    report.line(std::string(18, ' ') + "    Y    " + std::string(12, ' ') + "   P    ");
    report.line(
        fixed::Line().x(20).text(u.length3).x(16).text(u.force4).text("/").text(u.length2).view());
    report.line(std::string(18, ' ') + "---------" + std::string(12, ' ') + "--------");
}

void writeUserCurvePoint(TextOut& report, double y, double p) {
    report.line(fixed::Line().x(17).e(y, 10, 3).x(10).e(p, 10, 3).view());
}

} // namespace tervane
