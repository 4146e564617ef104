#pragma once
// The program-wide reference to the current project. One project is open at a time; every dialog,
// table window and view reaches it here. File New and Open replace the object the reference names.

namespace tervane {

class TProgramData;

// The current project. Throws EFrontendError when none is open (a fault of the caller).
TProgramData& CurrentProject();
bool HasCurrentProject();
// Makes `project` current (not owned); nullptr clears the reference.
void SetCurrentProject(TProgramData* project);

} // namespace tervane
