#pragma once
// Drawing helpers of the illustration sketches: arrows, dimension lines, ground hatching, water
// level marks and labels, all in the same line weight and font so the sketches read alike.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace tervane::pictures {

inline const QColor kInk(20, 20, 20);
inline const QColor kWall(150, 150, 160);
inline const QColor kSoil(222, 200, 160);
inline const QColor kLoad(190, 40, 30);
inline const QColor kWater(40, 100, 200);
inline const QColor kSteel(60, 60, 70);

// A white picture of the given size and a painter on it with antialiasing and the sketch font.
class TSketch {
public:
    TSketch(int width, int height);
    QPainter& painter() { return m_painter; }
    // Ends painting and hands over the picture.
    QImage finish();

private:
    QImage m_image;
    QPainter m_painter;
};

// Sets the sketch font at a pixel size (bold on request).
void SetFont(QPainter& p, int pixelSize, bool bold = false);

// A line from `from` to `to` with a filled arrow head at `to` (and at `from` when `both`).
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, bool both = false,
           double head = 7);

// A dimension between two points: extension-free line with arrow heads at both ends and the
// text centred beside it (above a horizontal line, left of a vertical one unless `after`).
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& text, bool after = false);

// A text centred on a point, or with its left edge, baseline middle, at the point.
void CentredText(QPainter& p, QPointF centre, const QString& text);
void LeftText(QPainter& p, QPointF left, const QString& text);

// A band of ground, filled and hatched at 45 degrees (the usual soil mark under a surface line),
// and the surface line itself.
void Ground(QPainter& p, const QRectF& area);
void GroundSurface(QPainter& p, QPointF from, QPointF to);

// The water-table mark: an inverted triangle on the level line with two short lines under it.
void WaterMark(QPainter& p, QPointF at);

// A coil spring from `from` to `to` with `turns` zig-zags.
void Spring(QPainter& p, QPointF from, QPointF to, int turns = 6);

} // namespace tervane::pictures
