#pragma once
// Runs the earth-pressure stage on an engine state set up in code, in a private working folder,
// and returns the report, run notes and QKTEMP.001 it wrote.

#include "FreeReader.h"
#include "ReportLines.h"
#include "RunContext.h"
#include "SoilTestData.h"
#include "TestSupport.h"
#include "soil/SoilStages.h"

#include <memory>

namespace soiltest {

struct StageRun {
    testsupport::TempDir dir;
    std::unique_ptr<tervane::EngineState> state = std::make_unique<tervane::EngineState>();
    std::string report, notes, qktemp;

    // Unit system, load option and the wall of record 3 (N increments of h).
    StageRun(int unitSystem, int loadOption, int increments, double h) {
        state->control.unitSystem = unitSystem;
        state->control.loadOption = loadOption;
        state->labels = tervane::UnitLabels::forSystem(unitSystem);
        state->wall.increments = increments;
        state->wall.incrementLength = h;
    }
    tervane::SoilInput& soil() { return state->soil; }

    void run() {
        tervane::FreeReader data;
        tervane::TextOut r, p, n;
        r.open((dir / "report.txt").string());
        p.open((dir / "plot.txt").string());
        n.open((dir / "notes.txt").string());
        tervane::RunContext ctx{*state, data, r, p, n, dir.path()};
        try {
            tervane::runEarthPressureStage(ctx);
        } catch (...) {
            finish(r, p, n);
            throw;
        }
        finish(r, p, n);
    }
    std::vector<std::string> reportLines() const { return testsupport::lines(report); }
    std::vector<std::string> qkLines() const { return testsupport::lines(qktemp); }

private:
    void finish(tervane::TextOut& r, tervane::TextOut& p, tervane::TextOut& n) {
        r.close();
        p.close();
        n.close();
        report = testsupport::readFile(dir / "report.txt");
        notes = testsupport::readFile(dir / "notes.txt");
        qktemp = testsupport::readFile(dir / "QKTEMP.001");
    }
};

} // namespace soiltest
