// Data files no front end writes: huge and negative counts, numbers that are not finite or out of
// range, an endless title, files of nothing or of one byte, NUL bytes and old line ends. Each run
// must end with its stop message in the report between the empty lines of a stop, "END OF
// ANALYSIS" and a final result block. A run that hangs is ended by the CTest timeout these tests
// carry (tests/CMakeLists.txt).

#include "EngineHarness.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

const std::string kTooMuch = "     TOO MUCH DATA FOR AVAILABLE STORAGE";
const std::string kEndOfFile =
    "     ERROR STOP -- END OF DATA FILE REACHED BEFORE ALL DATA WERE READ";

EngineOutput runData(const std::string& data) {
    EngineHarness h;
    return h.run(data);
}

// The run stopped with `message` (two empty lines before it; after "TOO MUCH DATA" two more)
// and then ended in order: three empty lines, the closing line and a final result block.
void expectOrderlyStop(const EngineOutput& out, const std::string& message,
                       const std::string& label) {
    EXPECT_EQ(out.result, 0) << label;
    const std::string after = message == kTooMuch ? "\n\n\n" : "\n";
    EXPECT_NE(out.report.find("\n\n" + message + after + "\n\n\n     END OF ANALYSIS\n"),
              std::string::npos)
        << label << "\n"
        << out.report;
    const auto plot = out.plotLines();
    ASSERT_FALSE(plot.empty()) << label;
    EXPECT_EQ(plot.back().substr(0, 3), " 1 ") << label; // the final result block, marker 1
}

// Control record, wall record, one stiffness row: the head every case below continues.
std::string head(const std::string& control,
                 const std::string& wall = "40 6\t10\t0.0001\t120\t12") {
    return "Hostile input\r\n" + control + "\r\n" + wall + "\r\n0\t40\t1\t1E9\r\n";
}

// A complete small problem: a wall of 40 increments with a lateral load at its top and springs
// all along it.
std::string smallProblem(const std::string& lineEnd) {
    return "Hostile input" + lineEnd + "1 0\t1\t0\t0\t0 0 1 0 0" + lineEnd +
           "40 6\t10\t0.0001\t120\t12" + lineEnd + "0\t40\t1\t1E9" + lineEnd + "1" + lineEnd +
           "1\t0\t0\t1000\t0\t0" + lineEnd + "1" + lineEnd + "0\t40\t1\t500\t0" + lineEnd;
}

// The report without its folder line, which names each run's private working folder.
std::string withoutFolder(const EngineOutput& out) {
    std::string r = out.report;
    const std::size_t at = r.find("     Path to file locations");
    if (at != std::string::npos) r.erase(at, r.find('\n', at) - at);
    return r;
}

} // namespace

TEST(HostileInput, HugeCountsStopAtTheirCapacityOrTheEndOfTheFile) {
    // Two billion springs: the rows run into the end of the file.
    expectOrderlyStop(
        runData(head("1 0\t1\t0\t0\t0 0 1 0 0") + "0\r\n2000000000\r\n1\t2\t1\t5\t0\r\n"),
        kEndOfFile, "springs");
    // Two billion tiebacks on top of two billion springs: their sum is no int.
    expectOrderlyStop(runData(head("1 0\t1\t0\t0\t0 0 1 0 2000000000") + "0\r\n2000000000\r\n"),
                      kEndOfFile, "springs and tiebacks");
    // Two billion concentrated loads, each with a couple: the couple list is full at 2000.
    std::string loads = head("1 0\t1\t0\t0\t0 0 1 0 0") + "2000000000\r\n";
    for (int k = 0; k < 2001; ++k)
        loads += "1\t10\t10\t0\t5\t0\r\n";
    expectOrderlyStop(runData(loads), kTooMuch, "concentrated loads");
    // 99 soil layers: ten fit the layer table.
    expectOrderlyStop(runData(head("1 0\t1\t0\t2\t0 0 1 0 0") +
                              "0\r\n0\r\n120\t12\t12\t0\t0\t1\t1\t0\r\n0\t0\t0\t0\t0\t0\r\n0\r\n"
                              "99\r\n"),
                      kTooMuch, "layers");
    // N = 100000: the echo shows the number as asterisks, then the stop.
    const EngineOutput wide =
        runData(head("1 0\t1\t0\t0\t0 0 1 0 0", "100000 6\t10\t0.0001\t120\t12"));
    expectOrderlyStop(wide, kTooMuch, "increments");
    EXPECT_NE(wide.report.find("      NUMBER OF INCREMENTS                               = ***\n"),
              std::string::npos);
    // Counts of the control record beyond their tables.
    expectOrderlyStop(runData(head("1 2000000000\t1\t0\t0\t0 0 1 0 0")), kTooMuch, "restraints");
    expectOrderlyStop(runData(head("1 0\t1\t2000000000\t0\t0 0 1 0 0") + "0\r\n0\r\n"), kTooMuch,
                      "modifiers");
    expectOrderlyStop(runData(head("1 0\t1\t0\t0\t1 2000000000 1 0 0") + "0\r\n0\r\n"), kTooMuch,
                      "curves");
    expectOrderlyStop(runData(head("1 0\t1\t0\t0\t0 0 1 2000000000 0") + "0\r\n0\r\n"), kTooMuch,
                      "moment-EI sets");
    expectOrderlyStop(runData(head("1 0\t1\t0\t1\t0 0 1 0 0") + "0\r\n0\r\n2000000000\r\n"),
                      kTooMuch, "distributed load rows");
}

