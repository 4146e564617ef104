#pragma once
// The graph model: a non-visual holder of the curves of one result graph (points, names, values,
// plotted and active flags), its captions and unit strings and its display options. The plot-data
// reader fills it; the graph window draws what it holds and never owns the data. The window is
// opened through a factory that the window unit installs (SetGraphWindowFactory), so the model
// itself needs nothing beyond Qt Core.

#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QObject;

namespace tervane {

// One point of a curve.
struct TFloatPoint {
    long double x = 0;
    long double y = 0;
};

// One curve: its points in order, a value (for a new curve its 1-based position in its set), a
// name (empty by default) and two flags, both on for a new curve: plotted curves are drawn,
// active curves appear in the legend and the window's menu.
class TLine {
public:
    std::vector<TFloatPoint> Points;
    long double Value = 0;
    QString Name;
    bool Plotted = true;
    bool Active = true;

    int PointCount() const { return static_cast<int>(Points.size()); }
    // Gives the curve n points (negative counts as 0): points are removed from the end, or
    // (0, 0) points are appended.
    void SetPointCount(int n);
    // Appends copies of the last point until the curve holds n points; a curve without points
    // gets (0, 0) points. Never removes points.
    void PadWithLastPoint(int n);
};

// The four curve sets of a model.
inline constexpr int kCurveSetMain = 1;   // the graph's curves (left graph in three-graph mode)
inline constexpr int kCurveSetLayers = 2; // soil layers, then the two wall curves
inline constexpr int kCurveSetMiddle = 3; // middle graph in three-graph mode
inline constexpr int kCurveSetRight = 4;  // right graph in three-graph mode
inline constexpr int kCurveSetCount = 4;

// With the curve limit on, the legend and menu list at most this many curves of set 1.
inline constexpr int kCurveLimit = 20;

// Number of entries of the curve colour table.
inline constexpr int kCurveColourCount = 17;

class TGraphPlot {
public:
    TGraphPlot() = default;
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    // --- Published properties (defaults as a new model has them) ---
    QString Caption;                                // window title and print job title
    QString CurveName = QStringLiteral("Curve #");  // prefix of the default curve names
    QString XCaption, YCaption;                     // axis titles (left graph in three-graph mode)
    QString XUnits, YUnits;                         // unit strings of the axes ("L", "F/L", ...)
    QString XCaption2, YCaption2, XUnits2, YUnits2; // middle graph in three-graph mode
    QString XCaption3, YCaption3, XUnits3, YUnits3; // right graph in three-graph mode
    bool XOnTop = true;        // x axis at the top, y growing downwards (depth profiles)
    bool ShowLegend = true;    // the legend is shown
    bool ShowLayers = false;   // the soil-layer strip is shown
    bool ShowWall = false;     // the layer strip also shows the wall
    bool ShowThree = false;    // three graphs side by side: sets 1, 3 and 4
    bool ShowFontWidth = true; // the font size and line width menus are offered
    int WallLineCount = 0;     // number of layer curves at the head of set 2
    int Markers = 1;           // a marker every this many points; 0 for none
    int SizeFont = 10;         // font scale in tenths (10 = normal)
    int LegendFont = 11;       // base font size of the legend
    int WidthLine = 1;         // curve line width factor

    // Unit system of the axis labels, 1 to 3. Writing it clamps the value into 1..3 and only
    // changes labels: values are never converted.
    int Units() const { return m_units; }
    void SetUnits(int units);

    // May replace the legend name of curve `index` (0-based, set 1) before it enters the legend.
    std::function<void(int index, QString& value)> onGetCaption;

    // --- Further state ---
    QString GraphTitle;              // title line set by the title dialog; empty for none
    bool TitleAtTop = true;          // the title line is drawn at the top (else at the bottom)
    bool CurveLimit = true;          // limit the legend and menu to the first kCurveLimit curves
    long double LayerStartDepth = 0; // depth at which the layer strip starts
    QStringList DefaultNames;        // optional default curve names, by 0-based curve index

    // --- Curve sets (set is 1 to 4; another value throws std::out_of_range) ---
    // Removes curves from the end or appends new ones until the set holds n (negative n counts
    // as 0). A new curve has no points, its 1-based position as value, no name, both flags on.
    void SetCurveCount(int set, int n);
    int CurveCount(int set) const;
    // Gives every curve of the set n points: removed from the end, or (0, 0) appended.
    void SetPointCount(int set, int n);
    // Points of the set's first curve; 0 when the set has no curve.
    int PointCount(int set) const;
    // Point i (0-based) of curve `curve` (0-based) of the set, assigned in place. Throws
    // std::out_of_range outside the set.
    TFloatPoint& Point(int set, int curve, int i);
    const TFloatPoint& Point(int set, int curve, int i) const;
    // Curve `curve` (0-based) of the set, its value and name assigned directly.
    TLine& Line(int set, int curve);
    const TLine& Line(int set, int curve) const;
    const std::vector<TLine>& Curves(int set) const;
    // Gives every curve of the set as many points as its longest curve, each added point a copy
    // of the curve's last point.
    void PadToLongest(int set);
    // Every curve of every set loses its points (the curves themselves stay).
    void ClearPoints();
    // True when set 1 has a curve whose first curve holds more than one point (the graph has
    // something to draw; the graph commands test this).
    bool HasData() const;

    // --- Names, legend and colours ---
    // Display name of curve `index` (0-based) of set 1: its name when not empty; else entry
    // `index` of DefaultNames when there is one; else CurveName followed by the curve's value in
    // general format ("Load #" and value 1 give "Load #1"); then onGetCaption may change it.
    QString DisplayName(int index) const;
    // Marks every curve of set 1 active and, with CurveLimit on, curves beyond kCurveLimit
    // inactive (done when the window opens).
    void ApplyCurveLimit();
    // Display names of the active curves of set 1, in order (the legend and the menu items).
    QStringList LegendNames() const;
    // Colour (0xRRGGBB) of the k-th active curve of a set, counting from 0: entry k mod 17 of
    // the curve colour table.
    static std::uint32_t CurveColour(int k);

    // --- Window ---
    // Opens the graph window through the installed factory (which creates it when Window() is
    // empty, shows it and restores it when minimised). Returns false when no factory is
    // installed (a program without windows).
    bool ShowGraph();
    // The open graph window, or nullptr. The window registers itself here; the pointer clears
    // itself when the window is destroyed, so the next ShowGraph creates a new one.
    QObject* Window() const { return m_window.data(); }
    void SetWindow(QObject* window) { m_window = window; }

private:
    std::vector<TLine>& set(int set);
    const std::vector<TLine>& set(int set) const;

    std::array<std::vector<TLine>, kCurveSetCount> m_sets;
    int m_units = 1;
    QPointer<QObject> m_window;
};

// The factory that opens a model's graph window (see TGraphPlot::ShowGraph); installed by the
// graph-window unit at start-up. An empty function removes it.
using TGraphWindowFactory = std::function<void(TGraphPlot& plot)>;
void SetGraphWindowFactory(TGraphWindowFactory factory);

} // namespace tervane
