#include "DlgRebar.h"

#include "Pictures.h"
#include "ProgramData.h"
#include "ui_DlgRebar.h"

namespace tervane {

TDlgRebar::TDlgRebar(QWidget* parent)
    : TPictureTableDialog(parent), m_ui(std::make_unique<Ui::TDlgRebar>()) {
    m_ui->setupUi(this);
    FinishPictureForm(QStringLiteral("Additional Surcharge"), m_ui->imgSurcharge,
                      kPictureSurchargeTypes, m_ui->btnEdit, &TProjectTables::SurchargeTable);
}

TDlgRebar::~TDlgRebar() = default;

TDlgRebar* TDlgRebar::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

} // namespace tervane
