#include "Sketches.h"

#include "SketchKit.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace tervane::pictures {

namespace {

constexpr double kBand = 12; // depth of the hatched band under a ground surface

void dashedLine(QPainter& p, QPointF a, QPointF b) {
    p.save();
    p.setPen(QPen(kInk, 1.0, Qt::DashLine));
    p.drawLine(a, b);
    p.restore();
}

void wallStrip(QPainter& p, double x, double top, double bottom, double width = 8) {
    p.save();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kWall);
    p.drawRect(QRectF(x - width / 2, top, width, bottom - top));
    p.restore();
}

void title(QPainter& p, QPointF at, const QString& text) {
    SetFont(p, 13, true);
    LeftText(p, at, text);
    SetFont(p, 12);
}

} // namespace

QImage DrawWallPlan() {
    TSketch sketch(360, 180);
    QPainter& p = sketch.painter();
    title(p, {10, 14}, QStringLiteral("Plan view"));
    const double row = 100, radius = 16;
    const double centres[] = {60, 150, 240, 330};
    Ground(p, QRectF(0, row - 58, 360, 58));
    SetFont(p, 12);
    LeftText(p, {10, 52}, QStringLiteral("Backfill side"));
    LeftText(p, {10, 168}, QStringLiteral("Excavation side"));
    // Lagging between the units.
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(centres[0], row), QPointF(centres[3], row));
    for (double c : centres) {
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(kWall);
        p.drawEllipse(QPointF(c, row), radius, radius);
    }
    dashedLine(p, {centres[1], row - 44}, {centres[1], row});
    dashedLine(p, {centres[2], row - 44}, {centres[2], row});
    Dimension(p, {centres[1], row - 36}, {centres[2], row - 36}, QStringLiteral("Wa"));
    dashedLine(p, {centres[0] - radius, row}, {centres[0] - radius, row + 34});
    dashedLine(p, {centres[0] + radius, row}, {centres[0] + radius, row + 34});
    Dimension(p, {centres[0] - radius, row + 28}, {centres[0] + radius, row + 28},
              QStringLiteral("Wp"), true);
    return sketch.finish();
}

