#pragma once
// Connects the main window's commands to the windows and units that carry them out: the input
// dialogs, the table editors, staged construction, the analysis run with the graph models, the
// graph windows, the wall profile, the 3-D view and the spreadsheet export, and gives the command
// line its jobs. The main window knows these only through its hook table.

#include "GraphModels.h"
#include "StageCommands.h"

namespace tervane {

class TMainForm;

// Installs what every window below the main window needs before the first one opens: the table
// editor windows, the libjpeg picture decoder. Called once the application object exists.
void InstallWindowServices();

// Gives the command-line options --run, --export-xlsx and --save-graphs their jobs. Called
// before the command line is read.
void RegisterCommandLineJobs();

// The objects behind the main window's hooks, for the life of the window.
class TProgramWiring {
public:
    // Fills every hook of `form` (before its start-up opens a project).
    explicit TProgramWiring(TMainForm& form);
    ~TProgramWiring();
    TProgramWiring(const TProgramWiring&) = delete;
    TProgramWiring& operator=(const TProgramWiring&) = delete;

    TGraphModels& Models() { return m_models; }
    TStageCommands& Stages() { return m_stages; }

private:
    void connectDialogs();
    void connectStages();
    void connectResults();
    void connect3DView();
    void connectProject();
    // Hands the deflection curve of the loaded plots (none without plots) to the 3-D view.
    void updateDeflections();

    TMainForm& m_form;
    TGraphModels m_models;
    TStageCommands m_stages;
};

} // namespace tervane
