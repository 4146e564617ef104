#pragma once
// The editor window of a grid table: the grid of the table's shown columns with one header row
// per caption line and the row group numbers in column 0, the row buttons, the table's comment
// and its help picture. Cells of choice and link columns hold combo boxes and buttons; the other
// cells are edited as text and stored through the column's SetText, so every entry may be an
// expression. The table owns the window through a TTableEditorHandle.

#include "Table.h"
#include "TableSizing.h"

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QMdiSubWindow;

namespace tervane {

class TTableForm;
class TTableGrid;

// Brings the open editor window of `table` to the front; false when it has none.
bool BringEditorForward(TGridTable& table);
// Shows the editor window of `table`: an open one comes to the front, else ShowEditor opens one.
void ShowTableEditor(TGridTable& table);

// The table's side of its editor window: owned by the table, it forwards the table's requests to
// the window and closes the window when the table lets it go.
class TTableEditorHandle : public TGridEditor {
public:
    TTableEditorHandle(bool modal) : m_modal(modal) {}
    ~TTableEditorHandle() override;
    void setForm(TTableForm* form) { m_form = form; }
    TTableForm* form() const { return m_form.data(); }

    bool isModal() const override { return m_modal; }
    void setTitle(const QString& title) override;
    void helpPictureChanged() override;
    std::unique_ptr<TCellControl> createChoiceControl(int column, int row,
                                                      const QStringList& choices) override;
    std::unique_ptr<TCellControl> createButtonControl(int column, int row) override;

private:
    QPointer<TTableForm> m_form;
    bool m_modal;
};

class TTableForm : public QWidget {
    Q_OBJECT
public:
    // Opens the editor window of `table` (non-modal: a child window of the main window's area;
    // modal: an application-modal window) and returns the table's handle of it.
    static std::unique_ptr<TGridEditor> Open(TGridTable& table, bool modal);
    ~TTableForm() override;

    TGridTable* table() const { return m_table; }
    TTableGrid* grid() const { return m_grid; }
    const TGridView& view() const { return m_view; }
    int margin() const { return m_margin; }
    QPushButton* addRowButton() const { return m_addRow; }
    QPushButton* insertRowButton() const { return m_insertRow; }
    QPushButton* deleteRowButton() const { return m_deleteRow; }
    QLabel* commentLabel() const { return m_comment; }
    QLabel* imageLabel() const { return m_image; }
    // The window that holds the form: its sub-window, or the form itself.
    QWidget* frameWindow() const;
    // The cell control widget of a table column (index among all columns) and row, or nullptr.
    QWidget* cellControl(int column, int row) const;

    // Stores the current cell's text through its column; false (message shown, cursor kept)
    // when the entry is refused.
    bool commit();
    // Moves the cursor as Enter does.
    void enterMove();
    void AddRowClick();
    void InsertRowClick();
    void DeleteRowClick();
    // What the window-sizing rule needs, and the rule applied to a dragged window rectangle.
    TSizingInput sizingInput() const;
    void applySizing(const QRect& dragged, int edges);

    // Called by the handle.
    virtual void tableReleased();
    void showHelpPicture();
    std::unique_ptr<TCellControl> makeChoiceControl(int column, int row,
                                                    const QStringList& choices);
    std::unique_ptr<TCellControl> makeButtonControl(int column, int row);

protected:
    TTableForm(TGridTable& table, bool modal);
    // Builds the window, attaches it to the table and shows it.
    void open(TTableEditorHandle* handle);
    virtual void refresh();
    void layOut();
    virtual TFormLayoutInput layoutInput() const;
    virtual void placeExtras(const TFormLayout& layout) { (void)layout; }
    virtual int maxVisibleRows() const { return kMaxVisibleRows; }
    // Rows were added, inserted or deleted, or a cell was selected.
    virtual void chartChanged() {}
    // Leaves the window without the final commit (Cancel of chart windows).
    void closeWithoutCommit();
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    TGridTable* m_table;
    bool m_modal;
    int m_margin = 4;

private:
    struct TPlacedControl {
        QPointer<QWidget> widget;
        int column;
        int row;
    };
    TGridMetrics gridMetrics() const;
    bool isControlColumn(int shownColumn) const;
    void setUpGrid();
    void rewriteCells();
    void refreshCell(int column, int row);
    void placeControls();
    void scrollToView();
    void currentCellChanged(int row, int column, int previousRow, int previousColumn);
    void focusChanged(QWidget* old, QWidget* now);
    bool cursorRowValid();
    void growVisibleRows();
    void choiceChanged(int column, int row, int choice);
    void buttonClicked(int column, int row);
    void forgetControl(QWidget* widget);

    TTableGrid* m_grid = nullptr;
    QLabel* m_corner = nullptr;
    QPushButton* m_addRow = nullptr;
    QPushButton* m_insertRow = nullptr;
    QPushButton* m_deleteRow = nullptr;
    QLabel* m_comment = nullptr;
    QLabel* m_image = nullptr;
    TGridView m_view;
    int m_rowHeight = 20;
    std::vector<TPlacedControl> m_controls;
    QRect m_lastGeometry;
    bool m_shown = false;
    bool m_applying = false;
    bool m_refreshing = false;
    bool m_inCommit = false;
    bool m_closing = false;
    bool m_discard = false;
};

} // namespace tervane
