#include "CurveReportBlocks.h"

#include "FixedFields.h"

#include <string>

namespace tervane {
namespace {

using fixed::Line;

// Radians to degrees for the report (single-precision constant).
const double kDegreesPerRadian = static_cast<double>(57.2958f);
// Soft clay: written deflections below this get the initial-modulus warning (single precision).
const double kTinyDeflection = static_cast<double>(1e-14f);
// Weak rock: a depth this small is shown as 0.
constexpr double kShownAsZero = 1e-6;

struct Labels {
    std::string l;      // length, 2 columns
    std::string fPerL2; // stress
    std::string fPerL3; // unit weight, modulus of subgrade reaction
    std::string fPerL;  // resistance per unit length
};

Labels labelsOf(const UnitLabels& u) {
    const std::string f = u.force3;
    const std::string l = u.length2;
    return {l, f + "/" + l + "**2", f + "/" + l + "**3", f + "/" + l};
}

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

enum class PointFormat { F3, F5, E3, D3 };

void writePoints(TextOut& out, const CurveBlock& b, PointFormat format, const PYCurve* softClay) {
    for (int i = 0; i < kCurvePointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double y = (*b.y)[k];
        const double p = (*b.p)[k];
        Line line;
        line.x(21);
        switch (format) {
        case PointFormat::F3:
            line.f(y, 20, 3).f(p, 20, 3);
            break;
        case PointFormat::F5:
            line.f(y, 20, 5).f(p, 20, 5);
            break;
        case PointFormat::E3:
            line.e(y, 20, 3).e(p, 20, 3);
            break;
        case PointFormat::D3:
            line.d(y, 20, 3).d(p, 20, 3);
            break;
        }
        out.line(line.view());
        if (softClay && i > 0 && y < kTinyDeflection) {
            out.line(blanks(29) + "**** WARNING ****");
            out.line(blanks(5) + "DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM");
            out.line(Line()
                         .x(5)
                         .text("USED A SOIL MODULUS OF ")
                         .d(softClay->initialModulus, 12, 4)
                         .view());
        }
    }
}

// "Y" and "P" headings with their units, starting after `indent` blanks.
void writeYPHeading(TextOut& out, const Labels& u, const UnitLabels& units, int indent, int gap) {
    out.line(blanks(indent) + "Y" + blanks(19) + "P");
    out.line(blanks(indent) + u.l + blanks(gap) + units.force3 + "/" + u.l);
}

void writeSoftClay(TextOut& out, const Labels& u, const UnitLabels& units, const CurveBlock& b) {
    const CurveSite& s = *b.site;
    out.emptyLines(1);
    out.line(blanks(9) + "DEPTH BELOW GS" + blanks(6) + "DIAM" + blanks(8) + "C" + blanks(6) +
             "GAMMA AVG" + blanks(6) + "E50");
    out.line(blanks(15) + u.l + blanks(13) + u.l + blanks(5) + u.fPerL2 + blanks(2) + u.fPerL3);
    out.line(Line()
                 .x(8)
                 .f(s.xw, 10, 2)
                 .x(6)
                 .f(s.b, 10, 3)
                 .x(1)
                 .d(s.c, 10, 4)
                 .x(1)
                 .d(s.gamma, 10, 4)
                 .x(1)
                 .d(s.e50, 12, 4)
                 .view());
    out.emptyLines(1);
    out.line(blanks(37) + "Y," + u.l + blanks(13) + "P," + units.force3 + "/" + u.l);
    writePoints(out, b, PointFormat::F3, b.curve);
}

void writeStiffClayFreeWater(TextOut& out, const Labels& u, const CurveBlock& b) {
    const CurveSite& s = *b.site;
    out.emptyLines(2);
    out.line(blanks(9) + "DEPTH BELOW GS" + blanks(6) + "DIAM" + blanks(8) + "C" + blanks(9) +
             "CAVG" + blanks(4) + "GAMMA AVG" + blanks(6) + "E50");
    out.line(blanks(15) + u.l + blanks(13) + u.l + blanks(5) + u.fPerL2 + blanks(2) + u.fPerL2 +
             blanks(2) + u.fPerL3);
    out.line(Line()
                 .x(9)
                 .f(s.xw, 10, 2)
                 .x(5)
                 .f(s.b, 10, 3)
                 .x(1)
                 .d(s.c, 10, 2)
                 .x(1)
                 .d(s.cAvg, 10, 2)
                 .x(1)
                 .d(s.gamma, 10, 2)
                 .d(s.e50, 12, 4)
                 .view());
    writePoints(out, b, PointFormat::F3, nullptr);
}

void writeStiffClayNoFreeWater(TextOut& out, const Labels& u, const UnitLabels& units,
                               const CurveBlock& b) {
    const CurveSite& s = *b.site;
    out.emptyLines(2);
    out.line(blanks(10) + "DEPTH BELOW GS" + blanks(5) + "DIAM" + blanks(8) + "C" + blanks(7) +
             "CAVG" + blanks(4) + "GAMMA AVG" + blanks(5) + "E50");
    out.line(blanks(16) + u.l + blanks(12) + u.l + blanks(5) + u.fPerL2 + " " + u.fPerL2 + " " +
             u.fPerL3 + " ");
    out.line(Line()
                 .x(10)
                 .f(s.xw, 10, 2)
                 .x(5)
                 .f(s.b, 10, 3)
                 .d(s.c, 10, 2)
                 .d(s.cAvg, 10, 2)
                 .d(s.gamma, 10, 2)
                 .d(s.e50, 12, 4)
                 .view());
    writeYPHeading(out, u, units, 38, 15);
    writePoints(out, b, PointFormat::F5, nullptr);
}

void writeSand(TextOut& out, const Labels& u, const UnitLabels& units, const CurveBlock& b) {
    const CurveSite& s = *b.site;
    const PYCurve& r = *b.curve;
    out.emptyLines(2);
    out.line(blanks(11) + "DEPTH BELOW GS" + blanks(2) + "DIAM" + blanks(3) + "PHI" + blanks(2) +
             "GAMMA AVG" + blanks(4) + "A" + blanks(4) + "B" + blanks(5) + "PCT" + blanks(7) +
             "PCD");
    out.line(blanks(17) + u.l + blanks(9) + u.l + blanks(9) + u.fPerL3);
    out.line(Line()
                 .x(10)
                 .f(s.xs, 10, 2)
                 .x(4)
                 .f(s.b, 7, 2)
                 .f(s.phi * kDegreesPerRadian, 7, 2)
                 .e(s.gamma, 9, 2)
                 .x(2)
                 .f(r.coefA, 5, 2)
                 .f(r.coefB, 5, 2)
                 .e(r.wedge, 9, 2)
                 .e(r.flow, 9, 2)
                 .view());
    out.emptyLines(1);
    writeYPHeading(out, u, units, 38, 15);
    writePoints(out, b, PointFormat::F3, nullptr);
}

void writeSilt(TextOut& out, const Labels& u, const UnitLabels& units, const CurveBlock& b) {
    const CurveSite& s = *b.site;
    const PYCurve& r = *b.curve;
    out.emptyLines(2);
    // The last heading ends in the letter phi of the report's code page (byte 0xED).
    out.line(blanks(5) + "DEPTH" + blanks(6) + "DIAM" + blanks(6) + "PHI" + blanks(2) +
             "GAMMA AVG" + blanks(8) + "A" + blanks(9) + "B" + blanks(5) + "Puc" + blanks(7) +
             "Pu\xED");
    out.line(blanks(7) + u.l + blanks(8) + u.l + blanks(12) + u.fPerL3);
    out.line(Line()
                 .f(s.xs, 10, 2)
                 .f(s.b, 10, 2)
                 .f(s.phi * kDegreesPerRadian, 10, 1)
                 .e(s.gamma, 10, 3)
                 .f(r.coefA, 10, 2)
                 .f(r.coefB, 10, 2)
                 .e(r.cohesionPart, 10, 3)
                 .e(r.frictionPart, 10, 3)
                 .view());
    out.emptyLines(1);
    writeYPHeading(out, u, units, 37, 16);
    writePoints(out, b, PointFormat::E3, nullptr);
}

void writeStrongRock(TextOut& out, const Labels& u, const UnitLabels& units, const CurveBlock& b) {
    const CurveSite& s = *b.site;
    out.emptyLines(2);
    const char* title =
        b.side == WallSide::Excavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ";
    out.line(blanks(17) + title + blanks(5) + "DIAM" + blanks(8) + "C" + blanks(7));
    out.line(blanks(30) + u.l + blanks(12) + u.l + blanks(5) + u.fPerL2 + " ");
    out.line(Line().x(24).f(s.xs, 10, 2).x(5).f(s.b, 10, 3).e(b.curve->rockC, 10, 1).view());
    writeYPHeading(out, u, units, 38, 15);
    writePoints(out, b, PointFormat::D3, nullptr);
}

void writeWeakRock(TextOut& out, const Labels& u, const UnitLabels& units, const CurveBlock& b) {
    const CurveSite& s = *b.site;
    out.emptyLines(2);
    out.line(blanks(14) + "DEPTH" + blanks(5) + "DIAM" + blanks(7) + "Qu" + blanks(7) + " Eu " +
             blanks(3) + "GAMMA AVG" + blanks(6) + "E50");
    out.line(blanks(16) + u.l + blanks(7) + u.l + blanks(4) + u.fPerL2 + " " + u.fPerL2 + " " +
             u.fPerL3 + " ");
    const double depth = s.xw < kShownAsZero ? 0.0 : s.xw;
    out.line(Line()
                 .x(10)
                 .f(depth, 10, 2)
                 .f(s.b, 10, 3)
                 .e(s.c, 10, 2)
                 .e(s.k, 10, 2)
                 .e(s.gamma, 10, 2)
                 .e(s.e50, 12, 3)
                 .view());
    writeYPHeading(out, u, units, 37, 16);
    writePoints(out, b, PointFormat::E3, nullptr);
}

bool hasMultiplierLine(int type) {
    return type == kSoftClay || type == kStiffClayNoFreeWater || type == kSand || type == kSilt;
}

} // namespace

void writeCurveBlock(TextOut& out, const UnitLabels& units, const CurveBlock& block) {
    const Labels u = labelsOf(units);
    if (block.type != kStrongRock) {
        out.emptyLines(2);
        out.line(block.side == WallSide::Excavation ? blanks(9) + "AT THE EXCAVATION SIDE"
                                                    : blanks(9) + "AT THE BACKFILL SIDE");
    }
    switch (block.type) {
    case kStiffClayFreeWater:
        writeStiffClayFreeWater(out, u, block);
        break;
    case kStiffClayNoFreeWater:
        writeStiffClayNoFreeWater(out, u, units, block);
        break;
    case kSand:
        writeSand(out, u, units, block);
        break;
    case kSilt:
        writeSilt(out, u, units, block);
        break;
    case kStrongRock:
        writeStrongRock(out, u, units, block);
        break;
    case kWeakRock:
        writeWeakRock(out, u, units, block);
        break;
    default:
        writeSoftClay(out, u, units, block);
        break;
    }
    if (hasMultiplierLine(block.type)) {
        out.emptyLines(1);
        out.line(Line()
                     .x(21)
                     .text(" P-Multiplier = ")
                     .e(block.pMultiplier, 10, 3)
                     .text(" Y-Multiplier = ")
                     .e(block.yMultiplier, 10, 3)
                     .view());
    }
}

} // namespace tervane
