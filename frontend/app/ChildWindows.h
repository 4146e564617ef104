#pragma once
// The "created" flags of the main window's dialogs and views: each child window is created on
// first use, kept while open and shown again on later use; closing it (the sub-window deletes it)
// clears its flag, so the next use creates a new one.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>

namespace tervane {

class TChildWindows {
public:
    using TFactory = std::function<QWidget*()>;

    // Shows the child window kept under `key`, creating it with `create` first when there is
    // none. A new child goes into the main window's area (maximised on request); an open one is
    // brought to the front. Returns the child, or nullptr when `create` made none.
    QWidget* Show(const QString& key, const TFactory& create, bool maximised = false);
    // The open child under `key`, or nullptr (its created flag).
    QWidget* Find(const QString& key) const;
    bool Created(const QString& key) const { return Find(key) != nullptr; }

private:
    std::map<QString, QPointer<QWidget>> m_windows;
};

} // namespace tervane
