// The curve generation stage as a whole: SOILDATA layout, report sections, offsets, equivalent
// depth below a first layer, thin layers and the stops.

#include "EngineErrors.h"
#include "EngineHarness.h"
#include "EngineState.h"
#include "RunContext.h"
#include "SoilTestData.h"
#include "TestSupport.h"
#include "soil/CurveTables.h"
#include "soil/PYCurve.h"
#include "soil/SoilStages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

using namespace tervane;
using soiltest::addLayer;
using testsupport::lines;
using testsupport::readFile;
using testsupport::TempDir;

namespace {

// Runs the curve generation alone on a state set up in code.
class StageRun {
public:
    StageRun() : m_state(std::make_unique<EngineState>()) {
        EngineState& s = *m_state;
        s.control.unitSystem = 1;
        s.control.pyOption = 2;
        s.labels = UnitLabels::forSystem(1);
        s.wall.increments = 100;
        s.wall.incrementLength = 6; // wall 600 long: strength data down to x = 612 - 120
        s.soil = soiltest::wall(120, 1000);
        s.soil.activeWidth = 60; // Wa/Wp = 2.5
        s.soil.pyWidth = 24;
    }
    EngineState& state() { return *m_state; }

    void run() {
        TextOut report, plot, notes;
        report.open((m_dir / "report.txt").string());
        FreeReader data;
        RunContext ctx{*m_state, data, report, plot, notes, m_dir.path()};
        runCurveGeneration(ctx);
        report.close();
        m_report = readFile(m_dir / "report.txt");
        m_soilData = lines(readFile(m_dir / "SOILDATA"));
    }
    const std::string& report() const { return m_report; }
    const std::vector<std::string>& soilData() const { return m_soilData; }

    // Point i (1..34) of curve set `set` (0-based) as (p, y), assuming no user curves.
    std::pair<double, double> point(int set, int i) const {
        const std::string& l = m_soilData[static_cast<std::size_t>(1 + set * 35 + i)];
        char* end = nullptr;
        std::strtol(l.c_str(), &end, 10);
        const double p = std::strtod(end, &end);
        const double y = std::strtod(end, &end);
        return {p, y};
    }
    double depth(int set) const {
        return std::strtod(m_soilData[static_cast<std::size_t>(1 + set * 35)].c_str(), nullptr);
    }

private:
    TempDir m_dir;
    std::unique_ptr<EngineState> m_state;
    std::string m_report;
    std::vector<std::string> m_soilData;
};

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(what); pos != std::string::npos;
         pos = text.find(what, pos + 1))
        ++n;
    return n;
}

} // namespace

TEST(CurveGeneration, SoilDataLayoutAndReportSections) {
    StageRun run;
    // Soft clay from the excavation level to x = 120, sand below it.
    addLayer(run.state().soil, 1, 240, 0.04, 10, 0, 0.02, 0);
    addLayer(run.state().soil, 4, 600, 0.06, 0, 30, 0, 100);
    run.run();
    const auto& f = run.soilData();
    // Count record m + 5 NP, then per curve depth (H + x, 34) and 34 point records.
    ASSERT_EQ(f.size(), 1u + 10u * 35u);
    EXPECT_EQ(f[0], " 10");
    EXPECT_EQ(f[1], " 120.1 34");
    EXPECT_EQ(f[2], "    1  0.000E+00  0.000E+00");
    EXPECT_EQ(f[2].size(), 27u);
    EXPECT_EQ(f[1 + 5 * 35], " 240.1 34");
    EXPECT_EQ(f[1 + 4 * 35], " 239.9 34");
    // Excavation side 1..17, backfill side 1..17.
    EXPECT_EQ(f[18].substr(0, 5), "   17");
    EXPECT_EQ(f[19].substr(0, 5), "    1");

    const std::string& r = run.report();
    EXPECT_NE(r.find("SOIL LAYERS AND STRENGTH DATA"), std::string::npos);
    EXPECT_NE(r.find("\n        P-Y CURVES DATA\n\n"), std::string::npos);
    EXPECT_EQ(r.find("REDUCTION FACTORS"), std::string::npos); // no modification table
    EXPECT_EQ(count(r, "         AT THE EXCAVATION SIDE\n"), 10u);
    EXPECT_EQ(count(r, "         AT THE BACKFILL SIDE\n"), 10u);
    // The closely-spaced reduction 0.5292 * 2.5^0.5659 = 0.8888 on every curve.
    EXPECT_EQ(count(r, " P-Multiplier =  0.889E+00 Y-Multiplier =  0.100E+01"), 20u);

    // Soft clay at x = 60 (set 2, point 17 of the excavation side): pu = 1077.6 times 0.8888,
    // no offset without an earth-pressure stage.
    EXPECT_NEAR(run.point(2, 17).first, 0.958E+03, 0.5);
    EXPECT_NEAR(run.point(2, 17).second, 0.240E+02, 1e-9);
}

