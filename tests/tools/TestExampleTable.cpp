// The table of examples/README.md against the runs: every example analysed through the engine
// library, its top deflection, largest moment with its depth and anchor loads as the table gives
// them, to the report's three significant digits.

#include "EngineRunner.h"
#include "ReportSummary.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace testsupport;
using namespace tervane::runner;

namespace {

const fs::path kExamples = dataPath("../../examples");

std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") + 1 - a);
}

std::vector<std::string> split(const std::string& s, char by) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string piece; std::getline(in, piece, by);)
        out.push_back(trim(piece));
    return out;
}

// A value of the table and the depth it is given at ("1.49E5 lb-in at 174 in (14.5 ft)").
struct Entry {
    double value = 0.0;
    double depth = 0.0;
    bool hasDepth = false;
};

const std::regex kNumber(R"([-+]?\d+(\.\d*)?([eE][-+]?\d+)?)");

Entry entry(const std::string& text) {
    Entry e;
    std::smatch m;
    EXPECT_TRUE(std::regex_search(text, m, kNumber)) << text;
    if (m.empty()) return e;
    e.value = std::stod(m.str());
    const auto at = text.find(" at ");
    if (at != std::string::npos) {
        const std::string rest = text.substr(at + 4);
        if (std::regex_search(rest, m, kNumber)) {
            e.depth = std::stod(m.str());
            e.hasDepth = true;
        }
    }
    return e;
}

// One cell's values per problem (";" between problems) and per item ("," between anchors; "—"
// for none).
std::vector<std::vector<Entry>> cellEntries(const std::string& cell) {
    std::vector<std::vector<Entry>> problems;
    for (const std::string& p : split(cell, ';')) {
        std::vector<Entry> items;
        if (p != "—")
            for (const std::string& item : split(p, ','))
                items.push_back(entry(item));
        problems.push_back(items);
    }
    return problems;
}

struct TableRow {
    std::string file;
    std::vector<std::vector<Entry>> top, moment, anchors;
};

std::vector<TableRow> readTable() {
    std::vector<TableRow> rows;
    std::map<std::string, std::size_t> column;
    std::istringstream in(readFile(kExamples / "README.md"));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| ", 0) != 0) continue;
        std::vector<std::string> cells = split(line.substr(1, line.rfind('|') - 1), '|');
        if (column.empty()) {
            for (std::size_t c = 0; c < cells.size(); ++c)
                column[cells[c]] = c;
            continue;
        }
        if (cells.at(0).rfind("`", 0) != 0) continue; // the rule under the heading
        TableRow r;
        r.file = cells.at(0).substr(1, cells[0].size() - 2);
        r.top = cellEntries(cells.at(column.at("Top deflection")));
        r.moment = cellEntries(cells.at(column.at("Largest moment (depth)")));
        r.anchors = cellEntries(cells.at(column.at("Anchor loads")));
        rows.push_back(r);
    }
    return rows;
}

// Half a unit in the third significant digit of the table's value.
void expectThreeDigits(double run, double table, const std::string& what) {
    const double scale =
        table == 0.0 ? 1e-12 : std::pow(10.0, std::floor(std::log10(std::fabs(table))) - 2);
    EXPECT_LE(std::fabs(run - table), 0.5 * scale * (1 + 1e-9))
        << what << ": run " << run << ", table " << table;
}

