#include "PileSide.h"

#include "CurrentProject.h"
#include "MdiHost.h"
#include "ProgramData.h"
#include "ScenePainter.h"
#include "ui_PileSide.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>

namespace tervane {

namespace {
QPointer<TDlgSideView> g_view;
TDlgSideView::TPrinterFactory g_printerFactory;
} // namespace

TDlgSideView::TDlgSideView(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::TDlgSideView>()) {
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    connect(m_ui->btnPrint, &QPushButton::clicked, this, &TDlgSideView::PrintClick);
}

TDlgSideView::~TDlgSideView() = default;

TDlgSideView* TDlgSideView::Instance() {
    return g_view.data();
}

TDlgSideView* TDlgSideView::ShowInstance() {
    if (g_view.isNull()) {
        auto* view = new TDlgSideView;
        g_view = view;
        if (QMdiSubWindow* sub = AddMdiChild(view)) {
            // Each activation of the child window rebuilds the sketch.
            connect(sub, &QMdiSubWindow::windowStateChanged, view,
                    [view](Qt::WindowStates before, Qt::WindowStates now) {
                        if (!(before & Qt::WindowActive) && (now & Qt::WindowActive))
                            view->FormActivate();
                    });
        }
    } else if (QMdiSubWindow* sub = MdiWindowOf(g_view)) {
        if (sub->isMinimized())
            sub->showNormal();
        else
            sub->show();
        if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    } else {
        g_view->show();
        g_view->raise();
        g_view->activateWindow();
    }
    // The first showing counts as an activation, and so does opening an open view again.
    g_view->FormActivate();
    return g_view;
}

void TDlgSideView::FormActivate() {
    if (!HasCurrentProject()) return;
    m_scene.Activate(CurrentProject(), width(), height());
    update();
}

std::vector<TPrimitive> TDlgSideView::WindowPrimitives() const {
    if (!HasCurrentProject()) return {};
    return m_scene.Draw(CurrentProject(), fontMetrics().height());
}

void TDlgSideView::paintEvent(QPaintEvent*) {
    const std::vector<TPrimitive> primitives = WindowPrimitives();
    if (primitives.empty()) return;
    QPainter painter(this);
    PaintScene(painter, primitives, palette());
}

void TDlgSideView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scene.Fit(width(), height());
    update();
}

void TDlgSideView::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!HasCurrentProject()) return;
    const int row = static_cast<int>(event->position().y());
    if (const auto title = m_scene.ReadOut(CurrentProject(), row)) setWindowTitle(*title);
}

void TDlgSideView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A view shown on its own (no multiple-document area) is activated as a top-level window.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !MdiWindowOf(this))
        FormActivate();
}

void TDlgSideView::PrintClick() {
    const QString project = HasCurrentProject() ? CurrentProject().FileName : QString();
    const std::unique_ptr<QPrinter> printer =
        g_printerFactory ? g_printerFactory(project) : DefaultPrinter(project);
    if (printer) PrintTo(*printer);
}

bool TDlgSideView::PrintTo(QPrinter& printer) const {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(kPrintJobTitle);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font = m_ui->Label1->font();
    painter.setFont(font);
    if (HasCurrentProject()) {
        const int pageWidth = painter.device()->width();
        const int pageHeight = painter.device()->height();
        QPalette black;
        black.setColor(QPalette::WindowText, Qt::black);
        PaintScene(
            painter,
            m_scene.Draw2(CurrentProject(), pageWidth, pageHeight, painter.fontMetrics().height()),
            black);
    }
    return painter.end();
}

std::unique_ptr<QPrinter> TDlgSideView::DefaultPrinter(const QString& projectFile) {
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (!system.isNull()) return std::make_unique<QPrinter>(system, QPrinter::HighResolution);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    const QString folder = QFileInfo(projectFile).absolutePath();
    printer->setOutputFileName(QDir(folder).filePath(kPrintJobTitle + QStringLiteral(".pdf")));
    return printer;
}

void TDlgSideView::SetPrinterFactory(TPrinterFactory factory) {
    g_printerFactory = std::move(factory);
}

} // namespace tervane
