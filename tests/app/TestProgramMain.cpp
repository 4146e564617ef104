// The program as it starts: --help, a refused command line, and the main window shown with a
// project named on the command line (the program run as a process).
#include "ProgramMain.h"

#include "TestSupport.h"

#include <QDir>
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

// The program run with `args`, started in `folder` when one is given.
TRun runProgram(const QStringList& args, const QString& home, const QString& folder = {}) {
    QProcess p;
    if (!folder.isEmpty()) p.setWorkingDirectory(folder);
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

TEST(ProgramMain, RelativePathsOfTheCommandLineNameWhatTheyNamedAtStart) {
    testsupport::TempDir dir;
    const QString home = QString::fromStdString(dir.path().string());
    ASSERT_TRUE(QDir(home).mkdir(QStringLiteral("walls")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/cantilever-sand.tv5d"),
                            home + QStringLiteral("/walls/rel.tv5d")));
    // The project's folder and then the program's folder are made current before the jobs
    // write their files.
    const TRun r = runProgram({QStringLiteral("walls/rel.tv5d"), QStringLiteral("--run"),
                               QStringLiteral("--export-xlsx"), QStringLiteral("book.xlsx"),
                               QStringLiteral("--save-graphs"), QStringLiteral("graphs")},
                              home, home);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/walls/rel.tv5p")));
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/book.xlsx")));
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/graphs/pltDef.png")));
}

TEST(ProgramMain, BatchJobsReadOlderLayoutsAndLeaveNoStageFiles) {
    testsupport::TempDir dir;
    const QString home = QString::fromStdString(dir.path().string());
    ASSERT_TRUE(QFile::copy(QStringLiteral(TERVANE_TEST_DATA "/older-2013.tv4d"),
                            home + QStringLiteral("/older-2013.tv4d")));
    // A second-generation wall of two layers given by thickness (10 and 20 ft) and no stage
    // count in its header; read as the third generation, its wall line would be a stage count.
    testsupport::writeFile(dir / "second.tvd",
                           "Second generation, two layers\r\n1 0\t1\t0\t2\t2 0\r\n"
                           "100 3\t10\t1E-5\t180\r\n0\t100\t1\t3.1E9\r\n0\r\n0\r\n"
                           "180\t12\t12\t2400\t2400\t1\t1\t0\r\n0\t0\t0\t0\t0\t0\r\n"
                           "2\r\n3 10\r\n120 1000 0 0.007 500\r\n4 20\r\n126 0 34 0 90\r\n");
    for (const char* name : {"older-2013.tv4d", "second.tvd"}) {
        SCOPED_TRACE(name);
        const QString older = home + u'/' + QString::fromLatin1(name);
        const QString base = older.left(older.lastIndexOf(u'.'));
        const TRun r = runProgram({older, QStringLiteral("--run"), QStringLiteral("--export-xlsx"),
                                   base + QStringLiteral(".xlsx"), QStringLiteral("--save-graphs"),
                                   base + QStringLiteral("-graphs")},
                                  home);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(QFile::exists(base + QStringLiteral(".tv5d")));
        EXPECT_TRUE(QFile::exists(base + QStringLiteral(".xlsx")));
        EXPECT_TRUE(QFile::exists(base + QStringLiteral("-graphs/pltDef.png")));
        for (int stage = 1; stage <= 5; ++stage)
            EXPECT_FALSE(QFile::exists(base + QStringLiteral(".st") + QString::number(stage)));
    }
}
