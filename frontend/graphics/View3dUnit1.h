#pragma once
// TDlgBlock, the "3-D View" child window: the current project as a solid model on an OpenGL
// drawing surface that fills the window. The scene is built by the widget-free scene builder and
// compiled into display lists 2 (wall and what is attached to it) and 5 (soil and water); a
// repaint replays the lists under the view's transform, then draws the axes and the rubber band.
//
// The main window reaches the view through the static functions below: Open() for the "3D View"
// command, Instance() for the "Show 3DView" menu and the 3-D tool buttons.

#include "Scene3D.h"
#include "Scene3DBuilder.h"
#include "View3dState.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace tervane {

class TglWindow;
class TMesh;

class TDlgBlock : public QWidget {
    Q_OBJECT
public:
    // "3D View": creates the view when none is open (as a child window of the main window), shows
    // and activates it, and returns it.
    static TDlgBlock* Open();
    // The open view, or nullptr.
    static TDlgBlock* Instance();
    // The deflection curve after a run or after opening a project with results (the first curve
    // of the deflection graph; empty for a new project). An open view rebuilds its scene.
    static void SetDeflections(std::vector<TDeflectionPoint> points);
    // Called when the open view closes (the main window hides the "Show 3DView" menu and the 3-D
    // tool buttons).
    static void SetCloseHandler(std::function<void()> handler);

    explicit TDlgBlock(QWidget* parent = nullptr);
    ~TDlgBlock() override;

    TView3dState& State() { return m_state; }
    const TView3dState& State() const { return m_state; }
    // The drawing surface; nullptr when the display offers no OpenGL.
    TglWindow* GlWindow() const { return m_gl; }

    // "Show 3DView" items: each flips its switch and rebuilds the scene.
    void ShowRetainingWallOption() { flip(TShowItem::Wall); }
    void ShowSoilLayersOption() { flip(TShowItem::SoilLayers); }
    void ShowWaterLevelOption() { flip(TShowItem::WaterLevel); }
    void ShowAditionalSurchargeOption() { flip(TShowItem::AdditionalSurcharge); }
    void ShowLateralSpringsOption() { flip(TShowItem::LateralSprings); }
    void ShowTieBacksOption() { flip(TShowItem::TieBacks); }
    void ShowConcentratedLoadsOption() { flip(TShowItem::ConcentratedLoads); }
    void ShowBoundaryConditionsOption() { flip(TShowItem::BoundaryConditions); }
    // Check marks of the menu.
    bool ShowOption(TShowItem item) const { return m_state.Show(item); }
    void SetShowOption(TShowItem item, bool on);
    bool DeformedShapeChecked() const { return m_state.switches.deformedShape; }

    // Tool buttons "Panning", "Zoom Window" (with its pressed state), "Zooming", "Rotating".
    void SetMouseMode(TMouseMode mode);
    void PanningClick() { SetMouseMode(TMouseMode::Panning); }
    void ZoomWindowClick(bool pressed);
    void ZoomingClick() { SetMouseMode(TMouseMode::Zooming); }
    void RotatingClick() { SetMouseMode(TMouseMode::Rotating); }
    // "Zoom In", "Zoom Out", "Restart View".
    void Zooming(double factor);
    void ZoomInClick() { Zooming(kZoomStep); }
    void ZoomOutClick() { Zooming(1 / kZoomStep); }
    void RestartViewButtonClick();
    // "Deformed Shape": opens (or shows again) the "Deformed Shape" window.
    void DeformedShapeWindow();

    // Switches and factor of the "Deformed Shape" window; each rebuilds the scene.
    void SetDeformedShape(bool on);
    void SetUndeformedModel(bool on);
    void SetDeformationFactor(double factor);

    // Lists invalid, then a repaint (which rebuilds them).
    void RedrawComplete();
    void RedrawFigure();

    // The scene the lists were last compiled from, and how often they were compiled.
    const TScenePart& PileCapPart() const { return m_pileCap; }
    const TScenePart& SoilPart() const { return m_soil; }
    int ListBuildCount() const { return m_listBuilds; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void flip(TShowItem item);
    void getMaxDims();
    void glSetupRC();
    void glRender();
    void setOrtho();
    void drawFigure();
    void drawAxes();
    void drawSelectionBox();
    void compileList(unsigned list, const TMesh& mesh);
    void glMouseDown(int x, int y, const TMouseKeys& keys);
    void glMouseMove(int x, int y, const TMouseKeys& keys);
    void glMouseUp(int x, int y, const TMouseKeys& keys);

    TglWindow* m_gl = nullptr;
    TView3dState m_state;
    TScenePart m_pileCap;
    TScenePart m_soil;
    int m_listBuilds = 0;
    bool m_activated = false;
};

} // namespace tervane
