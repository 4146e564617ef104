// The staged-construction dialog.

#include "DlgStaged.h"

#include "CurrentProject.h"
#include "ProgramData.h"
#include "StageCommands.h"
#include "ui_DlgStaged.h"

#include <QEvent>
#include <algorithm>

namespace tervane {

namespace {

// The arrows never go below a staged project's least number of stages.
constexpr int kLeastStages = 2;

} // namespace

void TStageCountSpin::stepBy(int steps) {
    const int target = value() + steps;
    if (steps > 0 && value() < maximum()) setValue(std::min(target, maximum()));
    if (steps < 0 && value() > kLeastStages) setValue(std::max(target, kLeastStages));
}

QAbstractSpinBox::StepEnabled TStageCountSpin::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (!isEnabled()) return enabled;
    if (value() < maximum()) enabled |= StepUpEnabled;
    if (value() > kLeastStages) enabled |= StepDownEnabled;
    return enabled;
}

TDlgStaged::TDlgStaged(TStageCommands& commands, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TDlgStaged>()), m_commands(commands) {
    m_ui->setupUi(this);
    connect(m_ui->StagedCheck, &QCheckBox::clicked, this, &TDlgStaged::StagedCheckClick);
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TDlgStaged::OkClick);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &TDlgStaged::CancelClick);
}

TDlgStaged::~TDlgStaged() = default;

int TDlgStaged::ExecModal(TStageCommands& commands, QWidget* parent) {
    TDlgStaged dialog(commands, parent);
    return dialog.exec();
}

TDlgStaged* TDlgStaged::ShowInstance(TStageCommands& commands, QWidget* parent) {
    if (!s_instance) {
        s_instance = new TDlgStaged(commands, parent);
        s_instance->setAttribute(Qt::WA_DeleteOnClose);
        s_instance->setModal(false);
    }
    s_instance->show();
    s_instance->raise();
    s_instance->activateWindow();
    return s_instance;
}

bool TDlgStaged::staged() const {
    return m_ui->StagedCheck->isChecked();
}

int TDlgStaged::stageCount() const {
    return m_ui->StageCount->value();
}

void TDlgStaged::setStaged(bool on) {
    m_ui->StagedCheck->setChecked(on);
    StagedCheckClick(on);
}

void TDlgStaged::setStageCount(int count) {
    m_ui->StageCount->setValue(count);
}

void TDlgStaged::FormActivate() {
    if (!HasCurrentProject()) return;
    const int count = CurrentProject().StageCount;
    m_ui->StageCount->setValue(count);
    const bool on = count > 1;
    m_ui->StagedCheck->setChecked(on);
    m_ui->StageCount->setEnabled(on);
}

void TDlgStaged::StagedCheckClick(bool checked) {
    if (checked && m_ui->StageCount->value() == 1) m_ui->StageCount->setValue(kLeastStages);
    if (!checked) m_ui->StageCount->setValue(1);
    m_ui->StageCount->setEnabled(checked);
}

void TDlgStaged::OkClick() {
    if (HasCurrentProject()) m_commands.changeStageCount(m_ui->StageCount->value());
    accept();
}

void TDlgStaged::CancelClick() {
    reject();
}

void TDlgStaged::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TDlgStaged::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    QDialog::changeEvent(event);
}

} // namespace tervane
