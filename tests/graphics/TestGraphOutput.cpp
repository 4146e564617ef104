// Output of the graph window: Save To Disk through the picture dialog (size, colour depth, the
// memory message), the printed page, and the command-line pictures, each compared with what the
// window draws by pixel probes on a curve and off it.
#include "DataEdit.h"
#include "EntryErrors.h"
#include "GraphModels.h"
#include "PlotForm.h"
#include "SaveAttb.h"
#include "SaveGraphs.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace tervane {
namespace {

// One diagonal curve from (0, 0) to (10, 10), drawn in blue: the first curve is not plotted, so
// the second gets the second colour of the table.
void diagonal(TGraphPlot& plot) {
    plot.Caption = QStringLiteral("Test Graph");
    plot.XOnTop = false;
    plot.Markers = 0;
    plot.SetCurveCount(kCurveSetMain, 2);
    plot.SetPointCount(kCurveSetMain, 11);
    for (int i = 0; i <= 10; ++i) {
        plot.Point(kCurveSetMain, 0, i) = {static_cast<long double>(i), 0};
        plot.Point(kCurveSetMain, 1, i) = {static_cast<long double>(i),
                                           static_cast<long double>(i)};
    }
    plot.Line(kCurveSetMain, 0).Plotted = false;
}

// The curve's colour on its path at (7, 7), white off it at (7.5, 2.5) and in the top-right corner.
void expectCurveProbes(const QImage& image, const TGraphScene& scene, const TGraphView& view) {
    const TArea& a = scene.Layout.Graphs[0];
    const TScaleRange& r = view.Current[0];
    const int x = DataToPixelX(7, r.X, a.Left, a.Right); // a point of the polyline
    const int y = DataToPixelY(7, r.Y, a.Top, a.Bottom, false);
    EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, 0x0000FFu) << x << "," << y;
    const int wx = DataToPixelX(7.5L, r.X, a.Left, a.Right); // between grid lines
    const int wy = DataToPixelY(2.5L, r.Y, a.Top, a.Bottom, false);
    EXPECT_EQ(image.pixel(wx, wy) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(image.width() - 2, 2) & 0xFFFFFF, 0xFFFFFFu);
}

template <typename D> void onDialog(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) act(*d);
    });
}

int bmpBits(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray h = f.read(30);
    return static_cast<unsigned char>(h[28]) | (static_cast<unsigned char>(h[29]) << 8);
}

TEST(GraphOutput, WindowDrawingHasTheCurveOnItsPathAndWhiteAround) {
    TGraphPlot plot;
    diagonal(plot);
    TPlotForm form(plot);
    form.Canvas()->setFixedSize(600, 400);
    const QImage shot = form.Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(600, 400));
    expectCurveProbes(shot, form.Scene(), form.View());
    // The legend opened in the plot area's bottom-right corner.
    const TArea& a = form.Scene().Layout.PlotArea;
    EXPECT_EQ(form.Legend()->geometry().right() + 1, a.Right);
    EXPECT_EQ(form.Legend()->geometry().bottom() + 1, a.Bottom);
}

