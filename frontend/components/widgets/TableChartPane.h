#pragma once
// The chart above the grid of a chart table's window: a line chart of two columns (Qt Charts), or
// a drawing of one segment per row. Both are drawn from the table each time they are asked to.

#include <QWidget>
#include <memory>

class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;

namespace tervane {

class TGridTableChart;
struct TChartData;

// The area of a segment drawing: paints what SegmentLines gives for its table.
class TSegmentArea : public QWidget {
    Q_OBJECT
public:
    explicit TSegmentArea(QWidget* parent);
    void setTable(const TGridTableChart* table);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TGridTableChart* m_table = nullptr;
};

class TTableChartPane : public QWidget {
    Q_OBJECT
public:
    TTableChartPane(const TGridTableChart& table, QWidget* parent);
    // Draws the chart again from the table's values.
    void redraw();
    // Forgets the table (it is going away).
    void release();
    QChart* chart() const { return m_chart; }
    // The data last drawn (tests).
    const TChartData& data() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const TGridTableChart* m_table;
    QChartView* m_view = nullptr;
    QChart* m_chart = nullptr;
    QCategoryAxis* m_x = nullptr;
    QCategoryAxis* m_y = nullptr;
    QLineSeries* m_series1 = nullptr;
    QLineSeries* m_series2 = nullptr;
    TSegmentArea* m_segments = nullptr;
    struct Drawn;
    std::shared_ptr<Drawn> m_drawn;
};

} // namespace tervane
