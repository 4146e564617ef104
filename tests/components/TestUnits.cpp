// Unit labels and factors against the code table and the worked factors.

#include "Units.h"

#include <gtest/gtest.h>

using namespace tervane;

TEST(Units, WorkedFactorsFromSIToEnglish) {
    // Hand values: 224.8089237 / 39.37007874^2 etc., to the ten digits quoted.
    const struct {
        const char* unit;
        double factor;
    } cases[] = {{"F/L^2", 0.1450377252}, {"F/L2^3", 6.365879805}, {"F/L2^2", 20.88543243},
                 {"F/L", 5.710146662},    {"F-L", 8850.745028},    {"F-L^2", 348454.5286},
                 {"L2", 3.280839895}};
    for (const auto& c : cases) {
        const long double f = UnitsFactor(kUnitsSI, kUnitsEnglish, QString::fromLatin1(c.unit));
        EXPECT_NEAR(static_cast<double>(f) / c.factor, 1.0, 1e-9) << c.unit;
    }
    EXPECT_NEAR(static_cast<double>(UnitsFactor(kUnitsEnglish, kUnitsSI, "F/L^2")), 6.894757888,
                1e-9);
}
