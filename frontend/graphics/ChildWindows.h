#pragma once
// Showing again and closing a window that lives either in the main window's document area or,
// without one (single-window tests), on its own.

class QWidget;

namespace tervane {

// Shows the window again, raised and active.
void ShowChildAgain(QWidget* child);
// Closes the window (its sub-window when it has one).
void CloseChild(QWidget* child);

} // namespace tervane
