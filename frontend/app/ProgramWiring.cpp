#include "ProgramWiring.h"

#include "AnalysisRun.h"
#include "CommandLine.h"
#include "CommandLineExport.h"
#include "CommandLineRun.h"
#include "CurrentProject.h"
#include "DlgCSD.h"
#include "DlgConLoads.h"
#include "DlgOptions.h"
#include "DlgProp.h"
#include "DlgRebar.h"
#include "DlgSpring.h"
#include "DlgStaged.h"
#include "DlgTieback.h"
#include "DlgTitle.h"
#include "ExportDlg.h"
#include "InputDialog.h"
#include "JpegImage.h"
#include "MainForm.h"
#include "MenuRules.h"
#include "OlderProjectReader.h"
#include "PictureDecoder.h"
#include "Pictures.h"
#include "PileSide.h"
#include "PlotForm.h"
#include "PltData.h"
#include "ProgramData.h"
#include "ProjectFiles.h"
#include "ProjectNames.h"
#include "SaveGraphs.h"
#include "StageFiles.h"
#include "TableChartForm.h"
#include "TableForm.h"
#include "View3dUnit1.h"

#include <QMdiArea>
#include <QStatusBar>

#include <cstdio>

namespace tervane {

namespace {

// The graphs of the export list in the order of its entries, as graph commands.
constexpr TGraph kExportEntries[kExportEntryCount] = {
    TGraph::PY, TGraph::Def, TGraph::Shear, TGraph::Mom, TGraph::Soil, TGraph::LD, TGraph::Combine};

bool displayAvailable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "offscreen" || platform == "minimal") return false;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// The deflection curve the 3-D view bends the wall by: the first curve of the deflection graph
// when the plots are loaded, else none.
std::vector<TDeflectionPoint> deflectionsOf(const TGraphModels& models, bool plotsLoaded) {
    std::vector<TDeflectionPoint> points;
    if (!plotsLoaded || models.pltDef.CurveCount(kCurveSetMain) == 0) return points;
    for (const TFloatPoint& p : models.pltDef.Line(kCurveSetMain, 0).Points)
        points.push_back({static_cast<double>(p.y), static_cast<double>(p.x)});
    return points;
}

} // namespace

void InstallWindowServices() {
    InstallTableEditors();
    InstallGraphWindows();
    SetPictureDecoder(&DecodeJpeg);
}

void RegisterCommandLineJobs() {
    // --run: the analysis of the named project, messages on standard error. A failed run ends
    // the program with its status; after a good one the other jobs go on, or the window shows
    // the results when there is a display to show it on.
    SetCommandLineJob(QStringLiteral("--run"),
                      [](TMainForm& form, const TCommandLine& line) -> std::optional<int> {
                          const QString path = CommandLineProjectPath(line.project);
                          const int status = RunProjectFromCommandLine(path);
                          if (status != 0) return status;
                          if (line.Has(QStringLiteral("--export-xlsx")) ||
                              line.Has(QStringLiteral("--save-graphs")))
                              return std::nullopt;
                          if (!displayAvailable()) return 0;
                          form.Files().OpenFromCommandLine(path);
                          return std::nullopt;
                      });
    // --export-xlsx: the workbook; after a good one --save-graphs, when asked for, goes on.
    SetCommandLineJob(QStringLiteral("--export-xlsx"),
                      [](TMainForm&, const TCommandLine& line) -> std::optional<int> {
                          const int status =
                              ExportWorkbookJob(line.Value(QStringLiteral("--export-xlsx")),
                                                CommandLineProjectPath(line.project));
                          if (status == 0 && line.Has(QStringLiteral("--save-graphs")))
                              return std::nullopt;
                          return status;
                      });
    SetCommandLineJob(QStringLiteral("--save-graphs"),
                      [](TMainForm&, const TCommandLine& line) -> std::optional<int> {
                          int ppi = kJobDefaultPpi;
                          if (line.Has(QStringLiteral("--ppi"))) {
                              bool ok = false;
                              ppi = line.Value(QStringLiteral("--ppi")).toInt(&ok);
                              if (!ok || ppi < 10 || ppi > 2400) {
                                  std::fprintf(stderr, "--ppi takes a whole number from 10 to "
                                                       "2400\n");
                                  return 2;
                              }
                          }
                          return SaveGraphsJob(CommandLineProjectPath(line.project),
                                               line.Value(QStringLiteral("--save-graphs")), ppi);
                      });
}

