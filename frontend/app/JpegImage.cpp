#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tervane {

namespace {

// libjpeg's default error handler ends the process; this one jumps back to the decoder instead.
struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->jump, 1);
}

// Warnings (a corrupt segment libjpeg can step over) are not shown.
void ignoreMessage(j_common_ptr) {}

// Pictures larger than this in either direction are refused rather than allocated.
constexpr JDIMENSION kLargestSide = 16384;

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return QImage();
    jpeg_decompress_struct info{};
    TJpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnError;
    error.manager.output_message = ignoreMessage;
    // Everything the jump may leave behind lives outside the guarded block: no destructor is
    // skipped by longjmp.
    QImage image;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width > kLargestSide ||
        info.image_height > kLargestSide) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    // A warning means libjpeg stepped over damage (a cut-off file is completed in grey).
    const bool damaged = error.manager.num_warnings != 0;
    jpeg_destroy_decompress(&info);
    return damaged ? QImage() : image;
}

} // namespace tervane
