#include "RecentFiles.h"

#include "ProjectNames.h"

#include <QDir>

namespace tervane {

bool TRecentFiles::Add(const QString& path) {
    const QString p = CanonicalPath(path);
    const qsizetype k = m_paths.indexOf(p);
    if (k == 0) return false;
    if (k > 0) m_paths.removeAt(k);
    m_paths.prepend(p);
    while (m_paths.size() > kSlots)
        m_paths.removeLast();
    return true;
}

void TRecentFiles::Load(const QStringList& values) {
    m_paths.clear();
    for (const QString& v : values) {
        if (v.isEmpty()) continue;
        const QString p = CanonicalPath(v);
        if (!m_paths.contains(p) && m_paths.size() < kSlots) m_paths << p;
    }
}

QStringList TRecentFiles::Values() const {
    QStringList out = m_paths;
    while (out.size() < kSlots)
        out << QString();
    return out;
}

QString TRecentFiles::Caption(int i, const QString& currentFolder) const {
    QString path = m_paths[i];
    if (!currentFolder.isEmpty()) {
        QString folder = QDir::cleanPath(currentFolder);
        if (!folder.endsWith(u'/')) folder += u'/';
        if (path.startsWith(folder)) path = path.mid(folder.size());
    }
    path.replace(u'&', QStringLiteral("&&"));
    return QString::number(i + 1) + u' ' + path;
}

} // namespace tervane
