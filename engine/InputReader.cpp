#include "InputReader.h"

#include "EngineErrors.h"
#include "ReportEcho.h"
#include "StationBuilder.h"

#include <algorithm>
#include <limits>
#include <string>

namespace tervane {
namespace {

constexpr const char* kNegativeCount = "     ERROR STOP -- A COUNT OF THE CONTROL DATA IS NEGATIVE";
constexpr const char* kBadPYOption = "     ERROR STOP -- P-Y CURVE OPTION MUST BE 0, 1 OR 2";
constexpr const char* kBadLoadOption = "     ERROR STOP -- LOAD OPTION MUST NOT BE NEGATIVE";
constexpr const char* kNoIncrements =
    "     ERROR STOP -- NUMBER OF INCREMENTS MUST BE GREATER THAN ZERO";
constexpr const char* kNoIncrementLength =
    "     ERROR STOP -- INCREMENT LENGTH MUST BE GREATER THAN ZERO";

constexpr const char* kShortMomentEICurve =
    "     ERROR STOP -- A MOMENT-EI CURVE NEEDS AT LEAST TWO POINTS";

// Surcharge distances and widths come in millimetres in SI units.
constexpr double kMillimetresPerMetre = 1000.0;

void tooMuchData() {
    throw ProblemStop(kTooMuchData, 2);
}

// One read of n reals into consecutive values.
template <std::size_t n> std::array<double, n> readReals(FreeReader& in) {
    std::array<double, n> v{};
    in.reals(v.data(), static_cast<int>(n));
    return v;
}

// One read of a row count; a negative count stops the problem, naming what it counts.
int readCount(FreeReader& in, const char* what) {
    in.begin();
    const int n = in.integer();
    in.end();
    if (n < 0)
        throw ProblemStop(std::string("     ERROR STOP -- NUMBER OF ") + what +
                          " MUST NOT BE NEGATIVE");
    return n;
}

// Rows of the spring table handed to the earth-pressure stage: the first and the last row give
// the depths of the top and bottom supports (a row over several stations: its first station).
void noteSupportRow(StationData& st, const WallRecord& wall, long long row, long long rows,
                    int from, int to) {
    const bool single = from == to;
    const double depth = static_cast<double>(from) * wall.incrementLength;
    if (row == 0) {
        st.firstSupportSingle = single;
        st.firstSupportDepth = depth;
    }
    if (row == rows - 1) {
        st.lastSupportSingle = single;
        st.lastSupportDepth = depth;
    }
}

} // namespace

void checkControlRecord(const ControlRecord& c) {
    for (int n : {c.restraintCount, c.stiffnessCount, c.modifierCount, c.userCurveCount,
                  c.stageCount, c.momentEICount, c.tiebackCount})
        if (n < 0) throw ProblemStop(kNegativeCount);
    if (c.loadOption < 0) throw ProblemStop(kBadLoadOption);
    if (c.pyOption < 0 || c.pyOption > 2) throw ProblemStop(kBadPYOption);
}

void readWallRecord(RunContext& ctx) {
    WallRecord& w = ctx.state.wall;
    FreeReader& in = ctx.data;
    in.begin();
    w.increments = in.integer();
    w.incrementLength = in.real();
    w.maxDeflection = in.real();
    w.tolerance = in.real();
    w.freeHeight = in.real();
    w.activeWidth = in.real();
    in.end();
    writeWallLines(ctx.report, w, ctx.state.labels);
    if (w.increments <= 0) throw ProblemStop(kNoIncrements);
    if (w.increments > kMaxIncrements) tooMuchData();
    if (!(w.incrementLength > 0.0)) throw ProblemStop(kNoIncrementLength);
}

void readRestraints(RunContext& ctx) {
    const int count = ctx.state.control.restraintCount;
    if (count <= 0) {
        writeNoRows(ctx.report);
        return;
    }
    writeRestraintHeading(ctx.report);
    if (count > kMaxSpecifiedPoints) tooMuchData();
    int admissible = -1; // the lowest station the next row may name
    for (int k = 0; k < count; ++k) {
        FreeReader& in = ctx.data;
        in.begin();
        const int caseCode = in.integer();
        const int station = in.integer();
        const double deflection = in.real();
        const double slope = in.real();
        in.end();
        if (station < admissible) throw ProblemStop(kStationsNotInOrder);
        admissible = station;
        writeRestraintRow(ctx.report, station, caseCode, deflection, slope);
        addSpecifiedPoint(ctx.state.stations, ctx.state.wall.increments, station, caseCode,
                          deflection, slope);
    }
}

void readStiffnessAndLoads(RunContext& ctx) {
    EngineState& s = ctx.state;
    StationData& st = s.stations;
    const WallRecord& wall = s.wall;
    const int n = wall.increments;
    FreeReader& in = ctx.data;
    writeStiffnessHeading(ctx.report, s.labels);

    // Stiffness rows (from, to, mode, EI).
    RangeSpreader stiffness(st, n, {&st.F, nullptr, nullptr});
    if (s.control.stiffnessCount == 0) writeNoRows(ctx.report);
    for (int k = 0; k < s.control.stiffnessCount; ++k) {
        in.begin();
        const int from = in.integer(), to = in.integer(), mode = in.integer();
        const double ei = in.real();
        in.end();
        const int previous = stiffness.addRow(from, to, mode, {ei, 0.0, 0.0});
        writeTableRow(ctx.report, previous, from, to, mode, {ei, 0, 0, 0, 0, 0});
    }

    // Concentrated loads (mode, from, to, lateral load, moment, axial load); the axial load is
    // stored with its sign reversed.
    const int loads = readCount(in, "CONCENTRATED LOADS");
    RangeSpreader loadRows(st, n, {&st.Q, &st.T, &st.P});
    for (int k = 0; k < loads; ++k) {
        in.begin();
        const int mode = in.integer(), from = in.integer(), to = in.integer();
        const double lateral = in.real(), moment = in.real(), axial = in.real();
        in.end();
        requireStoredStation(from, n);
        requireStoredStation(to, n);
        const int previous = loadRows.addRow(from, to, mode, {lateral, moment, -axial});
        if (moment != 0.0) {
            if (st.coupleCount >= kMaxConcentratedCouples) tooMuchData();
            st.couples[static_cast<std::size_t>(st.coupleCount++)] = {from, moment};
        }
        writeTableRow(ctx.report, previous, from, to, mode,
                      {st.F[from], lateral, 0, moment, 0, axial});
    }

    // Springs (from, to, mode, lateral, rotational), then tiebacks as single-station springs.
    const int springs = readCount(in, "SPRINGS");
    // Rows of the spring table: both counts may be as large as an int holds.
    const long long rows = static_cast<long long>(springs) + s.control.tiebackCount;
    st.supportRows = static_cast<int>(std::min<long long>(rows, std::numeric_limits<int>::max()));
    RangeSpreader springRows(st, n, {&st.S, &st.R, nullptr});
    for (int k = 0; k < springs; ++k) {
        in.begin();
        const int from = in.integer(), to = in.integer(), mode = in.integer();
        const double lateral = in.real(), rotational = in.real();
        in.end();
        requireStoredStation(from, n);
        requireStoredStation(to, n);
        const int previous = springRows.addRow(from, to, mode, {lateral, rotational, 0.0});
        noteSupportRow(st, wall, k, rows, from, to);
        writeTableRow(ctx.report, previous, from, to, mode,
                      {st.F[from], 0, lateral, 0, rotational, 0});
    }
    for (int k = 0; k < s.control.tiebackCount; ++k) {
        const auto v = readReals<6>(in); // depth, area, modulus, unbonded length, angle, spacing
        const TiebackSpring t =
            tiebackSpring(s.control.unitSystem, wall, v[0], v[1], v[2], v[3], v[4], v[5]);
        const int previous = springRows.addRow(t.station, t.station, 1, {t.stiffness, 0.0, 0.0});
        noteSupportRow(st, wall, static_cast<long long>(springs) + k, rows, t.station, t.station);
        writeTableRow(ctx.report, previous, t.station, t.station, 1,
                      {st.F[t.station], 0, t.stiffness, 0, 0, 0});
    }
}

void readModifiers(RunContext& ctx) {
    ModifierTable& m = ctx.state.modifiers;
    const int count = ctx.state.control.modifierCount;
    if (count > kMaxModifierRows) tooMuchData();
    m.count = count;
    for (int k = 0; k < count; ++k) {
        const auto v = readReals<3>(ctx.data);
        const std::size_t i = static_cast<std::size_t>(k);
        m.depth[i] = v[0];
        m.pMultiplier[i] = v[1];
        m.yMultiplier[i] = v[2];
    }
}

void readSoilRecord(RunContext& ctx) {
    SoilInput& soil = ctx.state.soil;
    FreeReader& in = ctx.data;
    in.begin();
    soil.freeHeight = in.real();
    soil.activeWidth = in.real();
    soil.pyWidth = in.real();
    soil.waterDepthBackfill = in.real();
    soil.waterDepthExcavation = in.real();
    soil.activePressureFactor = in.real();
    soil.pressureCode = in.integer();
    soil.backfillSlope = in.real();
    in.end();

    const auto q = readReals<6>(in);
    soil.uniformSurcharge = q[0];
    soil.surchargeDistance = q[1];
    soil.pointLoad = q[2];
    soil.lineLoad = q[3];
    soil.stripLoad = q[4];
    soil.stripWidth = q[5];

    const int surcharges = readCount(in, "SURCHARGE LOADS");
    if (surcharges > kMaxSurchargeRows) tooMuchData();
    soil.surchargeCount = surcharges;
    // Distances and widths come in millimetres in SI units: divided by 1000 (not multiplied by
    // 0.001, which is one unit in the last place off for many values).
    const double perMetre = ctx.state.control.unitSystem == 2 ? kMillimetresPerMetre : 1.0;
    for (int k = 0; k < soil.surchargeCount; ++k) {
        SurchargeRow& r = soil.surcharges[static_cast<std::size_t>(k)];
        in.begin();
        r.type = in.integer();
        r.magnitude = in.real();
        r.distance = in.real() / perMetre;
        r.width = in.real() / perMetre;
        in.end();
    }

    const int layers = readCount(in, "SOIL LAYERS");
    if (layers > kMaxSoilLayers) tooMuchData();
    soil.layerCount = layers;
    double previousBottom = 0.0;
    for (int k = 0; k < soil.layerCount; ++k) {
        SoilLayerRecord& l = soil.layers[static_cast<std::size_t>(k)];
        in.begin();
        l.type = in.integer();
        l.bottomDepth = in.real();
        in.end();
        l.thickness = l.bottomDepth - previousBottom;
        previousBottom = l.bottomDepth;
        l.top = readReals<6>(in);
        l.bottom = readReals<6>(in);
    }
}

void readMomentEISets(RunContext& ctx) {
    StationData& st = ctx.state.stations;
    const int n = ctx.state.wall.increments;
    const int count = ctx.state.control.momentEICount;
    if (count > kMaxMomentEISets) tooMuchData();
    st.momentEICount = 0;
    for (int k = 0; k < count; ++k) {
        MomentEISet& set = st.momentEI[static_cast<std::size_t>(k)];
        FreeReader& in = ctx.data;
        in.begin();
        set.firstStation = in.integer();
        set.lastStation = in.integer();
        set.pointCount = in.integer();
        in.end();
        // Each station j of a set takes its curvature from j-1 .. j+1.
        for (int j :
             {set.firstStation - 1, set.lastStation - 1, set.firstStation + 1, set.lastStation + 1})
            requireStoredStation(j, n);
        if (set.pointCount > kMaxMomentEIPoints) tooMuchData();
        if (set.pointCount < 2) throw ProblemStop(kShortMomentEICurve);
        for (int i = 0; i < set.pointCount; ++i) {
            const auto v = readReals<2>(in);
            set.moment[static_cast<std::size_t>(i)] = v[0];
            set.ei[static_cast<std::size_t>(i)] = v[1];
        }
        st.momentEICount = k + 1;
    }
}

} // namespace tervane
