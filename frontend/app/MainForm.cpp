#include "MainForm.h"

#include "AboutBox.h"
#include "DesktopLaunch.h"
#include "MdiHost.h"
#include "OptionCommands.h"
#include "ProgramSettings.h"
#include "ProjectFiles.h"
#include "ProjectNames.h"
#include "TableForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace tervane {

namespace {

// The window list of the Window menu holds at most this many children.
constexpr int kWindowListItems = 50;
// Factor of the 3-D view's Zoom In and Zoom Out buttons.
constexpr double kZoomStep = 1.4142;

// "&Arrange Icons": the minimised windows lined up along the bottom of the area, left to right, in
// rows upwards. Returns the top-left positions of `count` windows of size `icon`.
std::vector<QPoint> iconPositions(int count, QSize icon, QSize area) {
    std::vector<QPoint> out;
    if (count <= 0 || icon.width() <= 0 || icon.height() <= 0) return out;
    const int perRow = std::max(1, area.width() / icon.width());
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        out.emplace_back((i % perRow) * icon.width(),
                         std::max(0, area.height() - (row + 1) * icon.height()));
    }
    return out;
}

template <class F, class... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this)) {
    setCentralWidget(m_mdiArea);
    SetMdiArea(m_mdiArea);
    setAcceptDrops(true);
    TFileEvents events;
    events.commitActiveChild = [this] { commitActiveChild(); };
    events.closeChildren = [this] { closeChildren(); };
    events.refresh = [this] { refresh(); };
    m_files = std::make_unique<TProjectFiles>(m_commands, std::move(events));

    m_menus = BuildMainMenus(*menuBar(), m_actions);
    m_toolBar = addToolBar(QStringLiteral("Tool Bar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    m_toolBarSeparators = BuildToolBar(*m_toolBar, m_actions);
    m_status = new QLabel(this);
    statusBar()->addWidget(m_status, 1);
    connectCommands();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { updateChildMenu(); });

    m_editorPath = DefaultEditorPath();
    resize(1024, 720);
    refresh();
}

TMainForm::~TMainForm() {
    // Children may reach the project while they close, so they close and go while it is there.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    m_mdiArea->closeAllSubWindows();
    qDeleteAll(m_mdiArea->subWindowList());
    if (MdiArea() == m_mdiArea) SetMdiArea(nullptr);
}

TProgramData& TMainForm::Project() const {
    return m_files->Project();
}

TProjectTables& TMainForm::Tables() const {
    return m_files->Tables();
}

void TMainForm::connectCommands() {
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto cmd = static_cast<TCmd>(i);
        QAction* a = m_actions[cmd];
        if (!a || IsMenuCommand(cmd)) continue;
        connect(a, &QAction::triggered, this, [this, cmd] { Execute(cmd); });
    }
    for (std::size_t i = 0; i < m_menus.recent.size(); ++i) {
        connect(m_menus.recent[i], &QAction::triggered, this,
                [this, i] { m_files->OpenRecent(static_cast<int>(i)); });
    }
    for (std::size_t i = 0; i < m_menus.menus.size(); ++i) {
        const auto id = static_cast<TMenuId>(i);
        connect(m_menus.menus[i], &QMenu::aboutToShow, this, [this, id] { PrepareMenu(id); });
    }
    connect(m_menus.earthPressure, &QMenu::aboutToShow, this,
            [this] { PrepareEarthPressureMenu(); });
}

// ---- start and close

void TMainForm::Startup(const QString& projectArgument) {
    const std::optional<TProgramSettingsValues> values = TProgramSettings::Read();
    m_editorPath = DefaultEditorPath();
    m_files->Recent().Clear();
    if (values) {
        if (!values->editorPath.isEmpty()) m_editorPath = values->editorPath;
        m_files->Recent().Load(values->recent);
    }
    if (!projectArgument.isEmpty()) m_files->OpenFromCommandLine(projectArgument);
    refresh();
}

void TMainForm::WriteSettings() const {
    TProgramSettings::Write({m_editorPath, m_files->Recent().Values()});
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!m_files->CloseQuery()) {
        event->ignore();
        return;
    }
    WriteSettings();
    closeChildren();
    event->accept();
}

void TMainForm::closeChildren() {
    // The close query or the save has had the active child commit; the dialogs and the table
    // windows go without a second commit (which would repeat a refused entry's message and then
    // close the window all the same).
    call(m_commands.discardChildren);
    Tables().CloseEditors();
    m_mdiArea->closeAllSubWindows();
}

