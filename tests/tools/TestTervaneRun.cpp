// The engine library as a loaded module and the command-line runner as a user runs it.

#include "ChildProcess.h"
#include "EngineRunner.h"
#include "ShellCommand.h"
#include "Tervane2015.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

using namespace testsupport;

namespace {

const fs::path kLibrary = binPath("Tervane2015_DLL.so");
const fs::path kRunner = binPath("tervane-run");

// A complete problem: ten increments of 12, one stiffness row, no loads, springs or curves. (A
// data file that ends inside its problem is a stopped analysis, exit status 1.)
const char* kProject = "Runner test wall\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n10 12\t1\t0.001\t60\t12\r\n"
                       "0\t10\t1\t1E9\r\n0\r\n0\r\n0\r\n";

// Standard error goes with standard output.
Shell shellBoth(const std::string& command) {
    return shell(command + " 2>&1");
}

} // namespace

TEST(EngineLibrary, ExportsOnlyTheEntryUnderBothNames) {
    const Shell s = shellBoth(std::string("nm -D --defined-only ") + kLibrary.string() +
                              " | awk '{print $3}' | sort");
    EXPECT_EQ(s.out, "ITERVANE\n_ITERVANE\n");
}

TEST(EngineLibrary, OtherInterfaceValuesReturnOneAndTouchNothing) {
    TempDir dir;
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    void* lib = dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    auto entry = reinterpret_cast<std::int32_t (*)(std::int32_t)>(dlsym(lib, "_ITERVANE"));
    auto entry2 = reinterpret_cast<std::int32_t (*)(std::int32_t)>(dlsym(lib, "ITERVANE"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry, entry2);
    EXPECT_EQ(entry(2), 1);
    EXPECT_EQ(entry(4), 1);
    EXPECT_EQ(entry(-3), 1);
    EXPECT_TRUE(fs::is_empty(dir.path()));
    // With no NAMES.dat the run cannot start: neither completed nor a mismatch.
    EXPECT_EQ(entry(3), 2);
    EXPECT_TRUE(fs::is_empty(dir.path()));
    dlclose(lib);
    fs::current_path(previous);
}

TEST(TervaneRun, AnalysesProjectsAndLeavesOutputsBeside) {
    TempDir dir;
    writeFile(dir / "wall one.tv5d", kProject);
    writeFile(dir / "wall two.tv5d", kProject);
    const Shell s = shellBoth(kRunner.string() + " '" + (dir / "wall one.tv5d").string() + "' '" +
                              (dir / "wall two.tv5d").string() + "'");
    EXPECT_EQ(s.status, 0) << s.out;
    for (const char* stem : {"wall one", "wall two"}) {
        for (const char* ext : {".tv5o", ".tv5p", ".tv5r"})
            EXPECT_TRUE(fs::exists(dir / (std::string(stem) + ext))) << stem << ext;
        EXPECT_NE(readFile(dir / (std::string(stem) + ".tv5o")).find("END OF ANALYSIS"),
                  std::string::npos);
    }
    // Nothing of the run is left in the project folder but the three outputs.
    EXPECT_FALSE(fs::exists(dir / "NAMES.dat"));
    EXPECT_FALSE(fs::exists(dir / "debug.dat"));
}

TEST(TervaneRun, FailuresGiveAMessageAndNonZeroStatus) {
    TempDir dir;
    writeFile(dir / "p.tv5d", kProject);
    Shell s = shellBoth(kRunner.string() + " --help");
    EXPECT_EQ(s.status, 0);
    EXPECT_NE(s.out.find("Usage: tervane-run"), std::string::npos);

    s = shellBoth(kRunner.string() + " " + (dir / "missing.tv5d").string());
    EXPECT_EQ(s.status, 2);
    EXPECT_NE(s.out.find("does not exist"), std::string::npos);

    s = shellBoth(kRunner.string() + " --library " + (dir / "none.so").string() + " " +
                  (dir / "p.tv5d").string());
    EXPECT_EQ(s.status, 2);
    EXPECT_NE(s.out.find("Library could not be located"), std::string::npos);

    writeFile(dir / "broken.so", "not a library");
    s = shellBoth(kRunner.string() + " --library " + (dir / "broken.so").string() + " " +
                  (dir / "p.tv5d").string());
    EXPECT_EQ(s.status, 2);
    EXPECT_NE(s.out.find("Library failed to properly initialize"), std::string::npos);

    s = shellBoth(kRunner.string() + " --interface 4 " + (dir / "p.tv5d").string());
    EXPECT_EQ(s.status, 2);
    EXPECT_NE(s.out.find("not consistent"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "p.tv5o"));

    s = shellBoth(kRunner.string());
    EXPECT_EQ(s.status, 64);
}

TEST(TervaneRun, ParallelRunsDoNotDisturbEachOther) {
    TempDir dir;
    constexpr int kRuns = 6;
    std::string command;
    for (int k = 0; k < kRuns; ++k) {
        const std::string title = std::string("Parallel wall number ") + std::to_string(k);
        writeFile(dir / (std::string("p") + std::to_string(k) + ".tv5d"),
                  title + "\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n0\r\n");
        command += kRunner.string() + " " +
                   (dir / (std::string("p") + std::to_string(k) + ".tv5d")).string() +
                   " > /dev/null & ";
    }
    shellBoth(command + "wait");
    for (int k = 0; k < kRuns; ++k) {
        const std::string report = readFile(dir / (std::string("p") + std::to_string(k) + ".tv5o"));
        EXPECT_NE(report.find(std::string("Parallel wall number ") + std::to_string(k)),
                  std::string::npos);
        EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos);
    }
}

