#include "View3dState.h"

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {
// Depth range of the projection when the strip width gives none (an empty project).
constexpr double kFallbackDepthRange = 1e6;
// Tolerance on the leading digit of a deformation factor (a factor typed as 0.6 is held as
// 0.59999999999999998).
constexpr double kDigitTolerance = 1e-9;

double powerOfTen(int k) {
    return std::pow(10.0, k);
}

// d x 10^k, rounded once (so that 6 x 10^-1 gives the double nearest 0.6).
double scaled(double d, int k) {
    return k >= 0 ? d * powerOfTen(k) : d / powerOfTen(-k);
}
} // namespace

bool TView3dState::Show(TShowItem item) const {
    switch (item) {
    case TShowItem::Wall:
        return switches.wall;
    case TShowItem::SoilLayers:
        return switches.soilLayers;
    case TShowItem::WaterLevel:
        return switches.waterLevel;
    case TShowItem::AdditionalSurcharge:
        return switches.additionalSurcharge;
    case TShowItem::ConcentratedLoads:
        return switches.concentratedLoads;
    case TShowItem::TieBacks:
        return switches.tieBacks;
    case TShowItem::BoundaryConditions:
        return switches.boundaryConditions;
    case TShowItem::LateralSprings:
        return switches.lateralSprings;
    }
    return false;
}

void TView3dState::SetShow(TShowItem item, bool on) {
    switch (item) {
    case TShowItem::Wall:
        switches.wall = on;
        break;
    case TShowItem::SoilLayers:
        switches.soilLayers = on;
        break;
    case TShowItem::WaterLevel:
        switches.waterLevel = on;
        break;
    case TShowItem::AdditionalSurcharge:
        switches.additionalSurcharge = on;
        break;
    case TShowItem::ConcentratedLoads:
        switches.concentratedLoads = on;
        break;
    case TShowItem::TieBacks:
        switches.tieBacks = on;
        break;
    case TShowItem::BoundaryConditions:
        switches.boundaryConditions = on;
        break;
    case TShowItem::LateralSprings:
        switches.lateralSprings = on;
        break;
    }
}

void TView3dState::Flip(TShowItem item) {
    SetShow(item, !Show(item));
    listsValid = false;
}

void TView3dState::SetSize(int width, int height) {
    m_width = std::max(width, 1);
    m_height = std::max(height, 1);
}

void TView3dState::GetMaxDims(double stripWidth, double depthExtent) {
    m_stripWidth = stripWidth;
    m_horizontal = 25 * stripWidth;
    m_vertical = std::max(2 * depthExtent, 12.5 * stripWidth);
    m_centring = depthExtent / 2;
    pan = {};
    m_hasMaxDims = true;
}

void TView3dState::ComputeBaseScale() {
    // A window narrower than the margin still gets a positive scale.
    const double w = std::max(m_width - kScaleMargin, 1.0);
    const double h = std::max(m_height - kScaleMargin, 1.0);
    const double across = m_horizontal != 0 ? w / m_horizontal : 1;
    const double down = m_vertical != 0 ? h / m_vertical : 1;
    baseScale = std::min(across, down);
}

TOrtho TView3dState::Ortho() const {
    TOrtho o;
    o.left = -m_width / 2.0;
    o.right = m_width / 2.0;
    o.bottom = -m_height / 2.0;
    o.top = m_height / 2.0;
    double n = m_vertical / (10 * m_stripWidth) * std::min(m_width, m_height) / 2 * 640;
    if (!(n > 0) || !std::isfinite(n)) n = kFallbackDepthRange;
    o.nearPlane = -n;
    o.farPlane = n;
    return o;
}

TMatrix4 TView3dState::ModelView() const {
    return TMatrix4::Rotation(-90, {1, 0, 0}) * TMatrix4::Rotation(angles[0], {1, 0, 0}) *
           TMatrix4::Rotation(angles[1], {0, 1, 0}) * TMatrix4::Rotation(angles[2], {0, 0, 1}) *
           TMatrix4::Scaling(zoom * baseScale) * TMatrix4::Translation({0, 0, m_centring}) *
           TMatrix4::Translation(pan);
}

TMatrix4 TView3dState::FrameMatrix() {
    m_remembered = ModelView();
    return m_remembered;
}

double TView3dState::UnitsPerPixel() const {
    const double s = zoom * baseScale;
    return s != 0 && std::isfinite(s) ? 1 / s : 0;
}