TProgramWiring::TProgramWiring(TMainForm& form) : m_form(form) {
    connectDialogs();
    connectStages();
    connectResults();
    connect3DView();
    connectProject();
}

TProgramWiring::~TProgramWiring() {
    // The hooks reach this object and its graph models; the window may outlive them (it closes
    // its children in its own destructor).
    m_form.Commands() = TMainCommands{};
    if (HasCurrentProject()) CurrentProject().OnUnitsChanged = {};
    TDlgBlock::SetCloseHandler({});
    TDlgBlock::SetDeflections({});
    SetEditorPathHook({}, {});
    SetTextEditorHook({});
}

void TProgramWiring::connectDialogs() {
    TMainCommands& k = m_form.Commands();
    k.title = [] { TdlgTitle::ShowInstance(); };
    k.wallProperties = [] { TDlgProp::ShowInstance(); };
    k.wallConfiguration = [] { TdlgCSD::ShowInstance(); };
    k.surcharge = [] { TDlgRebar::ShowInstance(); };
    k.concentratedLoads = [] { TDlgConLoads::ShowInstance(); };
    k.tiebacks = [] { TDlgTieback::ShowInstance(); };
    k.springs = [] { TDlgSpring::ShowInstance(); };
    k.textEditorOption = [] { TDlgOptions::ShowInstance(); };
    k.deactivateChild = [](QWidget* child) {
        // A table window keeps the cell being edited until the cursor leaves it.
        if (auto* table = qobject_cast<TTableForm*>(child))
            table->commit();
        else
            StoreActiveDialog();
    };
    k.discardChildren = [] { DiscardInputDialogs(); };
    k.optionChanged = [] { RefreshOpenDialogs(); };

    TMainForm* form = &m_form;
    SetEditorPathHook([form] { return form->EditorPath(); },
                      [form](const QString& path) { form->SetEditorPath(path); });
    SetTextEditorHook([form](const QString& path) { form->LaunchEditorOn(path); });
    InstallTablePictures(m_form.Tables());
}

void TProgramWiring::connectStages() {
    TMainCommands& k = m_form.Commands();
    TMainForm* form = &m_form;
    m_stages.onStageChanged = [form] {
        form->UpdateStageDisplay();
        form->UpdateToolBar();
        RefreshOpenDialogs();
    };
    m_stages.onStatusText = [form](const QString& text) { form->statusBar()->showMessage(text); };
    k.stagedDialog = [this, form](bool modal) {
        if (modal)
            TDlgStaged::ExecModal(m_stages, form);
        else
            TDlgStaged::ShowInstance(m_stages, form);
    };
    k.switchStage = [this](int stage) { m_stages.switchStage(stage); };
    k.copyPreviousStage = [this] { m_stages.copyPreviousStage(); };
    k.writeCurrentStage = [this] { m_stages.updateCurrentStage(); };
    k.joinStages = [] { CurrentProject().Save(); };
    k.joinStagesAs = [](const QString& oldFileName) {
        // The stage in memory is written under the old name first, then the old name's stage
        // files are joined into the new file and renamed after it.
        TProgramData& project = CurrentProject();
        const QString newName = project.FileName;
        project.FileName = oldFileName;
        try {
            WriteCurrentStage(project);
        } catch (...) {
            project.FileName = newName;
            throw;
        }
        project.FileName = newName;
        JoinStagesForSaveAs(newName, oldFileName, project.StageCount);
        project.ClearModified();
    };
    k.splitStages = [this, form](bool) {
        m_stages.afterOpen();
        form->statusBar()->clearMessage();
    };
}

