#include "ResultsReport.h"

#include "FixedFields.h"
#include "ReportHeader.h"

namespace tervane {

void writeResultsTable(TextOut& report, const EngineState& s, const SolverOutcome& outcome,
                       const StationResults& r) {
    const UnitLabels& u = s.labels;
    report.emptyLines(1);
    report.line(titleLine(s.run, s.control));

    report.emptyLines(2);
    report.line(fixed::Line().text("     RESULTS -- ITERATION").i(outcome.iterations, 3).view());
    report.line("     --------------------");
    if (outcome.offCurve) {
        report.emptyLines(1);
        report.line("     ***** DEFLECTION OFF Q - W CURVES *****");
    }
    if (outcome.exceedCount > 0) {
        report.emptyLines(1);
        report.line(fixed::Line()
                        .text("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***")
                        .i(outcome.exceedCount, 4)
                        .text("  *** STATIONS *****")
                        .view());
    }
    if (outcome.openCount > 0) {
        report.emptyLines(1);
        report.line("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
    }

    report.emptyLines(1);
    report.line("   STA I      X         DEFL.       SLOPE"
                "      MOMENT      SHEAR    NET REACT/STA    EI ");
    report.line(fixed::Line()
                    .x(12)
                    .text(u.length3)
                    .x(9)
                    .text(u.length3)
                    .x(19)
                    .text(u.force3)
                    .text("-")
                    .text(u.length2)
                    .x(7)
                    .text(u.force4)
                    .x(8)
                    .text(u.force4)
                    .x(7)
                    .text(u.force3)
                    .text("-")
                    .text(u.length2)
                    .text("**2")
                    .view());
    report.line("   ------    ----        ----       -----"
                "      ------      ------    ---------    ----------");
    fixed::Line l;
    for (int st = 0; st <= s.wall.increments; ++st) {
        l.clear();
        l.x(2).i(st, 4).x(2).e(r.x[st], 10, 3);
        for (double v : {r.deflection[st], r.slope[st], r.moment[st], r.shear[st], r.reaction[st],
                         r.stiffness[st]})
            l.e(v, 12, 3);
        report.line(l.view());
    }
}

void storeResultRows(ResultRows& rows, int increments, const StationResults& r) {
    rows.count = 0;
    for (int st = 0; st <= increments + 1 && st < kMaxResultRows; ++st) {
        const std::size_t i = static_cast<std::size_t>(st);
        rows.depth[i] = r.x[st];
        rows.deflection[i] = r.deflection[st];
        rows.moment[i] = r.moment[st];
        rows.shear[i] = r.shear[st];
        rows.reaction[i] = r.reaction[st];
        rows.count = st + 1;
    }
}

} // namespace tervane
