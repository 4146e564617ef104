// Soil resistance curves of a problem: the user's curves of record 14, the generated curves that
// the curve generation leaves in SOILDATA, plot block 2 and the curve table in force per station.
// The curve generation itself runs from the problem's analysis, between these steps.

#include "EngineErrors.h"
#include "FileText.h"
#include "InputReader.h"
#include "PlotBlocks.h"
#include "ReportEcho.h"
#include "ScratchRecords.h"
#include "StationBuilder.h"

namespace tervane {
namespace {

constexpr const char* kCurveFile = "SOILDATA";
constexpr const char* kShortCurve = "     ERROR STOP -- A P-Y CURVE NEEDS AT LEAST TWO POINTS";

// A generated curve set: 17 points for the excavation side, then 17 for the backfill side.
constexpr int kGeneratedFilePoints = 34;
constexpr int kSidePoints = 17;
constexpr int kJoinedPoints = 2 * kSidePoints - 1;

void tooMuchData() {
    throw ProblemStop(kTooMuchData, 2);
}

Curve& nextCurve(StationData& st) {
    if (st.curveCount >= kMaxCurves) tooMuchData();
    Curve& c = st.curves[static_cast<std::size_t>(st.curveCount++)];
    c = Curve{};
    return c;
}

// Record 14: per curve (station, point count, p-multiplier, y-multiplier) and its points (y, p),
// kept and echoed with the multipliers applied.
void readUserCurveRecords(RunContext& ctx, bool withGenerated) {
    EngineState& s = ctx.state;
    StationData& st = s.stations;
    const WallRecord& wall = s.wall;
    if (s.control.userCurveCount > kMaxCurves) tooMuchData();
    writeUserCurveBanner(ctx.report);
    int previousFlag = 0;
    for (int k = 0; k < s.control.userCurveCount; ++k) {
        FreeReader& in = ctx.data;
        in.begin();
        const int station = in.integer(), count = in.integer();
        const double pm = in.real(), ym = in.real();
        in.end();
        requireStoredStation(station, wall.increments);
        if (count > kMaxCurvePoints) tooMuchData();
        if (count < 2) throw ProblemStop(kShortCurve);
        Curve& c = nextCurve(st);
        c.firstStation = c.lastStation = station;
        c.pointCount = count;
        // Curves at or below the excavation level interpolate with the next curve; with generated
        // curves present the user's curves stand alone.
        const bool below = static_cast<double>(station) * wall.incrementLength >= wall.freeHeight;
        c.continuation = !withGenerated && below ? 1 : 0;
        writeUserCurveHeading(
            ctx.report, s.labels,
            {station, c.continuation, previousFlag, withGenerated, pm, ym, count});
        previousFlag = c.continuation;
        for (int i = 0; i < count; ++i) {
            double v[2];
            in.reals(v, 2);
            const std::size_t j = static_cast<std::size_t>(i);
            c.w[j] = v[0] * ym;
            c.qc[j] = v[1] * pm;
            writeUserCurvePoint(ctx.report, c.w[j], c.qc[j]);
        }
    }
}

// Soil resistance per unit length becomes force per station.
void toForcePerStation(StationData& st, double h) {
    for (int k = 0; k < st.curveCount; ++k) {
        Curve& c = st.curves[static_cast<std::size_t>(k)];
        for (int i = 0; i < c.pointCount; ++i)
            c.qc[static_cast<std::size_t>(i)] *= h;
    }
}

} // namespace

// SOILDATA after the curve generation: the curve count, the user curves passed through (skipped),
// then per generated curve (depth, point count) and its points (index, p, y), joined into one
// two-sided curve at the station of its depth. Returns the number of generated curves.
int readGeneratedCurves(RunContext& ctx, int userCurves, double* depths,
                        std::optional<std::size_t> writtenBytes) {
    EngineState& s = ctx.state;
    StationData& st = s.stations;
    const WallRecord& wall = s.wall;
    std::string text;
    readScratchFile(ctx.scratchPath(kCurveFile).string(), kCurveFile, writtenBytes, text);
    ScratchRecords in;
    in.reset(std::move(text), kCurveFile);
    const int count = in.integer();
    if (count > kMaxCurves) tooMuchData();
    if (userCurves == 0 && count <= 0) writeNoRows(ctx.report);
    int generated = 0;
    for (int k = 0; k < count; ++k) {
        if (k < userCurves) {
            double head[2]; // station, point count
            in.numbers(head, 2);
            const int points = nearestInteger(head[1]);
            for (int i = 0; i < points; ++i)
                in.skipRecord();
            continue;
        }
        double head[2];
        in.numbers(head, 2);
        const double depth = head[0];
        const int points = userCurves == 0 ? kGeneratedFilePoints : nearestInteger(head[1]);
        if (points > kGeneratedFilePoints) tooMuchData();
        double p[kGeneratedFilePoints + 1] = {}, y[kGeneratedFilePoints + 1] = {};
        for (int i = 1; i <= points; ++i) {
            double v[3];
            in.numbers(v, 3); // index, p, y
            p[i] = v[1];
            y[i] = v[2];
        }
        const int station = nearestInteger(depth / wall.incrementLength);
        requireStoredStation(station, wall.increments);
        Curve& c = nextCurve(st);
        c.firstStation = c.lastStation = station;
        c.continuation = 1;
        c.pointCount = kJoinedPoints;
        // Backfill side reversed to negative deflections, then the excavation side; file point 1
        // (the excavation side's origin) is shared with the backfill side's and not used.
        for (int i = 1; i <= kSidePoints; ++i) {
            c.w[static_cast<std::size_t>(i - 1)] = -y[35 - i];
            c.qc[static_cast<std::size_t>(i - 1)] = p[35 - i];
        }
        for (int i = kSidePoints + 1; i <= kJoinedPoints; ++i) {
            c.w[static_cast<std::size_t>(i - 1)] = y[i - 16];
            c.qc[static_cast<std::size_t>(i - 1)] = -p[i - 16];
        }
        depths[generated++] = depth;
    }
    return generated;
}

void readUserCurves(RunContext& ctx) {
    const ControlRecord& control = ctx.state.control;
    ctx.state.stations.curveCount = 0;
    if (control.userCurveCount > 0) readUserCurveRecords(ctx, control.pyOption == 2);
}

void finishCurves(RunContext& ctx, const double* generatedDepths) {
    EngineState& s = ctx.state;
    const int m = s.control.userCurveCount;
    const int py = s.control.pyOption;
    const int units = s.control.unitSystem;
    if (m == 0 && py != 2) {
        if (py == 0) writeNoCurvesBlock(ctx.plot, units);
        return;
    }
    if (py == 2)
        writeCurveBlock(ctx.plot, s.stations, units,
                        m == 0 ? CurveForm::generated : CurveForm::mixed, generatedDepths);
    else
        writeCurveBlock(ctx.plot, s.stations, units, CurveForm::user, nullptr);
    toForcePerStation(s.stations, s.wall.incrementLength);
}

} // namespace tervane