TEST(CurveGeneration, SandBelowClayStartsAtItsEquivalentDepth) {
    // The first sand curve (x = 120.1) on the excavation side: its ultimate resistance as
    // written, against the sand's own resistance 0.1 below its top (no layer above) and at
    // 120.1 (sand up to the excavation level). A strong clay above carries the sand deeper than
    // its real depth, a weak one less deep, and either way deeper than its top.
    CurveSite s;
    s.b = 24;
    s.phi = 30 * static_cast<double>(3.1416f) / 180;
    s.gamma = 0.06;
    s.k = 100;
    s.zr = 120.1;
    s.xw = 120.1;
    s.ratio = 2.5;
    s.z = 0.1;
    const double atTop = sandCurve(s).pu;
    s.z = 120.1;
    const double fromExcavation = sandCurve(s).pu;
    const double pm = 0.5292 * std::pow(2.5, 0.5659);
    for (double c : {10.0, 1.0}) {
        StageRun run;
        addLayer(run.state().soil, 1, 240, 0.04, c, 0, 0.02, 0);
        addLayer(run.state().soil, 4, 600, 0.06, 0, 30, 0, 100);
        run.run();
        const double written = run.point(5, 17).first / pm;
        EXPECT_GT(written, 10.0 * atTop) << c;
        if (c > 5)
            EXPECT_GT(written, fromExcavation);
        else
            EXPECT_LT(written, fromExcavation);
    }
}

TEST(CurveGeneration, OffsetOnlyWithThisProblemsEarthPressure) {
    for (int loadOption : {0, 2}) {
        StageRun run;
        run.state().control.loadOption = loadOption;
        run.state().soilProfiles.sigvH = 5.0; // left by an earlier problem when loadOption is 0
        addLayer(run.state().soil, 4, 600, 0.06, 0, 30, 0, 100);
        run.run();
        // Sand: offset = b SIGV_H Ka = 24 * 5 * tan^2(45 - 15 deg).
        const double ka = std::pow(
            std::tan(static_cast<double>(3.1416f) / 4 - 15 * static_cast<double>(3.1416f) / 180),
            2);
        const double offset = loadOption > 1 ? 24 * 5 * ka : 0.0;
        EXPECT_NEAR(run.point(0, 1).first, -offset, 5e-3) << loadOption;
        EXPECT_NEAR(run.point(0, 18).first, offset, 5e-3) << loadOption;
    }
}

TEST(CurveGeneration, ThinLayerCurvesStayInDepthOrder) {
    StageRun run;
    addLayer(run.state().soil, 3, 240, 0.04, 10, 0, 0.02, 0);
    addLayer(run.state().soil, 3, 240.2, 0.04, 12, 0, 0.02, 0); // 0.2 thick, offset d = 0.1
    addLayer(run.state().soil, 2, 600, 0.05, 20, 0, 0.005, 500);
    run.run();
    ASSERT_EQ(run.soilData().size(), 1u + 15u * 35u);
    for (int set = 1; set < 15; ++set)
        EXPECT_GT(run.depth(set), run.depth(set - 1)) << set;
    // The thin layer's five depths lie inside it: 240.025, 240.05, 240.1, 240.15, 240.175.
    EXPECT_NEAR(run.depth(5), 240.025, 1e-12);
    EXPECT_NEAR(run.depth(9), 240.175, 1e-12);
}