namespace {

// Runs anchored-wall.tv5d (its curve generation writes console lines) through the loaded library
// in a child whose standard output is prepared by `prepareStdout`. The child ends with the
// entry's result, or 90 + n when the host's signal state was left changed.
ChildEnd entryInChild(const fs::path& work, const std::function<void()>& prepareStdout) {
    setenv("SOURCE_DATE_EPOCH", "1425546247", 1);
    writeFile(work / "p.tv5d", readFile(dataPath("anchored-wall.tv5d")));
    writeFile(work / "NAMES.dat",
              "2015.5.3\n" + (work / "p.tv5d").string() + "\n" + (work / "p.tv5o").string() + "\n" +
                  (work / "p.tv5p").string() + "\n" + (work / "p.tv5r").string() + "\n");
    return runInChild([&] {
        if (chdir(work.c_str()) != 0) return 91;
        signal(SIGPIPE, SIG_DFL); // the host's default: SIGPIPE ends the process
        void* lib = dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!lib) return 92;
        auto entry = reinterpret_cast<TervaneEntryFunction>(dlsym(lib, TERVANE_ENTRY_NAME));
        if (!entry) return 93;
        prepareStdout();
        const int result = entry(TERVANE_INTERFACE_VERSION);
        sigset_t mask, pending;
        pthread_sigmask(SIG_SETMASK, nullptr, &mask);
        sigpending(&pending);
        if (sigismember(&mask, SIGPIPE)) return 94;    // left blocked
        if (sigismember(&pending, SIGPIPE)) return 95; // left pending for the host
        return result;
    });
}

// The report of such a run with the folder that names its location taken out.
std::string reportIn(const TempDir& dir) {
    std::string r = readFile(dir / "p.tv5o");
    const std::string folder = dir.path().string();
    for (std::size_t p = r.find(folder); p != std::string::npos; p = r.find(folder))
        r.replace(p, folder.size(), "FOLDER");
    return r;
}

} // namespace

