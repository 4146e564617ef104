// The scratch tables the soil stages leave in the working folder, read back: QKTEMP.001 into the
// distributed-load table (widths, echo and plot thinning) and SOILDATA into two-sided curves.

#include "EngineErrors.h"
#include "FixedFields.h"
#include "InputReader.h"
#include "PlotBlocks.h"
#include "ScratchRecords.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

using namespace testsupport;

namespace {

// A run context on a private folder, with the report and plot files open there.
struct Context {
    TempDir dir;
    std::unique_ptr<tervane::EngineState> state = std::make_unique<tervane::EngineState>();
    tervane::FreeReader data;
    tervane::TextOut report, plot, notes;
    tervane::RunContext ctx{*state, data, report, plot, notes, dir.path()};

    explicit Context(int units) {
        report.open((dir / "report").string());
        plot.open((dir / "plot").string());
        state->control.unitSystem = units;
        state->labels = tervane::UnitLabels::forSystem(units);
        state->wall.increments = 80;
        state->wall.incrementLength = 6.0;
        state->wall.freeHeight = 120.0;
        state->soil.freeHeight = 120.0;
        state->soil.activeWidth = 12.0;
        state->soil.pyWidth = 24.0;
    }
    std::string closeAndRead(tervane::TextOut& out, const char* name) {
        out.close();
        return readFile(dir / name);
    }
};

std::string e103(double v) {
    return tervane::fixed::Line().e(v, 10, 3).str();
}

} // namespace

TEST(ScratchTables, PressureTableTakesWidthsAndIsThinnedAboveFiftyRows) {
    Context c(1);
    // 51 rows every 5 in from 0 to 250: total 1, earth 0.75, surcharge 0.25 per unit area.
    std::string file = "51\n";
    for (int r = 0; r < 51; ++r)
        file += "     " + e103(5.0 * r) + "    " + e103(1.0) + "    " + e103(0.75) + "    " +
                e103(0.25) + "\n";
    writeFile(c.dir / "QKTEMP.001", file);
    tervane::readGeneratedTable(c.ctx);
    const tervane::DistributedLoadTable& t = c.state->distributedLoad;
    ASSERT_EQ(t.count, 51);
    EXPECT_DOUBLE_EQ(t.total[24], 12.0); // 120 in: the free height, still Wa
    EXPECT_DOUBLE_EQ(t.total[25], 24.0); // first row below it: Wp
    EXPECT_DOUBLE_EQ(t.earth[25], 18.0);
    EXPECT_DOUBLE_EQ(t.surcharge[25], 6.0);

    // Echo and block 1: rows 1, 7, ..., 49 and then 51, ten rows.
    tervane::writeLoadBlock(c.plot, t, 1, true);
    const auto plot = lines(c.closeAndRead(c.plot, "plot"));
    ASSERT_EQ(plot.size(), 11u);
    EXPECT_EQ(plot[0], " 10");
    EXPECT_EQ(plot[1], "   0.000E+00   0.120E+02   0.900E+01   0.300E+01");
    EXPECT_EQ(plot[2], "   0.300E+02   0.120E+02   0.900E+01   0.300E+01");
    EXPECT_EQ(plot[9], "   0.240E+03   0.240E+02   0.180E+02   0.600E+01");
    EXPECT_EQ(plot[10], "   0.250E+03   0.240E+02   0.180E+02   0.600E+01");
    const auto report = lines(c.closeAndRead(c.report, "report"));
    ASSERT_EQ(report.size(), 5u + 10u);
    EXPECT_EQ(report[2], "         DEPTH         ACTIVE EARTH PRESSURE");
    EXPECT_EQ(report[6], "       0.300E+02           0.120E+02");
    EXPECT_EQ(report[14], "       0.250E+03           0.240E+02");
}

