#include "View3dUnit1.h"

#include "CurrentProject.h"
#include "DeformedShape.h"
#include "MdiHost.h"
#include "Messages.h"
#include "ProgramData.h"
#include "Scene3DBuilder.h"
#include "SceneDimensions.h"
#include "SceneMesh.h"
#include "glWindow.h"

#include <QApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QOpenGLFunctions_1_1>
#include <QPointer>
#include <QVBoxLayout>

namespace tervane {

namespace {
QPointer<TDlgBlock> g_view;
std::function<void()>& closeHandler() {
    static std::function<void()> handler;
    return handler;
}
// Display lists of the scene: 1 is compiled empty, 3, 4 and 6 are never compiled.
constexpr unsigned kListEmpty = 1;
constexpr unsigned kListPileCap = 2;
constexpr unsigned kListSoil = 5;
constexpr unsigned kLastList = 6;
// Size of a view window when first shown.
constexpr int kInitialWidth = 760;
constexpr int kInitialHeight = 560;

// The hourglass while the lists are rebuilt.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
} // namespace

TDlgBlock* TDlgBlock::Open() {
    if (g_view.isNull()) {
        auto* view = new TDlgBlock;
        view->setAttribute(Qt::WA_DeleteOnClose);
        g_view = view;
        if (QMdiSubWindow* sub = AddMdiChild(view, false))
            sub->resize(kInitialWidth, kInitialHeight);
    } else {
        ShowChildAgain(g_view);
    }
    return g_view;
}

TDlgBlock* TDlgBlock::Instance() {
    return g_view.data();
}

void TDlgBlock::SetDeflections(std::vector<TDeflectionPoint> points) {
    SetDeflectionCurve(std::move(points));
    if (TDlgBlock* view = Instance()) view->RedrawComplete();
}

void TDlgBlock::SetCloseHandler(std::function<void()> handler) {
    closeHandler() = std::move(handler);
}

TDlgBlock::TDlgBlock(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("3-D View"));
    resize(kInitialWidth, kInitialHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!TglWindow::OpenGLAvailable()) {
        // No drawing surface can be made on this display: an empty window and the message.
        auto* blank = new QWidget(this);
        blank->setAutoFillBackground(true);
        layout->addWidget(blank);
        QMetaObject::invokeMethod(
            this, [] { Messages().information(kChoosePixelFormatFailed); }, Qt::QueuedConnection);
        return;
    }
    m_gl = new TglWindow(this);
    layout->addWidget(m_gl);
    m_gl->SetBackgroundColor(Qt::black);
    m_gl->SetBlending(false);
    m_gl->SetDepthTesting(false);
    m_gl->SetFOV(45);
    m_gl->SetSmoothShading(true);
    // A new context (the first, or one made when the window moves to another top-level window)
    // holds no display lists yet.
    m_gl->OnCreate = [this] { m_state.listsValid = false; };
    m_gl->OnPaint = [this] { glRender(); };
    m_gl->OnMouseDown = [this](int x, int y, const TMouseKeys& k) { glMouseDown(x, y, k); };
    m_gl->OnMouseMove = [this](int x, int y, const TMouseKeys& k) { glMouseMove(x, y, k); };
    m_gl->OnMouseUp = [this](int x, int y, const TMouseKeys& k) { glMouseUp(x, y, k); };
}

TDlgBlock::~TDlgBlock() = default;

void TDlgBlock::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Only the view the main window opened tells it so; the main window's own destruction
    // sends no close and so calls nothing on a window that is going away.
    if (g_view != this) return;
    g_view = nullptr;
    TDlgDeformedShape::CloseInstance(); // it acts on this view only
    if (closeHandler()) closeHandler()();
}

void TDlgBlock::flip(TShowItem item) {
    m_state.SetShow(item, !m_state.Show(item));
    RedrawComplete();
}

void TDlgBlock::SetShowOption(TShowItem item, bool on) {
    m_state.SetShow(item, on);
    RedrawComplete();
}

void TDlgBlock::SetMouseMode(TMouseMode mode) {
    m_state.mouseMode = mode;
}

void TDlgBlock::ZoomWindowClick(bool pressed) {
    m_state.zoomWindowFlag = pressed;
    SetMouseMode(TMouseMode::ZoomWindow);
}

