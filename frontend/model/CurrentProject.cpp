#include "CurrentProject.h"

#include "EntryErrors.h"

namespace tervane {

namespace {
TProgramData* g_project = nullptr;
}

TProgramData& CurrentProject() {
    if (g_project == nullptr) throw EFrontendError(QStringLiteral("No project is open"));
    return *g_project;
}

bool HasCurrentProject() {
    return g_project != nullptr;
}

void SetCurrentProject(TProgramData* project) {
    g_project = project;
}

} // namespace tervane
