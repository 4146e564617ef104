#include "DataEdit.h"

#include "EntryErrors.h"
#include "Evaluator.h"
#include "Messages.h"
#include "Units.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tervane {

namespace {

int g_formReadingDepth = 0;
bool g_showingMessage = false;
// Every live field, so that the end of form reading reaches the fields it read.
std::vector<TDataEdit*>& liveFields() {
    static std::vector<TDataEdit*> fields;
    return fields;
}

// Keys that append to a fully selected value instead of replacing it.
bool isOperatorKey(const QString& text) {
    return text.size() == 1 && QStringLiteral("+-/*^=%!").contains(text[0]);
}

// The nearest whole number (halves to even), saturated into the 64-bit range.
std::int64_t roundedInteger(long double value) {
    if (std::isnan(value)) return 0;
    const long double r = std::nearbyint(value);
    if (r >= 9223372036854775807.0L) return INT64_MAX;
    if (r <= -9223372036854775808.0L) return INT64_MIN;
    return static_cast<std::int64_t>(r);
}

} // namespace

QString FieldValueText(long double value, bool hex) {
    if (!hex) return ValueText(value);
    const std::int64_t n = roundedInteger(value);
    // A negative value of the 32-bit range as its two's complement, which "$" reads back.
    const quint64 bits = n < 0 && n >= INT32_MIN ? quint64(quint32(std::int32_t(n))) : quint64(n);
    return u'$' + QString::number(bits, 16).toUpper().rightJustified(4, u'0');
}

QString FieldLabelText(const QString& caption, const QString& unitsString, int units) {
    if (unitsString.isEmpty()) return caption;
    return caption + QStringLiteral(" (") + UnitsLabel(unitsString, units) + u')';
}

// ---- form reading

TFormReading::TFormReading() {
    ++g_formReadingDepth;
}

TFormReading::~TFormReading() {
    if (--g_formReadingDepth > 0) return;
    for (TDataEdit* field : liveFields())
        field->Loaded();
}

bool TFormReading::Active() {
    return g_formReadingDepth > 0;
}

// ---- field

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
    liveFields().push_back(this);
}

TDataEdit::~TDataEdit() {
    auto& fields = liveFields();
    fields.erase(std::remove(fields.begin(), fields.end(), this), fields.end());
}

long double TDataEdit::Number() const {
    return EvaluateEntry(text());
}

void TDataEdit::setNumber(long double value) {
    if (!TFormReading::Active()) value = std::clamp(value, m_minVal, m_maxVal);
    setText(FieldValueText(value, m_hex));
    // A long value shows its leading digits.
    setCursorPosition(0);
}

long double TDataEdit::clampBound(long double value) const {
    return m_integerOnly ? std::clamp(value, kIntegerMin, kIntegerMax) : value;
}

void TDataEdit::setMinVal(long double value) {
    if (TFormReading::Active()) {
        m_minVal = value;
        return;
    }
    m_minVal = clampBound(std::min(value, m_maxVal));
    if (Number() < m_minVal) setNumber(m_minVal);
}

void TDataEdit::setMaxVal(long double value) {
    if (TFormReading::Active()) {
        m_maxVal = value;
        return;
    }
    m_maxVal = clampBound(std::max(value, m_minVal));
    if (Number() > m_maxVal) setNumber(m_maxVal);
}

void TDataEdit::setIntegerOnly(bool value) {
    m_integerOnly = value;
    if (!value || TFormReading::Active()) return;
    setMaxVal(m_maxVal);
    setMinVal(m_minVal);
}

void TDataEdit::Loaded() {
    if (!m_integerOnly) return;
    m_minVal = clampBound(m_minVal);
    m_maxVal = clampBound(m_maxVal);
}

void TDataEdit::setCaption(const QString& value) {
    m_caption = value;
    refreshLabel();
}

void TDataEdit::setUnitsString(const QString& value) {
    m_unitsString = value;
    refreshLabel();
}

void TDataEdit::setUnits(int value) {
    m_units = ClampUnits(value);
    refreshLabel();
}

void TDataEdit::setEditLabel(QLabel* label) {
    m_editLabel = label;
    if (label) label->setBuddy(this);
    refreshLabel();
}

void TDataEdit::refreshLabel() {
    if (m_editLabel.isNull()) return;
    m_editLabel->setEnabled(isEnabled());
    m_editLabel->setText(FieldLabelText(m_caption, m_unitsString, m_units));
}

bool TDataEdit::ShowingMessage() {
    return g_showingMessage;
}

void TDataEdit::fail(const QString& message) {
    const bool outer = !g_showingMessage;
    g_showingMessage = true;
    try {
        Messages().information(message);
    } catch (...) {
        if (outer) g_showingMessage = false;
        throw;
    }
    if (outer) g_showingMessage = false;
    if (isVisible()) setFocus(Qt::OtherFocusReason);
}

void TDataEdit::Commit() {
    m_valid = false;
    emit exited();
    long double value = 0;
    try {
        value = Number();
    } catch (const EAssignError& e) {
        fail(m_integerOnly ? kMsgValidInteger : e.message());
        return;
    }
    if (m_integerOnly && value != std::trunc(value)) {
        fail(kMsgInteger);
        return;
    }
    if (value < m_minVal) {
        fail(kMsgAtLeast + FieldValueText(m_minVal, m_hex));
        setNumber(m_minVal);
        return;
    }
    if (!(value <= m_maxVal)) {
        fail(kMsgAtMost + FieldValueText(m_maxVal, m_hex));
        setNumber(m_maxVal);
        return;
    }
    const QString shown = FieldValueText(value, m_hex);
    if (shown != text()) setText(shown);
    m_valid = true;
}

bool TDataEdit::CommitAndCheck() {
    Commit();
    return m_valid;
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box, a menu or another window taking the focus is no exit from the field: the
    // dialog checks its focused field when it is deactivated.
    const Qt::FocusReason reason = event->reason();
    if (g_showingMessage || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return;
    // The check runs once the focus has settled on the next control, so that a message box and
    // the focus taken back never interrupt the focus change itself.
    QTimer::singleShot(0, this, [this] {
        // A field whose window closed meanwhile has nothing left to check.
        if (!isVisible()) return;
        try {
            Commit();
        } catch (const EFrontendError& e) {
            fail(e.message());
        }
    });
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        try {
            Commit();
        } catch (const EFrontendError& e) {
            fail(e.message());
        }
        selectAll();
        event->accept();
        return;
    }
    if (isOperatorKey(event->text()) && hasSelectedText() && selectedText() == text()) {
        deselect();
        setCursorPosition(static_cast<int>(text().size()));
    }
    QLineEdit::keyPressEvent(event);
}

void TDataEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) refreshLabel();
}

} // namespace tervane
