#include "SideViewScene.h"

#include "NumberText.h"
#include "ProgramData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace tervane {

namespace {

// Pixel coordinates are held well inside the range the rasteriser handles; anything beyond lies
// far outside every window and page anyway.
constexpr long double kPixelLimit = 4.0e6L;
// Degrees to radians as the sketch has always converted the backfill slope.
constexpr long double kDegreesToRadians = 0.0174533L;
// The view area grows by 5 % beyond the wall and the origin.
constexpr long double kAreaGrowth = 1.05L;

int pixel(long double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::llround(std::clamp(v, -kPixelLimit, kPixelLimit)));
}

bool finite(const TSideArea& a) {
    return std::isfinite(a.x0) && std::isfinite(a.x1) && std::isfinite(a.y0) && std::isfinite(a.y1);
}

TPrimitive line(QPoint from, QPoint to, int pen, TSceneColour colour) {
    TPrimitive p;
    p.kind = TPrimitiveKind::Line;
    p.points = {from, to};
    p.penWidth = pen;
    p.pen = colour;
    return p;
}

TPrimitive text(QPoint at, const QString& s, TSceneColour colour) {
    TPrimitive p;
    p.kind = TPrimitiveKind::Text;
    p.points = {at};
    p.pen = colour;
    p.text = s;
    return p;
}

} // namespace

// What differs between the window and the page.
struct TSideViewScene::TSurface {
    bool page = false;
    int width = 0; // W or PW
    int height = 0;
    int left = 0; // edges of the horizontal lines
    int right = 0;
    int textX = 0;
    int textHeight = 0; // a property line sits this far below its layer's name
    long double slopeFraction = 0.25L;
    int tickStart = 100; // tick k runs from (tickStart + step k, Y) to (tickEnd + step k, Y + drop)
    int tickEnd = 115;
    int tickStep = 20;
    int tickDrop = 5;
    int linePen = 1;
    int markPen = 2;
    int springPen = 5;
    int labelRow = 5;
    TSceneColour ink = TSceneColour::WindowText;
    std::function<int(long double)> row;
    std::function<int(long double)> wallColumn; // x across of the wall outline and plan sketch

    int across(long double fraction) const { return pixel(fraction * width); }
};

long double TSideViewScene::TopMargin(const TProgramData& project) {
    return 0.1L * (project.IncrementCount * project.IncrementLength);
}

void TSideViewScene::Activate(const TProgramData& project, int width, int height) {
    if (m_view.IsEmpty()) return;
    m_outlines.clear();
    if (project.Tables().PileSect().RowCount() == 0) {
        Fit(width, height);
        return;
    }
    const long double m = TopMargin(project);
    const long double length = project.IncrementCount * project.IncrementLength;
    const long double a = project.FreeHeight / 40;
    TWallOutline outline;
    outline.topLeft = {-a, m};
    outline.topRight = {a, m};
    outline.bottomLeft = {-a, length + m};
    outline.bottomRight = {a, length + m};
    m_outlines.push_back(outline);

    // The smallest box holding every corner and the origin, each bound grown by 5 %.
    TSideArea box{0, 0, 0, 0};
    for (const auto& c :
         {outline.topLeft, outline.topRight, outline.bottomLeft, outline.bottomRight}) {
        box.x0 = std::min(box.x0, c.x);
        box.x1 = std::max(box.x1, c.x);
        box.y0 = std::min(box.y0, c.depth);
        box.y1 = std::max(box.y1, c.depth);
    }
    box.x0 *= kAreaGrowth;
    box.x1 *= kAreaGrowth;
    box.y0 *= kAreaGrowth;
    box.y1 *= kAreaGrowth;
    // A project value that is not a number leaves nothing to draw, like a wall of no size.
    m_view = finite(box) ? box : TSideArea{0, 0, 0, 0};
    Fit(width, height);
}

