#pragma once
// JPEG encoding of a sketch through libjpeg.

#include <QByteArray>
#include <QImage>

namespace tervane::pictures {

// The picture as baseline JPEG of the given quality (1..100). Empty when encoding fails.
QByteArray EncodeJpeg(const QImage& image, int quality);

} // namespace tervane::pictures
