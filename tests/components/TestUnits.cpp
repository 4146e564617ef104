// Unit labels and factors against the code table and the worked factors.

#include "NumberText.h"
#include "QStringPrinter.h"
#include "Units.h"

#include <gtest/gtest.h>

using namespace tervane;

TEST(Units, WorkedFactorsFromSIToEnglish) {
    // Each factor rounded to the ten significant digits quoted for it (hand values:
    // 224.8089237 / 39.37007874^2 = 0.14503772521545..., and so on).
    const struct {
        const char* unit;
        const char* factor;
    } cases[] = {{"F/L^2", "0.1450377252"}, {"F/L2^3", "6.365879805"}, {"F/L2^2", "20.88543243"},
                 {"F/L", "5.710146662"},    {"F-L", "8850.745028"},    {"F-L^2", "348454.5286"},
                 {"L2", "3.280839895"}};
    for (const auto& c : cases) {
        const long double f = UnitsFactor(kUnitsSI, kUnitsEnglish, QString::fromLatin1(c.unit));
        EXPECT_EQ(FormatGeneral(f, 10), QString::fromLatin1(c.factor)) << c.unit;
    }
    EXPECT_EQ(FormatGeneral(UnitsFactor(kUnitsEnglish, kUnitsSI, "F/L^2"), 10),
              QStringLiteral("6.894757888"));
    // The code factors are held with exactly their decimal values.
    EXPECT_EQ(UnitsFactor(kUnitsSI, kUnitsEnglish, "F"), 224.8089237L);
    EXPECT_EQ(UnitsFactor(kUnitsSI, kUnitsEnglish, "L"), 39.37007874L);
}

TEST(Units, LabelsInEachSystem) {
    const struct {
        const char* unit;
        const char* english;
        const char* si;
        const char* otherCaption;
    } cases[] = {
        {"F/L^2", "lbs/in^2", "kN/m^2", "F/L^2"},
        {"F/L2^2", "lbs/ft^2", "kN/m^2", "F/L^2"},
        {"L2", "ft", "m", "L"},
        {"L1", "in", "mm", "L"},
        {"F-L/RAD.", "lbs-in/RAD.", "kN-m/RAD.", "F-L/RAD."},
        {"F1/L2", "kips/ft", "kN/m", "F/L"},
        {"F2", "tons", "kN", "F"},
        {"F4", "lb-sec2/in", "Mg", "M"},
        {"F5", "sec", "sec", "T"},
        {"F6", "slug", "Mg", "F"},
        {"L3", "rad", "rad", "L"},
        {"L-F/Rad.", "in-lbs/Rad.", "m-kN/Rad.", "L-F/Rad."},
        {"in", "in", "in", "in"},
        {"deg.", "deg.", "deg.", "deg."},
        {"SEE NOTES", "SEE NOTES", "SEE NOTES", "SEE NOTES"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const QString unit = QString::fromLatin1(c.unit);
        EXPECT_EQ(UnitsLabel(unit, kUnitsEnglish), QString::fromLatin1(c.english)) << c.unit;
        EXPECT_EQ(UnitsLabel(unit, kUnitsSI), QString::fromLatin1(c.si)) << c.unit;
        EXPECT_EQ(UnitsLabel(unit, kUnitsSI, true), QString::fromLatin1(c.si)) << c.unit;
        // A field or an axis keeps the unit string in the Other system; a column caption
        // shows the Other labels.
        EXPECT_EQ(UnitsLabel(unit, kUnitsOther), unit) << c.unit;
        EXPECT_EQ(UnitsLabel(unit, kUnitsOther, true), QString::fromLatin1(c.otherCaption))
            << c.unit;
    }
    // Systems outside 1..3 count as the nearest one.
    EXPECT_EQ(UnitsLabel("L", 0), QStringLiteral("in"));
    EXPECT_EQ(UnitsLabel("L2", 7), QStringLiteral("L2"));
    EXPECT_EQ(ClampUnits(0), 1);
    EXPECT_EQ(ClampUnits(7), 3);
    EXPECT_EQ(ClampUnits(2), 2);
}

TEST(Units, ReplaceAllNeverLooksAtInsertedText) {
    EXPECT_EQ(ReplaceAll("F/F", "F", "FF"), QStringLiteral("FF/FF"));
    EXPECT_EQ(ReplaceAll("LLL", "LL", "L"), QStringLiteral("LL"));
    EXPECT_EQ(ReplaceAll("f-F", "F", "kN"), QStringLiteral("f-kN")); // case-sensitive
    EXPECT_EQ(ReplaceAll("abc", "", "x"), QStringLiteral("abc"));
    EXPECT_EQ(ReplaceAll("", "F", "x"), QString());
}

TEST(Units, TermFactorsAndFactorOneOutsideEnglishSI) {
    const long double kF = 224.8089237L;
    const long double kL = 39.37007874L;
    EXPECT_EQ(TermFactor(""), 1.0L);
    EXPECT_EQ(TermFactor("DEG."), 1.0L);
    EXPECT_EQ(TermFactor("RAD."), 1.0L);
    EXPECT_EQ(TermFactor("SEE NOTES"), 1.0L);
    EXPECT_EQ(TermFactor("F"), kF);
    EXPECT_EQ(TermFactor("F0"), kF);
    EXPECT_EQ(TermFactor("F1"), 0.2248089237L);
    EXPECT_EQ(TermFactor("F^2"), kF * kF);
    EXPECT_EQ(TermFactor("F-L"), kF * kL);
    EXPECT_EQ(TermFactor("F-L^3"), kF * kL * kL * kL);
    EXPECT_EQ(TermFactor("F2-L2^2"), 0.1124044745L * 3.280839895L * 3.280839895L);
    EXPECT_EQ(TermFactor("L1"), 0.03937007874L);
    EXPECT_EQ(TermFactor("L3"), 1.0L);
    EXPECT_EQ(TermFactor("L^2"), kL * kL);
    EXPECT_EQ(TermFactor("in"), 1.0L);

    for (const char* unit : {"F/L^2", "L", "F-L/RAD.", "DEG.", ""}) {
        for (const auto& pair : {std::pair{1, 3}, {3, 1}, {2, 3}, {3, 2}, {1, 1}, {2, 2}}) {
            EXPECT_EQ(UnitsFactor(pair.first, pair.second, unit), 1.0L) << unit;
        }
    }
    for (const char* unit : {"in", "deg.", "DEG.", "SEE NOTES", "", "F-L/RAD."}) {
        EXPECT_EQ(UnitsFactor(kUnitsSI, kUnitsEnglish, unit),
                  std::string(unit) == "F-L/RAD." ? kF * kL : 1.0L)
            << unit;
    }
    // English to SI and back returns a value to itself within rounding.
    for (const char* unit : {"F/L^2", "F/L2^3", "F-L^2", "L1", "F4/L"}) {
        const long double v = 1234.5678L;
        const long double back = v * UnitsFactor(kUnitsEnglish, kUnitsSI, unit) *
                                 UnitsFactor(kUnitsSI, kUnitsEnglish, unit);
        EXPECT_NEAR(static_cast<double>(back / v), 1.0, 1e-15) << unit;
    }
}
