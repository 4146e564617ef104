#pragma once
// The wall profile sketch without widgets: the view area and its fit to a window, the mapping from
// (x across the wall, depth) to pixels, the mouse read-out, and the list of primitives that draw
// the sketch on the window (Draw) and on a printed page (Draw2). The window only replays the list
// (ScenePainter.h); tests read it directly.
//
// Lengths are in the project's small length unit (inches in English units, metres in SI). Depths
// measured from the top of the wall are drawn one tenth of the wall length lower (the top margin).

#include <QPoint>
#include <QString>
#include <QVector>
#include <optional>
#include <vector>

namespace tervane {

class TProgramData;

// Colours of the sketch: the platform's window colours, or fixed black and white.
enum class TSceneColour { WindowBackground, WindowText, Black, White };

enum class TPrimitiveKind {
    Line,     // points[0] to points[1]
    Polyline, // through every point in order
    Polygon,  // closed through every point, filled with the brush
    Rect,     // points[0] top-left, points[1] bottom-right (exclusive), filled with the brush
    Ellipse,  // inside the box points[0] to points[1], filled with the brush
    Text,     // text with its top-left corner at points[0]
};

struct TPrimitive {
    TPrimitiveKind kind = TPrimitiveKind::Line;
    QVector<QPoint> points;
    int penWidth = 1; // 0: no outline
    TSceneColour pen = TSceneColour::Black;
    std::optional<TSceneColour> brush; // fill of polygons, rectangles and ellipses
    QString text;
};

// An x range across the wall (0 at its centre line) and a depth range, downwards.
struct TSideArea {
    long double x0 = -10;
    long double x1 = 10;
    long double y0 = 0;
    long double y1 = 10;
    bool IsEmpty() const { return x1 - x0 == 0 || y1 - y0 == 0; }
};

// A wall outline: four corners as (x, depth).
struct TWallOutline {
    struct Corner {
        long double x = 0;
        long double depth = 0;
    };
    Corner topLeft, topRight, bottomLeft, bottomRight;
};

class TSideViewScene {
public:
    // Top margin: one tenth of the wall length (increment count times increment length).
    static long double TopMargin(const TProgramData& project);

    // Activation: rebuilds the wall outline and the view area from the project, then fits the
    // area to a client area of width x height pixels. An empty view area stays as it is.
    void Activate(const TProgramData& project, int width, int height);
    // Widens the view area to the client's aspect ratio (the display area) and keeps the size.
    void Fit(int width, int height);

    bool IsEmpty() const { return m_view.IsEmpty(); }
    const TSideArea& ViewArea() const { return m_view; }
    const TSideArea& DisplayArea() const { return m_display; }
    const std::vector<TWallOutline>& Outlines() const { return m_outlines; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Display mapping: pixel column of x, pixel row of a drawn depth, and both.
    int Column(long double x) const;
    int Row(long double depth) const;
    QPoint Map(long double x, long double depth) const { return {Column(x), Row(depth)}; }
    // The window title that the pointer at pixel `row` shows ("  Depth: " and the depth below the
    // top of the wall, one decimal), or nothing while the view area is empty.
    std::optional<QString> ReadOut(const TProgramData& project, int row) const;

    // The sketch on the window; `textHeight` is the height of a line of text in pixels. Nothing
    // while the view area is empty.
    std::vector<TPrimitive> Draw(const TProgramData& project, int textHeight) const;
    // The sketch on a page of pageWidth x pageHeight printer pixels, with the display area of the
    // window; `textHeight` in printer pixels.
    std::vector<TPrimitive> Draw2(const TProgramData& project, int pageWidth, int pageHeight,
                                  int textHeight) const;

private:
    struct TSurface;
    void drawOn(const TProgramData& project, const TSurface& s, std::vector<TPrimitive>& out) const;

    TSideArea m_view;
    TSideArea m_display;
    std::vector<TWallOutline> m_outlines;
    int m_width = 0;
    int m_height = 0;
};

// A depth in fixed format with one decimal and at most 6 significant digits (229.2, -3.5,
// 123457.0); magnitudes of a million and more in exponent form.
QString FixedOneDecimal(long double value);

// The name of soil type 1 to 7 on the sketch, and its property line from the texts of the layer's
// values: `strength` (cohesive strength, friction angle or compressive strength), `unitWeight`
// and, for silt, `cohesion`. Empty for any other type.
QString SoilTypeName(int soilType);
QString SoilPropertyLine(int soilType, const QString& strength, const QString& unitWeight,
                         const QString& cohesion);

} // namespace tervane
