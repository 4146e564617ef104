// Generated p-y curves of every soil type through the whole engine: the data file goes in, the
// report blocks, the plot file's curve block and the curve table come out. Every expected number
// is worked out by hand from the curve equations (shown beside it).
//
// Common set-up: English units, a wall of 100 increments of 6 in, free height H = 120 in,
// Wa = 60 in, Wp = b = 24 in, water table far below, no modification table. One soil layer from
// the top of the wall to 600 in, so the p-y layer runs from x = 0 to 480 and its curve depths are
// x = 0.1, 120, 240, 360, 479.9. Wa/Wp = 2.5 gives the closely-spaced reduction
// pm = 0.5292 * 2.5^0.5659 = 0.888821 on every curve (below the excavation level), ym = 1.

#include "EngineHarness.h"
#include "EngineState.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using testsupport::EngineHarness;
using testsupport::EngineOutput;

namespace {

struct Soil {
    int type;
    double gamma, c, phi, e50, k, sixth;
};

std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

// The project data file: load option `load`, p-y option 2 with `userCurves` curves of record 14
// given as their text, one soil layer to 600 in.
std::string project(const Soil& s, int load = 0, int userCurves = 0,
                    const std::string& record14 = "") {
    const std::string row = num(s.gamma) + " " + num(s.c) + " " + num(s.phi) + " " + num(s.e50) +
                            " " + num(s.k) + " " + num(s.sixth) + "\r\n";
    return "Generated curves of one soil layer\r\n"
           "1 0 1 0 " +
           std::to_string(load) + " 2 " + std::to_string(userCurves) +
           " 1 0 0\r\n"
           "100 6 100 0.0001 120 60\r\n"
           "0 100 1 3E10\r\n"
           "1\r\n"
           "1 0 0 100 0 0\r\n"
           "0\r\n"
           "120 60 24 1000 1000 1 1 0\r\n"
           "0 0 0 0 0 0\r\n"
           "0\r\n"
           "1\r\n" +
           std::to_string(s.type) + " 600\r\n" + row + row + record14 + "0\r\n";
}

// A point line of a curve block: 21 blanks, then y and p right-justified in `w` columns.
std::string point(const std::string& y, const std::string& p, std::size_t w = 20) {
    return std::string(21, ' ') + std::string(w - y.size(), ' ') + y +
           std::string(w - p.size(), ' ') + p;
}

// The `count` report lines that start with the first line equal to `first`.
std::vector<std::string> block(const EngineOutput& out, const std::string& first,
                               std::size_t count) {
    const std::vector<std::string> all = out.reportLines();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == first) {
            const std::size_t end = std::min(all.size(), i + count);
            return {all.begin() + static_cast<std::ptrdiff_t>(i),
                    all.begin() + static_cast<std::ptrdiff_t>(end)};
        }
    }
    ADD_FAILURE() << "no report line\n" << first;
    return std::vector<std::string>(count);
}

// The plot file's lines of the generated curve written with heading `heading` (form B): the
// heading and its 33 points.
std::vector<std::string> plotCurve(const EngineOutput& out, const std::string& heading) {
    const std::vector<std::string> all = out.plotLines();
    for (std::size_t i = 0; i + 33 < all.size(); ++i) {
        if (all[i] == heading) {
            return {all.begin() + static_cast<std::ptrdiff_t>(i),
                    all.begin() + static_cast<std::ptrdiff_t>(i + 34)};
        }
    }
    ADD_FAILURE() << "no plot curve " << heading;
    return std::vector<std::string>(34);
}

const std::string kMultiplierLine =
    std::string(21, ' ') + " P-Multiplier =  0.889E+00 Y-Multiplier =  0.100E+01";

EngineOutput runClean(EngineHarness& engine, const std::string& data) {
    EngineOutput out = engine.run(data);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.report.find("ERROR"), std::string::npos);
    EXPECT_NE(out.report.find("END OF ANALYSIS"), std::string::npos);
    return out;
}

} // namespace

