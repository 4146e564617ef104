#include "DesktopLaunch.h"

#include "Messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tervane {

namespace {

TProcessStarter& processStarter() {
    static TProcessStarter starter;
    return starter;
}

TFileOpener& fileOpener() {
    static TFileOpener opener;
    return opener;
}

} // namespace

void SetProcessStarter(TProcessStarter starter) {
    processStarter() = std::move(starter);
}

void SetFileOpener(TFileOpener opener) {
    fileOpener() = std::move(opener);
}

QString DefaultEditorPath() {
    const QString notepad = QStandardPaths::findExecutable(QStringLiteral("notepad"));
    return notepad.isEmpty() ? QStringLiteral("xdg-open") : notepad;
}

TEditorCommand EditorCommand(const QString& editorPath, const QString& file) {
    TEditorCommand c;
    const QFileInfo program(editorPath);
    if (program.isFile() && program.isExecutable()) {
        c.program = editorPath;
    } else {
        QStringList parts = QProcess::splitCommand(editorPath);
        if (!parts.isEmpty()) c.program = parts.takeFirst();
        c.arguments = parts;
    }
    c.arguments << file;
    return c;
}

bool LaunchEditor(const QString& editorPath, const QString& file) {
    const TEditorCommand c = EditorCommand(editorPath, file);
    bool started = false;
    if (!c.program.isEmpty()) {
        started = processStarter() ? processStarter()(c.program, c.arguments)
                                   : QProcess::startDetached(c.program, c.arguments);
    }
    if (!started) Messages().information(kEditorFailedMessage);
    return started;
}

void OpenProgramFile(const QString& name) {
    OpenFileInFolder(QCoreApplication::applicationDirPath(), name);
}

void OpenFileInFolder(const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo(path).isFile()) return;
    if (fileOpener())
        fileOpener()(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace tervane
