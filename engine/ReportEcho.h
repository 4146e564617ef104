#pragma once
// The input echo sections of the report: control parameters, wall lines, specified deflections
// and slopes, stiffness and load data, the distributed-load table and the user's p-y curves.

#include "EngineState.h"
#include "TextOut.h"

#include <array>

namespace tervane {

// Two empty lines, the banner line, the title line and the banner line again.
void writeSectionBanner(TextOut& report, const char* title);
// What stands in place of an empty table: an empty line and a line of 20 blanks.
void writeNoRows(TextOut& report);

void writeControlSection(TextOut& report, const ControlRecord& control);
void writeWallLines(TextOut& report, const WallRecord& wall, const UnitLabels& labels);

void writeRestraintHeading(TextOut& report);
void writeRestraintRow(TextOut& report, int station, int caseCode, double deflection, double slope);

void writeStiffnessHeading(TextOut& report, const UnitLabels& labels);
// One row of the stiffness, concentrated-load, spring or tieback tables, in the form its place in
// a continued sequence gives it: `previousC` the previous row's continuation (0 or 1), `mode`
// this row's mode; the six values are EI, Q, S, T, R, P.
void writeTableRow(TextOut& report, int previousC, int from, int to, int mode,
                   const std::array<double, 6>& values);

void writeDistributedLoadHeading(TextOut& report, const UnitLabels& labels);
void writeDistributedLoadRow(TextOut& report, double depth, double load);

void writeUserCurveBanner(TextOut& report);
struct UserCurveLine {
    int station = 0;
    int flag = 0;         // continuation flag of this curve
    int previousFlag = 0; // of the curve before it (0 for the first)
    bool withGenerated = false;
    double pMultiplier = 1.0;
    double yMultiplier = 1.0;
    int pointCount = 0;
};
// The curve's heading, its curve line and the point column heading.
void writeUserCurveHeading(TextOut& report, const UnitLabels& labels, const UserCurveLine& c);
void writeUserCurvePoint(TextOut& report, double y, double p);

} // namespace tervane