TEST(CurveRuns, SoftClayBothSides) {
    // gamma = 0.04, c = 10, eps50 = 0.02: y50 = 2.5 * 0.02 * 24 = 1.2.
    // Curve at x = 120. Excavation side z = 120: Np = 3 + 0.04*120/10 + 0.5*120/24 = 5.98,
    // pu = 10 * 5.98 * 24 = 1435.2. Backfill side z = 240: Np = 8.96, pu = 2150.4.
    EngineHarness engine;
    const EngineOutput out = runClean(engine, project({1, 0.04, 10, 0, 0.02, 0, 0}));
    const auto exc =
        block(out, "            120.00          24.000 0.1000D+02 0.4000D-01   0.2000D-01", 22);
    EXPECT_EQ(exc[1], "");
    EXPECT_EQ(exc[2], std::string(37, ' ') + "Y,IN" + std::string(13, ' ') + "P,LBS/IN");
    EXPECT_EQ(exc[3], point("0.000", "0.000"));
    // y2 = 0.008 y50 = 0.0096: p = 0.5 pu 0.2 = 143.52, times pm = 127.564.
    EXPECT_EQ(exc[4], point("0.010", "127.564"));
    // y3 = y50/4: 0.5 pu 0.25^(1/3) = 452.0597 -> 401.800; y14 = 3 y50: 1034.958 -> 919.892.
    EXPECT_EQ(exc[5], point("0.300", "401.800"));
    EXPECT_EQ(exc[16], point("3.600", "919.892"));
    // y15 = 8 y50 reaches pu: 1435.2 * pm = 1275.635; then 15 and 20 y50.
    EXPECT_EQ(exc[17], point("9.600", "1275.635"));
    EXPECT_EQ(exc[19], point("24.000", "1275.635"));
    EXPECT_EQ(exc[20], "");
    EXPECT_EQ(exc[21], kMultiplierLine);

    const auto back =
        block(out, "            240.00          24.000 0.1000D+02 0.4000D-01   0.2000D-01", 20);
    EXPECT_EQ(back[4], point("0.010", "191.132"));   // 215.04 * pm
    EXPECT_EQ(back[16], point("3.600", "1378.300")); // 1550.7067 * pm
    EXPECT_EQ(back[17], point("9.600", "1911.320")); // 2150.4 * pm
    // The two blocks of x = 120: the backfill one follows the excavation one's multiplier line.
    const auto titles = block(out,
                              "            120.00          24.000 0.1000D+02 0.4000D-01"
                              "   0.2000D-01",
                              30);
    EXPECT_EQ(titles[22], "");
    EXPECT_EQ(titles[23], "");
    EXPECT_EQ(titles[24], "         AT THE BACKFILL SIDE");
    EXPECT_EQ(titles[25], "");
    EXPECT_EQ(titles[26], "         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50");
    EXPECT_EQ(titles[27], "               IN             IN     LBS/IN**2  LBS/IN**3");

    // Plot form B: the curve at H + x = 240 joined from the file's E10.3 values, backfill side
    // first at negative deflections, excavation side with negative resistance.
    const auto plot = plotCurve(out, "     240.00    33");
    EXPECT_EQ(plot[1], " -24 1910");       // backfill point 17: 0.191E+04
    EXPECT_EQ(plot[16], " -0.0096 191");   // backfill point 2
    EXPECT_EQ(plot[17], " -0 0");          // backfill point 1, the origin
    EXPECT_EQ(plot[18], " 0.0096 -128");   // excavation point 2
    EXPECT_EQ(plot[33], " 24 -1280");      // excavation point 17: 0.128E+04
    EXPECT_EQ(out.plotLines()[1], " 1 5"); // unit system, 5 curves
    // The curve table: station 240/6 = 40, 33 points, resistance per station (times h = 6).
    const tervane::Curve& c = engine.state().stations.curves[1];
    EXPECT_EQ(c.firstStation, 40);
    EXPECT_EQ(c.pointCount, 33);
    EXPECT_DOUBLE_EQ(c.qc[32], -1280.0 * 6);
    EXPECT_DOUBLE_EQ(c.w[0], -24.0);
}

