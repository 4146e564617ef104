#pragma once
// The analysis run: saves the project, writes the run-control file, loads the engine library,
// calls its entry once, reports the outcome, reads the plot data the engine wrote into the graph
// models and releases the library again. The run reaches the main window only through the hooks
// of TAnalysisHost, so it runs (and is tested) without one.
//
// Each run writes its run-control file into a private working folder, which is the current folder
// while the engine works and where the engine's scratch files land; the folder is removed after
// the run and the program's folder is current again. Two programs, or the program beside the
// command-line runner, never share scratch files, and a read-only program folder does not stop a
// run.

#include "Tervane2015.h"

#include "GraphModels.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace tervane {

class TProgramData;

// --- The engine's interface, in one place ---
inline constexpr std::int32_t kEngineInterfaceVersion = TERVANE_INTERFACE_VERSION;
inline constexpr std::int32_t kEngineVersionMismatch = TERVANE_RESULT_VERSION_MISMATCH;
inline constexpr const char* kEngineEntryName = TERVANE_ENTRY_NAME;
inline const QString kEngineLibraryFileName = QString::fromLatin1(TERVANE_LIBRARY_FILE_NAME);
// The run-control file: its name, and the version text of its first line.
inline const QString kRunControlFileName = QStringLiteral("NAMES.dat");
inline const QString kRunControlVersion = QStringLiteral("2015.5.3");
using TEngineEntry = TervaneEntryFunction;

// --- Messages of the run (character 13 breaks lines) ---
inline const QString kReinitializeDLL = QStringLiteral("Attempt to reinitialize DLL");
inline const QString kInitializeDLLFailed = QStringLiteral("Attempt to initialize DLL failed");
inline const QString kSupportContact = QStringLiteral("support@orviant.example");
inline const QString kInterfaceMismatch =
    QStringLiteral("Computations can not be performed. Executable files are not consistent.\r"
                   "You may need to reinstall the program.\r"
                   "If problem persist please contact ORVIANT support at\r") +
    kSupportContact;
inline const QString kComputationsCompleted = QStringLiteral(
    "Computations are completed. Please, check output file for results or error messages.");

// What the run needs from the main window. Every hook may be empty (it is then skipped).
struct TAnalysisHost {
    // File Save: Save As for an untitled project or an older layout. Returns when done; the run
    // reads CurrentProject().FileName afterwards (still "NewWall.tv5d": the user cancelled).
    std::function<void()> FileSave;
    // The tool-bar update of the main window (graph buttons from PlotsLoaded and the files).
    std::function<void()> UpdateToolBar;
    // Closes every child window of the main window (dialogs, tables, graphs, views).
    std::function<void()> CloseChildWindows;
    // Sets the main window's PlotsLoaded after the plot data file was read.
    std::function<void(bool)> SetPlotsLoaded;
    // The graph models the plot data file is read into; nullptr reads nothing.
    TGraphModels* Models = nullptr;
};

// Where the run finds the engine. By default: the folder of the executable and the library
// kEngineLibraryFileName in it.
struct TRunSettings {
    QString ProgramFolder;
    QString LibraryPath;
    std::int32_t InterfaceVersion = kEngineInterfaceVersion; // tests pass another value
};
TRunSettings DefaultRunSettings();

enum class TRunOutcome {
    SaveCancelled,   // the project stayed untitled: nothing was done
    SetupFailed,     // the run-control file or the working folder could not be made
    AlreadyRunning,  // a library holder existed ("Attempt to reinitialize DLL")
    LibraryFailed,   // missing, not loadable, or without the entry
    VersionMismatch, // the entry returned 1
    Completed,       // the entry returned 0
    Stopped,         // the entry returned another value: a fatal stop, see the report
};

struct TRunResult {
    TRunOutcome Outcome = TRunOutcome::SetupFailed;
    std::int32_t EntryResult = -1; // the entry's result when it was called
    bool PlotFileFound = false;    // the ".tv5p" file existed after the engine call
    bool PlotsLoaded = false;      // and was read completely
    QString Detail;                // the loader's or file system's explanation of a failure
    QString WorkFolder;            // the private working folder used (removed afterwards)
    double EngineSeconds = 0;      // time spent in the entry
};

// Run Analysis. Messages go through the messages layer; the hourglass shows while the engine
// works. Exceptions of the FileSave hook pass through (nothing else has happened then).
TRunResult RunAnalysis(const TAnalysisHost& host,
                       const TRunSettings& settings = DefaultRunSettings());

// True while a run holds the engine library (between loading and releasing it).
bool AnalysisInProgress();

// The path with its extension (the part from the last "." of the file name) replaced by `ext`
// (".tv5p"), or `ext` appended when the name has none.
QString ChangeFileExt(const QString& path, const QString& ext);

// When the project's plot data file exists: reads it into the models (after a run: a failure is
// shown as kPlotReadFailed) and returns the reader's result; nothing when there is no such file.
// The main window calls it with afterRun off when it opens a project.
std::optional<bool> ReadProjectPlots(TGraphModels& models, const TProgramData& project,
                                     bool afterRun);

} // namespace tervane
