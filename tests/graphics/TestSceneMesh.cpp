// Triangles and lines of scene items: winding, symbol geometry, segment counts and alphas.
#include "SceneMesh.h"
#include "SceneSymbols.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace tervane;

TVec3 vertex(const TMeshBatch& b, int i) {
    return {b.vertices[3 * i], b.vertices[3 * i + 1], b.vertices[3 * i + 2]};
}

// Every triangle of the mesh winds counter-clockwise seen from outside `centre`.
void expectOutward(const TMesh& mesh, TVec3 centre) {
    for (const TMeshBatch& b : mesh.Batches()) {
        if (b.lines) continue;
        for (int i = 0; i + 2 < b.VertexCount(); i += 3) {
            const TVec3 a = vertex(b, i), c1 = vertex(b, i + 1), c2 = vertex(b, i + 2);
            const TVec3 middle = (1.0 / 3) * (a + c1 + c2);
            EXPECT_GT(Dot(Cross(c1 - a, c2 - a), middle - centre), 0);
        }
    }
}

struct TExtent {
    TVec3 low{1e300, 1e300, 1e300};
    TVec3 high{-1e300, -1e300, -1e300};
};

TExtent extentOf(const TMesh& mesh) {
    TExtent e;
    for (const TMeshBatch& b : mesh.Batches()) {
        for (int i = 0; i < b.VertexCount(); ++i) {
            const TVec3 v = vertex(b, i);
            e.low = {std::min(e.low.x, v.x), std::min(e.low.y, v.y), std::min(e.low.z, v.z)};
            e.high = {std::max(e.high.x, v.x), std::max(e.high.y, v.y), std::max(e.high.z, v.z)};
        }
    }
    return e;
}

TEST(SceneMesh, BlocksFaceOutwardAndMergeRunsOfOneColour) {
    TScenePart part;
    AddBlock(part, TSceneGroup::WallStrip, 0, {-1, -2, -3}, {1, 2, 0}, TFill::Faces,
             scene_colors::kWallFace, false);
    AddBlock(part, TSceneGroup::WallStrip, 1, {-1, 2, -3}, {1, 6, 0}, TFill::Faces,
             scene_colors::kWallFace, false);
    AddBlock(part, TSceneGroup::WallStrip, 0, {-1, -2, -3}, {1, 2, 0}, TFill::Edges,
             scene_colors::kWallEdge, false);
    TMesh first;
    AddItemMesh(first, part.items[0]);
    expectOutward(first, {0, 0, -1.5});
    const TMesh mesh = BuildMesh(part);
    ASSERT_EQ(mesh.Batches().size(), 2u); // both face sets in one run, then the edges
    EXPECT_EQ(mesh.TriangleCount(), 24);
    EXPECT_EQ(mesh.LineCount(), 12);
    EXPECT_TRUE(mesh.Batches()[1].lines);
    // Opaque runs of one colour join wherever they come; blended runs keep their order after them.
    TScenePart mixed;
    AddBlock(mixed, TSceneGroup::Soil, 0, {0, 0, 0}, {1, 1, 1}, TFill::Faces, {1, 0, 0, 0.5f},
             true);
    AddBlock(mixed, TSceneGroup::WallStrip, 0, {0, 0, 0}, {1, 1, 1}, TFill::Faces,
             scene_colors::kWallFace, false);
    AddBlock(mixed, TSceneGroup::Soil, 1, {0, 0, 0}, {1, 1, 1}, TFill::Faces, {0, 1, 0, 0.5f},
             true);
    AddBlock(mixed, TSceneGroup::WallStrip, 1, {0, 0, 0}, {1, 1, 1}, TFill::Faces,
             scene_colors::kWallFace, false);
    const TMesh mixedMesh = BuildMesh(mixed);
    const auto& runs = mixedMesh.Batches();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_FALSE(runs[0].blend);
    EXPECT_EQ(runs[0].VertexCount(), 2 * 36);
    EXPECT_EQ(runs[1].color.r, 1);
    EXPECT_EQ(runs[2].color.g, 1);
    // Bounds in the wrong order along z add nothing.
    AddBlock(part, TSceneGroup::Soil, 0, {0, 0, 0}, {1, 1, -1}, TFill::Faces, {}, true);
    EXPECT_EQ(part.items.size(), 3u);
}

