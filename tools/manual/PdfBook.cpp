#include "PdfBook.h"

#include "ManualSource.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <memory>

namespace tervane::manual {

namespace {

// The book is laid out at 96 units per inch: point sizes and picture pixels keep the sizes
// they have on a screen.
constexpr int kResolution = 96;
constexpr double kMarginMm = 20.0;
// Height kept under the text of each page for the page number.
constexpr double kFooterHeight = 34.0;
constexpr double kBodyPointSize = 10.0;
// 7.5 pt monospace: about 105 columns across the text of an A4 page.
constexpr double kCodePointSize = 7.5;

QFont bodyFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(kBodyPointSize);
    return f;
}

struct TPageArea {
    double width;
    double height; // text height of a page, the footer excluded
};

void layOut(QTextDocument& doc, QPdfWriter& writer, const TPageArea& area) {
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(bodyFont());
    doc.setPageSize(QSizeF(area.width, area.height));
}

void drawPage(QPainter& p, QTextDocument& doc, int page, const TPageArea& area) {
    p.save();
    p.translate(0, -page * area.height);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = QRectF(0, page * area.height, area.width, area.height);
    ctx.palette.setColor(QPalette::Text, Qt::black);
    p.setClipRect(ctx.clip);
    doc.documentLayout()->draw(&p, ctx);
    p.restore();
}

void drawFooter(QPainter& p, int pageNumber, const TPageArea& area, const QString& left) {
    p.save();
    QFont f = bodyFont();
    f.setPointSizeF(kBodyPointSize - 1.0);
    p.setFont(f);
    p.setPen(QColor(80, 80, 80));
    const QRectF footer(0, area.height, area.width, kFooterHeight);
    p.drawLine(QPointF(0, area.height + 6), QPointF(area.width, area.height + 6));
    p.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QString::number(pageNumber));
    p.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, left);
    p.restore();
}

// The contents: chapters and their sections with the page each starts on.
std::unique_ptr<QTextDocument> contentsDocument(const TManualSource& manual,
                                                const QList<int>& pages, double width) {
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor c(doc.get());
    QTextBlockFormat heading;
    heading.setHeadingLevel(1);
    heading.setBottomMargin(12);
    QTextCharFormat headingChars;
    headingChars.setFontPointSize(18);
    headingChars.setFontWeight(QFont::Bold);
    c.setBlockFormat(heading);
    c.insertText(QStringLiteral("Contents"), headingChars);
    for (int i = 0; i < manual.headings.size(); ++i) {
        const THeading& h = manual.headings[i];
        if (h.level > 2) continue;
        QTextBlockFormat line;
        const double indent = h.level == 1 ? 0 : 18;
        // The number sits at the right edge of the text, inside the document's margins (a tab
        // beyond it would wrap the line).
        const double right = width - 2 * doc->documentMargin() - indent - 2;
        line.setTabPositions({QTextOption::Tab(right, QTextOption::RightTab)});
        line.setLeftMargin(indent);
        line.setTopMargin(h.level == 1 ? 8 : 1);
        QTextCharFormat chars;
        chars.setFontWeight(h.level == 1 ? QFont::Bold : QFont::Normal);
        c.insertBlock(line, chars);
        c.insertText(h.text + u'\t' + (i < pages.size() ? QString::number(pages[i]) : QString()),
                     chars);
    }
    return doc;
}

void drawTitlePage(QPainter& p, const TBookTitle& title, const TPageArea& area) {
    p.save();
    QFont big = bodyFont();
    big.setPointSizeF(32);
    big.setBold(true);
    QFont middle = bodyFont();
    middle.setPointSizeF(20);
    QFont small = bodyFont();
    small.setPointSizeF(12);
    const double top = area.height * 0.3;
    p.setPen(QColor(31, 78, 140));
    p.fillRect(QRectF(0, top - 30, area.width, 4), QColor(31, 78, 140));
    p.setFont(big);
    p.drawText(QRectF(0, top, area.width, 60), Qt::AlignLeft | Qt::AlignVCenter, title.title);
    p.setPen(Qt::black);
    p.setFont(middle);
    p.drawText(QRectF(0, top + 70, area.width, 40), Qt::AlignLeft | Qt::AlignVCenter,
               title.subtitle);
    p.setFont(small);
    p.drawText(QRectF(0, top + 120, area.width, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Analysis of flexible retaining walls as a beam-column on "
                              "nonlinear soil springs"));
    p.drawText(QRectF(0, top + 150, area.width, 30), Qt::AlignLeft | Qt::AlignVCenter,
               title.version);
    p.restore();
}