TEST(CurveRuns, StiffClayWithFreeWaterBothSides) {
    // gamma = 0.05, c = ca = 20, eps50 = 0.005, k = 500; y50 = 0.12. Curve at x = 120:
    // pct = 2*20*24 + 0.05*24*120 + 2.83*20*120 = 7896 > pcd = 11*20*24 = 5280: pc = 5280.
    // x/b = 5: As = 0.6, As y50 = 0.072. Es = 500 * 120 = 60000 does not cap the curve.
    EngineHarness engine;
    const EngineOutput out = runClean(engine, project({2, 0.05, 20, 0, 0.005, 500, 0}));
    const auto exc = block(
        out, "             120.00         24.000   0.20D+02   0.20D+02   0.50D-01  0.5000D-02", 20);
    // No Y and P heading: the points follow the value line.
    EXPECT_EQ(exc[1], point("0.000", "0.000"));
    // y2 = 0.036 <= As y50: 0.5 pc sqrt(0.3) = 1445.988 -> 1285.223.
    EXPECT_EQ(exc[2], point("0.036", "1285.223"));
    // y3 = As y50: 0.5 pc sqrt(0.6) = 2044.935 -> 1817.580.
    EXPECT_EQ(exc[3], point("0.072", "1817.580"));
    // y13 = 6 As y50 lies on the second branch: 2640 sqrt(3.6) - 0.055*5280*5^1.25 = 2837.802
    // -> 2522.296.
    EXPECT_EQ(exc[13], point("0.432", "2522.296"));
    // y14 = 10 As y50: 2640 sqrt(3.6) - 0.411*5280 - 0.0625/0.12*5280*0.288 = 2046.968
    // -> 1819.387; y16 = 18 As y50 and y17 = 200 As y50 at the residual 462.968 -> 411.495.
    EXPECT_EQ(exc[14], point("0.720", "1819.387"));
    EXPECT_EQ(exc[16], point("1.296", "411.495"));
    EXPECT_EQ(exc[17], point("14.400", "411.495"));
    // No multiplier line for this type: the backfill side's title follows.
    EXPECT_EQ(exc[18], "");
    EXPECT_EQ(exc[19], "");

    const auto titles = block(out, "         AT THE BACKFILL SIDE", 5);
    EXPECT_EQ(titles[1], "");
    EXPECT_EQ(titles[2], "");
    EXPECT_EQ(titles[3], "         DEPTH BELOW GS      DIAM        C         CAVG    GAMMA AVG"
                         "      E50");
    EXPECT_EQ(titles[4], "               IN             IN     LBS/IN**2  LBS/IN**2  LBS/IN**3");
    // Backfill at x = 120 (depth 240, x/b = 10): the same pc and As; the curve is the same.
    const auto back = block(
        out, "             240.00         24.000   0.20D+02   0.20D+02   0.50D-01  0.5000D-02", 18);
    EXPECT_EQ(back[2], point("0.036", "1285.223"));
    EXPECT_EQ(back[17], point("14.400", "411.495"));
}

