// Reading one operand of an expression: constants, functions, factorial, hexadecimal and
// decimal numbers, and the power operator's arithmetic.

#include "Evaluator.h"

#include "NumberText.h"
#include "OperandRules.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace tervane {

namespace {

[[noreturn]] void outsideDomain(const char* name) {
    throw EArithmeticError(kFaultDomain + QLatin1String(name));
}

long double reciprocal(long double value) {
    if (value == 0.0L) throw EArithmeticError(kFaultDivisionByZero);
    return finiteResult(1.0L / value);
}

// A whole number as a 32-bit integer (ceil and floor give 32-bit integers).
long double int32Result(long double whole) {
    if (whole < -2147483648.0L || whole > 2147483647.0L) throw EArithmeticError(kFaultInteger32);
    return whole;
}

// Nearest whole number, a half going to the even neighbour.
long double roundHalfEven(long double x) {
    const long double lower = std::floor(x);
    const long double diff = x - lower;
    if (diff < 0.5L) return lower;
    if (diff > 0.5L) return lower + 1.0L;
    return std::fmod(lower, 2.0L) == 0.0L ? lower : lower + 1.0L;
}

struct Function {
    const char16_t* name;
    long double (*apply)(long double);
};

// Where one name begins with another, the longer comes first.
const std::array<Function, 25> kFunctions{{
    {u"arctanh",
     [](long double x) {
         if (!(std::fabs(x) < 1.0L)) outsideDomain("arctanh");
         return std::atanh(x);
     }},
    {u"arccosh",
     [](long double x) {
         if (!(x >= 1.0L)) outsideDomain("arccosh");
         return std::acosh(x);
     }},
    {u"arcsinh", [](long double x) { return std::asinh(x); }},
    {u"arctan", [](long double x) { return std::atan(x); }},
    {u"arccos",
     [](long double x) {
         if (std::fabs(x) > 1.0L) outsideDomain("arccos");
         return std::acos(x);
     }},
    {u"arcsin",
     [](long double x) {
         if (std::fabs(x) > 1.0L) outsideDomain("arcsin");
         return std::asin(x);
     }},
    {u"tanh", [](long double x) { return std::tanh(x); }},
    {u"cosh", [](long double x) { return finiteResult(std::cosh(x)); }},
    {u"cosec", [](long double x) { return reciprocal(std::sin(x)); }},
    {u"sinh", [](long double x) { return finiteResult(std::sinh(x)); }},
    {u"cotan", [](long double x) { return reciprocal(std::tan(x)); }},
    {u"tan", [](long double x) { return finiteResult(std::tan(x)); }},
    {u"cos", [](long double x) { return std::cos(x); }},
    {u"sin", [](long double x) { return std::sin(x); }},
    {u"sec", [](long double x) { return reciprocal(std::cos(x)); }},
    {u"csc", [](long double x) { return reciprocal(std::sin(x)); }},
    {u"abs", [](long double x) { return std::fabs(x); }},
    {u"frac", [](long double x) { return x - std::trunc(x); }},
    {u"int", [](long double x) { return std::trunc(x); }},
    {u"ln",
     [](long double x) {
         if (!(x > 0.0L)) throw EArithmeticError(kFaultLogarithm);
         return std::log(x);
     }},
    {u"log",
     [](long double x) {
         if (!(x > 0.0L)) throw EArithmeticError(kFaultLogarithm);
         return std::log10(x);
     }},
    {u"round", [](long double x) { return roundHalfEven(x); }},
    {u"ceil", [](long double x) { return int32Result(std::ceil(x)); }},
    {u"floor", [](long double x) { return int32Result(std::floor(x)); }},
    {u"sqrt",
     [](long double x) {
         if (x < 0.0L) throw EArithmeticError(kFaultSquareRoot);
         return std::sqrt(x);
     }},
}};

const Function* functionAtStart(QStringView t) {
    for (const Function& f : kFunctions) {
        if (t.startsWith(QStringView(f.name), Qt::CaseInsensitive)) return &f;
    }
    return nullptr;
}

// n! for a whole n: n(n-1)...1 for n >= 1, 1 for 0, -(|n|!) for a negative n.
long double factorial(long double n) {
    if (std::trunc(n) != n) rejectEntry(kReasonFactorial);
    const long double count = std::fabs(n);
    long double product = 1.0L;
    // The product overflows long before the count runs out (at 1755!), so the loop is short.
    for (long double k = 2.0L; k <= count; k += 1.0L) {
        product *= k;
        if (std::isinf(product)) throw EArithmeticError(kFaultOverflow);
    }
    return n < 0.0L ? -product : product;
}

// "$" and a hexadecimal 32-bit integer: up to eight significant hexadecimal digits, read as a
// two's-complement 32-bit value ($FFFFFFFF is -1, the text a field writes for -1).
long double hexadecimal(QStringView digits) {
    if (digits.isEmpty()) rejectEntry(kReasonHex);
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        int d = -1;
        if (u >= u'0' && u <= u'9') d = u - u'0';
        if (u >= u'a' && u <= u'f') d = u - u'a' + 10;
        if (u >= u'A' && u <= u'F') d = u - u'A' + 10;
        if (d < 0) rejectEntry(kReasonHex);
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFULL) rejectEntry(kReasonHex);
    }
    return static_cast<long double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