void TSideViewScene::Fit(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    if (m_view.IsEmpty()) return;
    m_display = m_view;
    if (m_width == 0 || m_height == 0) return;
    const long double r = (static_cast<long double>(m_width) / m_height) /
                          ((m_view.x1 - m_view.x0) / (m_view.y1 - m_view.y0));
    if (!std::isfinite(r) || r <= 0) return;
    if (r >= 1) {
        m_display.x0 *= r;
        m_display.x1 *= r;
    } else {
        m_display.y0 /= r;
        m_display.y1 /= r;
    }
}

int TSideViewScene::Column(long double x) const {
    return pixel(m_width * (x - m_display.x0) / (m_display.x1 - m_display.x0));
}

int TSideViewScene::Row(long double depth) const {
    return pixel(m_height * (depth - m_display.y0) / (m_display.y1 - m_display.y0));
}

std::optional<QString> TSideViewScene::ReadOut(const TProgramData& project, int row) const {
    if (m_view.IsEmpty() || m_height == 0) return std::nullopt;
    const long double d =
        m_display.y0 + row * (m_display.y1 - m_display.y0) / static_cast<long double>(m_height);
    return QStringLiteral("  Depth: ") + FixedOneDecimal(d - TopMargin(project));
}

std::vector<TPrimitive> TSideViewScene::Draw(const TProgramData& project, int textHeight) const {
    if (m_view.IsEmpty() || m_width == 0 || m_height == 0) return {};
    TSurface s;
    s.width = m_width;
    s.height = m_height;
    s.right = m_width;
    s.textHeight = textHeight;
    s.row = [this](long double d) { return Row(d); };
    s.wallColumn = [this](long double x) { return Column(x); };
    TPrimitive background;
    background.kind = TPrimitiveKind::Rect;
    background.points = {QPoint(0, 0), QPoint(m_width, m_height)};
    background.penWidth = 0;
    background.brush = TSceneColour::WindowBackground;
    std::vector<TPrimitive> out{background};
    drawOn(project, s, out);
    return out;
}

std::vector<TPrimitive> TSideViewScene::Draw2(const TProgramData& project, int pageWidth,
                                              int pageHeight, int textHeight) const {
    if (m_view.IsEmpty() || pageWidth <= 0 || pageHeight <= 0) return {};
    const TSideArea a = m_display;
    TSurface s;
    s.page = true;
    s.width = pageWidth;
    s.height = pageHeight;
    s.left = pixel(0.1L * pageWidth);
    s.right = pixel(0.9L * pageWidth);
    s.textX = s.left;
    s.textHeight = textHeight;
    s.slopeFraction = 0.2L;
    s.tickStart = pixel(0.35L * pageHeight);
    s.tickEnd = pixel(0.365L * pageHeight);
    s.tickStep = 50;
    s.tickDrop = 70;
    s.linePen = 12;
    s.markPen = 15;
    s.springPen = 35;
    s.labelRow = pixel(0.1L * pageHeight);
    s.ink = TSceneColour::Black;
    s.row = [a, pageHeight](long double d) {
        return pixel(pageHeight * 0.1L + pageHeight * 0.8L * (d - a.y0) / (a.y1 - a.y0));
    };
    s.wallColumn = [a, pageWidth](long double x) {
        return pixel(pageWidth * (x - a.x0) / (a.x1 - a.x0));
    };
    std::vector<TPrimitive> out;
    drawOn(project, s, out);
    return out;
}

