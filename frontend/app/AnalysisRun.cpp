#include "AnalysisRun.h"

#include "CurrentProject.h"
#include "DynamicLibrary.h"
#include "Messages.h"
#include "PltData.h"
#include "ProgramData.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>

namespace tervane {

namespace {

// The program-wide reference to the library holder: set while a run holds the engine.
std::unique_ptr<TDynamicLibrary> g_holder;

// Shows the hourglass for its lifetime and then restores the pointer shown before.
class THourglass {
public:
    THourglass() : m_shown(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (m_shown) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~THourglass() {
        if (m_shown) QGuiApplication::restoreOverrideCursor();
    }
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

private:
    bool m_shown;
};

// Makes a folder current for its lifetime and the program's folder current afterwards.
class TCurrentFolder {
public:
    TCurrentFolder(const QString& folder, QString after) : m_after(std::move(after)) {
        m_entered = QDir::setCurrent(folder);
    }
    ~TCurrentFolder() { QDir::setCurrent(m_after); }
    TCurrentFolder(const TCurrentFolder&) = delete;
    TCurrentFolder& operator=(const TCurrentFolder&) = delete;
    bool entered() const { return m_entered; }

private:
    QString m_after;
    bool m_entered = false;
};

// The run-control file: the version text and the four paths, one a line, in the file names'
// own encoding so the engine opens exactly these files.
bool writeRunControl(const QString& path, const QString& project, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = file.errorString();
        return false;
    }
    QByteArray text = kRunControlVersion.toLatin1() + '\n';
    for (const char* ext : {"", ".tv5o", ".tv5p", ".tv5r"}) {
        const QString name = *ext ? ChangeFileExt(project, QString::fromLatin1(ext)) : project;
        text += QFile::encodeName(name) + '\n';
    }
    const bool written = file.write(text) == text.size() && file.flush();
    if (!written) error = file.errorString();
    file.close();
    return written;
}

void call(const std::function<void()>& hook) {
    if (hook) hook();
}

// Holds the program-wide holder for one run: made on entering, released on leaving, also when a
// hook throws, so a failed run never leaves the next one refused as "already running".
class THolderScope {
public:
    THolderScope() { g_holder = std::make_unique<TDynamicLibrary>(); }
    ~THolderScope() { g_holder.reset(); }
    THolderScope(const THolderScope&) = delete;
    THolderScope& operator=(const THolderScope&) = delete;
    TDynamicLibrary& holder() const { return *g_holder; }
};

// Step 9 of every run that got past saving: the tool bar, the child windows, then the holder.
void finishRun(const TAnalysisHost& host) {
    call(host.UpdateToolBar);
    call(host.CloseChildWindows);
    g_holder.reset();
}

// The project's plot data file read into the models, when it exists.
std::optional<bool> readPlotsOf(TGraphModels& models, const TProgramData& project,
                                const QString& projectPath, bool afterRun) {
    const QString plot = ChangeFileExt(projectPath, QStringLiteral(".tv5p"));
    if (!QFileInfo(plot).isFile()) return std::nullopt;
    return ReadPlots(models, project, plot, afterRun,
                     [](const QString& text) { Messages().information(text); });
}

} // namespace

TRunSettings DefaultRunSettings() {
    TRunSettings s;
    s.ProgramFolder = QCoreApplication::applicationDirPath();
    s.LibraryPath = QDir(s.ProgramFolder).filePath(kEngineLibraryFileName);
    return s;
}

bool AnalysisInProgress() {
    return g_holder != nullptr;
}

QString ChangeFileExt(const QString& path, const QString& ext) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || dot < slash) return path + ext;
    return path.left(dot) + ext;
}

std::optional<bool> ReadProjectPlots(TGraphModels& models, const TProgramData& project,
                                     bool afterRun) {
    return readPlotsOf(models, project, QFileInfo(project.FileName).absoluteFilePath(), afterRun);
}

TRunResult RunAnalysis(const TAnalysisHost& host, const TRunSettings& settings) {
    TRunResult result;
    // 1-2. Save; an untitled project left untitled means the user cancelled.
    call(host.FileSave);
    TProgramData& project = CurrentProject();
    if (project.FileName == TProgramData::kUntitledName) {
        result.Outcome = TRunOutcome::SaveCancelled;
        return result;
    }
    // The engine runs in another folder: every path it is given is absolute.
    const QString projectPath = QFileInfo(project.FileName).absoluteFilePath();

    // 3-4. The program's folder is current after the run; the run-control file goes into a
    // private working folder of this run.
    QDir::setCurrent(settings.ProgramFolder);
    QTemporaryDir work(QDir(QDir::tempPath()).filePath(QStringLiteral("tervane-run-XXXXXX")));
    if (!work.isValid()) {
        result.Detail = work.errorString();
        Messages().information(result.Detail);
        return result;
    }
    result.WorkFolder = work.path();
    QString error;
    if (!writeRunControl(work.filePath(kRunControlFileName), projectPath, error)) {
        result.Detail = error;
        Messages().information(error);
        return result;
    }

    // 5. One run at a time.
    if (g_holder) {
        result.Outcome = TRunOutcome::AlreadyRunning;
        Messages().information(kReinitializeDLL);
        return result;
    }

    // 6. Load the engine and find its entry.
    THolderScope scope;
    TDynamicLibrary& library = scope.holder();
    TEngineEntry entry = nullptr;
    try {
        library.SetLibraryName(settings.LibraryPath);
        library.Load();
        entry = reinterpret_cast<TEngineEntry>(
            library.GetProcAddress(QString::fromLatin1(kEngineEntryName)));
        if (!entry)
            result.Detail = QStringLiteral("The library does not export ") +
                            QString::fromLatin1(kEngineEntryName);
    } catch (const EDLLError& e) {
        result.Detail = library.LoadError().isEmpty() ? e.message() : library.LoadError();
    }
    if (!entry) {
        g_holder.reset();
        result.Outcome = TRunOutcome::LibraryFailed;
        Messages().information(kInitializeDLLFailed);
        finishRun(host);
        return result;
    }

    // 7. The engine works in the private folder, with the hourglass shown.
    bool called = false;
    {
        TCurrentFolder inWork(work.path(), settings.ProgramFolder);
        if (inWork.entered()) {
            THourglass hourglass;
            QElapsedTimer clock;
            clock.start();
            result.EntryResult = entry(settings.InterfaceVersion);
            result.EngineSeconds = static_cast<double>(clock.nsecsElapsed()) * 1E-9;
            called = true;
        }
    }

    // 8. The outcome, and the plots of a run that went through.
    if (!called) {
        result.Detail = QStringLiteral("The working folder ") + work.path() +
                        QStringLiteral(" could not be entered.");
        Messages().information(result.Detail);
    } else if (result.EntryResult == kEngineVersionMismatch) {
        result.Outcome = TRunOutcome::VersionMismatch;
        Messages().information(kInterfaceMismatch);
    } else {
        result.Outcome = result.EntryResult == 0 ? TRunOutcome::Completed : TRunOutcome::Stopped;
        Messages().information(kComputationsCompleted);
        if (host.Models) {
            const std::optional<bool> read = readPlotsOf(*host.Models, project, projectPath, true);
            result.PlotFileFound = read.has_value();
            result.PlotsLoaded = read.value_or(false);
            if (read && host.SetPlotsLoaded) host.SetPlotsLoaded(*read);
        }
    }

    // 9. Tool bar, child windows, the holder; the working folder with the run-control file and
    // the engine's scratch files goes when `work` does.
    finishRun(host);
    return result;
}

} // namespace tervane