TEST(ScratchTables, ThinningStepBySystemAndCapacity) {
    // SI steps by 4, other units keep every row; 50 rows are never thinned.
    int rows = 0;
    std::vector<int> taken;
    const auto take = [&](int r) { taken.push_back(r); };
    rows = tervane::forEachThinnedRow(10, 2, true, take);
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(taken, (std::vector<int>{0, 4, 8, 9}));
    taken.clear();
    EXPECT_EQ(tervane::forEachThinnedRow(13, 2, true, take), 4); // 0, 4, 8, 12: last reached
    EXPECT_EQ(tervane::forEachThinnedRow(7, 3, true, [](int) {}), 7);

    // A table too long for the distributed-load table, and one cut short: the stop comes after
    // the column heading, which is written before the file is read.
    for (const char* file : {"2001\n", "2\n0 1 1 0\n"}) {
        Context c(2);
        writeFile(c.dir / "QKTEMP.001", file);
        try {
            tervane::readGeneratedTable(c.ctx);
            FAIL() << "no stop";
        } catch (const tervane::ProblemStop& s) {
            EXPECT_EQ(s.reportText(), std::string(file) == "2001\n"
                                          ? "     TOO MUCH DATA FOR AVAILABLE STORAGE"
                                          : "     ERROR STOP -- END OF QKTEMP.001 REACHED BEFORE "
                                            "ALL DATA WERE READ");
        }
        EXPECT_EQ(lines(c.closeAndRead(c.report, "report")),
                  (std::vector<std::string>{"", "", "         DEPTH         ACTIVE EARTH PRESSURE",
                                            "           M                   KN/ M",
                                            "        --------       ------------------------"}));
    }
}

TEST(ScratchTables, GeneratedCurvesJoinBothSidesAtTheStationOfTheirDepth) {
    Context c(1);
    // One user curve passed through (skipped), then one generated set at 153 in (station 26 with
    // h = 6 rounds 25.5 up): excavation side y = 0..1.6, p = 0..-160 (p = -100 y); backfill side
    // y = 0..3.2, p = 0..320. Strong-rock style fields: no blank before y.
    std::string file = " 2\n 12 3\n 1 0 0\n 2 1 1\n 3 2 2\n 153. 34\n";
    for (int i = 1; i <= 17; ++i)
        file += tervane::fixed::Line()
                    .i(i, 5)
                    .x(1)
                    .e(-10.0 * (i - 1), 10, 3)
                    .e(0.1 * (i - 1), 10, 3)
                    .str() +
                "\n";
    for (int i = 1; i <= 17; ++i)
        file += tervane::fixed::Line()
                    .i(i, 5)
                    .x(1)
                    .e(20.0 * (i - 1), 10, 3)
                    .e(0.2 * (i - 1), 10, 3)
                    .str() +
                "\n";
    writeFile(c.dir / "SOILDATA", file);
    double depths[tervane::kMaxCurves] = {};
    c.state->stations.curveCount = 1; // the user curve, read before
    EXPECT_EQ(tervane::readGeneratedCurves(c.ctx, 1, depths), 1);
    const tervane::StationData& st = c.state->stations;
    ASSERT_EQ(st.curveCount, 2);
    const tervane::Curve& g = st.curves[1];
    EXPECT_DOUBLE_EQ(depths[0], 153.0);
    EXPECT_EQ(g.firstStation, 26);
    EXPECT_EQ(g.lastStation, 26);
    EXPECT_EQ(g.continuation, 1);
    ASSERT_EQ(g.pointCount, 33);
    // Point 1: the backfill side's last point reversed; point 17 the origin; point 33 the
    // excavation side's last point with the sign of p turned.
    EXPECT_DOUBLE_EQ(g.w[0], -3.2);
    EXPECT_DOUBLE_EQ(g.qc[0], 320.0);
    EXPECT_DOUBLE_EQ(g.w[16], 0.0);
    EXPECT_DOUBLE_EQ(g.qc[16], 0.0);
    EXPECT_DOUBLE_EQ(g.w[17], 0.1);
    EXPECT_DOUBLE_EQ(g.qc[17], 10.0);
    EXPECT_DOUBLE_EQ(g.w[32], 1.6);
    EXPECT_DOUBLE_EQ(g.qc[32], 160.0);
    for (int i = 1; i < 33; ++i)
        EXPECT_GT(g.w[i], g.w[i - 1]) << i;

    // Form B of block 2: depth F10.2 and the point count, then the points.
    c.state->stations.curves[0] = g;
    c.state->stations.curveCount = 1;
    tervane::writeCurveBlock(c.plot, c.state->stations, 1, tervane::CurveForm::generated, depths);
    const auto plot = lines(c.closeAndRead(c.plot, "plot"));
    ASSERT_EQ(plot.size(), 2u + 33u);
    EXPECT_EQ(plot[0], " 1 1");
    EXPECT_EQ(plot[1], "     153.00    33");
    EXPECT_EQ(plot[2], " -3.2 320");
    EXPECT_EQ(plot[34], " 1.6 160");
}

