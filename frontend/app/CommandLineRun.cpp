#include "CommandLineRun.h"

#include "CurrentProject.h"
#include "EntryErrors.h"
#include "Messages.h"
#include "OlderProjectReader.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectTables.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace tervane {

namespace {

void reason(const QString& text) {
    std::fprintf(stderr, "Tervane2015: %s\n", DisplayText(text).toLocal8Bit().constData());
}

int exitStatus(const TRunResult& r) {
    switch (r.Outcome) {
    case TRunOutcome::SaveCancelled:
        return kRunExitProject;
    case TRunOutcome::SetupFailed:
    case TRunOutcome::AlreadyRunning:
        return kRunExitSetup;
    case TRunOutcome::LibraryFailed:
        return kRunExitLibrary;
    case TRunOutcome::VersionMismatch:
        return kRunExitInterface;
    case TRunOutcome::Stopped:
        return kRunExitStopped;
    case TRunOutcome::Completed:
        return r.PlotsLoaded ? kRunExitCompleted : kRunExitPlotFile;
    }
    return kRunExitSetup;
}

// Restores the messages layer and the current project when the job ends.
class TJobScope {
public:
    explicit TJobScope(TMessages* messages) : m_previous(&Messages()) { SetMessages(messages); }
    ~TJobScope() {
        SetCurrentProject(nullptr);
        SetMessages(m_previous);
    }
    TJobScope(const TJobScope&) = delete;
    TJobScope& operator=(const TJobScope&) = delete;

private:
    TMessages* m_previous;
};

int runJob(QString path, const TRunSettings& settings) {
    if (!QFileInfo(path).fileName().contains(u'.')) path += QStringLiteral(".tv5d");
    if (!QFileInfo(path).isFile()) {
        reason(QStringLiteral("The project file %1 does not exist.").arg(path));
        return kRunExitProject;
    }
    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
    try {
        project = std::make_unique<TProgramData>(tables, QFileInfo(path).absoluteFilePath(),
                                                 FormatIndexOfFile(path));
    } catch (const EFrontendError& e) {
        reason(e.message());
        return kRunExitProject;
    }
    if (!project->OpenMessage().isEmpty()) {
        reason(QStringLiteral("The project file %1 is malformed: %2")
                   .arg(path, DisplayText(project->OpenMessage())));
        return kRunExitProject;
    }
    SetCurrentProject(project.get());

    // Save, or Save As under the name the dialog would propose.
    const QString target = ChangeFileExt(project->FileName, QStringLiteral(".tv5d"));
    if (target != project->FileName) {
        if (QFileInfo::exists(target)) {
            reason(QStringLiteral("The project would be saved as %1, which exists already.")
                       .arg(target));
            return kRunExitProject;
        }
        project->FileName = target;
    }

    TGraphModels models;
    TAnalysisHost host;
    host.FileSave = [&project] { project->Save(); };
    host.Models = &models;
    TRunResult result;
    try {
        result = RunAnalysis(host, settings);
    } catch (const EFrontendError& e) {
        reason(e.message());
        return kRunExitProject;
    }
    const int status = exitStatus(result);
    if (status == kRunExitCompleted) {
        std::printf("%s: analysis completed; %d result block(s), %d p-y curve(s) read\n",
                    QFile::encodeName(project->FileName).constData(),
                    models.pltDef.CurveCount(kCurveSetMain),
                    models.pltPY.CurveCount(kCurveSetMain));
        std::fflush(stdout);
    } else if (!result.Detail.isEmpty()) {
        reason(result.Detail);
    } else if (status == kRunExitStopped) {
        reason(QStringLiteral("The analysis stopped before its end (result %1); see %2.")
                   .arg(result.EntryResult)
                   .arg(ChangeFileExt(project->FileName, QStringLiteral(".tv5o"))));
    } else if (status == kRunExitPlotFile && !result.PlotFileFound) {
        reason(QStringLiteral("The engine wrote no plot data file."));
    } // a malformed plot file was reported by the run itself

    return status;
}

} // namespace

int RunProjectFromCommandLine(const QString& projectPath, const TRunSettings& settings) {
    std::unique_ptr<QCoreApplication> ownApp;
    static int argc = 1;
    static char name[] = "Tervane2015";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) ownApp = std::make_unique<QCoreApplication>(argc, argv);

    TStderrMessages messages(TMsgAnswer::Yes);
    TJobScope scope(&messages);
    const TRunSettings s = settings.ProgramFolder.isEmpty() ? DefaultRunSettings() : settings;
    return runJob(projectPath, s);
}

} // namespace tervane
