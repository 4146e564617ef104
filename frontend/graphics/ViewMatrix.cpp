#include "ViewMatrix.h"

#include <cmath>
#include <numbers>

namespace tervane {

TMatrix4::TMatrix4() {
    m_m[0] = m_m[5] = m_m[10] = m_m[15] = 1;
}

TMatrix4 TMatrix4::Rotation(double degrees, TVec3 axis) {
    // The rotation of glRotate: counter-clockwise about the axis seen from its tip.
    const TVec3 a = Normalised(axis);
    const double r = degrees * std::numbers::pi / 180;
    const double c = std::cos(r), s = std::sin(r), k = 1 - c;
    TMatrix4 m;
    m.m_m[0] = a.x * a.x * k + c;
    m.m_m[1] = a.y * a.x * k + a.z * s;
    m.m_m[2] = a.z * a.x * k - a.y * s;
    m.m_m[4] = a.x * a.y * k - a.z * s;
    m.m_m[5] = a.y * a.y * k + c;
    m.m_m[6] = a.z * a.y * k + a.x * s;
    m.m_m[8] = a.x * a.z * k + a.y * s;
    m.m_m[9] = a.y * a.z * k - a.x * s;
    m.m_m[10] = a.z * a.z * k + c;
    return m;
}

TMatrix4 TMatrix4::Scaling(double s) {
    TMatrix4 m;
    m.m_m[0] = m.m_m[5] = m.m_m[10] = s;
    return m;
}

TMatrix4 TMatrix4::Translation(TVec3 t) {
    TMatrix4 m;
    m.m_m[12] = t.x;
    m.m_m[13] = t.y;
    m.m_m[14] = t.z;
    return m;
}

TMatrix4 TMatrix4::operator*(const TMatrix4& o) const {
    TMatrix4 r;
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += m_m[k * 4 + row] * o.m_m[col * 4 + k];
            r.m_m[col * 4 + row] = sum;
        }
    }
    return r;
}

TVec3 TMatrix4::Apply(TVec3 p) const {
    return {m_m[0] * p.x + m_m[4] * p.y + m_m[8] * p.z + m_m[12],
            m_m[1] * p.x + m_m[5] * p.y + m_m[9] * p.z + m_m[13],
            m_m[2] * p.x + m_m[6] * p.y + m_m[10] * p.z + m_m[14]};
}

TVec3 TMatrix4::ApplyTransposed(TVec3 v) const {
    return {m_m[0] * v.x + m_m[1] * v.y + m_m[2] * v.z, m_m[4] * v.x + m_m[5] * v.y + m_m[6] * v.z,
            m_m[8] * v.x + m_m[9] * v.y + m_m[10] * v.z};
}

} // namespace tervane
