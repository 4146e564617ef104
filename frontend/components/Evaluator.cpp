// The expression evaluator: text rewriting of parenthesised groups and of operators by
// precedence. Operands (numbers, constants, functions, factorial, hexadecimal) are read in
// Operand.cpp.

#include "Evaluator.h"

#include "NumberText.h"
#include "OperandRules.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace tervane {

namespace {

// Characters that are always operators; a minus is one only when it is a subtraction.
bool isFixedOperator(QChar c) {
    return c == u'^' || c == u'*' || c == u'/' || c == u'%' || c == u'&' || c == u'+' ||
           c == u'|' || c == u'=';
}

// A character after which a minus is the sign of the operand that follows.
bool signFollows(QChar c) {
    return isFixedOperator(c) || c == u'E' || c == u'e' || c == u'-';
}

// Replaces every parenthesised group, innermost first, by the text of its value.
QString reduceGroups(QString text) {
    for (;;) {
        const qsizetype close = text.indexOf(u')');
        if (close < 0) return text;
        const qsizetype open = text.lastIndexOf(u'(', close);
        if (open < 0) rejectEntry(kReasonParentheses);
        // A group glued to a number ("2(3)", "(2)3", "(2)(3)") would otherwise be read as the
        // joined digits (23); such an entry is refused instead.
        const auto isNumberPart = [](QChar c) { return c.isDigit() || c == u'.'; };
        const bool numberBefore = open > 0 && isNumberPart(text[open - 1]);
        const bool numberAfter = close + 1 < text.size() && isNumberPart(text[close + 1]);
        if (numberBefore || numberAfter) rejectEntry(kReasonInvalidCharacters);
        const long double value = EvaluateEntry(text.mid(open + 1, close - open - 1));
        text.replace(open, close - open + 1, ValueText(value));
    }
}

// Cuts the text into operands and the operators between them. Each minus is a sign when it is
// the first character, follows an operator, "E"/"e" or another minus, or directly follows a
// function name (wherever the name stands, so 2*sin-0.5 is 2 times the sine of -0.5).
void tokenize(const QString& text, std::vector<QString>& operands, std::vector<QChar>& operators) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        bool isOperator = isFixedOperator(c);
        if (c == u'-') {
            const bool sign = i == 0 || signFollows(text[i - 1]) ||
                              endsWithFunctionName(QStringView(text).left(i));
            isOperator = !sign;
        }
        if (isOperator) {
            operands.push_back(text.mid(start, i - start));
            operators.push_back(c);
            start = i + 1;
        }
    }
    if (start < text.size()) operands.push_back(text.mid(start));
}

// The integer part of an operand of "%", truncated toward zero to a 64-bit integer.
std::int64_t integerPart(long double value) {
    const long double whole = std::trunc(value);
    // 2^63 is exact in long double; the 64-bit range is [-2^63, 2^63).
    constexpr long double kTwoTo63 = 9223372036854775808.0L;
    if (whole >= kTwoTo63 || whole < -kTwoTo63) throw EArithmeticError(kFaultInteger64);
    return static_cast<std::int64_t>(whole);
}

long double applyOperator(QChar op, long double a, long double b) {
    switch (op.unicode()) {
    case u'^':
        return Power(a, b);
    case u'*':
        return finiteResult(a * b);
    case u'/':
        if (b == 0.0L) throw EArithmeticError(kFaultDivisionByZero);
        return finiteResult(a / b);
    case u'%': {
        const std::int64_t left = integerPart(a);
        const std::int64_t right = integerPart(b);
        if (right == 0) throw EArithmeticError(kFaultDivisionByZero);
        // The remainder takes the sign of the left operand; x % -1 is 0 (and must not be
        // computed for the most negative x).
        if (right == -1) return 0.0L;
        return static_cast<long double>(left % right);
    }
    case u'&':
        return (a != 0.0L && b != 0.0L) ? 1.0L : 0.0L;
    case u'+':
        return finiteResult(a + b);
    case u'-':
        return finiteResult(a - b);
    case u'|':
        return (a != 0.0L || b != 0.0L) ? 1.0L : 0.0L;
    default: // '='
        return a == b ? 1.0L : 0.0L;
    }
}

// The operators of each precedence pass, highest first.
constexpr const char16_t* kPasses[] = {u"^", u"*/%&", u"+-|", u"="};

} // namespace

QString ValueText(long double value) {
    return FormatGeneral(value, kIntermediateDigits);
}

long double EvaluateEntry(const QString& entry) {
    if (entry.isEmpty()) rejectEntry(kReasonBlank);
    QString text = entry;
    text.remove(u' ');
    text.remove(u'\t');
    if (text.isEmpty()) rejectEntry(kReasonInvalidExpression);
    text = reduceGroups(text);

    std::vector<QString> operands;
    std::vector<QChar> operators;
    tokenize(text, operands, operators);
    if (operands.size() != operators.size() + 1) rejectEntry(kReasonInvalidExpression);

    // Each pass runs from the left: an operator and its two operands become one operand, the
    // text of the result, so the operators of one pass group from the left (2^3^2 = 64). The
    // operands and operators left by a pass are collected afresh, so a pass is one sweep.
    for (const char16_t* pass : kPasses) {
        const QString passOperators = QString::fromUtf16(pass);
        std::vector<QString> keptOperands;
        std::vector<QChar> keptOperators;
        QString current = operands.front();
        for (std::size_t k = 0; k < operators.size(); ++k) {
            if (passOperators.contains(operators[k])) {
                const long double left = EvaluateOperand(current);
                const long double right = EvaluateOperand(operands[k + 1]);
                current = ValueText(applyOperator(operators[k], left, right));
            } else {
                keptOperands.push_back(current);
                keptOperators.push_back(operators[k]);
                current = operands[k + 1];
            }
        }
        keptOperands.push_back(current);
        operands.swap(keptOperands);
        operators.swap(keptOperators);
    }
    return EvaluateOperand(operands.front());
}

} // namespace tervane
