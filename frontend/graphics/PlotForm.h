#pragma once
// The graph window: a child window of the main window, opened maximised by a graph model's
// ShowGraph, that draws the model with its legend, offers the "&Plot" menu of display commands,
// shows the data coordinates under the pointer in its title, zooms with the mouse, prints and
// saves the picture. The model keeps the data; closing the window frees it.
//
// The window has no menu bar of its own: while it is the active child, the main window shows its
// "&Plot" menu in the main menu bar (PlotMenu()), and Ctrl+Z drops that menu down.

#include "GraphLegend.h"
#include "GraphPainter.h"

#include <QPrinter>
#include <QWidget>

#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QImage;

namespace tervane {

class TPlotCanvas;

class TPlotForm : public QWidget {
    Q_OBJECT
public:
    explicit TPlotForm(TGraphPlot& plot, QWidget* parent = nullptr);
    ~TPlotForm() override;

    // What the model's ShowGraph does: creates the model's window when it has none (as a
    // maximised child of the main window's area), shows it and restores it when minimised.
    static TPlotForm* Open(TGraphPlot& plot);

    TGraphPlot& Plot() { return m_plot; }
    TGraphView& View() { return m_view; }
    const TGraphView& View() const { return m_view; }
    // The drawing surface and its current layout.
    QWidget* Canvas() const;
    TGraphScene Scene() const;
    TGraphLegend* Legend() const { return m_legend; }
    // The "&Plot" menu, owned by the window (it goes when the window goes).
    QMenu* PlotMenu() const { return m_menu; }
    // Ctrl+Z: drops the menu down from the menu bar that shows it, or pops it up at the window's
    // top-left corner when no bar shows it.
    void OpenPlotMenu();
    QPrinter& Printer() { return *m_printer; }
    // The curve items of the menu, in legend order; each item's data is its curve's position.
    const std::vector<QAction*>& CurveItems() const { return m_curveItems; }
    // Menu items by their text (without the curve items), or nullptr.
    QAction* MenuItem(const QString& text) const;

    // --- Commands of the "&Plot" menu ---
    void ShowLegendClick();
    void ShowLayersClick();
    void ShowWallClick();
    void SetMarkers(int markers);
    void SetFontSize(int sizeFont);
    void SetLineWidth(int widthLine);
    void PlotCaptionClick();
    void mLineNameClick();
    void ActiveGraphsClick();
    void PrintClick();
    void PageSetupClick();
    void SaveToDiskClick();
    // A curve item or a double click in the legend: switches the curve (position in set 1).
    void ToggleCurve(int curve);

    // After the model was filled again (a new run): the full ranges, the curve limit, the legend
    // and the curve items start afresh, and the window is laid out and drawn again.
    void Refresh();
    // Rebuilds the legend entries and the curve items from the active curves of set 1.
    void RebuildCurveEntries();
    // Lays the window out again; with `legendHome` the legend returns to the plot area's
    // bottom-right corner, else it is only pushed back inside the window.
    void Relayout(bool legendHome);
    // Updates the checks and visibility of the menu (done whenever the menu opens).
    void UpdateMenu();

    // Draws the graph into a picture as Save To Disk does: the picture is the client area, laid
    // out with the window's pixels per inch, the legend box drawn where the legend stands.
    void RenderPicture(QImage& picture) const;
    // Draws the graph onto a printer's page as Print does (margins of the page setup).
    void RenderPage(QPrinter& printer);
    // The page's drawing onto any device: the output area is the page less its margins, laid
    // out with the device's pixels per inch, with the print variants of the layer fills.
    void DrawOnPage(QPainter& painter, const QPaintDevice& device, const TArea& output) const;

    // Mouse handling of the canvas (public so that tests can drive it with canvas pixels).
    void CanvasMouseMove(QPoint at);
    void CanvasPress(Qt::MouseButton button, QPoint at);
    void CanvasRelease(Qt::MouseButton button, QPoint at);
    bool RubberBandActive() const { return m_banding; }
    QRect RubberBand() const;

private:
    friend class TPlotCanvas;
    void buildMenu();
    void paintCanvas(QPainter& painter) const;
    void placeLegend(bool home);
    void applyLegendFont();
    int windowPpiX() const;
    int windowPpiY() const;

    TGraphPlot& m_plot;
    TGraphView m_view;
    TPlotCanvas* m_canvas = nullptr;
    TGraphLegend* m_legend = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_markersMenu = nullptr;
    QActionGroup* m_markerGroup = nullptr;
    QAction* m_curveSeparator = nullptr;
    std::vector<QAction*> m_curveItems;
    std::unique_ptr<QPrinter> m_printer;
    bool m_legendPlaced = false; // the legend has had its first place in a sized window
    bool m_banding = false;
    QPoint m_bandStart;
    QPoint m_bandEnd;
};

// Installs the graph-window factory: from then on a model's ShowGraph opens a TPlotForm.
void InstallGraphWindows();
// Refreshes the model's window when it has one open (after the plot data was read again).
void RefreshGraphWindow(TGraphPlot& plot);

// The page-setup margins a new window starts with, on every side.
inline constexpr double kDefaultMarginInches = 1.0;

} // namespace tervane
