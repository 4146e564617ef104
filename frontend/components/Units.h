#pragma once
// Unit systems, unit strings and their labels and conversion factors.
//
// A unit string is a template such as "F/L^2" in which unit codes (F, F1, F2, F4, F5, F6, L, L1,
// L2, L3) stand for units of force and length; every other character is kept as it is. A label
// replaces the codes by the unit names of a system; a factor converts values of that dimension
// between English and SI units (SI value x factor = English value).

#include <QString>

namespace tervane {

inline constexpr int kUnitsEnglish = 1; // lbs, in
inline constexpr int kUnitsSI = 2;      // kN, m
inline constexpr int kUnitsOther = 3;   // consistent units F and L, not named

// 1 for any value below 1, 3 for any value above 3 (how numeric fields and graph models store
// the unit system).
int ClampUnits(int units);

// Replaces every occurrence of `code` in `text` by `label`, scanning from left to right and
// continuing after each inserted label, so inserted text is never examined again. Matching is
// case-sensitive; an empty code leaves the text unchanged.
QString ReplaceAll(const QString& text, const QString& code, const QString& label);

// Label of a unit string in a unit system (clamped to 1..3). In the Other system the string is
// returned unchanged unless `forColumnCaption` is set, when the codes become the Other labels
// ("F/L2^2" -> "F/L^2"). Examples: "F/L^2" -> "lbs/in^2" (1), "kN/m^2" (2).
QString UnitsLabel(const QString& unitString, int units, bool forColumnCaption = false);

// Factor of one side of a unit string ("F-L^2", "L2^3", "" ...): force factor x length factor.
long double TermFactor(const QString& term);

// Factor that converts a value of this unit string from system `fromUnits` to `toUnits`:
// (TermFactor(numerator) / TermFactor(denominator)) ^ p, with p = +1 from 2 to 1, -1 from 1 to 2
// and 0 (factor 1) for every other pair, any change to or from system 3 included.
long double UnitsFactor(int fromUnits, int toUnits, const QString& unitString);

} // namespace tervane