TEST(HostileInput, NegativeCountsStopWithTheirName) {
    const std::string controlStop = "     ERROR STOP -- A COUNT OF THE CONTROL DATA IS NEGATIVE";
    for (const char* control :
         {"1 -1\t1\t0\t0\t0 0 1 0 0", "1 0\t-1\t0\t0\t0 0 1 0 0", "1 0\t1\t-1\t0\t0 0 1 0 0",
          "1 0\t1\t0\t0\t1 -1 1 0 0", "1 0\t1\t0\t0\t0 0 -1 0 0", "1 0\t1\t0\t0\t0 0 1 -1 0",
          "1 0\t1\t0\t0\t0 0 1 0 -1"})
        expectOrderlyStop(runData(head(control)), controlStop, control);
    expectOrderlyStop(runData(head("1 0\t1\t0\t-2\t0 0 1 0 0")),
                      "     ERROR STOP -- LOAD OPTION MUST NOT BE NEGATIVE", "load option");
    expectOrderlyStop(runData(head("1 0\t1\t0\t0\t-1 0 1 0 0")),
                      "     ERROR STOP -- P-Y CURVE OPTION MUST BE 0, 1 OR 2", "p-y option");

    const std::string plain = head("1 0\t1\t0\t0\t0 0 1 0 0");
    const std::string soil = head("1 0\t1\t0\t2\t0 0 1 0 0") +
                             "0\r\n0\r\n120\t12\t12\t0\t0\t1\t1\t0\r\n0\t0\t0\t0\t0\t0\r\n";
    const std::string stop = "     ERROR STOP -- ";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {plain + "-1\r\n0\r\n", "NUMBER OF CONCENTRATED LOADS MUST NOT BE NEGATIVE"},
        {plain + "0\r\n-5\r\n", "NUMBER OF SPRINGS MUST NOT BE NEGATIVE"},
        {head("1 0\t1\t0\t1\t0 0 1 0 0") + "0\r\n0\r\n-3\r\n",
         "NUMBER OF DISTRIBUTED LOAD ROWS MUST NOT BE NEGATIVE"},
        {soil + "-1\r\n", "NUMBER OF SURCHARGE LOADS MUST NOT BE NEGATIVE"},
        {soil + "0\r\n-1\r\n", "NUMBER OF SOIL LAYERS MUST NOT BE NEGATIVE"},
        // Negative point counts of a curve and of a moment-EI set.
        {head("1 0\t1\t0\t0\t1 1 1 0 0") + "0\r\n0\r\n10\t-4\t1\t1\r\n",
         "A P-Y CURVE NEEDS AT LEAST TWO POINTS"},
        {head("1 0\t1\t0\t0\t0 0 1 1 0") + "0\r\n0\r\n0\t40\t-4\r\n",
         "A MOMENT-EI CURVE NEEDS AT LEAST TWO POINTS"},
    };
    for (const auto& [data, message] : cases)
        expectOrderlyStop(runData(data), stop + message, message);
}

