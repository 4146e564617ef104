#pragma once
// The main window's actions, one per command, and the menus and tool bar built from them. Menu
// items and tool buttons are separate actions: the menu rules set a menu's items when it opens,
// the tool-bar rules set the buttons at their own moments.

#include "CommandIds.h"
#include "MenuRules.h"

#include <QIcon>
#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QObject;
class QToolBar;

namespace tervane {

class TActionTable {
public:
    QAction* operator[](TCmd cmd) const { return m_actions[static_cast<std::size_t>(cmd)]; }
    // A new action with the command's caption, shortcut, hint and check mode, named after it.
    QAction* Create(TCmd cmd, QObject* parent);
    void Set(TCmd cmd, QAction* action) { m_actions[static_cast<std::size_t>(cmd)] = action; }
    // Sets the enabled, visible and (for checkable actions) checked state of `commands`.
    void Apply(const TCommandStates& states, const std::vector<TCmd>& commands) const;

private:
    std::array<QAction*, kCommandCount> m_actions{};
};

struct TMainMenus {
    std::array<QMenu*, 9> menus{}; // TMenuId order
    QMenu* soilLayer = nullptr;
    QMenu* distLoad = nullptr;
    QMenu* units = nullptr;
    QMenu* earthPressure = nullptr;
    std::array<QAction*, 10> recent{};
    QAction* recentSeparator = nullptr; // the separator before "E&xit"
    QAction* windowSeparator = nullptr; // the separator before the window list
    QMenu* menu(TMenuId id) const { return menus[static_cast<std::size_t>(id)]; }
};

// Builds every menu of the main menu bar, creating the menu actions in `actions`.
TMainMenus BuildMainMenus(QMenuBar& bar, TActionTable& actions);
// Fills the tool bar with its buttons, creating the button actions in `actions`. Returns the
// separators before the stage buttons and before the 3-D buttons, which show with their groups.
struct TToolBarSeparators {
    QAction* stages = nullptr;
    QAction* view3D = nullptr;
};
TToolBarSeparators BuildToolBar(QToolBar& bar, TActionTable& actions);

// A tool-bar icon: the program's own SVG drawing ":/icons/<name>.svg" rendered at the sizes a
// tool bar uses; an empty icon when there is no such drawing.
QIcon ToolIcon(const QString& name);

// The commands whose item or button is a menu's own action (the submenus, the Stage
// Construction and "Show 3DView" menus).
bool IsMenuCommand(TCmd cmd);

} // namespace tervane
