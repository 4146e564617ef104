#pragma once
// The eight graph models of the main window, with the captions, unit strings and options each
// result graph starts with. The main window owns one holder; the plot-data reader fills it; the
// graph windows, the export and the menus read it.

#include "GraphPlot.h"

#include <array>

namespace tervane {

class TGraphModels {
public:
    TGraphModels();
    TGraphModels(const TGraphModels&) = delete;
    TGraphModels& operator=(const TGraphModels&) = delete;

    TGraphPlot pltPY;      // p-y curves of the last problem block
    TGraphPlot pltDef;     // deflection vs depth, one curve per problem block
    TGraphPlot pltMom;     // bending moment vs depth
    TGraphPlot pltShear;   // shear vs depth
    TGraphPlot pltSoil;    // soil reaction vs depth
    TGraphPlot pltDMS;     // deflection, moment and shear side by side, with the soil layers
    TGraphPlot pltLD;      // earth pressure distribution, one curve per problem block
    TGraphPlot PltCombine; // earth pressure of the first block: total, soils, surcharge

    static constexpr int kCount = 8;
    // The models in the order above.
    std::array<TGraphPlot*, kCount> All();
    std::array<const TGraphPlot*, kCount> All() const;
    // Every curve of every model loses its points (the first step of reading a plot file).
    void ClearPoints();
    // Sets the unit system of every model's axis labels.
    void SetUnits(int units);
};

// Which graph commands (menu items and tool buttons) are enabled. Every one needs the last plot
// file read to have succeeded (PlotsLoaded) and the project's plot data file to exist; the p-y,
// deflection, moment, shear, soil-reaction and pressure-distribution graphs also need data (a
// first curve of more than one point); the deflection-moment-shear graph needs all three of its
// graphs enabled. `Base` serves the items with no data rule of their own (the combined pressure
// graph, the spreadsheet export, the wall geometry view).
struct TGraphCommandStates {
    bool Base = false;
    bool PY = false, Def = false, Mom = false, Shear = false, Soil = false, LD = false;
    bool DMS = false;
};
TGraphCommandStates GraphCommandStates(const TGraphModels& models, bool plotsLoaded,
                                       bool plotFileExists);

} // namespace tervane
