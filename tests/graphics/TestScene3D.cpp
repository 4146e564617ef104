// The scene builder: what the 3-D view shows of a project, checked as plain data.
#include "Scene3DBuilder.h"
#include "SceneDimensions.h"
#include "SceneMesh.h"
#include "ViewProject.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace tervane;
using testsupport::TViewProject;

std::vector<const TSceneItem*> itemsOf(const TScenePart& part, TSceneGroup group, TFill fill) {
    std::vector<const TSceneItem*> out;
    for (const TSceneItem& i : part.items)
        if (i.group == group && i.fill == fill) out.push_back(&i);
    return out;
}

void expectBounds(const TSceneItem& item, TVec3 low, TVec3 high) {
    EXPECT_NEAR(item.Min().x, low.x, 1e-9);
    EXPECT_NEAR(item.Min().y, low.y, 1e-9);
    EXPECT_NEAR(item.Min().z, low.z, 1e-9);
    EXPECT_NEAR(item.Max().x, high.x, 1e-9);
    EXPECT_NEAR(item.Max().y, high.y, 1e-9);
    EXPECT_NEAR(item.Max().z, high.z, 1e-9);
}

TEST(Scene3D, NewProjectShowsTwentyGreyStripsWithDarkCapsAndNoDeformedShape) {
    TViewProject p;
    p.wall(40, 12, 0, 0); // ActiveWidth and PYWidth 0: W = 0.1 L = 4 ft, t = 0.01 L = 0.4 ft
    SetDeflectionCurve({});
    EXPECT_FALSE(DeformedShapeAvailable(true));
    EXPECT_DOUBLE_EQ(GetWallWidth(*p.project), 4);
    EXPECT_DOUBLE_EQ(GetWallThickness(*p.project), 0.4);

    const TScenePart part = BuildPileCap(*p.project, {}, DeflectionCurve());
    const auto strips = itemsOf(part, TSceneGroup::WallStrip, TFill::Faces);
    const auto caps = itemsOf(part, TSceneGroup::WallCap, TFill::Faces);
    ASSERT_EQ(strips.size(), 20u);
    ASSERT_EQ(caps.size(), 20u);
    EXPECT_EQ(part.Count(TSceneGroup::WallStrip, TFill::Edges), 20);
    EXPECT_EQ(part.Count(TSceneGroup::DeformedWall), 0);
    EXPECT_EQ(strips[0]->color, scene_colors::kWallFace);
    EXPECT_EQ(caps[0]->color, scene_colors::kCapFace);
    // Strip i = 0 right of the centre line, i = 10 left of it; together y from -40 to 40 ft.
    expectBounds(*strips[0], {-0.2, 0, -40}, {0.2, 4, 0});
    expectBounds(*strips[10], {-0.2, -4, -40}, {0.2, 0, 0});
    expectBounds(*strips[19], {-0.2, -40, -40}, {0.2, -36, 0});
    expectBounds(*caps[9], {-0.2, 36, 0}, {0.2, 40, 0});

    TSceneSwitches off;
    off.wall = false;
    off.deformedShape = true;
    EXPECT_TRUE(BuildPileCap(*p.project, off, {{0, 0}, {1, 1}}).items.empty());
}

TEST(Scene3D, WidthsInEnglishAndSIUnits) {
    TViewProject p;
    p.wall(10, 24, 30, 18); // L = 20 ft, W = 2.5 ft, t = 0.15 ft
    EXPECT_DOUBLE_EQ(GetWallLength(*p.project), 20);
    EXPECT_DOUBLE_EQ(GetWallWidth(*p.project), 2.5);
    EXPECT_DOUBLE_EQ(GetWallThickness(*p.project), 0.15);
    p.project->UnitSystem = 2;
    p.wall(10, 0.5, 0.6, 0.3); // metres
    EXPECT_DOUBLE_EQ(GetWallLength(*p.project), 5);
    EXPECT_DOUBLE_EQ(GetWallWidth(*p.project), 0.6);
    EXPECT_NEAR(GetWallThickness(*p.project), 0.03, 1e-15);
    EXPECT_DOUBLE_EQ(SceneLengthL1(*p.project, 1500), 1.5); // millimetres
    // The depth extent follows a soil table that reaches below the tip.
    TViewProject::row(p.tables.NewSoil(), 0, {4, 8});
    EXPECT_DOUBLE_EQ(GetDepthExtent(*p.project), 8);
}

