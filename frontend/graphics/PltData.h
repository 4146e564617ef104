#pragma once
// The plot-data reader: reads the plot data file that the engine writes beside the project
// (".tv5p") into the eight graph models, after a run and when a project is opened.
//
// Per problem block the file holds the distributed load (row count, then depth, total, earth-
// pressure and surcharge part per row), the p-y curves (unit system, curve count, then per curve
// its label value and point count followed by its (y, p) pairs) and the results (block marker,
// row count and unit system, then x, deflection, moment, shear and soil reaction per station).

#include "GraphModels.h"

#include <QString>

#include <functional>

namespace tervane {

class TProgramData;

// Shown after a run whose plot data file cannot be read completely.
inline const QString kPlotReadFailed =
    QStringLiteral("An error occured in running the main program.");

// Display captions of the depth and result axes.
inline const QString kDepthFeet = QStringLiteral("Depth (ft)");
inline const QString kDepthMetres = QStringLiteral("Depth (m)");

// Reads the plot data file `path` into `models`, using the project for the soil-layer set and
// the names of the problem blocks. Every curve loses its points first. Returns true when the file
// was read completely. A file that cannot be opened, a malformed number, a count that the file
// cannot hold or an early end stop the reading and return false; whatever the models received
// before stays in them, and with `afterRun` on, `showMessage` (when given) is called with
// kPlotReadFailed.
bool ReadPlots(TGraphModels& models, const TProgramData& project, const QString& path,
               bool afterRun, const std::function<void(const QString&)>& showMessage = {});

} // namespace tervane
