#pragma once
// The state of the 3-D view without any window: show switches, deformed-shape switches and
// factor, the mouse modes with their press state, the rotation angles, zoom and pan offset, the
// scale extents, the projection and the model-view matrix a frame is drawn with. The view window
// forwards its mouse events and commands here and repaints when asked to.

#include "Scene3DBuilder.h"
#include "ViewMatrix.h"

#include <array>

namespace tervane {

// The items of the "Show 3DView" menu, in the menu's order.
enum class TShowItem {
    Wall,
    SoilLayers,
    WaterLevel,
    AdditionalSurcharge,
    ConcentratedLoads,
    TieBacks,
    BoundaryConditions,
    LateralSprings,
};

enum class TMouseMode { None = 0, Panning = 1, Zooming = 2, Rotating = 3, ZoomWindow = 4 };

// Buttons and keys of a mouse event.
struct TMouseKeys {
    bool left = false;
    bool right = false;
    bool middle = false;
    bool shift = false;
    bool ctrl = false;
};

enum class TPressState { Idle, Pressed, Released };

// Orthographic projection in pixels centred on the control.
struct TOrtho {
    double left = 0, right = 0, bottom = 0, top = 0, nearPlane = 0, farPlane = 0;
};

// Zoom In and Zoom Out multiply the zoom by this and by its reciprocal.
inline constexpr double kZoomStep = 1.4142;
// Length of the coordinate axes on the screen, whatever the zoom.
inline constexpr double kAxisPixels = 80;
// Margin left around the scene by the base scale (pixels, both sides together).
inline constexpr double kScaleMargin = 50;

class TView3dState {
public:
    TSceneSwitches switches;
    bool showAxes = true;
    TMouseMode mouseMode = TMouseMode::None;
    bool zoomWindowFlag = false;
    std::array<double, 3> angles{0, 0, 0}; // degrees about x, y, z
    double zoom = 1;
    TVec3 pan;
    double baseScale = 1; // pixels per scene unit
    bool listsValid = false;

    bool Show(TShowItem item) const;
    void SetShow(TShowItem item, bool on);
    // Flips a show switch and marks the lists invalid.
    void Flip(TShowItem item);

    // Control size in pixels.
    void SetSize(int width, int height);
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Scale extents from the strip width W and the depth extent D; the pan offset becomes 0.
    void GetMaxDims(double stripWidth, double depthExtent);
    bool HasMaxDims() const { return m_hasMaxDims; }
    double HorizontalExtent() const { return m_horizontal; }
    double VerticalExtent() const { return m_vertical; }
    double CentringOffset() const { return m_centring; }
    // Base scale from the control size and the extents.
    void ComputeBaseScale();
    TOrtho Ortho() const;

    // The model-view matrix of a frame (rotation to the first view, the three angles, zoom and
    // base scale, centring and pan); FrameMatrix also remembers it for the mouse handling.
    TMatrix4 ModelView() const;
    TMatrix4 FrameMatrix();
    const TMatrix4& RememberedMatrix() const { return m_remembered; }
    // Scene units per screen pixel at the current zoom (0 when the zoom is 0).
    double UnitsPerPixel() const;

    void Zooming(double factor) { zoom *= factor; }
    void ZoomIn() { Zooming(kZoomStep); }
    void ZoomOut() { Zooming(1 / kZoomStep); }
    void RestartView();

    // Mouse handling; each returns whether the view must repaint.
    bool MouseDown(int x, int y, const TMouseKeys& keys);
    bool MouseMove(int x, int y, const TMouseKeys& keys);
    bool MouseUp(int x, int y, const TMouseKeys& keys);
    TPressState PressState() const { return m_press; }
    // The rubber band of a zoom-window drag in progress: press point and current point.
    bool ZoomWindowDragging() const { return m_dragging; }
    std::array<int, 4> SelectionBox() const { return {m_x0, m_y0, m_x1, m_y1}; }

private:
    void updateMouseMove(int x, int y, bool shift);
    // A pixel vector of the screen carried into model axes.
    TVec3 toModel(double dx, double dy) const;

    int m_width = 1;
    int m_height = 1;
    bool m_hasMaxDims = false;
    double m_horizontal = 0;
    double m_vertical = 0;
    double m_centring = 0;
    double m_stripWidth = 0;
    TMatrix4 m_remembered;

    TPressState m_press = TPressState::Idle;
    bool m_dragging = false;
    int m_x0 = 0, m_y0 = 0, m_x1 = 0, m_y1 = 0;
    TVec3 m_panAtPress;
    double m_zoomAtPress = 1;
    std::array<double, 3> m_anglesAtPress{0, 0, 0};
};

// The deformation factor one step up or down through its leading digit: with f = d x 10^k
// (d = 1..9), up gives (d + 1) x 10^k and down (d - 1) x 10^k, or 0.9 x 10^k from d = 1. A factor
// of 0 or below (or not a number) becomes 1.
double StepDeformationFactor(double factor, bool up);

} // namespace tervane
