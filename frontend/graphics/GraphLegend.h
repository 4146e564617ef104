#pragma once
// The graph window's legend: one entry per active curve, written in the curve's colour on white
// and followed by " *" while the curve is plotted. It can be dragged inside the window, and a
// double click on an entry asks the window to switch that curve on or off.

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace tervane {

struct TLegendEntry {
    QString Name;
    QColor Colour;
    bool Plotted = true;
    int Curve = 0; // the curve's position in set 1
};

class TGraphLegend : public QWidget {
    Q_OBJECT
public:
    explicit TGraphLegend(QWidget* parent = nullptr);

    void SetEntries(std::vector<TLegendEntry> entries);
    const std::vector<TLegendEntry>& Entries() const { return m_entries; }
    // Text of entry k as drawn: the name, and " *" when its curve is plotted.
    QString EntryText(int k) const;
    // The legend font in points; the item height is 1.5 times its pixel size.
    void SetFontPoints(qreal points);
    int ItemHeight() const { return m_itemHeight; }
    // Width: the longest name followed by " *" plus a quarter inch (at least 21 pixels); height:
    // the items plus 3 pixels.
    QSize PreferredSize() const;
    void FitSize() { resize(PreferredSize()); }
    // The entry under a point of the widget, or -1.
    int EntryAt(QPoint p) const;

signals:
    // A double click on the entry of this curve (position in set 1).
    void toggleCurve(int curve);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::vector<TLegendEntry> m_entries;
    int m_itemHeight = 16;
    bool m_dragging = false;
    QPoint m_grab;
};

} // namespace tervane