TEST(Scene3D, SoilLayersAboveTheExcavationAroundAndBelowTheTip) {
    TViewProject p;
    p.wall(40, 12, 12, 120);     // L = 40 ft, W = 1 ft, t = 1 ft
    p.project->FreeHeight = 120; // excavation at 10 ft
    auto& soil = p.tables.NewSoil();
    TViewProject::row(soil, 0, {1, 5});  // above the excavation
    TViewProject::row(soil, 1, {4, 20}); // holds the excavation level
    TViewProject::row(soil, 2, {4, 45}); // holds the tip
    TViewProject::row(soil, 3, {4, 60}); // below the tip
    TSceneSwitches s;
    s.waterLevel = false;
    const TScenePart part = BuildSoilLayers(*p.project, s);
    const auto faces = itemsOf(part, TSceneGroup::Soil, TFill::Faces);
    ASSERT_EQ(faces.size(), 1u + 3u + 4u + 2u);
    EXPECT_EQ(part.Count(TSceneGroup::Soil, TFill::Edges), 10);
    // Edges come first at alpha 1, faces at alpha 0.5, both blended, in the layer's colour.
    EXPECT_EQ(part.items[0].fill, TFill::Edges);
    EXPECT_EQ(part.items[0].color, SetColorLayer(0, 1));
    EXPECT_EQ(faces[0]->color, SetColorLayer(0, 0.5f));
    EXPECT_TRUE(faces[0]->blend);
    expectBounds(*faces[0], {-25, -10, -5}, {-0.5, 10, 0});
    expectBounds(*faces[1], {-25, -10, -10}, {-0.5, 10, -5});
    expectBounds(*faces[2], {-25, -10, -20}, {-0.5, 10, -10});
    expectBounds(*faces[3], {0.5, -10, -20}, {25, 10, -10});
    expectBounds(*faces[4], {-25, -10, -40}, {-0.5, 10, -20});
    expectBounds(*faces[5], {0.5, -10, -40}, {25, 10, -20});
    expectBounds(*faces[6], {-25, -10, -45}, {0, 10, -40}); // split at the tip
    expectBounds(*faces[7], {0, -10, -45}, {25, 10, -40});
    expectBounds(*faces[8], {-25, -10, -60}, {0, 10, -45}); // up to the centre plane
    expectBounds(*faces[9], {0, -10, -60}, {25, 10, -45});
    EXPECT_EQ(faces[9]->color, SetColorLayer(3, 0.5f));

    // A short wall: one layer holds both the excavation level and the tip.
    p.wall(15, 12, 12, 120);
    soil.SetRowCount(1);
    TViewProject::row(soil, 0, {4, 30});
    const TScenePart shortWall = BuildSoilLayers(*p.project, s);
    const auto one = itemsOf(shortWall, TSceneGroup::Soil, TFill::Faces);
    ASSERT_EQ(one.size(), 5u);
    expectBounds(*one[0], {-25, -10, -10}, {-0.5, 10, 0});
    expectBounds(*one[2], {0.5, -10, -15}, {25, 10, -10});
    expectBounds(*one[4], {0, -10, -30}, {25, 10, -15});

    p.project->GeneratePYCurves = 0;
    EXPECT_TRUE(BuildSoilLayers(*p.project, {}).items.empty());
}