void TDlgBlock::Zooming(double factor) {
    m_state.Zooming(factor);
    RedrawFigure();
}

void TDlgBlock::RestartViewButtonClick() {
    m_state.RestartView();
    RedrawFigure();
}

void TDlgBlock::DeformedShapeWindow() {
    TDlgDeformedShape::ShowInstance();
}

void TDlgBlock::SetDeformedShape(bool on) {
    m_state.switches.deformedShape = on;
    RedrawComplete();
}

void TDlgBlock::SetUndeformedModel(bool on) {
    m_state.switches.undeformedModel = on;
    RedrawComplete();
}

void TDlgBlock::SetDeformationFactor(double factor) {
    m_state.switches.deformationFactor = factor;
    RedrawComplete();
}

void TDlgBlock::RedrawComplete() {
    m_state.listsValid = false;
    RedrawFigure();
}

void TDlgBlock::RedrawFigure() {
    if (m_gl) m_gl->update();
}

void TDlgBlock::getMaxDims() {
    if (!HasCurrentProject()) {
        m_state.GetMaxDims(0, 0);
        return;
    }
    const TProgramData& p = CurrentProject();
    m_state.GetMaxDims(GetWallWidth(p), GetDepthExtent(p));
}

void TDlgBlock::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The extents are taken when the window first comes up and kept until it closes.
    if (!m_activated) {
        m_activated = true;
        getMaxDims();
        m_state.listsValid = false;
    }
    RedrawFigure();
}

void TDlgBlock::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) RedrawFigure();
}

void TDlgBlock::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_state.listsValid = false;
}

void TDlgBlock::setOrtho() {
    QOpenGLFunctions_1_1& gl = *m_gl->Gl();
    const TOrtho o = m_state.Ortho();
    gl.glMatrixMode(GL_PROJECTION);
    gl.glLoadIdentity();
    gl.glOrtho(o.left, o.right, o.bottom, o.top, o.nearPlane, o.farPlane);
    gl.glMatrixMode(GL_MODELVIEW);
}

void TDlgBlock::compileList(unsigned list, const TMesh& mesh) {
    QOpenGLFunctions_1_1& gl = *m_gl->Gl();
    gl.glNewList(list, GL_COMPILE);
    gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.glPolygonOffset(1, 1);
    for (const TMeshBatch& b : mesh.Batches()) {
        b.blend ? gl.glEnable(GL_BLEND) : gl.glDisable(GL_BLEND);
        // Faces sit a little behind their edges, so the outlines show whole; translucent faces
        // leave the depth buffer alone, so that what lies behind them still shows.
        b.lines ? gl.glDisable(GL_POLYGON_OFFSET_FILL) : gl.glEnable(GL_POLYGON_OFFSET_FILL);
        gl.glDepthMask(b.lines || !b.blend || b.color.a >= 1 ? GL_TRUE : GL_FALSE);
        gl.glColor4f(b.color.r, b.color.g, b.color.b, b.color.a);
        m_gl->Begin(b.lines ? GL_LINES : GL_TRIANGLES);
        const float* v = b.vertices.data();
        const float* n = b.normals.data();
        for (int i = 0; i < b.VertexCount(); ++i) {
            if (!b.lines) gl.glNormal3fv(n + 3 * i);
            gl.glVertex3fv(v + 3 * i);
        }
        m_gl->End();
    }
    gl.glDisable(GL_BLEND);
    gl.glDisable(GL_POLYGON_OFFSET_FILL);
    gl.glDepthMask(GL_TRUE);
    gl.glEndList();
}

void TDlgBlock::glSetupRC() {
    QOpenGLFunctions_1_1& gl = *m_gl->Gl();
    const TWaitCursor wait;
    gl.glClearColor(1, 1, 1, 1);
    gl.glClear(GL_COLOR_BUFFER_BIT);
    m_state.SetSize(m_gl->width(), m_gl->height());
    setOrtho();
    m_state.ComputeBaseScale();
    if (HasCurrentProject()) {
        const TProgramData& p = CurrentProject();
        m_pileCap = BuildPileCap(p, m_state.switches, DeflectionCurve());
        m_soil = BuildSoilLayers(p, m_state.switches);
    } else {
        m_pileCap = {};
        m_soil = {};
    }
    compileList(kListEmpty, TMesh{});
    compileList(kListPileCap, BuildMesh(m_pileCap));
    compileList(kListSoil, BuildMesh(m_soil));
    m_state.listsValid = true;
    ++m_listBuilds;
}

