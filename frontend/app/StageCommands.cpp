// The staged-construction commands: the stage operations of the model, with their question,
// their messages and the stage display.

#include "StageCommands.h"

#include "CurrentProject.h"
#include "Messages.h"
#include "OlderProjectReader.h"
#include "ProgramData.h"
#include "StageFiles.h"
#include "StageOperations.h"
#include "WordRead.h"

#include <QFileInfo>

namespace tervane {

namespace {

const QString kSaveAsFilter = QStringLiteral("Tervane 2015 (*.tv5d)|*.tv5d|All Files (*.*)|*.*");
const QString kDefaultExtension = QStringLiteral("tv5d");

// Writes the current stage's file without touching the modified mark: the project file has not
// been written yet.
void writeStageKeepingMark(TProgramData& project) {
    const bool modified = project.IsModified();
    WriteCurrentStage(project);
    if (modified) project.SetModified();
}

} // namespace

QString StageStatusText(int stage) {
    return QStringLiteral("Construction Stage Number: ") + QString::number(stage);
}

TStageDisplay StageDisplay(const TProgramData& project) {
    TStageDisplay d;
    d.staged = project.StageCount > 1;
    d.stageCount = project.StageCount;
    d.currentStage = project.CurrentStage;
    if (d.staged) d.statusText = StageStatusText(project.CurrentStage);
    return d;
}

QString ProjectDisplayName(const QString& fileName) {
    QString name = QFileInfo(fileName).fileName();
    if (QFileInfo(name).suffix().compare(kDefaultExtension, Qt::CaseInsensitive) == 0)
        name.truncate(name.indexOf(u'.'));
    if (name.size() > 1) name[0] = name[0].toUpper();
    return name;
}

bool NeedsSaveAs(const TProgramData& project) {
    return project.FileName == TProgramData::kUntitledName || !IsCurrentLayout(project.FileName);
}

QString SaveAsProposal(const QString& fileName) {
    if (IsCurrentLayout(fileName)) return fileName;
    const qsizetype slash = fileName.lastIndexOf(u'/');
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return (dot > slash ? fileName.left(dot) : fileName) + u'.' + kDefaultExtension;
}

void TStageCommands::changed() {
    if (onStageChanged) onStageChanged();
}

void TStageCommands::showMessages(const QStringList& messages) {
    for (const QString& m : messages)
        Messages().information(m);
}

void TStageCommands::switchStage(int stage) {
    try {
        showMessages(SwitchStage(CurrentProject(), stage));
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
    }
    changed();
}

void TStageCommands::updateCurrentStage() {
    try {
        writeStageKeepingMark(CurrentProject());
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
    }
}

void TStageCommands::copyPreviousStage() {
    TProgramData& project = CurrentProject();
    const int stage = project.CurrentStage;
    if (project.StageCount <= 1 || stage < 2) return;
    const QString question =
        QStringLiteral("Do you want to copy all information from Stage %1 to Stage %2")
            .arg(stage - 1)
            .arg(stage);
    if (Messages().yesNo(question) != TMsgAnswer::Yes) return;
    try {
        showMessages(CopyPreviousStage(project));
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
    }
    changed();
}

void TStageCommands::changeStageCount(int count) {
    try {
        showMessages(ChangeStageCount(CurrentProject(), count));
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
    }
    changed();
}

void TStageCommands::afterOpen() {
    TProgramData& project = CurrentProject();
    if (project.StageCount > 1) {
        changed(); // the status bar and the menu show stage 1 while the files are prepared
        try {
            showMessages(PrepareOpenedStages(project, [this](int stage) {
                if (onStatusText) onStatusText(StageStatusText(stage));
            }));
        } catch (const EFrontendError& e) {
            Messages().information(e.message());
        }
    }
    changed();
}

bool TStageCommands::fileSave() {
    TProgramData& project = CurrentProject();
    try {
        if (project.StageCount > 1) writeStageKeepingMark(project);
        if (NeedsSaveAs(project)) return fileSaveAs();
        project.Save();
        return true;
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        return false;
    }
}

bool TStageCommands::fileSaveAs() {
    const TProgramData& project = CurrentProject();
    TFileDialogRequest request;
    request.title =
        QStringLiteral("Save ") + ProjectDisplayName(project.FileName) + QStringLiteral(" As");
    request.filter = kSaveAsFilter;
    request.defaultExt = kDefaultExtension;
    request.initialPath = SaveAsProposal(project.FileName);
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const std::optional<TFileChoice> choice = Messages().saveFile(request);
    if (!choice) return false;
    return saveAs(choice->path);
}

bool TStageCommands::saveAs(const QString& newName) {
    TProgramData& project = CurrentProject();
    const QString oldName = project.FileName;
    if (FormatIndexFromExtension(newName) != kFormatCurrent) {
        Messages().information(kOlderNotWritten);
        return false;
    }
    try {
        if (project.StageCount > 1) {
            // The stage in memory joins the others under the old name first.
            writeStageKeepingMark(project);
            JoinStagesForSaveAs(newName, oldName, project.StageCount);
            project.FileName = newName;
            project.ClearModified();
        } else {
            project.FileName = newName;
            project.Save();
        }
        if (onSavedAs) onSavedAs(newName);
        return true;
    } catch (const EFrontendError& e) {
        if (project.StageCount <= 1) project.FileName = oldName;
        Messages().information(e.message());
        return false;
    }
}

} // namespace tervane
