#pragma once
// What the Options menu does to the project, and which grid table each table item of the Data
// menu edits. No widgets: the main window calls these and closes or shows the editors.

#include "CommandIds.h"

namespace tervane {

class TGridTable;
class TProgramData;

// Flips the switch of an apply toggle or of "Generate p-y Curves" (TCmd::OptGeneratePY ..
// TCmd::OptLongTerm) and marks the project modified. Returns the table whose editor window is to
// be closed because its option went from on to off, or nullptr (the tieback toggle, the p-y
// generation and the long-term toggle close nothing).
TGridTable* ToggleOption(TProgramData& project, TCmd toggle);

// The earth-pressure method from its radio item; marks the project modified when it changes.
// A generated method (2, 3) turns the generated pressure on, the user's pressure (1) turns it off.
void SetEarthPressureMethod(TProgramData& project, int method);

// The adjustments made when the Options menu and its Earth-Pressure Options submenu open.
void AdjustOnOptionsMenu(TProgramData& project);
void AdjustOnEarthPressureMenu(TProgramData& project);

// The table a Data item edits (soil layers, distributed loads, restraints, p-y modifiers,
// external p-y curves, moment-EI curves), or nullptr for the items that open dialogs.
TGridTable* TableOfDataItem(TProgramData& project, TCmd item);

} // namespace tervane
