#pragma once
// Dimensions of the 3-D scene taken from the project, in the display length unit L2 (feet in
// English units, metres otherwise), computed afresh each time they are asked for.

#include "Scene3D.h"

namespace tervane {

class TGridTable;
class TProgramData;

// A project length held in L (inches in English units) in scene units.
double SceneLength(const TProgramData& project, long double value);
// A table cell in L1 (inches in English units, millimetres otherwise) in scene units.
double SceneLengthL1(const TProgramData& project, long double value);
// A table cell of a float column, 0 for a row or column the table does not have.
double CellFloat(const TGridTable& table, int column, int row);
int CellInt(const TGridTable& table, int column, int row);

// Wall length L: IncrementCount x IncrementLength.
double GetWallLength(const TProgramData& project);
// Increment h.
double GetWallIncr(const TProgramData& project);
int GetWallNIncr(const TProgramData& project);
// Strip width W: ActiveWidth, or 0.1 L when that is 0.
double GetWallWidth(const TProgramData& project);
// Displayed thickness t: 0.1 PYWidth, or 0.01 L when that is 0.
double GetWallThickness(const TProgramData& project);
// Depth extent D: the larger of L and the bottom of the last soil layer.
double GetDepthExtent(const TProgramData& project);

// The y of strip centre i (0 to 19): +W(i + 1/2) for i < 10, -W(i - 10 + 1/2) for the others.
inline constexpr int kStripCount = 20;
double StripCentre(double width, int i);

} // namespace tervane
