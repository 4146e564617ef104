#include "ImportLines.h"

#include "ColumnTypes.h"
#include "NumberText.h"
#include "WordRead.h"

namespace tervane {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool endsNumber(QChar c) {
    return isBlank(c) || c == u',' || c == u'\r';
}

} // namespace

QVector<long double> LineNumbers(QStringView line) {
    QVector<long double> numbers;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (numbers.size() < kMaxNumbersPerLine) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n) break;
        qsizetype end = i;
        while (end < n && !endsNumber(line[end]))
            ++end;
        const ParsedNumber parsed = ParseNumber(line.mid(i, end - i), NumberSyntax::FileWord);
        if (parsed.status != ParseStatus::Ok) break;
        numbers << parsed.value;
        // The delimiter that ended the number is passed; a carriage return ends the line.
        if (end < n && line[end] == u'\r') break;
        i = end + 1;
    }
    return numbers;
}

QStringList TextLines(const QString& text) {
    const TWordReader reader = TWordReader::FromText(text);
    QStringList lines;
    for (int i = 0; i < reader.lineCount(); ++i)
        lines << reader.line(i).text();
    return lines;
}

int ImportRows(TGridTable& table, const QStringList& lines, const std::function<void()>& addRow) {
    const int columns = table.ShownColumnCount();
    int taken = 0;
    for (const QString& line : lines) {
        if (table.MaxRows() > 0 && taken >= table.MaxRows()) break;
        const QVector<long double> numbers = LineNumbers(line);
        if (columns == 0 || numbers.size() != columns) continue;
        if (taken >= table.RowCount()) addRow();
        if (taken >= table.RowCount()) break; // the table took no further row
        for (int k = 0; k < columns; ++k)
            table.ShownColumn(k)->SetText(taken, FormatGeneral(numbers[k], kImportDigits));
        ++taken;
    }
    if (taken > 0) {
        // Surplus rows go one row group at a time, from the end, never a filled row.
        while (table.RowCount() > taken && table.RowCount() - table.RowGroup() >= taken)
            table.DeleteRowGroup(table.RowCount() - 1);
    }
    return taken;
}

} // namespace tervane
