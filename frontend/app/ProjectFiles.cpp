#include "ProjectFiles.h"

#include "CurrentProject.h"
#include "EntryErrors.h"
#include "MainCommands.h"
#include "Messages.h"
#include "ProgramSettings.h"
#include "OlderProjectReader.h"
#include "ProjectNames.h"

#include <QDir>
#include <QFileInfo>

namespace tervane {

namespace {

void call(const std::function<void()>& f) {
    if (f) f();
}

// Line breaks of the notes are carriage returns, as the editor expects them.
const char* const kPileSect =
    "The nodal number at the top of the wall is set to be 0.\r"
    "Values of Flexural Stiffness (EI) must be specified for all nodes of the wall.\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END "
    "node of the following line.";
const char* const kBoundCond =
    "The concentrated loads are applied at nodal points only (including the specified START and "
    "END nodes).\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END "
    "node of the following line.";
const char* const kSoilStrength =
    "The spring stiffnesses are applied at nodal points only (including the specified START and "
    "END nodes).\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END "
    "node of the following line.";
const char* const kTblRock2 =
    "* krm is a strain constant that seve to establish the overall stiffness of the curves";
const char* const kSurcharge = "The unit for point load is lbs or kN \r"
                               "The unit for line load is lbs/in. or kN/m \r"
                               "The unit for strip load is lbs/in^2 or kN/m^2 ";
const char* const kPYCurve2 =
    "* Use negative (-) values for deflections to the left (to backfill)\r"
    "     and positive (+) to the right (to excavation).\r"
    "Lateral movement (y) should start from negative deflection\r"
    "     (towards backfill) and gradually increase to positive\r"
    "     deflection (towards excavation) for the range of the response.\r"
    "Positive soil resistance (p) should correspond to the negative\r"
    "     soil movement (-y) and negative soil resistance (-p) should\r"
    "     correspond to the positive soil movement (y).";
const char* const kSoilParameters =
    "The user may optionally enter an earth pressure coefficient for generating \r"
    "lateral earth pressure that is equal to the vertical soil pressure multiplied \r"
    "by this user-specified coefficient. If the user does not intend to use this option, \r"
    "please leave the optional earth pressure coefficient as zero and the program will \r"
    "use the active earth pressure coefficient calculated internally.";

// The notes the table editor windows show under some of the tables.
void setTableNotes(TProjectTables& tables) {
    const struct {
        const char* table;
        const char* note;
    } notes[] = {
        {"PileSect", kPileSect},         {"BoundCond", kBoundCond},
        {"SoilStrength", kSoilStrength}, {"TblRock2", kTblRock2},
        {"SurchargeTable", kSurcharge},  {"PYCurve2", kPYCurve2},
        {"TblSand1", kSoilParameters},   {"TblClay1", kSoilParameters},
        {"TblSilt1", kSoilParameters},
    };
    for (const auto& n : notes)
        tables.Table(QString::fromLatin1(n.table)).SetComments(QString::fromLatin1(n.note));
}

bool isCurrentLayout(const QString& fileName) {
    return fileName.toLower().endsWith(kProjectExtension);
}

} // namespace

TProjectFiles::TProjectFiles(const TMainCommands& commands, TFileEvents events)
    : m_commands(commands), m_events(std::move(events)),
      m_project(std::make_unique<TProgramData>(m_tables)) {
    setTableNotes(m_tables);
    SetCurrentProject(m_project.get());
}

TProjectFiles::~TProjectFiles() {
    if (HasCurrentProject() && &CurrentProject() == m_project.get()) SetCurrentProject(nullptr);
}

void TProjectFiles::replaceProject(std::unique_ptr<TProgramData> project) {
    SetCurrentProject(nullptr);
    m_project = std::move(project);
    SetCurrentProject(m_project.get());
}

bool TProjectFiles::ReadPlots() {
    const QString plotFile = WithExtension(m_project->FileName, QStringLiteral(".tv5p"));
    m_plotsLoaded =
        QFileInfo(plotFile).isFile() && m_commands.readPlots && m_commands.readPlots(plotFile);
    return m_plotsLoaded;
}

bool TProjectFiles::CloseQuery() {
    call(m_events.commitActiveChild);
    if (!m_project->IsModified()) return true;
    switch (Messages().yesNoCancel(kSaveChangesQuestion)) {
    case TMsgAnswer::No:
        return true;
    case TMsgAnswer::Yes:
        // Going on after a save that failed would lose the changes.
        return saveCommitted() && m_project->FileName != TProgramData::kUntitledName;
    default:
        return false;
    }
}

void TProjectFiles::New() {
    if (!CloseQuery()) return;
    call(m_events.closeChildren);
    SetCurrentProject(nullptr);
    m_project.reset();
    replaceProject(std::make_unique<TProgramData>(m_tables));
    m_plotsLoaded = false;
    call(m_events.refresh);
    call(m_commands.projectReplaced);
}

void TProjectFiles::Open() {
    if (!CloseQuery()) return;
    TFileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = kOpenFilter;
    request.defaultExt = QStringLiteral("tv5d");
    request.fileMustExist = true;
    request.pathMustExist = true;
    const std::optional<TFileChoice> choice = Messages().openFile(request);
    if (choice) OpenByName(choice->path, choice->filterIndex);
}

void TProjectFiles::OpenRecent(int slot) {
    if (slot < 0 || slot >= m_recent.Count()) return;
    const QString path = m_recent.At(slot);
    if (!CloseQuery()) return;
    OpenByName(path, FormatIndexOfFile(path));
}

void TProjectFiles::OpenDropped(const QString& path) {
    if (!CloseQuery()) return;
    OpenByName(path, FormatIndexOfFile(path));
}

bool TProjectFiles::readProject(const QString& path, int formatIndex) {
    call(m_events.closeChildren);
    const QFileInfo file(path);
    const QString absolute = file.absoluteFilePath();
    SetCurrentProject(nullptr);
    m_project.reset();
    m_plotsLoaded = false;
    QDir::setCurrent(file.absolutePath());
    try {
        replaceProject(std::make_unique<TProgramData>(m_tables, absolute, formatIndex));
    } catch (const EFrontendError& e) {
        replaceProject(std::make_unique<TProgramData>(m_tables));
        Messages().information(e.message());
        call(m_events.refresh);
        call(m_commands.projectReplaced);
        return false;
    }
    if (!m_project->OpenMessage().isEmpty()) Messages().information(m_project->OpenMessage());
    ReadPlots();
    return true;
}

void TProjectFiles::afterOpen(bool announce) {
    if (announce) {
        AddRecent(m_project->FileName);
        Messages().information(QStringLiteral("Data file: ") + DisplayName(m_project->FileName) +
                               QStringLiteral(", has been read by TERVANE 2015"));
    }
    if (m_project->StageCount > 1 && m_commands.splitStages)
        m_commands.splitStages(!isCurrentLayout(m_project->FileName));
    call(m_events.refresh);
    call(m_commands.projectReplaced);
}

bool TProjectFiles::OpenByName(const QString& path, int formatIndex) {
    if (!readProject(path, formatIndex)) return false;
    afterOpen(true);
    return true;
}

void TProjectFiles::OpenFromCommandLine(const QString& argument) {
    const QString path = CommandLineProjectPath(argument);
    if (QFileInfo(path).isFile() && readProject(path, FormatIndexOfFile(path)))
        afterOpen(false);
    else
        call(m_events.refresh);
}

bool TProjectFiles::write(const QString& oldFileName) {
    try {
        if (m_project->StageCount > 1 && oldFileName != m_project->FileName &&
            m_commands.joinStagesAs)
            m_commands.joinStagesAs(oldFileName);
        else if (m_project->StageCount > 1 && m_commands.joinStages)
            m_commands.joinStages();
        else
            m_project->Save();
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        return false;
    }
    return true;
}

bool TProjectFiles::Save() {
    // The tool button, the shortcut and Run Analysis save without a menu opening first: the
    // active child's pending entries would not be in the file.
    call(m_events.commitActiveChild);
    return saveCommitted();
}

bool TProjectFiles::saveCommitted() {
    if (m_project->StageCount > 1) call(m_commands.writeCurrentStage);
    if (SaveNeedsNewName()) return SaveAs();
    return write(m_project->FileName);
}

bool TProjectFiles::SaveNeedsNewName() const {
    const QString& name = m_project->FileName;
    return name == TProgramData::kUntitledName || !isCurrentLayout(name);
}

QString TProjectFiles::ProposedSaveAsName() const {
    const QString& name = m_project->FileName;
    return isCurrentLayout(name) ? name : WithExtension(name, kProjectExtension);
}

bool TProjectFiles::SaveAs() {
    const QString oldName = m_project->FileName;
    TFileDialogRequest request;
    request.title = QStringLiteral("Save ") + DisplayName(oldName) + QStringLiteral(" As");
    request.filter = kSaveFilter;
    request.defaultExt = QStringLiteral("tv5d");
    request.initialPath = ProposedSaveAsName();
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const std::optional<TFileChoice> choice = Messages().saveFile(request);
    if (!choice) return false;
    m_project->FileName = QFileInfo(choice->path).absoluteFilePath();
    if (!write(oldName)) {
        // The project was not written under the new name: it keeps the name it has on disk.
        m_project->FileName = oldName;
        return false;
    }
    AddRecent(m_project->FileName);
    call(m_events.closeChildren);
    call(m_events.refresh);
    return true;
}

void TProjectFiles::AddRecent(const QString& path) {
    if (m_recent.Add(path)) TProgramSettings::WriteRecent(m_recent.Values());
}

} // namespace tervane
