#include "RunControl.h"

#include "Console.h"
#include "EngineErrors.h"
#include "FreeReader.h"
#include "PlotResults.h"
#include "ProblemAnalysis.h"
#include "ReportHeader.h"
#include "RunContext.h"
#include "TextOut.h"

#include <cstdio>
#include <fstream>

namespace tervane {
namespace {

constexpr const char* kEmptyDataFile = "     ERROR STOP -- THE INPUT DATA FILE IS EMPTY";

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
    return s;
}

// Reads NAMES.dat. Returns false when the file cannot be opened; missing path lines are left
// blank after the console message.
bool readNames(const std::filesystem::path& workDir, RunState& run) {
    std::ifstream in(workDir / "NAMES.dat", std::ios::binary);
    if (!in) {
        consoleLine(
            " NAMES.dat COULD NOT BE OPENED IN THE WORKING FOLDER -- NOTHING WAS ANALYSED.");
        return false;
    }
    std::string line;
    std::getline(in, line);
    run.versionText = trimRight(line).substr(0, kVersionTextLength);
    for (auto& p : run.paths)
        p.clear();
    for (std::size_t k = 0; k < run.paths.size(); ++k) {
        if (!std::getline(in, line)) {
            consoleLine(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT");
            consoleLine(" BEFORE COMPUTATION.  TRY IT AGAIN!");
            break;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        run.paths[k] = trimRight(line.substr(0, kPathLength));
    }
    return true;
}

std::string resolve(const std::filesystem::path& workDir, const std::string& path) {
    const std::filesystem::path p(path);
    return (p.is_absolute() ? p : workDir / p).string();
}

void cannotOpen(const char* what, const std::string& path) {
    consoleLine(std::string(" THE ") + what + " COULD NOT BE OPENED: " + path);
}

void writeStop(TextOut& report, const ProblemStop& stop) {
    report.emptyLines(2);
    report.line(stop.reportText());
    report.emptyLines(stop.blankLinesAfter());
}

// The problem loop. Returns normally at the end of the run's problems or after an error stop.
void problemLoop(RunContext& ctx) {
    EngineState& s = ctx.state;
    RunState& run = s.run;
    run.problemNumber = 0;
    run.plotMarker = 1;
    s.results.count = 0;
    // The final result block carries the unit system of the last control record read in this
    // run; before any, that of the per-problem defaults.
    s.control = ControlRecord{};
    try {
        if (ctx.data.atEnd()) throw ProblemStop(kEmptyDataFile);
        for (;;) {
            run.currentTitle = ctx.data.fixedText(kTitleReadLength) +
                               std::string(kTitleLength - kTitleReadLength, ' ');
            ++run.problemNumber;
            if (run.problemNumber == 1) run.firstTitle = run.currentTitle;

            s.defaults = ProblemDefaults{};
            run.continuation = 0;

            std::int32_t c[10];
            ctx.data.integers(c, 10);
            s.control = ControlRecord{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9]};
            s.labels = UnitLabels::forSystem(s.control.unitSystem);
            writeReportHeader(ctx.report, run, s.control, analysisTime());

            analyseProblemBody(ctx);

            ctx.data.begin();
            run.continuation = ctx.data.integer();
            ctx.data.end();
            if (run.continuation == s.control.stageCount) run.continuation = 0;
            if (run.continuation == 0) break;
            run.plotMarker = run.continuation == 9 ? 2 : s.control.stageCount;
            writeResultBlock(ctx.plot, run.plotMarker, s.results, s.control.unitSystem);
        }
    } catch (const ProblemStop& stop) {
        writeStop(ctx.report, stop);
        run.continuation = 0;
    }
}

// A file that could not be written ends the run here: the console names it; the report, unless
// it is the file that failed, tells it too. The other files close unchecked with their TextOut.
void endOnFileFailure(const FileFailure& failure, TextOut& report) {
    consoleLine(failure.consoleText());
    if (report.failed() || !report.isOpen()) return;
    try {
        report.emptyLines(2);
        report.line(failure.reportText());
        report.finish();
    } catch (const FileFailure&) {
        // The report failed as well; the console line already tells what went wrong first.
    }
}

} // namespace

int performRun(EngineState& state, const std::filesystem::path& workDir) {
    ConsoleSession consoleSession;
    RunState& run = state.run;
    state.soilProfiles.sigvH = 0.0; // no earth-pressure stage has run in this run yet
    if (!readNames(workDir, run)) return kResultFatalStop;

    FreeReader data;
    if (run.paths[0].empty() || !data.loadFile(resolve(workDir, run.paths[0]), "DATA FILE")) {
        cannotOpen("INPUT DATA FILE", run.paths[0]);
        return kResultFatalStop;
    }
    TextOut report, plot, notes;
    const char* what[3] = {"OUTPUT FILE", "PLOT FILE", "RUN-NOTES FILE"};
    TextOut* outs[3] = {&report, &plot, &notes};
    for (std::size_t k = 0; k < 3; ++k) {
        if (run.paths[k + 1].empty() ||
            !outs[k]->open(resolve(workDir, run.paths[k + 1]), what[k])) {
            cannotOpen(what[k], run.paths[k + 1]);
            return kResultFatalStop; // what was opened closes with its TextOut
        }
    }
    {
        // A diagnostic file without content: a folder that refuses it does not stop the run.
        TextOut debug;
        debug.open((workDir / "debug.dat").string());
    }

    RunContext ctx{state, data, report, plot, notes, workDir};
    try {
        try {
            problemLoop(ctx);
        } catch (const FatalStop& fatal) {
            consoleLine(fatal.message());
            report.emptyLines(2);
            report.line(fatal.message());
            plot.finish();
            notes.finish();
            report.finish();
            return kResultFatalStop;
        }
        // The plot file and the run notes are complete before the report says the analysis
        // ended, so a failure of theirs never follows an "END OF ANALYSIS".
        writeResultBlock(plot, run.plotMarker, state.results, state.control.unitSystem);
        plot.finish();
        notes.finish();
        report.emptyLines(3);
        report.line("     END OF ANALYSIS");
        report.finish();
        return kResultCompleted;
    } catch (const FileFailure& failure) {
        endOnFileFailure(failure, report);
        return kResultFatalStop;
    }
}

} // namespace tervane
