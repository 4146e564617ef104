#pragma once
// Reading a table's rows from lines of text (a text file or the clipboard): each line is cut into
// numbers, a line with exactly one number per shown column becomes a row, and the table is left
// holding exactly the rows read.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <functional>

namespace tervane {

class TGridTable;

// Most numbers taken from one line.
inline constexpr int kMaxNumbersPerLine = 15;
// Significant digits of a number stored from a line.
inline constexpr int kImportDigits = 15;

// The numbers at the start of a line: blanks and tabs before a number are skipped, a number ends
// at a blank, tab, comma or carriage return, and reading stops at the first piece that is not a
// decimal number or after kMaxNumbersPerLine numbers.
QVector<long double> LineNumbers(QStringView line);

// The lines of a text; line ends are CR LF, LF or CR, and a last line without a line end counts.
QStringList TextLines(const QString& text);

// Fills `table` from `lines`: the n-th line taken (one holding exactly as many numbers as the
// table has shown columns) goes into row n, its k-th number into shown column k through SetText;
// `addRow` is called first when row n does not exist. Stops after MaxRows lines (when set). When
// a line was taken, the rows after the last one filled are deleted. Returns the lines taken. A
// number a column rejects raises that column's entry error and ends the reading.
int ImportRows(TGridTable& table, const QStringList& lines, const std::function<void()>& addRow);

} // namespace tervane
