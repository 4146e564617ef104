#include "PlotForm.h"

#include "MdiHost.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

namespace tervane {

// The drawing surface of the graph window: paints through the shared drawing routine and hands
// its mouse events to the window.
class TPlotCanvas : public QWidget {
public:
    explicit TPlotCanvas(TPlotForm* form) : QWidget(form), m_form(form) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(1, 1);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_form->paintCanvas(p);
    }
    void resizeEvent(QResizeEvent*) override { m_form->Relayout(false); }
    void mouseMoveEvent(QMouseEvent* e) override {
        m_form->CanvasMouseMove(e->position().toPoint());
    }
    void mousePressEvent(QMouseEvent* e) override {
        m_form->CanvasPress(e->button(), e->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        m_form->CanvasRelease(e->button(), e->position().toPoint());
    }

private:
    TPlotForm* m_form;
};

TPlotForm::TPlotForm(TGraphPlot& plot, QWidget* parent)
    : QWidget(parent), m_plot(plot),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(plot.Caption);
    m_printer->setPageMargins(QMarginsF(kDefaultMarginInches, kDefaultMarginInches,
                                        kDefaultMarginInches, kDefaultMarginInches),
                              QPageLayout::Inch);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_canvas = new TPlotCanvas(this);
    layout->addWidget(m_canvas);
    m_legend = new TGraphLegend(m_canvas);
    connect(m_legend, &TGraphLegend::toggleCurve, this, [this](int curve) { ToggleCurve(curve); });
    buildMenu();
    // The menu's shortcut belongs to this window alone: several graph windows may be open.
    m_canvas->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_canvas);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { OpenPlotMenu(); });

    resize(800, 600);
    Refresh();
    m_plot.SetWindow(this);
}

void TPlotForm::Refresh() {
    // Opening: full ranges, the curve limit, legend and curve items, layout.
    m_view.Reset(m_plot);
    m_banding = false;
    m_plot.ApplyCurveLimit();
    RebuildCurveEntries();
    applyLegendFont();
    m_legend->setVisible(m_plot.CurveCount(kCurveSetMain) > 0 && m_plot.ShowLegend);
    Relayout(true);
}

TPlotForm::~TPlotForm() = default;

TPlotForm* TPlotForm::Open(TGraphPlot& plot) {
    if (auto* form = qobject_cast<TPlotForm*>(plot.Window())) {
        if (QMdiSubWindow* sub = MdiWindowOf(form)) {
            if (sub->isMinimized()) sub->showMaximized();
            sub->show();
            if (MdiArea() != nullptr) MdiArea()->setActiveSubWindow(sub);
        } else {
            if (form->isMinimized()) form->showNormal();
            form->show();
            form->activateWindow();
        }
        return form;
    }
    auto* form = new TPlotForm(plot);
    if (AddMdiChild(form, true) == nullptr) form->show();
    form->Relayout(true);
    return form;
}

void TPlotForm::OpenPlotMenu() {
    QAction* entry = m_menu->menuAction();
    for (QObject* holder : entry->associatedObjects()) {
        auto* bar = qobject_cast<QMenuBar*>(holder);
        if (bar != nullptr && bar->isVisible()) {
            bar->setActiveAction(entry);
            return;
        }
    }
    m_menu->popup(mapToGlobal(QPoint(0, 0)));
}

QWidget* TPlotForm::Canvas() const {
    return m_canvas;
}

int TPlotForm::windowPpiX() const {
    return m_canvas->logicalDpiX();
}

int TPlotForm::windowPpiY() const {
    return m_canvas->logicalDpiY();
}

TGraphScene TPlotForm::Scene() const {
    const TGraphFonts fonts = GraphFonts(m_canvas->font(), m_plot.SizeFont, m_canvas);
    const TArea client{0, 0, m_canvas->width(), m_canvas->height()};
    TGraphScene s =
        MakeScene(m_plot, client, fonts, windowPpiX(), windowPpiY(), TLayoutTarget::Window);
    s.LegendPosition = m_legend->pos();
    s.WindowSize = m_canvas->size();
    return s;
}

void TPlotForm::paintCanvas(QPainter& p) const {
    DrawGraph(p, m_plot, m_view, Scene());
    if (m_banding) {
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(RubberBand());
    }
}

QAction* TPlotForm::MenuItem(const QString& text) const {
    const auto find = [&](QMenu* menu, auto& self) -> QAction* {
        for (QAction* a : menu->actions()) {
            if (a->text() == text) return a;
            if (a->menu() != nullptr)
                if (QAction* inner = self(a->menu(), self)) return inner;
        }
        return nullptr;
    };
    return find(m_menu, find);
}

void TPlotForm::applyLegendFont() {
    m_legend->SetFontPoints(m_plot.SizeFont * m_plot.LegendFont / 10.0);
    m_legend->FitSize();
}

void TPlotForm::placeLegend(bool home) {
    if (m_legend == nullptr) return;
    // The window gets its real size only when it is shown (maximised): the legend goes to its
    // corner with the first size that can hold a graph.
    if (!m_legendPlaced && m_canvas->width() >= windowPpiX() &&
        m_canvas->height() >= windowPpiY()) {
        m_legendPlaced = true;
        home = true;
    }
    const TGraphScene s = Scene();
    const QPoint wanted = home ? LegendHome(s.Layout.PlotArea, m_legend->size()) : m_legend->pos();
    m_legend->move(LegendInside(wanted, m_legend->size(), m_canvas->size()));
}