void TMainForm::commitActiveChild() {
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    if (active && active->widget()) call(m_commands.deactivateChild, active->widget());
}

// ---- dropped files

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void TMainForm::dropEvent(QDropEvent* event) {
    OpenDroppedFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}

void TMainForm::OpenDroppedFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        m_files->OpenDropped(url.toLocalFile());
        return;
    }
}

// ---- plots, editor

bool TMainForm::PlotsLoaded() const {
    return m_files->PlotsLoaded();
}

void TMainForm::SetPlotsLoaded(bool loaded) {
    m_files->SetPlotsLoaded(loaded);
}

bool TMainForm::ReadPlots() {
    return m_files->ReadPlots();
}

bool TMainForm::LaunchEditorOn(const QString& file) const {
    return LaunchEditor(m_editorPath, file);
}

void TMainForm::editProjectFile(const QString& extension) {
    const QString& name = Project().FileName;
    LaunchEditorOn(extension.isEmpty() ? name : WithExtension(name, extension));
}

// ---- rules and display updates

TRuleInputs TMainForm::RuleInputs() const {
    TRuleInputs in;
    const QString& name = Project().FileName;
    in.plotsLoaded = m_files->PlotsLoaded();
    in.inputExists = QFileInfo(name).isFile();
    in.notesExists = QFileInfo(WithExtension(name, QStringLiteral(".tv5r"))).isFile();
    in.outputExists = QFileInfo(WithExtension(name, QStringLiteral(".tv5o"))).isFile();
    in.plotExists = QFileInfo(WithExtension(name, QStringLiteral(".tv5p"))).isFile();
    for (int g = 0; g < kGraphCount; ++g)
        in.graphHasData[static_cast<std::size_t>(g)] =
            m_commands.graphHasData && m_commands.graphHasData(g);
    in.view3DOpen = m_view3DShown;
    for (int i = 0; i < kView3DShowCount; ++i)
        in.view3DShown[static_cast<std::size_t>(i)] =
            m_commands.view3DShown && m_commands.view3DShown(i);
    in.deformedShapeOn = m_commands.deformedShapeOn && m_commands.deformedShapeOn();
    return in;
}

TCommandStates TMainForm::States() const {
    return CommandStates(TProjectSwitches::Of(Project()), RuleInputs());
}

void TMainForm::refresh() {
    UpdateTitle();
    UpdateLongTermLayout();
    UpdateStageDisplay();
    UpdateToolBar();
}

void TMainForm::UpdateTitle() {
    setWindowTitle(MainWindowTitle(Project().FileName));
}

void TMainForm::UpdateLongTermLayout() {
    m_actions.Apply(States(), LongTermLayoutCommands());
}

void TMainForm::UpdateStageDisplay() {
    const TProgramData& p = Project();
    m_status->setText(p.StageCount > 1 ? QStringLiteral("Construction Stage Number: ") +
                                             QString::number(p.CurrentStage)
                                       : QString());
    static const std::vector<TCmd> stage = {TCmd::StageMenu,
                                            TCmd::Stage1,
                                            TCmd::Stage2,
                                            TCmd::Stage3,
                                            TCmd::Stage4,
                                            TCmd::Stage5,
                                            TCmd::StageCopyPrevious,
                                            TCmd::TbStage1,
                                            TCmd::TbStage2,
                                            TCmd::TbStage3,
                                            TCmd::TbStage4,
                                            TCmd::TbStage5};
    m_actions.Apply(States(), stage);
    m_toolBarSeparators.stages->setVisible(p.StageCount > 1);
}

void TMainForm::UpdateToolBar() {
    m_actions.Apply(States(), ToolBarCommands());
    m_toolBarSeparators.stages->setVisible(Project().StageCount > 1);
}

void TMainForm::Update3DViewControls() {
    std::vector<TCmd> commands = {TCmd::View3DMenu};
    for (TCmd c = TCmd::TbPan; c <= TCmd::TbDeformed; c = c + 1)
        commands.push_back(c);
    m_actions.Apply(States(), commands);
    m_toolBarSeparators.view3D->setVisible(m_view3DShown);
}

void TMainForm::Close3DView() {
    m_view3DShown = false;
    Update3DViewControls();
}

QString TMainForm::StatusText() const {
    return m_status->text();
}

// ---- menus about to show

void TMainForm::PrepareMenu(TMenuId menu) {
    commitActiveChild();
    if (menu == TMenuId::Options) AdjustOnOptionsMenu(Project());
    if (menu == TMenuId::File) updateRecentItems();
    if (menu == TMenuId::Window) updateWindowList();
    m_actions.Apply(States(), MenuCommands(menu));
}