TEST(GraphOutput, MarkersOfTheTwelfthCurveEveryOtherPoint) {
    // Thirteen horizontal curves at y = 1..13 over x = 1..5, only the twelfth plotted. Colours
    // count the active curves from 0 and markers number all curves from 1: the twelfth is drawn in
    // entry 11 (00FF00) with shape 2, a square; the thirteenth would be 808080 with a triangle.
    TGraphPlot plot;
    plot.XOnTop = false;
    plot.Markers = 2;
    plot.SetCurveCount(kCurveSetMain, 13);
    plot.SetPointCount(kCurveSetMain, 5);
    for (int c = 0; c < 13; ++c) {
        for (int i = 0; i < 5; ++i)
            plot.Point(kCurveSetMain, c, i) = {i + 1.0L, c + 1.0L};
        plot.Line(kCurveSetMain, c).Plotted = c == 11;
    }
    plot.Point(kCurveSetMain, 0, 4).x = 6; // room right of the last marker
    EXPECT_EQ(TGraphPlot::CurveColour(11), 0x00FF00u);
    EXPECT_EQ(TGraphPlot::CurveColour(12), 0x808080u);
    EXPECT_EQ(MarkerShape(12), 2);
    TPlotForm form(plot);
    form.Canvas()->setFixedSize(600, 400);
    const QImage shot = form.Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const TGraphScene scene = form.Scene();
    const TArea& a = scene.Layout.Graphs[0];
    const TScaleRange& r = form.View().Current[0];
    const int radius = scene.PpiX / 32;
    const int y = DataToPixelY(12, r.Y, a.Top, a.Bottom, false);
    for (int i = 0; i < 5; ++i) {
        const int x = DataToPixelX(i + 1.0L, r.X, a.Left, a.Right);
        const int along = i < 4 ? x + radius / 2 : x - radius / 2; // on the curve's segments
        EXPECT_EQ(shot.pixel(along, y) & 0xFFFFFF, 0x00FF00u) << i;
        // The square's top-right corner, off the curve: there at points 0, 2 and 4 only.
        const QRgb corner = shot.pixel(x + radius, y - radius) & 0xFFFFFF;
        EXPECT_EQ(corner, i % 2 == 0 ? 0x00FF00u : 0xFFFFFFu) << i;
    }
    // Markers 0: none.
    form.SetMarkers(0);
    const QImage bare = form.Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int x0 = DataToPixelX(1, r.X, a.Left, a.Right);
    EXPECT_EQ(bare.pixel(x0 + radius, y - radius) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(GraphOutput, SaveToDiskWritesThePictureTheDialogSized) {
    test::TScriptedMessagesScope scope;
    QTemporaryDir dir;
    TGraphPlot plot;
    diagonal(plot);
    TPlotForm form(plot);
    form.Canvas()->setFixedSize(600, 400);
    const QString bmp = dir.filePath(QStringLiteral("graph.bmp"));
    scope.messages.files.push_back(TFileChoice{bmp, 1});
    onDialog<TdlgFormat>([](TdlgFormat& d) {
        d.findChild<QRadioButton*>(QStringLiteral("rbTrue"))->setChecked(true);
        d.btnOKClick(); // the starting values: 6 x 4 in at 72 pixels per inch
    });
    form.SaveToDiskClick();
    ASSERT_EQ(scope.messages.records.size(), 1u);
    EXPECT_EQ(scope.messages.records[0].request.filter, QStringLiteral("Bitmap (*.bmp)|*.bmp"));
    EXPECT_EQ(scope.messages.records[0].request.defaultExt, QStringLiteral("bmp"));
    QImage saved(bmp, "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(432, 288));
    EXPECT_EQ(bmpBits(bmp), 24);
    // The picture is laid out with the window's pixels per inch in the picture's client area.
    QImage again(432, 288, QImage::Format_RGB32);
    form.RenderPicture(again);
    const TGraphFonts fonts = GraphFonts(form.Canvas()->font(), plot.SizeFont, &again);
    const TGraphScene scene = MakeScene(plot, {0, 0, 432, 288}, fonts, form.Canvas()->logicalDpiX(),
                                        form.Canvas()->logicalDpiY(), TLayoutTarget::Picture);
    expectCurveProbes(saved.convertToFormat(QImage::Format_RGB32), scene, form.View());

    // A .png name writes PNG; 16 colours write four bits a pixel into a BMP.
    const QString png = dir.filePath(QStringLiteral("graph.png"));
    scope.messages.files.push_back(TFileChoice{png, 1});
    onDialog<TdlgFormat>([](TdlgFormat& d) { d.btnOKClick(); });
    form.SaveToDiskClick();
    QFile f(png);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(4), QByteArray("\x89PNG"));
    const QString bmp16 = dir.filePath(QStringLiteral("graph16.bmp"));
    scope.messages.files.push_back(TFileChoice{bmp16, 1});
    onDialog<TdlgFormat>([](TdlgFormat& d) {
        d.SetValues(QStringLiteral("2.5"), QStringLiteral("3"), QStringLiteral("75"));
        d.btnOKClick();
    });
    form.SaveToDiskClick();
    EXPECT_EQ(QImage(bmp16).size(), QSize(225, 188)); // 187.5 rounds to even
    EXPECT_EQ(bmpBits(bmp16), 4);
    EXPECT_TRUE(scope.messages.informationTexts().isEmpty());
}

TEST(GraphOutput, TheColourChoiceIsTheDepthTheFileHolds) {
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(5, 5, 0xFF0000FF);
    picture.setPixel(6, 5, 0xFFFFFF00);
    const std::pair<TPictureColours, int> cases[] = {{TPictureColours::BlackAndWhite, 1},
                                                     {TPictureColours::Colours16, 4},
                                                     {TPictureColours::Colours256, 8},
                                                     {TPictureColours::HighColour, 16},
                                                     {TPictureColours::TrueColour, 24}};
    for (const auto& [colours, bits] : cases) {
        const QString path = dir.filePath(QString::number(bits) + ".bmp");
        ASSERT_TRUE(WritePicture(picture, path, colours)) << bits;
        EXPECT_EQ(bmpBits(path), bits);
        const QImage back(path);
        EXPECT_EQ(back.size(), picture.size());
        // Black and white keeps every mark that is not white, yellow included; five bits a
        // colour read back lose their three low bits.
        const QRgb mask = bits == 16 ? 0xF8F8F8 : 0xFFFFFF;
        const QRgb expected5 = bits == 1 ? 0x000000 : 0x0000FF;
        const QRgb expected6 = bits == 1 ? 0x000000 : 0xFFFF00;
        EXPECT_EQ(back.pixel(5, 5) & mask, expected5 & mask) << bits;
        EXPECT_EQ(back.pixel(6, 5) & mask, expected6 & mask) << bits;
        EXPECT_EQ(back.pixel(20, 20) & mask, mask) << bits;
    }
}

TEST(GraphOutput, PictureDialogEntriesAndTheMemoryMessage) {
    test::TScriptedMessagesScope scope;
    QTemporaryDir dir;
    TGraphPlot plot;
    diagonal(plot);
    TPlotForm form(plot);
    const QString bmp = dir.filePath(QStringLiteral("huge.bmp"));
    scope.messages.files.push_back(TFileChoice{bmp, 1});
    onDialog<TdlgFormat>([](TdlgFormat& d) {
        d.SetValues(QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("72"));
        d.btnOKClick(); // below the least height: reported, set to 2, the dialog stays
        EXPECT_TRUE(d.isVisible());
        d.SetValues(QStringLiteral("400"), QStringLiteral("600"), QStringLiteral("2.5"));
        d.btnOKClick(); // not a whole number of pixels per inch
        d.SetValues(QStringLiteral("400"), QStringLiteral("600"), QStringLiteral("3000"));
        d.btnOKClick(); // 1.2 million by 1.8 million pixels
    });
    form.SaveToDiskClick();
    EXPECT_EQ(scope.messages.informationTexts(),
              (QStringList{"Entry must be greater than or equal to 2", "Entry must be an integer.",
                           "There is not enough memory to complete this task."}));
    EXPECT_FALSE(QFile::exists(bmp));

    QImage picture;
    TdlgFormat d(picture);
    d.btnOKClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(picture.size(), QSize(432, 288));
}

TEST(GraphOutput, PictureDialogFieldsTheirLabelsBoundsAndMessages) {
    test::TScriptedMessagesScope scope;
    QImage picture;
    TdlgFormat d(picture);
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblHeight"))->text(),
              QStringLiteral("&Height (in)"));
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblWidth"))->text(),
              QStringLiteral("&Width (in)"));
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblPPI"))->text(),
              QStringLiteral("&Pixels Per Inch"));
    auto* height = d.findChild<TDataEdit*>(QStringLiteral("deHeight"));
    auto* ppi = d.findChild<TDataEdit*>(QStringLiteral("dePPI"));
    ASSERT_NE(height, nullptr);
    ASSERT_NE(ppi, nullptr);
    EXPECT_EQ(height->MaxVal(), kExtendedMax); // no upper bound
    EXPECT_EQ(ppi->MaxVal(), kIntegerMax);

    // Each rejected entry keeps the dialog open with its message; the fields are checked in order.
    const auto ok = [&](const char* h, const char* w, const char* p) {
        d.SetValues(QString::fromLatin1(h), QString::fromLatin1(w), QString::fromLatin1(p));
        d.btnOKClick();
        const QStringList texts = scope.messages.informationTexts();
        return texts.isEmpty() ? QString() : texts.back();
    };
    EXPECT_EQ(ok("abc", "x", "y"), evaluationMessage(kReasonInvalidCharacters));
    EXPECT_EQ(ok("4", "6", "abc"), QStringLiteral("Entry must be a valid integer."));
    EXPECT_EQ(ok("4", "6", "5"), QStringLiteral("Entry must be greater than or equal to 10"));
    EXPECT_EQ(ppi->text(), QStringLiteral("10"));
    EXPECT_EQ(ok("4", "6", "3000000000"),
              QStringLiteral("Entry must be less than or equal to 2147483647"));
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_TRUE(picture.isNull());

    // Expressions are replaced by their values; the picture follows them.
    scope.messages.records.clear();
    EXPECT_EQ(ok("2*2", "3+3", "100/2"), QString());
    EXPECT_EQ(height->text(), QStringLiteral("4"));
    EXPECT_EQ(ppi->text(), QStringLiteral("50"));
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.PixelsPerInch(), 50);
    EXPECT_EQ(picture.size(), QSize(300, 200));
}

