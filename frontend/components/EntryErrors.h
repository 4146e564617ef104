#pragma once
// Exceptions raised by the entry components: a rejected entry (EAssignError, whose message the
// committing control shows to the user) and an arithmetic fault met while evaluating an entry
// (EArithmeticError, which names the fault; nothing is stored when it is raised).

#include <QString>

#include <stdexcept>

namespace tervane {

// Base of the front end's own exceptions: carries the message exactly as the user sees it.
// what() gives the same text in UTF-8.
class EFrontendError : public std::runtime_error {
public:
    explicit EFrontendError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A rejected entry. The message is shown in an information box with an OK button.
class EAssignError : public EFrontendError {
public:
    using EFrontendError::EFrontendError;
};

// An arithmetic fault of the evaluator (division by zero, logarithm or root of a negative
// number, negative base with a fractional exponent, integer beyond its range, overflow).
// Distinct from EAssignError: callers that store only on success store nothing.
class EArithmeticError : public EFrontendError {
public:
    using EFrontendError::EFrontendError;
};

// Leading line of every evaluator message; the reason follows after a carriage return.
inline const QString kEvaluationFailed = QStringLiteral("Entry could not be evaluated:");

// Reasons of the evaluator's entry errors.
inline const QString kReasonBlank = QStringLiteral("entry cannot be blank");
inline const QString kReasonParentheses = QStringLiteral("() (parentheses) do not match");
inline const QString kReasonInvalidExpression = QStringLiteral("invalid expression");
inline const QString kReasonInvalidCharacters =
    QStringLiteral("invalid character(s) in expression");
inline const QString kReasonHex = QStringLiteral("invalid use of $ (hex function)");
inline const QString kReasonFactorial = QStringLiteral("! (factoral) applicable to integers only");

// The full message of an evaluator entry error: kEvaluationFailed, character 13, the reason.
inline QString evaluationMessage(const QString& reason) {
    return kEvaluationFailed + QChar(13) + reason;
}

// Messages of the arithmetic faults.
inline const QString kFaultDivisionByZero = QStringLiteral("Division by zero");
inline const QString kFaultLogarithm = QStringLiteral("Logarithm of zero or of a negative number");
inline const QString kFaultSquareRoot = QStringLiteral("Square root of a negative number");
inline const QString kFaultFractionalPower =
    QStringLiteral("Negative number raised to a fractional power");
inline const QString kFaultInteger32 = QStringLiteral("Integer beyond the 32-bit range");
inline const QString kFaultInteger64 = QStringLiteral("Integer beyond the 64-bit range");
inline const QString kFaultOverflow = QStringLiteral("Floating point overflow");
// Followed by the function's name, e.g. "Argument outside the domain of arcsin".
inline const QString kFaultDomain = QStringLiteral("Argument outside the domain of ");

} // namespace tervane
