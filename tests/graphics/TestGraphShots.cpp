// Pictures of the graph windows of example projects, for looking at: written only when
// TERVANE_SHOTS_DIR names a folder (the examples are analysed with the command-line runner into a
// temporary folder first).
#include "GraphModels.h"
#include "PlotForm.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectTables.h"
#include "SaveGraphs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tervane {
namespace {

bool analyse(const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name + ".tv5d");
    QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/") + name + ".tv5d", path);
    QProcess run;
    run.start(QStringLiteral(TERVANE_BIN_DIR "/tervane-run"), {path});
    return run.waitForFinished(120000) && run.exitCode() == 0;
}

void shootWindows(const QString& project, const QString& out, const QString& prefix) {
    TProjectTables tables;
    TProgramData data(tables, project, 1);
    TGraphModels models;
    ASSERT_TRUE(ReadPlots(models, data, project.left(project.size() - 5) + ".tv5p", false));
    const char* names[] = {"pltPY",   "pltDef", "pltMom", "pltShear",
                           "pltSoil", "pltDMS", "pltLD",  "PltCombine"};
    int m = 0;
    for (TGraphPlot* plot : models.All()) {
        const QString name = QString::fromLatin1(names[m++]);
        if (!plot->HasData()) continue;
        auto* form = new TPlotForm(*plot);
        form->resize(1000, 700);
        form->show();
        form->Relayout(true);
        QCoreApplication::processEvents();
        form->Canvas()->grab().save(QDir(out).filePath(prefix + "-" + name + ".png"));
        delete form;
    }
    SaveGraphsJob(project, QDir(out).filePath(prefix + "-job"), 150);
}

TEST(GraphShots, ExampleWindows) {
    const QByteArray out = qgetenv("TERVANE_SHOTS_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "TERVANE_SHOTS_DIR not set";
    QTemporaryDir dir;
    for (const char* example : {"tieback-clay-trapezoid", "three-stage-excavation"}) {
        const QString name = QString::fromLatin1(example);
        ASSERT_TRUE(analyse(dir.path(), name));
        shootWindows(QDir(dir.path()).filePath(name + ".tv5d"), QString::fromLocal8Bit(out), name);
    }
}

} // namespace
} // namespace tervane
