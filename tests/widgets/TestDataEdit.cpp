// The numeric entry field: commits with their messages and what the field holds afterwards, the
// write rules of the bounds, the value text, the companion label and the keys.
#include "DataEdit.h"
#include "EntryErrors.h"
#include "ScriptedMessages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tervane;

namespace {

// The increments field of the wall dialog.
void makeIncrements(TDataEdit& field) {
    field.setIntegerOnly(true);
    field.setMinVal(1);
    field.setMaxVal(300);
}

// Presses and releases one key on `widget` as the keyboard would.
void press(QWidget* widget, int key, const QString& text = QString(),
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &up);
}

void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        press(widget, 0, QString(c));
}

QString committed(TDataEdit& field, const QString& entry, test::TScriptedMessagesScope& scope) {
    field.setText(entry);
    scope.messages.records.clear();
    field.Commit();
    const QStringList texts = scope.messages.informationTexts();
    return texts.isEmpty() ? QString() : texts.join(u'|');
}

} // namespace

TEST(DataEdit, IntegerFieldRefusalsNameTheFailureAndLeaveTheFieldAsDocumented) {
    test::TScriptedMessagesScope scope;
    TDataEdit field;
    makeIncrements(field);

    EXPECT_EQ(committed(field, "301", scope),
              QStringLiteral("Entry must be less than or equal to 300"));
    EXPECT_FALSE(field.Valid());
    EXPECT_EQ(field.text(), QStringLiteral("300"));

    EXPECT_EQ(committed(field, "2.5", scope), QStringLiteral("Entry must be an integer."));
    EXPECT_EQ(field.text(), QStringLiteral("2.5"));
    EXPECT_FALSE(field.CommitAndCheck());

    EXPECT_EQ(committed(field, "0", scope),
              QStringLiteral("Entry must be greater than or equal to 1"));
    EXPECT_EQ(field.text(), QStringLiteral("1"));

    EXPECT_EQ(committed(field, "abc", scope), QStringLiteral("Entry must be a valid integer."));
    EXPECT_EQ(field.text(), QStringLiteral("abc"));

    EXPECT_EQ(committed(field, "12*2", scope), QString());
    EXPECT_TRUE(field.Valid());
    EXPECT_EQ(field.text(), QStringLiteral("24"));
    EXPECT_TRUE(field.CommitAndCheck());
}

TEST(DataEdit, PlainFieldShowsTheEvaluatorsMessageAndKeepsTheText) {
    test::TScriptedMessagesScope scope;
    TDataEdit field;
    EXPECT_EQ(committed(field, "abc", scope),
              evaluationMessage(QStringLiteral("invalid character(s) in expression")));
    EXPECT_EQ(committed(field, "(1", scope),
              evaluationMessage(QStringLiteral("invalid character(s) in expression")));
    EXPECT_EQ(field.text(), QStringLiteral("(1"));
    EXPECT_FALSE(field.Valid());
    // An unbounded field takes any finite value; the text is the 18-digit value.
    EXPECT_EQ(committed(field, "1.5E-10*1", scope), QString());
    EXPECT_EQ(field.text(), QStringLiteral("1.5E-10"));
    EXPECT_EQ(committed(field, "-1E300*1E300", scope), QString());
    EXPECT_TRUE(field.Valid());
}

TEST(DataEdit, ArithmeticFaultIsNotHandledAndLeavesTheFieldInvalid) {
    test::TScriptedMessagesScope scope;
    TDataEdit field;
    field.setText(QStringLiteral("1/0"));
    EXPECT_THROW(field.Commit(), EArithmeticError);
    EXPECT_FALSE(field.Valid());
    EXPECT_TRUE(scope.messages.records.empty());
}

TEST(DataEdit, ValueTextInHexAndGeneralFormat) {
    EXPECT_EQ(FieldValueText(255, true), QStringLiteral("$00FF"));
    EXPECT_EQ(FieldValueText(65536, true), QStringLiteral("$10000"));
    EXPECT_EQ(FieldValueText(-1, true), QStringLiteral("$FFFFFFFF"));
    EXPECT_EQ(FieldValueText(80, false), QStringLiteral("80"));
    EXPECT_EQ(FieldValueText(0.5L, false), QStringLiteral("0.5"));
    EXPECT_EQ(FieldValueText(1.5E-10L, false), QStringLiteral("1.5E-10"));

    test::TScriptedMessagesScope scope;
    TDataEdit field;
    field.setHex(true);
    field.setNumber(255);
    EXPECT_EQ(field.text(), QStringLiteral("$00FF"));
    // The hex text reads back through the evaluator, -1 included.
    EXPECT_EQ(committed(field, "$00FF+1", scope), QString());
    EXPECT_EQ(field.text(), QStringLiteral("$0100"));
    field.setNumber(-1);
    EXPECT_EQ(field.Number(), -1.0L);
}

