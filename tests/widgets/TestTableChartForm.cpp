// The chart table window on the project's p-y curve table: rows read from a file and from the
// clipboard, the chart's series and axes, OK and Cancel.

#include "TableEditorFixture.h"

#include "ChartData.h"
#include "ColumnTypes.h"
#include "TableChart.h"
#include "TableChartPane.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QFile>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QValueAxis>

using namespace tervane;
using tervane::test::TableEditorTest;

namespace {

class ChartFormTest : public TableEditorTest {
protected:
    // The p-y curve of the first curve set.
    TGridTableChart& curve() {
        return dynamic_cast<TGridTableChart&>(*tables.PYCurves2().Cell(1, 0).AsTable());
    }
    TTableChartForm* openCurve() { return dynamic_cast<TTableChartForm*>(open(curve())); }
    QString writeFile(const QString& name, const QByteArray& text) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    static QVector<QPointF> rows(const TGridTable& t) {
        QVector<QPointF> out;
        for (int r = 0; r < t.RowCount(); ++r)
            out << QPointF(static_cast<double>(t.Cell(0, r).AsFloat()),
                           static_cast<double>(t.Cell(1, r).AsFloat()));
        return out;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ChartFormTest, ReadsRowsFromAFile) {
    TTableChartForm* form = openCurve();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->view().visibleRows, 2);
    EXPECT_FALSE(form->readButton()->isEnabled());
    const QString path = writeFile(QStringLiteral("curve.txt"), "Depth Load\n0 10\n1,20\n2\t30\n");
    form->fileNameEdit()->setText(path);
    EXPECT_TRUE(form->readButton()->isEnabled());
    EXPECT_TRUE(form->viewButton()->isEnabled());
    form->ReadFromFileClick();
    EXPECT_EQ(rows(curve()), QVector<QPointF>({{0, 10}, {1, 20}, {2, 30}}));
    EXPECT_EQ(form->grid()->rowCount(), 3);
    EXPECT_EQ(form->view().visibleRows, 3);
    EXPECT_TRUE(curve().IsModified());

    // Twenty lines into a table of at most 17 rows: 17 rows.
    QByteArray twenty;
    for (int i = 0; i < 20; ++i)
        twenty += QByteArray::number(i) + " " + QByteArray::number(i * i) + "\r\n";
    form->fileNameEdit()->setText(writeFile(QStringLiteral("twenty.dat"), twenty));
    form->ReadFromFileClick();
    EXPECT_EQ(curve().RowCount(), 17);
    EXPECT_EQ(curve().Cell(1, 16).AsFloat(), 256);
    EXPECT_EQ(form->view().visibleRows, 5); // at most 5 under a chart

    // Fewer lines than rows: the surplus rows go.
    form->fileNameEdit()->setText(writeFile(QStringLiteral("two.txt"), "-1 -5\n4 8"));
    form->ReadFromFileClick();
    EXPECT_EQ(rows(curve()), QVector<QPointF>({{-1, -5}, {4, 8}}));
    EXPECT_TRUE(scope.messages.informationTexts().isEmpty());

    // A file that is not there: its message, the rows stay.
    form->fileNameEdit()->setText(dir.filePath(QStringLiteral("missing.txt")));
    EXPECT_FALSE(form->readButton()->isEnabled());
    form->ReadFromFileClick();
    EXPECT_EQ(scope.messages.informationTexts().size(), 1);
    EXPECT_EQ(curve().RowCount(), 2);

