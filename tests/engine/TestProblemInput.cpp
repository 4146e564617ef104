// Reading a problem: the echo sections of the report line by line, the station data the tables
// become, plot blocks 1 and 2, and the stops of the input checks.

#include "EngineHarness.h"
#include "InputReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace testsupport;

namespace {

std::string sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}
const std::string kBanner = sp(6) + std::string(50, '*');

// The report lines from the first line equal to `first` on, `n` of them.
std::vector<std::string> linesFrom(const std::vector<std::string>& l, const std::string& first,
                                   std::size_t n) {
    for (std::size_t k = 0; k < l.size(); ++k)
        if (l[k] == first)
            return {l.begin() + static_cast<long>(k),
                    l.begin() + static_cast<long>(std::min(l.size(), k + n))};
    return {};
}

// The report holds `expected` as consecutive lines.
void expectLines(const std::vector<std::string>& report, const std::vector<std::string>& expected) {
    const auto actual = linesFrom(report, expected.front(), expected.size());
    ASSERT_EQ(actual.size(), expected.size()) << "section not found or cut short";
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(actual[k], expected[k]) << "line " << k;
}

// The text of the stop that ended the problem, as the report holds it.
bool stoppedWith(const EngineOutput& out, const std::string& message) {
    return out.report.find("\n\n\n" + message + "\n") != std::string::npos &&
           out.report.find("END OF ANALYSIS") != std::string::npos && out.result == 0;
}

// Title, control record and wall record of a small problem; the rest is appended by the tests.
std::string head(const std::string& control,
                 const std::string& wall = "80 6\t10\t0.0001\t120\t12") {
    return "Check wall\r\n" + control + "\r\n" + wall + "\r\n";
}

} // namespace

TEST(ProblemInput, EnglishEchoSectionsLineByLine) {
    EngineHarness h;
    const EngineOutput out = h.run(readFile(dataPath("echo-english.tv5d")));
    ASSERT_EQ(out.result, 0);
    const auto l = out.reportLines();
    const std::string zero = " 0.000E+00";
    expectLines(
        l, {
               "      *        PROGRAM CONTROL PARAMETERS              *",
               kBanner,
               "",
               "      NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  =  2",
               "      NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      =  2",
               "      GENERATE EARTH PRESSURE INTERNALLY                 =  0",
               "      GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   =  0",
               "      NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES =  0",
               "      NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  =  0",
               "      NUMBER OF INCREMENTS                               =  80",
               "      INCREMENT LENGTH                                   =   6.000 IN",
               "      FREE HEIGHT OF WALL                                = 120.000 IN",
               "      MAXIMUM ALLOWABLE DEFLECTION                       =  10.000 IN",
               "      DEFLECTION CLOSURE TOLERANCE                       = 0.00010 IN",
               "",
               "",
               kBanner,
               "      *        SPECIFIED DEFLECTIONS AND SLOPES        *",
               kBanner,
               "",
               "          STA      CASE       DEFLECTION        SLOPE",
               "",
               sp(12) + "0" + sp(8) + "1" + sp(9) + "0.500E+00" + sp(9) + "NONE",
               sp(11) + "40" + sp(8) + "3" + sp(9) + "0.100E-01" + sp(5) + "-0.200E-02",
               "",
               "",
               kBanner,
               "      *        STIFFNESS AND LOAD DATA                 *",
               kBanner,
               "      EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,",
               "      S - STIFFNESS OF TRANSVERSE RESISTANCE,",
               "      T - TORQUE,              P - AXIAL LOAD,",
               "      R - STIFFNESS OF TORSIONAL RESISTANCE.",
               "",
               "     FROM TO CONTD     EI         Q        S'        T         R         P",
               "",
               sp(19) + "LBS-IN**2     LBS     LBS/IN    IN-LBS   IN-LBS     LBS",
               // Stiffness 0 (mode 2) .. 80: opening row, then the row that ends the sequence.
               sp(8) + "0" + sp(6) + "1  0.100E+10" + zero + zero + zero + zero + zero,
               sp(11) + "80  0  0.200E+10" + zero + zero + zero + zero + zero,
               // The load row shows the stiffness its station holds (half of 1E9 at the end).
               sp(8) + "0   0  0  0.500E+09 0.100E+04" + zero + " 0.500E+03" + zero + "-0.200E+03",
               sp(7) + "70  80  0  0.188E+10" + zero + " 0.100E+03" + zero + zero + zero,
               // Tieback at 10 ft with h = 6 in: station 20.
               sp(7) + "20  20  0  0.125E+10" + zero + " 0.755E+04" + zero + zero + zero,
               "",
               "",
               kBanner,
               "      *        SPECIFIED ACTIVE EARTH PRESSURE         *",
               kBanner,
               "",
               "",
               "",
               "         DEPTH         ACTIVE EARTH PRESSURE",
               sp(10) + "IN" + sp(18) + "LBS/IN",
               "        --------       ------------------------",
               sp(7) + "0.000E+00" + sp(11) + "0.000E+00",
               sp(7) + "0.120E+03" + sp(11) + "0.100E+02",
           });
    // Block 1 written whole, a zero earth part as 1.0E-7; block 2 in its empty form.
    const auto p = out.plotLines();
    ASSERT_GE(p.size(), 4u);
    EXPECT_EQ(p[0], " 2");
    EXPECT_EQ(p[1], "   0.000E+00   0.000E+00   0.100E-06   0.000E+00");
    EXPECT_EQ(p[2], "   0.120E+03   0.100E+02   0.100E+02   0.000E+00");
    EXPECT_EQ(p[3], " 1 0");
}

