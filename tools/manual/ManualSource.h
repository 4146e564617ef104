#pragma once

// The manual's sources: Markdown chapters, one file each, read in the order given and made into
// one rich-text document (Qt's CommonMark reader, GitHub tables). Headings receive the anchors
// the chapters link to, links between chapters become links inside the one document, and
// pictures are named by the file they come from.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class QTextDocument;

namespace tervane::manual {

// Anchor of a heading: the text in lower case, spaces turned into "-", everything other than
// letters, digits and "-" dropped ("Soil Layers (Long-Term)" -> "soil-layers-long-term").
QString HeadingAnchor(const QString& text);

struct THeading {
    int level = 0;
    QString text;
    QString anchor; // unique within the manual
    int block = 0;  // block number in the document
};

struct TPicture {
    QString source; // absolute path of the picture file
    bool found = false;
};

struct TManualSource {
    std::unique_ptr<QTextDocument> document;
    QList<THeading> headings;
    QMap<QString, TPicture> pictures; // by the name the document uses (the source path)
    QStringList problems;             // unreadable chapters, links to no heading, missing pictures
    TManualSource();
    TManualSource(TManualSource&&) noexcept;
    ~TManualSource();
};

// Reads the chapters (Markdown files) into one document. A chapter that cannot be read is
// reported in problems and left out; an empty list gives an empty document.
TManualSource LoadManual(const QStringList& chapterFiles);

} // namespace tervane::manual