TEST(GraphOutput, PrintingWritesOnePdfPageDrawnLikeTheWindow) {
    test::TScriptedMessagesScope scope;
    QTemporaryDir dir;
    TGraphPlot plot;
    diagonal(plot);
    TPlotForm form(plot);
    form.Canvas()->setFixedSize(600, 400);
    form.Legend()->move(0, 0);
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    form.Printer().setOutputFormat(QPrinter::PdfFormat);
    form.Printer().setOutputFileName(pdf);
    scope.messages.printAnswers.push_back(true);
    form.PrintClick();
    EXPECT_EQ(form.Printer().docName(), QStringLiteral("Test Graph"));
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page>") + bytes.count("/Type /Page "),
              1);
    const QMarginsF margins = form.Printer().pageLayout().margins(QPageLayout::Inch);
    EXPECT_NEAR(margins.left(), 1.0, 1E-6);

    // The page's drawing, on a page-sized picture at 150 pixels per inch: 6.5 x 9 in inside the
    // margins of a letter page.
    QImage page(975, 1350, QImage::Format_RGB32);
    page.setDotsPerMeterX(5906);
    page.setDotsPerMeterY(5906);
    {
        QPainter p(&page);
        form.DrawOnPage(p, page, TArea{0, 0, 974, 1349});
    }
    const TGraphFonts fonts = GraphFonts(form.Canvas()->font(), plot.SizeFont, &page);
    const TGraphScene scene =
        MakeScene(plot, {0, 0, 974, 1349}, fonts, 150, 150, TLayoutTarget::Printer);
    EXPECT_EQ(scene.Layout.PlotArea.Right, 974);
    expectCurveProbes(page, scene, form.View());
    // The legend dragged to the window's top-left corner: the box at the area's top-left.
    const TArea& a = scene.Layout.PlotArea;
    int blue = 0;
    for (int y = a.Top; y < a.Top + 40; ++y)
        for (int x = a.Left; x < a.Left + 200; ++x)
            blue += (page.pixel(x, y) & 0xFFFFFF) == 0x0000FF;
    EXPECT_GT(blue, 20); // the marker-less entry "Curve #2" in blue
    EXPECT_EQ(page.pixel(a.Left + 3, a.Top + 3) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(GraphOutput, SaveGraphsJobWritesEveryGraphWithData) {
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("tieback.tv5d"));
    QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/tieback-clay-trapezoid.tv5d"), project);
    QProcess run;
    run.start(QStringLiteral(TERVANE_BIN_DIR "/tervane-run"), {project});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0);
    const QString out = dir.filePath(QStringLiteral("pictures"));
    ASSERT_EQ(SaveGraphsJob(project, out, 100), kSaveGraphsDone);
    const QStringList files = QDir(out).entryList({"*.png"}, QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{"PltCombine.png", "pltDMS.png", "pltDef.png", "pltLD.png",
                                  "pltMom.png", "pltPY.png", "pltShear.png", "pltSoil.png"}));
    const QImage dms(QDir(out).filePath(QStringLiteral("pltDMS.png")));
    EXPECT_EQ(dms.size(), QSize(600, 400));
    EXPECT_EQ(dms.pixel(2, 200) & 0xFFFFFF, 0xFFFFFFu);

    EXPECT_EQ(SaveGraphsJob(dir.filePath(QStringLiteral("missing.tv5d")), out, 100),
              kSaveGraphsProject);
    QFile::remove(dir.filePath(QStringLiteral("tieback.tv5p")));
    EXPECT_EQ(SaveGraphsJob(project, out, 100), kSaveGraphsPlotFile);
}

} // namespace
} // namespace tervane