TEST(Scene3D, WaterTablesWithTheirSymbolGrids) {
    TViewProject p;
    p.wall(40, 12, 12, 120);
    p.project->WaterDepthBackfill = 60;    // 5 ft
    p.project->WaterDepthExcavation = 180; // 15 ft
    TSceneSwitches s;
    s.soilLayers = false;
    const TScenePart part = BuildSoilLayers(*p.project, s);
    const auto planes = itemsOf(part, TSceneGroup::Water, TFill::Faces);
    ASSERT_EQ(planes.size(), 2u);
    expectBounds(*planes[0], {-25, -10, -5}, {0, 10, -5});
    expectBounds(*planes[1], {0, -10, -15}, {25, 10, -15});
    EXPECT_FLOAT_EQ(planes[0]->color.a, 0.5f);
    const auto symbols = itemsOf(part, TSceneGroup::WaterSymbol, TFill::Faces);
    ASSERT_EQ(symbols.size(), 50u);
    // v = 4 increments = 4 ft: apex on the plane at x = -25 + 4, y = -10 + 4; base 4 ft higher.
    EXPECT_NEAR(symbols[0]->points[0].x, -21, 1e-9);
    EXPECT_NEAR(symbols[0]->points[0].y, -6, 1e-9);
    EXPECT_NEAR(symbols[0]->points[0].z, -5, 1e-9);
    expectBounds(*symbols[0], {-23, -8, -5}, {-19, -4, -1});
    // Last of the backfill grid: x = -25 + 4 + 4 (25 - 8) / 4, y = -10 + 4 + 4 (5 - 4).
    EXPECT_NEAR(symbols[24]->points[0].x, -4, 1e-9);
    EXPECT_NEAR(symbols[24]->points[0].y, -2, 1e-9);
    EXPECT_NEAR(symbols[25]->points[0].x, 4, 1e-9);
}

TEST(Scene3D, SpringSpansFollowTheLinkedRowRule) {
    TViewProject p;
    p.wall(20, 12, 12, 120);
    p.project->ApplySprings = true;
    auto& springs = p.tables.SoilStrength();
    TViewProject::row(springs, 0, {2, 5, 6, 1000, 0}); // linked; the next row's end lies above 5
    TViewProject::row(springs, 1, {1, 8, 3, 1000, 0});
    TViewProject::row(springs, 2, {1, 10, 12, 1000, 0});
    TViewProject::row(springs, 3, {1, 18, 2147483647, 1000, 0}); // clipped to the tip, node 20
    TViewProject::row(springs, 4, {1, -9, -5, 1000, 0});         // outside the wall
    const auto spans = LinkedSpans(springs, 0, 1, 2, 21);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].from, 5);
    EXPECT_EQ(spans[0].to, 5);
    EXPECT_EQ(spans[1].row, 2);
    EXPECT_EQ(spans[1].to, 12);
    EXPECT_EQ(spans[2].to, 20);

    const TScenePart part = BuildPileCap(*p.project, {}, {});
    const auto bars = itemsOf(part, TSceneGroup::Spring, TFill::Faces);
    ASSERT_EQ(bars.size(), (1u + 3u + 3u) * 20u);
    // Into the backfill by 6.25 W, t wide, h/2 high, centred at the node.
    expectBounds(*bars[0], {-6.25, 0, -5.25}, {0, 1, -4.75});
    EXPECT_EQ(bars[0]->color, scene_colors::kSpringFace);
    p.project->ApplySprings = false;
    EXPECT_EQ(BuildPileCap(*p.project, {}, {}).Count(TSceneGroup::Spring), 0);
}

TEST(Scene3D, ZeroLoadsAndRestraintsDrawNothingOthersDrawTheirSymbols) {
    TViewProject p;
    p.wall(20, 12, 12, 120);
    p.project->ApplyConcentratedLoads = true;
    p.project->ApplyRestraints = true;
    TViewProject::row(p.tables.BoundCond(), 0, {1, 0, 0, 0, 0, 0});
    TViewProject::row(p.tables.Soillayer(), 0, {1, 0, 0, 0});
    TViewProject::row(p.tables.Soillayer(), 1, {2, 20, 0, 0});
    EXPECT_EQ(BuildPileCap(*p.project, {}, {}).Count(TSceneGroup::Symbol), 0);

    TViewProject::row(p.tables.BoundCond(), 0, {1, 2, 2, 500, 0, 80});
    TViewProject::row(p.tables.Soillayer(), 1, {2, 20, 0, 0.01});
    const TScenePart part = BuildPileCap(*p.project, {}, {});
    std::vector<TSceneSymbol> symbols;
    for (const TSceneItem& i : part.items)
        if (i.group == TSceneGroup::Symbol) symbols.push_back(i.symbol);
    ASSERT_EQ(symbols.size(), 60u);
    const double s = 4.0 / 3;
    EXPECT_EQ(symbols[0].type, TSymbolType::Force); // lateral load
    EXPECT_EQ(symbols[0].kind, 1);
    EXPECT_EQ(symbols[0].colorIndex, 3);
    EXPECT_DOUBLE_EQ(symbols[0].size, s);
    EXPECT_DOUBLE_EQ(symbols[0].position.z, -2);
    EXPECT_DOUBLE_EQ(symbols[0].position.y, 0.5);
    EXPECT_EQ(symbols[1].kind, 3); // axial load, value -Q
    EXPECT_EQ(symbols[1].colorIndex, 1);
    EXPECT_DOUBLE_EQ(symbols[1].value, -80);
    EXPECT_EQ(symbols[40].type, TSymbolType::Slope);
    EXPECT_EQ(symbols[40].kind, 2);
    EXPECT_DOUBLE_EQ(symbols[40].size, 2);
    EXPECT_DOUBLE_EQ(symbols[40].position.z, -20);
}