// Anchors of each problem from its report: the stiffness rows of one station with a spring
// (a tieback row or a spring row) and the deflection at that station in the results table.
std::vector<std::vector<Entry>> anchorLoads(const std::string& report) {
    std::vector<std::vector<Entry>> problems;
    const std::string heading = "RESULTS -- ITERATION";
    std::size_t from = 0;
    for (std::size_t at = report.find(heading); at != std::string::npos;
         at = report.find(heading, at + 1)) {
        const std::string before = report.substr(from, at - from);
        const std::size_t stiffness = before.rfind("STIFFNESS AND LOAD DATA");
        std::vector<std::pair<int, double>> springs;
        std::istringstream rows(before.substr(stiffness == std::string::npos ? 0 : stiffness));
        for (std::string line; std::getline(rows, line);) {
            std::istringstream f(line);
            int a = 0, b = 0, contd = 0;
            double ei = 0, q = 0, s = 0, t = 0, r = 0, p = 0;
            if ((f >> a >> b >> contd >> ei >> q >> s >> t >> r >> p) && a == b && s != 0.0)
                springs.push_back({a, s});
        }
        std::map<int, std::pair<double, double>> station; // depth and deflection of a station
        const std::size_t next = report.find(heading, at + 1);
        std::istringstream results(report.substr(at, next == std::string::npos ? next : next - at));
        for (std::string line; std::getline(results, line);) {
            std::istringstream f(line);
            int s = 0;
            double x = 0, w = 0, slope = 0, m = 0, v = 0, react = 0, ei = 0;
            std::string more;
            // Rows of the table have eight fields (the stiffness rows of a next problem nine).
            if ((f >> s >> x >> w >> slope >> m >> v >> react >> ei) && !(f >> more))
                station[s] = {x, w};
        }
        std::vector<Entry> anchors;
        for (const auto& [s, k] : springs) {
            EXPECT_EQ(station.count(s), 1u) << "no result row for the anchor's station " << s;
            anchors.push_back({k * station[s].second, station[s].first, true});
        }
        problems.push_back(anchors);
        from = at;
    }
    return problems;
}

} // namespace

TEST(ExampleTable, EveryExampleHasARowAndEveryRowAnExample) {
    std::set<std::string> listed, found;
    for (const TableRow& r : readTable())
        EXPECT_TRUE(listed.insert(r.file).second) << r.file << " listed twice";
    for (const auto& e : fs::directory_iterator(kExamples))
        if (e.path().extension() == ".tv5d") found.insert(e.path().filename().string());
    EXPECT_EQ(listed, found);
}

TEST(ExampleTable, TopDeflectionLargestMomentAndAnchorLoadsAreThoseOfTheRuns) {
    const std::vector<TableRow> rows = readTable();
    ASSERT_GE(rows.size(), 16u);
    TempDir dir;
    for (const TableRow& row : rows) {
        SCOPED_TRACE(row.file);
        writeFile(dir / row.file, readFile(kExamples / row.file));
        const RunResult run = analyseProject(dir / row.file, binPath(kLibraryFileName));
        ASSERT_EQ(run.outcome, RunOutcome::Completed) << run.message;
        const std::string report = readFile(run.report);
        const ReportSummary summary = summariseReport(report);
        const auto anchors = anchorLoads(report);
        ASSERT_EQ(summary.problems.size(), row.top.size());
        ASSERT_EQ(row.moment.size(), row.top.size());
        ASSERT_EQ(row.anchors.size(), row.top.size());
        ASSERT_EQ(anchors.size(), row.top.size());
        for (std::size_t k = 0; k < row.top.size(); ++k) {
            SCOPED_TRACE("problem " + std::to_string(k + 1));
            const ProblemSummary& p = summary.problems[k];
            ASSERT_EQ(row.top[k].size(), 1u);
            ASSERT_EQ(row.moment[k].size(), 1u);
            expectThreeDigits(p.topDeflection, row.top[k][0].value, "top deflection");
            expectThreeDigits(p.maxMoment.value, row.moment[k][0].value, "largest moment");
            ASSERT_TRUE(row.moment[k][0].hasDepth);
            EXPECT_DOUBLE_EQ(p.maxMoment.depth, row.moment[k][0].depth);
            ASSERT_EQ(anchors[k].size(), row.anchors[k].size());
            for (std::size_t a = 0; a < anchors[k].size(); ++a) {
                expectThreeDigits(anchors[k][a].value, row.anchors[k][a].value, "anchor load");
                EXPECT_DOUBLE_EQ(anchors[k][a].depth, row.anchors[k][a].depth);
            }
        }
    }
}
