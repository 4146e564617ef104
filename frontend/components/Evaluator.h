#pragma once
// The expression evaluator: every number the user types is read here, so that an entry may be an
// arithmetic expression such as 12*2.5, (3+4)/2, sqrt(2)*pi or $1F.
//
// Evaluation rewrites text: a parenthesised group or an operator with its two operands is
// replaced by the text of its value (18 significant digits, see FormatGeneral) until one operand
// is left. Operators by precedence, each level grouping from the left: "^"; "*" "/" "%" "&";
// "+" "-" "|"; "=". A minus that belongs to its operand is a sign.

#include "EntryErrors.h"

#include <QString>

namespace tervane {

// Value of an entry. Throws EAssignError (message: kEvaluationFailed, character 13, a reason)
// for a rejected entry and EArithmeticError for an arithmetic fault; never returns infinity or
// NaN.
long double EvaluateEntry(const QString& text);

// Value of one operand: a number, the constants pi and e (with an optional sign), a function
// name followed by its argument operand, an operand followed by "!", or "$" and a hexadecimal
// 32-bit integer. Same exceptions as EvaluateEntry.
long double EvaluateOperand(const QString& text);

// The text that stands for a value inside an expression: general format, 18 digits.
QString ValueText(long double value);

} // namespace tervane
