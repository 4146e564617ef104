#include "glWindow.h"

#include "Messages.h"

#include <QMetaObject>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>

#include <exception>

namespace tervane {

void Tgl3Vector::Set(double x, double y, double z) {
    m_x = x;
    m_y = y;
    m_z = z;
    if (m_changed) m_changed();
}

void TglLight::Apply(QOpenGLFunctions_1_1& gl) const {
    const GLenum light = GL_LIGHT0 + static_cast<GLenum>(m_index);
    gl.glLightfv(light, GL_AMBIENT, Ambient.data());
    gl.glLightfv(light, GL_DIFFUSE, Diffuse.data());
    gl.glLightfv(light, GL_SPECULAR, Specular.data());
    gl.glLightfv(light, GL_POSITION, Position.data());
    if (Enabled)
        gl.glEnable(light);
    else
        gl.glDisable(light);
}

TglWindow::TglWindow(QWidget* parent)
    : QOpenGLWidget(parent), m_eye(0, 0, 1, [this] { update(); }),
      m_view(0, 0, 0, [this] { update(); }), m_up(0, 1, 0, [this] { update(); }) {
    setFormat(PixelFormat());
    for (int i = 0; i < kLightCount; ++i)
        m_lights[static_cast<size_t>(i)] = std::make_unique<TglLight>(i);
}

TglWindow::~TglWindow() {
    // The lights go with the control; the context is deleted by the widget.
    for (auto& light : m_lights)
        light.reset();
}

QSurfaceFormat TglWindow::PixelFormat() {
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setVersion(2, 1);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    f.setAlphaBufferSize(0);
    f.setDepthBufferSize(32);
    return f;
}

bool TglWindow::OpenGLAvailable() {
    static const bool available = [] {
        // The offscreen platform can hand out GLX contexts when an X display is there, but its
        // backing store cannot compose an OpenGL widget into a window (Qt 6.4 crashes in the
        // flush), so there the view has no drawing surface.
        if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
            QGuiApplication::platformName() == QLatin1String("minimal"))
            return false;
        QOpenGLContext probe;
        probe.setFormat(PixelFormat());
        return probe.create() && probe.isValid();
    }();
    return available;
}

void TglWindow::fail(const QString& message) {
    m_failed = true;
    m_gl = nullptr;
    // Shown once the creation is over, outside the paint machinery.
    QMetaObject::invokeMethod(
        this, [message] { Messages().information(message); }, Qt::QueuedConnection);
}

void TglWindow::initializeGL() {
    QOpenGLContext* ctx = context();
    if (ctx == nullptr || !ctx->isValid()) return fail(kChoosePixelFormatFailed);
    m_gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(ctx);
    if (m_gl == nullptr) return fail(kSetPixelFormatFailed);
    applyAll();
    if (OnCreate) {
        try {
            OnCreate();
        } catch (const std::exception& e) {
            fail(QString::fromUtf8(e.what()));
        }
    }
}

void TglWindow::applyAll() {
    m_gl->glClearColor(m_background.redF(), m_background.greenF(), m_background.blueF(), 1);
    m_blending ? m_gl->glEnable(GL_BLEND) : m_gl->glDisable(GL_BLEND);
    m_depthTesting ? m_gl->glEnable(GL_DEPTH_TEST) : m_gl->glDisable(GL_DEPTH_TEST);
    m_gl->glShadeModel(m_smooth ? GL_SMOOTH : GL_FLAT);
    for (const auto& light : m_lights)
        light->Apply(*m_gl);
}

void TglWindow::Begin(unsigned mode) {
    m_gl->glBegin(mode);
    m_inBeginEnd = true;
}

void TglWindow::End() {
    m_gl->glEnd();
    m_inBeginEnd = false;
}

void TglWindow::applyProperty(const std::function<void(QOpenGLFunctions_1_1&)>& call) {
    if (m_gl == nullptr) { // not created yet: applied at creation
        update();
        return;
    }
    if (m_inBeginEnd) {
        update();
        throw EOpenGL(kBetweenBeginAndEnd);
    }
    GLenum error = GL_NO_ERROR;
    if (m_painting) {
        call(*m_gl);
        error = m_gl->glGetError();
    } else {
        makeCurrent();
        call(*m_gl);
        error = m_gl->glGetError();
        doneCurrent();
    }
    update();
    if (error == GL_INVALID_OPERATION) throw EOpenGL(kBetweenBeginAndEnd);
}

void TglWindow::SetBackgroundColor(const QColor& color) {
    m_background = color;
    applyProperty([&](QOpenGLFunctions_1_1& gl) {
        gl.glClearColor(color.redF(), color.greenF(), color.blueF(), 1);
    });
}

