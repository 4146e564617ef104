#pragma once
// The grid of a table editor: a QTableWidget whose horizontal header holds the fixed header rows
// (one caption line each), whose vertical header is the fixed column 0, and which reports Enter
// and key activity to its window.

#include <QStringList>
#include <QTableWidget>
#include <QVector>

namespace tervane {

class TTableGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TTableGrid(QWidget* parent);
    // The caption lines of each column, one per header row of `lineHeight` pixels.
    void setCaptions(const QVector<QStringList>& lines, int lineHeight);
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
};

} // namespace tervane
