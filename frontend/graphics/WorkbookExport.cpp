#include "WorkbookExport.h"

#include "EntryErrors.h"
#include "GraphPlot.h"
#include "GraphScale.h"
#include "LegendFormat.h"
#include "Units.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tervane {

namespace {

// Header of the legend sheet, columns B to F of row 2; the blanks give the columns their widths.
const char* const kLegendHeader[] = {
    "     N    ",
    "                             Plot Name                             ",
    "  Sheet Name  ",
    "  Chart Name  ",
    "          Status          ",
};
constexpr int kLegendColumns = 5;
constexpr lxw_row_t kHeaderRow = 1;    // row 2
constexpr lxw_row_t kFirstDataRow = 5; // row 6 of a data sheet

struct WorkbookCloser {
    void operator()(lxw_workbook* wb) const {
        if (wb != nullptr) workbook_close(wb);
    }
};

QByteArray utf8(const QString& s) {
    return s.toUtf8();
}

void check(lxw_error error, const QString& path) {
    if (error != LXW_NO_ERROR)
        throw EFrontendError(
            QStringLiteral("The workbook %1 could not be written: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromUtf8(lxw_strerror(error))));
}

// The width a spreadsheet's column auto-fit gives a column of text of n characters.
double fittedWidth(int characters) {
    return characters + 0.43;
}

class Writer {
public:
    Writer(lxw_workbook* wb, const QString& path) : m_wb(wb), m_path(path) {}

    void write(const std::vector<const TGraphPlot*>& graphs) {
        m_legend = workbook_add_worksheet(m_wb, "Legend");
        if (m_legend == nullptr) fail();
        writeLegendHeader();
        for (size_t k = 1; k <= graphs.size(); ++k)
            check(worksheet_write_number(m_legend, static_cast<lxw_row_t>(k + 1), 1,
                                         static_cast<double>(k), nullptr),
                  m_path);
        for (size_t k = 1; k <= graphs.size(); ++k)
            writeGraph(*graphs[k - 1], static_cast<int>(k));
    }

private:
    void fail() { check(LXW_ERROR_MEMORY_MALLOC_FAILED, m_path); }

    void writeLegendHeader() {
        lxw_format* header = workbook_add_format(m_wb);
        format_set_bold(header);
        format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
        for (int c = 0; c < kLegendColumns; ++c) {
            const lxw_col_t col = static_cast<lxw_col_t>(c + 1);
            check(worksheet_write_string(m_legend, kHeaderRow, col, kLegendHeader[c], header),
                  m_path);
            check(worksheet_set_column(m_legend, col, col,
                                       fittedWidth(static_cast<int>(
                                           std::char_traits<char>::length(kLegendHeader[c]))),
                                       nullptr),
                  m_path);
        }
    }

    void writeGraph(const TGraphPlot& g, int k) {
        const QString xTitle = AxisTitle(g.XCaption, g.XUnits, g.Units());
        const QString yTitle = AxisTitle(g.YCaption, g.YUnits, g.Units());
        const QString page = QStringLiteral("Page_%1").arg(k);
        const QString plot = QStringLiteral("Plot_%1").arg(k);
        const lxw_row_t row = static_cast<lxw_row_t>(k + 1);

        // The legend row; the sheet name is a link to the data sheet.
        check(worksheet_write_string(m_legend, row, 2, utf8(g.Caption).constData(), nullptr),
              m_path);
        const QByteArray toPage = utf8(QStringLiteral("internal:%1!A1").arg(page));
        check(worksheet_write_url_opt(m_legend, row, 3, toPage.constData(), nullptr,
                                      utf8(page).constData(), nullptr),
              m_path);
        check(worksheet_write_string(m_legend, row, 4, utf8(plot).constData(), nullptr), m_path);

        // The data sheet.
        lxw_worksheet* data = workbook_add_worksheet(m_wb, utf8(page).constData());
        if (data == nullptr) fail();
        check(worksheet_write_url_opt(data, 0, 6, "internal:Legend!A1", nullptr,
                                      "Go to Legend Page", nullptr),
              m_path);
        check(worksheet_write_string(data, 0, 0, utf8(g.Caption).constData(), nullptr), m_path);
        check(worksheet_write_string(data, 1, 0, "X", nullptr), m_path);
        check(worksheet_write_string(data, 1, 1, utf8(xTitle).constData(), nullptr), m_path);
        check(worksheet_write_string(data, 2, 0, "Y", nullptr), m_path);
        check(worksheet_write_string(data, 2, 1, utf8(yTitle).constData(), nullptr), m_path);

        const int curves = g.CurveCount(kCurveSetMain);
        const int points = g.PointCount(kCurveSetMain);
        for (int j = 0; j < curves; ++j) {
            const lxw_col_t xc = static_cast<lxw_col_t>(2 * j);
            const lxw_col_t yc = static_cast<lxw_col_t>(2 * j + 1);
            const TLine& line = g.Line(kCurveSetMain, j);
            check(worksheet_write_string(data, 3, xc, utf8(g.DisplayName(j)).constData(), nullptr),
                  m_path);
            check(worksheet_write_string(data, 4, xc, "X", nullptr), m_path);
            check(worksheet_write_string(data, 4, yc, "Y", nullptr), m_path);
            const int n = std::min(points, line.PointCount());
            for (int i = 0; i < n; ++i) {
                const lxw_row_t r = kFirstDataRow + static_cast<lxw_row_t>(i);
                const TFloatPoint& p = line.Points[static_cast<size_t>(i)];
                check(worksheet_write_number(data, r, xc, SpreadsheetValue(p.x), nullptr), m_path);
                check(worksheet_write_number(data, r, yc, SpreadsheetValue(p.y), nullptr), m_path);
            }
        }

        // The chart sheet right after its data sheet.
        lxw_chartsheet* sheet = workbook_add_chartsheet(m_wb, utf8(plot).constData());
        lxw_chart* chart = workbook_add_chart(m_wb, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
        if (sheet == nullptr || chart == nullptr) fail();
        const int lastRow = 5 + points;
        for (int j = 0; j < curves && points > 0; ++j) {
            const QString xs =
                QStringLiteral("=%1!$%2$6:$%2$%3").arg(page, ColumnName(2 * j + 1)).arg(lastRow);
            const QString ys =
                QStringLiteral("=%1!$%2$6:$%2$%3").arg(page, ColumnName(2 * j + 2)).arg(lastRow);
            lxw_chart_series* series =
                chart_add_series(chart, utf8(xs).constData(), utf8(ys).constData());
            if (series == nullptr) fail();
            chart_series_set_name(series, utf8(g.DisplayName(j)).constData());
        }
        chart_title_off(chart);
        chart_axis_set_name(chart->x_axis, utf8(xTitle).constData());
        chart_axis_set_name(chart->y_axis, utf8(yTitle).constData());
        chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
        chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
        if (g.XOnTop) chart_axis_set_reverse(chart->y_axis);
        check(chartsheet_set_chart(sheet, chart), m_path);

        check(worksheet_write_string(m_legend, row, 5, "Complete", nullptr), m_path);
    }

    lxw_workbook* m_wb;
    QString m_path;
    lxw_worksheet* m_legend = nullptr;
};

} // namespace

QString ColumnName(int n) {
    if (n < 1 || n > 702) return {};
    if (n <= 26) return QString(QChar(u'A' + (n - 1)));
    return QString(QChar(u'A' + ((n - 1) / 26 - 1))) + QChar(u'A' + (n - 1) % 26);
}

double SpreadsheetValue(long double value) {
    const double v = static_cast<double>(value);
    if (!std::isfinite(v)) return 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", v);
    return std::strtod(text, nullptr);
}

void WriteWorkbook(const QString& path, const std::vector<const TGraphPlot*>& graphs) {
    const QFileInfo target(path);
    // A temporary name in the chosen folder; the workbook library writes the file itself.
    QString temporary;
    {
        QTemporaryFile probe(target.absolutePath() + QStringLiteral("/.export-XXXXXX.xlsx"));
        if (!probe.open())
            throw EFrontendError(QStringLiteral("The workbook %1 could not be written: %2")
                                     .arg(QDir::toNativeSeparators(path), probe.errorString()));
        temporary = probe.fileName();
    }
    struct Cleanup {
        QString file;
        ~Cleanup() {
            if (!file.isEmpty()) QFile::remove(file);
        }
    } cleanup{temporary};

    {
        const QByteArray name = QFile::encodeName(temporary);
        std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new(name.constData()));
        if (!wb)
            throw EFrontendError(
                QStringLiteral("The workbook %1 could not be written: %2")
                    .arg(QDir::toNativeSeparators(path), QStringLiteral("it cannot be created")));
        Writer(wb.get(), path).write(graphs);
        lxw_workbook* raw = wb.release();
        check(workbook_close(raw), path);
    }
    AddLegendFrames(temporary, path);
    // rename() replaces an existing file of the chosen name in one step.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0)
        throw EFrontendError(QStringLiteral("The workbook %1 could not be written: %2")
                                 .arg(QDir::toNativeSeparators(path),
                                      QStringLiteral("the file cannot be replaced")));
    cleanup.file.clear();
}

} // namespace tervane
