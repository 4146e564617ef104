#pragma once
// The engine's process-wide storage: run-level state and the state of the current problem, all of
// fixed capacity. The exported entry drives one static instance; tests drive their own.

#include "Capacities.h"
#include "ProblemInput.h"
#include "SolverWork.h"
#include "StationData.h"
#include "UnitLabels.h"
#include "soil/SoilInput.h"
#include "soil/SoilProfile.h"

#include <array>
#include <cstdint>
#include <string>

namespace tervane {

// Record 2 of a problem: ten integers.
struct ControlRecord {
    std::int32_t unitSystem = 1;
    std::int32_t restraintCount = 0;
    std::int32_t stiffnessCount = 0;
    std::int32_t modifierCount = 0;
    std::int32_t loadOption = 0;
    std::int32_t pyOption = 0;
    std::int32_t userCurveCount = 0;
    std::int32_t stageCount = 1;
    std::int32_t momentEICount = 0;
    std::int32_t tiebackCount = 0;
};

// The wall's response at stations 0 .. N+1, as the last problem that reached its results left it.
struct ResultRows {
    int count = 0;
    std::array<double, kMaxResultRows> depth{};
    std::array<double, kMaxResultRows> deflection{};
    std::array<double, kMaxResultRows> moment{};
    std::array<double, kMaxResultRows> shear{};
    std::array<double, kMaxResultRows> reaction{};
};

struct RunState {
    std::string versionText;          // first 12 characters of NAMES.dat line 1
    std::array<std::string, 4> paths; // data, report, plot, run notes
    int problemNumber = 0;
    std::string currentTitle = std::string(kTitleLength, ' ');
    std::string firstTitle = std::string(kTitleLength, ' ');
    int plotMarker = 1;
    int continuation = 0;
};

// Values every problem starts from, set right after its title has been read.
struct ProblemDefaults {
    int maxIterations = 100;
    double userPMultiplier = 1.0;
    double userYMultiplier = 1.0;
};

struct EngineState {
    RunState run;
    ControlRecord control;
    UnitLabels labels;
    ProblemDefaults defaults;
    ResultRows results;

    WallRecord wall;
    ModifierTable modifiers;
    DistributedLoadTable distributedLoad;
    SoilInput soil;
    SoilProfiles soilProfiles;
    StationData stations;
    SolverWork solverWork;
    SolverOutcome solverOutcome;
    StationResults stationResults;
};

} // namespace tervane
