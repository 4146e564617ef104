#include "CommandLineExport.h"

#include "EntryErrors.h"
#include "ExportDlg.h"
#include "GraphModels.h"
#include "OlderProjectReader.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectTables.h"
#include "WorkbookExport.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace tervane {

namespace {

int fail(const QString& reason) {
    std::fprintf(stderr, "%s\n", reason.toUtf8().constData());
    return 1;
}

} // namespace

int ExportWorkbookJob(const QString& workbook, const QString& project) {
    try {
        if (!QFileInfo(project).isFile())
            return fail(QStringLiteral("The project %1 does not exist.")
                            .arg(QDir::toNativeSeparators(project)));
        TProjectTables tables;
        TProgramData data(tables, project, FormatIndexOfFile(project));
        if (!data.OpenMessage().isEmpty())
            return fail(QString(data.OpenMessage()).replace(u'\r', u' '));
        const QFileInfo info(project);
        const QString plots =
            info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".tv5p");
        if (!QFileInfo(plots).isFile())
            return fail(QStringLiteral("The plot data file %1 does not exist: analyse the "
                                       "project first.")
                            .arg(QDir::toNativeSeparators(plots)));
        TGraphModels models;
        if (!ReadPlots(models, data, plots, false))
            return fail(QStringLiteral("The plot data file %1 could not be read completely.")
                            .arg(QDir::toNativeSeparators(plots)));
        std::vector<const TGraphPlot*> graphs;
        for (const TGraphPlot* g : ExportGraphs(models))
            if (g->HasData()) graphs.push_back(g);
        WriteWorkbook(workbook, graphs);
        return 0;
    } catch (const EFrontendError& e) {
        return fail(QString(e.message()).replace(u'\r', u' '));
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
}

} // namespace tervane
