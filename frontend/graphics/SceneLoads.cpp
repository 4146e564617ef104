// Lateral springs, concentrated loads and restraints along the wall, and the parts of the wall
// picture they share: the linked-row spans of the spring and load tables.
#include "ColumnTypes.h"
#include "ProgramData.h"
#include "Scene3DBuilder.h"
#include "SceneDimensions.h"
#include "SceneSymbols.h"

#include <algorithm>

namespace tervane {

std::vector<TNodeSpan> LinkedSpans(const TGridTable& table, int modeColumn, int fromColumn,
                                   int toColumn, int nodeCount) {
    std::vector<TNodeSpan> spans;
    for (int r = 0; r < table.RowCount(); ++r) {
        const int row = r;
        const int from = CellInt(table, fromColumn, r);
        int to = CellInt(table, toColumn, r);
        if (CellInt(table, modeColumn, r) > 1 && r + 1 < table.RowCount())
            to = CellInt(table, toColumn, ++r);
        if (to < from) to = from;
        const int low = std::max(from, 0);
        const int high = std::min(to, nodeCount - 1);
        if (low <= high) spans.push_back({row, low, high});
    }
    return spans;
}

void AddSprings(TScenePart& part, const TProgramData& project) {
    using namespace scene_colors;
    const double W = GetWallWidth(project);
    const double t = GetWallThickness(project);
    const double h = GetWallIncr(project);
    const TGridTable& table = project.Tables().SoilStrength();
    for (const TNodeSpan& span : LinkedSpans(table, 0, 1, 2, GetWallNIncr(project) + 1)) {
        for (int n = span.from; n <= span.to; ++n) {
            const double z = -n * h;
            for (int i = 0; i < kStripCount; ++i) {
                const double y = StripCentre(W, i);
                const TVec3 low{-6.25 * W, y - t / 2, z - h / 4};
                const TVec3 high{0, y + t / 2, z + h / 4};
                AddBlock(part, TSceneGroup::Spring, span.row, low, high, TFill::Faces, kSpringFace,
                         false);
                AddBlock(part, TSceneGroup::Spring, span.row, low, high, TFill::Edges, kOrangeEdge,
                         false);
            }
        }
    }
}

void AddConcentratedLoads(TScenePart& part, const TProgramData& project) {
    const double W = GetWallWidth(project);
    const double h = GetWallIncr(project);
    const double s = 4 * W / 3;
    const TGridTable& table = project.Tables().BoundCond();
    for (const TNodeSpan& span : LinkedSpans(table, 0, 1, 2, GetWallNIncr(project) + 1)) {
        const double lateral = CellFloat(table, 3, span.row);
        const double moment = CellFloat(table, 4, span.row);
        const double axial = CellFloat(table, 5, span.row);
        for (int n = span.from; n <= span.to; ++n) {
            for (int i = 0; i < kStripCount; ++i) {
                const double y = StripCentre(W, i);
                DrawForce(part, 1, 3, s, -n * h, y, 0, lateral);
                DrawMoment(part, 2, 2, 3 * s, -n * h, y, 0, moment);
                DrawForce(part, 3, 1, s, -n * h, y, 0, -axial);
            }
        }
    }
}

void AddRestraints(TScenePart& part, const TProgramData& project) {
    const double W = GetWallWidth(project);
    const double h = GetWallIncr(project);
    const int nodes = GetWallNIncr(project) + 1;
    const TGridTable& table = project.Tables().Soillayer();
    for (int r = 0; r < table.RowCount(); ++r) {
        const int node = CellInt(table, 1, r);
        if (node < 0 || node >= nodes) continue;
        const int kind = CellInt(table, 0, r);
        for (int i = 0; i < kStripCount; ++i) {
            const double y = StripCentre(W, i);
            if (kind == 1)
                DrawDispl(part, 1, 3, 2 * W / 3, -node * h, y, 0, CellFloat(table, 2, r));
            else if (kind == 2)
                DrawSlope(part, 2, 2, 2 * W, -node * h, y, 0, CellFloat(table, 3, r));
        }
    }
}

TScenePart BuildPileCap(const TProgramData& project, const TSceneSwitches& switches,
                        const std::vector<TDeflectionPoint>& deflections) {
    TScenePart part;
    AddWall(part, project, switches, deflections);
    if (switches.lateralSprings && project.ApplySprings) AddSprings(part, project);
    if (switches.concentratedLoads && project.ApplyConcentratedLoads)
        AddConcentratedLoads(part, project);
    if (switches.boundaryConditions && project.ApplyRestraints) AddRestraints(part, project);
    if (switches.tieBacks && project.ApplyTiebacks) AddTiebacks(part, project);
    if (switches.additionalSurcharge && project.ApplySurcharge) AddSurcharge(part, project);
    return part;
}

} // namespace tervane
