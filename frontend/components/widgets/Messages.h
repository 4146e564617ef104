#pragma once
// The messages layer: every message box and every open, save, print and page-setup dialog of the
// program goes through one object, so that tests can read each text and answer it. The program
// installs the Qt implementation (QtMessages); the analysis run from the command line installs one
// that writes to standard error; tests install a scripted one.

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace tervane {

// Title of every message box.
inline const QString kApplicationTitle = QStringLiteral("TERVANE 2015");

enum class TMsgAnswer { Ok, Yes, No, Cancel };

// An open or save dialog. `filter` is written as pairs "Description|patterns|Description|..."
// (patterns separated by ';'); `filterIndex` is the 1-based position shown first.
struct TFileDialogRequest {
    QString title;
    QString filter;
    QString defaultExt;  // without the dot, added to a name typed without extension
    QString initialPath; // a file path or a folder
    int filterIndex = 1;
    bool fileMustExist = false;   // open dialogs
    bool overwritePrompt = false; // save dialogs
    bool pathMustExist = false;
};

struct TFileChoice {
    QString path;
    int filterIndex = 1; // 1-based position of the filter in use when the user confirmed
};

class TMessages {
public:
    virtual ~TMessages() = default;
    // Information box with an OK button.
    virtual void information(const QString& text) = 0;
    // Confirmation box with Yes and No; answers Yes or No.
    virtual TMsgAnswer yesNo(const QString& text) = 0;
    // Confirmation box with Yes, No and Cancel.
    virtual TMsgAnswer yesNoCancel(const QString& text) = 0;
    // Common file dialogs; nothing when the user cancels.
    virtual std::optional<TFileChoice> openFile(const TFileDialogRequest& request) = 0;
    virtual std::optional<TFileChoice> saveFile(const TFileDialogRequest& request) = 0;
    // Print dialog for `printer`; true when the user chose to print.
    virtual bool printDialog(QPrinter& printer) = 0;
    // Page-setup dialog for `printer` (margins, orientation); true when confirmed.
    virtual bool pageSetupDialog(QPrinter& printer) = 0;
};

// The program-wide layer. Until one is installed, a layer that writes every text to standard
// error and cancels every dialog serves (so nothing ever blocks without a window).
TMessages& Messages();
// Installs `messages` (not owned); nullptr returns to the standard-error layer.
void SetMessages(TMessages* messages);

// The messages layer that writes to standard error: information and questions are printed;
// questions are answered with `answer` (Yes answers Yes/No/Cancel boxes), dialogs are cancelled.
class TStderrMessages : public TMessages {
public:
    explicit TStderrMessages(TMsgAnswer answer = TMsgAnswer::Yes) : m_answer(answer) {}
    void information(const QString& text) override;
    TMsgAnswer yesNo(const QString& text) override;
    TMsgAnswer yesNoCancel(const QString& text) override;
    std::optional<TFileChoice> openFile(const TFileDialogRequest& request) override;
    std::optional<TFileChoice> saveFile(const TFileDialogRequest& request) override;
    bool printDialog(QPrinter& printer) override;
    bool pageSetupDialog(QPrinter& printer) override;

private:
    TMsgAnswer m_answer;
};

// A filter written as "Description|patterns|..." as a list of Qt name filters, one per pair:
// "Tervane 2015 (*.tv5d)|*.tv5d" becomes "Tervane 2015 (*.tv5d)". The pattern "*.*" becomes "*",
// so that names without an extension are listed too.
QStringList QtNameFilters(const QString& pipeFilter);

// Message text with the line breaks of the program's texts (character 13) as line feeds.
QString DisplayText(const QString& text);

} // namespace tervane
