// The manual builder on small chapters of its own: heading anchors, links between chapters and
// pictures made into one document, the HTML page, and the PDF book's pages.
#include "../components/QStringPrinter.h"
#include "HtmlPage.h"
#include "ManualFiles.h"
#include "ManualSource.h"
#include "PdfBook.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tervane::manual;
using tervane::test::AttributeValues;
using tervane::test::WriteText;

namespace {

class ManualBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath(QStringLiteral("images"));
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(QDir(dir.path()).filePath(QStringLiteral("images/wall.png")));
        first = WriteText(dir.path(), QStringLiteral("00-first.md"),
                          QStringLiteral("# First chapter\n\n"
                                         "See [the units](01-second.md#units-of-length), "
                                         "[the chapter](01-second.md), [here](#first-chapter), "
                                         "[nowhere](01-second.md#nope), [gone](05-gone.md) and "
                                         "[the web](https://example.org/x).\n\n"
                                         "![A wall](images/wall.png)\n\n![](images/none.png)\n\n"
                                         "## Notes\n\n| A | B |\n|---|--:|\n| x | 1.5 |\n"));
        second = WriteText(dir.path(), QStringLiteral("01-second.md"),
                           QStringLiteral("# Second chapter\n\n## Units of length\n\nText.\n\n"
                                          "## Notes\n\n```\ncode & more\n```\n"));
    }
    QTemporaryDir dir;
    QString first;
    QString second;
};

} // namespace

TEST(ManualAnchors, HeadingTextBecomesItsAnchor) {
    EXPECT_EQ(HeadingAnchor(QStringLiteral("Soil Layers (Long-Term)")),
              QStringLiteral("soil-layers-long-term"));
    EXPECT_EQ(HeadingAnchor(QStringLiteral("Step 4: wall properties")),
              QStringLiteral("step-4-wall-properties"));
    EXPECT_EQ(HeadingAnchor(QStringLiteral("Units ▸ SI, φ and β")),
              QStringLiteral("units--si-φ-and-β"));
}

TEST_F(ManualBuilderTest, ChaptersBecomeOneDocumentWithItsLinksAndPictures) {
    const TManualSource m = LoadManual({first, second});
    QStringList anchors;
    for (const THeading& h : m.headings)
        anchors << h.anchor;
    // A heading repeated in another chapter gets a number, as GitHub numbers it.
    EXPECT_EQ(anchors, (QStringList{"first-chapter", "notes", "second-chapter", "units-of-length",
                                    "notes-1"}));

    // The broken links and the missing picture are named; the rest resolves.
    EXPECT_EQ(m.problems.size(), 3) << m.problems.join(u'\n').toStdString();
    EXPECT_TRUE(m.problems.filter(QStringLiteral("01-second.md#nope")).size() == 1);
    EXPECT_TRUE(m.problems.filter(QStringLiteral("05-gone.md")).size() == 1);
    EXPECT_TRUE(m.problems.filter(QStringLiteral("none.png")).size() == 1);
    ASSERT_EQ(m.pictures.size(), 2);
    const QString wall = QDir(dir.path()).filePath(QStringLiteral("images/wall.png"));
    ASSERT_TRUE(m.pictures.contains(wall));
    EXPECT_TRUE(m.pictures[wall].found);

    const QString html =
        HtmlPage(m, QStringLiteral("Manual"), {{wall, QStringLiteral("pics/wall.png")}});
    EXPECT_EQ(AttributeValues(html, QStringLiteral("id")),
              QStringList{"manual_contents"} + anchors);
    const QStringList links = AttributeValues(html, QStringLiteral("href"));
    for (const char* a :
         {"#units-of-length", "#second-chapter", "#first-chapter", "https://example.org/x"})
        EXPECT_TRUE(links.contains(QString::fromUtf8(a))) << a;
    EXPECT_TRUE(AttributeValues(html, QStringLiteral("src")).contains("pics/wall.png"));
    EXPECT_TRUE(html.contains(QStringLiteral("<th>A</th>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<td style=\"text-align:right\">1.5</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<pre><code>code &amp; more</code></pre>")));
}

TEST_F(ManualBuilderTest, BookHasTitleContentsAndEachChapterOnItsOwnPages) {
    const TManualSource m = LoadManual({first, second});
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("book.pdf"));
    QString error;
    ASSERT_TRUE(
        WritePdfBook(m, {QStringLiteral("T"), QStringLiteral("Manual"), QString()}, pdf, &error))
        << error.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 4); // title, contents, one page for each chapter

    // No chapters: a title page and an empty contents.
    const QString empty = QDir(dir.path()).filePath(QStringLiteral("empty.pdf"));
    ASSERT_TRUE(WritePdfBook(LoadManual({}), {}, empty, &error));
    EXPECT_EQ(PdfPageCount(empty), 2);
    EXPECT_EQ(PdfPageCount(first), 0); // not a PDF
    EXPECT_FALSE(WritePdfBook(m, {}, QDir(dir.path()).filePath("no/such/folder/x.pdf"), &error));
}
