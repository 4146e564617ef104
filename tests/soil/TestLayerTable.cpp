// Layer subdivision, the rows LP and LW and the effective overburden stress, checked by hand.

#include "SoilTestData.h"
#include "soil/LayerTable.h"

#include <gtest/gtest.h>

using namespace tervane;
using soiltest::addLayer;
using soiltest::wall;

namespace {
const double gw = static_cast<double>(0.036f);
}

TEST(LayerTable, SplitsAtWaterTableAndExcavationLevel) {
    // H = 10, DWb = 4, one sand layer 0-30: rows 0-4, 4-10, 10-30; LW = 2, LP = 3.
    SoilInput s = wall(10, 4);
    addLayer(s, 4, 30, 0.07, 0, 30);
    LayerTable t;
    subdivideLayers(s, 1, t);
    computeOverburden(s, t);
    ASSERT_FALSE(t.overFull);
    ASSERT_EQ(t.count, 3);
    EXPECT_DOUBLE_EQ(t.row(1).top, 0);
    EXPECT_DOUBLE_EQ(t.row(2).top, 4);
    EXPECT_DOUBLE_EQ(t.row(3).top, 10);
    EXPECT_DOUBLE_EQ(t.row(4).top, 30);
    EXPECT_DOUBLE_EQ(t.row(1).thickness, 4);
    EXPECT_DOUBLE_EQ(t.row(2).thickness, 6);
    EXPECT_DOUBLE_EQ(t.row(3).thickness, 20);
    EXPECT_EQ(t.waterRow, 2);
    EXPECT_EQ(t.excavationRow, 3);
    EXPECT_FALSE(t.row(1).belowWater);
    EXPECT_TRUE(t.row(2).belowWater);
    // Total stress 0, 0.28, 0.70; the pore pressure (10 - 4) * gw comes off row 3 once.
    EXPECT_DOUBLE_EQ(t.row(1).sigvp, 0.0);
    EXPECT_DOUBLE_EQ(t.row(2).sigvp, 4 * 0.07);
    EXPECT_DOUBLE_EQ(t.row(3).sigvp, 4 * 0.07 + 6 * 0.07 - 6 * gw);
    EXPECT_DOUBLE_EQ(t.sigvAtExcavation(), t.row(3).sigvp);
    EXPECT_DOUBLE_EQ(t.gammaW, 0.035999998450279236);
}

TEST(LayerTable, WaterAtExcavationLevelAtSurfaceAndBelowProfile) {
    LayerTable t;
    SoilInput atH = wall(10, 10);
    addLayer(atH, 4, 30, 0.07, 0, 30);
    subdivideLayers(atH, 1, t);
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.waterRow, 2);
    EXPECT_EQ(t.excavationRow, 2);

    SoilInput atSurface = wall(10, 0, 0.5);
    addLayer(atSurface, 4, 30, 0.07, 0, 30);
    subdivideLayers(atSurface, 1, t);
    computeOverburden(atSurface, t);
    EXPECT_EQ(t.count, 2); // no split at the ground surface
    EXPECT_EQ(t.waterRow, 1);
    EXPECT_TRUE(t.row(1).belowWater && t.row(2).belowWater);
    EXPECT_DOUBLE_EQ(t.row(1).sigvp, 0.5);
    EXPECT_DOUBLE_EQ(t.row(2).sigvp, 0.5 + 10 * 0.07 - 10 * gw);

    SoilInput deep = wall(10, 50);
    addLayer(deep, 4, 30, 0.07, 0, 30);
    subdivideLayers(deep, 1, t);
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.waterRow, 0); // no water inside the profile
    EXPECT_FALSE(t.row(2).belowWater);

    SoilInput shallow = wall(40, 50);
    addLayer(shallow, 4, 30, 0.07, 0, 30);
    subdivideLayers(shallow, 1, t);
    EXPECT_EQ(t.excavationRow, 0); // excavation level below the profile
}

TEST(LayerTable, BoundaryNearSpecialDepthAndUndrainedClay) {
    // A boundary 1e-6 below H is taken as the excavation level: no thin extra row.
    SoilInput s = wall(10, 40);
    addLayer(s, 1, 10.000001, 0.06, 2, 0);
    addLayer(s, 4, 30, 0.07, 0, 30);
    LayerTable t;
    subdivideLayers(s, 1, t);
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.excavationRow, 2);

    // Clay 0-8 over sand 8-20, H = 12, DWb = 4: the clay keeps its total stress below water,
    // the sand loses (top - DWb) * gw.
    SoilInput c = wall(12, 4);
    addLayer(c, 1, 8, 0.06, 2, 0);
    addLayer(c, 4, 20, 0.07, 0, 30);
    subdivideLayers(c, 1, t);
    computeOverburden(c, t);
    ASSERT_EQ(t.count, 4);
    EXPECT_EQ(t.waterRow, 2);
    EXPECT_EQ(t.excavationRow, 4);
    EXPECT_FALSE(t.row(2).drained);
    EXPECT_DOUBLE_EQ(t.row(2).sigvp, 4 * 0.06);
    EXPECT_DOUBLE_EQ(t.row(3).sigvp, 8 * 0.06 - 4 * gw);
    EXPECT_DOUBLE_EQ(t.row(4).sigvp, 8 * 0.06 + 4 * 0.07 - 8 * gw);
    EXPECT_DOUBLE_EQ(t.row(3).optionalKa, 0.0);
}

TEST(LayerTable, WaterUnitWeightByUnitSystem) {
    EXPECT_DOUBLE_EQ(waterUnitWeight(2), 9.8100004196167);
    EXPECT_DOUBLE_EQ(waterUnitWeight(1), 0.035999998450279236);
    EXPECT_DOUBLE_EQ(waterUnitWeight(3), 0.035999998450279236);
}

TEST(LayerTable, TenLayersAndOptionalCoefficient) {
    // Ten layers with two splits fill 12 rows; rock rows take no optional coefficient.
    SoilInput s = wall(15, 25);
    for (int i = 1; i <= 10; ++i)
        addLayer(s, i % 2 ? 6 : 3, 4.0 * i, 0.07, 1, 0, 0, 0, 0.4);
    LayerTable t;
    subdivideLayers(s, 1, t);
    EXPECT_FALSE(t.overFull);
    EXPECT_EQ(t.count, 12);
    EXPECT_DOUBLE_EQ(t.row(13).top, 40);
    EXPECT_EQ(t.excavationRow, 5);
    EXPECT_DOUBLE_EQ(t.row(1).optionalKa, 0.0);
    EXPECT_DOUBLE_EQ(t.row(2).optionalKa, 0.4);
}
