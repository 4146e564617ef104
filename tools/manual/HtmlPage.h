#pragma once

// The one-page HTML manual: a table of contents of the chapters and their sections, then every
// chapter, written as plain HTML from the document the Markdown reader made, with one style
// sheet in the page.

#include <QMap>
#include <QString>

namespace tervane::manual {

struct TManualSource;

// pictureNames maps each picture's document name to the address the page gives it (relative
// to the page); a picture without an entry keeps its document name.
QString HtmlPage(const TManualSource& manual, const QString& title,
                 const QMap<QString, QString>& pictureNames);

} // namespace tervane::manual