TEST(CurveRuns, StiffClayWithoutFreeWaterBothSides) {
    // gamma = 0.05, c = ca = 20, eps50 = 0.005: y50 = 0.3, yu = 4.8. Curve at x = 120:
    // excavation pct = 3*20*24 + 0.05*24*120 + 0.5*20*120 = 2784 < pcd = 4320;
    // backfill (z = 240) pct = 1440 + 288 + 2400 = 4128.
    EngineHarness engine;
    const EngineOutput out = runClean(engine, project({3, 0.05, 20, 0, 0.005, 500, 0}));
    const auto exc = block(
        out, "              120.00         24.000  0.20D+02  0.20D+02  0.50D-01  0.5000D-02", 22);
    EXPECT_EQ(exc[1], std::string(38, ' ') + "Y" + std::string(19, ' ') + "P");
    EXPECT_EQ(exc[2], std::string(38, ' ') + "IN" + std::string(15, ' ') + "LBS/IN");
    // y2 = 1e-5 yu: 0.5 * 2784 * (1.6e-4)^0.25 = 156.5558 -> 139.15003.
    EXPECT_EQ(exc[4], point("0.00005", "139.15003"));
    // y12 = 0.1 yu = 0.48: 1392 * 1.6^0.25 = 1565.5582 -> 1391.50034.
    EXPECT_EQ(exc[14], point("0.48000", "1391.50034"));
    // y15 = yu: pu; y16, y17 = 18 and 20 y50 at pu: 2784 * pm = 2474.47641.
    EXPECT_EQ(exc[17], point("4.80000", "2474.47641"));
    EXPECT_EQ(exc[19], point("6.00000", "2474.47641"));
    EXPECT_EQ(exc[21], kMultiplierLine);
    const auto head = block(out,
                            "          DEPTH BELOW GS     DIAM        C       CAVG    GAMMA AVG"
                            "     E50",
                            2);
    EXPECT_EQ(head[1], "                IN            IN     LBS/IN**2 LBS/IN**2 LBS/IN**3 ");

    const auto back = block(
        out, "              240.00         24.000  0.20D+02  0.20D+02  0.50D-01  0.5000D-02", 20);
    EXPECT_EQ(back[4], point("0.00005", "206.32591"));   // 232.1345 * pm
    EXPECT_EQ(back[17], point("4.80000", "3669.05122")); // 4128 * pm
}

TEST(CurveRuns, SandBothSidesWithAndWithoutTheOffset) {
    // gamma = 0.06, phi = 30 deg (radians with 3.1416), k = 100. Curve at x = 120, z = 120:
    // pst = 2112.529 (wedge), psd = 4967.401, ps = pst; x/b = 5: A = 0.88, B = 0.5:
    // pu = 1859.025, pm = 1056.264; ym = 0.4, yu = 0.9, m = 1605.522, n = 1.644737,
    // C = 1843.827, Es = 12000, yk = 0.008411.
    {
        EngineHarness engine;
        const EngineOutput out = runClean(engine, project({4, 0.06, 0, 30, 0, 100, 0}));
        const auto exc = block(
            out, "              120.00      24.00  30.00 0.60E-01   0.88 0.50 0.21E+04 0.50E+04",
            24);
        EXPECT_EQ(exc[1], "");
        EXPECT_EQ(exc[2], std::string(38, ' ') + "Y" + std::string(19, ' ') + "P");
        // y2 = ym/12 on the parabola: C (1/30)^(1/n) = 233.147 -> 207.226.
        EXPECT_EQ(exc[5], point("0.033", "207.226"));
        EXPECT_EQ(exc[6], point("0.067", "315.843"));   // 355.350
        EXPECT_EQ(exc[16], point("0.400", "938.830"));  // y13 = ym: pm = 1056.264
        EXPECT_EQ(exc[17], point("0.900", "1652.340")); // y14 = yu: pu
        EXPECT_EQ(exc[18], point("24.900", "1652.340"));
        EXPECT_EQ(exc[20], point("72.900", "1652.340"));
        EXPECT_EQ(exc[21], "");
        EXPECT_EQ(exc[22], kMultiplierLine);
        const auto head = block(
            out, "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD", 2);
        EXPECT_EQ(head[1], "                 IN         IN         LBS/IN**3");
        // Backfill z = 240: pst = 7528.513, Es = 24000, yk = 0.036714: y2 on the elastic line
        // 24000/30 = 800 -> 711.056; y3 on the parabola 1266.378 -> 1125.583; pu = 6625.092.
        const auto back = block(
            out, "              240.00      24.00  30.00 0.60E-01   0.88 0.50 0.75E+04 0.99E+04",
            18);
        EXPECT_EQ(back[5], point("0.033", "711.056"));
        EXPECT_EQ(back[6], point("0.067", "1125.583"));
        EXPECT_EQ(back[17], point("0.900", "5888.518"));
    }
    {
        // Generated earth pressure (load option 2): SIGV_H = 0.06 * 120 = 7.2, Ka = 0.333335
        // (tan^2 of 45 deg - phi/2 with 3.1416), offset = 24 * 7.2 * Ka = 57.600, taken off the
        // excavation side and added to the backfill side, the origin included.
        EngineHarness engine;
        const EngineOutput out = runClean(engine, project({4, 0.06, 0, 30, 0, 100, 0}, 2));
        const auto exc = block(
            out, "              120.00      24.00  30.00 0.60E-01   0.88 0.50 0.21E+04 0.50E+04",
            18);
        EXPECT_EQ(exc[4], point("0.000", "-57.600"));
        EXPECT_EQ(exc[5], point("0.033", "149.626"));
        EXPECT_EQ(exc[17], point("0.900", "1594.740"));
        const auto back = block(
            out, "              240.00      24.00  30.00 0.60E-01   0.88 0.50 0.75E+04 0.99E+04",
            18);
        EXPECT_EQ(back[4], point("0.000", "57.600"));
        EXPECT_EQ(back[5], point("0.033", "768.657"));
        EXPECT_EQ(back[17], point("0.900", "5946.118"));
    }
}

