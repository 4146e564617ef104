#pragma once
// Layout of the graph window as plain arithmetic: the plot area from the axis font height and the
// device's pixels per inch, the title line, the soil-layer strip beside the area, the three graphs
// of the three-graph mode and the places of the legend. The window, the printer and the saved
// picture all lay out through these functions; the drawing only reads what they return.

#include <QPoint>
#include <QSize>

#include <array>

namespace tervane {

// A rectangle by its edges, as the mapping of data to pixels uses them: a curve point at the
// range's ends lands exactly on Left/Right and Top/Bottom.
struct TArea {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(QPoint p) const {
        return p.x() >= Left && p.x() <= Right && p.y() >= Top && p.y() <= Bottom;
    }
    QPoint Clamp(QPoint p) const;
    bool operator==(const TArea&) const = default;
};

// Where the graph is laid out: the window (and the saved picture, which differs only in the
// width of the layer strip) or the printer's page.
enum class TLayoutTarget { Window, Picture, Printer };

struct TLayoutInput {
    TArea Client;       // the client area; for the printer the page less its margins
    int FontHeight = 0; // F: the axis font's height on the device
    int PpiX = 96;      // Px
    int PpiY = 96;      // Py
    bool XOnTop = true;
    bool HasTitle = false; // a graph title is set
    bool TitleAtTop = true;
    bool ShowLayers = false;
    bool ShowThree = false;
    TLayoutTarget Target = TLayoutTarget::Window;
};

inline constexpr int kMaxGraphs = 3;

struct TGraphLayout {
    TArea PlotArea; // the whole plot area (all three graphs in three-graph mode)
    int GraphCount = 1;
    std::array<TArea, kMaxGraphs> Graphs{}; // the plot area of each graph
    bool HasStrip = false;
    TArea Strip; // the soil-layer strip, with the plot area's top and bottom
};

TGraphLayout LayoutGraph(const TLayoutInput& in);

// Width of the gap between two graphs of the three-graph mode.
int ThreeGraphGap(int fontHeight, int ppiX);

// The legend's place when the window opens or its layout commands run: its bottom-right corner
// on the plot area's bottom-right corner.
QPoint LegendHome(const TArea& plotArea, QSize legend);
// The legend's place pushed back inside the client area (0, 0, client size) where it left it.
QPoint LegendInside(QPoint position, QSize legend, QSize client);

// Top-left corner of the legend box in printed and saved output: the legend's place in the
// window, scaled from the window's size to the output's plot area.
QPoint OutputLegendPlace(QPoint legendInWindow, QSize window, const TArea& plotArea);

} // namespace tervane
