// Unit labels and conversion factors of unit strings.

#include "Units.h"

#include <array>
#include <cstring>

namespace tervane {

namespace {

// One unit code with its labels and its factor (English units in one SI unit).
struct UnitCode {
    const char* code;
    const char* english;
    const char* si;
    const char* other; // column captions in the Other system
    long double factor;
};

// In replacement order: the two-character codes before the one-letter code of their family.
// No English or SI label holds a capital F or L, so a replaced code is never matched again.
constexpr std::array<UnitCode, 10> kCodes{{
    {"F2", "tons", "kN", "F", 0.1124044745L},
    {"F1", "kips", "kN", "F", 0.2248089237L},
    {"F4", "lb-sec2/in", "Mg", "M", 5.7101483L},
    {"F5", "sec", "sec", "T", 1.0L},
    {"F6", "slug", "Mg", "F", 68.364249L},
    {"F", "lbs", "kN", "F", 224.8089237L},
    {"L3", "rad", "rad", "L", 1.0L},
    {"L2", "ft", "m", "L", 3.280839895L},
    {"L1", "in", "mm", "L", 0.03937007874L},
    {"L", "in", "m", "L", 39.37007874L},
}};

long double codeFactor(QChar family, QChar digit) {
    for (const UnitCode& c : kCodes) {
        if (c.code[0] == family.toLatin1() && c.code[1] == digit.toLatin1()) return c.factor;
    }
    return 1.0L;
}

// x^n for a small whole exponent n >= 0.
long double wholePower(long double x, int n) {
    long double result = 1.0L;
    for (int i = 0; i < n; ++i)
        result *= x;
    return result;
}

// Reads one part of a term at the front of `t`: the family letter, an optional code digit from
// `digits` ("0" counts as the plain code) and an optional "^" with a one-digit exponent.
// Returns the part's factor and the number of characters the part occupies.
long double readPart(const QString& t, QChar family, const char* digits, qsizetype& length) {
    QChar digit = QChar(0);
    length = 1;
    if (t.size() > 1 && t[1] == u'0') {
        length = 2;
    } else if (t.size() > 1 && t[1].toLatin1() != 0 && std::strchr(digits, t[1].toLatin1())) {
        digit = t[1];
        length = 2;
    }
    int exponent = 1;
    if (length < t.size() && t[length] == u'^' && length + 1 < t.size() &&
        t[length + 1].isDigit()) {
        exponent = t[length + 1].digitValue();
        length += 2;
    }
    return wholePower(codeFactor(family, digit), exponent);
}

} // namespace

int ClampUnits(int units) {
    if (units < kUnitsEnglish) return kUnitsEnglish;
    if (units > kUnitsOther) return kUnitsOther;
    return units;
}

QString ReplaceAll(const QString& text, const QString& code, const QString& label) {
    if (code.isEmpty()) return text;
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(code, from, Qt::CaseSensitive);
        if (at < 0) break;
        result += QStringView(text).mid(from, at - from);
        result += label;
        from = at + code.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString UnitsLabel(const QString& unitString, int units, bool forColumnCaption) {
    units = ClampUnits(units);
    if (units == kUnitsOther && !forColumnCaption) return unitString;
    QString label = unitString;
    for (const UnitCode& c : kCodes) {
        const char* name = units == kUnitsEnglish ? c.english : units == kUnitsSI ? c.si : c.other;
        label = ReplaceAll(label, QLatin1String(c.code), QLatin1String(name));
    }
    return label;
}

long double TermFactor(const QString& term) {
    QString t = term;
    long double forceFactor = 1.0L;
    if (t.startsWith(u'F')) {
        qsizetype length = 0;
        forceFactor = readPart(t, u'F', "12456", length);
        // The code, its exponent and one separator (such as "-") go.
        t.remove(0, length + 1);
    }
    long double lengthFactor = 1.0L;
    if (t.startsWith(u'L')) {
        qsizetype length = 0;
        lengthFactor = readPart(t, u'L', "123", length);
    }
    return forceFactor * lengthFactor;
}

long double UnitsFactor(int fromUnits, int toUnits, const QString& unitString) {
    int power = 0;
    if (fromUnits == kUnitsEnglish && toUnits == kUnitsSI) power = -1;
    if (fromUnits == kUnitsSI && toUnits == kUnitsEnglish) power = 1;
    if (power == 0) return 1.0L;

    const qsizetype slash = unitString.indexOf(u'/');
    const QString numerator = slash < 0 ? unitString : unitString.left(slash);
    const QString denominator = slash < 0 ? QString() : unitString.mid(slash + 1);
    const long double ratio = TermFactor(numerator) / TermFactor(denominator);
    return power > 0 ? ratio : 1.0L / ratio;
}

} // namespace tervane