// Steps 2 to 8 of the sketch on either surface, appended to `out`.
void TSideViewScene::drawOn(const TProgramData& project, const TSurface& s,
                            std::vector<TPrimitive>& out) const {
    const TProjectTables& t = project.Tables();
    const long double m = TopMargin(project);
    const long double h = project.IncrementLength;
    const long double excavation = m + project.FreeHeight;
    const int mid = s.across(0.5L);
    const TSceneColour lineInk = s.ink;
    auto add = [&out, lineInk](QPoint a, QPoint b, int pen) {
        out.push_back(line(a, b, pen, lineInk));
    };

    // Soil layers, with the ground surface of the backfill side above the first.
    if (project.LoadOption == 2 || project.PYOption == 2) {
        const TGridTable& layers = t.NewSoil();
        const long double feet = project.UnitSystem == 1 ? 12 : 1;
        const bool columnsThere = layers.ColumnCount() >= 3;
        for (int i = 0; columnsThere && i < layers.RowCount(); ++i) {
            const long double bottom = layers.Cell(1, i).AsFloat() * feet + m;
            const long double top = (i == 0 ? 0 : layers.Cell(1, i - 1).AsFloat() * feet) + m;
            if (i == 0) {
                const int ground = s.row(m);
                add({s.left, ground}, {mid, ground}, s.linePen);
                if (project.BackfillSlope > 0) {
                    const long double run = s.slopeFraction * s.width;
                    const long double rise =
                        run * std::tan(project.BackfillSlope * kDegreesToRadians);
                    add({mid, ground}, {pixel(run), -pixel(rise)}, s.linePen);
                } else if (project.BackfillSlope == 0) {
                    for (int k = 1; k <= 5; ++k)
                        add({s.tickStart + s.tickStep * k, ground},
                            {s.tickEnd + s.tickStep * k, ground + s.tickDrop}, s.linePen);
                }
            }
            const int bottomRow = s.row(bottom);
            add({s.left, bottomRow}, {bottom >= excavation ? s.right : mid, bottomRow}, s.linePen);

            const int type = layers.Cell(0, i).AsInteger();
            const QString name = SoilTypeName(type);
            if (name.isEmpty()) continue;
            const QPoint at(s.textX, s.row(top));
            out.push_back(text(at, name, s.ink));
            const TGridTable* params = layers.Cell(2, i).AsTable();
            const int needed = type == 5 ? 3 : 2;
            if (!params || params->RowCount() < 2 || params->ColumnCount() < needed) continue;
            // The values of the layer's bottom row, written as its table shows them.
            const QString cohesion = type == 5 ? params->Cell(2, 1).AsText() : QString();
            out.push_back(text(QPoint(at.x(), at.y() + s.textHeight),
                               SoilPropertyLine(type, params->Cell(1, 1).AsText(),
                                                params->Cell(0, 1).AsText(), cohesion),
                               s.ink));
        }
    }

    // The wall, filled.
    for (const TWallOutline& w : m_outlines) {
        TPrimitive p;
        p.kind = TPrimitiveKind::Polygon;
        p.points = {QPoint(s.wallColumn(w.topLeft.x), s.row(w.topLeft.depth)),
                    QPoint(s.wallColumn(w.topRight.x), s.row(w.topRight.depth)),
                    QPoint(s.wallColumn(w.bottomRight.x), s.row(w.bottomRight.depth)),
                    QPoint(s.wallColumn(w.bottomLeft.x), s.row(w.bottomLeft.depth))};
        p.penWidth = s.linePen;
        p.pen = lineInk;
        p.brush = s.ink;
        out.push_back(p);
    }

    // Ground lines of both sides.
    add({s.left, s.row(m)}, {mid, s.row(m)}, s.linePen);
    add({mid, s.row(excavation)}, {s.right, s.row(excavation)}, s.linePen);

    const int tick = s.across(0.01L);
    if (project.ApplyRestraints) {
        const TGridTable& rows = t.Soillayer();
        for (int i = 0; rows.ColumnCount() >= 2 && i < rows.RowCount(); ++i) {
            const int y = s.row(rows.Cell(1, i).AsInteger() * h + m);
            const int x = s.across(0.52L);
            TPrimitive p;
            p.kind = TPrimitiveKind::Polyline;
            p.points = {QPoint(mid, y), QPoint(x, y), QPoint(x, y - tick), QPoint(x, y + tick)};
            p.penWidth = s.markPen;
            p.pen = lineInk;
            out.push_back(p);
        }
    }
    if (project.ApplyExternalPY) {
        const TGridTable& sets = t.PYCurves2();
        for (int i = 0; sets.ColumnCount() >= 1 && i < sets.RowCount(); ++i) {
            const int y = s.row(sets.Cell(0, i).AsInteger() * h + m);
            const int tip = s.across(0.38L);
            const int back = s.across(0.40L);
            add({mid, y}, {s.across(0.45L), y}, s.markPen);
            add({s.across(0.43L), y}, {tip, y}, s.markPen);
            add({tip, y}, {back, y - tick}, s.markPen);
            add({tip, y}, {back, y + tick}, s.markPen);
        }
    }
    if (project.ApplySprings) {
        const TGridTable& springs = t.SoilStrength();
        for (int i = 0; springs.ColumnCount() >= 2 && i < springs.RowCount(); ++i) {
            const long double d = springs.Cell(1, i).AsInteger() * h + m;
            if (!(d < excavation)) continue;
            add({mid, s.row(d)}, {s.across(0.6L), s.row(d)}, s.springPen);
        }
    }

    // Plan sketch: the piles seen from above, five circles of the p-y width at the spacing of the
    // active width, each surface through its own mapping (the page's circles in printer pixels,
    // so that where they fall does not depend on the printer's resolution).
    const long double wa = project.ActiveWidth;
    const long double wp = project.PYWidth;
    if (wa > 0 && wp > 0) {
        const long double length = project.IncrementCount * h;
        const long double cx = s.page ? 16 * length : 400;
        const long double cy0 = s.page ? 4 * length : 70;
        const long double spacing = s.page ? 10 * wa : 2 * wa;
        const long double radius = s.page ? 5 * wp : wp;
        for (int i = 0; i < 5; ++i) {
            const long double cy = cy0 + spacing * i;
            TPrimitive p;
            p.kind = TPrimitiveKind::Ellipse;
            p.points = {QPoint(s.wallColumn(cx - radius), s.row(cy - radius)),
                        QPoint(s.wallColumn(cx + radius), s.row(cy + radius))};
            p.penWidth = s.markPen;
            p.pen = lineInk;
            p.brush = TSceneColour::White;
            out.push_back(p);
            if (i == 0) {
                const int left = p.points[0].x();
                const int right = p.points[1].x();
                const int centre = (left + right) / 2;
                out.push_back(text({centre - (right - left) / 10, s.labelRow},
                                   QStringLiteral("top view"), s.ink));
                out.push_back(text({mid, s.labelRow}, QStringLiteral("side view"), s.ink));
            }
        }
    }
}

