#include "ReportSummary.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace tervane::runner {
namespace {

// Lines the engine writes in fixed form.
constexpr std::string_view kBanner = "  TERVANE for Windows, Version ";
constexpr std::string_view kDateLine = "Date:  ";
constexpr std::string_view kResults = "     RESULTS -- ITERATION";
constexpr std::string_view kTableHeading = "   STA I      X";
constexpr std::string_view kNotClosed = "SOLUTION NOT CLOSED WITHIN";
constexpr std::string_view kOffCurves = "DEFLECTION OFF Q - W CURVES";
constexpr std::string_view kExceeded = "MAX ALLOWABLE DEFLECTION EXCEEDED AT ***";
constexpr std::string_view kEnd = "     END OF ANALYSIS";
constexpr std::string_view kWarning = "WARNING";

// Columns of the unit line under the table heading: the length label (3 wide) at 12, the force
// label of the moment (3), "-" and its length label (2) at 46, the shear's force label (4) at 59.
constexpr std::size_t kLengthColumn = 12, kLengthWidth = 3;
constexpr std::size_t kMomentColumn = 46, kMomentWidth = 6;
constexpr std::size_t kForceColumn = 59, kForceWidth = 4;

// A table row: station, depth, deflection, slope, moment, shear, net reaction, EI.
constexpr int kRowValues = 8;

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view l = text.substr(start, end - start);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        out.push_back(l);
        start = end + 1;
    }
    return out;
}

std::string trimmed(std::string_view s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    const std::size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string withoutBlanks(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

std::string field(std::string_view line, std::size_t column, std::size_t width) {
    return column < line.size() ? withoutBlanks(line.substr(column, width)) : std::string();
}

bool isBlank(std::string_view l) {
    return l.find_first_not_of(' ') == std::string_view::npos;
}

bool contains(std::string_view l, std::string_view what) {
    return l.find(what) != std::string_view::npos;
}

bool startsWith(std::string_view l, std::string_view what) {
    return l.substr(0, what.size()) == what;
}

// The numbers of a table row; false when the line is not one (a heading, a rule, a field the
// engine filled with asterisks).
bool tableRow(std::string_view line, double (&v)[kRowValues]) {
    std::string text(line);
    const char* p = text.c_str();
    for (double& x : v) {
        char* end = nullptr;
        x = std::strtod(p, &end);
        if (end == p) return false;
        p = end;
    }
    return isBlank(p);
}

void keepLargest(AtDepth& a, double value, double depth, bool first) {
    if (first || std::fabs(value) > std::fabs(a.value)) a = {value, depth};
}

// The results section of one problem, from its "RESULTS -- ITERATION" line on.
void readResults(const std::vector<std::string_view>& l, std::size_t at, std::size_t end,
                 ProblemSummary& p) {
    p.reachedResults = true;
    p.iterations = std::atoi(std::string(l[at].substr(kResults.size())).c_str());
    p.closed = true;
    std::size_t k = at + 1;
    // The iteration's own warnings stand between the heading and the table, one a line; each
    // counts as a warning of the problem like the soil data's "WARNING" lines.
    for (; k < end && !startsWith(l[k], kTableHeading); ++k) {
        if (contains(l[k], kNotClosed)) {
            p.closed = false;
            ++p.warnings;
        }
        if (contains(l[k], kOffCurves)) {
            p.offCurves = true;
            ++p.warnings;
        }
        if (const std::size_t e = l[k].find(kExceeded); e != std::string_view::npos) {
            p.exceededStations = std::atoi(std::string(l[k].substr(e + kExceeded.size())).c_str());
            ++p.warnings;
        }
    }
    if (k + 1 < end) {
        const std::string_view units = l[k + 1];
        p.lengthUnit = field(units, kLengthColumn, kLengthWidth);
        p.momentUnit = field(units, kMomentColumn, kMomentWidth);
        p.forceUnit = field(units, kForceColumn, kForceWidth);
    }
    double v[kRowValues];
    for (k += 2; k < end; ++k) {
        if (!tableRow(l[k], v)) {
            if (p.stations > 0) break; // the rows end with the table
            continue;                  // the rule under the unit line
        }
        const double depth = v[1], deflection = v[2], moment = v[4], shear = v[5], reaction = v[6];
        const bool first = p.stations == 0;
        if (first) p.topDeflection = deflection;
        keepLargest(p.maxDeflection, deflection, depth, first);
        keepLargest(p.maxMoment, moment, depth, first);
        keepLargest(p.maxShear, shear, depth, first);
        keepLargest(p.maxReaction, reaction, depth, first);
        p.forceSum += reaction;
        p.forceScale += std::fabs(reaction);
        p.momentSum += reaction * depth;
        p.momentScale += std::fabs(reaction * depth);
        ++p.stations;
    }
}

// One problem: the lines from its banner to the next problem's banner.
ProblemSummary readProblem(const std::vector<std::string_view>& l, std::size_t begin,
                           std::size_t end, int number) {
    ProblemSummary p;
    p.number = number;
    std::size_t results = end;
    for (std::size_t k = begin; k < end; ++k) {
        if (contains(l[k], kWarning)) ++p.warnings;
        if (results == end && startsWith(l[k], kResults)) results = k;
        // The header's title line: the first line after the date line that holds text.
        if (p.title.empty() && contains(l[k], kDateLine)) {
            for (std::size_t t = k + 1; t < end && t < k + 3; ++t)
                if (!isBlank(l[t])) p.title = trimmed(l[t]);
        }
    }
    if (results == end) return p;
    // The title line written again before the results names later problems as the report does
    // ("Long Term :", "Stage No :").
    for (std::size_t t = results; t-- > begin;) {
        if (!isBlank(l[t])) {
            p.title = trimmed(l[t]);
            break;
        }
    }
    readResults(l, results, end, p);
    return p;
}

// The error stop, if the run's last paragraph before "END OF ANALYSIS" (or before the end of a
// report that has none) is not the results table.
std::string stopText(const std::vector<std::string_view>& l, std::size_t end) {
    std::size_t last = end;
    while (last > 0 && isBlank(l[last - 1]))
        --last;
    std::size_t first = last;
    while (first > 0 && !isBlank(l[first - 1]))
        --first;
    if (first == last) return {};
    double v[kRowValues];
    if (startsWith(l[first], kTableHeading) || tableRow(l[last - 1], v)) return {};
    std::string text;
    for (std::size_t k = first; k < last; ++k) {
        if (!text.empty()) text += ' ';
        text += trimmed(l[k]);
    }
    return text;
}

} // namespace

ReportSummary summariseReport(const std::string& reportText) {
    const std::vector<std::string_view> l = splitLines(reportText);
    ReportSummary s;
    std::vector<std::size_t> starts;
    std::size_t end = l.size();
    for (std::size_t k = 0; k < l.size(); ++k) {
        if (contains(l[k], kBanner)) starts.push_back(k);
        if (l[k] == kEnd) {
            s.endOfAnalysis = true;
            end = k;
        }
    }
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t to = k + 1 < starts.size() ? starts[k + 1] : end;
        s.problems.push_back(readProblem(l, starts[k], to, static_cast<int>(k) + 1));
        s.warnings += s.problems.back().warnings;
    }
    s.stopText = stopText(l, end);
    return s;
}

} // namespace tervane::runner
