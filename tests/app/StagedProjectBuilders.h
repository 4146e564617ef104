#pragma once
// The three-stage excavation of examples/three-stage-excavation.tv5d as an engineer enters it,
// stage by stage (table values in display units: feet, pounds per cubic foot).

#include "../model/ProjectBuilders.h"

namespace testsupport {

// Stage 1: excavation to 7 ft, no anchor; a sand layer to 60 ft.
inline void enterExcavationStageOne(tervane::TProgramData& p) {
    auto& t = p.Tables();
    p.Title = QStringLiteral("Three-stage excavation in sand: 7 ft, 16 ft, 26 ft, two anchor rows");
    p.IncrementCount = 180;
    p.IncrementLength = 3;
    p.MaxDeflection = 10;
    p.Tolerance = 1E-5L;
    p.FreeHeight = 84;
    p.ActiveWidth = 12;
    p.PYWidth = 12;
    p.WaterDepthBackfill = 2400;
    p.WaterDepthExcavation = 2400;
    setRow(t.PileSect(), 0, {0, 180, 1, 5.34E9L});
    setRow(t.NewSoil(), 0, {4, 60});
    const tervane::TGridTable& sand = *t.NewSoil().Cell(2, 0).AsTable();
    for (int r = 0; r < 2; ++r)
        setRow(sand, r, {120, 33, 90, 0});
}

// Stage 2: excavation to 16 ft with an anchor row at 5 ft.
inline void enterExcavationStageTwo(tervane::TProgramData& p) {
    p.FreeHeight = 192;
    p.ApplyTiebacks = true;
    setRow(p.Tables().TiebackTable1(), 0, {5, 0.868L, 2.85E7L, 25, 20, 10});
    p.SetModified();
}

// Stage 3, from a copy of stage 2: excavation to 26 ft with a second anchor row at 13 ft.
inline void enterExcavationStageThree(tervane::TProgramData& p) {
    p.FreeHeight = 312;
    tervane::TGridTable& tiebacks = p.Tables().TiebackTable1();
    tiebacks.SetRowCount(2);
    setRow(tiebacks, 1, {13, 0.868L, 2.85E7L, 20, 20, 10});
    p.SetModified();
}

} // namespace testsupport
