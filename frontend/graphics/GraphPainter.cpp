#include "GraphPainter.h"

#include "Units.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tervane {

namespace {

constexpr QRgb kGridColour = 0x808080;
constexpr QRgb kWallColour = 0x808080;
// Part of the strip's width: backfill side, wall and excavation side are 2, 1 and 2 fifths.
constexpr int kStripFifths = 5;

QColor curveColour(int k) {
    return QColor::fromRgb(TGraphPlot::CurveColour(k));
}

QRect rectOf(const TArea& a) {
    return QRect(QPoint(a.Left, a.Top), QPoint(a.Right, a.Bottom));
}

// Text centred in the box (left, top, width, height).
void centredText(QPainter& p, int left, int top, int width, int height, const QString& text) {
    p.drawText(QRect(left, top, width, height), Qt::AlignCenter | Qt::TextDontClip, text);
}

// Text turned by 90 degrees (read from bottom to top), centred on (cx, cy).
void turnedText(QPainter& p, int cx, int cy, int height, const QString& text) {
    const int width = QFontMetrics(p.font(), p.device()).horizontalAdvance(text) + height;
    p.save();
    p.translate(cx, cy);
    p.rotate(-90);
    p.drawText(QRect(-width / 2, -height / 2, width, height), Qt::AlignCenter | Qt::TextDontClip,
               text);
    p.restore();
}

const TLine* lineOrNull(const TGraphPlot& plot, int set, int index) {
    const auto& curves = plot.Curves(set);
    return index < static_cast<int>(curves.size()) ? &curves[static_cast<size_t>(index)] : nullptr;
}

struct TAxisTitles {
    QString X, Y;
};

TAxisTitles titlesOf(const TGraphPlot& plot, int graph) {
    const int u = plot.Units();
    switch (graph) {
    case 1:
        return {AxisTitle(plot.XCaption2, plot.XUnits2, u),
                AxisTitle(plot.YCaption2, plot.YUnits2.isEmpty() ? QString() : plot.YUnits, u)};
    case 2:
        return {AxisTitle(plot.XCaption3, plot.XUnits3, u),
                AxisTitle(plot.YCaption3, plot.YUnits, u)};
    default:
        return {AxisTitle(plot.XCaption, plot.XUnits, u), AxisTitle(plot.YCaption, plot.YUnits, u)};
    }
}

void drawTitles(QPainter& p, const TGraphPlot& plot, const TGraphScene& s) {
    const TArea& c = s.Client;
    const int f = s.Fonts.Height;
    const int py = s.PpiY;
    const bool hasTitle = !plot.GraphTitle.isEmpty();
    const bool three = s.Layout.GraphCount > 1;
    p.setFont(s.Fonts.Title);
    const int th = QFontMetrics(s.Fonts.Title, p.device()).height();

    if (hasTitle) {
        const int top = plot.TitleAtTop ? c.Top + py / 16 : c.Bottom - py / 16 - th;
        centredText(p, c.Left, top, c.Width(), th, plot.GraphTitle);
    }
    // A graph title on the x title's side pushes it further from the edge.
    const bool titleSameSide = hasTitle && plot.TitleAtTop == plot.XOnTop;
    const int shift = titleSameSide ? (three ? py / 4 : f + f / 8) : 0;
    const int xTop = plot.XOnTop ? c.Top + py / 16 + shift : c.Bottom - py / 16 - shift - th;

    for (int g = 0; g < s.Layout.GraphCount; ++g) {
        const TArea& a = s.Layout.Graphs[static_cast<size_t>(g)];
        const TAxisTitles t = titlesOf(plot, g);
        if (three)
            centredText(p, a.Left, xTop, a.Width(), th, t.X);
        else
            centredText(p, c.Left, xTop, c.Width(), th, t.X);
        // The y title sits left of the y labels, which are one text height plus Px/32 left of
        // the area.
        const int right = a.Left - f - s.PpiX / 32 - s.PpiX / 32;
        const int cx = std::max(c.Left + th / 2, right - th / 2);
        turnedText(p, cx, (a.Top + a.Bottom) / 2, th, t.Y);
    }
}

void drawGrid(QPainter& p, const TScaleRange& range, const TArea& a, bool xOnTop,
              const TGraphScene& s) {
    const int f = s.Fonts.Height;
    const TGridSteps gx = GridSteps(range.X, a.Width(), f);
    const TGridSteps gy = GridSteps(range.Y, a.Height(), f);
    if (!gx.HasGrid() || !gy.HasGrid()) return;
    const int tickX = s.PpiY / 16; // length of x ticks (vertical marks)
    const int tickY = s.PpiX / 16;
    QPen gridPen(QColor::fromRgb(kGridColour), 0, Qt::DotLine);
    QPen tickPen(Qt::black, 0);
    p.setFont(s.Fonts.Axis);
    const QFontMetrics fm(s.Fonts.Axis, p.device());
    const int lh = fm.height();

    for (const TTick& t : GridTicks(range.X, gx)) {
        const int x = DataToPixelX(t.Value, range.X, a.Left, a.Right);
        const int edge = xOnTop ? a.Top : a.Bottom;
        p.setPen(tickPen);
        p.drawLine(x, edge, x, xOnTop ? edge + tickX : edge - tickX);
        if (!t.Major) continue;
        p.setPen(gridPen);
        p.drawLine(x, a.Top, x, a.Bottom);
        p.setPen(tickPen);
        const QString label = TickLabel(t.Value);
        const int w = fm.horizontalAdvance(label) + lh;
        const int top = xOnTop ? a.Top - lh - s.PpiY / 32 : a.Bottom + s.PpiY / 16;
        centredText(p, x - w / 2, top, w, lh, label);
    }
    for (const TTick& t : GridTicks(range.Y, gy)) {
        const int y = DataToPixelY(t.Value, range.Y, a.Top, a.Bottom, xOnTop);
        p.setPen(tickPen);
        p.drawLine(a.Left, y, a.Left + tickY, y);
        if (!t.Major) continue;
        p.setPen(gridPen);
        p.drawLine(a.Left, y, a.Right, y);
        p.setPen(tickPen);
        // The label at the x axis's end of the y axis is kept within the area's height, clear of
        // the x labels beyond the corner.
        const QString label = TickLabel(t.Value);
        const int half = (fm.horizontalAdvance(label) + 1) / 2;
        int cy = y;
        if (a.Height() > 2 * half)
            cy = xOnTop ? std::max(y, a.Top + half) : std::min(y, a.Bottom - half);
        turnedText(p, a.Left - s.PpiX / 32 - lh / 2, cy, lh, label);
    }
}

void drawMarker(QPainter& p, int shape, QPoint at, int radius) {
    p.drawPolygon(MarkerPolygon(shape, at, radius));
}

void drawCurves(QPainter& p, const TGraphPlot& plot, int graph, const TScaleRange& range,
                const TArea& a, const TGraphScene& s) {
    static constexpr int kSets[kMaxGraphs] = {kCurveSetMain, kCurveSetMiddle, kCurveSetRight};
    const int set = kSets[graph];
    const auto& curves = plot.Curves(set);
    if (plot.PointCount(set) < 2) return;
    const bool three = s.Layout.GraphCount > 1;
    const bool stopEarly = three && curves.size() > 1;
    const int radius = s.PpiX / 32;
    const int penWidth = CurvePenWidth(s.PpiX, plot.WidthLine);

    p.save();
    p.setClipRect(rectOf(a).adjusted(0, 0, 1, 1));
    p.setBrush(Qt::NoBrush);
    int colour = 0;
    QPolygon polyline;
    for (int i = 0; i < static_cast<int>(curves.size()); ++i) {
        // The flags of the middle and right graphs' curves are those of the left graph's.
        const TLine* flags = lineOrNull(plot, kCurveSetMain, i);
        if (flags == nullptr || !flags->Active) continue;
        const int k = colour++;
        if (!flags->Plotted) continue;
        const TLine& line = curves[static_cast<size_t>(i)];
        int n = line.PointCount();
        if (stopEarly) n -= 1;
        if (n < 1) continue;
        polyline.resize(n);
        for (int j = 0; j < n; ++j) {
            const TFloatPoint& pt = line.Points[static_cast<size_t>(j)];
            polyline[j] = QPoint(DataToPixelX(pt.x, range.X, a.Left, a.Right),
                                 DataToPixelY(pt.y, range.Y, a.Top, a.Bottom, plot.XOnTop));
        }
        QPen pen(curveColour(k), penWidth);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPolyline(polyline);
        if (plot.Markers > 0) {
            p.setPen(QPen(curveColour(k), std::max(1, penWidth / 2)));
            const int shape = MarkerShape(i + 1);
            for (int j = 0; j < n; ++j)
                if (HasMarker(j, plot.Markers)) drawMarker(p, shape, polyline[j], radius);
        }
    }
    p.restore();
}

void drawLegendBox(QPainter& p, const TGraphPlot& plot, const TGraphScene& s) {
    if (!plot.ShowLegend) return;
    struct TEntry {
        QString name;
        int colour;
        int shape;
    };
    std::vector<TEntry> entries;
    const auto& curves = plot.Curves(kCurveSetMain);
    int k = 0;
    for (int i = 0; i < static_cast<int>(curves.size()); ++i) {
        const TLine& line = curves[static_cast<size_t>(i)];
        if (!line.Active) continue;
        if (line.Plotted) entries.push_back({plot.DisplayName(i), k, MarkerShape(i + 1)});
        ++k;
    }
    if (entries.empty()) return;
    p.setFont(s.Fonts.Axis);
    const QFontMetrics fm(s.Fonts.Axis, p.device());
    int longest = 0;
    for (const TEntry& e : entries)
        longest = std::max(longest, fm.horizontalAdvance(e.name));
    const int sixteenth = s.PpiX / 16;
    const int gap = s.PpiY / 32;
    const int lineHeight = fm.height() + gap;
    const int width = longest + 3 * s.PpiX / 16;
    const int height = static_cast<int>(entries.size()) * lineHeight + gap;
    const TArea& area = s.Layout.PlotArea;
    const QPoint at = s.LegendAtCorner ? QPoint(area.Right - width, area.Bottom - height)
                                       : OutputLegendPlace(s.LegendPosition, s.WindowSize, area);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::white);
    p.drawRect(at.x(), at.y(), width, height);
    p.setBrush(Qt::NoBrush);
    int top = at.y() + gap;
    for (const TEntry& e : entries) {
        p.setPen(QPen(curveColour(e.colour), 0));
        drawMarker(p, e.shape, QPoint(at.x() + sixteenth, top + fm.height() / 2), s.PpiX / 32);
        p.drawText(QRect(at.x() + 2 * sixteenth, top, longest + sixteenth, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, e.name);
        top += lineHeight;
    }
}

void fillLayerPart(QPainter& p, int code, const TGraphScene& s, int left, int top, int right,
                   int bottom) {
    if (bottom <= top || right <= left) return;
    p.setBrush(LayerBrush(code, s.Patterns, s.PpiX));
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void drawLayers(QPainter& p, const TGraphPlot& plot, const TScaleRange& range,
                const TGraphScene& s) {
    const auto& set = plot.Curves(kCurveSetLayers);
    const int layers = plot.WallLineCount > 0
                           ? std::min<int>(plot.WallLineCount, static_cast<int>(set.size()))
                           : static_cast<int>(set.size());
    const TArea& strip = s.Layout.Strip;
    const TArea& area = s.Layout.Graphs[0];
    auto depthPixel = [&](long double depth) {
        const int y = DataToPixelY(depth, range.Y, area.Top, area.Bottom, plot.XOnTop);
        return std::clamp(y, strip.Top, strip.Bottom);
    };
    const TLine* toe = lineOrNull(plot, kCurveSetLayers, layers);
    const TLine* excavation = lineOrNull(plot, kCurveSetLayers, layers + 1);
    const bool wall = plot.ShowWall && toe != nullptr && toe->PointCount() > 0;
    const long double excavationDepth =
        excavation != nullptr && excavation->PointCount() > 0 ? excavation->Points[0].y : 0;

    p.save();
    p.setClipRect(rectOf(strip).adjusted(0, 0, 1, 1));
    const int w = strip.Width();
    const int backfillRight = strip.Left + 2 * w / kStripFifths;
    const int excavationLeft = strip.Right - 2 * w / kStripFifths;
    long double previous = plot.LayerStartDepth;
    for (int i = 0; i < layers; ++i) {
        const TLine& line = set[static_cast<size_t>(i)];
        if (line.PointCount() < 1) continue;
        const long double bottomDepth = line.Points[0].y;
        const int code = FillCode(line.Points[0].x);
        const int top = depthPixel(previous);
        const int bottom = depthPixel(bottomDepth);
        if (!wall) {
            fillLayerPart(p, code, s, strip.Left, top, strip.Right, bottom);
            if (bottom - top > 2 && !line.Name.trimmed().isEmpty()) {
                p.setFont(s.Fonts.Names);
                const QFontMetrics fm(s.Fonts.Names, p.device());
                const QString name = line.Name;
                const int tw = fm.horizontalAdvance(name);
                const QRect box((strip.Left + strip.Right - tw) / 2,
                                (top + bottom - fm.height()) / 2, tw, fm.height());
                p.fillRect(box, Qt::white);
                p.setPen(Qt::black);
                p.drawText(box, Qt::AlignCenter | Qt::TextDontClip, name);
            }
        } else if (bottomDepth <= excavationDepth) {
            fillLayerPart(p, code, s, strip.Left, top, backfillRight, bottom);
        } else if (previous < excavationDepth) {
            fillLayerPart(p, code, s, strip.Left, top, backfillRight, bottom);
            fillLayerPart(p, code, s, excavationLeft, depthPixel(excavationDepth), strip.Right,
                          bottom);
        } else {
            fillLayerPart(p, code, s, strip.Left, top, strip.Right, bottom);
        }
        previous = bottomDepth;
    }
    if (wall) {
        const int bandLeft = strip.Left + 2 * w / kStripFifths;
        const int bandRight = strip.Left + 3 * w / kStripFifths;
        const int toeY = depthPixel(toe->Points[0].y);
        if (toeY > strip.Top)
            p.fillRect(QRect(QPoint(bandLeft, strip.Top), QPoint(bandRight, toeY)),
                       QColor::fromRgb(kWallColour));
    }
    p.restore();
}

} // namespace

TGraphFonts GraphFonts(const QFont& windowFont, int sizeFont, const QPaintDevice* device) {
    TGraphFonts fonts;
    const qreal scale = std::max(1, sizeFont) / 10.0;
    fonts.Names = windowFont;
    fonts.Axis = windowFont;
    const qreal points = windowFont.pointSizeF() > 0 ? windowFont.pointSizeF() : 9.0;
    fonts.Axis.setPointSizeF(points * scale);
    fonts.Title = QFont(QStringLiteral("Times New Roman"));
    fonts.Title.setStyleHint(QFont::Serif, QFont::PreferMatch);
    fonts.Title.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                             QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    fonts.Title.setBold(true);
    fonts.Title.setPointSizeF(points * scale);
    fonts.Height = QFontMetrics(fonts.Axis, const_cast<QPaintDevice*>(device)).height();
    return fonts;
}

TGraphScene MakeScene(const TGraphPlot& plot, const TArea& client, const TGraphFonts& fonts,
                      int ppiX, int ppiY, TLayoutTarget target) {
    TGraphScene s;
    s.Client = client;
    s.Fonts = fonts;
    s.PpiX = ppiX;
    s.PpiY = ppiY;
    TLayoutInput in;
    in.Client = client;
    in.FontHeight = fonts.Height;
    in.PpiX = ppiX;
    in.PpiY = ppiY;
    in.XOnTop = plot.XOnTop;
    in.HasTitle = !plot.GraphTitle.isEmpty();
    in.TitleAtTop = plot.TitleAtTop;
    in.ShowLayers = plot.ShowLayers && plot.CurveCount(kCurveSetLayers) > 0;
    in.ShowThree = plot.ShowThree;
    in.Target = target;
    s.Layout = LayoutGraph(in);
    return s;
}

void DrawGraph(QPainter& p, const TGraphPlot& plot, const TGraphView& view, const TGraphScene& s) {
    const TArea& c = s.Client;
    p.fillRect(rectOf(c).adjusted(0, 0, 1, 1), Qt::white);
    if (c.Width() < s.PpiX || c.Height() < s.PpiY) return;
    drawTitles(p, plot, s);
    for (int g = 0; g < s.Layout.GraphCount; ++g)
        drawGrid(p, view.Current[static_cast<size_t>(g)], s.Layout.Graphs[static_cast<size_t>(g)],
                 plot.XOnTop, s);
    for (int g = 0; g < s.Layout.GraphCount; ++g)
        drawCurves(p, plot, g, view.Current[static_cast<size_t>(g)],
                   s.Layout.Graphs[static_cast<size_t>(g)], s);
    if (s.ForOutput) drawLegendBox(p, plot, s);
    if (s.Layout.HasStrip) drawLayers(p, plot, view.Current[0], s);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    for (int g = 0; g < s.Layout.GraphCount; ++g) {
        const TArea& a = s.Layout.Graphs[static_cast<size_t>(g)];
        p.drawRect(a.Left, a.Top, a.Width(), a.Height());
    }
}

int CurvePenWidth(int ppiX, int widthLine) {
    return (static_cast<int>(std::lround(ppiX / 300.0)) + 1) * std::max(1, widthLine);
}

QPolygon MarkerPolygon(int shape, QPoint centre, int radius) {
    QPolygon poly;
    if (shape == 2) {
        poly << centre + QPoint(-radius, -radius) << centre + QPoint(radius, -radius)
             << centre + QPoint(radius, radius) << centre + QPoint(-radius, radius);
        return poly;
    }
    const int n = shape == 1 ? 3 : std::clamp(shape, 3, 10);
    // Screen y grows downwards: -90 degrees points up, +90 degrees down.
    const double start = shape == 1 ? 90.0 : -90.0;
    for (int k = 0; k < n; ++k) {
        const double a = (start + 360.0 * k / n) * std::numbers::pi / 180.0;
        poly << centre + QPoint(static_cast<int>(std::lround(radius * std::cos(a))),
                                static_cast<int>(std::lround(radius * std::sin(a))));
    }
    return poly;
}

} // namespace tervane