TEST(CurveRuns, SiltBothSides) {
    // gamma = 0.06, c = 2, phi = 30 deg, k = 100; pi = 4 atan 1 in the friction part. Curve at
    // x = 120, z = 120: p-phi = pst = 2112.524; Np = 3 + 3.6 + 2.5 = 9.1 >= 9: pc = 9*2*24 = 432;
    // A(z/b = 5) = 0.88, B = 0.5: pu = 2291.022, pm = 1488.262, n = 2.317417, yk = 0.050988.
    EngineHarness engine;
    const EngineOutput out = runClean(engine, project({5, 0.06, 2, 30, 0.01, 100, 0}));
    const auto exc = block(
        out, "    120.00     24.00      30.0 0.600E-01      0.88      0.50 0.432E+03 0.211E+04",
        24);
    EXPECT_EQ(exc[2], std::string(37, ' ') + "Y" + std::string(19, ' ') + "P");
    EXPECT_EQ(exc[3], std::string(37, ' ') + "IN" + std::string(16, ' ') + "LBS/IN");
    EXPECT_EQ(exc[4], point("0.000E+00", "0.000E+00"));
    EXPECT_EQ(exc[5], point("0.333E-01", "0.356E+03"));  // elastic: 12000/30 = 400 -> 355.53
    EXPECT_EQ(exc[6], point("0.667E-01", "0.611E+03"));  // parabola: 686.903 -> 610.53
    EXPECT_EQ(exc[16], point("0.400E+00", "0.132E+04")); // pm: 1322.80
    EXPECT_EQ(exc[17], point("0.900E+00", "0.204E+04")); // pu: 2036.31
    EXPECT_EQ(exc[22], kMultiplierLine);
    // The heading ends in the single byte 0xED.
    const auto head = block(out,
                            "     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc"
                            "       Pu\xED",
                            2);
    EXPECT_EQ(head[1], "       IN        IN            LBS/IN**3");
    // Backfill z = 240: Np = 15.2, pc = 432 again; p-phi = 7528.495; Es = 24000, so y2 is
    // elastic (800 -> 711.06) and y3 on the parabola (1579.254 -> 1403.67).
    const auto back = block(
        out, "    240.00     24.00      30.0 0.600E-01      0.88      0.50 0.432E+03 0.753E+04",
        18);
    EXPECT_EQ(back[5], point("0.333E-01", "0.711E+03"));
    EXPECT_EQ(back[6], point("0.667E-01", "0.140E+04"));
    EXPECT_EQ(back[17], point("0.900E+00", "0.627E+04")); // 6272.47
}