TEST(CurveGeneration, ModificationTableEchoAndPerTypeRecordLayouts) {
    StageRun run;
    ModifierTable& t = run.state().modifiers;
    t.count = 2;
    t.depth[0] = 120;
    t.pMultiplier[0] = 0.5;
    t.yMultiplier[0] = 1.0;
    t.depth[1] = 400;
    t.pMultiplier[1] = 1.0;
    t.yMultiplier[1] = 2.0;
    addLayer(run.state().soil, 5, 240, 0.06, 2, 30, 0.01, 100);
    addLayer(run.state().soil, 6, 400, 0.09, 1000, 0, 0, 0);
    addLayer(run.state().soil, 7, 600, 0.09, 1000, 0, 0.0005, 10000, 50);
    run.run();
    const std::string& r = run.report();
    EXPECT_NE(r.find("\n         REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS\n" +
                     std::string(40, ' ') +
                     "\n             DEPTH     P-FACTOR     Y-FACTOR        \n\n"
                     "             120.00      0.50        1.00\n"
                     "             400.00      1.00        2.00\n"),
              std::string::npos);
    EXPECT_NE(r.find("Pu\xED\n"), std::string::npos);
    const auto& f = run.soilData();
    EXPECT_EQ(f[2].size(), 29u);           // silt: two blanks before each value
    EXPECT_EQ(f[2 + 5 * 35].size(), 26u);  // strong rock: none before y
    EXPECT_EQ(f[2 + 10 * 35].size(), 29u); // weak rock: two blanks
    // Strong rock: 5 headings of its own per side, no side titles.
    EXPECT_EQ(count(r, "DEPTH-EXCAVATION SIDE"), 5u);
    EXPECT_EQ(count(r, "AT THE EXCAVATION SIDE"), 10u);
    // The y-multiplier interpolates between the rows: 1 + (H + x - 120) / 280 at H + x = 180 on
    // the silt's last deflection yu + 3b = 72.9.
    EXPECT_NEAR(run.point(2, 17).second, 72.9 * (1 + 60.0 / 280), 0.05);
}

TEST(CurveGeneration, StopsForUndefinedCurves) {
    {
        StageRun run; // weak rock without strength below its first curve depth
        addLayer(run.state().soil, 7, 600, 0.09, 0, 0, 0.0005, 10000, 50);
        EXPECT_THROW(run.run(), FatalStop);
    }
    {
        StageRun run; // clay with E50 = 0 in its second layer
        addLayer(run.state().soil, 1, 240, 0.04, 10, 0, 0.02, 0);
        addLayer(run.state().soil, 1, 600, 0.04, 10, 0, 0.0, 0);
        try {
            run.run();
            FAIL() << "no stop";
        } catch (const ProblemStop& stop) {
            EXPECT_NE(stop.reportText().find("P-Y LAYER 2"), std::string::npos);
        }
    }
    {
        StageRun run;
        run.state().soil.pyWidth = 0.0;
        addLayer(run.state().soil, 4, 600, 0.06, 0, 30, 0, 100);
        EXPECT_THROW(run.run(), ProblemStop);
    }
}

TEST(CurveGeneration, GeneratedCurvesReachTheSolverThroughTheEntry) {
    // Cantilever 480 long, H = 120, soft clay over sand, generated curves only (load option 0,
    // a point load at the top); the run reads SOILDATA back and solves on the 10 curve sets.
    const std::string data = "Generated curves\r\n"
                             "1 0\t1\t0\t0\t2 0 1 0 0\r\n"
                             "40 12\t100\t0.0001\t120\t60\r\n"
                             "0\t40\t1\t3E10\r\n"
                             "1\r\n"
                             "1\t0\t0\t2000\t0\t0\r\n"
                             "0\r\n"
                             "120\t60\t24\t1000\t1000\t1\t1\t0\r\n"
                             "0\t0\t0\t0\t0\t0\r\n"
                             "0\r\n"
                             "2\r\n"
                             "1 300 \r\n0.04 10 0.0  0.02 0 0 \r\n0.04 10 0.0  0.02 0 0 \r\n"
                             "4 600 \r\n0.06 0.0  30 0.0  100 0 \r\n0.06 0.0  30 0.0  100 0 \r\n"
                             "0\r\n";
    testsupport::EngineHarness engine;
    const testsupport::EngineOutput out = engine.run(data);
    EXPECT_EQ(out.result, 0);
    EXPECT_NE(out.report.find("P-Y CURVES DATA"), std::string::npos);
    EXPECT_EQ(out.report.find("ERROR"), std::string::npos);
    EXPECT_EQ(out.report.find("STOP"), std::string::npos);
    EXPECT_EQ(engine.state().stations.curveCount, 10);
    // The joined curve of the first set: backfill side reversed to negative deflections.
    const Curve& first = engine.state().stations.curves[0];
    EXPECT_EQ(first.pointCount, 33);
    EXPECT_EQ(first.firstStation, 10); // H + 0.1 = 120.1 -> station 10
    EXPECT_LT(first.w[0], 0.0);
    EXPECT_GT(first.w[32], 0.0);
    EXPECT_NE(out.report.find("RESULTS"), std::string::npos);
}