void TPlotForm::Relayout(bool legendHome) {
    placeLegend(legendHome);
    m_canvas->update();
}

void TPlotForm::RebuildCurveEntries() {
    std::vector<TLegendEntry> entries;
    for (QAction* item : m_curveItems) {
        m_menu->removeAction(item);
        delete item;
    }
    m_curveItems.clear();
    const auto& curves = m_plot.Curves(kCurveSetMain);
    int k = 0;
    for (int i = 0; i < static_cast<int>(curves.size()); ++i) {
        const TLine& line = curves[static_cast<size_t>(i)];
        if (!line.Active) continue;
        const QString name = m_plot.DisplayName(i);
        entries.push_back({name, QColor::fromRgb(TGraphPlot::CurveColour(k++)), line.Plotted, i});
        auto* item = new QAction(name, m_menu);
        item->setCheckable(true);
        item->setChecked(line.Plotted);
        item->setData(i);
        connect(item, &QAction::triggered, this, [this, i] { ToggleCurve(i); });
        m_menu->addAction(item);
        m_curveItems.push_back(item);
    }
    m_legend->SetEntries(std::move(entries));
    m_legend->FitSize();
    m_legend->move(LegendInside(m_legend->pos(), m_legend->size(), m_canvas->size()));
}

void TPlotForm::ToggleCurve(int curve) {
    if (curve < 0 || curve >= m_plot.CurveCount(kCurveSetMain)) return;
    TLine& line = m_plot.Line(kCurveSetMain, curve);
    line.Plotted = !line.Plotted;
    std::vector<TLegendEntry> entries = m_legend->Entries();
    for (TLegendEntry& e : entries)
        if (e.Curve == curve) e.Plotted = line.Plotted;
    m_legend->SetEntries(std::move(entries));
    for (QAction* item : m_curveItems)
        if (item->data().toInt() == curve) item->setChecked(line.Plotted);
    m_canvas->update();
}

void TPlotForm::ShowLegendClick() {
    m_plot.ShowLegend = !m_plot.ShowLegend;
    m_legend->setVisible(m_plot.ShowLegend && m_plot.CurveCount(kCurveSetMain) > 0);
    m_canvas->update();
}

void TPlotForm::ShowLayersClick() {
    m_plot.ShowLayers = !m_plot.ShowLayers;
    Relayout(true);
}

void TPlotForm::ShowWallClick() {
    m_plot.ShowWall = !m_plot.ShowWall;
    Relayout(true);
}

void TPlotForm::SetMarkers(int markers) {
    m_plot.Markers = markers;
    m_canvas->update();
}

void TPlotForm::SetFontSize(int sizeFont) {
    m_plot.SizeFont = sizeFont;
    applyLegendFont();
    Relayout(true);
}

void TPlotForm::SetLineWidth(int widthLine) {
    m_plot.WidthLine = widthLine;
    m_canvas->update();
}

// --- Mouse: read-out, zoom in and out ---

QRect TPlotForm::RubberBand() const {
    return QRect(m_bandStart, m_bandEnd).normalized();
}

void TPlotForm::CanvasMouseMove(QPoint at) {
    const TGraphScene s = Scene();
    const int g = GraphAt(s.Layout, at.x());
    const TFloatPoint d = PixelToData(m_view.Current[static_cast<size_t>(g)],
                                      s.Layout.Graphs[static_cast<size_t>(g)], m_plot.XOnTop, at);
    setWindowTitle(ReadoutTitle(m_plot.Caption, d.x, d.y));
    if (m_banding) {
        m_bandEnd = s.Layout.Graphs[0].Clamp(at);
        m_canvas->update();
    }
}

void TPlotForm::CanvasPress(Qt::MouseButton button, QPoint at) {
    const TGraphScene s = Scene();
    if (s.Layout.GraphCount != 1) return; // no zoom in three-graph mode
    const TArea& area = s.Layout.Graphs[0];
    if (!area.Contains(at)) return;
    if (button == Qt::LeftButton) {
        m_banding = true;
        m_bandStart = at;
        m_bandEnd = at;
    } else if (button == Qt::RightButton) {
        ZoomOutView(m_view.Current[0], m_view.Full[0], area, m_plot.XOnTop, at);
        m_canvas->update();
    }
}

void TPlotForm::CanvasRelease(Qt::MouseButton button, QPoint at) {
    if (button != Qt::LeftButton || !m_banding) return;
    m_banding = false;
    const TGraphScene s = Scene();
    ZoomInView(m_view.Current[0], m_view.Full[0], s.Layout.Graphs[0], m_plot.XOnTop, m_bandStart,
               at);
    m_canvas->update();
}

void RefreshGraphWindow(TGraphPlot& plot) {
    if (auto* form = qobject_cast<TPlotForm*>(plot.Window())) form->Refresh();
}

void InstallGraphWindows() {
    SetGraphWindowFactory([](TGraphPlot& plot) { TPlotForm::Open(plot); });
}

} // namespace tervane
