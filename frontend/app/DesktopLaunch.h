#pragma once
// Starting programs outside this one: the user's text editor on the input, run-notes and output
// files, and the help files and manuals through the desktop. Tests replace the two launchers.

#include <QString>
#include <QStringList>
#include <functional>

namespace tervane {

inline const QString kEditorFailedMessage =
    QStringLiteral("An error occurred in running the Word Processor");

// The text editor used when none is stored: "notepad" where the system has one, else the
// desktop's opener (xdg-open).
QString DefaultEditorPath();

// The program and arguments of "editor path, a blank and the file path in double quotes": an
// editor path naming an existing program is taken whole (it may hold blanks); otherwise it is
// split like a command line, so that an editor with options of its own ("gedit -s") works.
struct TEditorCommand {
    QString program;
    QStringList arguments;
};
TEditorCommand EditorCommand(const QString& editorPath, const QString& file);

// Starts the editor on `file`; shows the failure message when it cannot be started.
bool LaunchEditor(const QString& editorPath, const QString& file);

// Opens a file of the program's folder through the desktop; nothing (and no message) when the
// file is missing or cannot be opened.
void OpenProgramFile(const QString& name);
// The same for a file of another folder.
void OpenFileInFolder(const QString& folder, const QString& name);

// The help files and manuals of the program's folder.
inline const QString kHelpContentsFile = QStringLiteral("TERVANE_2015.html");
inline const QString kUsersManualFile = QStringLiteral("TERVANE 2015 Users Manual.pdf");
inline const QString kTechnicalManualFile = QStringLiteral("TERVANE 2015 Technical Manual.pdf");

// Seams: how a detached process is started and how the desktop opens a file. Tests install
// recorders; nullptr returns to QProcess::startDetached and QDesktopServices::openUrl.
using TProcessStarter = std::function<bool(const QString& program, const QStringList& args)>;
using TFileOpener = std::function<bool(const QString& path)>;
void SetProcessStarter(TProcessStarter starter);
void SetFileOpener(TFileOpener opener);

} // namespace tervane
