#pragma once
// Decoding of the pictures that tables and windows hold as encoded bytes (JPEG). The windows of
// this library decode through one settable function, so that the program can install its own
// decoder; without one, Qt's image readers serve.

#include <QByteArray>
#include <QImage>
#include <functional>

namespace tervane {

using TPictureDecoder = std::function<QImage(const QByteArray&)>;

// Installs `decoder`; an empty function returns to Qt's image readers.
void SetPictureDecoder(TPictureDecoder decoder);

// The picture of `bytes`; a null image for empty or undecodable bytes.
QImage DecodePicture(const QByteArray& bytes);

} // namespace tervane
