// Surcharge pressure of point, line and strip loads on the 200-step depth grid.

#include "EngineErrors.h"
#include "EngineState.h"
#include "soil/SoilStages.h"
#include "soil/Surcharge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace tervane;

namespace {
const double pi = static_cast<double>(3.1416f);
}

TEST(Surcharge, PointLoadNearTheWall) {
    // P = 1000 at X = 0.2 H, H = 120, L = 240: at grid depth 120 (n = 1)
    // sigma = 0.28 * 1000 / (14400 * 1.16^3) = 0.01246.
    const SurchargeRow point{1, 1000, 24, 0};
    const double s = surchargeRowPressure(point, 120, 240, 120.5);
    EXPECT_NEAR(s, 0.01246, 5e-6);
    const double f028 = static_cast<double>(0.28f);
    const double f016 = static_cast<double>(0.16f);
    EXPECT_DOUBLE_EQ(s, f028 * 1000 / (14400 * std::pow(f016 + 1, 3)));
    // The grid value holds from just below 120 to 121.2; at or above dz = 1.2 it is 0.
    EXPECT_DOUBLE_EQ(surchargeRowPressure(point, 120, 240, 121.1), s);
    EXPECT_NE(surchargeRowPressure(point, 120, 240, 120.0), s);
    EXPECT_DOUBLE_EQ(surchargeRowPressure(point, 120, 240, 1.2), 0);
    EXPECT_GT(surchargeRowPressure(point, 120, 240, 1.3), 0);
    // Below the wall's tip the deepest grid value (z = 240) holds.
    EXPECT_DOUBLE_EQ(surchargeRowPressure(point, 120, 240, 500),
                     surchargeRowPressure(point, 120, 240, 240.1));

    // Far point load (m = 0.5): 1.77 P m^2 n^2 / (H^2 (m^2 + n^2)^3).
    const SurchargeRow far{1, 1000, 60, 0};
    EXPECT_NEAR(surchargeRowPressure(far, 120, 240, 120.5),
                static_cast<double>(1.77f) * 1000 * 0.25 / (14400 * std::pow(1.25, 3)), 1e-12);
}

TEST(Surcharge, LineAndStripLoads) {
    // X = 0.5 H: the 4/pi form; X = 0.4 H exactly: the 0.203 form.
    const SurchargeRow far{2, 100, 60, 0};
    EXPECT_NEAR(surchargeRowPressure(far, 120, 240, 120.5),
                4 * 100 * 0.25 * 1 / (pi * 120 * 1.25 * 1.25), 1e-12);
    const SurchargeRow near{2, 100, 48, 0};
    const double f016 = static_cast<double>(0.16f);
    EXPECT_NEAR(surchargeRowPressure(near, 120, 240, 120.5),
                static_cast<double>(0.203f) * 100 / (120 * (f016 + 1) * (f016 + 1)), 1e-12);

    // A strip centred on the wall line: alpha = 0, sigma = (2 qs / pi)(beta - sin beta).
    const SurchargeRow strip{3, 2, 0, 40};
    const double beta = 2 * std::atan(20.0 / 60.0);
    EXPECT_NEAR(surchargeRowPressure(strip, 120, 240, 60.5), 2 * 2 / pi * (beta - std::sin(beta)),
                1e-12);
}

TEST(Surcharge, SumOverRowsAndTheDriversCall) {
    auto state = std::make_unique<EngineState>();
    state->wall.increments = 240;
    state->wall.incrementLength = 1;
    state->soil.freeHeight = 120;
    EXPECT_DOUBLE_EQ(surchargePressureAt(*state, 100), 0); // no rows
    state->soil.surchargeCount = 2;
    state->soil.surcharges[0] = SurchargeRow{1, 1000, 24, 0};
    state->soil.surcharges[1] = SurchargeRow{3, 2, 30, 20};
    const double sum = surchargeRowPressure(state->soil.surcharges[0], 120, 240, 75) +
                       surchargeRowPressure(state->soil.surcharges[1], 120, 240, 75);
    EXPECT_DOUBLE_EQ(surchargePressureAt(*state, 75), sum);
    state->soil.freeHeight = 0;
    EXPECT_THROW(surchargePressureAt(*state, 75), ProblemStop);
}
