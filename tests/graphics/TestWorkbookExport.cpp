// The spreadsheet export: the written workbook opened as a zip archive and its parts checked, the
// column names, and the export window's list rules.
#include "ExportDlg.h"
#include "GraphModels.h"
#include "GraphScale.h"
#include "LegendFormat.h"
#include "ScriptedMessages.h"
#include "WorkbookExport.h"
#include "ZipArchive.h"

#include "EntryErrors.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace tervane;

namespace {

// A graph of `curves` curves of `points` points each (x = i, y = 10 j + i / 3).
void fill(TGraphPlot& g, int curves, int points) {
    g.SetCurveCount(kCurveSetMain, curves);
    g.SetPointCount(kCurveSetMain, points);
    for (int j = 0; j < curves; ++j)
        for (int i = 0; i < points; ++i)
            g.Point(kCurveSetMain, j, i) = {static_cast<long double>(i), 10.0L * j + i / 3.0L};
}

// The cells of a sheet part as text, shared strings resolved ("F3" -> "Complete").
QMap<QString, QString> cells(const std::vector<TZipEntry>& zip, const QString& sheetPart) {
    QStringList shared;
    {
        QXmlStreamReader xml(ZipEntryData(zip, QStringLiteral("xl/sharedStrings.xml")));
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"t")
                shared << xml.readElementText();
    }
    QMap<QString, QString> out;
    QXmlStreamReader xml(ZipEntryData(zip, sheetPart));
    QString ref, type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"c") {
            ref = xml.attributes().value(QStringLiteral("r")).toString();
            type = xml.attributes().value(QStringLiteral("t")).toString();
        } else if (xml.name() == u"v") {
            const QString v = xml.readElementText();
            out[ref] = type == u"s" ? shared.value(v.toInt()) : v;
        }
    }
    return out;
}

QStringList sheetNames(const std::vector<TZipEntry>& zip) {
    QStringList names;
    QXmlStreamReader xml(ZipEntryData(zip, QStringLiteral("xl/workbook.xml")));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet")
            names << xml.attributes().value(QStringLiteral("name")).toString();
    return names;
}

QStringList formulas(const QByteArray& chartXml) {
    QStringList out;
    static const QRegularExpression f(QStringLiteral("<c:f>([^<]*)</c:f>"));
    for (auto it = f.globalMatch(QString::fromUtf8(chartXml)); it.hasNext();)
        out << it.next().captured(1);
    return out;
}

} // namespace

TEST(WorkbookExport, ColumnNames) {
    EXPECT_EQ(ColumnName(1), QStringLiteral("A"));
    EXPECT_EQ(ColumnName(26), QStringLiteral("Z"));
    EXPECT_EQ(ColumnName(27), QStringLiteral("AA"));
    EXPECT_EQ(ColumnName(52), QStringLiteral("AZ"));
    EXPECT_EQ(ColumnName(53), QStringLiteral("BA"));
    EXPECT_EQ(ColumnName(702), QStringLiteral("ZZ"));
    EXPECT_TRUE(ColumnName(703).isEmpty());
    EXPECT_TRUE(ColumnName(0).isEmpty());
}

TEST(WorkbookExport, AxisTitlesAndValues) {
    EXPECT_EQ(AxisTitle(QStringLiteral("Earth Pressure"), QStringLiteral("F/L"), 2),
              QStringLiteral("Earth Pressure (kN/m)"));
    EXPECT_EQ(AxisTitle(QStringLiteral("Depth"), QString(), 2), QStringLiteral("Depth"));
    EXPECT_EQ(SpreadsheetValue(1.0L / 3.0L), 0.333333333333333);
    EXPECT_EQ(SpreadsheetValue(125000.0L), 125000.0);
}

