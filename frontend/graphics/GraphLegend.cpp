#include "GraphLegend.h"

#include "GraphLayout.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {

constexpr int kMinimumWidth = 21;
constexpr int kExtraHeight = 3;
constexpr int kTextIndent = 2;

} // namespace

TGraphLegend::TGraphLegend(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setCursor(Qt::SizeAllCursor);
}

void TGraphLegend::SetEntries(std::vector<TLegendEntry> entries) {
    m_entries = std::move(entries);
    update();
}

QString TGraphLegend::EntryText(int k) const {
    const TLegendEntry& e = m_entries.at(static_cast<size_t>(k));
    return e.Plotted ? e.Name + QStringLiteral(" *") : e.Name;
}

void TGraphLegend::SetFontPoints(qreal points) {
    QFont f = font();
    f.setPointSizeF(std::max<qreal>(1, points));
    setFont(f);
    const qreal pixels = points * logicalDpiY() / 72.0;
    m_itemHeight = std::max(1, static_cast<int>(std::lround(1.5 * pixels)));
    update();
}

QSize TGraphLegend::PreferredSize() const {
    const QFontMetrics fm(font());
    int longest = 0;
    for (const TLegendEntry& e : m_entries)
        longest = std::max(longest, fm.horizontalAdvance(e.Name + QStringLiteral(" *")));
    const int width = std::max(kMinimumWidth, longest + logicalDpiX() / 4);
    return {width, static_cast<int>(m_entries.size()) * m_itemHeight + kExtraHeight};
}

int TGraphLegend::EntryAt(QPoint p) const {
    if (m_itemHeight <= 0 || p.y() < 0) return -1;
    const int k = p.y() / m_itemHeight;
    return k < static_cast<int>(m_entries.size()) ? k : -1;
}

void TGraphLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(font());
    for (int k = 0; k < static_cast<int>(m_entries.size()); ++k) {
        p.setPen(m_entries[static_cast<size_t>(k)].Colour);
        p.drawText(
            QRect(kTextIndent + 2, k * m_itemHeight + 1, width() - kTextIndent, m_itemHeight),
            Qt::AlignLeft | Qt::AlignVCenter, EntryText(k));
    }
}

void TGraphLegend::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_dragging = true;
    m_grab = event->position().toPoint();
}

void TGraphLegend::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || parentWidget() == nullptr) return;
    const QPoint wanted = pos() + event->position().toPoint() - m_grab;
    move(LegendInside(wanted, size(), parentWidget()->size()));
}

void TGraphLegend::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}

void TGraphLegend::mouseDoubleClickEvent(QMouseEvent* event) {
    const int k = EntryAt(event->position().toPoint());
    if (k >= 0) emit toggleCurve(m_entries[static_cast<size_t>(k)].Curve);
}

} // namespace tervane
