#pragma once
// The program's main window: a multiple-document frame whose children are the input dialogs, table
// editor windows, graph windows and views. It carries the main menu, the tool bar and the status
// bar, owns the grid tables and the current project (through TProjectFiles), keeps the settings
// and runs the commands; commands that other windows carry out go through Commands().

#include "ChildWindows.h"
#include "MainCommands.h"
#include "MainMenus.h"
#include "MenuRules.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <memory>
#include <vector>

class QLabel;
class QMenu;
class QMdiArea;
class QToolBar;

namespace tervane {

class TProgramData;
class TProjectFiles;
class TProjectTables;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QMdiArea* mdiArea() const { return m_mdiArea; }
    TMainCommands& Commands() { return m_commands; }
    // The created flags of the dialogs and views the hooks show (see TChildWindows).
    TChildWindows& Children() { return m_children; }
    TProjectFiles& Files() { return *m_files; }
    TProgramData& Project() const;
    TProjectTables& Tables() const;

    // The start: the settings are read (defaults when they cannot be), then the project a
    // command-line argument names is opened (a new project stays when that file is missing).
    void Startup(const QString& projectArgument = QString());
    // The editor path and the ten recent-file values, written at close.
    void WriteSettings() const;
    const QString& EditorPath() const { return m_editorPath; }
    void SetEditorPath(const QString& path) { m_editorPath = path; }
    // Starts the text editor on `file`; the failure message when it cannot.
    bool LaunchEditorOn(const QString& file) const;

    bool PlotsLoaded() const;
    void SetPlotsLoaded(bool loaded);
    // Reads the project's plot file (when it exists) through Commands().readPlots.
    bool ReadPlots();

    // Display updates: window title; long-term menu layout; status bar, Stage Construction menu
    // and stage buttons; tool bar; "Show 3DView" menu and the 3-D buttons.
    void UpdateTitle();
    void UpdateLongTermLayout();
    void UpdateStageDisplay();
    void UpdateToolBar();
    void Update3DViewControls();
    // The 3-D view closed: its menu and buttons hide.
    void Close3DView();

    // Runs a command as its menu item or tool button does.
    void Execute(TCmd cmd);
    // What runs when a main menu is about to show: the active child commits its entries, then
    // the menu's adjustments and rules.
    void PrepareMenu(TMenuId menu);
    // The Earth-Pressure Options submenu is about to show.
    void PrepareEarthPressureMenu();
    // Files dropped on the window: the close query, then the first one is opened.
    void OpenDroppedFiles(const QList<QUrl>& urls);

    QAction* Action(TCmd cmd) const { return m_actions[cmd]; }
    const TMainMenus& Menus() const { return m_menus; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QString StatusText() const;
    // The menu of the current child window shown in the menu bar (Commands().childMenu), or
    // nullptr.
    QMenu* ChildMenu() const;
    // The facts the rules read, gathered from the files and the hooks.
    TRuleInputs RuleInputs() const;
    TCommandStates States() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectCommands();
    void refresh();
    void commitActiveChild();
    void closeChildren();
    void updateRecentItems();
    void updateWindowList();
    void updateChildMenu();
    void arrangeIcons();
    void toggle(TCmd cmd);
    void editProjectFile(const QString& extension);

    TMainCommands m_commands;
    TChildWindows m_children;
    QMdiArea* m_mdiArea;
    std::unique_ptr<TProjectFiles> m_files;
    TActionTable m_actions;
    TMainMenus m_menus;
    QToolBar* m_toolBar = nullptr;
    TToolBarSeparators m_toolBarSeparators;
    QLabel* m_status = nullptr;
    QString m_editorPath;
    bool m_view3DShown = false;
    std::vector<QAction*> m_windowItems;
    QPointer<QMenu> m_childMenu; // goes with the child that owns it
};

} // namespace tervane