TEST(Scene3D, TiebacksPerSideFromTheActiveWidthAndSpacing) {
    TViewProject p;
    p.wall(40, 12, 12, 120); // W = 1 ft
    p.project->ApplyTiebacks = true;
    const double area = 1.44; // in^2: b = 1.2 in = 0.1 ft
    TViewProject::row(p.tables.TiebackTable1(), 0, {6, area, 2.9e7L, 20, 30, 8});
    const TScenePart part = BuildPileCap(*p.project, {}, {});
    const auto tendons = itemsOf(part, TSceneGroup::Tendon, TFill::Faces);
    const auto anchors = itemsOf(part, TSceneGroup::Anchor, TFill::Faces);
    ASSERT_EQ(tendons.size(), 2u); // round(10 x 1 / 8) = 1 per side
    ASSERT_EQ(anchors.size(), 2u);
    // From (0, 4, -6) down into the backfill at 30 degrees, 20 ft long, 0.1 ft square.
    const TVec3 far{-20 * std::cos(M_PI / 6), 4, -6 - 20 * std::sin(M_PI / 6)};
    const TVec3 tip = 0.5 * (tendons[0]->points[1] + tendons[0]->points[7]);
    EXPECT_NEAR(tip.x, far.x, 1e-9);
    EXPECT_NEAR(tip.y, far.y, 1e-9);
    EXPECT_NEAR(tip.z, far.z, 1e-9);
    EXPECT_NEAR(Length(tendons[0]->points[3] - tendons[0]->points[1]), 0.1, 1e-12);
    EXPECT_NEAR(Length(anchors[0]->points[3] - anchors[0]->points[1]), 0.4, 1e-12);
    EXPECT_NEAR(Length(anchors[0]->points[1] - anchors[0]->points[0]), 2.5, 1e-12);
    EXPECT_EQ(tendons[0]->color, scene_colors::kTiebackFace);

    p.project->ActiveWidth = 0; // nothing per side
    EXPECT_EQ(BuildPileCap(*p.project, {}, {}).Count(TSceneGroup::Tendon), 0);
    p.project->ActiveWidth = 12;
    TViewProject::row(p.tables.TiebackTable1(), 0, {6, area, 2.9e7L, 20, 30, 0});
    EXPECT_EQ(BuildPileCap(*p.project, {}, {}).Count(TSceneGroup::Tendon), 0);
    TViewProject::row(p.tables.TiebackTable1(), 0, {6, area, 2.9e7L, 20, 30, 1e-9});
    EXPECT_EQ(BuildPileCap(*p.project, {}, {}).Count(TSceneGroup::Tendon, TFill::Faces),
              2 * kMaxTendonsPerSide);
}

