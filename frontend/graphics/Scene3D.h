#pragma once
// The 3-D scene as plain data: what the 3-D view shows, built from the project without any drawing
// surface. A scene part is an ordered list of items (bricks, quads, pyramids, line segments and
// load symbols) with their colours; the order is the drawing order, which matters because soil,
// water and surcharge blocks are blended. The view turns a part into triangles and lines
// (SceneMesh.h) and compiles them into a display list.
//
// Frame: x across the wall (backfill side negative), y along the wall's face, z up; the top of the
// wall at z = 0, its centre plane at x = 0; lengths in the display length unit (feet in English
// units, metres otherwise).

#include <array>
#include <vector>

namespace tervane {

struct TVec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline TVec3 operator+(TVec3 a, TVec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline TVec3 operator-(TVec3 a, TVec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline TVec3 operator*(double s, TVec3 a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline double Dot(TVec3 a, TVec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline TVec3 Cross(TVec3 a, TVec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(TVec3 a);
// The unit vector of `a`; the zero vector stays zero.
TVec3 Normalised(TVec3 a);

struct TSceneColor {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;
    bool operator==(const TSceneColor&) const = default;
};

// Colour of soil layer `index` (0-based, taken modulo 10) with the given alpha.
TSceneColor SetColorLayer(int index, float alpha);
// Colour of the load and restraint symbols: 1 blue, 2 green, 3 red, 4 magenta, 5 cyan, 6 yellow;
// any other index gives black.
TSceneColor SetColorIndex(int index);

// Fixed colours of the scene.
namespace scene_colors {
inline constexpr TSceneColor kCapFace{0.25f, 0.25f, 0.25f, 1};
inline constexpr TSceneColor kOrangeEdge{1, 0.5f, 0, 1};
inline constexpr TSceneColor kWallFace{0.75f, 0.75f, 0.75f, 1};
inline constexpr TSceneColor kWallEdge{0.9f, 0.9f, 0, 1};
inline constexpr TSceneColor kUndeformedEdge{0.75f, 0.75f, 0, 1};
inline constexpr TSceneColor kSpringFace{0.5f, 0.5f, 0.5f, 1};
inline constexpr TSceneColor kTiebackFace{0.5f, 0.75f, 0.75f, 1};
inline constexpr TSceneColor kBlue{0, 0, 1, 1};
} // namespace scene_colors

// What an item stands for (tests and the drawing order read it; the mesh ignores it).
enum class TSceneGroup {
    WallCap,
    WallStrip,
    DeformedWall,
    UndeformedWall,
    Soil,
    Water,
    WaterSymbol,
    Spring,
    Tendon,
    Anchor,
    SurchargeBlock,
    SurchargeLine,
    Symbol,
};

enum class TShape {
    // Eight corners; corner i lies on the +side of the first, second and third edge directions
    // when bit 0, 1 and 2 of i are set (an axis-aligned block: x, y and z).
    Brick,
    // Four corners in order around the quad; its face looks toward +z.
    Quad,
    // Apex first, then the four base corners in order around the base.
    Pyramid,
    // Pairs of points, one line each.
    Segments,
    // A load or restraint symbol (TSceneSymbol).
    Symbol,
};

enum class TFill { Faces, Edges };

// Parts of a brick left out of its mesh: the faces at the low and high end of its third edge
// direction, and the four edges around its low end.
namespace brick_parts {
inline constexpr unsigned kLowFace = 1;
inline constexpr unsigned kHighFace = 2;
inline constexpr unsigned kLowRing = 4;
} // namespace brick_parts

enum class TSymbolType { Force, Displ, Moment, Slope };

// A symbol as DrawForce, DrawDispl, DrawMoment and DrawSlope give it: built along local x, turned
// by its kind (1 along x, 2 along y, 3 along z) and by 180 degrees for a negative value.
struct TSceneSymbol {
    TSymbolType type = TSymbolType::Force;
    int kind = 1;
    int colorIndex = 1;
    double size = 0;
    TVec3 position;
    double value = 0;
};

struct TSceneItem {
    TSceneGroup group = TSceneGroup::WallStrip;
    TShape shape = TShape::Brick;
    TFill fill = TFill::Faces;
    TSceneColor color;
    bool blend = false;
    int tag = 0; // soil layer row, strip index or table row, by group
    // Brick parts another brick already draws (the deflected wall's bricks share their ends).
    unsigned hidden = 0;
    std::vector<TVec3> points;
    TSceneSymbol symbol; // shape Symbol only

    // Smallest and largest coordinates of the item's points.
    TVec3 Min() const;
    TVec3 Max() const;
};

// One display list's worth of scene.
struct TScenePart {
    std::vector<TSceneItem> items;

    // Counts of the items of a group (and fill), for tests and diagnostics.
    int Count(TSceneGroup group) const;
    int Count(TSceneGroup group, TFill fill) const;
};

// The corners of the axis-aligned block with the given centre and extents, in brick order.
std::array<TVec3, 8> BlockCorners(TVec3 centre, TVec3 extent);

// Appends an axis-aligned block from its bounds. Bounds in the wrong order along z (a span whose
// end lies above its start) add nothing.
void AddBlock(TScenePart& part, TSceneGroup group, int tag, TVec3 low, TVec3 high, TFill fill,
              TSceneColor color, bool blend);
// Appends a brick given by its corners (brick order).
void AddBrick(TScenePart& part, TSceneGroup group, int tag, const std::array<TVec3, 8>& corners,
              TFill fill, TSceneColor color, bool blend);

} // namespace tervane
