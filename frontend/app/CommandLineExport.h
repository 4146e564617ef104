#pragma once
// The command-line job "--export-xlsx FILE PROJECT": the spreadsheet workbook of every result
// graph of the project that holds data, written without a window.

#include <QString>

namespace tervane {

// Opens `project` and its plot data file and writes the workbook `workbook`. Returns 0 when the
// workbook was written; otherwise writes a one-line reason to standard error and returns 1 (a
// project or plot data file that is missing or cannot be read, a workbook that cannot be
// written).
int ExportWorkbookJob(const QString& workbook, const QString& project);

} // namespace tervane
