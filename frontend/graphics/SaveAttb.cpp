#include "SaveAttb.h"

#include "DataEdit.h"
#include "EntryErrors.h"
#include "Messages.h"

#include "ui_SaveAttb.h"

#include <cmath>
#include <limits>

namespace tervane {

namespace {

// The 16 colours of the classic palette, which hold every curve colour.
constexpr QRgb kPalette16[16] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

// Commits an entry field as its focus loss does; an arithmetic fault of the evaluator, which the
// field leaves to its caller, is reported here. True when the entry stands.
bool fieldValid(TDataEdit* field) {
    try {
        return field->CommitAndCheck();
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
}

} // namespace

long long PicturePixels(long double inches, long double ppi) {
    const long double v = inches * ppi;
    if (!std::isfinite(v) || v < 0 || v > std::numeric_limits<int>::max()) return -1;
    return static_cast<long long>(std::nearbyint(v)); // the default rounding: halves to even
}

QImage CreatePicture(long long width, long long height) {
    if (width <= 0 || height <= 0) return {};
    if (width > kMaxPictureBytes / 4 / height) return {};
    QImage picture(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    return picture;
}

QImage WithColourDepth(const QImage& picture, TPictureColours colours) {
    switch (colours) {
    case TPictureColours::BlackAndWhite: {
        QImage out(picture.size(), QImage::Format_Mono);
        out.setColorTable({0xFFFFFFFF, 0xFF000000});
        out.setDotsPerMeterX(picture.dotsPerMeterX());
        out.setDotsPerMeterY(picture.dotsPerMeterY());
        const QImage src = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < src.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
            for (int x = 0; x < src.width(); ++x)
                out.setPixel(x, y, (line[x] & 0xFFFFFF) == 0xFFFFFF ? 0 : 1);
        }
        return out;
    }
    case TPictureColours::Colours16: {
        QList<QRgb> table(std::begin(kPalette16), std::end(kPalette16));
        return picture.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
    }
    case TPictureColours::Colours256: {
        // A full table, so that the file holds eight bits a pixel however few colours are used.
        QImage out = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        QList<QRgb> table = out.colorTable();
        while (table.size() < 256)
            table << 0xFF000000;
        out.setColorTable(table);
        return out;
    }
    case TPictureColours::HighColour:
        return picture.convertToFormat(QImage::Format_RGB555);
    case TPictureColours::TrueColour:
        return picture.convertToFormat(QImage::Format_RGB888);
    }
    return picture;
}

TdlgFormat::TdlgFormat(QImage& picture, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TdlgFormat>()), m_picture(picture) {
    {
        TFormReading reading;
        m_ui->setupUi(this);
    }
    m_ui->deHeight->setEditLabel(m_ui->lblHeight);
    m_ui->deWidth->setEditLabel(m_ui->lblWidth);
    m_ui->dePPI->setEditLabel(m_ui->lblPPI);
    // A fixed dialog without a close box: it ends through its buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
    connect(m_ui->btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TdlgFormat::~TdlgFormat() = default;

void TdlgFormat::SetValues(const QString& height, const QString& width, const QString& ppi) {
    m_ui->deHeight->setText(height);
    m_ui->deWidth->setText(width);
    m_ui->dePPI->setText(ppi);
}

TPictureColours TdlgFormat::Colours() const {
    if (m_ui->rbBW->isChecked()) return TPictureColours::BlackAndWhite;
    if (m_ui->rb256->isChecked()) return TPictureColours::Colours256;
    if (m_ui->rbHigh->isChecked()) return TPictureColours::HighColour;
    if (m_ui->rbTrue->isChecked()) return TPictureColours::TrueColour;
    return TPictureColours::Colours16;
}

void TdlgFormat::btnOKClick() {
    for (TDataEdit* field : {m_ui->deHeight, m_ui->deWidth, m_ui->dePPI})
        if (!fieldValid(field)) return;
    const long double height = m_ui->deHeight->Number();
    const long double width = m_ui->deWidth->Number();
    const long double ppi = m_ui->dePPI->Number();
    m_ppi = static_cast<int>(ppi);
    const long long h = PicturePixels(height, ppi);
    const long long w = PicturePixels(width, ppi);
    m_picture = CreatePicture(w, h);
    done(m_picture.isNull() ? kResultAbort : QDialog::Accepted);
}

} // namespace tervane