TEST(DataEdit, BoundWritesClampTheValueAndEachOther) {
    TDataEdit field;
    field.setNumber(5);
    field.setMinVal(10);
    EXPECT_EQ(field.text(), QStringLiteral("10"));
    field.setMaxVal(20);
    field.setNumber(25);
    EXPECT_EQ(field.text(), QStringLiteral("20"));
    // A minimum above the maximum is lowered to it, a maximum below the minimum raised.
    field.setMinVal(30);
    EXPECT_EQ(field.MinVal(), 20.0L);
    field.setMinVal(10);
    field.setMaxVal(5);
    EXPECT_EQ(field.MaxVal(), 10.0L);

    // Integer-only brings the default bounds into the 32-bit range.
    TDataEdit whole;
    EXPECT_EQ(whole.MaxVal(), kExtendedMax);
    whole.setIntegerOnly(true);
    EXPECT_EQ(whole.MaxVal(), kIntegerMax);
    EXPECT_EQ(whole.MinVal(), kIntegerMin);
    whole.setMaxVal(1E12L);
    EXPECT_EQ(whole.MaxVal(), kIntegerMax);

    // A bound written while the current text is invalid reports the entry error.
    TDataEdit invalid;
    invalid.setText(QStringLiteral("abc"));
    EXPECT_THROW(invalid.setMinVal(1), EAssignError);
}

TEST(DataEdit, FormReadingStoresValuesAsTheyAreAndEndsWithIntegerBounds) {
    TDataEdit field;
    {
        TFormReading reading;
        field.setMaxVal(-5); // below the minimum: kept while reading
        field.setNumber(100);
        field.setIntegerOnly(true);
        EXPECT_EQ(field.text(), QStringLiteral("100"));
    }
    EXPECT_EQ(field.MaxVal(), -5.0L);
    EXPECT_EQ(field.MinVal(), kIntegerMin);
}

TEST(DataEdit, LabelCarriesCaptionUnitsAndEnabledState) {
    QWidget form;
    auto* label = new QLabel(&form);
    auto* field = new TDataEdit(&form);
    field->setCaption(QStringLiteral("Modulus"));
    field->setUnitsString(QStringLiteral("F/L^2"));
    field->setEditLabel(label);
    EXPECT_EQ(label->buddy(), field);
    EXPECT_EQ(label->text(), QStringLiteral("Modulus (lbs/in^2)"));
    field->setUnits(2);
    EXPECT_EQ(label->text(), QStringLiteral("Modulus (kN/m^2)"));
    field->setUnits(7);
    EXPECT_EQ(field->Units(), 3);
    EXPECT_EQ(label->text(), QStringLiteral("Modulus (F/L^2)"));
    field->setUnits(0);
    EXPECT_EQ(field->Units(), 1);
    field->setUnitsString(QString());
    EXPECT_EQ(label->text(), QStringLiteral("Modulus"));
    field->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    field->setEnabled(true);
    EXPECT_TRUE(label->isEnabled());
}

TEST(DataEdit, EnterCommitsAndSelectsOperatorsAppendToASelectedValue) {
    test::TScriptedMessagesScope scope;
    QWidget form;
    auto* field = new TDataEdit(&form);
    auto* next = new TDataEdit(&form);
    form.show();
    QApplication::setActiveWindow(&form);
    field->setFocus();
    field->setText(QStringLiteral("12"));

    // Tab selects the whole text of the next field: "*2" appends, the commit doubles.
    next->setText(QStringLiteral("21"));
    press(field, Qt::Key_Tab);
    QCoreApplication::processEvents();
    ASSERT_TRUE(next->hasFocus());
    EXPECT_EQ(next->selectedText(), QStringLiteral("21"));
    type(next, QStringLiteral("*2"));
    EXPECT_EQ(next->text(), QStringLiteral("21*2"));
    press(next, Qt::Key_Return);
    EXPECT_EQ(next->text(), QStringLiteral("42"));
    EXPECT_EQ(next->selectedText(), QStringLiteral("42"));

    // A digit replaces a selected value as in any edit box.
    type(next, QStringLiteral("7"));
    EXPECT_EQ(next->text(), QStringLiteral("7"));

    // Leaving a field with an invalid entry shows the message once and takes the focus back.
    next->setText(QStringLiteral("3+"));
    press(next, Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(scope.messages.informationTexts(),
              QStringList{evaluationMessage(QStringLiteral("invalid expression"))});
    EXPECT_TRUE(next->hasFocus());
    EXPECT_FALSE(next->Valid());
}