void TDlgBlock::glRender() {
    if (m_gl->Gl() == nullptr) return;
    if (!m_state.HasMaxDims()) getMaxDims();
    if (!m_state.listsValid) glSetupRC();
    drawFigure();
}

void TDlgBlock::drawFigure() {
    QOpenGLFunctions_1_1& gl = *m_gl->Gl();
    m_state.SetSize(m_gl->width(), m_gl->height());
    gl.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    gl.glClearColor(1, 1, 1, 1);
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The frame stays opaque: blended faces change the colour only, so the finished frame
    // composes the same into the window and into grabbed pictures.
    gl.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    setOrtho(); // the text painted over the last frame may have changed the projection
    gl.glLoadIdentity();
    gl.glShadeModel(GL_SMOOTH);
    gl.glEnable(GL_DEPTH_TEST);
    gl.glEnable(GL_CULL_FACE);
    // Rotation to the first view, the three angles, zoom and base scale, centring and pan.
    const TMatrix4 m = m_state.FrameMatrix();
    gl.glLoadMatrixd(m.Data());
    for (unsigned list = kListEmpty; list <= kLastList; ++list)
        gl.glCallList(list);
    gl.glDisable(GL_DEPTH_TEST);
    gl.glDisable(GL_CULL_FACE);
    if (m_state.showAxes) drawAxes();
    gl.glLoadIdentity();
    if (m_state.ZoomWindowDragging()) drawSelectionBox();
    gl.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void TDlgBlock::drawAxes() {
    QOpenGLFunctions_1_1& gl = *m_gl->Gl();
    const double length = kAxisPixels * m_state.UnitsPerPixel();
    if (length == 0) return;
    struct TAxis {
        TVec3 end;
        QColor color;
        const char* label;
    };
    const TAxis axes[] = {{{length, 0, 0}, QColor(0, 0, 255), "X"},
                          {{0, length, 0}, QColor(0, 255, 0), "Y"},
                          {{0, 0, -length}, QColor(255, 0, 0), "D"}};
    for (const TAxis& a : axes) {
        gl.glColor4f(static_cast<float>(a.color.redF()), static_cast<float>(a.color.greenF()),
                     static_cast<float>(a.color.blueF()), 1);
        m_gl->Begin(GL_LINES);
        gl.glVertex3d(0, 0, 0);
        gl.glVertex3d(a.end.x, a.end.y, a.end.z);
        m_gl->End();
        m_gl->DrawText3D(a.end, QString::fromLatin1(a.label), a.color);
    }
}

void TDlgBlock::drawSelectionBox() {
    QOpenGLFunctions_1_1& gl = *m_gl->Gl();
    const auto box = m_state.SelectionBox();
    const double w = m_state.Width() / 2.0, h = m_state.Height() / 2.0;
    const double x0 = box[0] - w, y0 = h - box[1], x1 = box[2] - w, y1 = h - box[3];
    gl.glColor4f(0, 1, 0, 1);
    m_gl->Begin(GL_LINE_LOOP);
    gl.glVertex3d(x0, y0, 0);
    gl.glVertex3d(x1, y0, 0);
    gl.glVertex3d(x1, y1, 0);
    gl.glVertex3d(x0, y1, 0);
    m_gl->End();
}

void TDlgBlock::glMouseDown(int x, int y, const TMouseKeys& keys) {
    if (m_state.MouseDown(x, y, keys)) RedrawFigure();
}

void TDlgBlock::glMouseMove(int x, int y, const TMouseKeys& keys) {
    if (m_state.MouseMove(x, y, keys)) RedrawFigure();
}

void TDlgBlock::glMouseUp(int x, int y, const TMouseKeys& keys) {
    if (m_state.MouseUp(x, y, keys)) RedrawFigure();
}

} // namespace tervane
