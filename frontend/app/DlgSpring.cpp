#include "DlgSpring.h"

#include "ProgramData.h"
#include "ui_DlgSpring.h"

namespace tervane {

TDlgSpring::TDlgSpring(QWidget* parent)
    : TSwitchedTableDialog(&TProgramData::ApplySprings, &TProjectTables::SoilStrength, parent),
      m_ui(std::make_unique<Ui::TDlgSpring>()) {
    m_ui->setupUi(this);
    FinishSwitchForm(QStringLiteral("Lateral & Rotational Springs"), m_ui->cbApply, m_ui->btnEdit);
}

TDlgSpring::~TDlgSpring() = default;

TDlgSpring* TDlgSpring::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

} // namespace tervane
