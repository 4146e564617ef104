// The 3-D view inside the main window as the screen shows it: the picture the window system
// holds of the main window matches the view's own frame, painted axis labels included. Runs on a
// display with OpenGL (xcb under xvfb-run); with TERVANE_SHOTS_DIR set the screen picture is
// saved there for review.
#include "MainForm.h"
#include "ProgramWiring.h"

#include "CommandIds.h"
#include "ProgramSettings.h"
#include "ProjectFiles.h"
#include "ScriptedMessages.h"
#include "View3dUnit1.h"
#include "glWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using namespace tervane;

// Lets the window system show what was drawn: events for a while.
void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

// Pixels of `a` and `b` (same size) that differ by more than `tolerance` in a channel.
int differing(const QImage& a, const QImage& b, int tolerance) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++n;
        }
    return n;
}

TEST(View3dOnScreen, TheMainWindowShowsTheViewWithItsAxisLabels) {
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        GTEST_SKIP() << "needs a display (xvfb-run -a)";
    if (!TglWindow::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    test::TScriptedMessagesScope scope;
    QTemporaryDir dir;
    TProgramSettings::SetFileOverride(dir.filePath(QStringLiteral("settings.ini")));
    const QString project = dir.filePath(QStringLiteral("tieback.tv5d"));
    QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/tieback-clay-trapezoid.tv5d"), project);
    InstallWindowServices();
    {
        TMainForm form;
        TProgramWiring wiring(form);
        form.resize(1024, 720);
        form.show();
        ASSERT_TRUE(form.Files().OpenByName(project, 1));
        form.Execute(TCmd::Comp3DView);
        TDlgBlock* view = TDlgBlock::Instance();
        ASSERT_NE(view, nullptr);
        settle(600);
        TglWindow* gl = view->GlWindow();
        ASSERT_NE(gl, nullptr);
        ASSERT_FALSE(gl->Failed());

        // The window system may show the frame some time after it was drawn, more so on a
        // loaded machine: grab again until the screen holds the view's frame, for 10 s at most.
        QImage frame, screen, shown;
        int diff = -1;
        QElapsedTimer waited;
        waited.start();
        do {
            settle(100);
            frame = gl->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
            const QPoint at = gl->mapTo(&form, QPoint(0, 0));
            screen = form.screen()->grabWindow(form.winId()).toImage().convertToFormat(
                QImage::Format_RGB32);
            shown = screen.copy(QRect(at, frame.size()));
            diff = shown.size() == frame.size() ? differing(shown, frame, 8) : -1;
        } while (diff != 0 && waited.elapsed() < 10000);
        const QByteArray out = qgetenv("TERVANE_SHOTS_DIR");
        if (!out.isEmpty()) {
            screen.save(QDir(QString::fromLocal8Bit(out)).filePath("main-3d-view-screen.png"));
            frame.save(QDir(QString::fromLocal8Bit(out)).filePath("main-3d-view-frame.png"));
        }
        ASSERT_EQ(shown.size(), frame.size());
        EXPECT_EQ(diff, 0);
        // The green "Y" is the one green mark: its axis points at the viewer.
        int green = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb p = frame.pixel(x, y);
                green += qGreen(p) > 160 && qRed(p) < 100 && qBlue(p) < 100;
            }
        EXPECT_GT(green, 5);
        EXPECT_FALSE(scope.messages.informationTexts().contains(kChoosePixelFormatFailed));
    }
    TProgramSettings::SetFileOverride(QString());
}

} // namespace
