// The graph windows' "&Plot" menu in the main menu bar: it follows the current child window, sits
// between "&Graphics" and "&Window", is absent while an input dialog is current, goes with its
// window, and Ctrl+Z drops down the menu of the current graph window only.
#include "MainForm.h"
#include "ProgramWiring.h"

#include "CommandIds.h"
#include "DlgTitle.h"
#include "MdiHost.h"
#include "PlotForm.h"
#include "ProgramSettings.h"
#include "ScriptedMessages.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QWindow>
#include <gtest/gtest.h>

// The key entry of the window system that Qt's GUI library exports for test drivers: the event
// takes the way of a real key press, through the shortcut map to the focus widget.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key,
                                    Qt::KeyboardModifiers modifiers, const QString& text = {},
                                    bool autorepeat = false, ushort count = 1);

using namespace tervane;

namespace {

void fill(TGraphPlot& plot, const QString& caption) {
    plot.Caption = caption;
    plot.SetCurveCount(kCurveSetMain, 1);
    plot.SetPointCount(kCurveSetMain, 3);
    plot.Point(kCurveSetMain, 0, 1) = {1, 2};
    plot.Point(kCurveSetMain, 0, 2) = {2, 1};
}

// The titles of the menu bar's visible menus, in order.
QStringList barMenus(QMainWindow& window) {
    QStringList titles;
    for (QAction* a : window.menuBar()->actions())
        if (a->isVisible()) titles << a->text();
    return titles;
}

// Ctrl+Z as the window system delivers it to `window`.
void pressCtrlZ(QWidget& window) {
    qt_handleKeyEvent(window.windowHandle(), QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    qt_handleKeyEvent(window.windowHandle(), QEvent::KeyRelease, Qt::Key_Z, Qt::ControlModifier);
}

TPlotForm* graphWindow(const TGraphPlot& plot) {
    return qobject_cast<TPlotForm*>(plot.Window());
}

class ChildMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        TProgramSettings::SetFileOverride(
            QString::fromStdString((dir.path() / "settings.ini").string()));
        InstallWindowServices();
    }
    void TearDown() override { TProgramSettings::SetFileOverride(QString()); }
    testsupport::TempDir dir;
    test::TScriptedMessagesScope scope;
};

} // namespace

