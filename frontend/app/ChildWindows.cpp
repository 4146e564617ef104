#include "ChildWindows.h"

#include "MdiHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tervane {

QWidget* TChildWindows::Find(const QString& key) const {
    const auto it = m_windows.find(key);
    return it == m_windows.end() ? nullptr : it->second.data();
}

QWidget* TChildWindows::Show(const QString& key, const TFactory& create, bool maximised) {
    if (QWidget* open = Find(key)) {
        if (QMdiSubWindow* sub = MdiWindowOf(open)) {
            sub->show();
            if (sub->isMinimized()) sub->showNormal();
            if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
        } else {
            open->show();
            open->raise();
            open->activateWindow();
        }
        return open;
    }
    QWidget* child = create ? create() : nullptr;
    if (!child) return nullptr;
    child->setAttribute(Qt::WA_DeleteOnClose);
    m_windows[key] = child;
    AddMdiChild(child, maximised);
    return child;
}

} // namespace tervane
