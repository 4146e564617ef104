// The wall: 20 flat strips with their caps, or the deflected wall built node by node from the
// deflection curve, with the undeformed outline on request.
#include "ProgramData.h"
#include "Scene3DBuilder.h"
#include "SceneDimensions.h"

namespace tervane {

namespace {

void addFlatWall(TScenePart& part, double W, double t, double L) {
    using namespace scene_colors;
    for (int i = 0; i < kStripCount; ++i) {
        const double y = StripCentre(W, i);
        for (TFill fill : {TFill::Faces, TFill::Edges}) {
            TSceneItem cap;
            cap.group = TSceneGroup::WallCap;
            cap.shape = TShape::Quad;
            cap.fill = fill;
            cap.color = fill == TFill::Faces ? kCapFace : kOrangeEdge;
            cap.tag = i;
            cap.points = {{-t / 2, y - W / 2, 0},
                          {t / 2, y - W / 2, 0},
                          {t / 2, y + W / 2, 0},
                          {-t / 2, y + W / 2, 0}};
            part.items.push_back(std::move(cap));
        }
        const TVec3 low{-t / 2, y - W / 2, -L};
        const TVec3 high{t / 2, y + W / 2, 0};
        AddBlock(part, TSceneGroup::WallStrip, i, low, high, TFill::Faces, kWallFace, false);
        AddBlock(part, TSceneGroup::WallStrip, i, low, high, TFill::Edges, kWallEdge, false);
    }
}

// Unit normal (x, z) of the segment from (x0, z0) to (x1, z1), turned toward +x for a segment that
// runs downward.
TVec3 segmentNormal(double x0, double z0, double x1, double z1) {
    return Normalised(TVec3{z0 - z1, 0, x1 - x0});
}

void addDeformedWall(TScenePart& part, const TSceneSwitches& s, double W, double t, double h, int N,
                     const std::vector<TDeflectionPoint>& deflections) {
    using namespace scene_colors;
    if (N <= 0) return;
    // Centre line: node n at (u(n), -n h). Nodes without a point of the curve stay undeformed.
    std::vector<TVec3> centre(static_cast<size_t>(N) + 1);
    for (int n = 0; n <= N; ++n) {
        const double u = n < static_cast<int>(deflections.size())
                             ? deflections[static_cast<size_t>(n)].deflection * s.deformationFactor
                             : 0;
        centre[static_cast<size_t>(n)] = {u, 0, -n * h};
    }
    std::vector<TVec3> segment(static_cast<size_t>(N) + 1); // segment n joins node n-1 to n
    for (int n = 1; n <= N; ++n) {
        const TVec3 a = centre[static_cast<size_t>(n) - 1];
        const TVec3 b = centre[static_cast<size_t>(n)];
        segment[static_cast<size_t>(n)] = segmentNormal(a.x, a.z, b.x, b.z);
    }
    // Offset directions at the nodes: the mean of the two unit normals that meet there, so that
    // neighbouring bricks share their corners; the ends take their own segment's normal.
    std::vector<TVec3> offset(static_cast<size_t>(N) + 1);
    offset[0] = segment[1];
    offset[static_cast<size_t>(N)] = segment[static_cast<size_t>(N)];
    for (int n = 1; n < N; ++n)
        offset[static_cast<size_t>(n)] =
            0.5 * (segment[static_cast<size_t>(n)] + segment[static_cast<size_t>(n) + 1]);

    for (int i = 0; i < kStripCount; ++i) {
        const double y = StripCentre(W, i);
        for (int n = 1; n <= N; ++n) {
            // Corner bits: 0 toward +x along the offset, 1 toward +y, 2 the upper node.
            std::array<TVec3, 8> c;
            for (int k = 0; k < 8; ++k) {
                const size_t node = static_cast<size_t>((k & 4) ? n - 1 : n);
                const TVec3 across = ((k & 1) ? 0.5 : -0.5) * t * offset[node];
                c[static_cast<size_t>(k)] =
                    centre[node] + across + TVec3{0, y + ((k & 2) ? 0.5 : -0.5) * t, 0};
            }
            AddBrick(part, TSceneGroup::DeformedWall, i, c, TFill::Faces, kWallFace, false);
            AddBrick(part, TSceneGroup::DeformedWall, i, c, TFill::Edges, kWallEdge, false);
            // Neighbouring bricks share their ends: the faces between them are never seen and
            // the ring of edges there is drawn once, by the lower brick's top.
            using namespace brick_parts;
            const unsigned inner = (n > 1 ? kHighFace : 0u) | (n < N ? kLowFace | kLowRing : 0u);
            part.items[part.items.size() - 2].hidden = inner;
            part.items.back().hidden = inner;
        }
        if (s.undeformedModel) {
            AddBlock(part, TSceneGroup::UndeformedWall, i, {-t / 2, y - t / 2, -N * h},
                     {t / 2, y + t / 2, 0}, TFill::Edges, kUndeformedEdge, false);
        }
    }
}

std::vector<TDeflectionPoint>& curve() {
    static std::vector<TDeflectionPoint> points;
    return points;
}

} // namespace

void SetDeflectionCurve(std::vector<TDeflectionPoint> points) {
    curve() = std::move(points);
}

const std::vector<TDeflectionPoint>& DeflectionCurve() {
    return curve();
}

bool DeformedShapeAvailable(bool deflectionCommandEnabled) {
    return deflectionCommandEnabled && curve().size() > 1;
}

void AddWall(TScenePart& part, const TProgramData& project, const TSceneSwitches& switches,
             const std::vector<TDeflectionPoint>& deflections) {
    if (!switches.wall) return;
    const double W = GetWallWidth(project);
    const double t = GetWallThickness(project);
    const double L = GetWallLength(project);
    if (!switches.deformedShape) {
        addFlatWall(part, W, t, L);
        return;
    }
    addDeformedWall(part, switches, W, t, GetWallIncr(project), GetWallNIncr(project), deflections);
}

} // namespace tervane
