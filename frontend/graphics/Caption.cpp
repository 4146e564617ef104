#include "Caption.h"

#include "ui_Caption.h"

namespace tervane {

namespace {
constexpr int kClientWidth = 365;
constexpr int kClientHeight = 127;
} // namespace

TfrmGraphCaption::TfrmGraphCaption(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TfrmGraphCaption>()) {
    m_ui->setupUi(this);
    setFixedSize(kClientWidth, kClientHeight);
    connect(m_ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

TfrmGraphCaption::~TfrmGraphCaption() = default;

void TfrmGraphCaption::SetValues(const QString& title, bool atTop) {
    m_ui->edtCaption->setText(title);
    (atTop ? m_ui->rbTop : m_ui->rbBottom)->setChecked(true);
}

QString TfrmGraphCaption::TitleText() const {
    return m_ui->edtCaption->text();
}

bool TfrmGraphCaption::AtTop() const {
    return m_ui->rbTop->isChecked();
}

} // namespace tervane