TEST(ProblemInput, EnglishStationData) {
    EngineHarness h;
    h.run(readFile(dataPath("echo-english.tv5d")));
    const tervane::StationData& st = h.state().stations;
    // Stiffness spread linearly from 1E9 at station 0 to 2E9 at station 80, ends at half.
    EXPECT_DOUBLE_EQ(st.F[0], 0.5e9);
    EXPECT_DOUBLE_EQ(st.F[10], 1.125e9); // stations 40..60 are not treated apart
    EXPECT_DOUBLE_EQ(st.F[40], 1.5e9);
    EXPECT_DOUBLE_EQ(st.F[50], 1.625e9);
    EXPECT_DOUBLE_EQ(st.F[80], 1.0e9);
    EXPECT_EQ(st.F[81], 0.0);
    // Load on one station: whole; axial load with its sign reversed; the couple listed.
    EXPECT_DOUBLE_EQ(st.T[0], 500.0);
    EXPECT_DOUBLE_EQ(st.P[0], 200.0);
    ASSERT_EQ(st.coupleCount, 1);
    EXPECT_EQ(st.couples[0].station, 0);
    // Distributed load 0 at the top to 10 lbs/in at 120 in: Q(s) = h * 10 * 6s/120 = 3s.
    EXPECT_DOUBLE_EQ(st.Q[0], 1000.0);
    EXPECT_DOUBLE_EQ(st.Q[1], 3.0);
    EXPECT_DOUBLE_EQ(st.Q[20], 60.0);
    EXPECT_EQ(st.Q[21], 0.0);
    // Spring 70..80 keeps half at its ends; tieback E A cos15 / ((8*12/12)(20*12)) = 7546.30.
    EXPECT_DOUBLE_EQ(st.S[70], 50.0);
    EXPECT_DOUBLE_EQ(st.S[75], 100.0);
    EXPECT_DOUBLE_EQ(st.S[80], 50.0);
    EXPECT_NEAR(st.S[20], 7546.30, 0.01);
    EXPECT_EQ(st.supportRows, 2);
    EXPECT_FALSE(st.firstSupportSingle);
    EXPECT_TRUE(st.lastSupportSingle);
    EXPECT_DOUBLE_EQ(st.lastSupportDepth, 120.0);
    // Deflection at 0; deflection and slope at 40: each code carries its row's value.
    EXPECT_EQ(st.code[0], 2);
    EXPECT_EQ(st.boundaryDeflection[0], 0.5);
    EXPECT_EQ(st.code[39], 3);
    EXPECT_EQ(st.code[40], 4);
    EXPECT_EQ(st.code[41], 5);
    EXPECT_EQ(st.boundarySlope[39], -0.002);
    EXPECT_EQ(st.boundaryDeflection[40], 0.01);
    EXPECT_EQ(st.boundarySlope[41], -0.002);
    EXPECT_EQ(st.code[1], 1);
}

