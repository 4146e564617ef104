// The iteration driver of the beam-column solver: repeated linear solutions with the curves
// linearised at the last deflections and the stiffness updated from the moment-stiffness sets,
// until the deflections close, a deflection exceeds the allowable one or the iteration limit is
// reached. One monitor line per iteration goes to the run-notes file.

#include "Solver.h"

#include "BandedRecursion.h"
#include "CurveLinearisation.h"
#include "EngineErrors.h"
#include "FixedFields.h"
#include "MomentStiffness.h"

#include <cmath>
#include <cstring>

namespace tervane {

namespace {

constexpr const char* kMonitorTitle = "     ITERATION MONITOR DATA";
constexpr const char* kMonitorRule = "     ----------------------";
constexpr int kMonitorBlankLines = 3;
constexpr const char* kOnCurve = "NO       ";
constexpr const char* kOffCurve = "YES      ";

// Report text of a wall whose increments cannot be stored or whose increment length is not a
// positive number (the input reader stops such walls before they reach the solver).
constexpr const char* kInvalidIncrements =
    "     ERROR STOP -- NUMBER OR LENGTH OF INCREMENTS NOT POSITIVE";
constexpr int kTooMuchDataBlankLines = 2;

void checkWall(const WallRecord& wall) {
    if (wall.increments > kMaxIncrements) throw ProblemStop(kTooMuchData, kTooMuchDataBlankLines);
    if (wall.increments < 1 || !(wall.incrementLength > 0.0) ||
        !std::isfinite(wall.incrementLength))
        throw ProblemStop(kInvalidIncrements);
}

// 3X, I4 iteration, 7X, "NO"+7X or "YES"+6X, I4 open count, 2X, 5E10.3 w(1..5). The line is
// built in the reserved buffer of the working arrays, so writing it allocates nothing.
void writeMonitorLine(TextOut& notes, std::string& text, int iteration, bool offCurve,
                      int openCount, const StationArray<double>& w) {
    text.clear();
    fixed::appendX(text, 3);
    fixed::appendI(text, iteration, 4);
    fixed::appendX(text, 7);
    text.append(offCurve ? kOffCurve : kOnCurve);
    fixed::appendI(text, openCount, 4);
    fixed::appendX(text, 2);
    for (int s = 1; s <= kMonitorStations; ++s)
        fixed::appendE(text, w[s], 10, 3);
    notes.line(text);
}

// A deflection that is not a number counts as exceeding the allowable one and as not closed,
// so a failed solution is never reported as a converged one.
bool beyond(double value, double limit) {
    return !(std::fabs(value) <= limit);
}

// True when this iteration's equations are the last solution's: the same stiffness, and the
// curves linearised on the same segments give bit for bit the same Q' and S' (a segment's line
// does not depend on where on it the deflection lies). The recursion is a function of those
// alone, so its deflections would be the last ones, which w still holds. Typically the
// iteration that confirms a closed solution.
bool repeatsLastSolution(const SolverWork& work) {
    const auto same = [](const StationArray<double>& a, const StationArray<double>& b) {
        return std::memcmp(&a, &b, sizeof a) == 0;
    };
    return work.solvedStands && same(work.qWork, work.qSolved) && same(work.sWork, work.sSolved);
}

} // namespace

SolverOutcome solveWall(const WallRecord& wall, int maxIterations, StationData& st,
                        SolverWork& work, TextOut& notes) {
    checkWall(wall);
    const int n = wall.increments;
    const double h = wall.incrementLength;
    const int limit = maxIterations < 1 ? 1 : maxIterations;
    const bool hasMomentSets = st.momentEICount > 0;

    notes.emptyLines(kMonitorBlankLines);
    notes.line(kMonitorTitle);
    notes.line(kMonitorRule);
    work.monitorText.reserve(kMonitorLineLength + 1);

    work.w.fill(0.0);
    work.w0.fill(0.0);
    work.solvedStands = false;
    // The curves' points stay as they are through the iterations.
    prepareCurves(st, work.curves);
    prepareEquationTerms(st, h, n, work.equations);

    SolverOutcome outcome;
    for (int iteration = 1;; ++iteration) {
        // Working loads and springs: the station data plus the curves' linear substitutes at
        // the deflections of the previous iteration.
        work.qWork = st.Q;
        work.sWork = st.S;
        bool offCurve = false;
        linearizeCurves(st, n, work.w, work.qWork, work.sWork, offCurve, &work.curves);

        work.wPrev = work.w;
        if (!repeatsLastSolution(work)) {
            solveRecursion(st, wall, work);
            work.qSolved = work.qWork;
            work.sSolved = work.sWork;
            work.solvedStands = true;
        }

        int exceedCount = 0;
        int openCount = 0;
        for (int s = 0; s <= n; ++s) {
            if (beyond(work.w[s], wall.maxDeflection)) ++exceedCount;
            if (beyond(work.w[s] - work.wPrev[s], wall.tolerance)) ++openCount;
        }
        writeMonitorLine(notes, work.monitorText, iteration, offCurve, openCount, work.w);
        outcome = {iteration, exceedCount, openCount, offCurve};

        if (exceedCount > 0) break;
        if (openCount == 0) {
            if (!hasMomentSets) break;
            // Closed on the current stiffness: done when the deflections have not moved since
            // the last stiffness update, else update the stiffness and go on.
            int moved = 0;
            for (int s = 0; s <= n; ++s)
                if (beyond(work.w[s] - work.w0[s], wall.tolerance)) ++moved;
            if (moved == 0) break;
            work.w0 = work.w;
            updateStiffness(st, n, h, work.w);
            prepareEquationTerms(st, h, n, work.equations);
            work.solvedStands = false;
        }
        if (iteration >= limit) break;
    }
    return outcome;
}

} // namespace tervane