QString FixedOneDecimal(long double value) {
    if (!std::isfinite(value)) return FormatGeneral(value, 6);
    if (std::fabs(value) >= 1.0e6L) return FormatGeneral(value, 6);
    // Rounded to 6 significant digits first, then written with one decimal.
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.5Le", value);
    const long double rounded = std::strtold(digits, nullptr);
    std::snprintf(digits, sizeof digits, "%.1Lf", rounded);
    QString s = QString::fromLatin1(digits);
    if (s == QLatin1String("-0.0")) s = QStringLiteral("0.0");
    return s;
}

QString SoilTypeName(int soilType) {
    switch (soilType) {
    case 1:
        return QStringLiteral("Soft clay");
    case 2:
        return QStringLiteral("Stiff clay w/free water");
    case 3:
        return QStringLiteral("Stiff clay w/o free water");
    case 4:
        return QStringLiteral("Sand");
    case 5:
        return QStringLiteral("Silt");
    case 6:
        return QStringLiteral("Rock");
    case 7:
        return QStringLiteral("Weak Rock");
    default:
        return {};
    }
}

QString SoilPropertyLine(int soilType, const QString& strength, const QString& unitWeight,
                         const QString& cohesion) {
    const QString gamma = QStringLiteral("; gamma= ") + unitWeight;
    switch (soilType) {
    case 1:
    case 2:
    case 3:
        return QStringLiteral("c= ") + strength + gamma;
    case 4:
        return QStringLiteral("ø= ") + strength + gamma;
    case 5:
        return QStringLiteral("ø= ") + strength + QStringLiteral("; c= ") + cohesion + gamma;
    case 6:
    case 7:
        return QStringLiteral("compressive strength= ") + strength + gamma;
    default:
        return {};
    }
}

} // namespace tervane
