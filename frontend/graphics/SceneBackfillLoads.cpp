// What the backfill carries: the tiebacks (tendon and anchor block, pointing into the backfill)
// and the additional surcharge loads on the backfill surface.
#include "ColumnTypes.h"
#include "ProgramData.h"
#include "Scene3DBuilder.h"
#include "SceneDimensions.h"
#include "SceneSymbols.h"

#include <cmath>
#include <numbers>

namespace tervane {

namespace {

// A bar from `start` along the unit direction `axis` between the distances `from` and `to`, of
// square section `side`.
std::array<TVec3, 8> bar(TVec3 start, TVec3 axis, double from, double to, double side) {
    const TVec3 across{0, 1, 0};
    const TVec3 third = Cross(axis, across);
    std::array<TVec3, 8> c;
    for (int k = 0; k < 8; ++k) {
        c[static_cast<size_t>(k)] = start + ((k & 1) ? to : from) * axis +
                                    ((k & 2) ? 0.5 : -0.5) * side * across +
                                    ((k & 4) ? 0.5 : -0.5) * side * third;
    }
    return c;
}

void addBar(TScenePart& part, TSceneGroup group, int row, const std::array<TVec3, 8>& corners) {
    AddBrick(part, group, row, corners, TFill::Faces, scene_colors::kTiebackFace, false);
    AddBrick(part, group, row, corners, TFill::Edges, scene_colors::kOrangeEdge, false);
}

void addLine(TScenePart& part, int row, TVec3 a, TVec3 b) {
    TSceneItem line;
    line.group = TSceneGroup::SurchargeLine;
    line.shape = TShape::Segments;
    line.fill = TFill::Edges;
    line.color = SetColorIndex(2);
    line.tag = row;
    line.points = {a, b};
    part.items.push_back(std::move(line));
}

} // namespace

void AddTiebacks(TScenePart& part, const TProgramData& project) {
    const TGridTable& table = project.Tables().TiebackTable1();
    const bool english = project.UnitSystem == 1;
    const double activeWidth = SceneLength(project, project.ActiveWidth);
    for (int r = 0; r < table.RowCount(); ++r) {
        const double depth = CellFloat(table, 0, r);
        const double area = CellFloat(table, 1, r);
        const double length = CellFloat(table, 3, r);
        const double angle = CellFloat(table, 4, r) * std::numbers::pi / 180;
        const double spacing = CellFloat(table, 5, r);
        if (!(spacing > 0)) continue;
        const double perSide = std::round(10 * activeWidth / spacing);
        const int n = perSide > kMaxTendonsPerSide ? kMaxTendonsPerSide
                                                   : (perSide > 0 ? static_cast<int>(perSide) : 0);
        const double b = std::sqrt(std::max(area, 0.0)) / (english ? 12 : 1);
        const TVec3 axis{-std::cos(angle), 0, -std::sin(angle)};
        for (int k = 0; k < n; ++k) {
            for (double sign : {1.0, -1.0}) {
                const TVec3 start{0, sign * spacing * (k + 0.5), -depth};
                addBar(part, TSceneGroup::Tendon, r, bar(start, axis, 0, length, b));
                addBar(part, TSceneGroup::Anchor, r,
                       bar(start, axis, length, 1.125 * length, 4 * b));
            }
        }
    }
}

void AddSurcharge(TScenePart& part, const TProgramData& project) {
    const double W = GetWallWidth(project);
    const TGridTable& table = project.Tables().SurchargeTable();
    for (int r = 0; r < table.RowCount(); ++r) {
        const int type = CellInt(table, 0, r);
        const double q = CellFloat(table, 1, r);
        const double x0 = -SceneLengthL1(project, CellFloat(table, 2, r));
        const double bs = SceneLengthL1(project, CellFloat(table, 3, r));
        if (type == 2 || type == 3) {
            const double size = type == 2 ? W : 2 * W / 3;
            const int color = type == 2 ? 2 : 1;
            for (double x : type == 2 ? std::vector<double>{x0}
                                      : std::vector<double>{x0 - bs / 2, x0, x0 + bs / 2})
                DrawForce(part, 3, color, size, 0, 0, x, -q);
        }
        for (int j = 0; j < 10; ++j) {
            for (double sign : {1.0, -1.0}) {
                switch (type) {
                case 1:
                    DrawForce(part, 3, 3, 4 * W / 3, 0, sign * W * (j + 0.5), x0, -q);
                    break;
                case 2:
                    DrawForce(part, 3, 2, W, 0, sign * W * (j + 1), x0, -q);
                    addLine(part, r, {x0, sign * W * j, 0}, {x0, sign * W * (j + 1), 0});
                    addLine(part, r, {x0, sign * W * j, W}, {x0, sign * W * (j + 1), W});
                    break;
                case 3: {
                    for (double x : {x0 - bs / 2, x0, x0 + bs / 2})
                        DrawForce(part, 3, 1, 2 * W / 3, 0, sign * W * (j + 1), x, -q);
                    const TVec3 centre{x0, sign * W * (j + 0.5), W / 3};
                    const TVec3 extent{bs / 2, W, 2 * W / 3};
                    const TVec3 low = centre - 0.5 * extent;
                    const TVec3 high = centre + 0.5 * extent;
                    AddBlock(part, TSceneGroup::SurchargeBlock, r, low, high, TFill::Faces,
                             {0, 0, 1, 0.25f}, true);
                    AddBlock(part, TSceneGroup::SurchargeBlock, r, low, high, TFill::Edges,
                             {0, 0, 1, 1}, true);
                    break;
                }
                default:
                    break;
                }
            }
        }
    }
}

} // namespace tervane
