// Whole problems through the data file against closed-form solutions, equilibrium of the
// results, and the results table and result block the report and the plot file carry.

#include "EngineHarness.h"
#include "FixedFields.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testsupport;

namespace {

constexpr double kEI = 1.0e9; // lbs-in^2
constexpr double kLoad = 1000.0;

struct Solved {
    EngineOutput out;
    std::unique_ptr<EngineHarness> harness = std::make_unique<EngineHarness>();
    const tervane::StationResults& r() { return harness->state().stationResults; }
    const tervane::StationData& st() { return harness->state().stations; }
};

Solved solve(const std::string& file) {
    Solved s;
    s.out = s.harness->run(readFile(dataPath(file)));
    return s;
}

} // namespace

TEST(EndToEnd, CantileverTipDeflectionConvergesAtSecondOrder) {
    // Fixed at the toe (deflection and slope 0 at station N), 1000 lbs at the top, L = 120 in:
    // tip deflection P L^3 / (3 EI) = 0.576 in.
    const double exact = kLoad * 120.0 * 120.0 * 120.0 / (3.0 * kEI);
    double error[3];
    const char* files[3] = {"cantilever-20.tv5d", "cantilever-40.tv5d", "cantilever-80.tv5d"};
    for (int k = 0; k < 3; ++k) {
        Solved s = solve(files[k]);
        ASSERT_EQ(s.out.report.find("ERROR"), std::string::npos) << s.out.report;
        const int n = s.harness->state().wall.increments;
        error[k] = std::fabs(s.r().deflection[0] - exact);
        EXPECT_LT(error[k], 0.01 * exact) << files[k];
        // The toe holds its deflection and slope; one station above it the moment is P (L - h).
        const double h = 120.0 / n;
        EXPECT_EQ(s.r().deflection[n], 0.0);
        EXPECT_NEAR(s.r().slope[n], 0.0, 1e-12);
        EXPECT_NEAR(std::fabs(s.r().moment[n - 1]), kLoad * (120.0 - h), 0.01 * kLoad * 120.0);
    }
    // Halving h divides the error by about four.
    EXPECT_NEAR(error[0] / error[1], 4.0, 0.4);
    EXPECT_NEAR(error[1] / error[2], 4.0, 0.4);
}

TEST(EndToEnd, LongWallOnUniformSpringsMatchesTheBeamOnElasticFoundation) {
    // k = 1000 lbs/in^2 along 600 in, free top loaded with P: top deflection 2 P beta / k with
    // beta = (k / 4EI)^(1/4) = 0.02236 /in (beta L = 13.4, a long beam).
    const double k = 1000.0;
    const double beta = std::pow(k / (4.0 * kEI), 0.25);
    const double exact = 2.0 * kLoad * beta / k;
    double error[2];
    const char* files[2] = {"spring-wall-100.tv5d", "spring-wall-200.tv5d"};
    for (int f = 0; f < 2; ++f) {
        Solved s = solve(files[f]);
        const tervane::StationResults& r = s.r();
        const tervane::StationData& st = s.st();
        const int n = s.harness->state().wall.increments;
        error[f] = std::fabs(r.deflection[0] - exact);
        EXPECT_LT(error[f], 0.01 * exact) << files[f];
        // Linear springs: closed at iteration 2, no warnings.
        EXPECT_NE(s.out.report.find("     RESULTS -- ITERATION  2\n     --------------------\n\n"
                                    "   STA I"),
                  std::string::npos);
        // Equilibrium: the net reaction at every station is its load less its spring force,
        // and the reactions balance the applied load in force and in moment.
        double force = 0.0, moment = 0.0;
        for (int i = 0; i <= n; ++i) {
            EXPECT_NEAR(r.reaction[i], st.Q[i] - st.S[i] * r.deflection[i], 1e-6 * kLoad) << i;
            force += r.reaction[i];
            moment += r.reaction[i] * r.x[i];
        }
        EXPECT_NEAR(force, 0.0, 1e-6 * kLoad);
        EXPECT_NEAR(moment, 0.0, 1e-6 * kLoad * 600.0);
        for (int i = -1; i <= n + 1; ++i)
            ASSERT_TRUE(std::isfinite(r.deflection[i]));
    }
    EXPECT_NEAR(error[0] / error[1], 4.0, 0.4);
}

