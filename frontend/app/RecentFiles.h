#pragma once
// The recent-file list: ten slots, most recent first. Paths are kept absolute and canonical, so
// one file never fills two slots.

#include <QString>
#include <QStringList>

namespace tervane {

class TRecentFiles {
public:
    static constexpr int kSlots = 10;

    // Puts `path` first: already first, nothing changes; in slot k, slots 1 to k-1 move down one;
    // otherwise every slot moves down one and the tenth is dropped. Returns whether the list
    // changed.
    bool Add(const QString& path);
    // Fills the list from stored values (slot order; empty values are unused slots).
    void Load(const QStringList& values);
    void Clear() { m_paths.clear(); }

    int Count() const { return static_cast<int>(m_paths.size()); }
    const QString& At(int i) const { return m_paths[i]; }
    // The ten stored values, empty strings for unused slots.
    QStringList Values() const;

    // The menu caption of slot i (0-based): "n " and the path, the path shortened to the part
    // after `currentFolder` when it lies inside it. Ampersands are doubled so that Qt shows them.
    QString Caption(int i, const QString& currentFolder) const;

private:
    QStringList m_paths;
};

} // namespace tervane
