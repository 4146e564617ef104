// The user's manual against the program's own texts: every menu item, dialog caption and table
// caption, read from where the program defines them, appears in the manual's chapters. Access-key
// "&" marks and a closing "..." are dropped and runs of blanks count as one, as the manual
// writes them ("Save &As..." is written Save As). The chapters start with their title.
#include "ManualFiles.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

using tervane::test::ReadText;

namespace {

const QDir kSource(QStringLiteral(TERVANE_SOURCE_DIR));

QString blanksFolded(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// A menu caption as the user reads it.
QString menuText(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(QChar(1), u'&');
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    return blanksFolded(caption);
}

QString xmlText(QString text) {
    return text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// Caption -> where it is defined.
using TCaptions = QMap<QString, QString>;

void collect(TCaptions& out, const QString& file, const QString& pattern, bool menu) {
    const QString text = ReadText(kSource.filePath(file));
    ASSERT_FALSE(text.isEmpty()) << file.toStdString();
    const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
    int found = 0;
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString c = menu ? menuText(m.captured(1)) : blanksFolded(xmlText(m.captured(1)));
        if (!c.isEmpty()) out.insert(c, file);
        ++found;
    }
    EXPECT_GT(found, 0) << "no captions read from " << file.toStdString();
}

TCaptions programCaptions() {
    TCaptions c;
    // Menu items of the main window (the tool-bar buttons, TCmd::Tb..., repeat them).
    collect(c, QStringLiteral("frontend/app/CommandIds.cpp"),
            QStringLiteral(R"re(\{TCmd::(?!Tb)\w+,\s*\{"([^"]*)")re"), true);
    // The menus of the menu bar, the graph windows' Plot menu, the Stage Construction menu.
    collect(c, QStringLiteral("frontend/app/MainMenus.cpp"),
            QStringLiteral(R"re(addMenu\(bar,\s*"([^"]*)"\))re"), true);
    collect(
        c, QStringLiteral("frontend/graphics/PlotMenu.cpp"),
        QStringLiteral(
            R"re((?:addAction|QMenu|valueMenu)\(\s*(?:m_menu,\s*)?QStringLiteral\("([^"]*)"\))re"),
        true);
    collect(c, QStringLiteral("frontend/graphics/PlotMenu.cpp"),
            QStringLiteral(R"re(\{"([^"]*)",\s*\d+\})re"), true);
    collect(c, QStringLiteral("frontend/app/StageActions.cpp"),
            QStringLiteral(R"re(addAction\(QStringLiteral\("([^"%]*)"\)\))re"), true);
    // Dialog captions: the forms, and the captions the dialogs give themselves.
    for (QDirIterator it(kSource.filePath(QStringLiteral("frontend/resources/forms")),
                         {QStringLiteral("*.ui")});
         it.hasNext();) {
        it.next();
        collect(c, kSource.relativeFilePath(it.filePath()),
                QStringLiteral(R"re(<property name="windowTitle">\s*<string>([^<]*)</string>)re"),
                false);
    }
    for (const QString folder :
         {QStringLiteral("frontend/app"), QStringLiteral("frontend/graphics")}) {
        for (QDirIterator it(kSource.filePath(folder), {QStringLiteral("*.cpp")}); it.hasNext();) {
            it.next();
            const QString file = kSource.relativeFilePath(it.filePath());
            const QString text = ReadText(it.filePath());
            const QRegularExpression re(QStringLiteral(
                R"re((?:FinishForm|FinishSwitchForm|FinishPictureForm|setWindowTitle)\(QStringLiteral\("([^"]*)"\))re"));
            for (auto m = re.globalMatch(text); m.hasNext();)
                c.insert(blanksFolded(m.next().captured(1)), file);
        }
    }
    // Table captions.
    collect(c, QStringLiteral("frontend/resources/GridTables.txt"),
            QStringLiteral(R"re(^\s*Caption = '([^']*)')re"), false);
    return c;
}

QStringList chapterFiles() {
    QStringList files;
    for (QDirIterator it(kSource.filePath(QStringLiteral("docs/manual")), {QStringLiteral("*.md")});
         it.hasNext();) {
        it.next();
        if (QRegularExpression(QStringLiteral("^\\d\\d-")).match(it.fileName()).hasMatch())
            files << it.filePath();
    }
    files.sort();
    return files;
}

} // namespace

TEST(ManualSources, EveryChapterStartsWithItsOneTitle) {
    const QStringList files = chapterFiles();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QStringList lines = ReadText(file).split(u'\n');
        int titles = 0;
        bool fence = false;
        QString first;
        for (const QString& line : lines) {
            if (line.startsWith(QStringLiteral("```"))) fence = !fence;
            if (fence) continue;
            if (first.isEmpty() && !line.trimmed().isEmpty()) first = line;
            if (line.startsWith(QStringLiteral("# "))) ++titles;
        }
        EXPECT_TRUE(first.startsWith(QStringLiteral("# "))) << file.toStdString();
        EXPECT_EQ(titles, 1) << file.toStdString();
    }
}

// Fails until the reference chapters describe every menu, dialog and table; the message lists
// each caption still missing and where the program defines it.
TEST(ManualCaptions, EveryMenuItemDialogAndTableCaptionIsInTheManual) {
    QString manual;
    for (const QString& file : chapterFiles())
        manual += ReadText(file) + u' ';
    manual = blanksFolded(manual);
    const TCaptions captions = programCaptions();
    ASSERT_GT(captions.size(), 100);
    QStringList missing;
    for (auto it = captions.constBegin(); it != captions.constEnd(); ++it)
        if (!manual.contains(it.key()))
            missing << QStringLiteral("%1   (%2)").arg(it.key(), it.value());
    EXPECT_TRUE(missing.isEmpty())
        << missing.size() << " of " << captions.size() << " captions are not in docs/manual:\n"
        << missing.join(u'\n').toStdString();
}