    // Browse puts the chosen name into the box.
    scope.messages.files.push_back(TFileChoice{path, 1});
    form->BrowseClick();
    EXPECT_EQ(form->fileNameEdit()->text(), path);
    EXPECT_EQ(scope.messages.records.back().request.filter, kImportFilter);
}

TEST_F(ChartFormTest, PastesRowsFromTheClipboard) {
    TTableChartForm* form = openCurve();
    QApplication::clipboard()->clear();
    form->PasteFromClipboardClick();
    EXPECT_EQ(scope.messages.informationTexts(), QStringList(kNoClipboardText));

    // The last line counts without a line end; line ends may be CR LF, LF or CR.
    QApplication::clipboard()->setText(QStringLiteral("1 2\r\n3 4"));
    form->PasteFromClipboardClick();
    EXPECT_EQ(rows(curve()), QVector<QPointF>({{1, 2}, {3, 4}}));
    QApplication::clipboard()->setText(QStringLiteral("y\tp\n5\t6\n7\t8\n9\t10\n"));
    form->PasteFromClipboardClick();
    EXPECT_EQ(rows(curve()), QVector<QPointF>({{5, 6}, {7, 8}, {9, 10}}));
}

TEST_F(ChartFormTest, RejectedValueEndsTheReading) {
    std::vector<TTableDefinition> own =
        ReadTableDefinitions(QStringLiteral(R"(object Counts: TGridTableChart
  Caption = 'Counts'
  MinRows = 1
  MaxRows = 10
  GetDataFromFile = True
  Col = {
    2
    1 ('Node') True False 0 0 100
    2 ('Value') True False False 'FLOATCOLUMN2' '' 0.0
    False False 0 1 0 1
  }
end
)"));
    TGridTable& counts = *own[0].table;
    auto* form = dynamic_cast<TTableChartForm*>(open(counts));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->chartPane(), nullptr);
    form->importLines({QStringLiteral("1 1.5"), QStringLiteral("200 2"), QStringLiteral("3 3")});
    EXPECT_EQ(scope.messages.informationTexts(),
              QStringList(QStringLiteral("Entry must be between 0 and 100.")));
    EXPECT_EQ(counts.RowCount(), 2); // the row added for the refused line stays
    EXPECT_EQ(counts.Cell(0, 0).AsInteger(), 1);
    own[0].table->CloseEditors();
    flushDeletes();
}

TEST_F(ChartFormTest, ChartShowsTheCurveInOrderOfX) {
    TGridTableChart& c = curve();
    c.SetRowCount(3);
    c.Cell(0, 0).SetFloat(2);
    c.Cell(1, 0).SetFloat(-100);
    c.Cell(0, 1).SetFloat(-1);
    c.Cell(1, 1).SetFloat(100);
    c.Cell(0, 2).SetFloat(0);
    c.Cell(1, 2).SetFloat(0);
    TTableChartForm* form = openCurve();
    QChart* chart = form->chartPane()->chart();
    ASSERT_EQ(chart->series().size(), 2);
    EXPECT_FALSE(chart->series()[1]->isVisible()); // series 2 is for three-column tables
    auto* line = qobject_cast<QLineSeries*>(chart->series()[0]);
    EXPECT_EQ(line->points(), QList<QPointF>({{-1, 100}, {0, 0}, {2, -100}}));
    EXPECT_EQ(line->pen().color(), QColor(Qt::red));
    EXPECT_EQ(line->pen().width(), 2);
    EXPECT_FALSE(chart->legend()->isVisible());
    EXPECT_TRUE(chart->title().isEmpty());
    const auto x = chart->axes(Qt::Horizontal);
    const auto y = chart->axes(Qt::Vertical);
    ASSERT_EQ(x.size(), 1);
    EXPECT_EQ(x[0]->titleText(), QStringLiteral("Lateral Deflection, y (*) (in)"));
    EXPECT_EQ(y[0]->titleText(), QStringLiteral("Soil Resistance, p (lbs/in)"));

    // Two rows with y 5: the axis spans 4.5 to 5.5 and the second point is drawn a little higher.
    c.SetRowCount(2);
    c.Cell(1, 0).SetFloat(5);
    c.Cell(1, 1).SetFloat(5);
    form->AddRowClick();
    form->grid()->setCurrentCell(2, 0);
    form->DeleteRowClick(); // redrawn after each
    const TChartData& data = form->chartPane()->data();
    EXPECT_DOUBLE_EQ(data.y.low, 4.5);
    EXPECT_DOUBLE_EQ(data.y.high, 5.5);
    auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical)[0]);
    EXPECT_DOUBLE_EQ(axis->min(), 4.5);
    EXPECT_DOUBLE_EQ(axis->max(), 5.5);
    EXPECT_DOUBLE_EQ(std::max(data.series1.points[0].y(), data.series1.points[1].y()), 5.005);
}

TEST_F(ChartFormTest, CancelRestoresTheRowsAndOKKeepsThem) {
    TGridTableChart& c = curve();
    c.Cell(0, 1).SetFloat(7);
    TTableChartForm* form = openCurve();
    ASSERT_NE(form->okButton(), nullptr);
    form->importLines({QStringLiteral("1 2"), QStringLiteral("3 4"), QStringLiteral("5 6")});
    EXPECT_EQ(c.RowCount(), 3);
    type(form, 0, 1, QStringLiteral("x")); // an entry that would refuse the commit
    form->CancelClick();
    flushDeletes();
    EXPECT_EQ(c.Editor(), nullptr);
    EXPECT_EQ(c.RowCount(), 2);
    EXPECT_EQ(c.Cell(0, 1).AsFloat(), 7);
    EXPECT_EQ(c.Cell(1, 1).AsFloat(), 0);
    EXPECT_FALSE(c.IsModified());

    form = openCurve();
    form->importLines({QStringLiteral("1 2"), QStringLiteral("3 4"), QStringLiteral("5 6")});
    form->OKClick();
    flushDeletes();
    EXPECT_EQ(c.Editor(), nullptr);
    EXPECT_EQ(c.RowCount(), 3);
    EXPECT_TRUE(c.IsModified());
}