TEST(EndToEnd, ResultsTableAndResultBlock) {
    Solved s = solve("spring-wall-100.tv5d");
    const auto l = s.out.reportLines();
    const tervane::StationResults& r = s.r();
    std::size_t head = 0;
    while (head < l.size() && l[head].rfind("   STA I", 0) != 0)
        ++head;
    ASSERT_LT(head + 3 + 101, l.size());
    EXPECT_EQ(l[head - 7], "");
    EXPECT_EQ(l[head - 6], "      Long wall on uniform springs, 1000 lbs at the free top" +
                               std::string(16, ' '));
    EXPECT_EQ(l[head], "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    "
                       "NET REACT/STA    EI ");
    EXPECT_EQ(l[head + 1], "             IN          IN                   LBS-IN        LBS     "
                           "    LBS       LBS-IN**2");
    // Station 50 at 300 in, as the fixed fields write it.
    using tervane::fixed::E;
    EXPECT_EQ(l[head + 3 + 50], "    50   0.300E+03" + E(r.deflection[50], 12, 3) +
                                    E(r.slope[50], 12, 3) + E(r.moment[50], 12, 3) +
                                    E(r.shear[50], 12, 3) + E(r.reaction[50], 12, 3) +
                                    "   0.100E+10");
    EXPECT_EQ(l[head + 3 + 100].substr(0, 18), "   100   0.600E+03");
    EXPECT_EQ(l[head + 3 + 101], "");

    // Result block: 102 rows, stations 0 .. 101, the last at 101 h.
    const auto p = s.out.plotLines();
    ASSERT_EQ(p.size(), 2u + 1u + 102u);
    EXPECT_EQ(p[2], " 1 102 1");
    EXPECT_EQ(p[3].substr(0, 14), "    0.0000E+00");
    EXPECT_EQ(p[104].substr(0, 14), "    0.6060E+03");
    EXPECT_EQ(p[3].substr(14, 14), tervane::fixed::Line().x(1).e(r.deflection[0], 13, 4).str());
}

TEST(EndToEnd, WarningsOfTheLastIteration) {
    // A two-point user curve is always off its curve; with Dmax = 1E-6 every station exceeds
    // it in iteration 1, which stops there unclosed.
    Solved s = solve("warnings-wall.tv5d");
    EXPECT_NE(
        s.out.report.find("\n\n\n     RESULTS -- ITERATION  1\n     --------------------\n"
                          "\n     ***** DEFLECTION OFF Q - W CURVES *****\n"
                          "\n     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***  11  *** "
                          "STATIONS *****\n"
                          "\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n"
                          "\n   STA I"),
        std::string::npos)
        << s.out.report;
    EXPECT_EQ(s.harness->state().results.count, 12);
}

TEST(EndToEnd, HundredIterationsWithoutClosureAndTheUnitLabelsOfEverySystem) {
    // A stiff wall of 10 increments of 12 carried only by eleven equal curves (flag 0: the free
    // height is below the toe), 1800 at station 5. Per unit length the curves run through
    // (-1, 10), (0, 0), (1, -10), (2, -5): k = 10 up to y = 1, then softening. Per station (x h):
    // on the first segments 120 each, 1320 in all, so w = 1800/1320 = 1.364; there the softening
    // segment (S = -60, Q0 = -180 per station) gives w = (1800 - 1980)/(-660) = 0.273, which lies
    // on the first segment again: the solution swings between the two for ever.
    std::string curves;
    for (int s = 0; s <= 10; ++s)
        curves += std::to_string(s) + "\t4\t1\t1\r\n-1\t10\r\n0\t0\r\n1\t-10\r\n2\t-5\r\n";
    for (int units : {1, 2, 3}) {
        EngineHarness h;
        const EngineOutput out =
            h.run("Oscillating wall\r\n" + std::to_string(units) +
                  " 0\t1\t0\t0\t1 11 1 0 0\r\n10 12\t100\t0.0001\t1000\t12\r\n0\t10\t1\t1E12\r\n"
                  "1\r\n1\t5\t5\t1800\t0\t0\r\n0\r\n" +
                  curves + "0\r\n");
        ASSERT_EQ(out.result, 0);
        const std::string len3 = units == 1 ? " IN" : units == 2 ? "  M" : "  L";
        const std::string force4 = units == 1 ? " LBS" : units == 2 ? "  KN" : "   F";
        const std::string len2 = units == 1 ? "IN" : units == 2 ? " M" : " L";
        const std::string force3 = units == 1 ? "LBS" : units == 2 ? " KN" : "  F";
        const std::string sp12(12, ' ');
        EXPECT_NE(out.report.find(
                      "\n\n\n     RESULTS -- ITERATION100\n     --------------------\n"
                      "\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n"
                      "\n   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    "
                      "NET REACT/STA    EI \n" +
                      sp12 + len3 + std::string(9, ' ') + len3 + std::string(19, ' ') + force3 +
                      "-" + len2 + std::string(7, ' ') + force4 + std::string(8, ' ') + force4 +
                      std::string(7, ' ') + force3 + "-" + len2 +
                      "**2\n   ------    ----        ----       -----      ------      ------    "
                      "---------    ----------\n     0   0.000E+00   0.273E+00"),
                  std::string::npos)
            << units << "\n"
            << out.report;
        // The curve echo's point heading.
        EXPECT_NE(out.report.find("\n" + std::string(20, ' ') + len3 + std::string(16, ' ') +
                                  force4 + "/" + len2 + "\n"),
                  std::string::npos)
            << units;
        // The monitor swings between the two solutions up to the hundredth line.
        const auto notes = lines(out.notes);
        ASSERT_GE(notes.size(), 5u + 100u);
        EXPECT_EQ(
            notes[notes.size() - 2],
            "     99       NO         11   0.136E+01 0.136E+01 0.136E+01 0.136E+01 0.136E+01");
        EXPECT_EQ(
            notes.back(),
            "    100       NO         11   0.273E+00 0.273E+00 0.273E+00 0.273E+00 0.273E+00");
        EXPECT_EQ(h.state().solverOutcome.iterations, 100);
    }
}
