#include "GraphModels.h"

namespace tervane {

namespace {

void depthProfile(TGraphPlot& plot, const QString& caption, const QString& xCaption,
                  const QString& xUnits) {
    plot.Caption = caption;
    plot.XCaption = xCaption;
    plot.XUnits = xUnits;
    plot.YCaption = QStringLiteral("Depth");
    plot.XOnTop = true;
}

} // namespace

TGraphModels::TGraphModels() {
    pltPY.Caption = QStringLiteral("p-y Curves");
    pltPY.XCaption = QStringLiteral("Lateral Deflection y");
    pltPY.XUnits = QStringLiteral("L");
    pltPY.YCaption = QStringLiteral("Soil Resistance p");
    pltPY.YUnits = QStringLiteral("F/L");
    pltPY.XOnTop = false;
    // The value of a p-y curve is its depth, or its station for a curve the user gave.
    pltPY.CurveName = QStringLiteral("Curve at ");

    // Depth, moment and shear captions carry their display units; the reader sets them.
    depthProfile(pltDef, QStringLiteral("Deflection vs Depth"), QStringLiteral("Deflection"),
                 QStringLiteral("L"));
    depthProfile(pltMom, QStringLiteral("Moment vs Depth"), QStringLiteral("Bending Moment"),
                 QString());
    depthProfile(pltShear, QStringLiteral("Shear vs Depth"), QStringLiteral("Shear"), QString());
    depthProfile(pltSoil, QStringLiteral("Soil Reaction vs Depth"), QStringLiteral("Soil Reaction"),
                 QStringLiteral("F/L"));
    depthProfile(pltLD, QStringLiteral("Earth Pressure Distribution"),
                 QStringLiteral("Distributed Load"), QStringLiteral("F/L"));
    depthProfile(PltCombine, QStringLiteral("Earth Pressure Combined"),
                 QStringLiteral("Distributed Load"), QStringLiteral("F/L"));

    depthProfile(pltDMS, QStringLiteral("Deflection, Moment, Shear vs Depth"),
                 QStringLiteral("Deflection"), QStringLiteral("L"));
    pltDMS.XCaption2 = QStringLiteral("Bending Moment");
    pltDMS.XCaption3 = QStringLiteral("Shear");
    pltDMS.ShowThree = true;
    pltDMS.ShowLayers = true;
    pltDMS.ShowWall = true;
}

std::array<TGraphPlot*, TGraphModels::kCount> TGraphModels::All() {
    return {&pltPY, &pltDef, &pltMom, &pltShear, &pltSoil, &pltDMS, &pltLD, &PltCombine};
}

std::array<const TGraphPlot*, TGraphModels::kCount> TGraphModels::All() const {
    return {&pltPY, &pltDef, &pltMom, &pltShear, &pltSoil, &pltDMS, &pltLD, &PltCombine};
}

void TGraphModels::ClearPoints() {
    for (TGraphPlot* plot : All())
        plot->ClearPoints();
}

void TGraphModels::SetUnits(int units) {
    for (TGraphPlot* plot : All())
        plot->SetUnits(units);
}

TGraphCommandStates GraphCommandStates(const TGraphModels& models, bool plotsLoaded,
                                       bool plotFileExists) {
    TGraphCommandStates s;
    s.Base = plotsLoaded && plotFileExists;
    s.PY = s.Base && models.pltPY.HasData();
    s.Def = s.Base && models.pltDef.HasData();
    s.Mom = s.Base && models.pltMom.HasData();
    s.Shear = s.Base && models.pltShear.HasData();
    s.Soil = s.Base && models.pltSoil.HasData();
    s.LD = s.Base && models.pltLD.HasData();
    s.DMS = s.Def && s.Mom && s.Shear;
    return s;
}

} // namespace tervane