void TMainForm::PrepareEarthPressureMenu() {
    AdjustOnEarthPressureMenu(Project());
    m_actions.Apply(States(), MenuCommands(TMenuId::Options));
}

void TMainForm::updateRecentItems() {
    const TRecentFiles& recent = m_files->Recent();
    const QString folder = QDir::currentPath();
    for (int i = 0; i < TRecentFiles::kSlots; ++i) {
        QAction* a = m_menus.recent[static_cast<std::size_t>(i)];
        a->setVisible(i < recent.Count());
        if (i < recent.Count()) a->setText(recent.Caption(i, folder));
    }
    m_menus.recentSeparator->setVisible(recent.Count() > 0);
}

void TMainForm::updateWindowList() {
    QMenu* menu = m_menus.menu(TMenuId::Window);
    for (QAction* a : m_windowItems)
        delete a;
    m_windowItems.clear();
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    m_menus.windowSeparator->setVisible(!windows.isEmpty());
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    for (QMdiSubWindow* w : windows) {
        if (static_cast<int>(m_windowItems.size()) == kWindowListItems) break;
        QString caption = w->windowTitle();
        caption.replace(u'&', QStringLiteral("&&"));
        QAction* a = menu->addAction(caption);
        a->setCheckable(true);
        a->setChecked(w == active);
        QPointer<QMdiSubWindow> target(w);
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) m_mdiArea->setActiveSubWindow(target);
        });
        m_windowItems.push_back(a);
    }
}

QMenu* TMainForm::ChildMenu() const {
    return m_childMenu.data();
}

void TMainForm::updateChildMenu() {
    // The current child keeps its place while another program or a modal dialog is active, so
    // that a dialog opened from the child's menu leaves that menu in the bar.
    QMdiSubWindow* current = m_mdiArea->currentSubWindow();
    QMenu* menu = current != nullptr && current->widget() != nullptr && m_commands.childMenu
                      ? m_commands.childMenu(current->widget())
                      : nullptr;
    if (menu == m_childMenu) return;
    if (m_childMenu) menuBar()->removeAction(m_childMenu->menuAction());
    m_childMenu = menu;
    if (menu != nullptr) menuBar()->insertMenu(m_menus.menu(TMenuId::Window)->menuAction(), menu);
}

void TMainForm::arrangeIcons() {
    std::vector<QMdiSubWindow*> minimised;
    for (QMdiSubWindow* w : m_mdiArea->subWindowList())
        if (w->isMinimized()) minimised.push_back(w);
    if (minimised.empty()) return;
    const QSize icon = minimised.front()->size();
    const std::vector<QPoint> at =
        iconPositions(static_cast<int>(minimised.size()), icon, m_mdiArea->viewport()->size());
    for (std::size_t i = 0; i < minimised.size(); ++i)
        minimised[i]->move(at[i]);
}

// ---- commands

void TMainForm::toggle(TCmd cmd) {
    if (TGridTable* table = ToggleOption(Project(), cmd)) table->CloseEditors();
    if (cmd == TCmd::OptLongTerm) UpdateLongTermLayout();
    call(m_commands.optionChanged);
}

