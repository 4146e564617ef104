#pragma once
// The notes the table editor windows show under some grid tables, given to the tables when the
// main window starts.

namespace tervane {

class TProjectTables;

void SetTableNotes(TProjectTables& tables);

} // namespace tervane
