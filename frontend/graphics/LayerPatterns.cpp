#include "LayerPatterns.h"

#include <QPainter>
#include <QPen>
#include <QTransform>

#include <cmath>
#include <map>
#include <utility>

namespace tervane {

namespace {

// Pixels per inch the screen variants are drawn for.
constexpr int kScreenPpi = 96;

// The pictures are drawn on a 16-unit grid and scaled to the tile.
constexpr qreal kGrid = 16.0;

void diagonalLines(QPainter& p) {
    // Widely spaced diagonals, thinner than the hatch styles.
    for (int k = -16; k <= 16; k += 8)
        p.drawLine(QPointF(k, 16), QPointF(k + 16, 0));
}

void dots(QPainter& p) {
    const QPointF at[] = {{2, 2}, {10, 6}, {5, 11}, {13, 14}};
    for (const QPointF& d : at)
        p.drawEllipse(d, 0.8, 0.8);
}

void dashes(QPainter& p) {
    p.drawLine(QPointF(1, 4), QPointF(7, 4));
    p.drawLine(QPointF(9, 12), QPointF(15, 12));
}

void bricks(QPainter& p) {
    p.drawLine(QPointF(0, 0.5), QPointF(16, 0.5));
    p.drawLine(QPointF(0, 8.5), QPointF(16, 8.5));
    p.drawLine(QPointF(4.5, 0.5), QPointF(4.5, 8.5));
    p.drawLine(QPointF(12.5, 8.5), QPointF(12.5, 16));
}

void pebbles(QPainter& p) {
    p.drawEllipse(QPointF(4, 4), 2.5, 1.8);
    p.drawEllipse(QPointF(12, 10), 2.2, 1.6);
    p.drawEllipse(QPointF(5, 13), 1.6, 1.2);
}

QImage drawPicture(int code, int tile) {
    QImage image(tile, tile, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, tile > kScreenTile);
    p.scale(tile / kGrid, tile / kGrid);
    p.setPen(QPen(Qt::black, 0.9));
    p.setBrush(Qt::NoBrush);
    switch (code) {
    case 1:
        diagonalLines(p);
        break;
    case 7:
        p.setBrush(Qt::black);
        dots(p);
        break;
    case 8:
        dashes(p);
        break;
    case 9:
        bricks(p);
        break;
    case 10:
        bricks(p);
        p.drawLine(QPointF(4.5, 8.5), QPointF(12.5, 0.5));
        p.drawLine(QPointF(0, 16), QPointF(8, 8.5));
        p.drawLine(QPointF(12.5, 16), QPointF(16, 12.5));
        break;
    case 11:
        pebbles(p);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(11, 3), 0.8, 0.8);
        p.drawEllipse(QPointF(1.5, 9), 0.8, 0.8);
        p.drawEllipse(QPointF(13.5, 14.5), 0.8, 0.8);
        break;
    case 12:
        pebbles(p);
        break;
    default:
        break;
    }
    return image;
}

Qt::BrushStyle hatchStyle(int code) {
    switch (code) {
    case 2:
        return Qt::FDiagPattern;
    case 3:
        return Qt::CrossPattern;
    case 4:
        return Qt::DiagCrossPattern;
    case 5:
        return Qt::HorPattern;
    case 6:
        return Qt::VerPattern;
    default:
        return Qt::NoBrush;
    }
}

} // namespace

int FillCode(long double x) {
    if (!std::isfinite(x) || x < 0 || x > kFillLastCode + 1) return kFillNone;
    return static_cast<int>(std::trunc(x));
}

bool IsPictureFill(int code) {
    return code == 1 || (code >= 7 && code <= kFillLastCode);
}

QImage FillPicture(int code, int tile) {
    if (!IsPictureFill(code) || tile <= 0) return {};
    // The pictures are few and small: keep each size once.
    static std::map<std::pair<int, int>, QImage> cache;
    const auto key = std::make_pair(code, tile);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, drawPicture(code, tile)).first;
    return it->second;
}

QBrush LayerBrush(int code, TPatternVariant variant, int ppi) {
    const bool print = variant == TPatternVariant::Print && ppi > kScreenPpi;
    if (IsPictureFill(code)) {
        const int tile = print ? kScreenTile * ppi / kScreenPpi : kScreenTile;
        return QBrush(FillPicture(code, tile));
    }
    const Qt::BrushStyle style = hatchStyle(code);
    if (style == Qt::NoBrush) return QBrush(Qt::NoBrush);
    QBrush brush(Qt::black, style);
    if (print) {
        const qreal s = static_cast<qreal>(ppi) / kScreenPpi;
        brush.setTransform(QTransform::fromScale(s, s));
    }
    return brush;
}

} // namespace tervane