void TMainForm::Execute(TCmd cmd) {
    using C = TCmd;
    const TMainCommands& k = m_commands;
    if (TGridTable* table = TableOfDataItem(Project(), cmd)) {
        ShowTableEditor(*table);
        return;
    }
    if (cmd >= C::OptGeneratePY && cmd <= C::OptLongTerm) {
        toggle(cmd);
        return;
    }
    if (cmd >= C::GraphPY && cmd <= C::GraphCombine) {
        call(k.showGraph, cmd - C::GraphPY);
        return;
    }
    if (cmd >= C::TbGraphPY && cmd <= C::TbGraphLD) {
        call(k.showGraph, cmd - C::TbGraphPY);
        return;
    }
    if (cmd >= C::View3DWall && cmd <= C::View3DSprings) {
        call(k.view3DShow, cmd - C::View3DWall);
        return;
    }
    const bool stageItem = cmd >= C::Stage1 && cmd <= C::Stage5;
    if (stageItem || (cmd >= C::TbStage1 && cmd <= C::TbStage5)) {
        // The stage in memory is written and replaced: the active child commits into it first
        // (a stage button opens no menu that would have done it).
        commitActiveChild();
        call(k.switchStage, 1 + (stageItem ? cmd - C::Stage1 : cmd - C::TbStage1));
        UpdateStageDisplay();
        UpdateToolBar();
        return;
    }
    switch (cmd) {
    case C::FileNew:
    case C::TbNew:
        m_files->New();
        break;
    case C::FileOpen:
    case C::TbOpen:
        m_files->Open();
        break;
    case C::FileSave:
    case C::TbSave:
        m_files->Save();
        break;
    case C::FileSaveAs:
        m_files->SaveAs();
        break;
    case C::FileExit:
        close();
        break;
    case C::DataTitle:
    case C::TbTitle:
        call(k.title);
        break;
    case C::DataWallProperties:
    case C::TbWallProperties:
        call(k.wallProperties);
        break;
    case C::DataWallConfiguration:
    case C::TbWallConfiguration:
        call(k.wallConfiguration);
        break;
    case C::DataSurcharge:
        call(k.surcharge);
        break;
    case C::DataConcentratedLoads:
        call(k.concentratedLoads);
        break;
    case C::DataTiebacks:
        call(k.tiebacks);
        break;
    case C::DataSprings:
        call(k.springs);
        break;
    case C::OptUnitsEnglish:
    case C::OptUnitsSI:
    case C::OptUnitsOther: {
        const int n = 1 + (cmd - C::OptUnitsEnglish);
        if (n != Project().UnitSystem) {
            Project().ChangeUnits(n);
            Project().SetModified();
            call(k.optionChanged);
        }
        break;
    }
    case C::OptEarthUser:
    case C::OptEarthTriangular:
    case C::OptEarthTrapezoidal:
        SetEarthPressureMethod(Project(), 1 + (cmd - C::OptEarthUser));
        call(k.optionChanged);
        break;
    case C::OptStaged:
    case C::TbStageOption:
        // The dialog's OK writes the stages from the project in memory; the button opens no
        // menu that would have had the active child commit into it.
        if (cmd == C::TbStageOption) commitActiveChild();
        call(k.stagedDialog, cmd == C::OptStaged);
        UpdateStageDisplay();
        UpdateToolBar();
        break;
    case C::OptTextEditor:
        call(k.textEditorOption);
        break;
    case C::StageCopyPrevious:
        call(k.copyPreviousStage);
        UpdateStageDisplay();
        break;
    case C::CompRun:
    case C::TbRun:
        call(k.runAnalysis);
        UpdateToolBar();
        break;
    case C::CompEditInput:
        editProjectFile(QString());
        break;
    case C::CompEditNotes:
        editProjectFile(QStringLiteral(".tv5r"));
        break;
    case C::CompEditOutput:
    case C::TbViewOutput:
        editProjectFile(QStringLiteral(".tv5o"));
        break;
    case C::CompViewWall:
    case C::TbViewSoilProfile:
        call(k.viewWallGeometry);
        break;
    case C::Comp3DView:
    case C::Tb3DView:
        if (k.view3D) {
            k.view3D();
            m_view3DShown = k.view3DOpen ? k.view3DOpen() : true;
        }
        Update3DViewControls();
        break;
    case C::GraphExport:
        call(k.exportExcel);
        break;
    case C::WinCascade:
        m_mdiArea->cascadeSubWindows();
        break;
    case C::WinArrangeIcons:
        arrangeIcons();
        break;
    case C::View3DDeformed:
    case C::TbDeformed:
        call(k.deformedShape);
        break;
    case C::TbPan:
        call(k.view3DMouseMode, 1, false);
        break;
    case C::TbZooming:
        call(k.view3DMouseMode, 2, false);
        break;
    case C::TbRotating:
        call(k.view3DMouseMode, 3, false);
        break;
    case C::TbZoomWindow:
        call(k.view3DMouseMode, 4, m_actions[C::TbZoomWindow]->isChecked());
        break;
    case C::TbZoomIn:
        call(k.view3DZoom, kZoomStep);
        break;
    case C::TbZoomOut:
        call(k.view3DZoom, 1.0 / kZoomStep);
        break;
    case C::TbRestartView:
        call(k.view3DRestart);
        break;
    case C::HelpContents:
        OpenProgramFile(kHelpContentsFile);
        break;
    case C::HelpUsersManual:
        OpenProgramFile(kUsersManualFile);
        break;
    case C::HelpTechnicalManual:
        OpenProgramFile(kTechnicalManualFile);
        break;
    case C::HelpAbout: {
        TAboutBox box(this);
        box.exec();
        break;
    }
    default:
        break;
    }
}

} // namespace tervane
