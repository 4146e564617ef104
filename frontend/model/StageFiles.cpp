// Writing, reading, joining and splitting the stage files of a staged project.

#include "StageFiles.h"

#include "OlderProjectReader.h"
#include "ProgramData.h"
#include "WordRead.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tervane {

namespace {

// A file's lines without their line ends (CR LF, LF or CR), byte for byte.
QByteArrayList fileLines(QByteArray text) {
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    QByteArrayList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(file.errorString() + QChar(13) + QFileInfo(path).fileName());
    return file.readAll();
}

void appendLines(QByteArray& out, const QByteArrayList& lines) {
    for (const QByteArray& line : lines) {
        out += line;
        out += "\r\n";
    }
}

// The lines of stage files 1 to `stageCount` of `projectFile`, in order.
QByteArray joinedText(const QString& projectFile, int stageCount) {
    QByteArray out;
    for (int n = 1; n <= stageCount; ++n)
        appendLines(out, fileLines(readWholeFile(StageFileName(projectFile, n))));
    return out;
}

bool samePath(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

QString StageFileName(const QString& projectFile, int stage) {
    QString base = projectFile;
    const qsizetype slash = base.lastIndexOf(u'/');
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot > slash) base.truncate(dot);
    return base + QStringLiteral(".st") + QString::number(stage);
}

void SaveFileAtomically(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw EInOutError(file.errorString());
    if (file.write(text) != text.size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        throw EInOutError(message);
    }
    if (!file.commit()) throw EInOutError(file.errorString());
}

void WriteCurrentStage(TProgramData& project) {
    SaveFileAtomically(StageFileName(project.FileName, project.CurrentStage), project.StageText());
    project.ClearModified();
    project.OldFormatMark = true;
    project.CurrentFormatMark1 = true;
    project.CurrentFormatMark2 = true;
}

QString ReadCurrentStage(TProgramData& project) {
    const QString path = StageFileName(project.FileName, project.CurrentStage);
    if (!QFileInfo::exists(path)) return {};
    return project.ReadStageFile(path, StageFormatIndex(project));
}

void JoinStages(const QString& projectFile, int stageCount) {
    SaveFileAtomically(projectFile, joinedText(projectFile, stageCount));
}

void JoinStagesForSaveAs(const QString& newName, const QString& oldName, int stageCount) {
    SaveFileAtomically(newName, joinedText(oldName, stageCount));
    // Copied first and deleted only when every copy is there, so that a failure leaves the old
    // name's stage files complete.
    std::vector<QString> moved;
    for (int n = 1; n <= stageCount; ++n) {
        const QString from = StageFileName(oldName, n);
        const QString to = StageFileName(newName, n);
        if (samePath(from, to)) continue; // the same base name in the same folder
        QFile::remove(to);
        QFile file(from);
        if (!file.copy(to))
            throw EInOutError(file.errorString() + QChar(13) + QFileInfo(to).fileName());
        moved.push_back(from);
    }
    for (const QString& from : moved)
        QFile::remove(from);
    DeleteStageFiles(newName, stageCount + 1);
}

std::vector<QByteArrayList> StageBlocks(const QByteArray& text) {
    const QByteArray mark = kStageMark.toLatin1();
    std::vector<QByteArrayList> blocks;
    const QByteArrayList lines = fileLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int stage = static_cast<int>(blocks.size());
        const bool startsStage =
            blocks.empty() ||
            (lines[i].contains(mark) && lines[i - 1].trimmed() == QByteArray::number(stage));
        if (startsStage) blocks.emplace_back();
        blocks.back() << lines[i];
    }
    return blocks;
}

int SplitStages(const QString& projectFile, int stageCount) {
    const std::vector<QByteArrayList> blocks = StageBlocks(readWholeFile(projectFile));
    DeleteStageFiles(projectFile, 1);
    const int count = static_cast<int>(blocks.size());
    for (int n = 1; n <= stageCount && n <= count; ++n) {
        QByteArray out;
        appendLines(out, blocks[static_cast<size_t>(n - 1)]);
        SaveFileAtomically(StageFileName(projectFile, n), out);
    }
    return count;
}

void DeleteStageFiles(const QString& projectFile, int from) {
    for (int n = std::max(from, 1); n <= TProgramData::kMaxStages; ++n)
        QFile::remove(StageFileName(projectFile, n));
}

} // namespace tervane