TEST(ProblemInput, UnitLabelsOfSIAndOtherUnits) {
    for (int units : {2, 3}) {
        EngineHarness h;
        const EngineOutput out =
            h.run(head(std::to_string(units) + " 0\t1\t0\t1\t0 0 1 0 0", "10 0.5\t1\t0.001\t2\t1") +
                  "0\t10\t1\t1E5\r\n0\r\n0\r\n1\r\n0\t1\r\n0\r\n");
        const auto l = out.reportLines();
        const bool si = units == 2;
        const std::string len3 = si ? "  M" : "  L", force4 = si ? "  KN" : "   F";
        const std::string len2 = si ? " M" : " L", force3 = si ? " KN" : "  F";
        const std::string wall =
            "      INCREMENT LENGTH                                   =   0.500";
        EXPECT_EQ(linesFrom(l, wall + len3, 1).size(), 1u) << units;
        const std::string unitLine = sp(18) + force4 + "-" + len2 + "**2" + sp(4) + force4 + sp(4) +
                                     force4 + "/" + len2 + sp(3) + len3 + "-" + force3 + sp(2) +
                                     len3 + "-" + force3 + sp(4) + force4;
        EXPECT_EQ(linesFrom(l, unitLine, 1).size(), 1u) << units;
        EXPECT_EQ(linesFrom(l, sp(9) + len3 + sp(17) + force4 + "/" + len2, 1).size(), 1u);
    }
}

TEST(ProblemInput, RestraintOrderCountAndEmptySection) {
    const std::string body = "0\t80\t1\t1E9\r\n0\r\n0\r\n0\r\n";
    {
        EngineHarness h; // stations 10, 10, 40 are in order
        const EngineOutput out = h.run(head("1 3\t1\t0\t0\t0 0 1 0 0") +
                                       "1\t10\t0\t0\r\n2\t10\t0\t0.01\r\n1\t40\t0\t0\r\n" + body);
        EXPECT_EQ(out.report.find("ERROR STOP"), std::string::npos);
        EXPECT_EQ(h.state().stations.specifiedCount, 3);
        EXPECT_EQ(h.state().stations.code[10], 2);
        EXPECT_EQ(h.state().stations.code[9], 3);
    }
    {
        EngineHarness h; // 40 then 10
        const EngineOutput out =
            h.run(head("1 2\t1\t0\t0\t0 0 1 0 0") + "1\t40\t0\t0\r\n1\t10\t0\t0\r\n" + body);
        EXPECT_TRUE(stoppedWith(out, "     ERROR STOP -- STATIONS NOT IN ORDER"));
        EXPECT_EQ(out.report.find("*        STIFFNESS AND LOAD DATA"), std::string::npos);
    }
    {
        EngineHarness h; // 21 rows: stop before any row is read, with two empty lines after
        const EngineOutput out = h.run(head("1 21\t1\t0\t0\t0 0 1 0 0") + "not a row\r\n");
        EXPECT_TRUE(stoppedWith(out, "     TOO MUCH DATA FOR AVAILABLE STORAGE"));
        EXPECT_NE(out.report.find("SPECIFIED DEFLECTIONS AND SLOPES        *\n" + kBanner +
                                  "\n\n          STA      CASE       DEFLECTION        SLOPE\n"
                                  "\n\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n\n\n\n"
                                  "     END OF ANALYSIS\n"),
                  std::string::npos);
    }
    {
        EngineHarness h; // no restraints: no banner, an empty line and 20 blanks
        const EngineOutput out = h.run(head("1 0\t1\t0\t0\t0 0 1 0 0") + body);
        EXPECT_EQ(out.report.find("*        SPECIFIED DEFLECTIONS"), std::string::npos);
        EXPECT_NE(out.report.find(" 0.00010 IN\n\n" + sp(20) + "\n\n\n" + kBanner +
                                  "\n      *        STIFFNESS AND LOAD DATA"),
                  std::string::npos);
    }
}