void TglWindow::SetBlending(bool on) {
    m_blending = on;
    applyProperty(
        [on](QOpenGLFunctions_1_1& gl) { on ? gl.glEnable(GL_BLEND) : gl.glDisable(GL_BLEND); });
}

void TglWindow::SetDepthTesting(bool on) {
    m_depthTesting = on;
    applyProperty([on](QOpenGLFunctions_1_1& gl) {
        on ? gl.glEnable(GL_DEPTH_TEST) : gl.glDisable(GL_DEPTH_TEST);
    });
}

void TglWindow::SetFOV(double degrees) {
    m_fov = degrees;
    update();
}

void TglWindow::SetSmoothShading(bool smooth) {
    m_smooth = smooth;
    applyProperty(
        [smooth](QOpenGLFunctions_1_1& gl) { gl.glShadeModel(smooth ? GL_SMOOTH : GL_FLAT); });
}

void TglWindow::resizeGL(int w, int h) {
    if (m_gl) m_gl->glViewport(0, 0, w, h);
}

void TglWindow::paintScene() {
    if (m_gl == nullptr) return;
    // Painted text of the previous frame may have left a program bound and the viewport moved.
    context()->functions()->glUseProgram(0);
    const qreal ratio = devicePixelRatioF();
    m_gl->glViewport(0, 0, static_cast<GLsizei>(width() * ratio),
                     static_cast<GLsizei>(height() * ratio));
    m_painting = true;
    m_texts.clear();
    try {
        if (OnPaint) OnPaint();
    } catch (const std::exception&) {
        // A drawing fault must not reach the event loop; the frame stays as drawn so far.
    }
    if (m_inBeginEnd) End(); // a paint handler that failed between the pair
    m_lastPaintError = m_gl->glGetError();
    m_gl->glFlush();
    m_painting = false;
}

void TglWindow::paintEvent(QPaintEvent* event) {
    QOpenGLWidget::paintEvent(event);
    // No context could be made for the pixel format (no OpenGL on this display): the widget
    // never initialised, so say so once.
    if (!m_failed && m_gl == nullptr && (context() == nullptr || !context()->isValid()))
        fail(kChoosePixelFormatFailed);
}

void TglWindow::paintGL() {
    if (m_failed) return;
    paintScene();
    if (m_texts.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const TText& t : m_texts) {
        painter.setPen(t.color);
        painter.drawText(t.at, t.text);
    }
}

void TglWindow::RenderFrame() {
    if (m_failed || m_gl == nullptr) return;
    makeCurrent();
    paintScene();
    m_gl->glFinish();
    doneCurrent();
}

void TglWindow::DrawText3D(TVec3 p, const QString& text, const QColor& color) {
    if (!m_painting || m_gl == nullptr) return;
    GLdouble mv[16], pr[16];
    GLint vp[4];
    m_gl->glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    m_gl->glGetDoublev(GL_PROJECTION_MATRIX, pr);
    m_gl->glGetIntegerv(GL_VIEWPORT, vp);
    const double in[4] = {p.x, p.y, p.z, 1};
    double eye[4], clip[4];
    for (int r = 0; r < 4; ++r)
        eye[r] = mv[r] * in[0] + mv[4 + r] * in[1] + mv[8 + r] * in[2] + mv[12 + r] * in[3];
    for (int r = 0; r < 4; ++r)
        clip[r] = pr[r] * eye[0] + pr[4 + r] * eye[1] + pr[8 + r] * eye[2] + pr[12 + r] * eye[3];
    if (clip[3] == 0) return;
    const double ratio = devicePixelRatioF();
    const double x = vp[0] + (clip[0] / clip[3] + 1) / 2 * vp[2];
    const double y = vp[1] + (clip[1] / clip[3] + 1) / 2 * vp[3];
    m_texts.push_back({QPointF(x / ratio, height() - y / ratio), text, color});
}

namespace {
TMouseKeys keysOf(const QMouseEvent* e) {
    TMouseKeys k;
    k.left = e->buttons().testFlag(Qt::LeftButton);
    k.right = e->buttons().testFlag(Qt::RightButton);
    k.middle = e->buttons().testFlag(Qt::MiddleButton);
    k.shift = e->modifiers().testFlag(Qt::ShiftModifier);
    k.ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    return k;
}
} // namespace

void TglWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseDown) OnMouseDown(p.x(), p.y(), keysOf(event));
}

void TglWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseMove) OnMouseMove(p.x(), p.y(), keysOf(event));
}

void TglWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseUp) OnMouseUp(p.x(), p.y(), keysOf(event));
}

} // namespace tervane
