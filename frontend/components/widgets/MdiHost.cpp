#include "MdiHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace tervane {

namespace {
QPointer<QMdiArea> g_area;
}

void SetMdiArea(QMdiArea* area) {
    g_area = area;
}

QMdiArea* MdiArea() {
    return g_area.data();
}

QMdiSubWindow* AddMdiChild(QWidget* child, bool maximised) {
    if (g_area.isNull()) {
        if (maximised)
            child->showMaximized();
        else
            child->show();
        return nullptr;
    }
    QMdiSubWindow* window = g_area->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (maximised)
        window->showMaximized();
    else
        window->show();
    return window;
}

QMdiSubWindow* MdiWindowOf(const QWidget* child) {
    for (QWidget* w = child ? child->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) return sub;
    }
    return nullptr;
}

void ShowChildAgain(QWidget* child)
{
    if (QMdiSubWindow* sub = MdiWindowOf(child)) {
        sub->show();
        sub->raise();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
    child->show();
    child->raise();
    child->activateWindow();
}

void CloseChild(QWidget* child)
{
    if (QMdiSubWindow* sub = MdiWindowOf(child))
        sub->close();
    else
        child->close();
}

} // namespace tervane
