#include "SaveGraphs.h"

#include "AnalysisRun.h"
#include "GraphModels.h"
#include "Messages.h"
#include "OlderProjectReader.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <memory>

namespace tervane {

namespace {

constexpr double kInchesPerMetre = 39.37007874015748;

const char* const kModelNames[TGraphModels::kCount] = {"pltPY",   "pltDef", "pltMom", "pltShear",
                                                       "pltSoil", "pltDMS", "pltLD",  "PltCombine"};

void setPpi(QImage& image, int ppiX, int ppiY) {
    image.setDotsPerMeterX(static_cast<int>(std::lround(ppiX * kInchesPerMetre)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(ppiY * kInchesPerMetre)));
}

void put16(QByteArray& b, quint16 v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& b, quint32 v) {
    put16(b, static_cast<quint16>(v & 0xFFFF));
    put16(b, static_cast<quint16>(v >> 16));
}

// A 16-bit bitmap file (five bits per colour), which the image library writes as 24 bits.
bool writeBmp16(const QImage& image, const QString& path) {
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    const int w = src.width();
    const int h = src.height();
    const qint64 rowBytes = (static_cast<qint64>(w) * 2 + 3) / 4 * 4;
    constexpr int kHeaderBytes = 14 + 40;
    QByteArray header;
    header.append("BM");
    put32(header, static_cast<quint32>(kHeaderBytes + rowBytes * h));
    put32(header, 0);
    put32(header, kHeaderBytes);
    put32(header, 40);
    put32(header, static_cast<quint32>(w));
    put32(header, static_cast<quint32>(h));
    put16(header, 1);
    put16(header, 16);
    put32(header, 0); // no compression: 5-5-5
    put32(header, static_cast<quint32>(rowBytes * h));
    put32(header, static_cast<quint32>(src.dotsPerMeterX()));
    put32(header, static_cast<quint32>(src.dotsPerMeterY()));
    put32(header, 0);
    put32(header, 0);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size()) return false;
    QByteArray row(static_cast<qsizetype>(rowBytes), '\0');
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            const quint16 v = static_cast<quint16>(((qRed(c) >> 3) << 10) |
                                                   ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
            row[2 * x] = static_cast<char>(v & 0xFF);
            row[2 * x + 1] = static_cast<char>(v >> 8);
        }
        if (file.write(row) != row.size()) return false;
    }
    return true;
}

// One line on standard error.
void fail(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

void RenderGraphPicture(QImage& picture, const TGraphPlot& plot, const TGraphView& view,
                        const TPictureSource& source) {
    if (picture.isNull()) return;
    setPpi(picture, source.PpiX, source.PpiY);
    QPainter painter(&picture);
    const TGraphFonts fonts = GraphFonts(source.WindowFont, plot.SizeFont, &picture);
    TGraphScene scene = MakeScene(plot, {0, 0, picture.width(), picture.height()}, fonts,
                                  source.PpiX, source.PpiY, TLayoutTarget::Picture);
    scene.ForOutput = true;
    scene.Patterns = TPatternVariant::Screen;
    scene.LegendPosition = source.LegendPosition;
    scene.WindowSize = source.WindowSize;
    scene.LegendAtCorner = source.NoWindow;
    DrawGraph(painter, plot, view, scene);
}

void SetPictureResolution(QImage& picture, int ppi) {
    setPpi(picture, ppi, ppi);
}

bool WritePicture(const QImage& picture, const QString& path, TPictureColours colours) {
    const bool png = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    const QImage out = WithColourDepth(picture, colours);
    if (!png && colours == TPictureColours::HighColour) return writeBmp16(out, path);
    return out.save(path, png ? "PNG" : "BMP");
}

int SaveGraphsJob(const QString& project, const QString& dir, int ppi) {
    std::unique_ptr<QGuiApplication> ownApp;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        if (QCoreApplication::instance() != nullptr) {
            fail(QStringLiteral("The graphs need a graphical application."));
            return kSaveGraphsWrite;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tervane";
        static char* argv[] = {name, nullptr};
        ownApp = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (ppi <= 0) ppi = kJobDefaultPpi;
    QString path = project;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) path += QStringLiteral(".tv5d");
    if (!QFileInfo::exists(path)) {
        fail(QStringLiteral("Project not found: ") + path);
        return kSaveGraphsProject;
    }
    TProjectTables tables;
    std::unique_ptr<TProgramData> data;
    try {
        data = std::make_unique<TProgramData>(tables, path, FormatIndexOfFile(path));
    } catch (const std::exception& e) {
        fail(QStringLiteral("Project could not be read: ") + QString::fromLocal8Bit(e.what()));
        return kSaveGraphsProject;
    }
    if (!data->OpenMessage().isEmpty()) {
        fail(QStringLiteral("Project is malformed: ") + DisplayText(data->OpenMessage()));
        return kSaveGraphsProject;
    }
    const QString plotFile = ChangeFileExt(path, QStringLiteral(".tv5p"));
    if (!QFileInfo::exists(plotFile)) {
        fail(QStringLiteral("Plot data file not found: ") + plotFile);
        return kSaveGraphsPlotFile;
    }
    TGraphModels models;
    if (!ReadPlots(models, *data, plotFile, false)) {
        fail(QStringLiteral("Plot data file is malformed: ") + plotFile);
        return kSaveGraphsPlotFile;
    }
    if (!QDir().mkpath(dir)) {
        fail(QStringLiteral("Folder could not be made: ") + dir);
        return kSaveGraphsWrite;
    }
    const long long w = PicturePixels(kJobWidthInches, ppi);
    const long long h = PicturePixels(kJobHeightInches, ppi);
    const auto all = models.All();
    for (int m = 0; m < TGraphModels::kCount; ++m) {
        TGraphPlot& plot = *all[static_cast<size_t>(m)];
        if (!plot.HasData()) continue;
        plot.ApplyCurveLimit();
        TGraphView view;
        view.Reset(plot);
        QImage picture = CreatePicture(w, h);
        if (picture.isNull()) {
            fail(QStringLiteral("There is not enough memory to complete this task."));
            return kSaveGraphsWrite;
        }
        TPictureSource source;
        source.PpiX = source.PpiY = kJobWindowPpi;
        source.WindowFont = QGuiApplication::font();
        source.WindowSize = picture.size();
        source.NoWindow = true;
        RenderGraphPicture(picture, plot, view, source);
        SetPictureResolution(picture, ppi);
        const QString file = QDir(dir).filePath(QString::fromLatin1(kModelNames[m]) + ".png");
        if (!WritePicture(picture, file, TPictureColours::TrueColour)) {
            fail(QStringLiteral("Picture could not be written: ") + file);
            return kSaveGraphsWrite;
        }
    }
    return kSaveGraphsDone;
}

} // namespace tervane
