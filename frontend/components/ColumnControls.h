#pragma once
// The seam between a grid table and its editor window. The table knows nothing of widgets: the
// editor implements TGridEditor, and the choice and link columns ask it for one control per row
// (a combo box, a button) through this interface.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace tervane {

class TGridTable;

// A control drawn in a cell by a column of its own (the editor's combo box or button).
class TCellControl {
public:
    virtual ~TCellControl() = default;
    // Choice cells: select the 1-based choice (no selection when outside the choices).
    virtual void setSelection(int choice) { (void)choice; }
    // Link cells: the button's caption.
    virtual void setCaption(const QString& caption) { (void)caption; }
};

// The editor window of one table, as the table and its columns see it.
class TGridEditor {
public:
    virtual ~TGridEditor() = default;
    virtual bool isModal() const = 0;
    virtual void setTitle(const QString& title) = 0;
    // The help picture changed: show it and lay the editor out again.
    virtual void helpPictureChanged() {}
    // Controls for the cell (column, row); the column owns them until it releases them.
    virtual std::unique_ptr<TCellControl> createChoiceControl(int column, int row,
                                                              const QStringList& choices) = 0;
    virtual std::unique_ptr<TCellControl> createButtonControl(int column, int row) = 0;
};

// Creates the editor window of a table (installed by the widget layer; none in the model's tests).
using TGridEditorFactory =
    std::function<std::unique_ptr<TGridEditor>(TGridTable& table, bool modal)>;

using TTableChangedEvent = std::function<void()>;
using TCellChangedEvent = std::function<void(int column, int row)>;

} // namespace tervane
