#pragma once
// A 4 x 4 transformation matrix stored column by column, as OpenGL keeps its matrices, with the
// few operations the 3-D view composes its model-view matrix from.

#include "Scene3D.h"

#include <array>

namespace tervane {

class TMatrix4 {
public:
    TMatrix4(); // identity
    static TMatrix4 Rotation(double degrees, TVec3 axis);
    static TMatrix4 Scaling(double s);
    static TMatrix4 Translation(TVec3 t);

    // this x other: `other` acts first on a point.
    TMatrix4 operator*(const TMatrix4& other) const;
    // The point transformed (w = 1).
    TVec3 Apply(TVec3 p) const;
    // The vector carried through the transpose of the upper 3 x 3 part: for a rotation scaled by
    // s, the screen vector taken into model axes and multiplied by s.
    TVec3 ApplyTransposed(TVec3 v) const;

    double operator()(int row, int column) const { return m_m[column * 4 + row]; }
    const double* Data() const { return m_m.data(); }

private:
    std::array<double, 16> m_m{};
};

} // namespace tervane
