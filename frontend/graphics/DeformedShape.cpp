#include "DeformedShape.h"

#include "MdiHost.h"
#include "Messages.h"
#include "NumberText.h"
#include "View3dUnit1.h"
#include "ui_DeformedShape.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPointer>

namespace tervane {

namespace {
QPointer<TDlgDeformedShape> g_window;
// Digits of the factor as the entry shows it.
constexpr int kFactorDigits = 15;
} // namespace

QString NotAFloatMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

TDlgDeformedShape* TDlgDeformedShape::ShowInstance() {
    if (g_window.isNull()) {
        auto* window = new TDlgDeformedShape;
        window->setAttribute(Qt::WA_DeleteOnClose);
        g_window = window;
        if (QMdiSubWindow* sub = AddMdiChild(window, false)) sub->adjustSize();
    } else {
        ShowChildAgain(g_window);
    }
    g_window->FormActivate();
    return g_window;
}

TDlgDeformedShape* TDlgDeformedShape::Instance() {
    return g_window.data();
}

void TDlgDeformedShape::CloseInstance() {
    if (!g_window.isNull()) CloseChild(g_window);
}

TDlgDeformedShape::TDlgDeformedShape(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::TDlgDeformedShape>()) {
    m_ui->setupUi(this);
    connect(m_ui->chkDeformed, &QCheckBox::clicked, this, &TDlgDeformedShape::DeformedClick);
    connect(m_ui->chkUndeformed, &QCheckBox::clicked, this, &TDlgDeformedShape::UndeformedClick);
    connect(m_ui->edtFactor, &QLineEdit::textEdited, this, &TDlgDeformedShape::FactorEdited);
    connect(m_ui->btnUp, &QToolButton::clicked, this, [this] { UpDownClick(true); });
    connect(m_ui->btnDown, &QToolButton::clicked, this, [this] { UpDownClick(false); });
    connect(m_ui->btnClose, &QPushButton::clicked, this, [this] { CloseChild(this); });
}

TDlgDeformedShape::~TDlgDeformedShape() = default;

void TDlgDeformedShape::FormActivate() {
    const TDlgBlock* view = TDlgBlock::Instance();
    if (view == nullptr) return;
    const TSceneSwitches& s = view->State().switches;
    m_ui->edtFactor->setText(FormatGeneral(s.deformationFactor, kFactorDigits));
    m_ui->chkDeformed->setChecked(s.deformedShape);
    m_ui->chkUndeformed->setChecked(s.undeformedModel);
    updateEnabling();
}

void TDlgDeformedShape::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormActivate();
}

void TDlgDeformedShape::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TDlgDeformedShape::updateEnabling() {
    const bool on = m_ui->chkDeformed->isChecked();
    m_ui->chkUndeformed->setEnabled(on);
    m_ui->edtFactor->setEnabled(on);
    m_ui->btnUp->setEnabled(on);
    m_ui->btnDown->setEnabled(on);
}

void TDlgDeformedShape::DeformedClick(bool checked) {
    m_ui->chkDeformed->setChecked(checked);
    updateEnabling();
    if (TDlgBlock* view = TDlgBlock::Instance()) view->SetDeformedShape(checked);
}

void TDlgDeformedShape::UndeformedClick(bool checked) {
    m_ui->chkUndeformed->setChecked(checked);
    if (TDlgBlock* view = TDlgBlock::Instance()) view->SetUndeformedModel(checked);
}

void TDlgDeformedShape::FactorEdited(const QString& text) {
    if (text.isEmpty()) return;
    const ParsedNumber n = ParseNumber(QStringView(text).trimmed(), NumberSyntax::FileWord);
    if (n.status != ParseStatus::Ok) {
        Messages().information(NotAFloatMessage(text));
        return;
    }
    if (TDlgBlock* view = TDlgBlock::Instance())
        view->SetDeformationFactor(static_cast<double>(n.value));
}

void TDlgDeformedShape::UpDownClick(bool up) {
    TDlgBlock* view = TDlgBlock::Instance();
    if (view == nullptr) return;
    const double f = StepDeformationFactor(view->State().switches.deformationFactor, up);
    m_ui->edtFactor->setText(FormatGeneral(f, kFactorDigits));
    view->SetDeformationFactor(f);
}

QString TDlgDeformedShape::FactorText() const {
    return m_ui->edtFactor->text();
}

} // namespace tervane
