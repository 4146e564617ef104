#pragma once
// The commands of the main window that other windows carry out, and the facts about them that the
// menu rules read. Each is set from outside (TMainForm::Commands()); one that is not set does
// nothing, and a fact that is not set reads as false.

#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace tervane {

struct TMainCommands {
    // Input dialogs: Data menu items and tool buttons, "&Option of Text Editor...". Each shows its
    // dialog (created on first use, shown again while open).
    std::function<void()> title;
    std::function<void()> wallProperties;
    std::function<void()> wallConfiguration;
    std::function<void()> surcharge;
    std::function<void()> concentratedLoads;
    std::function<void()> tiebacks;
    std::function<void()> springs;
    std::function<void()> textEditorOption;

    // Staged construction. The dialog: modal from the Options menu, not modal from the tool bar;
    // the main window updates its stage display when the call returns, and a non-modal dialog
    // calls TMainForm::UpdateStageDisplay() itself on OK.
    std::function<void(bool modal)> stagedDialog;
    std::function<void(int stage)> switchStage; // Stage menu items and buttons 1 to 5
    std::function<void()> copyPreviousStage;
    // File Save of a staged project: the current stage's file first, then the join into
    // FileName. Save As: the old name's stage files joined into the new FileName and moved.
    std::function<void()> writeCurrentStage;
    std::function<void()> joinStages;
    std::function<void(const QString& oldFileName)> joinStagesAs;
    // Opening a staged file: split it into its stage files and, for a file not in the current
    // layout, bring each stage up to date.
    std::function<void(bool olderLayout)> splitStages;

    // The analysis run; the tool bar is updated when it returns.
    std::function<void()> runAnalysis;
    // Reads a plot data file into the graph models; true when the read succeeded.
    std::function<bool(const QString& plotFile)> readPlots;
    // Whether graph model g (TGraph order) holds a curve set whose first curve has more than one
    // point.
    std::function<bool(int graph)> graphHasData;
    std::function<void(int graph)> showGraph; // TGraph order
    std::function<void()> exportExcel;
    std::function<void()> viewWallGeometry;

    // The 3-D view. view3D opens it (or shows it again); the main window then shows the "Show
    // 3DView" menu and the 3-D tool buttons while view3DOpen() says so, and hides them again when
    // the view calls TMainForm::Close3DView().
    std::function<void()> view3D;
    std::function<bool()> view3DOpen;
    std::function<void(int item)> view3DShow; // flips show switch `item` (menu order, 0 to 7)
    std::function<bool(int item)> view3DShown;
    std::function<void()> deformedShape; // the "Deformed Shape" window
    std::function<bool()> deformedShapeOn;
    // Mouse modes 1 panning, 2 zooming, 3 rotating, 4 zoom window (`pressed`: the Zoom Window
    // button's pressed state).
    std::function<void(int mode, bool pressed)> view3DMouseMode;
    std::function<void(double factor)> view3DZoom;
    std::function<void()> view3DRestart;

    // After New and Open replaced the current project: windows that show it refresh.
    std::function<void()> projectReplaced;
    // Before the child windows close for New, Open, Save As and a run: dialogs give up their
    // pending entries instead of storing them into the project that is going.
    std::function<void()> discardChildren;
    // After an option switch, the earth-pressure method or the unit system changed from the
    // menu: open dialogs show the project's values again.
    std::function<void()> optionChanged;
    // Before a main menu opens and before the close query: the active child window commits its
    // pending entries, as when it is deactivated.
    std::function<void(QWidget* child)> deactivateChild;
    // The menu the current child window brings into the main menu bar (after "&Graphics"), or
    // nullptr for a child without one. The child owns the menu.
    std::function<QMenu*(QWidget* child)> childMenu;
};

} // namespace tervane
