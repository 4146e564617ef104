#pragma once
// The commands of staged construction as the main window offers them: the Stage Construction
// menu and the stage tool buttons, the staged-construction dialog's confirmation, the file
// commands' part for staged projects and older layouts, and the stage display (status bar text,
// menu and buttons). No widgets: the main window applies what StageDisplay() returns. Messages
// go through the messages layer; every command works on the current project.

#include <QString>
#include <functional>

namespace tervane {

class TProgramData;

// Status bar text of a staged project at `stage`: "Construction Stage Number: " and the number.
QString StageStatusText(int stage);

// What the main window shows of the stages.
struct TStageDisplay {
    bool staged = false; // the Stage Construction menu and the stage buttons are shown
    int stageCount = 1;
    int currentStage = 1;
    QString statusText; // the status bar: StageStatusText of the current stage, or empty

    // "Stage &n" and the button "Stage Const. n".
    bool stageEnabled(int n) const { return staged && n >= 1 && n <= stageCount; }
    bool stageChecked(int n) const { return staged && n == currentStage; }
    bool copyPreviousEnabled() const { return staged && currentStage > 1; }
};
TStageDisplay StageDisplay(const TProgramData& project);

// The name of the project file as the window title and the save dialog show it: without its
// folder; a ".tv5d" name (in any case) cut at its first "."; the first letter upper case when the
// name is longer than one character.
QString ProjectDisplayName(const QString& fileName);
// File Save goes through Save As for an untitled project and for a file of an older layout.
bool NeedsSaveAs(const TProgramData& project);
// The name the Save As dialog starts with: `fileName` with the extension ".tv5d".
QString SaveAsProposal(const QString& fileName);

class TStageCommands {
public:
    // Called after every command that changed the stage in memory or the stage count: the main
    // window applies StageDisplay(CurrentProject()) and shows open input dialogs' values again.
    std::function<void()> onStageChanged;
    // Called while an older staged file is brought up to date, with the status text to show now.
    std::function<void(const QString&)> onStatusText;
    // Called after the project was written under a new name by Save As (also when File Save went
    // through Save As): the main window sets its title, puts the file at the top of the recent
    // list, closes the child windows and updates the tool bar.
    std::function<void(const QString& newName)> onSavedAs;

    // "Stage &1" to "Stage &5", the buttons "Stage Const. 1" to "Stage Const. 5".
    void switchStage(int stage);
    // "Update &Current Stage": writes the current stage, keeping the modified mark.
    void updateCurrentStage();
    // "Copy &Previous Stage", after its question.
    void copyPreviousStage();
    // The staged-construction dialog's OK with the number of stages it shows.
    void changeStageCount(int count);
    // Open, step 7, after the project was read: a staged project is split into its stage files
    // and an older one brought up to date stage by stage.
    void afterOpen();

    // File Save: writes the current stage of a staged project, then saves (joining the stage
    // files), or runs File Save As for an untitled project or an older layout. True when the
    // project file was written.
    bool fileSave();
    // File Save As: the save dialog, then saveAs() with the chosen name. True when written.
    bool fileSaveAs();
    // Writes the project under `newName`, which becomes its FileName; a staged project joins its
    // stage files into the new file and renames them after it. True when written.
    bool saveAs(const QString& newName);

private:
    void changed();
    void showMessages(const QStringList& messages);
};

} // namespace tervane
