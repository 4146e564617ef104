// The graph window's output commands: printing with the page-setup margins, the page setup and
// saving the picture to a file through the picture dialog.
#include "PlotForm.h"

#include "CurrentProject.h"
#include "Messages.h"
#include "ProgramData.h"
#include "SaveAttb.h"
#include "SaveGraphs.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace tervane {

namespace {

const QString kNotEnoughMemory =
    QStringLiteral("There is not enough memory to complete this task.");

// Without an installed printer the job goes to a PDF file: named after the graph, beside the
// project (or in the current folder) unless the print dialog named one.
void preparePdf(QPrinter& printer, const QString& caption) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty() &&
        printer.outputFormat() == QPrinter::NativeFormat)
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (!printer.outputFileName().isEmpty()) return;
    QString folder = QDir::currentPath();
    if (HasCurrentProject()) folder = QFileInfo(CurrentProject().FileName).absolutePath();
    QString name = caption.isEmpty() ? QStringLiteral("Graph") : caption;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    printer.setOutputFileName(QDir(folder).filePath(name + QStringLiteral(".pdf")));
}

} // namespace

void TPlotForm::RenderPicture(QImage& picture) const {
    TPictureSource source;
    source.PpiX = windowPpiX();
    source.PpiY = windowPpiY();
    source.WindowFont = Canvas()->font();
    source.WindowSize = Canvas()->size();
    source.LegendPosition = m_legend->pos();
    RenderGraphPicture(picture, m_plot, m_view, source);
}

void TPlotForm::DrawOnPage(QPainter& painter, const QPaintDevice& device,
                           const TArea& output) const {
    const TGraphFonts fonts = GraphFonts(Canvas()->font(), m_plot.SizeFont, &device);
    TGraphScene scene = MakeScene(m_plot, output, fonts, device.logicalDpiX(), device.logicalDpiY(),
                                  TLayoutTarget::Printer);
    scene.ForOutput = true;
    scene.Patterns = TPatternVariant::Print;
    scene.LegendPosition = m_legend->pos();
    scene.WindowSize = Canvas()->size();
    DrawGraph(painter, m_plot, m_view, scene);
}

void TPlotForm::RenderPage(QPrinter& printer) {
    // The page layout's margins are the page setup's; the platform keeps each at least the
    // printer's unprintable edge, and the painter's origin is the corner of what remains.
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    DrawOnPage(painter, printer, TArea{0, 0, page.width() - 1, page.height() - 1});
    painter.end();
}

void TPlotForm::PrintClick() {
    preparePdf(*m_printer, m_plot.Caption);
    if (!Messages().printDialog(*m_printer)) return;
    m_printer->setDocName(m_plot.Caption);
    RenderPage(*m_printer);
    Canvas()->update();
}

void TPlotForm::PageSetupClick() {
    preparePdf(*m_printer, m_plot.Caption);
    Messages().pageSetupDialog(*m_printer);
}

void TPlotForm::SaveToDiskClick() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Save To Disk");
    request.filter = QStringLiteral("Bitmap (*.bmp)|*.bmp");
    request.defaultExt = QStringLiteral("bmp");
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const std::optional<TFileChoice> choice = Messages().saveFile(request);
    if (!choice) return;
    QImage picture;
    TdlgFormat dialog(picture, this);
    const int result = dialog.exec();
    if (result == kResultAbort) {
        Messages().information(kNotEnoughMemory);
        return;
    }
    if (result != QDialog::Accepted) return;
    RenderPicture(picture);
    SetPictureResolution(picture, dialog.PixelsPerInch());
    WritePicture(picture, choice->path, dialog.Colours());
}

} // namespace tervane
