#pragma once
// The legend dialog ("&Edit Legend"): renames the curves of the graph's first set. It works on
// the names list the graph window hands it (every curve's display name, in curve order) and copies
// its entries back into that list however it is closed; the window applies them only on OK.

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TfrmLineNames;
}

namespace tervane {

// The message for an empty legend name.
inline const QString kLineNeedsName = QStringLiteral("The line must have a name!");

class TfrmLineNames : public QDialog {
    Q_OBJECT
public:
    TfrmLineNames(QStringList& names, QWidget* parent = nullptr);
    ~TfrmLineNames() override;

    // Stores the edit's text as the selected entry; an empty text is refused with a message and
    // the edit gets the entry's text back. Runs on Enter and when the edit loses the focus.
    void StoreEdit();
    // Selects entry k: its text goes into the edit, written in curve colour k mod 17.
    void SelectEntry(int k);
    QStringList Entries() const;

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void arrange();

    std::unique_ptr<Ui::TfrmLineNames> m_ui;
    QStringList& m_names;
    bool m_storing = false;
};

} // namespace tervane
