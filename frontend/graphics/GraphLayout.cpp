#include "GraphLayout.h"

#include <algorithm>

namespace tervane {

QPoint TArea::Clamp(QPoint p) const {
    return {std::clamp(p.x(), Left, std::max(Left, Right)),
            std::clamp(p.y(), Top, std::max(Top, Bottom))};
}

int ThreeGraphGap(int fontHeight, int ppiX) {
    return 2 * fontHeight + ppiX / 4;
}

TGraphLayout LayoutGraph(const TLayoutInput& in) {
    const int f = in.FontHeight;
    const int px = in.PpiX;
    const int py = in.PpiY;
    const TArea& c = in.Client;
    TGraphLayout out;
    TArea& a = out.PlotArea;

    if (in.Target == TLayoutTarget::Printer) {
        // The page's margins already hold the room of the window's right and bottom edges.
        const int axisRoom = 2 * f + px / 8 + f / 8;
        a.Left = c.Left + axisRoom;
        a.Right = c.Right;
        if (in.XOnTop) {
            a.Top = c.Top + axisRoom;
            a.Bottom = c.Bottom;
        } else {
            a.Top = c.Top;
            a.Bottom = c.Bottom - axisRoom;
        }
        if (in.HasTitle) {
            if (in.TitleAtTop)
                a.Top += py / 4;
            else
                a.Bottom -= py / 2;
        }
    } else {
        a.Left = c.Left + 2 * f + px / 8 + f / 8;
        a.Right = c.Right - px / 4 - f / 2;
        if (in.XOnTop) {
            a.Top = c.Top + 2 * f + py / 8 + f / 8;
            a.Bottom = c.Bottom - py / 4 - f / 2;
        } else {
            a.Top = c.Top + f / 2 + py / 4;
            a.Bottom = c.Bottom - 2 * f - py / 8 - f / 8;
        }
        if (in.HasTitle) {
            if (in.TitleAtTop)
                a.Top += f / 8 + f;
            else
                a.Bottom -= f;
        }
    }

    if (in.ShowLayers) {
        // The saved picture gives the strip half an inch, the window and the page one inch.
        const int room = in.Target == TLayoutTarget::Picture ? px / 2 : px;
        const int oldRight = a.Right;
        a.Right -= room;
        out.HasStrip = true;
        out.Strip = {a.Right + px / 5, a.Top, oldRight, a.Bottom};
    }

    if (in.ShowThree) {
        out.GraphCount = kMaxGraphs;
        const int gap = ThreeGraphGap(f, px);
        const int width = (a.Width() - 4 * f - px / 2) / 3;
        for (int i = 0; i < kMaxGraphs; ++i) {
            const int left = a.Left + i * (width + gap);
            out.Graphs[static_cast<size_t>(i)] = {left, a.Top, left + width, a.Bottom};
        }
    } else {
        out.GraphCount = 1;
        out.Graphs[0] = a;
    }
    return out;
}

QPoint LegendHome(const TArea& plotArea, QSize legend) {
    return {plotArea.Right - legend.width(), plotArea.Bottom - legend.height()};
}

QPoint LegendInside(QPoint position, QSize legend, QSize client) {
    const int x = std::max(0, std::min(position.x(), client.width() - legend.width()));
    const int y = std::max(0, std::min(position.y(), client.height() - legend.height()));
    return {x, y};
}

QPoint OutputLegendPlace(QPoint legendInWindow, QSize window, const TArea& plotArea) {
    const int w = std::max(1, window.width());
    const int h = std::max(1, window.height());
    const long long x = static_cast<long long>(legendInWindow.x()) * plotArea.Width() / w;
    const long long y = static_cast<long long>(legendInWindow.y()) * plotArea.Height() / h;
    return {plotArea.Left + static_cast<int>(x), plotArea.Top + static_cast<int>(y)};
}

} // namespace tervane