TEST_F(ChartFormTest, ViewEditFileGoesToTheUsersEditor) {
    TTableChartForm* form = openCurve();
    const QString path = writeFile(QStringLiteral("edit.txt"), "1 2\n");
    form->fileNameEdit()->setText(path);
    QString started;
    SetTextEditorHook([&](const QString& file) { started = file; });
    form->ViewEditClick();
    SetTextEditorHook(nullptr);
    EXPECT_EQ(started, path);
}

TEST_F(ChartFormTest, SegmentDrawing) {
    std::vector<TTableDefinition> own =
        ReadTableDefinitions(QStringLiteral(R"(object Bars: TGridTableChart
  Caption = 'Bars'
  MinRows = 2
  MaxRows = 10
  Col = {
    4
    2 ('x1') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('y1') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('x2') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('y2') True False False 'FLOATCOLUMN2' '' 0.0
    True True 0 1 2 3
  }
end
)"));
    auto& bars = dynamic_cast<TGridTableChart&>(*own[0].table);
    bars.SetRowCount(2);
    // Nothing to draw while the ranges are empty.
    EXPECT_TRUE(SegmentLines(bars, 285, 170).isEmpty());
    bars.Cell(2, 0).SetFloat(10);
    bars.Cell(3, 0).SetFloat(5);
    bars.Cell(0, 1).SetFloat(10);
    bars.Cell(3, 1).SetFloat(-5);
    const QVector<TSegmentLine> lines = SegmentLines(bars, 285, 170);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].from, QPointF(20, 20 + 130 * 0.5)); // (0, 0); y runs upwards
    EXPECT_EQ(lines[0].to, QPointF(265, 20));              // (10, 5)
    EXPECT_EQ(lines[1].to, QPointF(20, 150));              // (0, -5)
    EXPECT_EQ(lines[1].row, 2);
    EXPECT_EQ(lines[1].label, (lines[1].from + lines[1].to) / 2);
    auto* form = dynamic_cast<TTableChartForm*>(open(bars));
    ASSERT_NE(form->chartPane(), nullptr);
    EXPECT_EQ(form->chartPane()->chart(), nullptr); // a drawing area, no chart
    EXPECT_EQ(form->chartPane()->geometry(),
              QRect(form->margin(), form->margin(), kChartWidth, kChartHeight));
    EXPECT_FALSE(form->grab().isNull());
    bars.CloseEditors();
    flushDeletes();
}

TEST_F(ChartFormTest, ThreeColumnChartHasTwoSeriesAndALegend) {
    std::vector<TTableDefinition> own =
        ReadTableDefinitions(QStringLiteral(R"(object Mods: TGridTableChart
  Caption = 'Mods'
  MinRows = 2
  MaxRows = 10
  InvertedYAxis = True
  Col = {
    3
    2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('p-Multiplier') True False False 'FLOATCOLUMN2' '' 1.0
    2 ('y-Multiplier') True False False 'FLOATCOLUMN2' '' 1.0
    True False 0 1 0 1
  }
end
)"));
    auto& mods = dynamic_cast<TGridTableChart&>(*own[0].table);
    mods.SetRowCount(2);
    mods.Cell(0, 1).SetFloat(10);
    mods.Cell(2, 1).SetFloat(0.5);
    const TChartData data = BuildChartData(mods);
    ASSERT_TRUE(data.series2.has_value());
    EXPECT_TRUE(data.legend);
    EXPECT_EQ(data.series1.title, QStringLiteral("p-Multiplier"));
    EXPECT_EQ(data.series2->title, QStringLiteral("y-Multiplier"));
    EXPECT_EQ(data.series2->points, QVector<QPointF>({{0, 1}, {10, 0.5}}));
    EXPECT_TRUE(data.y.reversed);
    EXPECT_FALSE(data.x.reversed);
    EXPECT_EQ(data.x.title, QStringLiteral("Depth (ft)"));
    auto* form = dynamic_cast<TTableChartForm*>(open(mods));
    QChart* chart = form->chartPane()->chart();
    EXPECT_TRUE(chart->legend()->isVisible());
    EXPECT_TRUE(chart->series()[1]->isVisible());
    EXPECT_EQ(qobject_cast<QLineSeries*>(chart->series()[1])->pen().color(), QColor(Qt::green));
    EXPECT_TRUE(chart->axes(Qt::Vertical)[0]->isReverse());
    // Opening again brings the open window forward.
    ShowTableEditor(mods);
    EXPECT_EQ(formOf(mods), form);
    mods.CloseEditors();
    flushDeletes();
}
