#pragma once
// How tervane-run shows a run: the outcome lines of each project, and the summary of each
// problem as text for a reader or as one JSON object per line for scripts.

#include "EngineRunner.h"
#include "ReportSummary.h"

#include <string>

namespace tervane::runner {

// The process exit status of one project's run: 0 when every problem reached its results, 1
// when a problem stopped on an input error, 2 when the run could not be made or did not reach
// its end (missing project or library, interface mismatch, a file that could not be written, a
// fatal stop).
int exitStatus(const RunResult& run, const ReportSummary& report);

// "wall.tv5d: analysis completed, 2 problems, 1 warning" and the paths of the three files, or
// "wall.tv5d: analysis stopped, ..." with the report's error-stop line.
std::string outcomeText(const std::string& project, const RunResult& run,
                        const ReportSummary& report);

// The summary of one problem, indented under the outcome lines, values with their unit labels.
std::string problemText(const ProblemSummary& p, const ReportSummary& report, bool last);

// The same as one JSON object on one line; values the report could not give are null.
std::string problemJson(const std::string& project, const ProblemSummary& p,
                        const ReportSummary& report, bool last);

// A project whose run wrote no problem at all (an empty data file, a run that could not start):
// one JSON object with problem 0, so a script still gets a line per project.
std::string runJson(const std::string& project, const RunResult& run, const ReportSummary& report);

// JSON string literal of `text`, quotes included.
std::string jsonString(const std::string& text);

} // namespace tervane::runner
