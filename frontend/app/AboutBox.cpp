#include "AboutBox.h"

#include "ui_AboutBox.h"

namespace tervane {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TAboutBox>()) {
    m_ui->setupUi(this);
    QFont name = m_ui->ProductName->font();
    name.setPointSizeF(name.pointSizeF() * 1.6);
    name.setBold(true);
    m_ui->ProductName->setFont(name);
    setFixedSize(sizeHint());
}

TAboutBox::~TAboutBox() = default;

QStringList TAboutBox::Lines() const {
    return {m_ui->ProductName->text(), m_ui->Version->text(), m_ui->Comments->text()};
}

} // namespace tervane