TEST(ProblemInput, CapacitiesAndBadNumbersStopTheProblem) {
    const std::string control = "1 0\t1\t0\t0\t0 0 1 0 0";
    const std::string rest = "0\t80\t1\t1E9\r\n0\r\n0\r\n";
    const std::string tooMuch = "     TOO MUCH DATA FOR AVAILABLE STORAGE";
    struct Case {
        std::string data, message;
    };
    const std::vector<Case> cases = {
        {head(control, "408 6\t10\t0.0001\t120\t12"), tooMuch},
        {head(control, "0 6\t10\t0.0001\t120\t12"),
         "     ERROR STOP -- NUMBER OF INCREMENTS MUST BE GREATER THAN ZERO"},
        {head(control, "80 -6\t10\t0.0001\t120\t12"),
         "     ERROR STOP -- INCREMENT LENGTH MUST BE GREATER THAN ZERO"},
        {head(control, "80 six\t10\t0.0001\t120\t12"),
         "     ERROR STOP -- DATA FILE LINE 3: \"six\" IS NOT A NUMBER"},
        // A stiffness row past the station store, one into the station below the tip, one
        // running backwards.
        {head(control) + "0\t84\t1\t1E9\r\n0\r\n0\r\n", tooMuch},
        {head(control) + "0\t81\t1\t1E9\r\n0\r\n0\r\n0\r\n",
         "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        {head(control) + "40\t30\t1\t1E9\r\n", "     ERROR STOP -- STATIONS NOT IN ORDER"},
        // A distributed load of 2001 rows; one reaching below the tip.
        {head("1 0\t1\t0\t1\t0 0 1 0 0") + "0\t80\t1\t1E9\r\n0\r\n0\r\n2001\r\n", tooMuch},
        {head("1 0\t1\t0\t1\t0 0 1 0 0") + rest + "2\r\n0\t1\r\n600\t1\r\n",
         "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        // A user curve of 35 points; 64 curves; a curve of one point.
        {head("1 0\t1\t0\t0\t1 1 1 0 0") + rest + "10\t35\t1\t1\r\n", tooMuch},
        {head("1 0\t1\t0\t0\t1 64 1 0 0") + rest, tooMuch},
        {head("1 0\t1\t0\t0\t1 1 1 0 0") + rest + "10\t1\t1\t1\r\n0\t0\r\n",
         "     ERROR STOP -- A P-Y CURVE NEEDS AT LEAST TWO POINTS"},
        // 21 moment-EI sets; a set of 101 points; a set reaching past the store.
        {head("1 0\t1\t0\t0\t0 0 1 21 0") + rest, tooMuch},
        {head("1 0\t1\t0\t0\t0 0 1 1 0") + rest + "0\t80\t101\r\n", tooMuch},
        {head("1 0\t1\t0\t0\t0 0 1 1 0") + rest + "0\t83\t2\r\n", tooMuch},
        // Counts and options outside their ranges.
        {head("1 0\t-1\t0\t0\t0 0 1 0 0"),
         "     ERROR STOP -- A COUNT OF THE CONTROL DATA IS NEGATIVE"},
        {head("1 0\t1\t0\t0\t3 0 1 0 0"), "     ERROR STOP -- P-Y CURVE OPTION MUST BE 0, 1 OR 2"},
        {head("1 0\t1\t0\t0\t0 0 1 0 1") + "0\t80\t1\t1E9\r\n0\r\n0\r\n10\t1\t1\t20\t0\t0\r\n",
         "     ERROR STOP -- TIEBACK SPACING, WALL WIDTH AND UNBONDED LENGTH MUST NOT BE ZERO"},
    };
    for (std::size_t k = 0; k < cases.size(); ++k) {
        EngineHarness h;
        const EngineOutput out = h.run(cases[k].data + "0\r\n");
        EXPECT_TRUE(stoppedWith(out, cases[k].message)) << "case " << k << "\n" << out.report;
    }
}

TEST(ProblemInput, UserCurvesEchoedAndStoredWithTheirMultipliers) {
    EngineHarness h;
    // Two curves: station 10 (60 in, above the free height of 120: flag 0) with p x 0.5, and
    // station 30 (180 in: flag 1) with y x 2.
    const EngineOutput out = h.run(
        head("1 0\t1\t0\t0\t1 2 1 0 0") + "0\t80\t1\t1E9\r\n0\r\n0\r\n" +
        "10\t2\t0.5\t1\r\n0\t0\r\n1\t100\r\n30\t3\t1\t2\r\n0\t0\r\n1\t-50\r\n2\t-80\r\n0\r\n");
    ASSERT_EQ(out.result, 0);
    const auto l = out.reportLines();
    expectLines(l,
                {
                    "      *     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *",
                    kBanner,
                    "",
                    "",
                    "     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ",
                    "",
                    "",
                    // Alone: both stations, I4 count.
                    sp(7) + "10  10  0" + sp(10) + "0.500E+00" + sp(5) + "0.100E+01" + sp(11) + "2",
                    "",
                    "",
                    sp(18) + "    Y    " + sp(12) + "   P    ",
                    sp(21) + "IN" + sp(17) + "LBS/IN",
                    sp(18) + "---------" + sp(12) + "--------",
                    sp(18) + "0.000E+00" + sp(11) + "0.000E+00",
                    sp(18) + "0.100E+01" + sp(11) + "0.500E+02",
                    "",
                });
    // The second curve opens a sequence: station, 4 blanks, flag 1, I3 count.
    EXPECT_EQ(linesFrom(l,
                        sp(7) + "30" + sp(6) + "1" + sp(10) + "0.100E+01" + sp(5) + "0.200E+01" +
                            sp(12) + "3",
                        1)
                  .size(),
              1u);
    EXPECT_EQ(linesFrom(l, sp(18) + "0.400E+01" + sp(10) + "-0.800E+02", 1).size(), 1u);
    // Block 2, form D: multiplied points per unit length.
    const auto p = out.plotLines();
    const std::vector<std::string> block2 = {" 1 2",  " 10 2", " 0 0",   " 1 50",
                                             " 30 3", " 0 0",  " 2 -50", " 4 -80"};
    ASSERT_GE(p.size(), 1 + block2.size());
    for (std::size_t k = 0; k < block2.size(); ++k)
        EXPECT_EQ(p[1 + k], block2[k]);
    // The curve table in force per station (times h = 6).
    const tervane::StationData& st = h.state().stations;
    ASSERT_EQ(st.curveCount, 2);
    EXPECT_EQ(st.curves[0].continuation, 0);
    EXPECT_EQ(st.curves[1].continuation, 1);
    EXPECT_DOUBLE_EQ(st.curves[0].qc[1], 300.0);
    EXPECT_DOUBLE_EQ(st.curves[1].w[2], 4.0);
    EXPECT_DOUBLE_EQ(st.curves[1].qc[2], -480.0);
}

TEST(ProblemInput, SurchargeDistancesInMillimetresAreDividedByAThousand) {
    // Record 13 of an SI problem read on its own: surcharge distances and widths come in mm.
    // 3300 mm / 1000 is 3.3 exactly as the division rounds it; 3300 * 0.001 is one unit in the
    // last place above it.
    for (int units : {2, 1}) {
        auto state = std::make_unique<tervane::EngineState>();
        state->control.unitSystem = units;
        tervane::FreeReader data;
        data.reset("4\t1\t1\t0\t0\t1\t1\t0\n0\t0\t0\t0\t0\t0\n2\n1\t10\t3300\t700\n"
                   "3\t5\t1500\t2700\n0\n",
                   "DATA FILE");
        tervane::TextOut report, plot, notes;
        tervane::RunContext ctx{*state, data, report, plot, notes, "."};
        tervane::readSoilRecord(ctx);
        const tervane::SoilInput& soil = state->soil;
        ASSERT_EQ(soil.surchargeCount, 2);
        const double scale = units == 2 ? 1000.0 : 1.0;
        EXPECT_EQ(soil.surcharges[0].distance, 3300.0 / scale) << units;
        EXPECT_EQ(soil.surcharges[0].width, 700.0 / scale) << units;
        EXPECT_EQ(soil.surcharges[1].distance, 1500.0 / scale) << units;
        EXPECT_EQ(soil.surcharges[1].width, 2700.0 / scale) << units;
        if (units == 2) {
            EXPECT_EQ(soil.surcharges[0].distance, 3.3);
            EXPECT_EQ(soil.surcharges[0].width, 0.7);
        }
        EXPECT_TRUE(data.atEnd());
    }
}
