#include "ProblemAnalysis.h"

#include "InputReader.h"
#include "ReportEcho.h"
#include "ResultsReport.h"
#include "Solver.h"
#include "StationBuilder.h"
#include "soil/SoilStages.h"

namespace tervane {

void analyseProblemBody(RunContext& ctx) {
    EngineState& s = ctx.state;
    const ControlRecord& control = s.control;

    writeControlSection(ctx.report, control);
    checkControlRecord(control);
    readWallRecord(ctx);
    resetStations(s.stations);

    readRestraints(ctx);
    readStiffnessAndLoads(ctx);
    readModifiers(ctx);
    readDistributedLoad(ctx);

    // Record 13 belongs to problems that generate pressures or curves.
    const bool soilRead = control.loadOption > 1 || control.pyOption == 2;
    if (soilRead) readSoilRecord(ctx);

    // Earth pressure: the stage leaves its table in QKTEMP.001, read back whole.
    if (control.loadOption > 1) {
        const std::size_t written = runEarthPressureStage(ctx);
        readGeneratedTable(ctx, written);
    } else if (soilRead) {
        addSurchargeToUserTable(ctx);
    }
    applyDistributedLoad(ctx);
    // Every problem, whether it has a distributed load or not: data below the wall's end would
    // enter the equations of the stations around the tip.
    checkNothingBeyondEnd(s.stations, s.wall.increments);

    // Soil resistance curves: the user's, then the generated ones through SOILDATA.
    readUserCurves(ctx);
    double generatedDepths[kMaxCurves] = {};
    if (control.pyOption == 2) {
        const std::size_t written = runCurveGeneration(ctx);
        readGeneratedCurves(ctx, control.userCurveCount, generatedDepths, written);
    }
    finishCurves(ctx, generatedDepths);
    readMomentEISets(ctx);

    s.solverOutcome =
        solveWall(s.wall, s.defaults.maxIterations, s.stations, s.solverWork, ctx.notes);
    computeResults(s.wall, s.stations, s.solverWork, s.stationResults);
    writeResultsTable(ctx.report, s, s.solverOutcome, s.stationResults);
    storeResultRows(s.results, s.wall.increments, s.stationResults);
}

} // namespace tervane
