#include "DlgConLoads.h"

#include "ProgramData.h"
#include "ui_DlgConLoads.h"

namespace tervane {

TDlgConLoads::TDlgConLoads(QWidget* parent)
    : TSwitchedTableDialog(&TProgramData::ApplyConcentratedLoads, &TProjectTables::BoundCond,
                           parent),
      m_ui(std::make_unique<Ui::TDlgConLoads>()) {
    m_ui->setupUi(this);
    FinishSwitchForm(QStringLiteral("Concentrated Loads"), m_ui->cbApply, m_ui->btnEdit);
}

TDlgConLoads::~TDlgConLoads() = default;

TDlgConLoads* TDlgConLoads::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

} // namespace tervane
