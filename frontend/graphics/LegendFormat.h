#pragma once
// The chart legends of a written workbook get a black frame and a white fill, which the workbook
// library cannot set itself: the chart parts of the file are rewritten with the legend's shape
// properties.

#include <QByteArray>
#include <QString>

namespace tervane {

// The chart part `xml` with its legend framed in black and filled in white (unchanged when it
// has no legend or the legend already has shape properties).
QByteArray FramedLegendXml(const QByteArray& xml);

// Rewrites every chart part of the workbook file `workbook`. `shownPath` names the file in
// messages. Throws EFrontendError when the file cannot be read or written.
void AddLegendFrames(const QString& workbook, const QString& shownPath);

} // namespace tervane
