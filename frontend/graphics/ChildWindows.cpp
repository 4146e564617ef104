#include "ChildWindows.h"

#include "MdiHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace tervane {

void ShowChildAgain(QWidget* child) {
    if (QMdiSubWindow* sub = MdiWindowOf(child)) {
        sub->show();
        sub->raise();
        if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
    child->show();
    child->raise();
    child->activateWindow();
}

void CloseChild(QWidget* child) {
    if (QMdiSubWindow* sub = MdiWindowOf(child))
        sub->close();
    else
        child->close();
}

} // namespace tervane
