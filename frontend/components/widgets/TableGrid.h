#pragma once
// The grid of a table editor: a QTableWidget whose horizontal header shows one caption line per
// header row, whose vertical header is the fixed column 0, and which reports Enter and key
// activity to its window.

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <QVector>

namespace tervane {

// Horizontal header drawing the caption lines of each column in rows of the grid's row height.
class TCaptionHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TCaptionHeader(QWidget* parent);
    void setCaptions(const QVector<QStringList>& lines, int lineHeight);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QVector<QStringList> m_lines;
    int m_lineHeight = 20;
};

class TTableGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TTableGrid(QWidget* parent);
    TCaptionHeader* captionHeader() const { return m_header; }
    // Writes the text of an open cell editor into its cell and closes the editor.
    void flushEditor();
    // Brings the scroll bars up to date with the current size at once.
    void syncGeometry() { updateGeometries(); }

signals:
    // Enter was pressed on a cell or ended the editing of one.
    void enterPressed();
    void keyActivity(int key, bool released);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    TCaptionHeader* m_header;
};

} // namespace tervane