TEST(ScratchTables, CurveFileLimits) {
    for (const char* file : {" 64\n", " 1\n 100. 34\n 1 0 0\n"}) {
        Context c(1);
        writeFile(c.dir / "SOILDATA", file);
        double depths[tervane::kMaxCurves] = {};
        EXPECT_THROW(tervane::readGeneratedCurves(c.ctx, 0, depths), tervane::ProblemStop);
    }
    Context c(1);
    writeFile(c.dir / "SOILDATA", " 0\n");
    double depths[tervane::kMaxCurves] = {};
    EXPECT_EQ(tervane::readGeneratedCurves(c.ctx, 0, depths), 0);
    EXPECT_EQ(c.closeAndRead(c.report, "report"), "\n" + std::string(20, ' ') + "\n");
}

TEST(ScratchTables, AbuttingFieldsAndThreeDigitExponents) {
    TempDir dir;
    // Strong-rock style records: no blank before y; the tiny and huge values carry three-digit
    // exponents without the letter.
    const std::string record = tervane::fixed::Line()
                                   .i(3, 5)
                                   .x(1)
                                   .e(-4.8e-104, 10, 3)
                                   .e(-12.5, 10, 3)
                                   .e(2.5e150, 10, 3)
                                   .e(0.5e-3, 10, 3)
                                   .str();
    ASSERT_EQ(record, "    3 -0.480-103-0.125E+02 0.250+151 0.500E-03");
    writeFile(dir / "SOILDATA", record + "\n 7\n");
    tervane::ScratchRecords r;
    ASSERT_TRUE(r.loadFile((dir / "SOILDATA").string(), "SOILDATA"));
    double v[5] = {};
    r.numbers(v, 5);
    EXPECT_DOUBLE_EQ(v[0], 3.0);
    EXPECT_DOUBLE_EQ(v[1], -4.8e-104);
    EXPECT_DOUBLE_EQ(v[2], -12.5);
    EXPECT_DOUBLE_EQ(v[3], 2.5e150);
    EXPECT_DOUBLE_EQ(v[4], 0.5e-3);
    EXPECT_EQ(r.integer(), 7);
}

TEST(ScratchTables, RandomRecordsOfAbuttingFieldsReadAsTheirTexts) {
    // E10.3 fields side by side (a negative one abuts its neighbour), with exponents of two and
    // three digits: each number reads as the general conversion reads its own text.
    std::mt19937_64 rng(2015);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> decade(-120, 120);
    std::string file;
    std::vector<double> expected;
    for (int row = 0; row < 400; ++row) {
        tervane::fixed::Line line;
        for (int k = 0; k < 4; ++k) {
            const double v =
                mantissa(rng) * std::pow(10.0, rng() % 3 == 0 ? decade(rng) : decade(rng) % 8);
            line.e(v, 10, 3);
            std::string text = tervane::fixed::E(v, 10, 3);
            text.erase(0, text.find_first_not_of(' '));
            if (text.find('E') == std::string::npos) text.insert(text.find_last_of("+-"), "E");
            double d = 0.0;
            ASSERT_TRUE(tervane::parseReal(text, d)) << text;
            expected.push_back(d);
        }
        file += line.str() + "\n";
    }
    tervane::ScratchRecords r;
    r.reset(file, "SOILDATA");
    for (std::size_t k = 0; k < expected.size(); k += 4) {
        double v[4] = {};
        r.numbers(v, 4);
        for (int j = 0; j < 4; ++j)
            ASSERT_EQ(std::memcmp(&v[j], &expected[k + j], sizeof(double)), 0) << k;
    }
}
