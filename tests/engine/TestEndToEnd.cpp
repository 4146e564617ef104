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
