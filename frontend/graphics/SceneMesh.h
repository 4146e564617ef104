#pragma once
// A scene part as the drawing surface takes it: runs of triangles and lines, each run with one
// colour and one blending switch. Opaque runs come first, one per colour and kind (with the depth
// test their order does not matter, and few long runs replay fastest); blended runs follow in the
// order they were given, which their look depends on. Triangles wind counter-clockwise seen from
// the side their normal points to, so back-face culling hides the far side of every solid.

#include "Scene3D.h"

#include <vector>

namespace tervane {

struct TMeshBatch {
    bool lines = false; // pairs of vertices; otherwise triples
    TSceneColor color;
    bool blend = false;
    std::vector<float> vertices; // x, y, z per vertex
    std::vector<float> normals;  // x, y, z per vertex (triangles)

    int VertexCount() const { return static_cast<int>(vertices.size() / 3); }
};

class TMesh {
public:
    // Appends a triangle, wound so that it faces along `normal` (which becomes its normal).
    void Triangle(TSceneColor color, bool blend, TVec3 a, TVec3 b, TVec3 c, TVec3 normal);
    // Appends a quad a-b-c-d as two triangles facing along `normal`.
    void Quad(TSceneColor color, bool blend, TVec3 a, TVec3 b, TVec3 c, TVec3 d, TVec3 normal);
    void Line(TSceneColor color, bool blend, TVec3 a, TVec3 b);

    // Opaque runs, then blended runs.
    const std::vector<TMeshBatch>& Batches() const;
    int TriangleCount() const;
    int LineCount() const;

private:
    TMeshBatch& batch(bool lines, TSceneColor color, bool blend);
    static void push(std::vector<float>& to, TVec3 p);
    std::vector<TMeshBatch> m_opaque;
    std::vector<TMeshBatch> m_blended;
    mutable std::vector<TMeshBatch> m_batches;
    mutable bool m_joined = true;
};

// The triangles and lines of a scene part, item by item in order.
TMesh BuildMesh(const TScenePart& part);
// One item's triangles or lines.
void AddItemMesh(TMesh& mesh, const TSceneItem& item);

} // namespace tervane
