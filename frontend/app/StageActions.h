#pragma once
// The main window's stage controls, ready to be placed: the "&Stage Construction" menu ("Stage
// &1" to "Stage &5", "Copy &Previous Stage" and the hidden "Update &Current Stage") and the tool
// buttons "Stage Const. 1" to "Stage Const. 5", each wired to the stage commands, and the rule
// that shows them and the status bar text for a stage display.

#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QStatusBar;
class QWidget;

namespace tervane {

class TStageCommands;
struct TStageDisplay;

class TStageActions : public QObject {
    Q_OBJECT
public:
    TStageActions(TStageCommands& commands, QWidget* parent);

    // The menu for the menu bar (its menuAction() is shown only while the project is staged).
    QMenu* menu() const { return m_menu; }
    // The five stage buttons' actions for the tool bar, in order.
    const QList<QAction*>& buttons() const { return m_buttons; }
    QAction* stageItem(int n) const { return m_items.value(n - 1); }
    QAction* copyPreviousItem() const { return m_copyPrevious; }
    QAction* updateCurrentItem() const { return m_updateCurrent; }

    // Shows the menu and the buttons only while the project is staged, enables stage n while n is
    // not above the stage count, checks and presses the current stage, and puts the status text
    // into `statusBar` (empty for a project without stages), in a label of the bar named
    // "StageStatus".
    void apply(const TStageDisplay& display, QStatusBar* statusBar);

private:
    QMenu* m_menu;
    QList<QAction*> m_items;
    QList<QAction*> m_buttons;
    QAction* m_copyPrevious;
    QAction* m_updateCurrent;
};

} // namespace tervane