void TView3dState::RestartView() {
    angles = {0, 0, 0};
    zoom = 1;
    pan = {};
}

TVec3 TView3dState::toModel(double dx, double dy) const {
    // The remembered matrix carries the scale once; dividing by its square leaves the pixel
    // vector in scene units along the model axes.
    const double s = zoom * baseScale;
    if (s == 0 || !std::isfinite(s)) return {};
    return (1 / (s * s)) * m_remembered.ApplyTransposed({dx, dy, 0});
}

bool TView3dState::MouseDown(int x, int y, const TMouseKeys& keys) {
    m_x0 = m_x1 = x;
    m_y0 = m_y1 = y;
    m_press = TPressState::Pressed;
    m_panAtPress = pan;
    m_zoomAtPress = zoom;
    m_anglesAtPress = angles;
    m_dragging = mouseMode == TMouseMode::ZoomWindow && keys.left;
    return false;
}

bool TView3dState::MouseMove(int x, int y, const TMouseKeys& keys) {
    const bool leftAlone = keys.left && !keys.right && !keys.middle;
    if (!(leftAlone || keys.shift || keys.ctrl)) return false;
    if (mouseMode == TMouseMode::ZoomWindow) {
        if (!m_dragging) return false;
        m_x1 = x;
        m_y1 = y;
        return true;
    }
    if (m_press != TPressState::Pressed || mouseMode == TMouseMode::None) return false;
    updateMouseMove(x, y, keys.shift);
    return true;
}

bool TView3dState::MouseUp(int x, int y, const TMouseKeys& keys) {
    bool repaint = false;
    if (mouseMode == TMouseMode::ZoomWindow) {
        if (m_dragging && x != m_x0 && y != m_y0) {
            const double cx = m_width / 2.0 - (x + m_x0) / 2.0;
            const double cy = -(m_height / 2.0 - (y + m_y0) / 2.0);
            pan = m_panAtPress + toModel(cx, cy);
            zoom = m_zoomAtPress * std::min(static_cast<double>(m_height) / std::abs(y - m_y0),
                                            static_cast<double>(m_width) / std::abs(x - m_x0));
        }
        repaint = m_dragging;
        m_dragging = false;
    } else if (m_press == TPressState::Pressed && mouseMode != TMouseMode::None) {
        updateMouseMove(x, y, keys.shift);
        repaint = true;
    }
    m_press = TPressState::Idle;
    return repaint;
}

void TView3dState::updateMouseMove(int x, int y, bool shift) {
    switch (mouseMode) {
    case TMouseMode::Panning: {
        double dx = x - m_x0;
        double dy = m_y0 - y;
        if (shift) (std::abs(dx) >= std::abs(dy) ? dy : dx) = 0;
        pan = m_panAtPress + toModel(dx, dy);
        break;
    }
    case TMouseMode::Zooming:
        zoom = m_zoomAtPress * (1 - static_cast<double>(y - m_y0) / m_height);
        break;
    case TMouseMode::Rotating: {
        double a = (y - m_y0) * 90.0 / m_height;
        double b = (x - m_x0) * 90.0 / m_width;
        if (shift) (std::abs(a) >= std::abs(b) ? b : a) = 0;
        TVec3 v = m_remembered.ApplyTransposed({a, b, 0});
        const double length = Length(v);
        if (length > 0) v = (std::sqrt(a * a + b * b) / length) * v;
        angles = {m_anglesAtPress[0] + v.x, m_anglesAtPress[1] + v.y, m_anglesAtPress[2] + v.z};
        break;
    }
    case TMouseMode::None:
    case TMouseMode::ZoomWindow:
        break;
    }
}

double StepDeformationFactor(double factor, bool up) {
    if (!(factor > 0) || !std::isfinite(factor)) return 1;
    int k = static_cast<int>(std::floor(std::log10(factor)));
    double q = k >= 0 ? factor / powerOfTen(k) : factor * powerOfTen(-k);
    if (q + kDigitTolerance < 1) { // log10 came out just above a power of ten
        --k;
        q *= 10;
    }
    const double d = std::clamp(std::floor(q + kDigitTolerance), 1.0, 10.0);
    if (up) return d >= 10 ? scaled(20, k) : scaled(d + 1, k);
    return d == 1 ? scaled(9, k - 1) : scaled(d - 1, k);
}

} // namespace tervane