TEST(WorkbookExport, TwoGraphsGiveLegendDataAndChartSheetsInOrder) {
    QTemporaryDir dir;
    TGraphModels models;
    fill(models.pltDef, 3, 41); // a depth profile: the value axis runs downwards
    fill(models.pltLD, 1, 5);   // earth pressure
    models.pltLD.XOnTop = false;
    const QString path = dir.filePath(QStringLiteral("wall.xlsx"));
    WriteWorkbook(path, {&models.pltDef, &models.pltLD});

    const std::vector<TZipEntry> zip = ReadZip(path);
    EXPECT_EQ(sheetNames(zip), (QStringList{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));

    const auto legend = cells(zip, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_EQ(legend.value("B2"), QStringLiteral("     N    "));
    EXPECT_EQ(legend.value("F2"), QStringLiteral("          Status          "));
    EXPECT_EQ(legend.value("B3"), QStringLiteral("1"));
    EXPECT_EQ(legend.value("B4"), QStringLiteral("2"));
    EXPECT_EQ(legend.value("C3"), models.pltDef.Caption);
    EXPECT_EQ(legend.value("D3"), QStringLiteral("Page_1"));
    EXPECT_EQ(legend.value("E4"), QStringLiteral("Plot_2"));
    EXPECT_EQ(legend.value("F3"), QStringLiteral("Complete"));
    EXPECT_EQ(legend.value("F4"), QStringLiteral("Complete"));
    // The sheet names link into the workbook.
    const QByteArray legendXml = ZipEntryData(zip, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(legendXml.contains("location=\"Page_1!A1\"")) << legendXml.constData();

    const auto page = cells(zip, QStringLiteral("xl/worksheets/sheet2.xml"));
    EXPECT_EQ(page.value("A2"), QStringLiteral("X"));
    EXPECT_EQ(page.value("A4"), models.pltDef.DisplayName(0));
    EXPECT_EQ(page.value("E4"), models.pltDef.DisplayName(2));
    EXPECT_EQ(page.value("F5"), QStringLiteral("Y"));
    EXPECT_EQ(page.value("A46"), QStringLiteral("40"));
    EXPECT_EQ(page.value("F46").toDouble(), SpreadsheetValue(20.0L + 40 / 3.0L));
    EXPECT_FALSE(page.contains("A47"));
    EXPECT_EQ(page.value("G1"), QStringLiteral("Go to Legend Page"));

    const QByteArray chart1 = ZipEntryData(zip, QStringLiteral("xl/charts/chart1.xml"));
    const QStringList f1 = formulas(chart1);
    EXPECT_TRUE(f1.contains("Page_1!$A$6:$A$46"));
    EXPECT_TRUE(f1.contains("Page_1!$C$6:$C$46"));
    EXPECT_TRUE(f1.contains("Page_1!$E$6:$E$46"));
    EXPECT_TRUE(f1.contains("Page_1!$F$6:$F$46"));
    EXPECT_TRUE(chart1.contains("<c:orientation val=\"maxMin\"/>"));
    EXPECT_FALSE(chart1.contains("<c:title>") &&
                 chart1.indexOf("<c:title>") < chart1.indexOf("<c:plotArea>"));
    EXPECT_TRUE(chart1.contains("<c:scatterStyle val=\"lineMarker\"/>"));
    EXPECT_TRUE(chart1.contains("<c:majorGridlines/>"));
    // The legend is framed in black and filled in white.
    EXPECT_TRUE(chart1.contains("<c:legend>"));
    EXPECT_TRUE(chart1.contains("<a:srgbClr val=\"000000\"/>"));

    const QByteArray chart2 = ZipEntryData(zip, QStringLiteral("xl/charts/chart2.xml"));
    EXPECT_FALSE(chart2.contains("maxMin"));
    EXPECT_TRUE(formulas(chart2).contains("Page_2!$B$6:$B$10"));
}

TEST(WorkbookExport, NothingCheckedGivesTheLegendHeaderAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.xlsx"));
    WriteWorkbook(path, {});
    const std::vector<TZipEntry> zip = ReadZip(path);
    EXPECT_EQ(sheetNames(zip), QStringList{"Legend"});
    const auto legend = cells(zip, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_EQ(legend.size(), 5);
}

TEST(WorkbookExport, AFailedWriteLeavesNoFileUnderTheChosenName) {
    QTemporaryDir dir;
    TGraphModels models;
    fill(models.pltDef, 1, 3);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.xlsx"));
    EXPECT_THROW(WriteWorkbook(missing, {&models.pltDef}), EFrontendError);
    EXPECT_FALSE(QFile::exists(missing));

    // An existing workbook stays as it was when the new one cannot be completed, and no
    // temporary file is left behind.
    const QString path = dir.filePath(QStringLiteral("keep.xlsx"));
    WriteWorkbook(path, {&models.pltDef});
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(dir.path()).isWritable() || geteuid() != 0) {
        EXPECT_THROW(WriteWorkbook(path, {&models.pltDef}), EFrontendError);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        EXPECT_EQ(f.readAll(), before);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(WorkbookExport, LegendFrameIsInsertedOnce) {
    const QByteArray xml = "<c:legend><c:legendPos val=\"r\"/><c:overlay val=\"0\"/>"
                           "<c:txPr>t</c:txPr></c:legend>";
    const QByteArray framed = FramedLegendXml(xml);
    EXPECT_LT(framed.indexOf("<c:spPr>"), framed.indexOf("<c:txPr>"));
    EXPECT_EQ(FramedLegendXml(framed), framed);
    EXPECT_EQ(FramedLegendXml("<c:chart/>"), QByteArray("<c:chart/>"));
}

TEST(ExportWindow, EntriesFollowTheGraphCommandsAndSelectAllSkipsDisabledOnes) {
    test::TScriptedMessagesScope scope;
    TGraphModels models;
    // Deflection (entry 2) and moment (entry 4) present, the others absent.
    TDlgExport dlg(
        models, [](int k) { return k == 1 || k == 3; }, [] { return QString(); });
    dlg.FormActivate();
    for (int k = 0; k < kExportEntryCount; ++k) {
        EXPECT_EQ(dlg.EntryEnabled(k), k == 1 || k == 3) << k;
        EXPECT_EQ(dlg.EntryChecked(k), k == 1 || k == 3) << k;
    }
    EXPECT_TRUE(dlg.GenerateEnabled());
    dlg.UnselectAllClick();
    EXPECT_FALSE(dlg.GenerateEnabled());
    dlg.SelectAllClick();
    EXPECT_FALSE(dlg.EntryChecked(0));
    EXPECT_TRUE(dlg.EntryChecked(3));
    // Single checks leave the button as it was.
    dlg.SetEntryChecked(1, false);
    dlg.SetEntryChecked(3, false);
    EXPECT_TRUE(dlg.GenerateEnabled());
}

TEST(ExportWindow, GenerateAsksForTheFileWritesItAndOpensIt) {
    test::TScriptedMessagesScope scope;
    QTemporaryDir dir;
    TGraphModels models;
    fill(models.pltDef, 2, 4);
    const QString project = dir.filePath(QStringLiteral("wall.tv5d"));
    TDlgExport dlg(
        models, [](int k) { return k == 1; }, [&] { return project; });
    QString opened;
    dlg.openDocument = [&](const QString& p) {
        opened = p;
        return true;
    };
    dlg.FormActivate();

    // Cancelled: nothing written.
    dlg.GenerateClick();
    ASSERT_EQ(scope.messages.records.size(), 1u);
    EXPECT_EQ(scope.messages.records[0].request.initialPath, dir.filePath("wall.xlsx"));
    EXPECT_TRUE(scope.messages.records[0].request.overwritePrompt);
    EXPECT_TRUE(opened.isEmpty());

    const QString chosen = dir.filePath(QStringLiteral("out.xlsx"));
    scope.messages.files.push_back(TFileChoice{chosen, 1});
    dlg.GenerateClick();
    EXPECT_EQ(opened, chosen);
    EXPECT_EQ(sheetNames(ReadZip(chosen)), (QStringList{"Legend", "Page_1", "Plot_1"}));

    // A folder that does not exist: the message, no file.
    const QString bad = dir.filePath(QStringLiteral("gone/out.xlsx"));
    scope.messages.files.push_back(TFileChoice{bad, 1});
    opened.clear();
    dlg.GenerateClick();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_FALSE(scope.messages.informationTexts().isEmpty());
    EXPECT_TRUE(
        scope.messages.informationTexts().last().contains(QStringLiteral("could not be written")));
}
