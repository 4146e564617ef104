#pragma once
// Small helpers of the manual tests: reading a text file, writing chapters into a folder, and
// the addresses an HTML page refers to.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace tervane::test {

inline QString ReadText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

inline QString WriteText(const QDir& dir, const QString& name, const QString& text) {
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(text.toUtf8());
    return dir.filePath(name);
}

// Every value of the attribute `name` in the page (entities decoded).
inline QStringList AttributeValues(const QString& html, const QString& name) {
    const QRegularExpression re(QStringLiteral("\\s%1=\"([^\"]*)\"").arg(name));
    QStringList out;
    for (auto it = re.globalMatch(html); it.hasNext();)
        out << it.next()
                   .captured(1)
                   .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                   .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                   .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                   .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}

} // namespace tervane::test
