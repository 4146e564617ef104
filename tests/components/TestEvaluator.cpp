// The expression evaluator: precedence, signs, functions and the exact failure messages.

#include "Evaluator.h"
#include "NumberText.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tervane;

namespace {

long double eval(const char* text) {
    return EvaluateEntry(QString::fromUtf8(text));
}

// The text of an entry's value with 18 significant digits, to compare to the last digit.
QString evalText(const char* text) {
    return ValueText(eval(text));
}

// Function values of the run-time library, within a few units in the last place of a long double
// (constant folding by the compiler may differ from the library there).
::testing::AssertionResult closeTo(long double actual, long double expected) {
    constexpr long double kRelative = 1e-17L;
    if (std::fabs(actual - expected) <= kRelative * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << static_cast<double>(actual) << " is not " << static_cast<double>(expected);
}

::testing::AssertionResult rejected(const char* text, const QString& reason) {
    try {
        const long double v = eval(text);
        return ::testing::AssertionFailure() << text << " gave " << static_cast<double>(v);
    } catch (const EAssignError& e) {
        if (e.message() == evaluationMessage(reason)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << text << ": " << e.what();
    }
}

::testing::AssertionResult faulted(const char* text, const QString& fault) {
    try {
        const long double v = eval(text);
        return ::testing::AssertionFailure() << text << " gave " << static_cast<double>(v);
    } catch (const EAssignError& e) {
        return ::testing::AssertionFailure() << text << " was an entry error: " << e.what();
    } catch (const EArithmeticError& e) {
        if (e.message() == fault) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << text << ": " << e.what();
    }
}

} // namespace

TEST(Evaluator, PrecedenceGroupsFromTheLeftWithinEachLevel) {
    EXPECT_EQ(eval("2+3*4"), 14.0L);
    EXPECT_EQ(eval("(2+3)*4"), 20.0L);
    EXPECT_EQ(eval("2^3^2"), 64.0L); // (2^3)^2, not 2^9
    EXPECT_EQ(eval("8/2/2"), 2.0L);
    EXPECT_EQ(eval("10-2-3"), 5.0L);
    EXPECT_EQ(eval("2+3=5"), 1.0L); // "=" binds last
    EXPECT_EQ(eval("1+2^3*2"), 17.0L);
    EXPECT_EQ(eval("((1+2)*(3+4))/7"), 3.0L);
    EXPECT_EQ(eval("1 000"), 1000.0L); // blanks go before anything else
    EXPECT_EQ(eval("\t12 *\t2.5 "), 30.0L);
}

TEST(Evaluator, SignsBindToTheirNumberBeforeAnyOperator) {
    EXPECT_EQ(eval("-2^2"), 4.0L);
    EXPECT_EQ(eval("2--3"), 5.0L);
    EXPECT_EQ(eval("2*-3"), -6.0L);
    EXPECT_EQ(eval("--3"), 3.0L);
    EXPECT_EQ(eval("---3"), -3.0L);
    EXPECT_EQ(eval("2*(1-3)"), -4.0L); // the group leaves a sign behind: 2*-2
    EXPECT_EQ(eval("(1-3)^2"), 4.0L);
    EXPECT_EQ(eval("5-(0-3)"), 8.0L);
    EXPECT_EQ(eval("2^-1"), 0.5L);
    EXPECT_EQ(eval("1E-5"), eval("0.00001"));
    EXPECT_EQ(eval("2.5e-1*4"), 1.0L);
    EXPECT_EQ(ValueText(eval("pi-1")), QStringLiteral("2.14159265358979324"));
    EXPECT_EQ(eval("-pi"), -std::numbers::pi_v<long double>);
    EXPECT_EQ(eval("-E"), -std::numbers::e_v<long double>);
}

TEST(Evaluator, MinusAfterAFunctionNameIsTheArgumentsSign) {
    EXPECT_TRUE(closeTo(eval("sin(-0.5)"), std::sin(-0.5L)));
    EXPECT_EQ(evalText("2*sin(-0.5)"), ValueText(2.0L * std::sin(-0.5L)));
    EXPECT_EQ(eval("1+abs(0-4)"), 5.0L); // the group value -4 follows the name: abs-4
    EXPECT_EQ(eval("3*int(-2.7)"), -6.0L);
    EXPECT_EQ(eval("2*SIN(-0.5)"), eval("2*sin(0-0.5)"));
    // Other operands ending in letters or signs keep the minus as a subtraction.
    EXPECT_EQ(eval("5!-3"), 117.0L);
    EXPECT_EQ(eval("$1F-1"), 30.0L);
    EXPECT_EQ(eval("(2)-1"), 1.0L);
    EXPECT_TRUE(rejected("-sin(1)", kReasonInvalidCharacters)); // no sign on a function
}

TEST(Evaluator, RemainderLogicAndComparison) {
    EXPECT_EQ(eval("7%3"), 1.0L);
    EXPECT_EQ(eval("-7%3"), -1.0L);
    EXPECT_EQ(eval("7%-3"), 1.0L);
    EXPECT_EQ(eval("7.9%3"), 1.0L);
    EXPECT_EQ(eval("-9223372036854775808%-1"), 0.0L);
    EXPECT_EQ(eval("1&0"), 0.0L);
    EXPECT_EQ(eval("2&3"), 1.0L);
    EXPECT_EQ(eval("0|2"), 1.0L);
    EXPECT_EQ(eval("0|0"), 0.0L);
    EXPECT_EQ(eval("3=3"), 1.0L);
    EXPECT_EQ(eval("3=4"), 0.0L);
}

TEST(Evaluator, FunctionsConstantsFactorialAndHexadecimal) {
    EXPECT_EQ(eval("cos(0)"), 1.0L);
    EXPECT_EQ(eval("SQRT(16)"), 4.0L);
    EXPECT_EQ(eval("cosec(pi/4)"), eval("csc(pi/4)"));
    EXPECT_EQ(eval("5!"), 120.0L);
    EXPECT_EQ(eval("0!"), 1.0L);
    EXPECT_EQ(eval("(0-3)!"), -6.0L);
    EXPECT_EQ(eval("3!!"), 720.0L);
    EXPECT_EQ(eval("$1F"), 31.0L);
    EXPECT_EQ(eval("$ff"), 255.0L);
    EXPECT_EQ(eval("$FFFFFFFF"), -1.0L); // two's complement, as fields write -1
    EXPECT_EQ(eval("$7FFFFFFF"), 2147483647.0L);
    EXPECT_EQ(eval("pi"), std::numbers::pi_v<long double>);
    EXPECT_EQ(eval("lne"), 1.0L);
    EXPECT_EQ(evalText("log(1000)"), QStringLiteral("3"));
    EXPECT_EQ(eval("round(2.5)"), 2.0L); // a half goes to the even neighbour
    EXPECT_EQ(eval("round(3.5)"), 4.0L);
    EXPECT_EQ(eval("round(0-2.5)"), -2.0L);
    EXPECT_EQ(eval("ceil(2.1)"), 3.0L);
    EXPECT_EQ(eval("floor(0-2.1)"), -3.0L);
    EXPECT_EQ(eval("frac(0-2.25)"), -0.25L);
    EXPECT_EQ(eval("int(2.9)"), 2.0L);
    // Longer names first: tanh is not tan of "h...", arccosh not arccos.
    EXPECT_TRUE(closeTo(eval("tanh(0.5)"), std::tanh(0.5L)));
    EXPECT_TRUE(closeTo(eval("arccosh(2)"), std::acosh(2.0L)));
    EXPECT_TRUE(closeTo(eval("arcsinh(2)"), std::asinh(2.0L)));
    EXPECT_TRUE(closeTo(eval("cotan(1)"), 1.0L / std::tan(1.0L)));
    EXPECT_TRUE(closeTo(eval("sec(1)"), 1.0L / std::cos(1.0L)));
    EXPECT_TRUE(
        closeTo(eval("sin(3)!"), std::sin(6.0L))); // read as sin3!: the factorial is the argument
}

TEST(Evaluator, IntermediateValuesCarry18SignificantDigits) {
    // 1/3 becomes the text 0.333333333333333333, so three times it is not 1.
    EXPECT_EQ(evalText("(1/3)*3"), QStringLiteral("0.999999999999999999"));
    EXPECT_EQ(eval("1/3"), ParseNumber(u"0.333333333333333333", NumberSyntax::EntryOperand).value);
    // sqrt(2)*pi = 4.44288293815836624701588...
    EXPECT_EQ(evalText("sqrt(2)*pi"), QStringLiteral("4.44288293815836625"));
    // Very small and very large intermediate values travel in scientific notation.
    EXPECT_EQ(evalText("1/3000000*3"), QStringLiteral("9.99999999999999999E-7"));
    EXPECT_EQ(eval("(10^20)/10^19"), 10.0L);
    EXPECT_EQ(eval("(1/10^7)*10^7"), 1.0L);
}

TEST(Evaluator, FailureMessages) {
    try {
        eval("");
        FAIL();
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.message(),
                  QString::fromUtf8("Entry could not be evaluated:\rentry cannot be blank"));
    }
    EXPECT_TRUE(rejected("()", kReasonBlank));
    EXPECT_TRUE(rejected("2*()", kReasonBlank));
    EXPECT_TRUE(rejected("   ", kReasonInvalidExpression));
    EXPECT_TRUE(rejected("3+", kReasonInvalidExpression));
    EXPECT_TRUE(rejected("5-", kReasonInvalidExpression));
    EXPECT_TRUE(rejected("2)", kReasonParentheses));
    EXPECT_TRUE(rejected("(1+2))", kReasonParentheses));
    EXPECT_TRUE(rejected("(2", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("2pi", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("2.5!", kReasonFactorial));
    EXPECT_TRUE(rejected("$G1", kReasonHex));
    EXPECT_TRUE(rejected("$", kReasonHex));
    EXPECT_TRUE(rejected("$100000000", kReasonHex));
    EXPECT_TRUE(rejected("1E+5", kReasonInvalidCharacters)); // "+" is always an operator
    EXPECT_TRUE(rejected("+3", kReasonInvalidCharacters));   // no unary plus
    EXPECT_TRUE(rejected("e-1", kReasonInvalidCharacters));  // the minus is an exponent sign
    EXPECT_TRUE(rejected("3++4", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("1.2.3", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("sin", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("1,5", kReasonInvalidCharacters)); // never a decimal comma
    // A group glued to a number is refused instead of joining the digits (2(3) is not 23).
    EXPECT_TRUE(rejected("2(3)", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("(2)3", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("(2)(3)", kReasonInvalidCharacters));
    EXPECT_TRUE(rejected("(2).5", kReasonInvalidCharacters));
    EXPECT_EQ(eval("(1+1)E-3"), eval("2E-3")); // an exponent after a group still reads
}

TEST(Evaluator, LongEntriesEvaluateInOneSweepPerPass) {
    // 20000 terms and 5000 groups: each pass is one sweep over the operators.
    QString sum = QStringLiteral("1");
    for (int i = 1; i < 20000; ++i)
        sum += QStringLiteral("+1");
    EXPECT_EQ(EvaluateEntry(sum), 20000.0L);
    QString groups = QStringLiteral("(2)");
    for (int i = 1; i < 5000; ++i)
        groups += QStringLiteral("*(1)");
    EXPECT_EQ(EvaluateEntry(groups), 2.0L);
    QString nested = QString(3000, u'(') + QStringLiteral("1") + QString(3000, u')');
    EXPECT_EQ(EvaluateEntry(nested), 1.0L);
    QString wrapped = QStringLiteral("abs").repeated(3000) + QStringLiteral("-2");
    EXPECT_EQ(EvaluateEntry(wrapped), 2.0L);
}

TEST(Evaluator, ArithmeticFaultsRaiseTheirOwnErrorNeverInfinityOrNaN) {
    EXPECT_TRUE(faulted("1/0", kFaultDivisionByZero));
    EXPECT_TRUE(faulted("0/0", kFaultDivisionByZero));
    EXPECT_TRUE(faulted("5%0.5", kFaultDivisionByZero));
    EXPECT_TRUE(faulted("0^(0-1)", kFaultDivisionByZero));
    EXPECT_TRUE(faulted("cotan(0)", kFaultDivisionByZero));
    EXPECT_TRUE(faulted("csc(0)", kFaultDivisionByZero));
    EXPECT_TRUE(faulted("ln(0)", kFaultLogarithm));
    EXPECT_TRUE(faulted("log(0-1)", kFaultLogarithm));
    EXPECT_TRUE(faulted("sqrt(0-4)", kFaultSquareRoot));
    EXPECT_TRUE(faulted("(0-8)^(1/3)", kFaultFractionalPower));
    EXPECT_TRUE(faulted("ceil(3E9)", kFaultInteger32));
    EXPECT_TRUE(faulted("floor(0-3E9)", kFaultInteger32));
    EXPECT_TRUE(faulted("1E19%2", kFaultInteger64));
    EXPECT_TRUE(faulted("10^5000", kFaultOverflow));
    EXPECT_TRUE(faulted("2^1E10", kFaultOverflow));
    EXPECT_TRUE(faulted("1E5000", kFaultOverflow));
    EXPECT_TRUE(faulted("1E4000*1E4000", kFaultOverflow));
    EXPECT_TRUE(faulted("2000!", kFaultOverflow));
    EXPECT_TRUE(faulted("1E300!", kFaultOverflow)); // stops as soon as the product overflows
    EXPECT_TRUE(faulted("cosh(1E5)", kFaultOverflow));
    EXPECT_TRUE(faulted("arcsin(2)", kFaultDomain + QStringLiteral("arcsin")));
    EXPECT_TRUE(faulted("arctanh(1)", kFaultDomain + QStringLiteral("arctanh")));
    // Values at the edge of these faults are fine.
    EXPECT_EQ(eval("(0-8)^3"), -512.0L);
    EXPECT_EQ(eval("(0-1)^(1E10)"), 1.0L);
    EXPECT_EQ(eval("10^(0-5000)"), 0.0L);
    EXPECT_EQ(eval("ceil(2147483646.5)"), 2147483647.0L);
    EXPECT_EQ(eval("1E-5000"), 0.0L);
}