TEST(SceneMesh, ForceArrowEndsAtItsPointAndTurnsWithKindAndSign) {
    TScenePart part;
    DrawForce(part, 1, 3, 4, 0, 0, 0, 0); // zero draws nothing
    EXPECT_TRUE(part.items.empty());
    DrawForce(part, 1, 3, 4, -2, 1, 0.5, 10); // along +x, tip at (0.5, 1, -2)
    ASSERT_EQ(part.items.size(), 1u);
    TMesh mesh;
    AddItemMesh(mesh, part.items[0]);
    // Shaft side, end disc, cone side and cone base: 40 segments each; three outline circles.
    EXPECT_EQ(mesh.TriangleCount(), 80 + 40 + 40 + 40);
    EXPECT_EQ(mesh.LineCount(), 3 * kSymbolSegments);
    for (const TMeshBatch& b : mesh.Batches()) {
        EXPECT_EQ(b.color.r, 1);
        EXPECT_FLOAT_EQ(b.color.a, b.lines ? 1.0f : kSymbolSolidAlpha);
    }
    TExtent e = extentOf(mesh);
    EXPECT_NEAR(e.high.x, 0.5, 1e-6);
    EXPECT_NEAR(e.low.x, 0.5 - 4, 1e-6);
    EXPECT_NEAR(e.high.z - e.low.z, 2 * 3.0 * 4 / 8, 1e-5); // cone base radius 3s/8

    // A negative vertical value points downward: tip at the point, the shaft above it.
    const TSceneSymbol down{TSymbolType::Force, 3, 1, 2, {0, 0, 0}, -5};
    TMesh m2;
    AddSymbolMesh(m2, down);
    e = extentOf(m2);
    EXPECT_NEAR(e.low.z, 0, 1e-6);
    EXPECT_NEAR(e.high.z, 2, 1e-6);
    EXPECT_NEAR(SymbolAxis(3, -5).z, -1, 1e-15);
    EXPECT_NEAR(SymbolAxis(2, 1).y, 1, 1e-15);

    // A specified deflection starts at the point and points away from it.
    TMesh m3;
    AddSymbolMesh(m3, {TSymbolType::Displ, 1, 3, 2, {0, 0, 0}, -1});
    e = extentOf(m3);
    EXPECT_NEAR(e.high.x, 0, 1e-6);
    EXPECT_NEAR(e.low.x, -2, 1e-6);
}

TEST(SceneMesh, MomentHalfRingInTheBendingPlaneWithItsHeadBySign) {
    const double s = 9;
    TMesh up, down;
    AddSymbolMesh(up, {TSymbolType::Moment, 2, 2, s, {0, 0, 0}, 1});
    AddSymbolMesh(down, {TSymbolType::Moment, 2, 2, s, {0, 0, 0}, -1});
    // 20 steps of half a turn by 40-sided sections, two end discs, the cone and its base.
    EXPECT_EQ(up.TriangleCount(), 20 * 40 * 2 + 2 * 40 + 2 * 40);
    const TExtent e = extentOf(up);
    // About y: the ring lies in the x-z plane (radius s/9 = 1, tube s/36 = 0.25), above z = 0
    // but for its tube and the head (base radius s/12), which hangs below one end.
    EXPECT_NEAR(e.high.y, s / 12, 1e-6);
    EXPECT_NEAR(e.high.z, 1.25, 1e-6);
    EXPECT_NEAR(e.low.z, -s / 18, 1e-6);
    // A positive value turns positively about +y (over the top from -x toward +x): the head sits
    // at the +x end; a negative value puts it at the -x end.
    auto headEnd = [](const TMesh& m) {
        double x = 0;
        for (const TMeshBatch& b : m.Batches())
            for (int i = 0; i < b.VertexCount(); ++i)
                if (vertex(b, i).z < -0.4) x = vertex(b, i).x;
        return x;
    };
    EXPECT_GT(headEnd(up), 0);
    EXPECT_LT(headEnd(down), 0);
}

} // namespace
