// The command-line job `--run PROJECT`: exit status by outcome, the Save-As name of an older
// layout, and the messages layer and current project left as they were.

#include "CommandLineRun.h"
#include "CurrentProject.h"
#include "RunTestSupport.h"
#include "ScriptedMessages.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tervane;
using testsupport::TempDir;
using namespace runtest;
namespace fs = std::filesystem;

namespace {

class CommandLineRunTest : public ::testing::Test {
protected:
    CommandLineRunTest() {
        settings.ProgramFolder = qs(programDir.path());
        settings.LibraryPath = kRealEngine;
    }
    ~CommandLineRunTest() override { unsetenv("TERVANE_FAKE_ENGINE"); }
    fs::path example(const std::string& name, const std::string& as = {}) {
        const fs::path target = dir.path() / (as.empty() ? name + ".tv5d" : as);
        fs::copy_file(fs::path(TERVANE_EXAMPLES) / (name + ".tv5d"), target);
        return target;
    }
    int job(const fs::path& project) { return RunProjectFromCommandLine(qs(project), settings); }

    test::TScriptedMessagesScope scope;
    TempDir programDir, dir;
    TRunSettings settings;
};

} // namespace

TEST_F(CommandLineRunTest, ExitStatusByOutcome) {
    const fs::path wall = example("cantilever-sand");
    EXPECT_EQ(job(wall), kRunExitCompleted);
    EXPECT_TRUE(fs::exists(fs::path(wall).replace_extension(".tv5p")));
    EXPECT_TRUE(fs::is_empty(programDir.path()));
    // The job's own messages layer and project are gone again.
    EXPECT_EQ(&Messages(), &scope.messages);
    EXPECT_FALSE(HasCurrentProject());
    EXPECT_TRUE(scope.messages.records.empty());

    // A name without extension gets ".tv5d".
    EXPECT_EQ(job(dir.path() / "cantilever-sand"), kRunExitCompleted);

    EXPECT_EQ(job(dir.path() / "missing.tv5d"), kRunExitProject);
    testsupport::writeFile(dir.path() / "cut.tv5d", "A wall\n1 0\t1\n");
    EXPECT_EQ(job(dir.path() / "cut.tv5d"), kRunExitProject);

    settings.InterfaceVersion = 4;
    EXPECT_EQ(job(wall), kRunExitInterface);
    settings.InterfaceVersion = kEngineInterfaceVersion;
    settings.LibraryPath = qs(dir.path() / "none.so");
    EXPECT_EQ(job(wall), kRunExitLibrary);

    settings.LibraryPath = kFakeEngine;
    EXPECT_EQ(job(wall), kRunExitPlotFile); // a plot file cut off in its first block
    fs::remove(fs::path(wall).replace_extension(".tv5p"));
    setenv("TERVANE_FAKE_ENGINE", "noplot", 1);
    EXPECT_EQ(job(wall), kRunExitPlotFile);
    setenv("TERVANE_FAKE_ENGINE", "stop", 1);
    EXPECT_EQ(job(wall), kRunExitStopped);
}

TEST_F(CommandLineRunTest, AnOlderLayoutIsSavedUnderItsCurrentName) {
    const fs::path older = example("cantilever-sand", "wall.tvd");
    EXPECT_EQ(job(older), kRunExitCompleted);
    EXPECT_TRUE(fs::exists(dir.path() / "wall.tv5d"));
    EXPECT_TRUE(fs::exists(dir.path() / "wall.tv5p"));
    // Once that name exists, the job stops instead of overwriting it.
    const std::string before = testsupport::readFile(dir.path() / "wall.tv5d");
    fs::remove(dir.path() / "wall.tv5p");
    EXPECT_EQ(job(older), kRunExitProject);
    EXPECT_FALSE(fs::exists(dir.path() / "wall.tv5p"));
    EXPECT_EQ(testsupport::readFile(dir.path() / "wall.tv5d"), before);
}