TEST(EngineLibrary, AConsoleOnAClosedPipeOrClosedStdoutNeverEndsTheHost) {
    TempDir reference;
    const ChildEnd normal = entryInChild(reference.path(), [] {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
    });
    ASSERT_TRUE(normal.exited);
    ASSERT_EQ(normal.status, TERVANE_RESULT_COMPLETED);
    const std::string expected = reportIn(reference);

    // A pipe whose reader has gone: without care the first console line raises SIGPIPE.
    TempDir piped;
    const ChildEnd broken = entryInChild(piped.path(), [] {
        int fds[2];
        if (pipe(fds) != 0) _exit(96);
        close(fds[0]);
        dup2(fds[1], STDOUT_FILENO);
        close(fds[1]);
    });
    EXPECT_TRUE(broken.exited) << "ended by signal " << broken.status;
    EXPECT_EQ(broken.status, TERVANE_RESULT_COMPLETED);
    EXPECT_EQ(reportIn(piped), expected);

    // Standard output closed: the report may take its descriptor; console lines must not land in
    // it.
    TempDir closed;
    const ChildEnd none = entryInChild(closed.path(), [] { close(STDOUT_FILENO); });
    EXPECT_TRUE(none.exited) << "ended by signal " << none.status;
    EXPECT_EQ(none.status, TERVANE_RESULT_COMPLETED);
    EXPECT_EQ(reportIn(closed), expected);
}

namespace {

std::size_t occurrences(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t p = text.find(piece); p != std::string::npos; p = text.find(piece, p + 1))
        ++n;
    return n;
}

std::string quoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

} // namespace

TEST(TervaneRunOptions, VersionAndHelp) {
    Shell s = shellBoth(kRunner.string() + " --version");
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.out, "tervane-run 2015.5.3 (engine interface 3)\n");

    s = shellBoth(kRunner.string() + " --help");
    EXPECT_EQ(s.status, 0);
    EXPECT_NE(s.out.find("--output-dir DIR"), std::string::npos);
    EXPECT_NE(s.out.find("--version"), std::string::npos);
    // The testing option stays out of the user's help; the run notes are explained.
    EXPECT_EQ(s.out.find("--interface"), std::string::npos);
    EXPECT_NE(s.out.find(".tv5r  the run notes"), std::string::npos);
    EXPECT_NE(s.out.find("iteration monitor"), std::string::npos);
}

