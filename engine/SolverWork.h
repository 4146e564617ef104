#pragma once
// What the beam-column solver works in and hands back: its working arrays, sized for the largest
// wall once, the outcome of the iteration and the results per station. Kept apart from the
// solver's functions so that the engine state holds them without the solver.

#include "CurveLinearisation.h"
#include "FiniteDifferenceEquations.h"
#include "StationData.h"

#include <array>
#include <cstddef>
#include <string>

namespace tervane {

// Columns of one iteration monitor line: iteration number, off-curve flag, open count and the
// deflections of stations 1 to 5.
inline constexpr int kMonitorStations = 5;
inline constexpr std::size_t kMonitorLineLength = 3 + 4 + 7 + 9 + 4 + 2 + kMonitorStations * 10;

// Working arrays of the solver, sized for the largest wall once.
struct SolverWork {
    StationArray<double> w;       // deflection of the current iteration
    StationArray<double> wPrev;   // deflection of the previous iteration
    StationArray<double> w0;      // deflection at the last moment-stiffness update
    StationArray<double> qWork;   // Q' of the current iteration
    StationArray<double> sWork;   // S' of the current iteration
    // Q' and S' of the last iteration that solved the equations, and whether its deflections in
    // w are still the solution of those equations on the current stiffness.
    StationArray<double> qSolved, sSolved;
    bool solvedStands = false;
    StationArray<double> A, B, C; // recursion coefficients: w(s) = A w(s+2) + B w(s+1) + C

    // The natural recursion of the station that opened a specified slope (boundary code 3),
    // kept until its closing station (code 5) two stations further down.
    int slopeOpenStation = 0;
    bool slopeOpen = false;
    double k3 = 0.0, A3 = 0.0, B3 = 0.0, C3 = 0.0;

    std::string monitorText; // buffer of the monitor line, reserved once per solution

    // The curve table prepared for the iterations, once per solution.
    CurveTableCache curves;
    // The equations' terms of the current stiffness, prepared again when it changes.
    FixedEquationTerms equations;
};

struct SolverOutcome {
    int iterations = 0;  // iteration number reached (at most the iteration limit)
    int exceedCount = 0; // stations with |w| > Dmax (or not a number) in the last iteration
    int openCount = 0;   // stations whose deflection changed by more than tol in the last one
    bool offCurve = false;
};

// Results per station s = -1 .. N+1 after the last iteration.
struct StationResults {
    StationArray<double> x, deflection, slope, moment, shear, reaction, stiffness;
};

} // namespace tervane