// Pictures wider than the text are drawn at the text width; each chapter starts a page.
void prepareBody(QTextDocument& doc, const TManualSource& manual, double width) {
    for (auto it = manual.pictures.constBegin(); it != manual.pictures.constEnd(); ++it) {
        if (!it->found) continue;
        doc.addResource(QTextDocument::ImageResource, QUrl(it.key()), QImage(it->source));
    }
    QTextCursor c(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat()) continue;
            QTextImageFormat image = f.charFormat().toImageFormat();
            const auto picture = manual.pictures.constFind(image.name());
            if (picture == manual.pictures.constEnd() || !picture->found) continue;
            const QImage img(picture->source);
            if (img.isNull() || img.width() <= width) continue;
            image.setWidth(width);
            image.setHeight(width * img.height() / img.width());
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(image);
        }
    }
    // Code blocks (report excerpts run to about 100 columns) in a smaller type, so that their
    // lines fit the page's width unbroken.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (!b.blockFormat().nonBreakableLines()) continue;
        QTextCursor code(b);
        code.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setFontPointSize(kCodePointSize);
        code.mergeCharFormat(f);
    }
    // Tables: cells padded, grey rules.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextTable* table = QTextCursor(b).currentTable();
        if (table == nullptr || table->firstCursorPosition().block() != b) continue;
        QTextTableFormat f = table->format();
        f.setCellPadding(3);
        f.setBorderBrush(QColor(120, 125, 135));
        table->setFormat(f);
    }
    bool first = true;
    for (const THeading& h : manual.headings) {
        if (h.level != 1) continue;
        if (first) {
            first = false;
            continue;
        }
        QTextCursor hc(doc.findBlockByNumber(h.block));
        QTextBlockFormat f;
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        hc.mergeBlockFormat(f);
    }
}

} // namespace

bool WritePdfBook(const TManualSource& manual, const TBookTitle& title, const QString& path,
                  QString* error) {
    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(title.title + QStringLiteral(" ") + title.subtitle);
    writer.setCreator(title.title);
    const QRect paint = writer.pageLayout().paintRectPixels(kResolution);
    const TPageArea area{double(paint.width()), double(paint.height()) - kFooterHeight};

    std::unique_ptr<QTextDocument> body(manual.document->clone());
    prepareBody(*body, manual, area.width);
    layOut(*body, writer, area);

    // Page of each heading within the body, then the contents (its length does not depend on
    // the numbers it shows), then the numbers of the whole book.
    QList<int> bodyPages;
    for (const THeading& h : manual.headings) {
        const QTextBlock b = body->findBlockByNumber(h.block);
        const QRectF r = body->documentLayout()->blockBoundingRect(b);
        bodyPages.append(int(r.top() / area.height));
    }
    auto contents = contentsDocument(manual, {}, area.width);
    layOut(*contents, writer, area);
    const int firstBodyPage = 2 + contents->pageCount(); // after the title and the contents
    QList<int> pages;
    for (int p : bodyPages)
        pages.append(firstBodyPage + p);
    contents = contentsDocument(manual, pages, area.width);
    layOut(*contents, writer, area);

    QPainter p;
    if (!p.begin(&writer)) {
        if (error) *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    const QString footerText = title.title + QStringLiteral(" ") + title.subtitle;
    drawTitlePage(p, title, area);
    int pageNumber = 1;
    for (int i = 0; i < contents->pageCount(); ++i) {
        writer.newPage();
        drawPage(p, *contents, i, area);
        drawFooter(p, ++pageNumber, area, footerText);
    }
    const int bodyCount = manual.headings.isEmpty() && body->isEmpty() ? 0 : body->pageCount();
    for (int i = 0; i < bodyCount; ++i) {
        writer.newPage();
        drawPage(p, *body, i, area);
        drawFooter(p, ++pageNumber, area, footerText);
    }
    if (!p.end()) {
        if (error) *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF-")) return 0;
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![s\w]))"));
    int n = 0;
    auto it = page.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

} // namespace tervane::manual