long double decimal(QStringView t) {
    const ParsedNumber number = ParseNumber(t, NumberSyntax::EntryOperand);
    if (number.status == ParseStatus::Overflow) throw EArithmeticError(kFaultOverflow);
    if (number.status != ParseStatus::Ok) rejectEntry(kReasonInvalidCharacters);
    return number.value;
}

// x^n by repeated squaring and multiplying, |n| within the 32-bit range.
long double wholePower(long double base, std::int64_t n) {
    std::uint64_t count = static_cast<std::uint64_t>(n < 0 ? -n : n);
    long double result = 1.0L;
    long double square = base;
    while (count != 0) {
        if (count & 1U) result *= square;
        count >>= 1;
        if (count != 0) square *= square;
    }
    if (n >= 0) return finiteResult(result);
    if (result == 0.0L) throw EArithmeticError(kFaultDivisionByZero);
    // A reciprocal of an overflowed power is a value too small to hold.
    return std::isinf(result) ? 0.0L : 1.0L / result;
}

} // namespace

bool endsWithFunctionName(QStringView text) {
    for (const Function& f : kFunctions) {
        if (text.endsWith(QStringView(f.name), Qt::CaseInsensitive)) return true;
    }
    return false;
}

long double Power(long double base, long double exponent) {
    if (exponent == 0.0L) return 1.0L;
    if (base == 0.0L && exponent > 0.0L) return 0.0L;
    const bool whole = std::trunc(exponent) == exponent;
    if (whole && exponent >= -2147483648.0L && exponent <= 2147483647.0L) {
        return wholePower(base, static_cast<std::int64_t>(exponent));
    }
    if (base == 0.0L) throw EArithmeticError(kFaultDivisionByZero); // 0 ^ negative
    if (base < 0.0L) {
        if (!whole) throw EArithmeticError(kFaultFractionalPower);
        // A whole exponent beyond the 32-bit range: the sign follows its parity.
        const long double magnitude = finiteResult(std::exp(exponent * std::log(-base)));
        return std::fmod(exponent, 2.0L) == 0.0L ? magnitude : -magnitude;
    }
    return finiteResult(std::exp(exponent * std::log(base)));
}

long double EvaluateOperand(const QString& operand) {
    // Double signs cancel.
    QString t = operand;
    for (qsizetype at = t.indexOf(QLatin1String("--")); at >= 0;
         at = t.indexOf(QLatin1String("--"))) {
        t.remove(at, 2);
    }

    // Functions and factorials wrap the operand that remains; they are collected from the
    // outside in and applied from the inside out once the innermost value is known.
    enum class Step { Function, Factorial };
    std::vector<std::pair<Step, const Function*>> steps;
    QStringView rest(t);
    long double value = 0.0L;
    for (;;) {
        if (rest.compare(u"pi", Qt::CaseInsensitive) == 0) {
            value = std::numbers::pi_v<long double>;
        } else if (rest.compare(u"-pi", Qt::CaseInsensitive) == 0) {
            value = -std::numbers::pi_v<long double>;
        } else if (rest.compare(u"e", Qt::CaseInsensitive) == 0) {
            value = std::numbers::e_v<long double>;
        } else if (rest.compare(u"-e", Qt::CaseInsensitive) == 0) {
            value = -std::numbers::e_v<long double>;
        } else if (const Function* f = functionAtStart(rest)) {
            steps.emplace_back(Step::Function, f);
            rest = rest.mid(QStringView(f->name).size());
            continue;
        } else if (rest.endsWith(u'!')) {
            steps.emplace_back(Step::Factorial, nullptr);
            rest.chop(1);
            continue;
        } else if (rest.startsWith(u'$')) {
            value = hexadecimal(rest.mid(1));
        } else {
            value = decimal(rest);
        }
        break;
    }
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        value = step->first == Step::Function ? finiteResult(step->second->apply(value))
                                              : factorial(value);
    }
    return value;
}

} // namespace tervane
