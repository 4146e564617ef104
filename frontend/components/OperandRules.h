#pragma once
// Pieces of operand reading that the expression rewriting needs too.

#include <QStringView>

namespace tervane {

// True when `text` ends with the name of one of the evaluator's functions (ignoring case), so a
// minus right after it is the sign of the function's argument.
bool endsWithFunctionName(QStringView text);

// base ^ exponent: 1 for a zero exponent, 0 for a zero base and a positive exponent, repeated
// multiplication for a whole exponent in the 32-bit range (a negative base allowed), otherwise
// exp(exponent x ln base). Throws EArithmeticError for a fault; never returns inf or NaN.
long double Power(long double base, long double exponent);

} // namespace tervane
