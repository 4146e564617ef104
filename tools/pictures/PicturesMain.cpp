// Draws the illustration sketches of the program and writes them as JPEG files into a folder:
//   tervane-pictures [FOLDER] [--preview DIR]
// (default folder: frontend/resources/pictures of the source tree; --preview also writes each
// sketch as PNG into DIR for looking at it).
// Run it after changing a sketch and commit the pictures it writes.
#include "JpegWriter.h"
#include "Sketches.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Quality of the written pictures: line sketches stay crisp at this level.
constexpr int kJpegQuality = 92;

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 &&
        (args[1] == QStringLiteral("--help") || args[1] == QStringLiteral("-h"))) {
        std::puts(
            "tervane-pictures [FOLDER] [--preview DIR]: writes the illustration sketches as JPEG "
            "files (and as PNG previews into DIR)");
        return 0;
    }
    QString folder = QStringLiteral(TERVANE_PICTURES_DIR);
    QString preview;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--preview") && i + 1 < args.size())
            preview = args[++i];
        else
            folder = args[i];
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
        return 1;
    }
    for (const auto& sketch : tervane::pictures::AllSketches()) {
        const QByteArray jpeg = tervane::pictures::EncodeJpeg(sketch.image, kJpegQuality);
        QFile file(QDir(folder).filePath(sketch.fileName));
        if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        if (!preview.isEmpty()) {
            QDir().mkpath(preview);
            QString png = sketch.fileName;
            png.replace(QStringLiteral(".jpg"), QStringLiteral(".png"));
            sketch.image.save(QDir(preview).filePath(png));
        }
        std::printf("%s %dx%d, %lld bytes\n", qPrintable(sketch.fileName), sketch.image.width(),
                    sketch.image.height(), static_cast<long long>(jpeg.size()));
    }
    return 0;
}
