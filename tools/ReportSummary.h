#pragma once
// What a finished run's output report says, read back from its text: per problem its title, the
// iteration it ended at and whether it closed, its extreme results with their depths and the
// equilibrium of its net reactions; for the run, the error-stop line when a problem stopped and
// the warnings written. The report is the engine's only account of a run, so tervane-run tells
// its user what happened from it.

#include <string>
#include <vector>

namespace tervane::runner {

// A value of the results table and the depth of its station.
struct AtDepth {
    double value = 0.0;
    double depth = 0.0;
};

struct ProblemSummary {
    int number = 0;    // 1, 2, ... in the order of the report
    std::string title; // the title line, leading and trailing blanks removed
    // Warning lines written in this problem's part of the report: those that say "WARNING" and
    // the iteration's lines (not closed, off the curves, allowable deflection exceeded).
    int warnings = 0;

    bool reachedResults = false; // the results table was written
    int iterations = 0;
    bool closed = false;      // no "SOLUTION NOT CLOSED" line
    bool offCurves = false;   // "DEFLECTION OFF Q - W CURVES"
    int exceededStations = 0; // stations beyond the allowable deflection
    std::string lengthUnit;   // labels as the table heads its columns: "IN", "M", "L"
    std::string forceUnit;    // "LBS", "KN", "F"
    std::string momentUnit;   // "LBS-IN", "KN-M", "F-L"

    int stations = 0; // rows of the table
    double topDeflection = 0.0;
    AtDepth maxDeflection, maxMoment, maxShear, maxReaction; // largest in magnitude, signed
    // Equilibrium of the net reactions per station: their sum and the sum of their moments about
    // the top of the wall, each beside the sum of the magnitudes it is measured against.
    double forceSum = 0.0, forceScale = 0.0;
    double momentSum = 0.0, momentScale = 0.0;

    double forceBalance() const { return forceScale > 0.0 ? forceSum / forceScale : 0.0; }
    double momentBalance() const { return momentScale > 0.0 ? momentSum / momentScale : 0.0; }
};

struct ReportSummary {
    std::vector<ProblemSummary> problems;
    bool endOfAnalysis = false; // "END OF ANALYSIS" was written
    // The report's error-stop text (blanks at the ends removed; several lines joined by one
    // blank) when the run's last problem stopped; empty when every problem reached its results.
    std::string stopText;
    int warnings = 0;

    bool stopped() const { return !stopText.empty(); }
};

ReportSummary summariseReport(const std::string& reportText);

} // namespace tervane::runner
