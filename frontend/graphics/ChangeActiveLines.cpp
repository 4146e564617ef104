#include "ChangeActiveLines.h"

#include "ui_ChangeActiveLines.h"

#include <algorithm>

namespace tervane {

namespace {
constexpr int kMinWidth = 190;
constexpr int kMinHeight = 234;
constexpr int kMargin = 10;
constexpr int kRowGap = 10;
constexpr int kToggleInset = 15;
constexpr int kButtonInset = 20;
constexpr int kSlack = 50;
const QString kGap = QStringLiteral("   ");
} // namespace

QString ToggledState(const QString& state) {
    return state == kStateActive ? kStateInactive : kStateActive;
}

QString ActiveEntryText(const QString& state, const QString& name) {
    return state + kGap + name;
}

TfrmActiveLines::TfrmActiveLines(const QStringList& names, QStringList& states, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TfrmActiveLines>()), m_names(names),
      m_states(states) {
    m_ui->setupUi(this);
    setMinimumSize(kMinWidth, kMinHeight);
    m_ui->btnCancel->setShortcut(QKeySequence(Qt::Key_Escape));
    while (m_states.size() < m_names.size())
        m_states << kStateActive;
    for (int i = 0; i < m_names.size(); ++i)
        m_ui->lbLines->addItem(ActiveEntryText(m_states.at(i), m_names.at(i)));
    if (m_ui->lbLines->count() > 0) m_ui->lbLines->setCurrentRow(0);
    connect(m_ui->lbLines, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { SetKodeLines(m_ui->lbLines->row(item)); });
    connect(m_ui->btnToggle, &QPushButton::clicked, this, [this] { ToggleSelected(); });
    connect(m_ui->btnAll, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(m_ui->btnNone, &QPushButton::clicked, this, [this] { SetAll(false); });
    connect(m_ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    arrange();
}

TfrmActiveLines::~TfrmActiveLines() = default;

void TfrmActiveLines::SetLineNames(int i) {
    if (i < 0 || i >= m_ui->lbLines->count()) return;
    m_ui->lbLines->item(i)->setText(ActiveEntryText(m_states.at(i), m_names.at(i)));
}

void TfrmActiveLines::SetKodeLines(int i) {
    if (i < 0 || i >= m_states.size()) return;
    m_states[i] = ToggledState(m_states.at(i));
    SetLineNames(i);
}

void TfrmActiveLines::ToggleSelected() {
    for (int i = 0; i < m_ui->lbLines->count(); ++i)
        if (m_ui->lbLines->item(i)->isSelected()) SetKodeLines(i);
}

void TfrmActiveLines::SetAll(bool active) {
    for (int i = 0; i < m_states.size(); ++i) {
        m_states[i] = StateText(active);
        SetLineNames(i);
    }
}

QStringList TfrmActiveLines::EntryTexts() const {
    QStringList out;
    for (int i = 0; i < m_ui->lbLines->count(); ++i)
        out << m_ui->lbLines->item(i)->text();
    return out;
}

void TfrmActiveLines::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    arrange();
}

void TfrmActiveLines::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    arrange();
}

void TfrmActiveLines::arrange() {
    const int w = std::max(width(), kMinWidth);
    const int labelH = m_ui->lblSelect->sizeHint().height();
    const int buttonH = m_ui->btnOK->sizeHint().height();
    int y = kRowGap / 2;
    m_ui->lblSelect->setGeometry(kMargin, y, w - 2 * kMargin, labelH);
    y += labelH + 2;
    m_ui->lblActive->setGeometry(kMargin + 4, y, m_ui->lblActive->sizeHint().width(), labelH);
    m_ui->lblCurve->setGeometry(kMargin + 4 + m_ui->lblActive->sizeHint().width() + 12, y,
                                m_ui->lblCurve->sizeHint().width(), labelH);
    y += labelH + 2;
    const int listH = std::max(10, height() - y - 3 * buttonH - kSlack);
    m_ui->lbLines->setGeometry(kMargin, y, w - 2 * kMargin, listH);
    y += listH + kRowGap;
    m_ui->btnToggle->setGeometry(kToggleInset, y, w - 2 * kToggleInset, buttonH);
    y += buttonH + kRowGap;
    const int half = (w - 3 * kMargin) / 2;
    m_ui->btnAll->setGeometry(kMargin, y, half, buttonH);
    m_ui->btnNone->setGeometry(w - kMargin - half, y, half, buttonH);
    y += buttonH + kRowGap;
    const int bw = m_ui->btnOK->sizeHint().width();
    m_ui->btnOK->setGeometry(kButtonInset, y, bw, buttonH);
    m_ui->btnCancel->setGeometry(w - kButtonInset - bw, y, bw, buttonH);
}

} // namespace tervane