TEST(Scene3D, SurchargePointLineAndStripLoads) {
    TViewProject p;
    p.wall(40, 12, 12, 120);
    p.project->ApplySurcharge = true;
    auto& table = p.tables.SurchargeTable();
    TViewProject::row(table, 0, {1, 1000, 60, 0}); // point load 5 ft behind the wall
    TViewProject::row(table, 1, {2, 200, 120, 0}); // line load at 10 ft
    TViewProject::row(table, 2, {3, 250, 84, 72}); // strip load at 7 ft, 6 ft wide
    const TScenePart part = BuildPileCap(*p.project, {}, {});
    std::vector<TSceneSymbol> forces;
    for (const TSceneItem& i : part.items)
        if (i.group == TSceneGroup::Symbol) forces.push_back(i.symbol);
    ASSERT_EQ(forces.size(), 20u + 21u + 63u);
    EXPECT_DOUBLE_EQ(forces[0].position.x, -5);
    EXPECT_DOUBLE_EQ(forces[0].value, -1000);
    EXPECT_EQ(forces[0].kind, 3);
    EXPECT_EQ(forces[0].colorIndex, 3);
    EXPECT_EQ(forces[20].colorIndex, 2); // the line load's arrow at y = 0 comes first
    EXPECT_DOUBLE_EQ(forces[20].position.y, 0);
    EXPECT_DOUBLE_EQ(forces[20].size, 1);
    EXPECT_EQ(part.Count(TSceneGroup::SurchargeLine), 40);
    const auto blocks = itemsOf(part, TSceneGroup::SurchargeBlock, TFill::Faces);
    ASSERT_EQ(blocks.size(), 20u);
    expectBounds(*blocks[0], {-8.5, 0, 0}, {-5.5, 1, 2.0 / 3});
    EXPECT_FLOAT_EQ(blocks[0]->color.a, 0.25f);
    EXPECT_TRUE(blocks[0]->blend);
}

TEST(Scene3D, DeformedWallSharesCornersAndKeepsNodesWithoutPointsUndeformed) {
    TViewProject p;
    p.wall(4, 12, 12, 10); // h = 1 ft, t = 1/12 ft
    TSceneSwitches s;
    s.deformedShape = true;
    s.undeformedModel = true;
    s.deformationFactor = 2;
    const std::vector<TDeflectionPoint> curve{{0, 0.5}, {1, 0.3}, {2, 0.1}, {3, 0}, {4, 0}};
    const TScenePart part = BuildPileCap(*p.project, s, curve);
    const auto bricks = itemsOf(part, TSceneGroup::DeformedWall, TFill::Faces);
    ASSERT_EQ(bricks.size(), 80u);
    EXPECT_EQ(part.Count(TSceneGroup::WallStrip), 0);
    EXPECT_EQ(part.Count(TSceneGroup::UndeformedWall, TFill::Edges), 20);
    const double t = 1.0 / 12;
    for (int n = 0; n + 1 < 4; ++n) {
        const auto& upper = bricks[static_cast<size_t>(n)]->points;
        const auto& lower = bricks[static_cast<size_t>(n) + 1]->points;
        for (int k = 0; k < 4; ++k) { // bottom corners of one brick are the top of the next
            EXPECT_NEAR(upper[k].x, lower[k + 4].x, 1e-12);
            EXPECT_NEAR(upper[k].z, lower[k + 4].z, 1e-12);
        }
    }
    // The top brick's top edge is offset along the first segment's normal: the segment runs
    // from (1, 0) to (0.6, -1), its normal is (1, -0.4) / |(1, -0.4)|.
    const double len = std::sqrt(1 + 0.16);
    EXPECT_NEAR(bricks[0]->points[5].x, 1.0 + 0.5 * t / len, 1e-12);
    EXPECT_NEAR(bricks[0]->points[5].z, -0.5 * t * 0.4 / len, 1e-12);
    EXPECT_NEAR(bricks[0]->Max().y - bricks[0]->Min().y, t, 1e-12);

    // The faces between bricks and the doubled rings of edges are left out of the mesh: per
    // column 4 bricks x 4 sides + 2 ends, and 4 x 4 edges along the wall + 5 rings of 4.
    TScenePart wallOnly;
    for (const TSceneItem& i : part.items)
        if (i.group == TSceneGroup::DeformedWall) wallOnly.items.push_back(i);
    const TMesh mesh = BuildMesh(wallOnly);
    EXPECT_EQ(mesh.TriangleCount(), 20 * 2 * (4 * 4 + 2));
    EXPECT_EQ(mesh.LineCount(), 20 * (4 * 4 + 5 * 4));

    // A curve shorter than the wall: nodes beyond its points stay at 0.
    const TScenePart shorter = BuildPileCap(*p.project, s, {{0, 0.5}, {1, 0.3}});
    const auto last = itemsOf(shorter, TSceneGroup::DeformedWall, TFill::Faces)[3];
    EXPECT_NEAR(0.5 * (last->points[0].x + last->points[1].x), 0, 1e-12);
}

} // namespace
