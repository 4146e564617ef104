// The stage commands on the project and its stage files.

#include "StageOperations.h"

#include "OlderProjectReader.h"
#include "ProgramData.h"
#include "StageFiles.h"
#include "WordRead.h"

#include <QFile>
#include <algorithm>

namespace tervane {

namespace {

void collect(QStringList& messages, const QString& message) {
    if (!message.isEmpty()) messages << message;
}

// The project title, as the first line of stage file 1 holds it; empty when there is none.
QString firstStageTitle(const TProgramData& project) {
    QFile file(StageFileName(project.FileName, 1));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

} // namespace

QStringList SwitchStage(TProgramData& project, int stage) {
    QStringList messages;
    if (stage == project.CurrentStage || stage < 1 || stage > project.StageCount) return messages;
    const bool modified = project.IsModified();
    WriteCurrentStage(project); // a failure leaves the project as it was
    project.CurrentStage = stage;
    collect(messages, ReadCurrentStage(project));
    if (modified)
        project.SetModified();
    else
        project.ClearModified();
    return messages;
}

QStringList CopyPreviousStage(TProgramData& project) {
    QStringList messages;
    const int stage = project.CurrentStage;
    if (stage < 2) return messages;
    project.CurrentStage = stage - 1;
    collect(messages, ReadCurrentStage(project));
    project.CurrentStage = stage;
    try {
        WriteCurrentStage(project);
    } catch (const EInOutError&) {
        // The stage keeps its file; memory shows that file again.
        ReadCurrentStage(project);
        throw;
    }
    // The copy is in the stage file only: the project file has yet to be saved.
    project.SetModified();
    return messages;
}

QStringList ChangeStageCount(TProgramData& project, int count) {
    QStringList messages;
    const int newCount = std::clamp(count, 1, TProgramData::kMaxStages);
    const int oldCount = project.StageCount;
    if (newCount != oldCount) {
        if (oldCount == 1) {
            // Stage files left from an earlier staging are not this project's data.
            DeleteStageFiles(project.FileName, 1);
        } else if (newCount == 1) {
            // The project keeps the stage in memory, under the project's title.
            if (project.CurrentStage > 1) {
                const QString title = firstStageTitle(project);
                if (!title.isEmpty()) project.Title = title;
            }
        } else {
            // Unsaved edits of the stage in memory go to its file before other stages are read.
            WriteCurrentStage(project);
        }
    }

    project.StageCount = newCount;
    if (newCount == 1 || oldCount == 1 || newCount < oldCount) project.CurrentStage = 1;
    if (newCount == 1) {
        DeleteStageFiles(project.FileName, 1);
        if (oldCount != 1) project.SetModified();
        return messages;
    }
    if (newCount != oldCount) {
        const int remembered = project.CurrentStage;
        try {
            // A missing stage file leaves the previous stage's data: the new stage is its copy.
            for (int n = 1; n <= newCount; ++n) {
                project.CurrentStage = n;
                collect(messages, ReadCurrentStage(project));
                project.StageCount = newCount;
                WriteCurrentStage(project);
            }
        } catch (const EInOutError&) {
            project.CurrentStage = remembered;
            ReadCurrentStage(project);
            project.StageCount = newCount;
            project.SetModified();
            throw;
        }
        project.CurrentStage = remembered;
        collect(messages, ReadCurrentStage(project));
        project.StageCount = newCount;
        project.SetModified();
    }
    DeleteStageFiles(project.FileName, newCount + 1);
    return messages;
}

QStringList PrepareOpenedStages(TProgramData& project,
                                const std::function<void(int stage)>& progress) {
    QStringList messages;
    if (project.StageCount <= 1) return messages;
    SplitStages(project.FileName, project.StageCount);
    if (IsCurrentLayout(project.FileName)) return messages;
    // An older layout: every stage read in its own layout and written in the current one.
    const int count = project.StageCount;
    for (int n = 1; n <= count; ++n) {
        project.CurrentStage = n;
        SetStageFormatMarks(project, project.FileName);
        collect(messages, ReadCurrentStage(project));
        WriteCurrentStage(project);
        if (progress) progress(n);
    }
    project.OldFormatMark = true;
    project.CurrentFormatMark1 = true;
    project.CurrentFormatMark2 = true;
    project.CurrentStage = 1;
    collect(messages, ReadCurrentStage(project));
    project.StageCount = count;
    project.ClearModified();
    return messages;
}

} // namespace tervane
