#pragma once
// TglWindow: an OpenGL drawing surface (a compatibility context with the OpenGL 1.1 functions:
// immediate mode, display lists, blending) with published drawing properties, eight lights, and
// paint, create and mouse events. Text at a 3-D position is projected to the window and painted
// over the finished frame.

#include "EntryErrors.h"
#include "Scene3D.h"
#include "View3dState.h"

#include <QColor>
#include <QOpenGLWidget>
#include <QPointF>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QOpenGLFunctions_1_1;

namespace tervane {

// Errors of the drawing surface.
class EOpenGL : public EFrontendError {
public:
    using EFrontendError::EFrontendError;
};

inline const QString kChoosePixelFormatFailed = QStringLiteral("ChoosePixelFormat failed");
inline const QString kSetPixelFormatFailed = QStringLiteral("SetPixelFormat failed");
inline const QString kBetweenBeginAndEnd =
    QStringLiteral("operation cannot be performed between glBegin and glEnd");

// Three doubles; setting them calls the owner's change handler (the surface repaints).
class Tgl3Vector {
public:
    Tgl3Vector(double x, double y, double z, std::function<void()> changed)
        : m_x(x), m_y(y), m_z(z), m_changed(std::move(changed)) {}
    double X() const { return m_x; }
    double Y() const { return m_y; }
    double Z() const { return m_z; }
    void Set(double x, double y, double z);

private:
    double m_x, m_y, m_z;
    std::function<void()> m_changed;
};

// One of the surface's eight lights (GL_LIGHT0 + index); off unless enabled.
class TglLight {
public:
    explicit TglLight(int index) : m_index(index) {}
    int Index() const { return m_index; }
    bool Enabled = false;
    std::array<float, 4> Ambient{0, 0, 0, 1};
    std::array<float, 4> Diffuse{1, 1, 1, 1};
    std::array<float, 4> Specular{1, 1, 1, 1};
    std::array<float, 4> Position{0, 0, 1, 0};
    // Sends the light to the current context.
    void Apply(QOpenGLFunctions_1_1& gl) const;

private:
    int m_index;
};

inline constexpr int kLightCount = 8;

class TglWindow : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TglWindow(QWidget* parent = nullptr);
    ~TglWindow() override;

    // Double buffered, RGB with 24 colour bits, 32 depth bits, a compatibility context.
    static QSurfaceFormat PixelFormat();
    // Whether a context of that format can be made on this display (checked once). Without one
    // a drawing surface must not be shown: some platforms fault when composing it.
    static bool OpenGLAvailable();

    // Published properties. The setters of blending, depth testing and shade model make the
    // context current, make the call, check the error state, release the context and repaint;
    // an invalid operation raises EOpenGL after the repaint is asked for.
    QColor BackgroundColor() const { return m_background; }
    void SetBackgroundColor(const QColor& color);
    bool Blending() const { return m_blending; }
    void SetBlending(bool on);
    bool DepthTesting() const { return m_depthTesting; }
    void SetDepthTesting(bool on);
    double FOV() const { return m_fov; }
    void SetFOV(double degrees);
    bool SmoothShading() const { return m_smooth; }
    void SetSmoothShading(bool smooth);
    Tgl3Vector& EyePosition() { return m_eye; }
    Tgl3Vector& ViewPosition() { return m_view; }
    Tgl3Vector& UpVector() { return m_up; }
    TglLight& Light(int i) { return *m_lights[static_cast<size_t>(i)]; }
    int FirstCharacterList() const { return m_firstCharList; }

    // Events: creation of the context, painting (the context is current), the mouse.
    std::function<void()> OnCreate;
    std::function<void()> OnPaint;
    std::function<void(int x, int y, const TMouseKeys& keys)> OnMouseDown;
    std::function<void(int x, int y, const TMouseKeys& keys)> OnMouseMove;
    std::function<void(int x, int y, const TMouseKeys& keys)> OnMouseUp;

    // glBegin and glEnd, with the surface keeping count, so that a property setter called
    // between them is refused (the context cannot report that error from inside the pair).
    void Begin(unsigned mode);
    void End();

    // The OpenGL 1.1 functions of the context; valid in OnCreate and OnPaint.
    QOpenGLFunctions_1_1* Gl() const { return m_gl; }
    bool Painting() const { return m_painting; }
    // A creation failure (its message was shown); the surface then draws nothing.
    bool Failed() const { return m_failed; }
    // OpenGL error state after the last OnPaint.
    unsigned LastPaintError() const { return m_lastPaintError; }

    // While painting: `text` at the raster position of the scene point `p` under the current
    // matrices, painted over the frame in `color`.
    void DrawText3D(TVec3 p, const QString& text, const QColor& color);

    // Draws one frame now, without painting the texts, and waits until the renderer is done
    // (frame timing).
    void RenderFrame();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fail(const QString& message);
    void applyProperty(const std::function<void(QOpenGLFunctions_1_1&)>& call);
    void applyAll();
    void paintScene();

    struct TText {
        QPointF at;
        QString text;
        QColor color;
    };

    QOpenGLFunctions_1_1* m_gl = nullptr;
    QColor m_background = Qt::black;
    bool m_blending = false;
    bool m_depthTesting = false;
    double m_fov = 45;
    bool m_smooth = true;
    Tgl3Vector m_eye;
    Tgl3Vector m_view;
    Tgl3Vector m_up;
    std::array<std::unique_ptr<TglLight>, kLightCount> m_lights;
    int m_firstCharList = 1000;
    bool m_painting = false;
    bool m_inBeginEnd = false;
    bool m_failed = false;
    unsigned m_lastPaintError = 0;
    std::vector<TText> m_texts;
};

} // namespace tervane
