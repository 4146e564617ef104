// The program as it starts: --help, a refused command line, and the main window shown with a
// project named on the command line (the program run as a process).
#include "ProgramMain.h"

#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int status = -1;
    QString out;
    QString err;
};

TRun runProgram(const QStringList& args, const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    env.insert(QString::fromLatin1(tervane::kStartupProbeVariable), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TERVANE_BIN_DIR "/Tervane2015"), args);
    TRun r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace

TEST(ProgramMain, HelpRefusalsAndAShownWindow) {
    testsupport::TempDir dir;
    const QString home = QString::fromStdString(dir.path().string());

    const TRun help = runProgram({QStringLiteral("--help")}, home);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--export-xlsx FILE")));

    const TRun bad = runProgram({QStringLiteral("--no-such-option")}, home);
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Unknown option --no-such-option")));

    const QString project = home + QStringLiteral("/cantilever-sand.tv5d");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/cantilever-sand.tv5d"), project));
    const TRun shown = runProgram({home + QStringLiteral("/cantilever-sand")}, home);
    EXPECT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, QStringLiteral("shown\n"));
}

TEST(ProgramMain, BatchJobsAnalyseAndExportWithoutAWindow) {
    testsupport::TempDir dir;
    const QString home = QString::fromStdString(dir.path().string());
    const QString project = home + QStringLiteral("/tieback-clay-trapezoid.tv5d");
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/tieback-clay-trapezoid.tv5d"), project));

    // Analysed, then the workbook of its results; no window is shown for either.
    const QString book = home + QStringLiteral("/results.xlsx");
    const TRun both = runProgram({QStringLiteral("--run"), QStringLiteral("--export-xlsx"), book,
                                  project},
                                 home);
    EXPECT_EQ(both.status, 0) << both.err.toStdString();
    EXPECT_FALSE(both.out.contains(QStringLiteral("shown")));
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/tieback-clay-trapezoid.tv5p")));
    EXPECT_TRUE(QFile::exists(book));

    // A project that is not there ends with a non-zero status and its reason.
    const TRun missing =
        runProgram({QStringLiteral("--run"), home + QStringLiteral("/none.tv5d")}, home);
    EXPECT_NE(missing.status, 0);
    EXPECT_FALSE(missing.err.isEmpty());
    const TRun noPlots = runProgram(
        {QStringLiteral("--export-xlsx"), book, home + QStringLiteral("/none.tv5d")}, home);
    EXPECT_EQ(noPlots.status, 1);
}
