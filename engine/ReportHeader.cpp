#include "ReportHeader.h"

#include "FixedFields.h"

#include <charconv>
#include <cstdlib>

namespace tervane {
namespace {

constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};

std::string rule(char c) { return std::string(5, ' ') + std::string(73, c); }

std::string rtrim(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

std::size_t lastSeparator(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash;
}

} // namespace

std::tm analysisTime() {
    std::tm out{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        long long seconds = 0;
        const char* end = epoch;
        while (*end) ++end;
        const auto [ptr, ec] = std::from_chars(epoch, end, seconds);
        if (ec == std::errc() && ptr == end && seconds >= 0) {
            const std::time_t t = static_cast<std::time_t>(seconds);
            gmtime_r(&t, &out);
            return out;
        }
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &out);
    return out;
}

std::string folderOf(const std::string& path) {
    const std::string p = rtrim(path);
    const std::size_t slash = lastSeparator(p);
    return slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
    const std::string p = rtrim(path);
    const std::size_t slash = lastSeparator(p);
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string titleLine(const RunState& run, const ControlRecord& control) {
    fixed::Line l;
    l.x(6);
    if (control.stageCount < 2) {
        if (run.problemNumber <= 1) l.a(run.currentTitle, kTitleReadLength);
        else l.text("Long Term :").x(2).a(run.firstTitle, kTitleReadLength);
    } else {
        l.text("Stage No :").i(run.problemNumber, 2).x(2).a(run.firstTitle, kTitleReadLength);
    }
    return std::string(l.view());
}

void writeReportHeader(TextOut& report, const RunState& run, const ControlRecord& control,
                       const std::tm& when) {
    if (run.problemNumber > 1) report.emptyLines(2);
    const std::string indent(20, ' ');
    report.line(rule('='));
    report.emptyLines(1);
    report.line(indent + "  TERVANE for Windows, Version " +
                std::string(fixed::Line().a(run.versionText, kVersionTextLength).view()));
    report.emptyLines(1);
    report.line(indent + "   A Program for the Analysis of ");
    report.line(indent + "   Flexible Retaining Walls ");
    report.emptyLines(1);
    report.line(rule('='));
    report.emptyLines(2);

    const std::string five(5, ' ');
    report.line(five + "Path to file locations      : " + rtrim(folderOf(run.paths[0])));
    report.line(five + "Name of input data file     : " + nameOf(run.paths[0]));
    report.line(five + "Name of output file         : " + nameOf(run.paths[1]));
    report.line(five + "Name of plot output file    : " + nameOf(run.paths[2]));
    report.emptyLines(1);

    report.line(rule('-'));
    report.line(std::string(26, ' ') + "Time and Date of Analysis");
    report.line(rule('-'));
    report.emptyLines(1);
    const int month = (when.tm_mon >= 0 && when.tm_mon < 12) ? when.tm_mon : 0;
    fixed::Line date;
    date.x(15)
        .text("Date:  ")
        .text(kMonthNames[month])
        .x(1)
        .i(when.tm_mday, 2, 2)
        .text(", ")
        .i(when.tm_year + 1900, 4)
        .x(5)
        .text("Time:  ")
        .i(when.tm_hour, 2, 2)
        .text(":")
        .i(when.tm_min, 2, 2)
        .text(":")
        .i(when.tm_sec, 2, 2);
    report.line(date.view());

    report.emptyLines(1);
    report.line(titleLine(run, control));
}

} // namespace tervane
