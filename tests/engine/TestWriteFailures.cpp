// Files that cannot be written: a full device for each output and scratch file, a read-only
// working folder, an output folder that refuses the files. None of them may end as a completed
// run; each names the file and the system's reason on the console and closes the run in order.

#include "ChildProcess.h"
#include "EngineErrors.h"
#include "EngineHarness.h"
#include "InputReader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace testsupport;

namespace {

constexpr const char* kFull = "/dev/full";
constexpr const char* kNoSpace = "No space left on device";

// A run in `work` of anchored-wall.tv5d (generated pressures and curves, so both scratch files
// and console lines), with the report, plot and notes paths as given.
struct Outcome {
    int result = -1;
    std::string console, report;
};

Outcome runWith(const fs::path& work, const std::string& report, const std::string& plot,
                const std::string& notes) {
    setenv("SOURCE_DATE_EPOCH", kFixedEpoch, 1);
    writeFile(work / "project.tv5d", readFile(dataPath("anchored-wall.tv5d")));
    writeFile(work / "NAMES.dat", "2015.5.3\n" + (work / "project.tv5d").string() + "\n" + report +
                                      "\n" + plot + "\n" + notes + "\n");
    auto state = std::make_unique<tervane::EngineState>();
    Outcome r;
    testing::internal::CaptureStdout();
    r.result = tervane::performRun(*state, work);
    r.console = testing::internal::GetCapturedStdout();
    if (report != kFull) r.report = readFile(report);
    return r;
}

bool contains(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

} // namespace

TEST(WriteFailures, AFullDeviceForAnyOutputFileIsAStoppedRun) {
    struct Case {
        const char* which; // the file on /dev/full
        const char* name;  // as the messages call it
    };
    for (const Case c : {Case{"report", "OUTPUT FILE"}, Case{"plot", "PLOT FILE"},
                         Case{"notes", "RUN-NOTES FILE"}}) {
        TempDir dir;
        const std::string which = c.which;
        const auto path = [&](const char* file, const char* ext) {
            return which == file ? std::string(kFull) : (dir / (std::string("p") + ext)).string();
        };
        const Outcome r = runWith(dir.path(), path("report", ".tv5o"), path("plot", ".tv5p"),
                                  path("notes", ".tv5r"));
        EXPECT_EQ(r.result, tervane::kResultFatalStop) << which;
        EXPECT_TRUE(contains(r.console, std::string(" THE ") + c.name +
                                            " COULD NOT BE WRITTEN: /dev/full: " + kNoSpace))
            << which << ": " << r.console;
        if (which != "report") {
            // The report tells it in place of the end of the analysis.
            EXPECT_TRUE(contains(r.report, std::string("     ERROR STOP -- THE ") + c.name +
                                               " COULD NOT BE WRITTEN: " + kNoSpace))
                << r.report;
            EXPECT_FALSE(contains(r.report, "END OF ANALYSIS"));
        }
    }
}

TEST(WriteFailures, ScratchFilesThatCannotBeWrittenStopTheRun) {
    for (const char* scratch : {"QKTEMP.001", "SOILDATA"}) {
        TempDir dir;
        fs::create_symlink(kFull, dir / scratch);
        const Outcome r = runWith(dir.path(), (dir / "p.tv5o").string(), (dir / "p.tv5p").string(),
                                  (dir / "p.tv5r").string());
        EXPECT_EQ(r.result, tervane::kResultFatalStop) << scratch;
        const std::string what =
            std::string("THE SCRATCH FILE ") + scratch + " COULD NOT BE WRITTEN";
        EXPECT_TRUE(
            contains(r.console, " " + what + ": " + (dir / scratch).string() + ": " + kNoSpace))
            << r.console;
        EXPECT_TRUE(contains(r.report, "     ERROR STOP -- " + what + ": " + kNoSpace));
        // Nothing after the failure: no table read from the partial file, no results.
        EXPECT_FALSE(contains(r.report, "RESULTS -- ITERATION"));
        EXPECT_FALSE(contains(r.report, "END OF ANALYSIS"));
    }
}

TEST(WriteFailures, ReadOnlyFolders) {
    // Run as an ordinary user in a child, so that the folder's permissions bind even for root.
    TempDir dir;
    const fs::path work = dir / "work", out = dir / "out";
    fs::create_directories(work);
    fs::create_directories(out);
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(out, fs::perms::all);
    writeFile(work / "project.tv5d", readFile(dataPath("anchored-wall.tv5d")));
    writeFile(work / "NAMES.dat", "2015.5.3\n" + (work / "project.tv5d").string() + "\n" +
                                      (out / "p.tv5o").string() + "\n" + (out / "p.tv5p").string() +
                                      "\n" + (out / "p.tv5r").string() + "\n");
    fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    const auto runAsUser = [&] {
        return runInChild([&] {
            if (!dropRootPrivileges()) return 90;
            auto state = std::make_unique<tervane::EngineState>();
            return tervane::performRun(*state, work);
        });
    };
    const ChildEnd end = runAsUser();
    fs::permissions(work, fs::perms::all);
    ASSERT_TRUE(end.exited);
    // The working folder refuses QKTEMP.001: the run stops and says so.
    EXPECT_EQ(end.status, tervane::kResultFatalStop);
    const std::string report = readFile(out / "p.tv5o");
    EXPECT_TRUE(contains(report, "     ERROR STOP -- THE SCRATCH FILE QKTEMP.001 COULD NOT BE "
                                 "WRITTEN: Permission denied"))
        << report;

    // A report folder that refuses the report: nothing is analysed.
    fs::permissions(out, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                             fs::perms::others_exec);
    fs::remove(out / "p.tv5o");
    const ChildEnd refused = runAsUser();
    fs::permissions(out, fs::perms::all);
    ASSERT_TRUE(refused.exited);
    EXPECT_EQ(refused.status, tervane::kResultFatalStop);
    EXPECT_FALSE(fs::exists(out / "p.tv5o"));
}

TEST(WriteFailures, AScratchFileFoundShorterThanWrittenIsNotReadAsAWholeTable) {
    TempDir dir;
    auto state = std::make_unique<tervane::EngineState>();
    tervane::FreeReader data;
    tervane::TextOut report, plot, notes;
    tervane::RunContext ctx{*state, data, report, plot, notes, dir.path()};
    writeFile(dir / "QKTEMP.001", " 1\n     0.000E+00    0.100E+01    0.100E+01    0.000E+00\n");
    try {
        tervane::readGeneratedTable(ctx, 120); // the stage wrote 120 bytes, 57 are there
        FAIL() << "read a partial table";
    } catch (const tervane::FileFailure& f) {
        EXPECT_EQ(f.reportText(), "     ERROR STOP -- THE SCRATCH FILE QKTEMP.001 COULD NOT BE "
                                  "READ BACK: 57 of the 120 bytes written were found");
    }
    fs::remove(dir / "SOILDATA");
    double depths[4];
    EXPECT_THROW(tervane::readGeneratedCurves(ctx, 0, depths, 10), tervane::FileFailure);
}
