#pragma once
// Reading the records of one problem after its control record, in the order of the data file.
// Each step stores what it reads in the engine state, writes its echo to the report and hands
// the tables to the station builder. Every count is checked against its capacity before a row
// is stored; errors stop the problem (ProblemStop).

#include "RunContext.h"

#include <cstddef>
#include <optional>

namespace tervane {

// Counts of the control record that cannot be negative, and the option values this engine knows.
void checkControlRecord(const ControlRecord& control);

// Record 3 and its echo; the number of increments and their length must be positive and the
// wall must fit the station store.
void readWallRecord(RunContext& ctx);

// Specified deflections and slopes (record 4).
void readRestraints(RunContext& ctx);

// Stiffness rows, concentrated loads, springs and tiebacks (records 5 to 10) with their echo.
void readStiffnessAndLoads(RunContext& ctx);

// p-y modification factors (record 11).
void readModifiers(RunContext& ctx);

// Wall, water, surcharge and soil-layer data (record 13) into state.soil.
void readSoilRecord(RunContext& ctx);

// Moment-stiffness sets (record 15).
void readMomentEISets(RunContext& ctx);

// Distributed load, around the earth-pressure stage that the problem's analysis runs between
// them: the user's table (record 12) read and echoed; then, for a user table under surcharge
// rows of record 13, their pressure added to it; then plot block 1 and the loads at the
// stations.
void readDistributedLoad(RunContext& ctx);
void addSurchargeToUserTable(RunContext& ctx);
void applyDistributedLoad(RunContext& ctx);

// The scratch tables the soil stages leave in the working folder, read back: QKTEMP.001 into the
// distributed-load table (echoed), SOILDATA's generated curves appended to the curve table
// (depths of the generated curves into `depths`, returns their number). `writtenBytes`, when
// known, is what the stage wrote: a file found shorter or longer throws FileFailure.
void readGeneratedTable(RunContext& ctx, std::optional<std::size_t> writtenBytes = {});
int readGeneratedCurves(RunContext& ctx, int userCurves, double* depths,
                        std::optional<std::size_t> writtenBytes = {});

// Soil resistance curves, around the curve generation that the problem's analysis runs between
// them: the user's curves of record 14 read and echoed; then, after SOILDATA has been read back
// (readGeneratedCurves), plot block 2 and the curve table in force per station. `generatedDepths`
// holds the depths of the generated curves (unused without them).
void readUserCurves(RunContext& ctx);
void finishCurves(RunContext& ctx, const double* generatedDepths);

} // namespace tervane
