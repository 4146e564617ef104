#pragma once
// The spreadsheet workbook of the result graphs: a "Legend" sheet listing the exported graphs,
// then for graph k a data sheet "Page_k" with its curves and a chart sheet "Plot_k" with an XY
// scatter chart of them. Written as an .xlsx file; no spreadsheet program is needed.

#include <QString>
#include <vector>

namespace tervane {

class TGraphPlot;

// Name of spreadsheet column n (1-based): "A" to "Z", then "AA" (27) to "ZZ" (702). Columns
// beyond 702 are not named (empty text).
QString ColumnName(int n);

// A value as the spreadsheet keeps it: rounded to 15 significant digits.
double SpreadsheetValue(long double value);

// Writes the workbook of `graphs` (in order; graph k is the k-th) to `path`. The workbook is
// written to a temporary file in the same folder and takes the chosen name only once complete,
// so a failure never leaves a partial file there. Throws EFrontendError naming the file and the
// reason when it cannot be written.
void WriteWorkbook(const QString& path, const std::vector<const TGraphPlot*>& graphs);

} // namespace tervane
