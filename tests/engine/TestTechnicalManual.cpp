// The sources of the technical manual (docs/technical, with docs/verification.md as its last
// chapter): chapter structure, links and anchors as the manual build resolves them, and the
// program texts the chapters quote, read back from the program's own definitions.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>

using namespace testsupport;

namespace {

fs::path sourceRoot() {
    return fs::path(TERVANE_TEST_DATA).parent_path().parent_path();
}

struct Chapter {
    std::string name; // file name, the target of links
    std::string text;
    std::vector<std::pair<int, std::string>> headings; // level, text
};

// Headings outside fenced code blocks.
std::vector<std::pair<int, std::string>> headingsOf(const std::string& text) {
    std::vector<std::pair<int, std::string>> out;
    bool fenced = false;
    for (const std::string& l : lines(text)) {
        if (l.rfind("```", 0) == 0) fenced = !fenced;
        if (fenced) continue;
        std::size_t level = 0;
        while (level < l.size() && l[level] == '#')
            ++level;
        if (level > 0 && level < l.size() && l[level] == ' ')
            out.emplace_back(static_cast<int>(level), l.substr(level + 1));
    }
    return out;
}

std::vector<Chapter> technicalManual() {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(sourceRoot() / "docs" / "technical"))
        if (e.path().extension() == ".md") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    files.push_back(sourceRoot() / "docs" / "verification.md");
    std::vector<Chapter> out;
    for (const fs::path& p : files) {
        Chapter c{p.filename().string(), readFile(p), {}};
        c.headings = headingsOf(c.text);
        out.push_back(std::move(c));
    }
    return out;
}

// The anchor of a heading: lower case, blanks turned into '-', everything but ASCII letters,
// digits and '-' dropped (the chapters keep letters in their headings to ASCII).
std::string anchorOf(const std::string& heading) {
    std::string a;
    for (unsigned char ch : heading) {
        if (ch == ' ')
            a += '-';
        else if (ch < 0x80 && (std::isalnum(ch) || ch == '-'))
            a += static_cast<char>(std::tolower(ch));
    }
    return a;
}

// Outside ASCII a heading may hold only the punctuation and symbols of U+2000 .. U+2FFF (dashes,
// arrows), which every anchor rule drops; letters there would make the anchor depend on the rule.
bool lettersAreAscii(const std::string& heading) {
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const auto ch = static_cast<unsigned char>(heading[i]);
        if (ch < 0x80) continue;
        if (ch != 0xE2 || i + 2 >= heading.size()) return false;
        i += 2;
    }
    return true;
}

std::vector<std::string> splitList(const std::string& list) {
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from < list.size()) {
        const std::size_t to = std::min(list.find(", ", from), list.size());
        out.push_back(list.substr(from, to - from));
        from = to + 2;
    }
    return out;
}

std::string collapsedBlanks(const std::string& s) {
    return std::regex_replace(s, std::regex(R"(\s+)"), " ");
}

// Source text with adjacent string literals joined, so that a message split over two literals
// reads as one.
std::string joinedLiterals(std::string text) {
    return std::regex_replace(text, std::regex(R"x("\s*\n\s*")x"), "");
}

std::string filesUnder(const fs::path& dir, std::initializer_list<const char*> extensions) {
    std::string all;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        for (const char* ext : extensions)
            if (e.path().extension() == ext) all += joinedLiterals(readFile(e.path())) + "\n";
    return all;
}

// The front end's texts as the user reads them: access keys dropped, the lines of a two-line
// column caption ('Total' 'Unit Weight') joined.
std::string frontEndTexts() {
    std::string t = filesUnder(sourceRoot() / "frontend", {".cpp", ".h", ".ui", ".txt"});
    t = std::regex_replace(t, std::regex("&amp;"), "");
    t.erase(std::remove(t.begin(), t.end(), '&'), t.end());
    return collapsedBlanks(std::regex_replace(t, std::regex("' '"), " "));
}

} // namespace

TEST(TechnicalManual, ChaptersHaveOneTitleAndUniqueResolvableAnchors) {
    const std::vector<Chapter> manual = technicalManual();
    ASSERT_GT(manual.size(), 5u);
    std::map<std::string, std::set<std::string>> anchors;
    std::map<std::string, std::string> firstUse;
    for (const Chapter& c : manual) {
        ASSERT_FALSE(c.headings.empty()) << c.name;
        EXPECT_EQ(c.headings.front().first, 1) << c.name << " does not open with its title";
        EXPECT_EQ(std::count_if(c.headings.begin(), c.headings.end(),
                                [](const auto& h) { return h.first == 1; }),
                  1)
            << c.name;
        for (const auto& [level, text] : c.headings) {
            const std::string a = anchorOf(text);
            anchors[c.name].insert(a);
            const auto [it, fresh] = firstUse.emplace(a, c.name);
            EXPECT_TRUE(fresh) << "heading \"" << text << "\" of " << c.name << " repeats one of "
                               << it->second;
            if (c.name == "verification.md") continue;
            EXPECT_TRUE(lettersAreAscii(text))
                << "letter outside ASCII in heading \"" << text << "\" of " << c.name;
        }
    }
    // Links name the target chapter's file and one of its headings.
    const std::regex link(R"(\]\(([^)#]*)(#([^)]*))?\))");
    for (const Chapter& c : manual) {
        if (c.name == "verification.md") continue;
        for (std::sregex_iterator m(c.text.begin(), c.text.end(), link), end; m != end; ++m) {
            const std::string file = (*m)[1], anchor = (*m)[3];
            ASSERT_TRUE(anchors.count(file)) << c.name << " links to a missing chapter " << file;
            if ((*m)[2].matched) {
                EXPECT_TRUE(anchors[file].count(anchor))
                    << c.name << " links to a missing heading " << file << "#" << anchor;
            }
        }
        EXPECT_FALSE(std::regex_search(c.text, std::regex(R"(<[A-Za-z/!])")))
            << c.name << " holds raw HTML";
    }
}

