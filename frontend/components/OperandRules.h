#pragma once
// Pieces of operand reading that the expression rewriting needs too.

#include "EntryErrors.h"

#include <QStringView>

#include <cmath>

namespace tervane {

// Rejects the entry with the evaluator's message for `reason`.
[[noreturn]] inline void rejectEntry(const QString& reason) {
    throw EAssignError(evaluationMessage(reason));
}

// A finite result passes; an infinite or undefined one raises the overflow fault (the domain
// faults are caught before they can make one).
inline long double finiteResult(long double value) {
    if (!std::isfinite(value)) throw EArithmeticError(kFaultOverflow);
    return value;
}

// True when `text` ends with the name of one of the evaluator's functions (ignoring case), so a
// minus right after it is the sign of the function's argument.
bool endsWithFunctionName(QStringView text);

// base ^ exponent: 1 for a zero exponent, 0 for a zero base and a positive exponent, repeated
// multiplication for a whole exponent in the 32-bit range (a negative base allowed), otherwise
// exp(exponent x ln base). Throws EArithmeticError for a fault; never returns inf or NaN.
long double Power(long double base, long double exponent);

} // namespace tervane