TEST(CurveRuns, StrongRockBothSides) {
    // qu = 1000: c = 500, Es = 1e6, y1 = 0.0096, p1 = 9600, pu = 12000, y2 = 0.0576,
    // dy = 0.00384. Curve at x = 0.1: points 16 and 17 (15 dy = y2 and 16 dy) are residual,
    // gamma xs b / 2 without the p-multiplier: 0.09*0.1*24/2 = 0.108 and on the backfill side
    // 0.09*120.1*24/2 = 129.708.
    EngineHarness engine;
    const EngineOutput out = runClean(engine, project({6, 0.09, 1000, 0, 0, 0, 0}));
    const auto exc =
        block(out, std::string(17, ' ') + "DEPTH-EXCAVATION SIDE     DIAM        C       ", 22);
    EXPECT_EQ(exc[1], std::string(30, ' ') + "IN            IN     LBS/IN**2 ");
    EXPECT_EQ(exc[2], std::string(24, ' ') + "      0.10         24.000   0.5E+03");
    EXPECT_EQ(exc[3], std::string(38, ' ') + "Y" + std::string(19, ' ') + "P");
    EXPECT_EQ(exc[5], point("0.000D+00", "0.000D+00"));
    EXPECT_EQ(exc[6], point("0.384D-02", "0.341D+04"));  // 3840 * pm = 3413.07
    EXPECT_EQ(exc[8], point("0.115D-01", "0.862D+04"));  // 9600 + 50000*0.00192 -> 8618.0
    EXPECT_EQ(exc[19], point("0.538D-01", "0.105D+05")); // 11808 -> 10495.2
    EXPECT_EQ(exc[20], point("0.576D-01", "0.108D+00"));
    EXPECT_EQ(exc[21], point("0.614D-01", "0.108D+00"));
    // No side title and no multiplier line: the backfill heading follows two empty lines.
    const auto back =
        block(out, std::string(17, ' ') + "DEPTH-BACKFILL SIDE       DIAM        C       ", 22);
    EXPECT_EQ(back[2], std::string(24, ' ') + "    120.10         24.000   0.5E+03");
    EXPECT_EQ(back[20], point("0.576D-01", "0.130D+03"));
    EXPECT_EQ(out.report.find("AT THE EXCAVATION SIDE"), std::string::npos);
    EXPECT_EQ(out.report.find("P-Multiplier"), std::string::npos);
    // The first set in the plot file: the backfill residual 0.130E+03 at -16 dy, the
    // excavation residual 0.108 at +16 dy with its sign turned.
    const auto plot = plotCurve(out, "     120.10    33");
    EXPECT_EQ(plot[1], " -0.0614 130");
    EXPECT_EQ(plot[33], " 0.0614 -0.108");
}

TEST(CurveRuns, WeakRockBothSides) {
    // qu = 1000, krm = 0.0005, Em = 1e4, RQD = 50: alpha_r = 2/3; yrm = 0.012. Curve at x = 0.1,
    // first p-y layer: mean strength = the layer's average cohesion = 1000.
    // Excavation: xr = 0.1 + 1e-8 <= 3b: pur = 2/3*1000*24*(1 + 1.4 xr/24) = 16093.33,
    // Kir = 1e4 (100 + 400 xr/72) = 1005555.56, ya = 0.0069912.
    // Backfill: xr = 120.1 > 3b: pur = 5.2*2/3*1000*24 = 83200, Kir = 5e6, ya = 0.0073638.
    EngineHarness engine;
    const EngineOutput out = runClean(engine, project({7, 0.09, 1000, 0, 0.0005, 10000, 50}));
    const auto exc =
        block(out, "                0.10    24.000  0.10E+04  0.10E+05  0.90E-01   0.500E-03", 20);
    EXPECT_EQ(exc[1], std::string(37, ' ') + "Y" + std::string(19, ' ') + "P");
    EXPECT_EQ(exc[2], std::string(37, ' ') + "IN" + std::string(16, ' ') + "LBS/IN");
    // The first point is not at 0: y = 0.0005 yrm = 6e-6, p = Kir y = 6.0333 -> 5.36.
    EXPECT_EQ(exc[3], point("0.600E-05", "0.536E+01"));
    // y = yrm: 0.5 pur = 8046.67 -> 7152.1; y = 12 yrm: 0.5 pur 12^0.25 = 14976.53 -> 13311.5.
    EXPECT_EQ(exc[16], point("0.120E-01", "0.715E+04"));
    EXPECT_EQ(exc[19], point("0.144E+00", "0.133E+05"));
    const auto head =
        block(out, "              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50", 2);
    EXPECT_EQ(head[1], "                IN       IN    LBS/IN**2 LBS/IN**2 LBS/IN**3 ");
    const auto back =
        block(out, "              120.10    24.000  0.10E+04  0.10E+05  0.90E-01   0.500E-03", 20);
    EXPECT_EQ(back[3], point("0.600E-05", "0.267E+02"));  // 30 -> 26.66
    EXPECT_EQ(back[16], point("0.120E-01", "0.370E+05")); // 41600 -> 36975
    EXPECT_EQ(back[19], point("0.144E+00", "0.688E+05")); // 77426.3 -> 68818
    EXPECT_EQ(out.report.find("P-Multiplier"), std::string::npos);
}

