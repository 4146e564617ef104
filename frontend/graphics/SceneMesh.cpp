#include "SceneMesh.h"

#include "SceneSymbols.h"

#include <array>
#include <cstddef>

namespace tervane {

TMeshBatch& TMesh::batch(bool lines, TSceneColor color, bool blend) {
    m_joined = false;
    auto same = [&](const TMeshBatch& b) { return b.lines == lines && b.color == color; };
    if (!blend) {
        for (TMeshBatch& b : m_opaque)
            if (same(b)) return b;
    } else if (!m_blended.empty() && same(m_blended.back())) {
        return m_blended.back();
    }
    std::vector<TMeshBatch>& to = blend ? m_blended : m_opaque;
    TMeshBatch b;
    b.lines = lines;
    b.color = color;
    b.blend = blend;
    to.push_back(std::move(b));
    return to.back();
}

const std::vector<TMeshBatch>& TMesh::Batches() const {
    if (!m_joined) {
        m_batches = m_opaque;
        m_batches.insert(m_batches.end(), m_blended.begin(), m_blended.end());
        m_joined = true;
    }
    return m_batches;
}

void TMesh::push(std::vector<float>& to, TVec3 p) {
    to.push_back(static_cast<float>(p.x));
    to.push_back(static_cast<float>(p.y));
    to.push_back(static_cast<float>(p.z));
}

void TMesh::Triangle(TSceneColor color, bool blend, TVec3 a, TVec3 b, TVec3 c, TVec3 normal) {
    if (Dot(Cross(b - a, c - a), normal) < 0) std::swap(b, c);
    TMeshBatch& m = batch(false, color, blend);
    for (TVec3 p : {a, b, c}) {
        push(m.vertices, p);
        push(m.normals, normal);
    }
}

void TMesh::Quad(TSceneColor color, bool blend, TVec3 a, TVec3 b, TVec3 c, TVec3 d, TVec3 normal) {
    Triangle(color, blend, a, b, c, normal);
    Triangle(color, blend, a, c, d, normal);
}

void TMesh::Line(TSceneColor color, bool blend, TVec3 a, TVec3 b) {
    TMeshBatch& m = batch(true, color, blend);
    push(m.vertices, a);
    push(m.vertices, b);
}

int TMesh::TriangleCount() const {
    int n = 0;
    for (const TMeshBatch& b : Batches())
        if (!b.lines) n += b.VertexCount() / 3;
    return n;
}

int TMesh::LineCount() const {
    int n = 0;
    for (const TMeshBatch& b : Batches())
        if (b.lines) n += b.VertexCount() / 2;
    return n;
}

namespace {

TVec3 centroid(const std::vector<TVec3>& points) {
    TVec3 c;
    for (const TVec3& p : points)
        c = c + p;
    return points.empty() ? c : (1.0 / static_cast<double>(points.size())) * c;
}

// The faces of a brick by corner index, and its twelve edges.
constexpr std::array<std::array<int, 4>, 6> kBrickFaces{{
    {0, 2, 6, 4}, // first direction, low side
    {1, 3, 7, 5}, // first direction, high side
    {0, 1, 5, 4}, // second direction, low
    {2, 3, 7, 6}, // second direction, high
    {0, 1, 3, 2}, // third direction, low
    {4, 5, 7, 6}, // third direction, high
}};
constexpr std::array<std::array<int, 2>, 12> kBrickEdges{{
    {0, 1},
    {2, 3},
    {4, 5},
    {6, 7},
    {0, 2},
    {1, 3},
    {4, 6},
    {5, 7},
    {0, 4},
    {1, 5},
    {2, 6},
    {3, 7},
}};

void brickMesh(TMesh& mesh, const TSceneItem& item) {
    const auto& p = item.points;
    if (p.size() != 8) return;
    using namespace brick_parts;
    if (item.fill == TFill::Edges) {
        for (const auto& e : kBrickEdges) {
            const bool lowRing = (e[0] & 4) == 0 && (e[1] & 4) == 0;
            if (lowRing && (item.hidden & kLowRing)) continue;
            mesh.Line(item.color, item.blend, p[e[0]], p[e[1]]);
        }
        return;
    }
    const TVec3 middle = centroid(p);
    for (std::size_t i = 0; i < kBrickFaces.size(); ++i) {
        if ((i == 4 && (item.hidden & kLowFace)) || (i == 5 && (item.hidden & kHighFace))) continue;
        const auto& f = kBrickFaces[i];
        const TVec3 a = p[f[0]], b = p[f[1]], c = p[f[2]], d = p[f[3]];
        TVec3 n = Normalised(Cross(c - a, d - b));
        const TVec3 faceMiddle = 0.25 * (a + b + c + d);
        if (Dot(n, faceMiddle - middle) < 0) n = -1.0 * n;
        mesh.Quad(item.color, item.blend, a, b, c, d, n);
    }
}

void quadMesh(TMesh& mesh, const TSceneItem& item) {
    const auto& p = item.points;
    if (p.size() != 4) return;
    if (item.fill == TFill::Edges) {
        for (std::size_t i = 0; i < 4; ++i)
            mesh.Line(item.color, item.blend, p[i], p[(i + 1) % 4]);
        return;
    }
    mesh.Quad(item.color, item.blend, p[0], p[1], p[2], p[3], {0, 0, 1});
}

void pyramidMesh(TMesh& mesh, const TSceneItem& item) {
    const auto& p = item.points;
    if (p.size() != 5) return;
    if (item.fill == TFill::Edges) {
        for (std::size_t i = 1; i <= 4; ++i) {
            mesh.Line(item.color, item.blend, p[0], p[i]);
            mesh.Line(item.color, item.blend, p[i], p[i % 4 + 1]);
        }
        return;
    }
    const TVec3 middle = centroid(p);
    for (std::size_t i = 1; i <= 4; ++i) {
        const TVec3 b = p[i], c = p[i % 4 + 1];
        TVec3 n = Normalised(Cross(b - p[0], c - p[0]));
        if (Dot(n, (1.0 / 3) * (p[0] + b + c) - middle) < 0) n = -1.0 * n;
        mesh.Triangle(item.color, item.blend, p[0], b, c, n);
    }
    const TVec3 baseMiddle = 0.25 * (p[1] + p[2] + p[3] + p[4]);
    TVec3 n = Normalised(Cross(p[2] - p[1], p[3] - p[1]));
    if (Dot(n, baseMiddle - middle) < 0) n = -1.0 * n;
    mesh.Quad(item.color, item.blend, p[1], p[2], p[3], p[4], n);
}

} // namespace

void AddItemMesh(TMesh& mesh, const TSceneItem& item) {
    switch (item.shape) {
    case TShape::Brick:
        brickMesh(mesh, item);
        break;
    case TShape::Quad:
        quadMesh(mesh, item);
        break;
    case TShape::Pyramid:
        pyramidMesh(mesh, item);
        break;
    case TShape::Segments:
        for (std::size_t i = 0; i + 1 < item.points.size(); i += 2)
            mesh.Line(item.color, item.blend, item.points[i], item.points[i + 1]);
        break;
    case TShape::Symbol:
        AddSymbolMesh(mesh, item.symbol);
        break;
    }
}

TMesh BuildMesh(const TScenePart& part) {
    TMesh mesh;
    for (const TSceneItem& item : part.items)
        AddItemMesh(mesh, item);
    return mesh;
}

} // namespace tervane
