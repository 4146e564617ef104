#include "HtmlPage.h"

#include "ManualSource.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <vector>

namespace tervane::manual {

namespace {

const char* const kStyle = R"css(
body { font-family: "DejaVu Sans", "Segoe UI", Arial, sans-serif; font-size: 15px;
       line-height: 1.5; color: #1d1d1d; margin: 0; }
nav#manual_contents { position: fixed; top: 0; bottom: 0; left: 0; width: 17rem; overflow-y: auto;
               padding: 1rem; background: #f3f4f6; border-right: 1px solid #d4d7dc;
               font-size: 13px; box-sizing: border-box; }
nav#manual_contents ul { list-style: none; padding-left: 0.9rem; margin: 0.2rem 0; }
nav#manual_contents > ul { padding-left: 0; }
nav#manual_contents > ul > li { margin-top: 0.5rem; font-weight: bold; }
nav#manual_contents > ul > li li { font-weight: normal; }
nav#manual_contents a { color: #1f4e8c; text-decoration: none; }
main { margin-left: 17rem; padding: 1rem 2.5rem 4rem; max-width: 60rem; }
h1 { border-bottom: 2px solid #1f4e8c; padding-bottom: 0.2rem; margin-top: 3rem; }
h2 { margin-top: 2rem; border-bottom: 1px solid #d4d7dc; }
a { color: #1f4e8c; }
code, pre { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 13px; }
pre { background: #f3f4f6; border: 1px solid #d4d7dc; padding: 0.6rem; overflow-x: auto; }
table { border-collapse: collapse; margin: 0.8rem 0; }
th, td { border: 1px solid #b9bec6; padding: 0.25rem 0.6rem; vertical-align: top; }
th { background: #e6e9ee; text-align: left; }
img { max-width: 100%; border: 1px solid #d4d7dc; }
blockquote { border-left: 4px solid #b9bec6; margin-left: 0; padding-left: 1rem; color: #444; }
@media print { nav#manual_contents { display: none; } main { margin-left: 0; } }
)css";

QString escaped(const QString& text) {
    QString out = text.toHtmlEscaped();
    out.replace(QChar::LineSeparator, QStringLiteral("<br>"));
    out.replace(QChar::Nbsp, QStringLiteral("&nbsp;"));
    return out;
}

class TWriter {
public:
    TWriter(const TManualSource& manual, const QMap<QString, QString>& pictureNames)
        : m_pictureNames(pictureNames) {
        for (const THeading& h : manual.headings)
            m_anchors.insert(h.block, h.anchor);
    }

    void frame(QTextFrame* frame) {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                closeAll();
                if (auto* t = qobject_cast<QTextTable*>(child))
                    table(t);
                else
                    this->frame(child);
            } else {
                block(it.currentBlock());
            }
        }
        closeAll();
    }

    QString out;

private:
    struct TOpenList {
        QTextList* list;
        bool itemOpen;
    };

    const QMap<QString, QString>& m_pictureNames;
    QMap<int, QString> m_anchors;
    std::vector<TOpenList> m_lists;
    bool m_code = false;
    int m_quote = 0;

    QString inlineText(const QTextBlock& b, bool plain) const {
        QString html;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat c = f.charFormat();
            if (c.isImageFormat()) {
                const QString name = c.toImageFormat().name();
                const QString src = m_pictureNames.value(name, name);
                for (int i = 0; i < f.length(); ++i)
                    html += QStringLiteral("<img src=\"%1\" alt=\"\">").arg(src.toHtmlEscaped());
                continue;
            }
            QString t = escaped(f.text());
            if (!plain) {
                if (c.fontFixedPitch() ||
                    c.fontFamilies().toStringList().contains(QStringLiteral("monospace")))
                    t = QStringLiteral("<code>%1</code>").arg(t);
                if (c.fontWeight() >= QFont::DemiBold)
                    t = QStringLiteral("<strong>%1</strong>").arg(t);
                if (c.fontItalic()) t = QStringLiteral("<em>%1</em>").arg(t);
                if (c.fontStrikeOut()) t = QStringLiteral("<del>%1</del>").arg(t);
            }
            if (!c.anchorHref().isEmpty())
                t = QStringLiteral("<a href=\"%1\">%2</a>").arg(c.anchorHref().toHtmlEscaped(), t);
            html += t;
        }
        return html;
    }

    void closeLists(std::size_t keep) {
        while (m_lists.size() > keep) {
            const TOpenList& l = m_lists.back();
            if (l.itemOpen) out += QStringLiteral("</li>");
            out += isOrdered(l.list) ? QStringLiteral("</ol>\n") : QStringLiteral("</ul>\n");
            m_lists.pop_back();
        }
    }

    void closeCode() {
        if (m_code) out += QStringLiteral("</code></pre>\n");
        m_code = false;
    }

    void setQuote(int level) {
        for (; m_quote < level; ++m_quote)
            out += QStringLiteral("<blockquote>\n");
        for (; m_quote > level; --m_quote)
            out += QStringLiteral("</blockquote>\n");
    }

    void closeAll() {
        closeLists(0);
        closeCode();
        setQuote(0);
    }

    static bool isOrdered(QTextList* l) {
        const auto s = l->format().style();
        return s == QTextListFormat::ListDecimal || s == QTextListFormat::ListLowerAlpha ||
               s == QTextListFormat::ListUpperAlpha || s == QTextListFormat::ListLowerRoman ||
               s == QTextListFormat::ListUpperRoman;
    }

    void listItem(const QTextBlock& b, QTextList* list) {
        const int indent = list->format().indent();
        std::size_t keep = 0;
        while (keep < m_lists.size() && m_lists[keep].list != list &&
               m_lists[keep].list->format().indent() < indent)
            ++keep;
        if (keep < m_lists.size() && m_lists[keep].list == list) {
            closeLists(keep + 1);
            out += QStringLiteral("</li>\n");
        } else {
            closeLists(keep);
            if (isOrdered(list))
                out += QStringLiteral("<ol start=\"%1\">\n").arg(list->itemNumber(b) + 1);
            else
                out += QStringLiteral("<ul>\n");
            m_lists.push_back({list, false});
        }
        out += QStringLiteral("<li>") + inlineText(b, false);
        m_lists.back().itemOpen = true;
    }

    void block(const QTextBlock& b) {
        const QTextBlockFormat f = b.blockFormat();
        setQuote(f.property(QTextFormat::BlockQuoteLevel).toInt());
        if (f.nonBreakableLines()) {
            closeLists(0);
            if (!m_code)
                out += QStringLiteral("<pre><code>");
            else
                out += u'\n';
            m_code = true;
            out += b.text().toHtmlEscaped();
            return;
        }
        closeCode();
        if (QTextList* list = b.textList()) {
            listItem(b, list);
            return;
        }
        if (f.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
            closeLists(0);
            out += QStringLiteral("<hr>\n");
            return;
        }
        // A paragraph indented under a list item continues that item.
        if (!m_lists.empty() && f.indent() > 0) {
            out += QStringLiteral("<p>") + inlineText(b, false) + QStringLiteral("</p>");
            return;
        }
        closeLists(0);
        if (b.text().isEmpty()) return;
        if (const int level = f.headingLevel(); level > 0) {
            out += QStringLiteral("<h%1 id=\"%2\">%3</h%1>\n")
                       .arg(QString::number(level), m_anchors.value(b.blockNumber()),
                            inlineText(b, true));
            return;
        }
        out += QStringLiteral("<p>") + inlineText(b, false) + QStringLiteral("</p>\n");
    }

    void table(QTextTable* t) {
        // A GitHub table always has one header row (the reader marks it only by bold text).
        const int header = std::max(1, t->format().headerRowCount());
        out += QStringLiteral("<table>\n");
        for (int r = 0; r < t->rows(); ++r) {
            out += QStringLiteral("<tr>");
            for (int col = 0; col < t->columns(); ++col) {
                const QTextTableCell cell = t->cellAt(r, col);
                if (cell.row() != r || cell.column() != col) continue; // spanned
                const QString tag = r < header ? QStringLiteral("th") : QStringLiteral("td");
                QString content;
                Qt::Alignment align = Qt::AlignLeft;
                for (auto it = cell.begin(); !it.atEnd(); ++it) {
                    const QTextBlock b = it.currentBlock();
                    if (!b.isValid()) continue;
                    if (!content.isEmpty()) content += QStringLiteral("<br>");
                    content += inlineText(b, r < header);
                    align = b.blockFormat().alignment();
                }
                QString style;
                if (align & Qt::AlignRight)
                    style = QStringLiteral(" style=\"text-align:right\"");
                else if (align & Qt::AlignHCenter)
                    style = QStringLiteral(" style=\"text-align:center\"");
                out += QStringLiteral("<%1%2>%3</%1>").arg(tag, style, content);
            }
            out += QStringLiteral("</tr>\n");
        }
        out += QStringLiteral("</table>\n");
    }
};

// The contents' own id cannot be a heading's anchor (those hold no "_").
QString contents(const TManualSource& manual) {
    QString html = QStringLiteral("<nav id=\"manual_contents\">\n<ul>\n");
    bool chapterOpen = false;
    bool sectionsOpen = false;
    for (const THeading& h : manual.headings) {
        if (h.level > 2) continue;
        const QString link =
            QStringLiteral("<a href=\"#%1\">%2</a>").arg(h.anchor, h.text.toHtmlEscaped());
        if (h.level == 1) {
            if (sectionsOpen) html += QStringLiteral("</ul>");
            if (chapterOpen) html += QStringLiteral("</li>\n");
            html += QStringLiteral("<li>") + link;
            chapterOpen = true;
            sectionsOpen = false;
        } else {
            if (!sectionsOpen) html += QStringLiteral("\n<ul>\n");
            html += QStringLiteral("<li>") + link + QStringLiteral("</li>\n");
            sectionsOpen = true;
        }
    }
    if (sectionsOpen) html += QStringLiteral("</ul>");
    if (chapterOpen) html += QStringLiteral("</li>\n");
    html += QStringLiteral("</ul>\n</nav>\n");
    return html;
}

} // namespace

QString HtmlPage(const TManualSource& manual, const QString& title,
                 const QMap<QString, QString>& pictureNames) {
    TWriter writer(manual, pictureNames);
    writer.frame(manual.document->rootFrame());
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
               "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n%3<main>\n%4"
               "</main>\n</body>\n</html>\n")
        .arg(title.toHtmlEscaped(), QString::fromUtf8(kStyle), contents(manual), writer.out);
}

} // namespace tervane::manual
