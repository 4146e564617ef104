#pragma once
// Builds the two parts of the 3-D scene from the project: the wall with everything attached to it
// (display list 2) and the soil layers with the water tables (display list 5). Nothing here draws;
// the results are plain data that tests check and the view compiles.

#include "Scene3D.h"

#include <vector>

namespace tervane {

class TGridTable;
class TProgramData;

// The show switches of the "Show 3DView" menu and the two switches of the "Deformed Shape"
// window, with the exaggeration of the deflections.
struct TSceneSwitches {
    bool wall = true;
    bool soilLayers = true;
    bool waterLevel = true;
    bool additionalSurcharge = true;
    bool lateralSprings = true;
    bool tieBacks = true;
    bool concentratedLoads = true;
    bool boundaryConditions = true;
    bool deformedShape = false;
    bool undeformedModel = false;
    double deformationFactor = 1;
};

// One point of the deflection curve after a run: the depth of a node and the wall's deflection
// there, in the units the deflection graph shows. Point n belongs to node n.
struct TDeflectionPoint {
    double depth = 0;
    double deflection = 0;
};

// The deflection curve the wall is bent by: the first curve of the deflection graph, handed over
// by the main window after a run and after a project with results is opened (empty for a new
// project). Kept here, outside the view windows, so that it outlives them.
void SetDeflectionCurve(std::vector<TDeflectionPoint> points);
const std::vector<TDeflectionPoint>& DeflectionCurve();
// Whether the "Deformed Shape" item and button are enabled: the "Deflection vs Depth" command is
// enabled and the curve has more than one point.
bool DeformedShapeAvailable(bool deflectionCommandEnabled);

// The wall, lateral springs, concentrated loads, restraints, tiebacks and surcharge loads.
// `deflections` is the first curve of the deflection graph (empty before a run).
TScenePart BuildPileCap(const TProgramData& project, const TSceneSwitches& switches,
                        const std::vector<TDeflectionPoint>& deflections);
// The soil blocks and water tables; empty unless the project generates p-y curves.
TScenePart BuildSoilLayers(const TProgramData& project, const TSceneSwitches& switches);

// Pieces of BuildPileCap, one file each.
void AddWall(TScenePart& part, const TProgramData& project, const TSceneSwitches& switches,
             const std::vector<TDeflectionPoint>& deflections);           // SceneWall.cpp
void AddSprings(TScenePart& part, const TProgramData& project);           // SceneLoads.cpp
void AddConcentratedLoads(TScenePart& part, const TProgramData& project); // SceneLoads.cpp
void AddRestraints(TScenePart& part, const TProgramData& project);        // SceneLoads.cpp
void AddTiebacks(TScenePart& part, const TProgramData& project);          // SceneBackfillLoads.cpp
void AddSurcharge(TScenePart& part, const TProgramData& project);         // SceneBackfillLoads.cpp

// A node span of a table whose rows may be linked to the next row: rows in order; a row whose
// mode is above 1 spans from its from-node to the to-node of the next row, which is then skipped;
// a row whose end lies below its from-node spans its from-node alone. Spans are clipped to the
// wall's nodes 0..nodeCount-1; a span wholly outside them is dropped.
struct TNodeSpan {
    int row = 0;
    int from = 0;
    int to = 0;
};
std::vector<TNodeSpan> LinkedSpans(const TGridTable& table, int modeColumn, int fromColumn,
                                   int toColumn, int nodeCount);

// The most tendons drawn on each side of the wall for one tieback row (a spacing far below the
// strip width would otherwise ask for millions).
inline constexpr int kMaxTendonsPerSide = 500;

} // namespace tervane
