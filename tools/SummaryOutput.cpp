#include "SummaryOutput.h"

#include <cmath>
#include <cstdio>

namespace tervane::runner {
namespace {

std::string plural(int n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

// The report's values carry three significant digits; the summary shows as many.
std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2E", v);
    return text;
}

std::string jsonNumber(double v) {
    if (!std::isfinite(v)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

std::string atDepthText(const AtDepth& a, const std::string& unit, const std::string& length) {
    return number(a.value) + " " + unit + " at " + number(a.depth) + " " + length;
}

std::string atDepthJson(const AtDepth& a) {
    return "{\"value\":" + jsonNumber(a.value) + ",\"depth\":" + jsonNumber(a.depth) + "}";
}

// Whether the run's error stop belongs to this problem: it ends the run, so the last one.
bool stoppedHere(const ReportSummary& report, bool last) {
    return last && report.stopped();
}

// "not closed within the tolerance, allowable deflection exceeded at 8 stations" and the like:
// what the results table's heading says of the solution beyond its iteration number.
std::string solutionFlaws(const ProblemSummary& p) {
    std::string out = p.closed ? "" : ", not closed within the tolerance";
    if (p.offCurves) out += ", deflection off the p-y curves";
    if (p.exceededStations > 0)
        out += ", allowable deflection exceeded at " + plural(p.exceededStations, "station");
    return out;
}

} // namespace

int exitStatus(const RunResult& run, const ReportSummary& report) {
    if (run.outcome != RunOutcome::Completed) return 2;
    return report.stopped() ? 1 : 0;
}

std::string outcomeText(const std::string& project, const RunResult& run,
                        const ReportSummary& report) {
    const std::string counts = plural(static_cast<int>(report.problems.size()), "problem") + ", " +
                               plural(report.warnings, "warning");
    std::string out = project + ": analysis ";
    if (run.outcome == RunOutcome::Completed && !report.stopped()) {
        out += "completed, " + counts + "\n";
        // A solution that did not close or ran past the allowable deflection still has results;
        // whoever reads only these lines must not take them for a wall that holds.
        for (const ProblemSummary& p : report.problems)
            if (p.reachedResults && !solutionFlaws(p).empty())
                out += "  problem " + std::to_string(p.number) + ": " + solutionFlaws(p).substr(2) +
                       "\n";
    } else {
        out += "stopped, " + counts + "\n";
        if (report.stopped()) out += "  " + report.stopText + "\n";
    }
    out += "  report:    " + run.report.string() + "\n";
    out += "  plot data: " + run.plot.string() + "\n";
    out += "  run notes: " + run.notes.string() + "\n";
    return out;
}

std::string problemText(const ProblemSummary& p, const ReportSummary& report, bool last) {
    std::string out = "  problem " + std::to_string(p.number) + ": " + p.title + "\n";
    if (!p.reachedResults) {
        out += "    no results";
        out += stoppedHere(report, last) ? ": " + report.stopText + "\n" : "\n";
        out += "    warnings:           " + std::to_string(p.warnings) + "\n";
        return out;
    }
    const std::string& len = p.lengthUnit;
    out += "    iterations:         " + std::to_string(p.iterations) +
           (p.closed ? ", closed" : "") + solutionFlaws(p) + "\n";
    out += "    top deflection:     " + number(p.topDeflection) + " " + len + "\n";
    out += "    largest deflection: " + atDepthText(p.maxDeflection, len, len) + "\n";
    out += "    largest moment:     " + atDepthText(p.maxMoment, p.momentUnit, len) + "\n";
    out += "    largest shear:      " + atDepthText(p.maxShear, p.forceUnit, len) + "\n";
    out += "    largest reaction:   " + atDepthText(p.maxReaction, p.forceUnit, len) +
           " (net soil reaction per station)\n";
    // Balance of the net reactions: their sum, and the sum of their moments about the top, each
    // as it stands and as a share of the sum of magnitudes it is measured against.
    out += "    force balance:      sum of net reactions " + number(p.forceSum) + " " +
           p.forceUnit + ", " + number(p.forceBalance()) + " of their magnitudes " +
           number(p.forceScale) + " " + p.forceUnit + "\n";
    out += "    moment balance:     their moments about the top " + number(p.momentSum) + " " +
           p.momentUnit + ", " + number(p.momentBalance()) + " of " + number(p.momentScale) + " " +
           p.momentUnit + "\n";
    if (stoppedHere(report, last))
        out += "    stopped after its results: " + report.stopText + "\n";
    out += "    warnings:           " + std::to_string(p.warnings) + "\n";
    return out;
}

std::string problemJson(const std::string& project, const ProblemSummary& p,
                        const ReportSummary& report, bool last) {
    const bool stopped = stoppedHere(report, last);
    std::string j = "{\"project\":" + jsonString(project) +
                    ",\"problem\":" + std::to_string(p.number) +
                    ",\"title\":" + jsonString(p.title);
    j += ",\"stopped\":" + std::string(stopped ? "true" : "false");
    j += ",\"stop\":" + (stopped ? jsonString(report.stopText) : std::string("null"));
    j += ",\"warnings\":" + std::to_string(p.warnings);
    j += ",\"results\":" + std::string(p.reachedResults ? "true" : "false");
    if (p.reachedResults) {
        j += ",\"iterations\":" + std::to_string(p.iterations);
        j += ",\"closed\":" + std::string(p.closed ? "true" : "false");
        j += ",\"offCurves\":" + std::string(p.offCurves ? "true" : "false");
        j += ",\"exceededStations\":" + std::to_string(p.exceededStations);
        j += ",\"units\":{\"length\":" + jsonString(p.lengthUnit) +
             ",\"force\":" + jsonString(p.forceUnit) + ",\"moment\":" + jsonString(p.momentUnit) +
             "}";
        j += ",\"stations\":" + std::to_string(p.stations);
        j += ",\"topDeflection\":" + jsonNumber(p.topDeflection);
        j += ",\"maxDeflection\":" + atDepthJson(p.maxDeflection);
        j += ",\"maxMoment\":" + atDepthJson(p.maxMoment);
        j += ",\"maxShear\":" + atDepthJson(p.maxShear);
        j += ",\"maxReaction\":" + atDepthJson(p.maxReaction);
        j += ",\"equilibrium\":{\"forceSum\":" + jsonNumber(p.forceSum) +
             ",\"forceScale\":" + jsonNumber(p.forceScale) +
             ",\"forceBalance\":" + jsonNumber(p.forceBalance()) +
             ",\"momentSum\":" + jsonNumber(p.momentSum) +
             ",\"momentScale\":" + jsonNumber(p.momentScale) +
             ",\"momentBalance\":" + jsonNumber(p.momentBalance()) + "}";
    }
    return j + "}";
}

std::string runJson(const std::string& project, const RunResult& run, const ReportSummary& report) {
    std::string stop = report.stopText;
    if (stop.empty() && run.outcome != RunOutcome::Completed) stop = run.message;
    return "{\"project\":" + jsonString(project) + ",\"problem\":0,\"title\":null" +
           ",\"stopped\":" + (stop.empty() ? "false" : "true") +
           ",\"stop\":" + (stop.empty() ? std::string("null") : jsonString(stop)) +
           ",\"warnings\":" + std::to_string(report.warnings) + ",\"results\":false}";
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", c);
                out += esc;
            } else if (c >= 0x80) {
                // Report text is ASCII; a byte beyond it (a title typed in another code page)
                // is shown as the replacement character, keeping the line valid UTF-8.
                out += "\\ufffd";
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

} // namespace tervane::runner
