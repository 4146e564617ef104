#pragma once
// Projects built through the model as an engineer would enter them (table values in display
// units: feet, pounds per cubic foot, pounds per square foot in English units).

#include "ColumnTypes.h"
#include "ProgramData.h"

namespace testsupport {

using tervane::TGridTable;
using tervane::TProgramData;

inline void setRow(const TGridTable& table, int row, std::initializer_list<long double> values) {
    int column = 0;
    for (long double v : values) {
        const tervane::TData cell = table.Cell(column++, row);
        if (dynamic_cast<tervane::TTableColumn*>(cell.Column()))
            continue; // the row's linked table is filled on its own
        if (dynamic_cast<tervane::TFloatColumn*>(cell.Column()))
            cell.SetFloat(v);
        else
            cell.SetInteger(static_cast<int>(v));
    }
}

// The project of tests/data/anchored-wall.tv5d: stiff clay over sand, one tieback row, a strip
// surcharge, generated triangular pressure and p-y curves.
inline void buildAnchoredWall(TProgramData& p) {
    auto& t = p.Tables();
    p.Title = QStringLiteral("Anchored sheet pile, stiff clay over sand");
    p.IncrementCount = 100;
    p.IncrementLength = 3;
    p.MaxDeflection = 10;
    p.Tolerance = 1E-5L;
    p.FreeHeight = 180;
    p.ActiveWidth = 12;
    p.PYWidth = 12;
    p.WaterDepthBackfill = 2400;
    p.WaterDepthExcavation = 2400;
    t.PileSect().SetRowCount(2);
    setRow(t.PileSect(), 0, {0, 50, 1, 3.1E9L});
    setRow(t.PileSect(), 1, {51, 100, 2, 2.45E9L}); // the writer makes the last mode 1
    p.ApplyTiebacks = true;
    setRow(t.TiebackTable1(), 0, {5, 2.5, 2.9E7L, 15, 20, 8});
    p.ApplySurcharge = true;
    setRow(t.SurchargeTable(), 0, {3, 2, 24, 48});
    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(2);
    setRow(soil, 0, {3, 12});
    setRow(soil, 1, {4, 50});
    TGridTable& clay = *soil.Cell(2, 0).AsTable();
    for (int r = 0; r < 2; ++r)
        setRow(clay, r, {120, 1000, 0.007L, 500, 0});
    TGridTable& sand = *soil.Cell(2, 1).AsTable();
    for (int r = 0; r < 2; ++r)
        setRow(sand, r, {126, 34, 90, 0});
}

// A project that uses every table and option.
inline void buildFullProject(TProgramData& p) {
    auto& t = p.Tables();
    buildAnchoredWall(p);
    p.Title = QStringLiteral("\tFull project, every table  ");
    p.ApplyRestraints = true;
    t.Soillayer().SetRowCount(2);
    setRow(t.Soillayer(), 0, {1, 0, 0.25L, 0});
    setRow(t.Soillayer(), 1, {2, 100, 0, 0.001L});
    p.ApplyConcentratedLoads = true;
    setRow(t.BoundCond(), 0, {2, 0, 10, 1500, -200, 35000});
    p.ApplySprings = true;
    setRow(t.SoilStrength(), 0, {2, 40, 41, 12000, 3.5E7L});
    p.ApplyPYModifiers = true;
    setRow(t.PYMod(), 0, {0, 0.5L, 1});
    setRow(t.PYMod(), 1, {20, 1, 1.25L});
    TGridTable& s = t.SurchargeTable();
    s.SetRowCount(3);
    setRow(s, 0, {1, 5000, 36, 0});
    setRow(s, 1, {2, 300, 60, 0});
    setRow(s, 2, {3, 2, 24, 48});
    p.UniformSurcharge = 0.5L;
    p.BackfillSlope = 10;
    p.ActivePressureFactor = 1.2L;
    p.EarthPressureMethod = 3;
    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(7);
    for (int r = 0; r < 7; ++r) {
        setRow(soil, r, {static_cast<long double>(r + 1), 5.0L * (r + 1)});
        TGridTable& params = *soil.Cell(2, r).AsTable();
        for (int row = 0; row < 2; ++row)
            for (int c = 0; c < params.ColumnCount(); ++c)
                params.Cell(c, row).SetFloat(100 * (r + 1) + 10 * row + c + 0.5L);
    }
    p.GeneratePYCurves = 1;
    p.ApplyExternalPY = true;
    TGridTable& sets = t.PYCurves2();
    sets.SetRowCount(2);
    for (int r = 0; r < 2; ++r) {
        setRow(sets, r, {10.0L + r, 0, 1.5L, 0.8L});
        TGridTable& curve = *sets.Cell(1, r).AsTable();
        curve.SetRowCount(3);
        for (int i = 0; i < 3; ++i)
            setRow(curve, i, {0.1L * i, 250.0L * i * (r + 1)});
    }
    p.ApplyMomentEI = true;
    TGridTable& mei = t.MEICurves2();
    setRow(mei, 0, {20, 60});
    TGridTable& points = *mei.Cell(2, 0).AsTable();
    points.SetRowCount(3);
    for (int i = 0; i < 3; ++i)
        setRow(points, i, {1E6L * i, 3.1E9L - 1E8L * i});
    p.LongTermAnalysis = true;
    TGridTable& longSoil = t.LongSoil();
    longSoil.SetRowCount(2);
    setRow(longSoil, 0, {5, 12});
    setRow(longSoil, 1, {4, 50});
    for (int r = 0; r < 2; ++r)
        for (int row = 0; row < 2; ++row) {
            TGridTable& params = *longSoil.Cell(2, r).AsTable();
            for (int c = 0; c < params.ColumnCount(); ++c)
                params.Cell(c, row).SetFloat(50 + c + row + 0.25L);
        }
}

} // namespace testsupport
