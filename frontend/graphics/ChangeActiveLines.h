#pragma once
// The active-curves dialog ("&Active Curves"): switches curves of the graph's first set in and
// out of the legend and the menu. It works on the names list and the state list the graph window
// hands it (" yes : " for an active curve, " no  : " for an inactive one); the window applies
// the states only on OK.

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TfrmActiveLines;
}

namespace tervane {

inline const QString kStateActive = QStringLiteral(" yes : ");
inline const QString kStateInactive = QStringLiteral(" no  : ");

// The state text of a curve.
inline QString StateText(bool active) {
    return active ? kStateActive : kStateInactive;
}
// A state toggled: " yes : " becomes " no  : ", any other text " yes : ".
QString ToggledState(const QString& state);
// Text of a list entry: the state, three blanks and the name.
QString ActiveEntryText(const QString& state, const QString& name);

class TfrmActiveLines : public QDialog {
    Q_OBJECT
public:
    TfrmActiveLines(const QStringList& names, QStringList& states, QWidget* parent = nullptr);
    ~TfrmActiveLines() override;

    // Rebuilds entry i from the two lists.
    void SetLineNames(int i);
    // Toggles the state of entry i.
    void SetKodeLines(int i);
    // "Activate/Deactivate Selected", "Activate All", "Deactivate All".
    void ToggleSelected();
    void SetAll(bool active);
    QStringList EntryTexts() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void arrange();

    std::unique_ptr<Ui::TfrmActiveLines> m_ui;
    const QStringList& m_names;
    QStringList& m_states;
};

} // namespace tervane
