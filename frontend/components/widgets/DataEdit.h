#pragma once
// The numeric entry field: a single-line edit box that takes an arithmetic expression, checks the
// value against its bounds (and, optionally, against whole numbers), writes the value back in a
// fixed format and keeps a companion label showing its caption and the unit label of its unit
// string in the field's unit system. The field holds its value as text and converts nothing
// between unit systems.
//
// The setters follow the names Qt's form compiler calls (setMinVal for a stored "MinVal"), so that
// a form file can store the field's properties; while a form is being read (TFormReading) the
// setters store their values as they are and the write rules below do not apply.

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <cfloat>

#include <QLabel>

namespace tervane {

// Largest magnitude of the extended type: the default bounds, so that an unbounded field accepts
// every value.
inline constexpr long double kExtendedMax = LDBL_MAX;
// The bounds of a field that takes whole numbers only.
inline constexpr long double kIntegerMin = -2147483648.0L;
inline constexpr long double kIntegerMax = 2147483647.0L;

// Messages of a rejected commit (the bound follows the last two in the value format).
inline const QString kMsgValidInteger = QStringLiteral("Entry must be a valid integer.");
inline const QString kMsgInteger = QStringLiteral("Entry must be an integer.");
inline const QString kMsgAtLeast = QStringLiteral("Entry must be greater than or equal to ");
inline const QString kMsgAtMost = QStringLiteral("Entry must be less than or equal to ");

// Value text of a field: "$" and the rounded value in upper-case hexadecimal with at least four
// digits when `hex` is set ($00FF; a negative value in the 32-bit range as its two's complement,
// $FFFFFFFF for -1, which the evaluator reads back), else general format with up to 18
// significant digits (80, 0.5, 1.5E-10).
QString FieldValueText(long double value, bool hex);

// Label text of a field: the caption, and the unit label in parentheses when there is a unit
// string ("Increment Length (in)").
QString FieldLabelText(const QString& caption, const QString& unitsString, int units);

// While an object of this kind lives, every entry field is being read from form data: its setters
// store values without clamping. Ending the reading brings the bounds of integer-only fields into
// the 32-bit range.
class TFormReading {
public:
    TFormReading();
    ~TFormReading();
    TFormReading(const TFormReading&) = delete;
    TFormReading& operator=(const TFormReading&) = delete;
    static bool Active();
};

class TDataEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDataEdit(QWidget* parent = nullptr);
    ~TDataEdit() override;

    // The value of the text. Throws EAssignError when the text is not a valid entry and
    // EArithmeticError for an arithmetic fault of the evaluator.
    long double Number() const;
    // Clamps the value into MinVal..MaxVal and writes it into the text in the value format.
    void setNumber(long double value);

    long double MinVal() const { return m_minVal; }
    // A value above MaxVal is lowered to it (with IntegerOnly, clamped into the 32-bit range);
    // a current value below the new minimum is raised to it. Reads Number, so it throws as
    // Number does when the current text is invalid.
    void setMinVal(long double value);
    long double MaxVal() const { return m_maxVal; }
    void setMaxVal(long double value);

    bool IntegerOnly() const { return m_integerOnly; }
    // Switching on writes both bounds again, which brings them into the 32-bit range.
    void setIntegerOnly(bool value);
    bool Hex() const { return m_hex; }
    void setHex(bool value) { m_hex = value; }

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& value);
    const QString& UnitsString() const { return m_unitsString; }
    void setUnitsString(const QString& value);
    int Units() const { return m_units; }
    // Stored clamped into 1..3.
    void setUnits(int value);
    QLabel* EditLabel() const { return m_editLabel.data(); }
    // The companion label; the field becomes its buddy, so its accelerator focuses the field.
    void setEditLabel(QLabel* label);

    // Whether the last commit succeeded (true before the first).
    bool Valid() const { return m_valid; }

    // The check of a focus loss: evaluates the text, checks integers and bounds, writes the value
    // back or shows the failure's message and takes the focus back. An arithmetic fault is not
    // handled here: it propagates and the field stays invalid.
    void Commit();
    // Commit, then the valid flag.
    bool CommitAndCheck();

    // True while a field shows the message of a failed commit (a window deactivation caused by
    // the message box must not run another commit).
    static bool ShowingMessage();

    // Brings the bounds into the 32-bit range when IntegerOnly (the end of form reading).
    void Loaded();

signals:
    // The ordinary exit handling, fired at the start of every commit.
    void exited();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refreshLabel();
    void fail(const QString& message);
    long double clampBound(long double value) const;

    long double m_minVal = -kExtendedMax;
    long double m_maxVal = kExtendedMax;
    bool m_integerOnly = false;
    bool m_hex = false;
    QString m_caption;
    QString m_unitsString;
    int m_units = 1;
    QPointer<QLabel> m_editLabel;
    bool m_valid = true;
};

} // namespace tervane
