#include "ScenePainter.h"

#include <QBrush>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRect>

namespace tervane {

namespace {

QColor colourOf(TSceneColour c, const QPalette& palette) {
    switch (c) {
    case TSceneColour::WindowBackground:
        return palette.color(QPalette::Window);
    case TSceneColour::WindowText:
        return palette.color(QPalette::WindowText);
    case TSceneColour::White:
        return Qt::white;
    case TSceneColour::Black:
        break;
    }
    return Qt::black;
}

void usePenAndBrush(QPainter& painter, const TPrimitive& p, const QPalette& palette) {
    if (p.penWidth <= 0)
        painter.setPen(Qt::NoPen);
    else
        painter.setPen(
            QPen(colourOf(p.pen, palette), p.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (p.brush)
        painter.setBrush(colourOf(*p.brush, palette));
    else
        painter.setBrush(Qt::NoBrush);
}

} // namespace

void PaintScene(QPainter& painter, const std::vector<TPrimitive>& primitives,
                const QPalette& palette) {
    painter.save();
    for (const TPrimitive& p : primitives) {
        if (p.points.isEmpty()) continue;
        usePenAndBrush(painter, p, palette);
        switch (p.kind) {
        case TPrimitiveKind::Line:
            if (p.points.size() >= 2) painter.drawLine(p.points[0], p.points[1]);
            break;
        case TPrimitiveKind::Polyline:
            painter.drawPolyline(p.points.constData(), static_cast<int>(p.points.size()));
            break;
        case TPrimitiveKind::Polygon:
            painter.drawPolygon(p.points.constData(), static_cast<int>(p.points.size()));
            break;
        case TPrimitiveKind::Rect:
            if (p.points.size() >= 2) {
                const QRect r(p.points[0], p.points[1] - QPoint(1, 1));
                if (p.brush) painter.fillRect(r, colourOf(*p.brush, palette));
                if (p.penWidth > 0) {
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(r);
                }
            }
            break;
        case TPrimitiveKind::Ellipse:
            if (p.points.size() >= 2) painter.drawEllipse(QRectF(p.points[0], p.points[1]));
            break;
        case TPrimitiveKind::Text:
            painter.setPen(colourOf(p.pen, palette));
            painter.drawText(p.points[0] + QPoint(0, painter.fontMetrics().ascent()), p.text);
            break;
        }
    }
    painter.restore();
}

} // namespace tervane