QImage DrawActiveFactor() {
    TSketch sketch(360, 240);
    QPainter& p = sketch.painter();
    const double wall = 230, top = 40, excavation = 120, toe = 205;
    Ground(p, QRectF(0, top, wall, kBand));
    Ground(p, QRectF(wall, excavation, 360 - wall, kBand));
    GroundSurface(p, {0, top}, {wall, top});
    GroundSurface(p, {wall, excavation}, {360, excavation});
    wallStrip(p, wall, top - 10, toe);
    SetFont(p, 12);
    LeftText(p, {8, top + kBand + 12}, QStringLiteral("Backfill"));
    LeftText(p, {wall + 14, excavation - 12}, QStringLiteral("Excavation"));
    // Surcharge on the backfill.
    for (double x = 30; x <= 190; x += 32)
        Arrow(p, {x, 10}, {x, top - 2}, kLoad, false, 6);
    // Generated active pressure (dashed) and the pressure used, multiplied by the factor.
    const double generated = 62, used = 96, edge = wall - 4;
    QPolygonF usedShape;
    usedShape << QPointF(edge, top) << QPointF(edge - used * 0.25, top) << QPointF(edge - used, toe)
              << QPointF(edge, toe);
    p.save();
    p.setPen(QPen(kLoad, 1.6));
    p.setBrush(QColor(kLoad.red(), kLoad.green(), kLoad.blue(), 50));
    p.drawPolygon(usedShape);
    p.setPen(QPen(kInk, 1.4, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(edge - generated * 0.25, top), QPointF(edge - generated, toe));
    p.restore();
    for (double y = top + 30; y < toe; y += 30) {
        const double width = used * (0.25 + 0.75 * (y - top) / (toe - top));
        Arrow(p, {edge - width, y}, {edge - 1, y}, kLoad, false, 6);
    }
    SetFont(p, 12, true);
    LeftText(p, {10, 150}, QStringLiteral("Factor x pa"));
    SetFont(p, 12);
    LeftText(p, {10, 168}, QStringLiteral("(pressure used)"));
    LeftText(p, {edge - generated - 60, toe + 18}, QStringLiteral("pa generated (dashed)"));
    return sketch.finish();
}

namespace {

// One panel of the surcharge sketch: wall, backfill surface, the distance X to the load.
void surchargePanel(QPainter& p, double left, const QString& name, int kind) {
    const double wall = left + 24, surface = 92, right = left + 150;
    title(p, {left + 8, 16}, name);
    Ground(p, QRectF(wall, surface, right - wall, kBand));
    Ground(p, QRectF(left, 160, wall - left, kBand));
    GroundSurface(p, {wall, surface}, {right, surface});
    GroundSurface(p, {left, 160}, {wall, 160});
    wallStrip(p, wall, surface - 8, 205, 7);
    const double load = wall + 62;
    if (kind < 2) {
        Arrow(p, {load, 38}, {load, surface - 2}, kLoad, false, 8);
        SetFont(p, 12);
        LeftText(p, {load + 6, 48}, kind == 0 ? QStringLiteral("P") : QStringLiteral("q"));
        if (kind == 1) {
            // The line load runs along the wall: drawn end-on as a line into the picture.
            p.save();
            p.setPen(QPen(kLoad, 2.4));
            p.drawLine(QPointF(load - 12, surface - 6), QPointF(load + 12, surface + 2));
            p.restore();
        }
    } else {
        const double width = 56;
        p.save();
        p.setPen(QPen(kLoad, 1.6));
        p.setBrush(QColor(kLoad.red(), kLoad.green(), kLoad.blue(), 40));
        p.drawRect(QRectF(load, 50, width, 12));
        p.restore();
        for (double x = load; x <= load + width + 0.1; x += width / 4)
            Arrow(p, {x, 62}, {x, surface - 2}, kLoad, false, 6);
        SetFont(p, 12);
        LeftText(p, {load + width / 2 - 4, 40}, QStringLiteral("p"));
        dashedLine(p, {load + width, surface}, {load + width, surface + 46});
        Dimension(p, {load, surface + 40}, {load + width, surface + 40}, QStringLiteral("W"), true);
    }
    dashedLine(p, {load, surface}, {load, surface + 28});
    SetFont(p, 12);
    Dimension(p, {wall + 4, surface + 22}, {load, surface + 22}, QStringLiteral("X"), true);
}

} // namespace

QImage DrawSurchargeTypes() {
    TSketch sketch(480, 215);
    QPainter& p = sketch.painter();
    surchargePanel(p, 0, QStringLiteral("Point Load"), 0);
    surchargePanel(p, 162, QStringLiteral("Line Load"), 1);
    surchargePanel(p, 324, QStringLiteral("Strip Load"), 2);
    p.setPen(QPen(QColor(190, 190, 190), 1));
    p.drawLine(QPointF(158, 8), QPointF(158, 207));
    p.drawLine(QPointF(320, 8), QPointF(320, 207));
    return sketch.finish();
}

QImage DrawTieback() {
    TSketch sketch(420, 280);
    QPainter& p = sketch.painter();
    const double wall = 90, top = 80, excavation = 200, toe = 270;
    Ground(p, QRectF(wall, top, 420 - wall, kBand));
    Ground(p, QRectF(0, excavation, wall, kBand));
    GroundSurface(p, {wall, top}, {420, top});
    GroundSurface(p, {0, excavation}, {wall, excavation});
    wallStrip(p, wall, top - 8, toe);
    // The anchor: head on the wall, unbonded rod, grouted bonded zone.
    const double angle = 20 * std::numbers::pi / 180;
    const QPointF head(wall + 4, top + 52);
    const QPointF along(std::cos(angle), std::sin(angle));
    const double unbonded = 170, bonded = 110;
    const QPointF bondStart = head + along * unbonded, bondEnd = bondStart + along * bonded;
    p.save();
    p.setPen(QPen(kSteel, 2.2));
    p.drawLine(head, bondEnd);
    p.translate(bondStart);
    p.rotate(20);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(0, -7, bonded, 14), 7, 7);
    p.restore();
    p.setBrush(kSteel);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(wall - 10, head.y() - 9, 6, 18));
    SetFont(p, 12);
    p.setPen(QPen(kInk, 1.5));
    // Depth of the anchor head below the top of the wall.
    Dimension(p, {wall - 22, top}, {wall - 22, head.y()}, QStringLiteral("Depth"));
    // Angle from the horizontal.
    dashedLine(p, head, head + QPointF(90, 0));
    p.setPen(QPen(kInk, 1.0));
    p.drawArc(QRectF(head.x() - 62, head.y() - 62, 124, 124), -20 * 16, 20 * 16);
    LeftText(p, head + QPointF(70, 11), QStringLiteral("Angle"));
    // Unbonded length, measured along the rod above it.
    const QPointF normal(std::sin(angle), -std::cos(angle));
    const QPointF off = normal * 18;
    dashedLine(p, bondStart, bondStart + normal * 28);
    Dimension(p, head + off + along * 8, bondStart + off, QString());
    p.save();
    p.translate((head + bondStart) / 2 + normal * 42);
    p.rotate(20);
    CentredText(p, {0, 0}, QStringLiteral("Unbonded Length"));
    p.restore();
    LeftText(p, bondEnd + QPointF(-80, 26), QStringLiteral("Bonded zone"));
    LeftText(p, {8, excavation - 14}, QStringLiteral("Excavation"));
    // Plan: the anchors of one row and their spacing.
    title(p, {190, 12}, QStringLiteral("Plan"));
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(240, 56), QPointF(410, 56));
    p.setPen(QPen(kSteel, 2));
    for (double x : {262.0, 322.0, 382.0})
        p.drawLine(QPointF(x, 56), QPointF(x, 30));
    SetFont(p, 12);
    Dimension(p, {262, 22}, {322, 22}, QStringLiteral("Spacing"));
    return sketch.finish();
}

