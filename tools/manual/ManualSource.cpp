#include "ManualSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace tervane::manual {

namespace {

bool hasScheme(const QString& target) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(target).hasMatch();
}

// Picture destinations are relative to their chapter; the one document names each picture by
// its absolute path so that chapters from several folders can share it. Qt's reader drops a
// picture without alternative text, so such a picture is given its file name as that text.
QString absolutePictures(const QString& markdown, const QDir& folder) {
    static const QRegularExpression image(
        QStringLiteral(R"re(!\[([^\]]*)\]\(\s*(<[^>]*>|[^)\s]+))re"));
    QString out;
    qsizetype last = 0;
    auto it = image.globalMatch(markdown);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QString target = m.captured(2);
        if (target.startsWith(u'<')) target = target.mid(1, target.size() - 2);
        QString alt = m.captured(1);
        if (alt.trimmed().isEmpty()) alt = QFileInfo(target).completeBaseName();
        out += markdown.mid(last, m.capturedStart(0) - last);
        out += QStringLiteral("![") + alt + QStringLiteral("](");
        if (hasScheme(target) || QDir::isAbsolutePath(target))
            out += m.captured(2);
        else
            out += u'<' + QDir::cleanPath(folder.absoluteFilePath(target)) + u'>';
        last = m.capturedEnd(2);
    }
    out += markdown.mid(last);
    return out;
}

int headingCount(const QString& markdown) {
    QTextDocument doc;
    doc.setMarkdown(markdown);
    int n = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() > 0) ++n;
    return n;
}

void setAnchorName(QTextDocument& doc, const QTextBlock& block, const QString& name) {
    QTextCursor c(doc.findBlockByNumber(block.blockNumber()));
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setAnchor(true);
    f.setAnchorNames({name});
    c.mergeCharFormat(f);
}

struct TLinkFix {
    int position;
    int length;
    QString href;
};

} // namespace

QString HeadingAnchor(const QString& text) {
    QString anchor;
    for (const QChar c : text.trimmed().toLower()) {
        if (c.isLetterOrNumber() || c == u'-')
            anchor += c;
        else if (c == u' ')
            anchor += u'-';
    }
    return anchor;
}

TManualSource::TManualSource() : document(std::make_unique<QTextDocument>()) {}
TManualSource::TManualSource(TManualSource&&) noexcept = default;
TManualSource::~TManualSource() = default;

TManualSource LoadManual(const QStringList& chapterFiles) {
    TManualSource manual;
    QString all;
    QMap<QString, int> chapterFirstHeading; // file name -> index into the heading list
    int headingsSoFar = 0;
    for (const QString& path : chapterFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            manual.problems << QStringLiteral("cannot read %1").arg(path);
            continue;
        }
        const QFileInfo info(path);
        const QString text =
            absolutePictures(QString::fromUtf8(file.readAll()), info.absoluteDir());
        const int headings = headingCount(text);
        if (headings > 0) chapterFirstHeading.insert(info.fileName(), headingsSoFar);
        headingsSoFar += headings;
        all += text;
        all += QStringLiteral("\n\n");
    }
    QTextDocument& doc = *manual.document;
    doc.setMarkdown(all);

    QSet<QString> anchors;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level <= 0) continue;
        const QString base = HeadingAnchor(b.text());
        QString anchor = base;
        for (int n = 1; anchors.contains(anchor); ++n)
            anchor = base + u'-' + QString::number(n);
        anchors.insert(anchor);
        manual.headings.append({level, b.text().trimmed(), anchor, b.blockNumber()});
        setAnchorName(doc, b, anchor);
    }

    // Links to a chapter (with or without an anchor) become links inside the one document.
    QList<TLinkFix> fixes;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const QString name = format.toImageFormat().name();
                const QString path =
                    name.startsWith(QStringLiteral("file:")) ? QUrl(name).toLocalFile() : name;
                const bool found = QFileInfo(path).isFile();
                if (!found) manual.problems << QStringLiteral("missing picture %1").arg(path);
                manual.pictures.insert(name, {path, found});
                continue;
            }
            const QString href = format.anchorHref();
            if (href.isEmpty() || hasScheme(href)) continue;
            const qsizetype hash = href.indexOf(u'#');
            const QString file = hash < 0 ? href : href.left(hash);
            QString target = hash < 0 ? QString() : href.mid(hash + 1);
            if (!file.isEmpty()) {
                const auto chapter = chapterFirstHeading.constFind(QFileInfo(file).fileName());
                if (chapter == chapterFirstHeading.constEnd()) {
                    manual.problems << QStringLiteral("link to %1 leads to no chapter").arg(href);
                    continue;
                }
                if (target.isEmpty() && *chapter < manual.headings.size())
                    target = manual.headings[*chapter].anchor;
            }
            if (!anchors.contains(target))
                manual.problems << QStringLiteral("link to %1 leads to no heading").arg(href);
            fixes.append({fragment.position(), fragment.length(), u'#' + target});
        }
    }
    for (const TLinkFix& fix : fixes) {
        QTextCursor c(&doc);
        c.setPosition(fix.position);
        c.setPosition(fix.position + fix.length, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setAnchorHref(fix.href);
        c.mergeCharFormat(f);
    }
    return manual;
}

} // namespace tervane::manual
