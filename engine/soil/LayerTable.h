#pragma once
// The earth-pressure layer table: the soil layers of the backfill side from the ground surface
// down, split at the excavation level and at the backfill water table, each with its strength,
// unit weight, drainage and effective vertical stress at its top.
//
// Rows are numbered from 1 (index 0 is unused) so that the formulas can name rows L-1 and L+1
// as written; row count()+1 is the bottom row, whose top is the bottom of the profile.

#include "soil/SoilInput.h"

#include <array>

namespace tervane {

// Depths closer than this are the same depth (single-precision 1e-5).
inline const double kSoilDepthTolerance = static_cast<double>(1e-5f);

// Rows of the layer table besides its bottom row.
inline constexpr int kMaxLayerRows = 20;

// Unit weight of water: 9.81 kN/m^3 in SI, else 0.036 (pounds per cubic inch; also used for the
// project's own units), both single-precision values.
double waterUnitWeight(int unitSystem);

struct LayerRow {
    int soilType = 1;
    double thickness = 0;
    double top = 0; // depth of the row's top below the top of the wall
    double cohesion = 0;
    double phi = 0;        // friction angle, degrees
    double unitWeight = 0; // total unit weight
    bool drained = true;
    double factor = 0;       // modification factor for active earth pressure
    double optionalKa = 0;   // user's active coefficient (0: computed)
    bool belowWater = false; // top at or below the backfill water table
    double sigvp = 0;        // effective vertical stress at the top
};

struct LayerTable {
    int count = 0;         // NL
    int excavationRow = 0; // LP: row whose top is the excavation level (0: none)
    int waterRow = 0;      // LW: row whose top is the backfill water table (0: no row top there)
    bool overFull = false; // the subdivision needed more rows than the table holds
    double gammaW = 0;
    double waterDepth = 0;                          // DWb
    std::array<LayerRow, kMaxLayerRows + 2> rows{}; // rows 1 .. count+1

    LayerRow& row(int L) { return rows[static_cast<std::size_t>(L)]; }
    const LayerRow& row(int L) const { return rows[static_cast<std::size_t>(L)]; }
    // SIGV_H: effective vertical stress at the excavation level on the backfill side.
    double sigvAtExcavation() const { return excavationRow > 0 ? row(excavationRow).sigvp : 0.0; }
};

// Splits the input layers at the excavation level and the backfill water table and finds the
// rows LP and LW. Leaves `overFull` set (and the table incomplete) when the rows run out.
void subdivideLayers(const SoilInput& soil, int unitSystem, LayerTable& table);

// Effective vertical stress at each row top: total stress from the uniform surface pressure
// down, less the pore pressure (top - DWb) * gammaW on drained rows below water.
void computeOverburden(const SoilInput& soil, LayerTable& table);

} // namespace tervane
