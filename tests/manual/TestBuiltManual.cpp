// The manuals as the build makes them into the program's folder: the names the Help menu opens,
// every link and picture of the one-page HTML manual, and the PDF books' pages.
#include "DesktopLaunch.h"
#include "ManualFiles.h"
#include "PdfBook.h"

#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <gtest/gtest.h>

using namespace tervane;
using tervane::test::AttributeValues;

namespace {

const QDir kProgramFolder(QStringLiteral(TERVANE_BIN_DIR));

} // namespace

TEST(BuiltManual, EveryLinkAndPictureOfTheHtmlManualResolves) {
    const QString html = test::ReadText(kProgramFolder.filePath(kHelpContentsFile));
    ASSERT_FALSE(html.isEmpty()) << "the HTML manual is missing";
    const QStringList ids = AttributeValues(html, QStringLiteral("id"));
    const QSet<QString> anchors(ids.begin(), ids.end());
    EXPECT_EQ(anchors.size(), ids.size()) << "an anchor is given twice";

    QStringList broken;
    int internal = 0;
    for (const QString& href : AttributeValues(html, QStringLiteral("href"))) {
        if (href.startsWith(u'#')) {
            ++internal;
            if (!anchors.contains(href.mid(1))) broken << href;
        } else if (QUrl(href).scheme().isEmpty()) {
            const QString file =
                href.left(href.indexOf(u'#') < 0 ? href.size() : href.indexOf(u'#'));
            if (!QFileInfo(kProgramFolder.filePath(file)).isFile()) broken << href;
        }
    }
    int pictures = 0;
    for (const QString& src : AttributeValues(html, QStringLiteral("src"))) {
        ++pictures;
        // Pictures are copied beside the page and named relative to it.
        if (QDir::isAbsolutePath(src) || !QFileInfo(kProgramFolder.filePath(src)).isFile())
            broken << src;
    }
    EXPECT_TRUE(broken.isEmpty()) << broken.join(u'\n').toStdString();
    EXPECT_GT(internal, 0);
    EXPECT_GT(pictures, 0);
}

TEST(BuiltManual, BothPdfBooksAreMadeWithPages) {
    for (const QString& name : {kUsersManualFile, kTechnicalManualFile}) {
        const QString path = kProgramFolder.filePath(name);
        ASSERT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        // A title page and the contents at least, and the chapters after them.
        EXPECT_GT(manual::PdfPageCount(path), 2) << path.toStdString();
    }
}
