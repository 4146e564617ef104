#include "DlgTitle.h"

#include "ProgramData.h"
#include "ui_DlgTitle.h"

namespace tervane {

TdlgTitle::TdlgTitle(QWidget* parent)
    : TInputDialog(parent), m_ui(std::make_unique<Ui::TdlgTitle>()) {
    m_ui->setupUi(this);
    FinishForm(QStringLiteral("Project Title"));
}

TdlgTitle::~TdlgTitle() = default;

TdlgTitle* TdlgTitle::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

void TdlgTitle::LoadFields(TProgramData& project) {
    m_ui->meTitle->setText(project.Title);
}

void TdlgTitle::StoreFields(TProgramData& project) {
    // One line: a pasted line break becomes a blank.
    QString text = m_ui->meTitle->text();
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    if (text == project.Title) return;
    project.Title = text;
    project.SetModified();
}

} // namespace tervane
