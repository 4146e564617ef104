// Pictures of every table's editor window for review: written only when TERVANE_SHOT_DIR names
// a folder (the run is skipped otherwise).

#include "TableEditorFixture.h"

#include "ColumnTypes.h"
#include "MdiHost.h"
#include "TableChart.h"
#include "TableChartPane.h"
#include "Units.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>

using namespace tervane;
using tervane::test::TableEditorTest;

namespace {

class TableShots : public TableEditorTest {
protected:
    void SetUp() override {
        TableEditorTest::SetUp();
        folder = qEnvironmentVariable("TERVANE_SHOT_DIR");
        if (folder.isEmpty()) GTEST_SKIP() << "TERVANE_SHOT_DIR not set";
        QDir().mkpath(folder);
        area.resize(1400, 1000);
        area.show();
        SetMdiArea(&area);
    }
    void TearDown() override {
        TableEditorTest::TearDown();
        SetMdiArea(nullptr);
    }
    void shoot(TGridTable& table, const QString& name) {
        TTableForm* form = open(table);
        ASSERT_NE(form, nullptr) << name.toStdString();
        QCoreApplication::processEvents();
        EXPECT_TRUE(form->frameWindow()->grab().save(folder + u'/' + name + ".png"));
        table.CloseEditors();
        flushDeletes();
    }
    QString folder;
    QMdiArea area;
};

} // namespace

TEST_F(TableShots, EveryTableInEnglishUnits) {
    tables.NewSoil().SetRowCount(3);
    tables.NewSoil().Cell(0, 1).SetInteger(4);
    tables.NewSoil().Cell(0, 2).SetInteger(6);
    tables.NewSoil().Cell(1, 0).SetFloat(120);
    tables.NewSoil().Cell(1, 1).SetFloat(240);
    tables.NewSoil().Cell(1, 2).SetFloat(400);
    tables.DistLoad().SetRowCount(12);
    for (int i = 0; i < tables.Count(); ++i)
        shoot(tables.At(i),
              QStringLiteral("%1-%2").arg(i + 1, 2, 10, QChar(u'0')).arg(tables.NameAt(i)));
}

TEST_F(TableShots, ImportedCurveInSIUnits) {
    tables.ChangeUnits(kUnitsSI);
    auto& curve = dynamic_cast<TGridTableChart&>(*tables.PYCurves2().Cell(1, 0).AsTable());
    const QString path = folder + QStringLiteral("/py-curve-si.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("y (m)\tp (kN/m)\n-0.05\t120\n-0.02\t95\n-0.005\t40\n0\t0\n0.005\t-40\n"
               "0.02\t-95\n0.05\t-120\n");
    file.close();
    auto* form = dynamic_cast<TTableChartForm*>(open(curve));
    ASSERT_NE(form, nullptr);
    form->fileNameEdit()->setText(path);
    form->ReadFromFileClick();
    EXPECT_EQ(curve.RowCount(), 7);
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        form->frameWindow()->grab().save(folder + QStringLiteral("/21-PYCurve2-imported-SI.png")));
    // The chart three times as large, to read its labels.
    QWidget* pane = form->chartPane();
    QPixmap zoom(pane->size() * 3);
    zoom.setDevicePixelRatio(3);
    zoom.fill(Qt::white);
    pane->render(&zoom);
    EXPECT_TRUE(zoom.save(folder + QStringLiteral("/21b-PYCurve2-chart-zoomed.png")));
    // The curve-set table of the same project, with its link buttons.
    shoot(tables.PYCurves2(), QStringLiteral("22-PYCurves2-SI"));
}

TEST_F(TableShots, NoteAndHelpPicture) {
    TGridTable& walls = tables.PileSect();
    walls.SetComments(QStringLiteral(
        "The nodal number at the top of the wall is set to be 0.\rValues of Flexural Stiffness "
        "(EI) must be specified for all nodes of the wall.\rLinear interpolation (when selected) "
        "is performed from START node of previous line to END node of the following line."));
    shoot(walls, QStringLiteral("23-PileSect-with-note"));
    QImage picture(220, 140, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawRect(0, 0, 219, 139);
    p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("help picture"));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG");
    tables.DistLoad().SetHelpPicture(bytes);
    shoot(tables.DistLoad(), QStringLiteral("24-DistLoad-with-picture"));
}
