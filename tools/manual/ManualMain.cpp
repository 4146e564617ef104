// Builds the manuals from their Markdown chapters:
//   tervane-manual [--html PAGE --pictures FOLDER] [--pdf BOOK] --subtitle TEXT
//                  [--version TEXT] CHAPTER.md...
// PAGE is the one-page HTML manual; the pictures it shows are copied into FOLDER, a folder
// beside it (the page refers to them relatively). BOOK is the PDF. Chapters are taken in the
// order given. Problems in the sources (links to no heading, missing pictures) are listed on
// standard error; the exit status is non-zero only when an output cannot be written.
#include "HtmlPage.h"
#include "ManualSource.h"
#include "PdfBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace tervane::manual;

void complain(const QString& text) {
    std::fprintf(stderr, "tervane-manual: %s\n", qPrintable(text));
}

// Copies the pictures into the folder beside the page; returns the page's name for each.
bool copyPictures(const TManualSource& manual, const QString& pagePath, const QString& folder,
                  QMap<QString, QString>& names) {
    const QDir pageDir = QFileInfo(pagePath).absoluteDir();
    if (!pageDir.mkpath(folder)) {
        complain(QStringLiteral("cannot make %1").arg(pageDir.filePath(folder)));
        return false;
    }
    for (auto it = manual.pictures.constBegin(); it != manual.pictures.constEnd(); ++it) {
        if (!it->found) continue;
        const QString name = folder + u'/' + QFileInfo(it->source).fileName();
        const QString target = pageDir.filePath(name);
        QFile::remove(target);
        if (!QFile::copy(it->source, target)) {
            complain(QStringLiteral("cannot copy %1 to %2").arg(it->source, target));
            return false;
        }
        names.insert(it.key(), name);
    }
    return true;
}

bool writeHtml(const TManualSource& manual, const QString& path, const QString& folder,
               const QString& title) {
    QMap<QString, QString> names;
    if (!copyPictures(manual, path, folder, names)) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        complain(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    file.write(HtmlPage(manual, title, names).toUtf8());
    if (!file.commit()) {
        complain(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QString html, pictures = QStringLiteral("images"), pdf;
    TBookTitle title{QStringLiteral("TERVANE 2015"), QString(), QString()};
    QStringList chapters;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            std::puts("tervane-manual [--html PAGE --pictures FOLDER] [--pdf BOOK] --subtitle "
                      "TEXT [--version TEXT] CHAPTER.md...: builds the manual");
            return 0;
        }
        if (a == QStringLiteral("--html") && hasValue)
            html = args[++i];
        else if (a == QStringLiteral("--pictures") && hasValue)
            pictures = args[++i];
        else if (a == QStringLiteral("--pdf") && hasValue)
            pdf = args[++i];
        else if (a == QStringLiteral("--subtitle") && hasValue)
            title.subtitle = args[++i];
        else if (a == QStringLiteral("--version") && hasValue)
            title.version = args[++i];
        else if (a.startsWith(QStringLiteral("--"))) {
            complain(QStringLiteral("unknown option %1").arg(a));
            return 2;
        } else
            chapters << a;
    }
    const TManualSource manual = LoadManual(chapters);
    for (const QString& problem : manual.problems)
        complain(problem);
    bool ok = true;
    if (!html.isEmpty())
        ok = writeHtml(manual, html, pictures, title.title + u' ' + title.subtitle) && ok;
    if (!pdf.isEmpty()) {
        QString error;
        if (!WritePdfBook(manual, title, pdf, &error)) {
            complain(error);
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