TEST(CurveRuns, UserCurvesWithGeneratedCurves) {
    // p-y option 2 with two user curves: station 5 (3 points, p-multiplier 2, y-multiplier 0.5)
    // and station 30 (4 points). SOILDATA passes them through with the multipliers applied;
    // the plot file writes form C: every curve as (station, point count) and its points.
    const std::string record14 = "5 3 2.0 0.5\r\n0 0\r\n1 100\r\n2 150\r\n"
                                 "30 4 1.0 1.0\r\n-1 -50\r\n0 0\r\n1 80\r\n3 120\r\n";
    EngineHarness engine;
    const EngineOutput out =
        runClean(engine, project({1, 0.04, 10, 0, 0.02, 0, 0}, 0, 2, record14));
    EXPECT_NE(out.report.find("INPUTTED  SOIL RESISTANCE (P-Y) CURVES"), std::string::npos);

    const auto soilData = testsupport::lines(testsupport::readFile(engine.folder() / "SOILDATA"));
    ASSERT_GE(soilData.size(), 12u);
    EXPECT_EQ(soilData[0], " 7"); // 2 user curves + 5 curve depths
    EXPECT_EQ(soilData[1], " 5 3");
    EXPECT_EQ(soilData[2], " 1 0 0");
    EXPECT_EQ(soilData[3], " 2 200 0.5");
    EXPECT_EQ(soilData[4], " 3 300 1");
    EXPECT_EQ(soilData[5], " 30 4");
    EXPECT_EQ(soilData[10], " 120.1 34");
    EXPECT_EQ(soilData.size(), 10u + 5u * 35u);

    const auto plot = out.plotLines();
    EXPECT_EQ(plot[1], " 1 7");
    EXPECT_EQ(plot[2], " 5 3");
    EXPECT_EQ(plot[3], " 0 0");
    EXPECT_EQ(plot[4], " 0.5 200");
    EXPECT_EQ(plot[5], " 1 300");
    EXPECT_EQ(plot[6], " 30 4");
    EXPECT_EQ(plot[7], " -1 -50");
    EXPECT_EQ(plot[11], " 20 33"); // the first generated curve at its station: 120.1/6 -> 20
    const tervane::StationData& st = engine.state().stations;
    ASSERT_EQ(st.curveCount, 7);
    EXPECT_EQ(st.curves[0].continuation, 0);
    EXPECT_EQ(st.curves[1].continuation, 0);
    EXPECT_EQ(st.curves[2].continuation, 1);
    // Generated curve at x = 120 (H + x = 240, station 40), excavation point 17 as written in
    // SOILDATA: 1275.635 -> 0.128E+04, per station times h = 6.
    EXPECT_EQ(st.curves[3].firstStation, 40);
    EXPECT_DOUBLE_EQ(st.curves[3].qc[32], -1280.0 * 6);
}

