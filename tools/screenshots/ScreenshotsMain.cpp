// Grabs the pictures of the user's manual from the real program:
//   tervane-screenshots PROJECT.tv5d FOLDER
// Opens the main window on a new project, then on PROJECT (a copy is analysed in a temporary
// folder), and writes each window the tutorial shows as a PNG picture into FOLDER: the main
// window, the Options menu, the input dialogs and tables, the window after the run, a graph
// window, the wall profile, the 3-D view and the export dialog. The 3-D view needs OpenGL: run
// under xvfb-run with the xcb platform (docs/manual/make-screenshots.sh does).
#include "CommandIds.h"
#include "DesktopLaunch.h"
#include "MainForm.h"
#include "MainMenus.h"
#include "ProgramSettings.h"
#include "ProgramWiring.h"
#include "ProjectFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

using namespace tervane;

// The main window's size in the pictures: the tool bar fits in one row.
constexpr int kWindowWidth = 1060;
constexpr int kWindowHeight = 720;

class TShots {
public:
    TShots(TMainForm& form, QString folder) : m_form(form), m_folder(std::move(folder)) {}

    void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
    }

    bool save(QWidget* w, const QString& name) {
        if (w == nullptr) {
            std::fprintf(stderr, "tervane-screenshots: no window for %s\n", qPrintable(name));
            m_failed = true;
            return false;
        }
        settle();
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        if (!w->grab().save(path)) {
            std::fprintf(stderr, "tervane-screenshots: cannot write %s\n", qPrintable(path));
            m_failed = true;
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }

    void mainWindow(const QString& name) { save(&m_form, name); }

    // The window a command opens, in its frame.
    QMdiSubWindow* open(TCmd cmd) {
        m_form.Execute(cmd);
        settle();
        return newest();
    }

    // The active child window, else the last one opened (a window is not active while the
    // main window lacks the focus).
    QMdiSubWindow* newest() const {
        QMdiArea* area = m_form.mdiArea();
        if (QMdiSubWindow* w = area->activeSubWindow()) return w;
        const QList<QMdiSubWindow*> all = area->subWindowList();
        return all.isEmpty() ? nullptr : all.last();
    }

    void child(TCmd cmd, const QString& name) { save(open(cmd), name); }

    // A child window's button that opens a table (by object name, else by its text, e.g. a
    // soil layer's parameters from the Soil Layers table); the table's window is grabbed.
    void button(QMdiSubWindow* from, const QString& button, const QString& name) {
        QAbstractButton* found = nullptr;
        if (from != nullptr)
            for (QAbstractButton* b : from->findChildren<QAbstractButton*>())
                if (b->objectName() == button || b->text() == button) found = b;
        if (found == nullptr) {
            save(nullptr, name);
            return;
        }
        found->click();
        settle();
        save(newest(), name);
    }

    // A dialog and the table its button opens.
    void dialogAndTable(TCmd cmd, const QString& button, const QString& dialogName,
                        const QString& tableName) {
        QMdiSubWindow* dialog = open(cmd);
        save(dialog, dialogName);
        this->button(dialog, button, tableName);
    }

    void menu(TMenuId id, const QString& name) {
        m_form.PrepareMenu(id);
        popup(m_form.Menus().menus[static_cast<int>(id)], name);
    }

    void popup(QMenu* menu, const QString& name) {
        if (menu == nullptr) {
            save(nullptr, name);
            return;
        }
        menu->popup(m_form.mapToGlobal(QPoint(40, 40)));
        settle();
        save(menu, name);
        menu->hide();
    }

    // A modal dialog the command opens: grabbed once it is up, then closed.
    void modal(TCmd cmd, const QString& name) {
        QTimer::singleShot(300, &m_form, [this, name] {
            QWidget* w = QApplication::activeModalWidget();
            save(w, name);
            if (w) w->close();
        });
        m_form.Execute(cmd);
        settle();
    }

    void closeChildren() {
        m_form.mdiArea()->closeAllSubWindows();
        settle();
    }

    bool failed() const { return m_failed; }

private:
    TMainForm& m_form;
    QString m_folder;
    bool m_failed = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("tervane-screenshots PROJECT.tv5d FOLDER: grabs the manual's pictures\n",
                   stderr);
        return 2;
    }
    QTemporaryDir work;
    if (!work.isValid() || !QDir().mkpath(args[2])) {
        std::fputs("tervane-screenshots: cannot make the folders\n", stderr);
        return 1;
    }
    // Settings, editor and desktop stay untouched.
    TProgramSettings::SetFileOverride(work.filePath(QStringLiteral("settings.ini")));
    SetFileOpener([](const QString&) { return true; });
    SetProcessStarter([](const QString&, const QStringList&) { return true; });
    InstallWindowServices();
    const QString project = work.filePath(QFileInfo(args[1]).fileName());
    if (!QFile::copy(args[1], project)) {
        std::fprintf(stderr, "tervane-screenshots: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }

    TMainForm form;
    TProgramWiring wiring(form);
    form.resize(kWindowWidth, kWindowHeight);
    form.Startup();
    form.show();
    TShots shots(form, args[2]);
    shots.settle();
    shots.mainWindow(QStringLiteral("main-window-new"));
    shots.menu(TMenuId::Options, QStringLiteral("menu-options"));
    shots.menu(TMenuId::Data, QStringLiteral("menu-data"));
    form.PrepareMenu(TMenuId::Options);
    shots.popup(form.Menus().units, QStringLiteral("menu-units"));

    if (!form.Files().OpenByName(project, 1)) {
        std::fprintf(stderr, "tervane-screenshots: cannot open %s\n", qPrintable(project));
        return 1;
    }
    shots.settle();
    shots.child(TCmd::DataTitle, QStringLiteral("dialog-title"));
    shots.dialogAndTable(TCmd::DataWallProperties, QStringLiteral("btnSection"),
                         QStringLiteral("dialog-wall-properties"),
                         QStringLiteral("table-wall-stiffness"));
    shots.closeChildren();
    shots.child(TCmd::DataWallConfiguration, QStringLiteral("dialog-wall-configuration"));
    shots.closeChildren();
    QMdiSubWindow* layers = shots.open(TCmd::DataSoilLayer);
    shots.save(layers, QStringLiteral("table-soil-layers"));
    shots.button(layers, QStringLiteral("1: Sand"), QStringLiteral("table-sand"));
    shots.closeChildren();
    shots.dialogAndTable(TCmd::DataTiebacks, QStringLiteral("btnEdit"),
                         QStringLiteral("dialog-tieback"), QStringLiteral("table-tiebacks"));
    shots.closeChildren();

    form.Execute(TCmd::CompRun);
    shots.settle();
    shots.open(TCmd::GraphDMS);
    shots.mainWindow(QStringLiteral("main-window-results"));
    shots.closeChildren();
    shots.child(TCmd::CompViewWall, QStringLiteral("window-wall-profile"));
    shots.closeChildren();
    shots.child(TCmd::Comp3DView, QStringLiteral("window-3d-view"));
    shots.closeChildren();
    shots.modal(TCmd::GraphExport, QStringLiteral("dialog-export"));
    return shots.failed() ? 1 : 0;
}
