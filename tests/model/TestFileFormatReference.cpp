// docs/file-format.md against the files: its checkable layout block is read and every example
// project, and the program's own output for a project using every table, is walked through it
// line by line: the form of every line (items, separators, number text), the counts and options
// that decide which records follow, and the end of the file.

#include "ProgramData.h"
#include "ProjectBuilders.h"
#include "TestSupport.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

using namespace testsupport;

namespace {

const fs::path kExamples = TERVANE_EXAMPLES;

// One row of the layout block, or the opening or closing of a repeated group.
struct LayoutRow {
    std::string name, form, times, when;
    std::vector<std::string> sets;
    bool groupOpen = false, groupClose = false;
    std::regex pattern;
};

std::string formPattern(const std::string& form) {
    const std::string integer = "-?(0|[1-9][0-9]*)";
    // Fixed notation up to 8 digits before the point and down to 0.0001, scientific beyond
    // (exponents from 8 up and from -5 down); no trailing zeros.
    const std::string real = "-?(0|[1-9][0-9]{0,7}(\\.[0-9]*[1-9])?|0\\.(?!0000)[0-9]*[1-9]"
                             "|[1-9](\\.[0-9]*[1-9])?E(-([5-9]|[1-9][0-9]+)|[89]|[1-9][0-9]+))";
    std::string out;
    for (char c : form) {
        switch (c) {
        case 'T':
            out += ".*";
            break;
        case 'I':
            out += integer;
            break;
        case 'N':
            out += real;
            break;
        case 'P':
            out += "(" + real + " |0\\.0  )";
            break;
        case '_':
            out += " ";
            break;
        case '>':
            out += "\t";
            break;
        default:
            ADD_FAILURE() << "unknown form character " << c << " in " << form;
        }
    }
    return out;
}

std::vector<LayoutRow> readLayout() {
    const std::string doc = readFile(kExamples.parent_path() / "docs" / "file-format.md");
    const std::string open = "```layout\n";
    const auto from = doc.find(open);
    EXPECT_NE(from, std::string::npos) << "no layout block";
    const auto to = doc.find("```", from + open.size());
    std::istringstream in(doc.substr(from + open.size(), to - from - open.size()));
    std::vector<LayoutRow> rows;
    for (std::string line; std::getline(in, line);) {
        std::istringstream f(line);
        LayoutRow r;
        if (!(f >> r.name) || r.name[0] == '#') continue;
        if (r.name == "{") {
            r.groupOpen = true;
            if (!(f >> r.times >> r.when)) r.when = "-";
        } else if (r.name == "}") {
            r.groupClose = true;
        } else {
            f >> r.form >> r.times >> r.when;
            for (std::string s; f >> s;)
                if (s != "-") r.sets.push_back(s);
            r.pattern = std::regex(formPattern(r.form));
        }
        rows.push_back(r);
    }
    return rows;
}

class LayoutWalker {
public:
    LayoutWalker(const std::vector<LayoutRow>& layout, const std::string& text) : m_layout(layout) {
        EXPECT_TRUE(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
            << "the last line does not end in CR LF";
        std::size_t at = 0;
        for (std::size_t end = text.find("\r\n"); end != std::string::npos;
             at = end + 2, end = text.find("\r\n", at))
            m_lines.push_back(text.substr(at, end - at));
        for (const std::string& l : m_lines)
            EXPECT_EQ(l.find('\n'), std::string::npos) << "a line ends without CR: " << l;
    }

    // The whole file: the blocks, their closing lines and nothing after them.
    void walkFile() {
        block();
        const int stages = m_values["ST"];
        if (stages <= 1) {
            const int continuation = m_stop ? 0 : number(line("continuation", "I"));
            EXPECT_TRUE(continuation == 0 || continuation == 9) << continuation;
            if (continuation == 9) {
                block();
                EXPECT_EQ(number(line("final", "I")), 0);
            }
        } else {
            for (int stage = 1; stage <= stages && !failed(); ++stage) {
                if (stage > 1) block();
                EXPECT_EQ(m_values["ST"], stages) << "stage " << stage;
                EXPECT_EQ(number(line("stage number", "I")), stage);
            }
        }
        if (!m_stop) {
            EXPECT_EQ(m_next, m_lines.size()) << "lines left after the last record";
        }
    }

    int blocks() const { return m_blocks; }
    // A line that is missing or out of form ends the walk: what follows it is out of step.
    bool failed() const { return m_stop; }

private:
    void block() {
        ++m_blocks;
        rows(0, m_layout.size());
    }

    // Rows first .. last - 1 of the layout, groups repeated.
    void rows(std::size_t first, std::size_t last) {
        for (std::size_t k = first; k < last && !failed(); ++k) {
            const LayoutRow& r = m_layout[k];
            if (r.groupOpen) {
                const std::size_t close = closing(k);
                const int times = present(r.when) ? count(r.times) : 0;
                for (int i = 0; i < times && !failed(); ++i)
                    rows(k + 1, close);
                k = close;
                continue;
            }
            if (!present(r.when)) continue;
            const int times = count(r.times);
            for (int i = 0; i < times && !failed(); ++i)
                record(r);
        }
    }

    std::size_t closing(std::size_t open) const {
        int depth = 0;
        for (std::size_t k = open; k < m_layout.size(); ++k) {
            depth += m_layout[k].groupOpen ? 1 : m_layout[k].groupClose ? -1 : 0;
            if (depth == 0) return k;
        }
        ADD_FAILURE() << "group without its end";
        return m_layout.size();
    }

    void record(const LayoutRow& r) {
        const std::string text = line(r.name, r.form, &r.pattern);
        if (r.sets.empty()) return;
        std::istringstream items(text);
        for (const std::string& name : r.sets) {
            std::string item;
            items >> item;
            if (name != "_") m_values[name] = number(item);
        }
    }

    std::string line(const std::string& name, const std::string& form,
                     const std::regex* pattern = nullptr) {
        if (m_stop) return {};
        if (m_next >= m_lines.size()) {
            ADD_FAILURE() << "the file ends before the record " << name;
            m_stop = true;
            return {};
        }
        const std::string& text = m_lines[m_next++];
        const std::regex own = pattern ? std::regex() : std::regex(formPattern(form));
        if (!std::regex_match(text, pattern ? *pattern : own)) {
            ADD_FAILURE() << "line " << m_next << " (" << name << ", form " << form << "): \""
                          << text << "\"";
            m_stop = true;
        }
        return text;
    }

    int count(const std::string& times) {
        if (std::isdigit(static_cast<unsigned char>(times[0]))) return std::stoi(times);
        EXPECT_EQ(m_values.count(times), 1u) << times << " is not set before it is used";
        return m_values[times];
    }

    // "-", or alternatives "A=1|B>2" on values set before.
    bool present(const std::string& when) {
        if (when == "-") return true;
        std::istringstream in(when);
        for (std::string alt; std::getline(in, alt, '|');) {
            const auto op = alt.find_first_of("=>");
            const int value = count(alt.substr(0, op));
            const int bound = std::stoi(alt.substr(op + 1));
            if (alt[op] == '=' ? value == bound : value > bound) return true;
        }
        return false;
    }

    static int number(const std::string& item) {
        try {
            return std::stoi(item);
        } catch (const std::exception&) {
            ADD_FAILURE() << "not an integer: " << item;
            return 0;
        }
    }

    const std::vector<LayoutRow>& m_layout;
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
    std::map<std::string, int> m_values;
    int m_blocks = 0;
    bool m_stop = false;
};

} // namespace

TEST(FileFormatReference, TheLayoutBlockNamesEveryRecordOfTheFile) {
    const std::vector<LayoutRow> layout = readLayout();
    std::vector<std::string> names;
    for (const LayoutRow& r : layout)
        if (!r.groupOpen && !r.groupClose) names.push_back(r.name);
    // Records 1 to 15 in the order of the writer.
    const std::vector<std::string> expected = {
        "title",           "header",         "wall",         "restraint",      "stiffness",
        "load-count",      "load",           "spring-count", "spring",         "tieback",
        "modifier",        "pressure-count", "pressure",     "earth-pressure", "single-surcharge",
        "surcharge-count", "surcharge",      "layer-count",  "layer",          "layer-top",
        "layer-bottom",    "curve",          "curve-point",  "moment-ei",      "moment-ei-point"};
    EXPECT_EQ(names, expected);
}

TEST(FileFormatReference, EveryExampleIsLaidOutAsTheReferenceSays) {
    const std::vector<LayoutRow> layout = readLayout();
    int examples = 0;
    for (const auto& e : fs::directory_iterator(kExamples)) {
        if (e.path().extension() != ".tv5d") continue;
        SCOPED_TRACE(e.path().filename().string());
        LayoutWalker walker(layout, readFile(e.path()));
        walker.walkFile();
        ++examples;
    }
    EXPECT_GE(examples, 16);
}

TEST(FileFormatReference, TheProgramsOwnFileForEveryTableIsLaidOutAsTheReferenceSays) {
    const std::vector<LayoutRow> layout = readLayout();
    for (int units : {1, 2}) {
        SCOPED_TRACE(units);
        tervane::TProjectTables t;
        tervane::TProgramData p(t);
        buildFullProject(p);
        if (units == 2) p.ChangeUnits(2);
        const QByteArray text = p.SaveText();
        LayoutWalker walker(layout, text.toStdString());
        walker.walkFile();
        EXPECT_EQ(walker.blocks(), 2); // the short-term and the long-term block
    }
}

TEST(FileFormatReference, AWrongItemCountOrSeparatorIsCaught) {
    // The walk itself must fail on what the reference forbids: the anchored example with a
    // tieback line short of its spacing, and with a blank where the header has a tab.
    const std::vector<LayoutRow> layout = readLayout();
    const std::string good = readFile(kExamples / "anchored-sheet-pile-si.tv5d");
    const std::string tieback = "1.5\t0.0007\t1.95E8\t7\t20\t2.4\r\n";
    ASSERT_NE(good.find(tieback), std::string::npos);
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{tieback, "1.5\t0.0007\t1.95E8\t7\t20\r\n"},
          {"2 0\t1\t0\t2\t2 0 1 0 1\r\n", "2 0 1\t0\t2\t2 0 1 0 1\r\n"},
          {"18 0.0  32 0.0  24400 0 \r\n", "18 0.0 32 0.0  24400 0 \r\n"}}) {
        std::string bad = good;
        const auto at = bad.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        bad.replace(at, from.size(), to);
        bool failed = false;
        ::testing::TestPartResultArray results;
        {
            ::testing::ScopedFakeTestPartResultReporter reporter(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &results);
            LayoutWalker walker(layout, bad);
            walker.walkFile();
        }
        for (int i = 0; i < results.size(); ++i)
            failed = failed || results.GetTestPartResult(i).failed();
        EXPECT_TRUE(failed) << to;
    }
}