TEST(CurveRuns, OwnUnitsSoftClayAndTieback) {
    // Unit system 3, the project's own units: feet and kips here. A 20 ft wall of 40 increments
    // of 0.5 ft, H = 10 ft, soldier piles at Wa = 8 ft in holes of Wp = b = 2 ft (Wa/Wp = 4:
    // no reduction, pm = 1); soft clay 0.11 kcf, c = 0.6 ksf, eps50 = 0.01, water deep. Lengths
    // take no conversion: the p-y layer runs from x = 0 to the depth limit 20 + 2(0.5) - 10 = 11
    // and its curves lie at x = 0.1, 2.75, 5.5, 8.25, 10.9 (d = 0.1 of the length unit).
    const std::string clay = "0.11 0.6 0 0.01 0 0\r\n";
    const std::string data = "Soldier piles in clay, feet and kips\r\n"
                             "3 0 1 0 0 2 0 1 0 1\r\n"
                             "40 0.5 10 1E-6 10 8\r\n"
                             "0 40 1 50000\r\n"
                             "1\r\n1 0 0 5 0 0\r\n"
                             "0\r\n3 0.0060278 4104000 25 15 8\r\n"
                             "10 8 2 100 100 1 1 0\r\n"
                             "0 0 0 0 0 0\r\n"
                             "0\r\n"
                             "1\r\n1 30\r\n" +
                             clay + clay + "0\r\n";
    EngineHarness engine;
    const EngineOutput out = runClean(engine, data);
    const tervane::StationData& st = engine.state().stations;

    // Tieback at 3 ft: station 3/0.5 = 6; E A cos(15 deg) / ((spacing/Wa) Lu) with every length
    // in feet: 4104000 * 0.0060278 * 0.965926 / (8/8 * 25) = 955.8 kips/ft per ft of wall.
    const double theta = 15.0 * static_cast<double>(3.1416f) / 180.0;
    const double spring = 4104000.0 * 0.0060278 * std::cos(theta) / (8.0 / 8.0 * 25.0);
    EXPECT_NEAR(spring, 955.8, 0.05);
    EXPECT_NEAR(st.S[6], spring, 1e-9 * spring);
    EXPECT_EQ(st.S[5], 0.0);
    EXPECT_EQ(st.S[7], 0.0);

    // y50 = 2.5 eps50 b = 0.05 ft; p reaches pu = c Np b at 8 y50 = 0.4 ft, with
    // Np = 3 + gamma z / c + 0.5 z / b (at most 9).
    const auto pu = [](double z) {
        return 0.6 * std::min(3.0 + 0.11 * z / 0.6 + 0.5 * z / 2.0, 9.0) * 2.0;
    };
    EXPECT_NEAR(pu(0.1), 3.652, 5e-4);  // excavation side, x = 0.1
    EXPECT_NEAR(pu(5.5), 6.460, 5e-4);  // excavation side, x = 5.5
    EXPECT_NEAR(pu(15.5), 10.8, 1e-12); // backfill side of x = 5.5: z = 15.5, Np capped at 9
    for (double z : {0.1, 5.5, 15.5}) {
        char p[32];
        std::snprintf(p, sizeof p, "%.3f", pu(z));
        EXPECT_NE(out.report.find(point("0.400", p) + "\n"), std::string::npos) << z;
    }
    // The curve of x = 5.5 at station (10 + 5.5)/0.5 = 31: its excavation point 17 as SOILDATA
    // writes it (0.646E+01), per station times h.
    ASSERT_EQ(st.curveCount, 5);
    EXPECT_EQ(st.curves[2].firstStation, 31);
    EXPECT_DOUBLE_EQ(st.curves[2].qc[32], -6.46 * 0.5);
    EXPECT_DOUBLE_EQ(st.curves[2].qc[0], 10.8 * 0.5);
    // Own units in the headings.
    EXPECT_NE(
        out.report.find("\n" + std::string(37, ' ') + "Y, L" + std::string(13, ' ') + "P,  F/ L\n"),
        std::string::npos);
}
