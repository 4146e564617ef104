// The curve generation of a problem with generated p-y curves: builds the resistance profile,
// writes its strength data, passes the user's curves through SOILDATA, echoes the p-y
// modification table, and writes the generated curve sets to the report and to SOILDATA, from
// which the input reader takes them back.

#include "Console.h"
#include "EngineErrors.h"
#include "FixedFields.h"
#include "RunContext.h"
#include "soil/CurveSets.h"
#include "soil/ResistanceProfile.h"
#include "soil/SoilReport.h"
#include "soil/SoilStages.h"

#include <algorithm>

namespace tervane {
namespace {

constexpr const char* kCurveFile = "SOILDATA";

// The user's curves of record 14 as the input reader keeps them (deflection and resistance with
// their multipliers applied): station and point count, then per point its index, p and y. The
// reader skips these points; the records keep the file's layout whole.
void writeUserCurves(const EngineState& st, TextOut& soilData) {
    const int m = std::min(st.control.userCurveCount, st.stations.curveCount);
    for (int k = 0; k < m; ++k) {
        const Curve& c = st.stations.curves[static_cast<std::size_t>(k)];
        const int count = std::clamp(c.pointCount, 0, kMaxCurvePoints);
        soilData.freeInts({c.firstStation, count});
        for (int i = 0; i < count; ++i) {
            const auto j = static_cast<std::size_t>(i);
            std::string record(" ");
            record.append(std::to_string(i + 1)).append(" ").append(freeReal(c.qc[j]));
            record.append(" ").append(freeReal(c.w[j]));
            soilData.line(record);
        }
    }
}

void writeReductionFactors(TextOut& report, const ModifierTable& t) {
    using fixed::Line;
    if (t.count > 0) {
        report.emptyLines(1);
        report.line(std::string(9, ' ') + "REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS");
        report.line(std::string(40, ' '));
        report.line(std::string(7, ' ') + "      DEPTH     P-FACTOR     Y-FACTOR        ");
        report.emptyLines(1);
        for (int k = 0; k < std::min(t.count, kMaxModifierRows); ++k) {
            const auto j = static_cast<std::size_t>(k);
            report.line(Line()
                            .x(12)
                            .f(t.depth[j], 7, 2)
                            .x(4)
                            .f(t.pMultiplier[j], 6, 2)
                            .x(6)
                            .f(t.yMultiplier[j], 6, 2)
                            .view());
        }
    }
    report.emptyLines(2);
    report.line(std::string(8, ' ') + "P-Y CURVES DATA");
    report.emptyLines(1);
}

} // namespace

std::size_t runCurveGeneration(RunContext& ctx) {
    EngineState& st = ctx.state;
    if (!(st.soil.pyWidth > 0.0)) {
        throw ProblemStop(
            "     ERROR STOP -- THE WIDTH FOR SOIL RESISTANCE MUST BE POSITIVE FOR GENERATED "
            "P-Y CURVES");
    }
    ResistanceProfile& profile = st.soilProfiles.resistance;
    const WallRecord& wall = st.wall;
    buildResistanceProfile(
        st.soil,
        {st.control.unitSystem, wall.increments * wall.incrementLength, wall.incrementLength},
        profile);

    TextOut soilData;
    soilData.create(ctx.scratchPath(kCurveFile).string(), "SCRATCH FILE SOILDATA");
    consoleLine(" READ SOIL DATA....");
    writeStrengthDataSection(ctx.report, profile, st.labels);

    const int userCurves = std::max(st.control.userCurveCount, 0);
    soilData.freeInts({userCurves + kCurvesPerPyLayer * profile.layerCount});
    writeUserCurves(st, soilData);
    writeReductionFactors(ctx.report, st.modifiers);

    CurveSetInput in;
    in.profile = &profile;
    in.modifiers = &st.modifiers;
    in.labels = &st.labels;
    in.activeWidth = st.soil.activeWidth;
    // The offset needs this problem's earth-pressure stage; without one it is 0, whatever an
    // earlier problem of the run left.
    in.sigvH = st.control.loadOption > 1 ? st.soilProfiles.sigvH : 0.0;
    writeCurveSets(in, ctx.report, soilData);
    soilData.finish();
    return soilData.bytesWritten();
}

} // namespace tervane