void TProgramWiring::connectResults() {
    TMainCommands& k = m_form.Commands();
    TMainForm* form = &m_form;
    TGraphModels* models = &m_models;
    k.readPlots = [models](const QString& plotFile) {
        const bool read = ReadPlots(*models, CurrentProject(), plotFile, false);
        for (TGraphPlot* plot : models->All())
            RefreshGraphWindow(*plot);
        return read;
    };
    k.graphHasData = [models](int graph) {
        return graph >= 0 && graph < TGraphModels::kCount &&
               models->All()[static_cast<size_t>(graph)]->HasData();
    };
    k.showGraph = [models](int graph) {
        if (graph >= 0 && graph < TGraphModels::kCount)
            models->All()[static_cast<size_t>(graph)]->ShowGraph();
    };
    k.runAnalysis = [this, form, models] {
        TAnalysisHost host;
        host.FileSave = [form] { form->Files().Save(); };
        host.UpdateToolBar = [form] { form->UpdateToolBar(); };
        host.CloseChildWindows = [form] {
            DiscardInputDialogs();
            form->Tables().CloseEditors();
            form->mdiArea()->closeAllSubWindows();
        };
        host.SetPlotsLoaded = [form](bool loaded) { form->SetPlotsLoaded(loaded); };
        host.Models = models;
        RunAnalysis(host);
        updateDeflections();
    };
    k.exportExcel = [form, models] {
        TDlgExport dialog(
            *models,
            [form](int entry) {
                return entry >= 0 && entry < kExportEntryCount &&
                       GraphEnabled(kExportEntries[entry], form->RuleInputs());
            },
            [] { return CurrentProject().FileName; }, form);
        dialog.exec();
    };
    k.viewWallGeometry = [] { TDlgSideView::ShowInstance(); };
    k.childMenu = [](QWidget* child) -> QMenu* {
        const auto* graph = qobject_cast<TPlotForm*>(child);
        return graph != nullptr ? graph->PlotMenu() : nullptr;
    };
}

void TProgramWiring::updateDeflections() {
    TDlgBlock::SetDeflections(deflectionsOf(m_models, m_form.PlotsLoaded()));
}

void TProgramWiring::connect3DView() {
    TMainCommands& k = m_form.Commands();
    TMainForm* form = &m_form;
    TDlgBlock::SetCloseHandler([form] { form->Close3DView(); });
    k.view3D = [] { TDlgBlock::Open(); };
    k.view3DOpen = [] { return TDlgBlock::Instance() != nullptr; };
    // The "Show 3DView" items in menu order.
    k.view3DShow = [](int item) {
        TDlgBlock* v = TDlgBlock::Instance();
        if (v == nullptr) return;
        switch (item) {
        case 0:
            v->ShowRetainingWallOption();
            break;
        case 1:
            v->ShowSoilLayersOption();
            break;
        case 2:
            v->ShowWaterLevelOption();
            break;
        case 3:
            v->ShowAditionalSurchargeOption();
            break;
        case 4:
            v->ShowConcentratedLoadsOption();
            break;
        case 5:
            v->ShowTieBacksOption();
            break;
        case 6:
            v->ShowBoundaryConditionsOption();
            break;
        case 7:
            v->ShowLateralSpringsOption();
            break;
        default:
            break;
        }
    };
    k.view3DShown = [](int item) {
        const TDlgBlock* v = TDlgBlock::Instance();
        return v != nullptr && item >= 0 && item <= static_cast<int>(TShowItem::LateralSprings) &&
               v->ShowOption(static_cast<TShowItem>(item));
    };
    k.deformedShape = [] {
        if (TDlgBlock* v = TDlgBlock::Instance()) v->DeformedShapeWindow();
    };
    k.deformedShapeOn = [] {
        const TDlgBlock* v = TDlgBlock::Instance();
        return v != nullptr && v->DeformedShapeChecked();
    };
    k.view3DMouseMode = [](int mode, bool pressed) {
        TDlgBlock* v = TDlgBlock::Instance();
        if (v == nullptr) return;
        switch (mode) {
        case 1:
            v->PanningClick();
            break;
        case 2:
            v->ZoomingClick();
            break;
        case 3:
            v->RotatingClick();
            break;
        case 4:
            v->ZoomWindowClick(pressed);
            break;
        default:
            break;
        }
    };
    k.view3DZoom = [](double factor) {
        if (TDlgBlock* v = TDlgBlock::Instance()) factor > 1 ? v->ZoomInClick() : v->ZoomOutClick();
    };
    k.view3DRestart = [] {
        if (TDlgBlock* v = TDlgBlock::Instance()) v->RestartViewButtonClick();
    };
}

void TProgramWiring::connectProject() {
    TMainCommands& k = m_form.Commands();
    // Open dialogs follow a change of the unit system. The graphs keep the units of the run
    // that filled them.
    k.projectReplaced = [this] {
        CurrentProject().OnUnitsChanged = [] { RefreshOpenDialogs(); };
        updateDeflections();
    };
    k.projectReplaced();
}

} // namespace tervane
