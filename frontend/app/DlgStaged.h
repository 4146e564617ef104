#pragma once
// The staged-construction dialog ("Staged Construction Options"): a note on the simplified
// approach, the check box that switches staging on and the number of stages with its arrows.
// OK hands the number to the stage commands, which write or delete the stage files.

#include <QDialog>
#include <QPointer>
#include <QSpinBox>
#include <memory>

namespace Ui {
class TDlgStaged;
}

namespace tervane {

class TStageCommands;

// The number-of-stages field: the arrows step between 2 and 5; a typed value may be 1 to 5.
class TStageCountSpin : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
};

class TDlgStaged : public QDialog {
    Q_OBJECT
public:
    TDlgStaged(TStageCommands& commands, QWidget* parent = nullptr);
    ~TDlgStaged() override;

    // Modal, from "Conduct &Staged-Construction Analysis...".
    static int ExecModal(TStageCommands& commands, QWidget* parent);
    // Non-modal, from the tool button "Stage Construction Option": one dialog at a time, brought
    // to the front when it is open already. Deleted when closed.
    static TDlgStaged* ShowInstance(TStageCommands& commands, QWidget* parent);

    bool staged() const;
    int stageCount() const;
    void setStaged(bool on);
    void setStageCount(int count);

    // Shows the current project's number of stages (on showing and on every activation).
    void FormActivate();
    // The buttons' actions.
    void OkClick();
    void CancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void StagedCheckClick(bool checked);

    std::unique_ptr<Ui::TDlgStaged> m_ui;
    TStageCommands& m_commands;
    static inline QPointer<TDlgStaged> s_instance;
};

} // namespace tervane
