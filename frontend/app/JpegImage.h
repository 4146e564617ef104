#pragma once
// JPEG pictures decoded through libjpeg into QImage, so the program's illustrations need no image
// plugin of the toolkit.

#include <QByteArray>
#include <QImage>

namespace tervane {

// The picture held by `data` (baseline or progressive JPEG, grey or colour): Format_Grayscale8 or
// Format_RGB888. A null image when the data is not a complete, readable JPEG; never ends the
// program.
QImage DecodeJpeg(const QByteArray& data);

} // namespace tervane
