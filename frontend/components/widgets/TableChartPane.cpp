#include "TableChartPane.h"

#include "ChartData.h"
#include "TableChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>

namespace tervane {

namespace {

// Line widths and marker sizes of the two series, in pixels.
constexpr int kSeriesWidth = 2;
constexpr int kMarkerSize = 7;
// Fonts of the small chart, in points.
constexpr int kTitlePoints = 7;
constexpr int kLabelPoints = 7;

QImage marker(const QColor& color, bool diamond) {
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const double h = kMarkerSize / 2.0;
    if (diamond) {
        QPainterPath path;
        path.moveTo(h, 0);
        path.lineTo(kMarkerSize, h);
        path.lineTo(h, kMarkerSize);
        path.lineTo(0, h);
        path.closeSubpath();
        p.drawPath(path);
    } else {
        p.drawRect(QRectF(1, 1, kMarkerSize - 2, kMarkerSize - 2));
    }
    return image;
}

QLineSeries* makeSeries(const QColor& color, bool diamond) {
    auto* series = new QLineSeries;
    QPen pen(color);
    pen.setWidth(kSeriesWidth);
    series->setPen(pen);
    series->setMarkerSize(kMarkerSize);
    series->setLightMarker(marker(color, diamond));
    return series;
}

QCategoryAxis* makeAxis() {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    QFont title = axis->titleFont();
    title.setPointSize(kTitlePoints);
    title.setBold(false);
    axis->setTitleFont(title);
    QFont labels = axis->labelsFont();
    labels.setPointSize(kLabelPoints);
    axis->setLabelsFont(labels);
    return axis;
}

void showAxis(QCategoryAxis* axis, const TChartAxis& data) {
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    axis->setRange(data.low, data.high);
    axis->setStartValue(data.low);
    for (int i = 0; i < data.ticks.size(); ++i) {
        // Category labels must differ: equal texts get invisible marks of their own.
        QString label = data.labels.value(i);
        while (axis->categoriesLabels().contains(label))
            label += QChar(0x200B);
        axis->append(label, data.ticks[i]);
    }
    axis->setReverse(data.reversed);
    axis->setTitleText(data.title);
}

} // namespace

struct TTableChartPane::Drawn {
    TChartData data;
};

TSegmentArea::TSegmentArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSegmentArea::setTable(const TGridTableChart* table) {
    m_table = table;
    update();
}

void TSegmentArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_table) return;
    for (const TSegmentLine& line : SegmentLines(*m_table, width(), height())) {
        p.setPen(QPen(Qt::red, kSeriesWidth));
        p.drawLine(line.from, line.to);
        p.setPen(Qt::black);
        p.drawText(line.label, QString::number(line.row));
    }
}

TTableChartPane::TTableChartPane(const TGridTableChart& table, QWidget* parent)
    : QWidget(parent), m_table(&table), m_drawn(std::make_shared<Drawn>()) {
    if (table.DrawSegments) {
        m_segments = new TSegmentArea(this);
        m_segments->setTable(&table);
        return;
    }
    m_chart = new QChart;
    m_chart->setMargins(QMargins(2, 2, 12, 0));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setBackgroundRoundness(0);
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setTitle(QString());
    QFont legend = m_chart->legend()->font();
    legend.setPointSize(kLabelPoints);
    m_chart->legend()->setFont(legend);
    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_x = makeAxis();
    m_y = makeAxis();
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    m_series1 = makeSeries(Qt::red, true);
    m_series2 = makeSeries(Qt::green, false);
    for (QLineSeries* series : {m_series1, m_series2}) {
        m_chart->addSeries(series);
        series->attachAxis(m_x);
        series->attachAxis(m_y);
    }
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFrameShape(QFrame::Box);
}

void TTableChartPane::release() {
    m_table = nullptr;
    if (m_segments) m_segments->setTable(nullptr);
}

const TChartData& TTableChartPane::data() const {
    return m_drawn->data;
}

void TTableChartPane::resizeEvent(QResizeEvent*) {
    if (m_view) m_view->setGeometry(rect());
    if (m_segments) m_segments->setGeometry(rect());
}

void TTableChartPane::redraw() {
    if (!m_table) return;
    if (m_segments) {
        m_segments->update();
        return;
    }
    m_drawn->data = BuildChartData(*m_table);
    const TChartData& data = m_drawn->data;
    showAxis(m_x, data.x);
    showAxis(m_y, data.y);
    m_series1->setName(data.series1.title);
    m_series1->replace(data.series1.points);
    m_series2->setVisible(data.series2.has_value());
    m_series2->setName(data.series2 ? data.series2->title : QString());
    m_series2->replace(data.series2 ? data.series2->points : QList<QPointF>());
    m_chart->legend()->setVisible(data.legend);
}

} // namespace tervane
