#include "DlgTieback.h"

#include "Pictures.h"
#include "ProgramData.h"
#include "ui_DlgTieback.h"

namespace tervane {

TDlgTieback::TDlgTieback(QWidget* parent)
    : TPictureTableDialog(parent), m_ui(std::make_unique<Ui::TDlgTieback>()) {
    m_ui->setupUi(this);
    FinishPictureForm(QStringLiteral("Tieback (Ground Anchor)"), m_ui->imgTieback, kPictureTieback,
                      m_ui->btnEdit, &TProjectTables::TiebackTable1);
}

TDlgTieback::~TDlgTieback() = default;

TDlgTieback* TDlgTieback::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

} // namespace tervane