TEST(HostileInput, NumbersThatAreNotFiniteOrOutOfRange) {
    // The wall record on line 3 holds the bad value as its increment length.
    for (const char* bad : {"NaN", "nan", "-NAN", "Inf", "-Infinity", "INF", "1.#INF", "0x1p3"}) {
        expectOrderlyStop(runData(head("1 0\t1\t0\t0\t0 0 1 0 0",
                                       std::string("40 ") + bad + "\t10\t0.0001\t120\t12")),
                          "     ERROR STOP -- DATA FILE LINE 3: \"" + std::string(bad) +
                              "\" IS NOT A NUMBER",
                          bad);
    }
    for (const char* huge : {"1E999", "-1E999", "1D400", "1E99999999999999999999"}) {
        expectOrderlyStop(runData(head("1 0\t1\t0\t0\t0 0 1 0 0",
                                       std::string("40 6\t") + huge + "\t0.0001\t120\t12")),
                          "     ERROR STOP -- DATA FILE LINE 3: \"" + std::string(huge) +
                              "\" IS OUT OF RANGE",
                          huge);
    }
    // Integers beyond 32 bits and reals where an integer is due.
    expectOrderlyStop(
        runData(head("1 0\t1\t0\t0\t0 0 1 0 0", "99999999999 6\t10\t0.0001\t120\t12")),
        "     ERROR STOP -- DATA FILE LINE 3: \"99999999999\" IS OUT OF RANGE", "integer");
    expectOrderlyStop(runData(head("1 0\t1\t0\t0\t0 0 1 0 0", "4E1 6\t10\t0.0001\t120\t12")),
                      "     ERROR STOP -- DATA FILE LINE 3: \"4E1\" IS NOT AN INTEGER", "4E1");
    // A value too small for a double is zero, as a tolerance of 1E-999 is meant: the run ends
    // normally with the tolerance echoed as 0.
    const EngineOutput tiny =
        runData(head("1 0\t1\t0\t0\t0 0 1 0 0", "40 6\t10\t1E-999\t120\t12") + "0\r\n0\r\n0\r\n");
    EXPECT_EQ(tiny.result, 0);
    EXPECT_NE(
        tiny.report.find("      DEFLECTION CLOSURE TOLERANCE                       = 0.00000 IN\n"),
        std::string::npos);
    EXPECT_NE(tiny.report.find("     RESULTS -- ITERATION"), std::string::npos);
}

TEST(HostileInput, TitleOfTenThousandCharacters) {
    const std::string title(10000, 'T');
    const std::string data =
        title + smallProblem("\r\n").substr(std::string("Hostile input").size());
    const EngineOutput out = runData(data + "0\r\n");
    EXPECT_EQ(out.result, 0);
    // The title shows its first 70 characters, the rest of the line is skipped.
    EXPECT_NE(out.report.find("\n      " + std::string(70, 'T') + "\n"), std::string::npos);
    EXPECT_EQ(out.report.find(std::string(71, 'T')), std::string::npos);
    EXPECT_NE(out.report.find("     RESULTS -- ITERATION  2"), std::string::npos);
    EXPECT_NE(out.report.find("     END OF ANALYSIS\n"), std::string::npos);
}

TEST(HostileInput, EmptyOneByteAndNulFiles) {
    // An empty file: the stop says so; the result block is empty.
    const EngineOutput empty = runData("");
    expectOrderlyStop(empty, "     ERROR STOP -- THE INPUT DATA FILE IS EMPTY", "empty");
    EXPECT_EQ(empty.plot, " 1 0 1\n");
    // One byte: a title and nothing after it.
    expectOrderlyStop(runData("x"), kEndOfFile, "one byte");
    expectOrderlyStop(runData("\n"), kEndOfFile, "one line end");
    // NUL bytes: in the title they show as blanks; where a number is due they are named.
    expectOrderlyStop(runData(std::string("Ti\0tle\r\n1 0\t1\0\t0", 16)),
                      "     ERROR STOP -- DATA FILE LINE 2: \"1?\" IS NOT AN INTEGER", "NUL");
    expectOrderlyStop(runData(std::string(64, '\0')),
                      "     ERROR STOP -- END OF DATA FILE REACHED BEFORE ALL DATA WERE READ",
                      "NUL only");
    const EngineOutput titled =
        runData(std::string("Ti\0tle", 6) +
                smallProblem("\r\n").substr(std::string("Hostile input").size()) + "0\r\n");
    EXPECT_EQ(titled.result, 0);
    EXPECT_NE(titled.report.find("\n      Ti tle" + std::string(64, ' ') + "\n"),
              std::string::npos);
    EXPECT_NE(titled.report.find("     END OF ANALYSIS\n"), std::string::npos);
}

TEST(HostileInput, CarriageReturnOnlyLineEndsReadLikeAnyOther) {
    const EngineOutput crlf = runData(smallProblem("\r\n") + "0\r\n");
    const EngineOutput cr = runData(smallProblem("\r") + "0\r");
    const EngineOutput lf = runData(smallProblem("\n") + "0\n");
    ASSERT_EQ(crlf.result, 0);
    EXPECT_NE(crlf.report.find("     RESULTS -- ITERATION  2"), std::string::npos);
    EXPECT_EQ(withoutFolder(cr), withoutFolder(crlf));
    EXPECT_EQ(cr.plot, crlf.plot);
    EXPECT_EQ(withoutFolder(lf), withoutFolder(crlf));
    // Mixed line ends in one file.
    std::string mixed = smallProblem("\r");
    mixed.replace(mixed.find('\r'), 1, "\r\n");
    EXPECT_EQ(withoutFolder(runData(mixed + "0\n")), withoutFolder(crlf));
}
