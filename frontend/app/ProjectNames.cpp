#include "ProjectNames.h"

#include <QDir>
#include <QFileInfo>

namespace tervane {

namespace {

// The position of the extension's dot in the file-name part of `path`, or -1.
qsizetype extensionDot(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash ? dot : -1;
}

QString extensionOf(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot);
}

} // namespace

QString DisplayName(const QString& fileName) {
    QString name = QFileInfo(fileName).fileName();
    const bool capitalise = name.size() > 1;
    if (extensionOf(name).compare(kProjectExtension, Qt::CaseInsensitive) == 0)
        name = name.left(name.indexOf(u'.'));
    if (capitalise && !name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

QString MainWindowTitle(const QString& fileName) {
    return kWindowTitlePrefix + DisplayName(fileName);
}

QString WithExtension(const QString& path, const QString& ext) {
    const qsizetype dot = extensionDot(path);
    return (dot < 0 ? path : path.left(dot)) + ext;
}

QString CanonicalPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace tervane
