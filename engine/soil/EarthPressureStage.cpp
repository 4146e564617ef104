// The earth-pressure stage: from the soil layers of record 13 to the pressure table that the
// driver reads back from QKTEMP.001, with the stage's report sections on the way.

#include "EngineErrors.h"
#include "FixedFields.h"
#include "RunContext.h"
#include "soil/SoilEcho.h"
#include "soil/SoilProfile.h"
#include "soil/SoilReport.h"
#include "soil/SoilStages.h"
#include "soil/Surcharge.h"

namespace tervane {
namespace {

constexpr int kTrapezoidalLoads = 3;

void writeNoSupportWarning(TextOut& notes, TextOut& report) {
    for (TextOut* out : {&notes, &report}) {
        out->emptyLines(2);
        out->line("**** WARNING ******");
        out->line("NO SUPPORT DEFINES THE TRAPEZOIDAL PRESSURE DIAGRAM OF LOAD OPTION 3;");
        out->line("THE TRIANGULAR (SOIL-DERIVED) PRESSURE DISTRIBUTION IS USED.");
    }
}

void writeRow(TextOut& out, const PressureTable& t, int r) {
    const auto i = static_cast<std::size_t>(r);
    out.line(fixed::Line()
                 .x(5)
                 .e(t.depth[i], 10, 3)
                 .x(4)
                 .e(t.total[i], 10, 3)
                 .x(4)
                 .e(t.earth[i], 10, 3)
                 .x(4)
                 .e(t.surcharge[i], 10, 3)
                 .view());
}

// QKTEMP.001: the row count, then the rows; with the trapezoid, rows 1..iH and then iH..last
// (the excavation-level row twice). Returns the bytes written.
std::size_t writePressureFile(const RunContext& ctx, const PressureTable& t, bool trapezoid) {
    TextOut file;
    file.create(ctx.scratchPath("QKTEMP.001").string(), "SCRATCH FILE QKTEMP.001");
    file.freeInts({t.countRecord});
    if (!trapezoid) {
        for (int r = 1; r <= t.count; ++r)
            writeRow(file, t, r);
    } else {
        for (int r = 1; r <= t.excavationRow; ++r)
            writeRow(file, t, r);
        for (int r = t.excavationRow; r <= t.count; ++r)
            writeRow(file, t, r);
    }
    file.finish();
    return file.bytesWritten();
}

} // namespace

std::size_t runEarthPressureStage(RunContext& ctx) {
    EngineState& s = ctx.state;
    const SoilInput& soil = s.soil;
    const int loadOption = s.control.loadOption;
    if (loadOption > kTrapezoidalLoads)
        throw ProblemStop("     ERROR STOP -- LOAD OPTION MUST BE 0, 1, 2 OR 3");
    if (!(soil.freeHeight > 0.0))
        throw ProblemStop(
            "     ERROR STOP -- GENERATED EARTH PRESSURE NEEDS A FREE HEIGHT GREATER THAN ZERO");

    SoilProfiles& p = s.soilProfiles;
    LayerTable& layers = p.layers;
    subdivideLayers(soil, s.control.unitSystem, layers);
    writeWallEcho(ctx.report, soil, layers.gammaW, s.labels);
    writeSurchargeEcho(ctx.report, soil, s.labels);
    writeSoilEcho(ctx.report, layers, s.control.unitSystem);
    if (layers.overFull)
        throw FatalStop("     STOP 2 -- TOO MANY SOIL LAYERS AFTER THE SUBDIVISION", 2);
    if (layers.excavationRow == 0)
        throw FatalStop("     STOP 1 -- THE EXCAVATION LEVEL LIES BELOW THE SOIL PROFILE", 1);

    resetActivePressure(layers, p.active);
    computeOverburden(soil, layers);
    writeOverburdenEcho(ctx.report, layers, s.labels);
    p.sigvH = layers.sigvAtExcavation();

    computeCoefficients(soil, layers, p.active, ctx.report, ctx.notes);
    computeLayerForces(layers, p.active, s.labels, ctx.report);

    buildPressureTable(s, layers, p.active, p.pressure);
    bool trapezoid = false;
    if (loadOption == kTrapezoidalLoads) {
        const StationData& st = s.stations;
        const SupportDepths supports{st.supportRows, st.firstSupportDepth, st.lastSupportDepth};
        trapezoid = applyTrapezoid(p.pressure, soil.freeHeight, supports);
        if (!trapezoid) writeNoSupportWarning(ctx.notes, ctx.report);
    }
    return writePressureFile(ctx, p.pressure, trapezoid);
}

} // namespace tervane