TEST(TechnicalManual, QuotedProgramTextsAreThoseOfTheProgram) {
    const std::vector<Chapter> manual = technicalManual();
    const std::string engine = collapsedBlanks(filesUnder(sourceRoot() / "engine", {".cpp", ".h"}));
    const std::string frontEnd = frontEndTexts();
    const std::string menus = readFile(sourceRoot() / "frontend" / "app" / "CommandIds.cpp") +
                              readFile(sourceRoot() / "frontend" / "app" / "MainMenus.cpp");
    const std::string tables = readFile(sourceRoot() / "frontend" / "resources" / "GridTables.txt");
    std::string all;
    for (const Chapter& c : manual)
        if (c.name != "verification.md") all += c.text + "\n";

    // Quoted texts are the program's own: report lines and messages of the engine, captions of
    // the front end.
    const std::regex quoted("\"([^\"]*)\"");
    int reportTexts = 0, captionTexts = 0;
    for (std::sregex_iterator m(all.begin(), all.end(), quoted), end; m != end; ++m) {
        const std::string q = collapsedBlanks((*m)[1]);
        if (q.size() < 3) continue;
        ++(std::regex_search(q, std::regex("[a-z]")) ? captionTexts : reportTexts);
        EXPECT_TRUE(engine.find(q) != std::string::npos || frontEnd.find(q) != std::string::npos)
            << "text not in the program: " << q;
    }
    EXPECT_GT(reportTexts, 30);
    EXPECT_GT(captionTexts, 30);

    // Menu paths in bold: every part is a caption of the program's menus (access keys dropped).
    std::string captions = menus;
    captions.erase(std::remove(captions.begin(), captions.end(), '&'), captions.end());
    const std::regex bold(R"(\*\*([^*]+)\*\*)");
    int paths = 0;
    for (std::sregex_iterator m(all.begin(), all.end(), bold), end; m != end; ++m) {
        const std::string path = collapsedBlanks((*m)[1]);
        ++paths;
        std::size_t from = 0;
        while (from <= path.size()) {
            std::size_t to = path.find(" \u25B8 ", from);
            const std::string part = path.substr(from, to == std::string::npos ? to : to - from);
            EXPECT_NE(captions.find("\"" + part + "\""), std::string::npos)
                << "menu caption not in the program: " << part;
            if (to == std::string::npos) break;
            from = to + std::string(" \u25B8 ").size();
        }
    }
    EXPECT_GT(paths, 2);

    // Every soil type of the soil layer table is described under the program's own name.
    const std::string head = "('Soil Type') True False (";
    const std::size_t list = tables.find(head);
    ASSERT_NE(list, std::string::npos);
    const std::size_t first = list + head.size();
    const std::string names = tables.substr(first, tables.find("')", first) + 1 - first);
    const std::regex name("'([^']+)'");
    int types = 0;
    for (std::sregex_iterator m(names.begin(), names.end(), name), end; m != end; ++m, ++types)
        EXPECT_NE(all.find(std::string((*m)[1])), std::string::npos) << (*m)[1];
    EXPECT_EQ(types, 7);
}

TEST(TechnicalManual, SinglePrecisionConstantsAreTheWidenedValues) {
    // Rows of the constants table: | what | written | value used |, lists separated by ", ".
    const std::string intro = readFile(sourceRoot() / "docs" / "technical" / "00-introduction.md");
    const std::regex row(R"(\n\| [^|]+ \| ([0-9.E, -]+) \| ([0-9.E, -]+) \|)");
    int checked = 0;
    for (std::sregex_iterator m(intro.begin(), intro.end(), row), end; m != end; ++m) {
        const std::vector<std::string> written = splitList((*m)[1]), used = splitList((*m)[2]);
        ASSERT_EQ(written.size(), used.size()) << (*m)[0];
        for (std::size_t i = 0; i < written.size(); ++i, ++checked) {
            const double widened = static_cast<double>(std::strtof(written[i].c_str(), nullptr));
            EXPECT_NEAR(std::strtod(used[i].c_str(), nullptr), widened, 1e-15 * std::fabs(widened))
                << written[i];
        }
    }
    EXPECT_GE(checked, 12);
}