QImage DrawPressureDiagram() {
    TSketch sketch(280, 280);
    QPainter& p = sketch.painter();
    const double wall = 200, top = 30, toe = 255;
    wallStrip(p, wall, top, toe);
    // Points (depth, load) joined by straight lines, drawn against the wall from the backfill.
    const QPointF points[] = {
        {wall - 4, top}, {wall - 60, top + 70}, {wall - 90, top + 140}, {wall - 40, top + 200}};
    QPolygonF shape;
    shape << QPointF(wall - 4, top);
    for (const QPointF& point : points)
        shape << point;
    shape << QPointF(wall - 4, top + 200);
    p.save();
    p.setPen(QPen(kLoad, 1.6));
    p.setBrush(QColor(kLoad.red(), kLoad.green(), kLoad.blue(), 45));
    p.drawPolygon(shape);
    p.restore();
    for (double y = top + 25; y < top + 200; y += 25) {
        double x = wall - 4;
        for (int i = 0; i + 1 < 4; ++i) {
            if (y >= points[i].y() && y <= points[i + 1].y()) {
                const double t = (y - points[i].y()) / (points[i + 1].y() - points[i].y());
                x = points[i].x() + t * (points[i + 1].x() - points[i].x());
            }
        }
        Arrow(p, {x, y}, {wall - 5, y}, kLoad, false, 5);
    }
    SetFont(p, 12);
    p.setBrush(kInk);
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.drawEllipse(points[i], 3, 3);
        p.setPen(QPen(kInk, 1.5));
        LeftText(p, points[i] + QPointF(-18, -8), QString::number(i + 1));
    }
    // Depth and load of point 3.
    Dimension(p, {wall + 20, top}, {wall + 20, points[3].y()}, QStringLiteral("Depth"), true);
    dashedLine(p, {wall + 4, points[3].y()}, {wall + 26, points[3].y()});
    dashedLine(p, points[3], points[3] + QPointF(0, 28));
    Dimension(p, points[3] + QPointF(0, 22), {wall - 4, points[3].y() + 22}, QStringLiteral("Load"),
              true);
    title(p, {8, 12}, QStringLiteral("Load per length of wall"));
    return sketch.finish();
}

QImage DrawSpringTieback() {
    TSketch sketch(300, 270);
    QPainter& p = sketch.painter();
    const double wall = 70, top = 30, toe = 255, step = 22.5;
    wallStrip(p, wall, top, toe);
    SetFont(p, 11);
    for (int node = 0; node <= 10; ++node) {
        const double y = top + node * step;
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(wall - 10, y), QPointF(wall - 4, y));
        LeftText(p, {wall - 34, y}, QString::number(node));
    }
    LeftText(p, {4, 14}, QStringLiteral("Node"));
    // A tieback (or strut) at node 3 taken as a lateral spring to a fixed anchor point.
    const double anchorY = top + 3 * step;
    Spring(p, {wall + 4, anchorY}, {wall + 120, anchorY}, 6);
    p.setPen(QPen(kInk, 1.6));
    p.drawLine(QPointF(wall + 120, anchorY - 16), QPointF(wall + 120, anchorY + 16));
    for (double y = anchorY - 16; y < anchorY + 16; y += 6)
        p.drawLine(QPointF(wall + 120, y), QPointF(wall + 128, y + 6));
    SetFont(p, 12, true);
    LeftText(p, {wall + 20, anchorY - 30}, QStringLiteral("Tieback as a spring"));
    SetFont(p, 12);
    LeftText(p, {wall + 20, anchorY + 30}, QStringLiteral("lateral stiffness"));
    LeftText(p, {wall + 20, anchorY + 46}, QStringLiteral("(force / length)"));
    // A rotational restraint at node 8.
    const double rotY = top + 8 * step;
    QPainterPath spiral;
    for (int i = 0; i <= 60; ++i) {
        const double a = i * 0.22;
        const double r = 3 + i * 0.28;
        const QPointF point(wall + 4 + 22 + r * std::cos(a), rotY + r * std::sin(a));
        if (i == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    p.save();
    p.setPen(QPen(kSteel, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(wall + 4, rotY), QPointF(wall + 26, rotY));
    p.drawPath(spiral);
    p.restore();
    LeftText(p, {wall + 70, rotY - 8}, QStringLiteral("rotational stiffness"));
    LeftText(p, {wall + 70, rotY + 8}, QStringLiteral("(force x length / rad)"));
    return sketch.finish();
}

std::vector<TNamedSketch> AllSketches() {
    return {
        {QStringLiteral("WallPlan.jpg"), DrawWallPlan()},
        {QStringLiteral("ActiveFactor.jpg"), DrawActiveFactor()},
        {QStringLiteral("SurchargeTypes.jpg"), DrawSurchargeTypes()},
        {QStringLiteral("Tieback.jpg"), DrawTieback()},
        {QStringLiteral("PressureDiagram.jpg"), DrawPressureDiagram()},
        {QStringLiteral("SpringTieback.jpg"), DrawSpringTieback()},
    };
}

} // namespace tervane::pictures
