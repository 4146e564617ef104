// The project's defaults, unit changes and modified mark.

#include "ColumnTypes.h"
#include "ProgramData.h"

#include <gtest/gtest.h>

using namespace tervane;

TEST(ProgramData, NewProjectDefaults) {
    TProjectTables t;
    t.NewSoil().SetRowCount(4);
    t.ChangeUnits(2);
    TProgramData p(t);
    EXPECT_EQ(p.FileName, "NewWall.tv5d");
    EXPECT_EQ(p.Title, "New Wall");
    EXPECT_EQ(p.UnitSystem, 1);
    EXPECT_EQ(p.IncrementCount, 0);
    EXPECT_EQ(p.IncrementLength, 0.0L);
    EXPECT_EQ(p.MaxDeflection, 100.0L);
    EXPECT_EQ(p.Tolerance, 1E-5L);
    EXPECT_EQ(p.ActivePressureFactor, 1.0L);
    EXPECT_EQ(p.EarthPressureMethod, 2);
    EXPECT_EQ(p.GeneratePYCurves, 1);
    EXPECT_EQ(p.PressureCode, 1);
    EXPECT_EQ(p.StageCount, 1);
    EXPECT_FALSE(p.LongTermAnalysis);
    EXPECT_TRUE(p.OldFormatMark && p.CurrentFormatMark1 && p.CurrentFormatMark2);
    // Every table back in English units with its minimum rows.
    EXPECT_EQ(t.NewSoil().RowCount(), 1);
    EXPECT_EQ(t.NewSoil().Units(), 1);
    EXPECT_EQ(t.PYMod().RowCount(), 2);
    EXPECT_EQ(t.PYCurves2().RowCount(), 2);
    EXPECT_EQ(t.PYCurves2().Cell(1, 1).AsTable()->RowCount(), 2);
    EXPECT_FALSE(p.IsModified());
    t.PileSect().SetModified(true);
    EXPECT_TRUE(p.IsModified());
    p.ClearModified();
    EXPECT_FALSE(p.IsModified());
    p.SetModified();
    EXPECT_TRUE(p.IsModified());
}

TEST(ProgramData, UnitChangeConvertsScalarsAndSurcharges) {
    TProjectTables t;
    TProgramData p(t);
    p.FreeHeight = 120;
    p.PointLoad = 1000;
    p.LineLoad = 10;
    p.UniformSurcharge = 1;
    p.StripLoad = 2;
    p.Tolerance = 1E-5L;
    TGridTable& s = t.SurchargeTable();
    s.SetRowCount(3);
    for (int r = 0; r < 3; ++r) {
        s.Cell(0, r).SetInteger(r + 1);
        s.Cell(1, r).SetFloat(1);
        s.Cell(2, r).SetFloat(10); // inches
    }
    int refreshes = 0;
    p.OnUnitsChanged = [&] { ++refreshes; };

    p.ChangeUnits(2);
    EXPECT_EQ(p.UnitSystem, 2);
    EXPECT_EQ(refreshes, 1);
    EXPECT_NEAR(static_cast<double>(p.FreeHeight), 3.048, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.PointLoad), 4.448222468060650624, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.LineLoad), 10 * 0.004448222468060650624 / 0.0254, 1e-12);
    // psi to kPa with the project's own force factor: 0.004448222468060650624 / 0.0254^2.
    const double psiToKPa = 0.004448222468060650624 / (0.0254 * 0.0254);
    EXPECT_NEAR(psiToKPa, 6.8947586, 1e-7);
    EXPECT_NEAR(static_cast<double>(p.StripLoad), 2 * psiToKPa, 1e-12);
    // Surcharge rows by load type: lbs to kN, lbs/in to kN/m, psi to kPa; distances to mm.
    EXPECT_NEAR(static_cast<double>(s.Cell(1, 0).AsFloat()), 0.004448222468060650624, 1e-15);
    EXPECT_NEAR(static_cast<double>(s.Cell(1, 1).AsFloat()), 0.17512687, 1e-8);
    EXPECT_NEAR(static_cast<double>(s.Cell(1, 2).AsFloat()), psiToKPa, 1e-12);
    EXPECT_NEAR(static_cast<double>(s.Cell(2, 2).AsFloat()), 254, 1e-6);
    EXPECT_EQ(t.NewSoil().Units(), 2);

    // And back: within the rounding of 0.0254 x 39.3701 = 1.00000054.
    p.ChangeUnits(1);
    EXPECT_NEAR(static_cast<double>(p.FreeHeight), 120 * 1.00000054, 1e-9);
    EXPECT_NEAR(static_cast<double>(p.Tolerance), 1E-5, 1e-11);
    const double psiBack = psiToKPa * 224.8089 / (39.3701 * 39.3701);
    EXPECT_NEAR(static_cast<double>(s.Cell(1, 2).AsFloat()), psiBack, 1e-12);
    EXPECT_NEAR(psiBack, 1.0, 2e-6);

    // Through the Other system nothing converts: 120 inches is then taken as 120 metres.
    p.FreeHeight = 120;
    p.ChangeUnits(3);
    p.ChangeUnits(2);
    EXPECT_EQ(p.FreeHeight, 120.0L);
    EXPECT_EQ(s.Cell(1, 2).AsFloat(), s.Cell(1, 2).AsFloat());
    // Values outside 1..3 are clamped.
    p.ChangeUnits(7);
    EXPECT_EQ(p.UnitSystem, 3);
    p.ChangeUnits(-1);
    EXPECT_EQ(p.UnitSystem, 1);
    EXPECT_EQ(p.FreeHeight, 120.0L);
}
