#pragma once
// The main window's multiple-document area, as the windows below the main window see it: input
// dialogs, table editors, graph windows and views add themselves here as child windows. Without an
// area (tests of a single window) a child is shown as a top-level window.

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace tervane {

void SetMdiArea(QMdiArea* area);
QMdiArea* MdiArea();

// Adds `child` as a child window of the area (the sub-window is deleted with the child when it
// closes) and shows it; maximised on request. Returns the sub-window, or nullptr without an area.
QMdiSubWindow* AddMdiChild(QWidget* child, bool maximised = false);

// The sub-window that holds `child`, or nullptr.
QMdiSubWindow* MdiWindowOf(const QWidget* child);

// Shows the child window again, raised and active.
void ShowChildAgain(QWidget* child);
// Closes the child window (its sub-window when it has one).
void CloseChild(QWidget* child);

} // namespace tervane
