#include "ProblemAnalysis.h"

#include "InputReader.h"
#include "ReportEcho.h"
#include "ResultsReport.h"
#include "Solver.h"
#include "StationBuilder.h"

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

    const bool soilRead = control.loadOption > 1 || control.pyOption == 2;
    if (soilRead) readSoilRecord(ctx);
    buildDistributedLoad(ctx, soilRead);
    // Every problem, whether it has a distributed load or not: data below the wall's end would
    // enter the equations of the stations around the tip.
    checkNothingBeyondEnd(s.stations, s.wall.increments);

    readCurves(ctx);
    readMomentEISets(ctx);

    s.solverOutcome =
        solveWall(s.wall, s.defaults.maxIterations, s.stations, s.solverWork, ctx.notes);
    computeResults(s.wall, s.stations, s.solverWork, s.stationResults);
    writeResultsTable(ctx.report, s, s.solverOutcome, s.stationResults);
    storeResultRows(s.results, s.wall.increments, s.stationResults);
}

} // namespace tervane
