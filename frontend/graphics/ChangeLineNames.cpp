#include "ChangeLineNames.h"

#include "GraphPlot.h"
#include "Messages.h"

#include "ui_ChangeLineNames.h"

#include <QScreen>

#include <algorithm>

namespace tervane {

namespace {
constexpr int kMinWidth = 195;
constexpr int kMinHeight = 167;
constexpr int kMargin = 10;
constexpr int kSpacing = 5;
constexpr int kButtonInset = 20;
constexpr int kSlack = 40;
} // namespace

TfrmLineNames::TfrmLineNames(QStringList& names, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TfrmLineNames>()), m_names(names) {
    m_ui->setupUi(this);
    setMinimumSize(kMinWidth, kMinHeight);
    m_ui->btnCancel->setShortcut(QKeySequence(Qt::Key_Escape));
    m_ui->lbLines->addItems(m_names);
    connect(m_ui->lbLines, &QListWidget::currentRowChanged, this,
            [this](int k) { SelectEntry(k); });
    connect(m_ui->lbLines, &QListWidget::itemDoubleClicked, this,
            [this] { SelectEntry(m_ui->lbLines->currentRow()); });
    connect(m_ui->edLine, &QLineEdit::editingFinished, this, [this] { StoreEdit(); });
    connect(m_ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    if (!m_names.isEmpty()) m_ui->lbLines->setCurrentRow(0);
    SelectEntry(m_ui->lbLines->currentRow());
    arrange();
}

TfrmLineNames::~TfrmLineNames() = default;

void TfrmLineNames::SelectEntry(int k) {
    if (k < 0 || k >= m_ui->lbLines->count()) return;
    m_ui->edLine->setText(m_ui->lbLines->item(k)->text());
    QPalette palette = m_ui->edLine->palette();
    palette.setColor(QPalette::Text, QColor::fromRgb(TGraphPlot::CurveColour(k)));
    m_ui->edLine->setPalette(palette);
}

void TfrmLineNames::StoreEdit() {
    const int k = m_ui->lbLines->currentRow();
    if (m_storing || k < 0) return;
    m_storing = true;
    if (m_ui->edLine->text().isEmpty()) {
        Messages().information(kLineNeedsName);
        m_ui->edLine->setText(m_ui->lbLines->item(k)->text());
    } else {
        m_ui->lbLines->item(k)->setText(m_ui->edLine->text());
    }
    m_storing = false;
}

QStringList TfrmLineNames::Entries() const {
    QStringList out;
    for (int k = 0; k < m_ui->lbLines->count(); ++k)
        out << m_ui->lbLines->item(k)->text();
    return out;
}

void TfrmLineNames::done(int result) {
    m_names = Entries();
    QDialog::done(result);
}

void TfrmLineNames::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen, not on the graph window.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    arrange();
}

void TfrmLineNames::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    arrange();
}

void TfrmLineNames::arrange() {
    const int w = std::max(width(), kMinWidth) - 2 * kMargin;
    const int labelH = m_ui->lblSelect->sizeHint().height();
    const int editH = m_ui->edLine->sizeHint().height();
    const int buttonH = m_ui->btnOK->sizeHint().height();
    const int listH = std::max(10, height() - 2 * labelH - editH - buttonH - kSlack);
    int y = kSpacing;
    m_ui->lblSelect->setGeometry(kMargin, y, w, labelH);
    y += labelH + kSpacing;
    m_ui->lbLines->setGeometry(kMargin, y, w, listH);
    y += listH + kSpacing;
    m_ui->lblType->setGeometry(kMargin, y, w, labelH);
    y += labelH + kSpacing;
    m_ui->edLine->setGeometry(kMargin, y, w, editH);
    y += editH + kSpacing;
    const int bw = m_ui->btnOK->sizeHint().width();
    m_ui->btnOK->setGeometry(kButtonInset, y, bw, buttonH);
    m_ui->btnCancel->setGeometry(width() - kButtonInset - bw, y, bw, buttonH);
}

} // namespace tervane
