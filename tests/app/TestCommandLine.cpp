// The desktop program's command line.
#include "CommandLine.h"

#include <gtest/gtest.h>

using namespace tervane;

namespace {

// Gives the jobs run functions for the life of a test.
class TJobsAvailable {
public:
    TJobsAvailable() {
        for (const char* name : {"--run", "--export-xlsx", "--save-graphs"})
            SetCommandLineJob(QString::fromLatin1(name),
                              [](TMainForm&, const TCommandLine&) { return std::optional<int>(); });
    }
    ~TJobsAvailable() {
        for (const char* name : {"--run", "--export-xlsx", "--save-graphs"})
            SetCommandLineJob(QString::fromLatin1(name), nullptr);
    }
};

} // namespace

TEST(CommandLine, ProjectAndOptions) {
    TJobsAvailable jobs;
    const TCommandLine line = ParseCommandLine(
        {QStringLiteral("wall"), QStringLiteral("--save-graphs"), QStringLiteral("out"),
         QStringLiteral("--ppi"), QStringLiteral("96"), QStringLiteral("--run")});
    EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    EXPECT_EQ(line.project, QStringLiteral("wall"));
    EXPECT_EQ(line.Value(QStringLiteral("--save-graphs")), QStringLiteral("out"));
    EXPECT_EQ(line.Value(QStringLiteral("--ppi")), QStringLiteral("96"));
    EXPECT_TRUE(line.Has(QStringLiteral("--run")));
    EXPECT_TRUE(IsHeadless(line));
    EXPECT_FALSE(IsHeadless(ParseCommandLine({QStringLiteral("--run")})));
    EXPECT_TRUE(ParseCommandLine({}).project.isEmpty());
}

TEST(CommandLine, Refusals) {
    TJobsAvailable jobs;
    const auto error = [](QStringList args) { return ParseCommandLine(args).error; };
    EXPECT_TRUE(error({QStringLiteral("--bogus")}).contains(QStringLiteral("Unknown option")));
    EXPECT_TRUE(error({QStringLiteral("--export-xlsx")}).contains(QStringLiteral("needs a value")));
    EXPECT_TRUE(error({QStringLiteral("a"), QStringLiteral("b")}).contains(QStringLiteral("one")));
    EXPECT_TRUE(error({QStringLiteral("--ppi"), QStringLiteral("3")})
                    .contains(QStringLiteral("--save-graphs")));
}

TEST(CommandLine, AJobNotInTheBuildIsRefusedAndTheHelpSaysSo) {
    const TCommandLine line = ParseCommandLine({QStringLiteral("--run")});
    EXPECT_EQ(line.error, QStringLiteral("--run is not available in this build"));
    EXPECT_TRUE(ParseCommandLine({QStringLiteral("--help")}).help);
    const QString help = CommandLineHelp();
    for (const char* o : {"--run", "--export-xlsx FILE", "--save-graphs DIR", "--ppi N", "--help"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(o))) << o;
    EXPECT_TRUE(
        help.contains(QStringLiteral("provided by the spreadsheet export; not in this build")));
    TJobsAvailable jobs;
    EXPECT_FALSE(CommandLineHelp().contains(QStringLiteral("not in this build")));
}