TEST(TervaneRunOptions, AnOptionWithoutItsValueSaysSoAndRunsNothing) {
    TempDir dir;
    writeFile(dir / "p.tv5d", kProject);
    const std::string project = quoted(dir / "p.tv5d");
    const struct {
        std::string args, message;
    } cases[] = {
        {project + " --library", "--library needs a value: PATH"},
        {"--library " + project, "no project file named"}, // the value was taken: no project left
        {"--library=" + std::string(" ") + project, "--library needs a value"},
        {"--output-dir --summary " + project, "--output-dir needs a value"},
        {project + " --output-dir", "--output-dir needs a value"},
        {project + " --interface", "--interface needs a value"},
        {"--interface three " + project, "--interface needs a whole number, not three"},
        {"--interface 3x " + project, "--interface needs a whole number, not 3x"},
        {"--summary=xml " + project, "unknown option --summary=xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Shell s = shellBoth(kRunner.string() + " " + c.args);
        EXPECT_EQ(s.status, 64);
        EXPECT_EQ(s.out.rfind("tervane-run: " + c.message, 0), 0u) << s.out;
        EXPECT_FALSE(fs::exists(dir / "p.tv5o"));
    }
    // The interface option still works as it did, only unlisted.
    const Shell s = shellBoth(kRunner.string() + " --interface=4 " + project);
    EXPECT_EQ(s.status, 2);
    EXPECT_NE(s.out.find("not consistent"), std::string::npos);
}

TEST(TervaneRunOptions, AnUnusableLibraryStopsBeforeTheFirstProjectWithOneMessage) {
    TempDir dir;
    writeFile(dir / "p1.tv5d", kProject);
    writeFile(dir / "p2.tv5d", kProject);
    writeFile(dir / "broken.so", "not a library");
    const std::string projects = quoted(dir / "p1.tv5d") + " " + quoted(dir / "p2.tv5d");
    for (const auto& [library, message] :
         {std::pair<std::string, std::string>{"none.so", "Library could not be located"},
          {"broken.so", "Library failed to properly initialize"}}) {
        SCOPED_TRACE(library);
        const Shell s =
            shellBoth(kRunner.string() + " --library " + quoted(dir / library) + " " + projects);
        EXPECT_EQ(s.status, 2);
        EXPECT_EQ(occurrences(s.out, message), 1u) << s.out;
        EXPECT_EQ(occurrences(s.out, "\n"), 1u) << s.out;
        EXPECT_EQ(s.out.find("p1.tv5d"), std::string::npos);
    }
}

TEST(TervaneRunOptions, OutputDirReceivesTheFilesAndIsMadeWhenMissing) {
    TempDir dir;
    fs::create_directories(dir / "walls");
    writeFile(dir / "walls" / "a.tv5d", kProject);
    writeFile(dir / "walls" / "b.tv5d", kProject);
    const fs::path out = dir / "results" / "today";
    const Shell s =
        shellBoth(kRunner.string() + " --output-dir " + quoted(out) + " " +
                  quoted(dir / "walls" / "a.tv5d") + " " + quoted(dir / "walls" / "b.tv5d"));
    EXPECT_EQ(s.status, 0) << s.out;
    for (const char* stem : {"a", "b"})
        for (const char* ext : {".tv5o", ".tv5p", ".tv5r"}) {
            EXPECT_TRUE(fs::exists(out / (std::string(stem) + ext))) << stem << ext;
            EXPECT_FALSE(fs::exists(dir / "walls" / (std::string(stem) + ext))) << stem << ext;
        }
    EXPECT_NE(s.out.find("report:    " + (out / "a.tv5o").string()), std::string::npos) << s.out;
    // The report still names the project it analysed.
    EXPECT_NE(readFile(out / "a.tv5o").find("Name of input data file     : a.tv5d"),
              std::string::npos);
}

TEST(TervaneRunOptions, OutputDirRefusesProjectsThatWouldShareTheirFiles) {
    TempDir dir;
    fs::create_directories(dir / "one");
    fs::create_directories(dir / "two");
    writeFile(dir / "one" / "wall.tv5d", kProject);
    writeFile(dir / "two" / "wall.tv5d", kProject);
    const Shell s =
        shellBoth(kRunner.string() + " --output-dir " + quoted(dir / "out") + " " +
                  quoted(dir / "one" / "wall.tv5d") + " " + quoted(dir / "two" / "wall.tv5d"));
    EXPECT_EQ(s.status, 64);
    EXPECT_NE(s.out.find("two projects named wall"), std::string::npos) << s.out;
    EXPECT_FALSE(fs::exists(dir / "out"));

    // A file where the folder should be is an error of the run, not a usage error.
    writeFile(dir / "taken", "");
    const Shell t = shellBoth(kRunner.string() + " --output-dir " + quoted(dir / "taken") + " " +
                              quoted(dir / "one" / "wall.tv5d"));
    EXPECT_EQ(t.status, 2);
    EXPECT_NE(t.out.find("could not be made"), std::string::npos) << t.out;
}

TEST(TervaneRunOptions, OutcomeLinesTellASolutionThatDidNotClose) {
    TempDir dir;
    writeFile(dir / "short.tv5d", readFile(dataPath("../../examples/embedment-too-short.tv5d")));
    const Shell s = shellBoth(kRunner.string() + " " + quoted(dir / "short.tv5d"));
    // The run reached its results, so its status stays 0; the lines say what they are worth, and
    // the two iteration warnings of the results (deflection exceeded, not closed) are counted.
    EXPECT_EQ(s.status, 0);
    EXPECT_NE(s.out.find("analysis completed, 1 problem, 2 warnings\n  problem 1: not closed "
                         "within the tolerance, allowable deflection exceeded at 8 stations\n"),
              std::string::npos)
        << s.out;
}
