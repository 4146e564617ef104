// What tervane-run tells about a run: completed or stopped with the report's error-stop line and
// exit status 1, and the per-problem summary against the report's own results table and against
// the closed-form cantilever, as text and as JSON that a JSON parser reads.

#include "ShellCommand.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

using namespace testsupport;

namespace {

const fs::path kRunner = binPath("tervane-run");

std::string quoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

bool hasPython() {
    return shell("python3 -c 'import json' 2>/dev/null").status == 0;
}

// The summary of the project's first problem read by Python's JSON parser: the fields named,
// one a line.
std::vector<double> jsonFields(const fs::path& project, const std::string& fields) {
    const Shell s = shell(kRunner.string() + " --summary=json " + quoted(project) +
                          " 2>/dev/null | python3 -c 'import json, sys\n"
                          "o = [json.loads(l) for l in sys.stdin][0]\n"
                          "for f in \"" +
                          fields +
                          "\".split():\n"
                          "    v = o\n"
                          "    for k in f.split(\".\"): v = v[k]\n"
                          "    print(float(v))'");
    std::vector<double> out;
    std::istringstream in(s.out);
    for (double v; in >> v;)
        out.push_back(v);
    return out;
}

// The results table of a report read here on its own: depth, deflection and moment per row.
struct TableRow {
    double depth, deflection, moment;
};
std::vector<TableRow> resultsTable(const std::string& report) {
    std::vector<TableRow> rows;
    const auto l = lines(report);
    std::size_t k = 0;
    while (k < l.size() && l[k].rfind("   ------    ----", 0) != 0)
        ++k;
    for (++k; k < l.size() && !l[k].empty(); ++k) {
        std::istringstream in(l[k]);
        int station = 0;
        double x = 0, w = 0, slope = 0, m = 0;
        in >> station >> x >> w >> slope >> m;
        rows.push_back({x, w, m});
    }
    return rows;
}

} // namespace

TEST(RunSummary, CantileverExampleAgainstItsOwnReportTable) {
    if (!hasPython()) GTEST_SKIP() << "python3 reads the JSON";
    TempDir dir;
    const fs::path project = dir / "cantilever.tv5d";
    writeFile(project, readFile(dataPath("../../examples/cantilever-sand.tv5d")));
    const std::vector<double> v =
        jsonFields(project, "topDeflection maxMoment.value maxMoment.depth iterations stations");
    ASSERT_EQ(v.size(), 5u);
    const auto table = resultsTable(readFile(dir / "cantilever.tv5o"));
    ASSERT_EQ(table.size(), 101u);
    TableRow largest = table[0];
    for (const TableRow& r : table)
        if (std::fabs(r.moment) > std::fabs(largest.moment)) largest = r;
    EXPECT_DOUBLE_EQ(v[0], table[0].deflection);
    EXPECT_DOUBLE_EQ(v[1], largest.moment);
    EXPECT_DOUBLE_EQ(v[2], largest.depth);
    EXPECT_EQ(v[4], 101.0);

    // The text summary: units of the project, the solution closed, the balance of a wall on
    // soil alone within the rounding of the table's three digits.
    const Shell text = shell(kRunner.string() + " --summary " + quoted(project));
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("analysis completed, 1 problem, 0 warnings"), std::string::npos);
    EXPECT_NE(text.out.find("  problem 1: Cantilever sheet pile in medium dense sand"),
              std::string::npos);
    EXPECT_NE(
        text.out.find("iterations:         " + std::to_string(static_cast<int>(v[3])) + ", closed"),
        std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("largest moment:     1.49E+05 LBS-IN at 1.74E+02 IN"),
              std::string::npos)
        << text.out;
    const std::vector<double> balance =
        jsonFields(project, "equilibrium.forceBalance equilibrium.momentBalance");
    ASSERT_EQ(balance.size(), 2u);
    EXPECT_LT(std::fabs(balance[0]), 2e-3);
    EXPECT_LT(std::fabs(balance[1]), 2e-3);
}

TEST(RunSummary, ClosedFormCantileverTopDeflection) {
    if (!hasPython()) GTEST_SKIP() << "python3 reads the JSON";
    // Clamped at the toe, 1000 lbs at the top, L = 120 in, EI = 1E9 lbs-in^2: P L^3 / 3EI.
    TempDir dir;
    const fs::path project = dir / "cantilever.tv5d";
    writeFile(project, readFile(dataPath("cantilever-80.tv5d")));
    const std::vector<double> v = jsonFields(project, "topDeflection maxDeflection.depth");
    ASSERT_EQ(v.size(), 2u);
    const double exact = 1000.0 * 120.0 * 120.0 * 120.0 / (3.0 * 1.0e9);
    EXPECT_NEAR(v[0], exact, 1e-3 * exact);
    EXPECT_EQ(v[1], 0.0);
}

TEST(RunSummary, AProblemThatStopsGivesExitStatusOneAndItsStopLine) {
    TempDir dir;
    // The data file ends inside the first problem's records.
    writeFile(dir / "hostile.tv5d", "Cut short\r\n1 0 1 0 0 0 0 1 0 0\r\n");
    writeFile(dir / "good.tv5d", "Good wall\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n10 12\t1\t0.001\t60\t12"
                                 "\r\n0\t10\t1\t1E9\r\n0\r\n0\r\n0\r\n");
    const Shell s = shell(kRunner.string() + " " + quoted(dir / "good.tv5d") + " " +
                          quoted(dir / "hostile.tv5d") + " 2>&1");
    EXPECT_EQ(s.status, 1) << s.out;
    EXPECT_NE(s.out.find("good.tv5d: analysis completed, 1 problem, 0 warnings"), std::string::npos)
        << s.out;
    EXPECT_NE(s.out.find("hostile.tv5d: analysis stopped, 1 problem, 0 warnings\n"
                         "  ERROR STOP -- END OF DATA FILE REACHED BEFORE ALL DATA WERE READ\n"),
              std::string::npos)
        << s.out;

    const Shell json = shell(kRunner.string() + " --summary=json " + quoted(dir / "hostile.tv5d") +
                             " 2>/dev/null");
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("\"title\":\"Cut short\",\"stopped\":true,\"stop\":\"ERROR STOP -- "
                            "END OF DATA FILE REACHED BEFORE ALL DATA WERE READ\""),
              std::string::npos)
        << json.out;
    // Only JSON on standard output, one line per problem.
    EXPECT_EQ(lines(json.out).size(), 1u);
}

TEST(RunSummary, WarningsAreCounted) {
    TempDir dir;
    writeFile(dir / "w.tv5d", readFile(dataPath("../../fuzz/seeds/si-stiff-clay-water-sand-"
                                                "surcharges.tv5d")));
    const Shell s = shell(kRunner.string() + " --summary " + quoted(dir / "w.tv5d") + " 2>&1");
    EXPECT_NE(s.out.find("analysis completed, 1 problem, 2 warnings"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("    warnings:           2\n"), std::string::npos);
}
