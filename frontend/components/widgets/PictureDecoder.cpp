#include "PictureDecoder.h"

namespace tervane {

namespace {

TPictureDecoder& decoder() {
    static TPictureDecoder installed;
    return installed;
}

} // namespace

void SetPictureDecoder(TPictureDecoder d) {
    decoder() = std::move(d);
}

QImage DecodePicture(const QByteArray& bytes) {
    if (bytes.isEmpty()) return QImage();
    if (decoder()) return decoder()(bytes);
    return QImage::fromData(bytes);
}

} // namespace tervane
