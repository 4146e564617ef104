// The wall profile window: one at a time, activation, the depth in the title, the painted sketch
// and the printed page.
#include "SideViewFixture.h"

#include "MdiHost.h"
#include "PileSide.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <zlib.h>

using namespace tervane;

namespace {

class SideViewWindow : public test::SideViewFixture {
protected:
    ~SideViewWindow() override {
        if (TDlgSideView* v = TDlgSideView::Instance()) v->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TDlgSideView::SetPrinterFactory({});
    }
    static void moveTo(QWidget* w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
};

// Inflated content streams of a PDF (Qt writes them deflated).
QByteArray pdfContent(const QByteArray& pdf) {
    QByteArray out;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream\n", at)) >= 0) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        if (end < 0) break;
        const QByteArray packed = pdf.mid(at, end - at);
        QByteArray plain(1 << 22, '\0');
        uLongf size = static_cast<uLongf>(plain.size());
        if (uncompress(reinterpret_cast<Bytef*>(plain.data()), &size,
                       reinterpret_cast<const Bytef*>(packed.constData()),
                       static_cast<uLong>(packed.size())) == Z_OK)
            out += plain.left(static_cast<int>(size));
        else
            out += packed;
        at = end;
    }
    return out;
}

} // namespace

TEST_F(SideViewWindow, OneAtATimeWithTheDepthInItsTitle) {
    TDlgSideView* view = TDlgSideView::ShowInstance();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Side View"));
    EXPECT_EQ(view->size(), QSize(580, 431));
    EXPECT_EQ(TDlgSideView::ShowInstance(), view);
    view->resize(600, 400);
    view->FormActivate();
    EXPECT_EQ(view->Scene().Row(48), 35);
    moveTo(view, {100, 200});
    EXPECT_EQ(view->windowTitle(), QStringLiteral("  Depth: 229.2"));

    // The painted window: the wall in the window-text colour, the background elsewhere.
    const QImage shot = view->grab().toImage();
    EXPECT_EQ(shot.pixelColor(300, 200), view->palette().color(QPalette::WindowText));
    EXPECT_EQ(shot.pixelColor(200, 200), view->palette().color(QPalette::Window));
    EXPECT_EQ(shot.pixelColor(450, 121), Qt::black); // excavation ground line

    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TDlgSideView::Instance(), nullptr);
}

// An empty area leaves the window blank and its title alone until it is closed.
TEST_F(SideViewWindow, EmptyAreaUntilClosed) {
    p().IncrementCount = 0;
    TDlgSideView* view = TDlgSideView::ShowInstance();
    EXPECT_TRUE(view->Scene().IsEmpty());
    p().IncrementCount = 80;
    TDlgSideView::ShowInstance();
    EXPECT_TRUE(view->Scene().IsEmpty());
    EXPECT_TRUE(view->WindowPrimitives().empty());
    moveTo(view, {100, 200});
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Side View"));
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(TDlgSideView::ShowInstance()->Scene().IsEmpty());
}

// As a child window of the main window's area: every activation rebuilds from the project.
TEST_F(SideViewWindow, ActivationInTheAreaRebuildsTheOutline) {
    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    SetMdiArea(&area);
    TDlgSideView* view = TDlgSideView::ShowInstance();
    QMdiSubWindow* sub = MdiWindowOf(view);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(view->size(), QSize(580, 431));
    moveTo(view, {10, 200});
    EXPECT_TRUE(sub->windowTitle().startsWith(QStringLiteral("  Depth: ")));
    ASSERT_EQ(view->Scene().Outlines().size(), 1u);
    EXPECT_EQ(view->Scene().Outlines()[0].topRight.x, 3.0L);

    QWidget* other = new QWidget;
    QMdiSubWindow* otherSub = AddMdiChild(other);
    area.setActiveSubWindow(otherSub);
    p().FreeHeight = 240;
    area.setActiveSubWindow(sub);
    EXPECT_EQ(view->Scene().Outlines()[0].topRight.x, 6.0L);
    EXPECT_EQ(TDlgSideView::ShowInstance(), view);
    EXPECT_EQ(area.subWindowList().size(), 2);
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TDlgSideView::Instance(), nullptr);
    SetMdiArea(nullptr);
}

// The printed page: landscape, titled after the job, the wall filled black, pens 12, 15 and 35.
TEST_F(SideViewWindow, PrintsALandscapePage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    p().FileName = dir.filePath(QStringLiteral("wall.tv5d"));
    p().ApplyRestraints = true;
    tables.Soillayer().Cell(1, 0).SetInteger(10);
    p().ApplySprings = true;
    tables.SoilStrength().Cell(1, 0).SetInteger(10);
    TDlgSideView* view = TDlgSideView::ShowInstance();
    QString printed;
    TDlgSideView::SetPrinterFactory([&printed](const QString& projectFile) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printed = QFileInfo(projectFile).absolutePath() + QStringLiteral("/probe.pdf");
        printer->setOutputFileName(printed);
        return printer;
    });
    view->PrintClick();
    QFile file(printed);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // The job's title, as the document title (UTF-16 with its byte-order mark).
    QByteArray title("\xfe\xff");
    for (const QChar c : TDlgSideView::kPrintJobTitle)
        title += QByteArray(1, '\0') + char(c.unicode());
    EXPECT_TRUE(pdf.contains("/Title (" + title + ")"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"))
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble()); // landscape

    const QString content = QString::fromLatin1(pdfContent(pdf));
    for (const char* width : {"12 w", "15 w", "35 w"})
        EXPECT_TRUE(content.contains(QLatin1String(width))) << width;
}

// Without a system printer the page goes to a PDF beside the project, named after the job.
TEST_F(SideViewWindow, DefaultPrinterIsAPdfBesideTheProject) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a system printer is set up";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    p().FileName = dir.filePath(QStringLiteral("wall.tv5d"));
    const auto printer = TDlgSideView::DefaultPrinter(p().FileName);
    EXPECT_EQ(printer->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer->outputFileName(), dir.filePath(QStringLiteral("Soil-Pile Profile.pdf")));
    TDlgSideView::ShowInstance()->PrintClick();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Soil-Pile Profile.pdf"))));
}
