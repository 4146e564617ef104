#pragma once
// The file commands of the main window and the project they replace: the grid tables (which live
// as long as the main window; given their editors' notes here), the current project, the
// recent-file list and whether plots are loaded. New and Open put a new project in place of the old
// one and make it current. Widgets are reached through the events the main window supplies;
// messages go through the messages layer.

#include "ProgramData.h"
#include "ProjectTables.h"
#include "RecentFiles.h"

#include <functional>
#include <memory>

namespace tervane {

struct TMainCommands;

// What the main window does for the file commands.
struct TFileEvents {
    std::function<void()> commitActiveChild; // the active child commits its entries
    std::function<void()> closeChildren;     // every child window closes
    std::function<void()> refresh;           // title, long-term layout, stage display, tool bar
};

inline const QString kSaveChangesQuestion = QStringLiteral("Do you want to save any changes?");
inline const QString kOpenFilter = QStringLiteral(
    "Tervane 2015 (*.tv5d)|*.tv5d|Tervane 2013 (*.tv4d)|*.tv4d|Tervane 3.0 (*.tvd)|*.tvd|"
    "Tervane 2.0 (*.tvd)|*.tvd|All Files (*.*)|*.*");
inline const QString kSaveFilter =
    QStringLiteral("Tervane 2015 (*.tv5d)|*.tv5d|All Files (*.*)|*.*");

class TProjectFiles {
public:
    TProjectFiles(const TMainCommands& commands, TFileEvents events);
    ~TProjectFiles();
    TProjectFiles(const TProjectFiles&) = delete;
    TProjectFiles& operator=(const TProjectFiles&) = delete;

    TProgramData& Project() const { return *m_project; }
    TProjectTables& Tables() { return m_tables; }
    TRecentFiles& Recent() { return m_recent; }

    bool PlotsLoaded() const { return m_plotsLoaded; }
    void SetPlotsLoaded(bool loaded) { m_plotsLoaded = loaded; }
    // Reads the project's ".tv5p" file into the graph models when it exists; PlotsLoaded becomes
    // the result.
    bool ReadPlots();

    // The close query: true when the command may go on.
    bool CloseQuery();
    void New();
    void Open();
    void OpenRecent(int slot);
    void OpenDropped(const QString& path);
    // Opens `path` with a format index (1 current layout, 2 to 4 older ones). False when the file
    // could not be read at all: its message was shown and a new untitled project is current.
    bool OpenByName(const QString& path, int formatIndex);
    // The project named on the command line, when that file exists; otherwise the new project
    // stays.
    void OpenFromCommandLine(const QString& argument);
    // True when the project was written.
    bool Save();
    bool SaveAs();
    // Whether Save goes to Save As (an untitled project or an older layout), and the name the
    // Save As dialog proposes: FileName, its extension changed to ".tv5d" when it is another.
    bool SaveNeedsNewName() const;
    QString ProposedSaveAsName() const;

    // Puts `path` first in the recent list and writes the list to the settings.
    void AddRecent(const QString& path);

private:
    void replaceProject(std::unique_ptr<TProgramData> project);
    bool readProject(const QString& path, int formatIndex);
    // File Save once the active child has committed its entries.
    bool saveCommitted();
    void afterOpen(bool announce);
    bool write(const QString& oldFileName);

    const TMainCommands& m_commands;
    TFileEvents m_events;
    TProjectTables m_tables;
    std::unique_ptr<TProgramData> m_project;
    TRecentFiles m_recent;
    bool m_plotsLoaded = false;
};

} // namespace tervane
