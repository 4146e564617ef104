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

} // namespace testsupport
