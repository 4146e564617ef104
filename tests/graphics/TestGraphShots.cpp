// Pictures of the graph windows of example projects, for looking at: written only when
// TERVANE_SHOTS_DIR names a folder (the examples are analysed with the command-line runner into a
// temporary folder first).
#include "Caption.h"
#include "ChangeActiveLines.h"
#include "ChangeLineNames.h"
#include "GraphModels.h"
#include "MdiHost.h"
#include "PlotForm.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectTables.h"
#include "SaveGraphs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QPainter>
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

    // The profile as the program shows it: a maximised child of the main window's area.
    {
        QMainWindow main;
        auto* area = new QMdiArea(&main);
        main.setCentralWidget(area);
        main.resize(1100, 760);
        main.show();
        SetMdiArea(area);
        InstallGraphWindows();
        models.pltDMS.ShowGraph();
        QCoreApplication::processEvents();
        main.grab().save(QDir(out).filePath(prefix + "-pltDMS-mdi.png"));
        SetGraphWindowFactory({});
        delete models.pltDMS.Window();
        SetMdiArea(nullptr);
    }

    // The profile with named layers instead of the wall, a zoomed deflection graph with a title
    // at the bottom, and the printed page of the profile.
    models.pltDMS.ShowWall = false;
    auto* dms = new TPlotForm(models.pltDMS);
    dms->Canvas()->setFixedSize(1000, 700);
    dms->grab().save(QDir(out).filePath(prefix + "-pltDMS-names.png"));
    QImage page(1275, 1650, QImage::Format_RGB32); // a letter page at 150 pixels per inch
    page.setDotsPerMeterX(5906);
    page.setDotsPerMeterY(5906);
    page.fill(Qt::lightGray);
    {
        QPainter p(&page);
        dms->DrawOnPage(p, page, TArea{150, 150, 1125, 1500});
    }
    page.save(QDir(out).filePath(prefix + "-pltDMS-page.png"));
    delete dms;
    models.pltDef.GraphTitle = QStringLiteral("Wall A, final stage");
    models.pltDef.TitleAtTop = false;
    auto* def = new TPlotForm(models.pltDef);
    def->Canvas()->setFixedSize(800, 560);
    const TArea a = def->Scene().Layout.Graphs[0];
    def->CanvasPress(Qt::LeftButton, QPoint(a.Left + a.Width() / 3, a.Top + 10));
    def->CanvasRelease(Qt::LeftButton, QPoint(a.Left + a.Width() * 2 / 3, a.Top + a.Height() / 2));
    def->grab().save(QDir(out).filePath(prefix + "-pltDef-zoomed.png"));
    delete def;
}

TEST(GraphShots, Dialogs) {
    const QByteArray out = qgetenv("TERVANE_SHOTS_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "TERVANE_SHOTS_DIR not set";
    const QDir dir(QString::fromLocal8Bit(out));
    TfrmGraphCaption caption;
    caption.SetValues(QStringLiteral("Wall A"), true);
    caption.show();
    caption.grab().save(dir.filePath("dialog-caption.png"));
    QStringList names{"Stage: 1", "Stage: 2", "Stage: 3"};
    TfrmLineNames legend(names);
    legend.show();
    legend.findChild<QListWidget*>("lbLines")->setCurrentRow(1);
    legend.grab().save(dir.filePath("dialog-legend.png"));
    QStringList states{kStateActive, kStateInactive, kStateActive};
    TfrmActiveLines active(names, states);
    active.show();
    active.grab().save(dir.filePath("dialog-active.png"));
    QImage picture;
    TdlgFormat format(picture);
    format.show();
    format.grab().save(dir.filePath("dialog-picture.png"));
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
