#pragma once
// Number text that never depends on the locale: "." is always the decimal separator.

#include <QString>
#include <QStringView>

namespace tervane {

// Significant digits of the intermediate values of the evaluator and of entry-field value text.
inline constexpr int kIntermediateDigits = 18;

// General format with up to `significantDigits` significant digits: the value rounded to that
// many digits, trailing zeros removed, the point written only with a fraction; fixed notation
// when the magnitude is at least 0.0001 and below 10^significantDigits (or zero), otherwise
// mantissa, "E" and the exponent with "-" only when negative and no leading zeros
// (0, 12.5, 0.0001, 1E-5, 1.25E-6, 3.4E9). Negative zero is written "0". The value must be
// finite (infinity and NaN give "INF", "-INF" and "NAN").
QString FormatGeneral(long double value, int significantDigits);

enum class NumberSyntax {
    // [-] mantissa [(E|e) [-] digits]: the evaluator's operands ("+" is always an operator).
    EntryOperand,
    // [+|-] mantissa [(E|e) [+|-] digits]: words of files.
    FileWord,
};

enum class ParseStatus { Ok, NotANumber, Overflow };

struct ParsedNumber {
    ParseStatus status = ParseStatus::NotANumber;
    long double value = 0.0L; // set when status is Ok; a value too small to hold reads as 0
};

// Reads decimal number text (mantissa: digits with an optional point and fraction, at least
// one digit). The whole text must be the number.
ParsedNumber ParseNumber(QStringView text, NumberSyntax syntax);

} // namespace tervane
