#pragma once
// The common behaviour of the input dialogs: non-modal child windows of the main window, created
// on first use and shown again later, that load the current project's values into their controls
// when activated and store them back when deactivated or closed.
//
// - Activation: every numeric field takes the project's unit system, then the fields are loaded.
// - Deactivation: when the focused control is a numeric field whose entry is refused, the dialog
//   shows itself again and stores nothing; otherwise every field is stored.
// - Close: refused while the focused numeric field is invalid; otherwise the deactivation runs
//   and the window is freed (its instance pointer clears itself).
// - Every change the user makes in a field or check box sets the project's modified mark.

#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QLabel;

namespace tervane {

class TDataEdit;
class TGridTable;
class TProgramData;
class TProjectTables;

// One of the project's tables, as a dialog button names it (&TProjectTables::PileSect).
using TTableOf = TGridTable& (TProjectTables::*)() const;

// Dialog values shown in feet or per square foot: the project keeps inches and pounds per square
// inch in English units, so these convert on display and on entry; the other systems keep the
// units the fields show.
long double FeetDivisor(int unitSystem);      // 12 in English units, else 1
long double SquareFeetFactor(int unitSystem); // 144 in English units, else 1

class TInputDialog : public QWidget {
    Q_OBJECT
public:
    explicit TInputDialog(QWidget* parent = nullptr);
    ~TInputDialog() override;

    // The activation handler: unit systems first, then the values of the current project.
    void FormActivate();
    // The activation run again whatever the controls hold (a unit change, a new project).
    void Refresh();
    // The deactivation handler. False when the focused field refused its entry: nothing was
    // stored and the dialog is shown again.
    bool FormDeactivate();
    // Commits the focused numeric field (true when the focus is elsewhere). An arithmetic fault
    // of the entry is shown as its message and counts as a refusal.
    bool FocusedFieldValid();

    // Brings the dialog to the front (its child window in the main window's area).
    void BringToFront();
    // Closes the dialog without checking or storing anything (the project is being replaced).
    void Discard();

    // Every open dialog, in creation order.
    static QList<TInputDialog*> OpenDialogs();

protected:
    // Copies the project's values into the controls; the unit systems are already set.
    virtual void LoadFields(TProgramData& project) = 0;
    virtual void StoreFields(TProgramData& project) = 0;
    // Whether the user's edits in this dialog's fields and check boxes set the modified mark
    // (the title dialog decides when it stores; the control options are no project data).
    virtual bool EditsMarkModified() const { return true; }
    // Runs at the start of the close handling, before the focused field is checked.
    virtual void ClosingStore(TProgramData& project) { (void)project; }

    // After the form is set up: the numeric fields' labels (the labels whose buddy they are),
    // the change signals and the window caption.
    void FinishForm(const QString& caption);
    // The project's modified mark.
    void MarkModified();
    // Shows a picture resource in a label, sized to it.
    static void ShowPicture(QLabel* label, const QString& name);

    // The button opens the table's editor window.
    void OpenTableOnClick(QAbstractButton* button, TTableOf table);

    // Reads a field's value into `value`; false (value untouched) when its text is invalid.
    static bool ReadField(const TDataEdit* field, long double& value);

    // The single instance of a dialog kind, created on first use and shown again later.
    template <class T> static T* ShowInstanceOf(QPointer<T>& instance) {
        if (instance.isNull() || instance->m_closed) {
            instance = new T();
            instance->showAsChild();
        } else {
            instance->BringToFront();
        }
        instance->FormActivate();
        return instance.data();
    }

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void showAsChild();
    void activationChanged(bool active);

    bool m_loading = false;
    // Closed and waiting to be freed: the next use makes a new dialog.
    bool m_closed = false;
    // The next activation follows a refused deactivation: the controls keep what the user typed.
    bool m_keepControls = false;
};

// Runs the activation of every open dialog again (after a unit change, so that labels and values
// follow the project's new unit system).
void RefreshOpenDialogs();
// Closes every open dialog without storing (File New and Open, after the close query and before
// the project is replaced), so no dialog writes the old project's values into the new one.
void DiscardInputDialogs();
// Runs the deactivation handler of the active input dialog, if any (before a main menu opens and
// before the close query). False when its focused field refused the entry.
bool StoreActiveDialog();

} // namespace tervane
