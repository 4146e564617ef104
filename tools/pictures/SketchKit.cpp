#include "SketchKit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace tervane::pictures {

TSketch::TSketch(int width, int height) : m_image(width, height, QImage::Format_RGB32) {
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setPen(QPen(kInk, 1.5));
    SetFont(m_painter, 13);
}

QImage TSketch::finish() {
    m_painter.end();
    return m_image;
}

void SetFont(QPainter& p, int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
}

namespace {

void arrowHead(QPainter& p, QPointF tip, QPointF from, const QColor& color, double head) {
    const QLineF line(tip, from);
    if (line.length() <= 0) return;
    const double angle = std::atan2(from.y() - tip.y(), from.x() - tip.x());
    const double spread = 0.38;
    QPolygonF triangle;
    triangle << tip
             << QPointF(tip.x() + head * std::cos(angle + spread),
                        tip.y() + head * std::sin(angle + spread))
             << QPointF(tip.x() + head * std::cos(angle - spread),
                        tip.y() + head * std::sin(angle - spread));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(triangle);
    p.restore();
}

} // namespace

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, bool both, double head) {
    p.save();
    p.setPen(QPen(color, 1.6));
    p.drawLine(from, to);
    arrowHead(p, to, from, color, head);
    if (both) arrowHead(p, from, to, color, head);
    p.restore();
}

void Dimension(QPainter& p, QPointF a, QPointF b, const QString& text, bool after) {
    p.save();
    p.setPen(QPen(kInk, 1.0));
    Arrow(p, a, b, kInk, true, 6);
    const QFontMetricsF metrics(p.font());
    const QPointF mid = (a + b) / 2;
    const bool horizontal = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    const double w = metrics.horizontalAdvance(text);
    if (horizontal) {
        const double y = after ? mid.y() + metrics.ascent() + 3 : mid.y() - 4;
        p.drawText(QPointF(mid.x() - w / 2, y), text);
    } else {
        const double x = after ? mid.x() + 5 : mid.x() - w - 5;
        p.drawText(QPointF(x, mid.y() + metrics.ascent() / 2 - 1), text);
    }
    p.restore();
}

void CentredText(QPainter& p, QPointF centre, const QString& text) {
    const QFontMetricsF metrics(p.font());
    p.drawText(QPointF(centre.x() - metrics.horizontalAdvance(text) / 2,
                       centre.y() + metrics.ascent() / 2 - 1),
               text);
}

void LeftText(QPainter& p, QPointF left, const QString& text) {
    const QFontMetricsF metrics(p.font());
    p.drawText(QPointF(left.x(), left.y() + metrics.ascent() / 2 - 1), text);
}

void Ground(QPainter& p, const QRectF& area) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawRect(area);
    p.setClipRect(area);
    p.setPen(QPen(kSoil.darker(130), 1.0));
    const double step = 12;
    for (double x = area.left() - area.height(); x < area.right(); x += step)
        p.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    p.restore();
}

void GroundSurface(QPainter& p, QPointF from, QPointF to) {
    p.save();
    p.setPen(QPen(kInk, 1.8));
    p.drawLine(from, to);
    p.restore();
}

void WaterMark(QPainter& p, QPointF at) {
    p.save();
    p.setPen(QPen(kWater, 1.4));
    QPolygonF triangle;
    triangle << QPointF(at.x() - 6, at.y() - 10) << QPointF(at.x() + 6, at.y() - 10) << at;
    p.setBrush(Qt::white);
    p.drawPolygon(triangle);
    p.drawLine(QPointF(at.x() - 8, at.y() + 4), QPointF(at.x() + 8, at.y() + 4));
    p.drawLine(QPointF(at.x() - 5, at.y() + 8), QPointF(at.x() + 5, at.y() + 8));
    p.restore();
}

void Spring(QPainter& p, QPointF from, QPointF to, int turns) {
    const QLineF line(from, to);
    const double length = line.length();
    if (length <= 0) return;
    const QPointF along = (to - from) / length;
    const QPointF across(-along.y(), along.x());
    const double lead = length * 0.15;
    QPainterPath path(from);
    path.lineTo(from + along * lead);
    const double body = length - 2 * lead;
    const int points = 2 * turns;
    for (int i = 1; i <= points; ++i) {
        const double t = lead + body * (i - 0.5) / points;
        const double side = (i % 2 == 0 ? -1.0 : 1.0) * 6;
        path.lineTo(from + along * t + across * side);
    }
    path.lineTo(to - along * lead);
    path.lineTo(to);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSteel, 1.6));
    p.drawPath(path);
    p.restore();
}

} // namespace tervane::pictures
