// The "--export-xlsx" job on analysed examples: every graph with data exported, SI captions, and
// the failures that end it with status 1.
#include "CommandLineExport.h"
#include "ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tervane;

namespace {

// Copies an example into `dir` and analyses it with the command-line runner.
QString analysedExample(const QTemporaryDir& dir, const QString& name) {
    const QString project = dir.filePath(name);
    QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/") + name, project);
    QProcess run;
    run.start(QStringLiteral(TERVANE_BIN_DIR "/tervane-run"), {project});
    run.waitForFinished(60000);
    return project;
}

int sheetCount(const std::vector<TZipEntry>& zip) {
    return static_cast<int>(ZipEntryData(zip, QStringLiteral("xl/workbook.xml")).count("<sheet "));
}

} // namespace

TEST(ExportJob, AnalysedExamplesExportEveryGraphWithData) {
    QTemporaryDir dir;
    const QString project = analysedExample(dir, QStringLiteral("tieback-clay-trapezoid.tv5d"));
    const QString book = dir.filePath(QStringLiteral("tieback.xlsx"));
    ASSERT_EQ(ExportWorkbookJob(book, project), 0);
    const std::vector<TZipEntry> zip = ReadZip(book);
    // Legend plus a data and a chart sheet for each of the seven graphs.
    EXPECT_EQ(sheetCount(zip), 15);

    const QString si = analysedExample(dir, QStringLiteral("anchored-sheet-pile-si.tv5d"));
    const QString siBook = dir.filePath(QStringLiteral("si.xlsx"));
    ASSERT_EQ(ExportWorkbookJob(siBook, si), 0);
    const QByteArray shared = ZipEntryData(ReadZip(siBook), QStringLiteral("xl/sharedStrings.xml"));
    EXPECT_TRUE(shared.contains("(kN/m)")) << shared.left(2000).constData();
    EXPECT_TRUE(shared.contains("(m)"));
}

TEST(ExportJob, MissingProjectOrPlotFileEndsWithStatusOne) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("x.xlsx"));
    EXPECT_EQ(ExportWorkbookJob(book, dir.filePath(QStringLiteral("none.tv5d"))), 1);
    const QString project = dir.filePath(QStringLiteral("cantilever-sand.tv5d"));
    QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/cantilever-sand.tv5d"), project);
    EXPECT_EQ(ExportWorkbookJob(book, project), 1); // not analysed: no plot data file
    QFile plots(dir.filePath(QStringLiteral("cantilever-sand.tv5p")));
    ASSERT_TRUE(plots.open(QIODevice::WriteOnly));
    plots.write("  1\n  garbage\n");
    plots.close();
    EXPECT_EQ(ExportWorkbookJob(book, project), 1);
    EXPECT_FALSE(QFile::exists(book));
}
