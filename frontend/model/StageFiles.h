#pragma once
// Stage files of a staged project. Each construction stage keeps its data in a file next to the
// project file, named after it with the extension ".st1" to ".st5"; the project data file is the
// stage files' lines one after another, which the engine reads as one problem per stage. The
// project holds one stage in memory at a time.

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <vector>

namespace tervane {

class TProgramData;

// First line of the block of every stage after the first, followed by the stage number.
inline const QString kStageTitle = QStringLiteral(" Stage No : ");
// The text by which the block of a later stage is known when a project data file is split.
inline const QString kStageMark = QStringLiteral(" Stage No :");

// The stage file of stage `stage` (1 to 5) of the project file `projectFile`: its extension
// replaced by ".st" and the stage number, in the same folder.
QString StageFileName(const QString& projectFile, int stage);

// Writes `text` to `path` through a temporary file that replaces `path` only once complete.
// Throws EInOutError with the system's message; the previous file is then left as it was.
void SaveFileAtomically(const QString& path, const QByteArray& text);

// Writes the stage file of the project's CurrentStage; clears the modified mark and sets the
// format marks on. Throws EInOutError when the file cannot be written.
void WriteCurrentStage(TProgramData& project);
// Reads the stage file of the project's CurrentStage into the project when it exists (a missing
// file leaves the project as it is), in the layout its format marks name. Returns the message of
// a malformed or incomplete file, empty otherwise. Throws EInOutError when the file exists but
// cannot be read.
QString ReadCurrentStage(TProgramData& project);

// Rewrites `projectFile` with the lines of its stage files 1 to `stageCount`, in order. Throws
// EInOutError when a stage file cannot be read or the project file written.
void JoinStages(const QString& projectFile, int stageCount);
// Writes `newName` from the stage files of `oldName`, then renames each of those stage files to
// the stage file of `newName` (stale stage files of `newName` above `stageCount` are deleted).
// When a stage file cannot be renamed the old name's stage files stay as they were.
void JoinStagesForSaveAs(const QString& newName, const QString& oldName, int stageCount);

// The blocks of a staged project data file, one list of lines (without line ends) per stage. A new
// block starts at a line holding " Stage No :" only where a stage begins: right after the line that
// holds the closing number of the block before it, so a title holding that text does not split.
std::vector<QByteArrayList> StageBlocks(const QByteArray& text);
// Splits `projectFile` into its stage files: deletes the stage files 1 to 5 of that name, then
// writes the block of stage n into stage file n for n = 1 to `stageCount`; a stage the file does
// not hold gets no stage file. Returns the number of blocks the file holds. Throws EInOutError.
int SplitStages(const QString& projectFile, int stageCount);

// Deletes the stage files `from` to 5 of `projectFile` (those that exist).
void DeleteStageFiles(const QString& projectFile, int from = 1);

} // namespace tervane