TEST_F(ChildMenuTest, ThePlotMenuOfTheCurrentGraphWindowIsInTheMainMenuBar) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    QApplication::setActiveWindow(&form);
    const QStringList bare = barMenus(form);
    EXPECT_FALSE(bare.contains(QStringLiteral("&Plot")));

    fill(wiring.Models().pltDef, QStringLiteral("Deflection"));
    fill(wiring.Models().pltMom, QStringLiteral("Bending Moment"));
    form.Execute(TCmd::GraphDef);
    form.Execute(TCmd::GraphMom);
    TPlotForm* def = graphWindow(wiring.Models().pltDef);
    TPlotForm* mom = graphWindow(wiring.Models().pltMom);
    ASSERT_NE(def, nullptr);
    ASSERT_NE(mom, nullptr);
    EXPECT_TRUE(def->findChildren<QMenuBar*>().isEmpty()); // no bar of its own

    // The last one opened is current; activating the other swaps the menus.
    EXPECT_EQ(form.ChildMenu(), mom->PlotMenu());
    form.mdiArea()->setActiveSubWindow(MdiWindowOf(def));
    EXPECT_EQ(form.ChildMenu(), def->PlotMenu());
    QStringList withPlot = bare;
    withPlot.insert(withPlot.indexOf(QStringLiteral("&Window")), QStringLiteral("&Plot"));
    EXPECT_EQ(barMenus(form), withPlot);
    const QList<QAction*> bar = form.menuBar()->actions();
    EXPECT_TRUE(bar.contains(def->PlotMenu()->menuAction()));
    EXPECT_FALSE(bar.contains(mom->PlotMenu()->menuAction()));
    form.mdiArea()->setActiveSubWindow(MdiWindowOf(mom));
    EXPECT_EQ(barMenus(form), withPlot);
    EXPECT_TRUE(form.menuBar()->actions().contains(mom->PlotMenu()->menuAction()));
    EXPECT_FALSE(form.menuBar()->actions().contains(def->PlotMenu()->menuAction()));

    // Ctrl+Z drops down the current window's menu from the main menu bar (activation gives the
    // window the focus).
    EXPECT_TRUE(mom->isAncestorOf(QApplication::focusWidget()));
    pressCtrlZ(form);
    EXPECT_TRUE(mom->PlotMenu()->isVisible());
    EXPECT_FALSE(def->PlotMenu()->isVisible());
    EXPECT_EQ(form.menuBar()->activeAction(), mom->PlotMenu()->menuAction());
    mom->PlotMenu()->hide();

    // An input dialog brings no menu: the bar is as it was without graph windows.
    form.Execute(TCmd::DataTitle);
    ASSERT_NE(TdlgTitle::Instance(), nullptr);
    EXPECT_EQ(form.mdiArea()->currentSubWindow(), MdiWindowOf(TdlgTitle::Instance()));
    EXPECT_EQ(form.ChildMenu(), nullptr);
    EXPECT_EQ(barMenus(form), bare);

    // Closing the current graph window takes its menu with it.
    form.mdiArea()->setActiveSubWindow(MdiWindowOf(def));
    EXPECT_EQ(form.ChildMenu(), def->PlotMenu());
    MdiWindowOf(def)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(graphWindow(wiring.Models().pltDef), nullptr);
    EXPECT_LE(barMenus(form).count(QStringLiteral("&Plot")), 1);
    form.mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form.ChildMenu(), nullptr);
    EXPECT_EQ(barMenus(form), bare);
}

TEST(PlotFormMenu, CtrlZPopsTheMenuUpWhenNoBarShowsIt) {
    TGraphPlot plot;
    fill(plot, QStringLiteral("Alone"));
    TPlotForm form(plot);
    form.show();
    QApplication::setActiveWindow(&form);
    form.Canvas()->setFocus();
    pressCtrlZ(form);
    EXPECT_TRUE(form.PlotMenu()->isVisible());
    form.PlotMenu()->hide();
}

// The main window with a maximised graph window and its menu dropped down from the main menu bar
// (the popup drawn into the window's picture where it stands on the screen).
TEST_F(ChildMenuTest, Screenshot) {
    const QByteArray out = qgetenv("TERVANE_SHOTS_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "TERVANE_SHOTS_DIR not set";
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    QApplication::setActiveWindow(&form);
    TGraphPlot& plot = wiring.Models().pltDef;
    fill(plot, QStringLiteral("Deflection"));
    plot.SetCurveCount(kCurveSetMain, 3);
    plot.SetPointCount(kCurveSetMain, 3);
    for (int c = 1; c < 3; ++c)
        for (int i = 0; i < 3; ++i)
            plot.Point(kCurveSetMain, c, i) = {plot.Point(kCurveSetMain, 0, i).x * (c + 1) / 2,
                                               plot.Point(kCurveSetMain, 0, i).y};
    form.Execute(TCmd::GraphDef);
    TPlotForm* graph = graphWindow(plot);
    ASSERT_NE(graph, nullptr);
    graph->Canvas()->setFocus();
    pressCtrlZ(form);
    QCoreApplication::processEvents();
    QMenu* menu = graph->PlotMenu();
    ASSERT_TRUE(menu->isVisible());
    QPixmap shot = form.grab();
    {
        QPainter p(&shot);
        p.drawPixmap(menu->mapToGlobal(QPoint(0, 0)) - form.mapToGlobal(QPoint(0, 0)),
                     menu->grab());
    }
    shot.save(QDir(QString::fromLocal8Bit(out)).filePath(QStringLiteral("main-plot-menu.png")));
    menu->hide();
}
