#include "MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QToolBar>

// The icon resources live in a static library: register them before first use.
static void initIconResources() {
    Q_INIT_RESOURCE(Icons);
}

namespace tervane {

namespace {

// Sizes rendered: the tool bar's 24 px, smaller and larger ones for other styles and for
// high-density screens.
constexpr int kIconSizes[] = {16, 24, 32, 48};

QString text(const char* s) {
    return QString::fromUtf8(s);
}

QMenu* addMenu(QMenuBar& bar, const char* caption) {
    return bar.addMenu(text(caption));
}

void addItems(QMenu* menu, TActionTable& actions, std::initializer_list<TCmd> commands) {
    for (TCmd c : commands) {
        if (c == TCmd::Count)
            menu->addSeparator();
        else
            menu->addAction(actions.Create(c, menu));
    }
}

// A submenu whose own action stands for command `cmd`.
QMenu* addSubmenu(QMenu* parent, TActionTable& actions, TCmd cmd) {
    QMenu* sub = parent->addMenu(text(CommandText(cmd).caption));
    actions.Set(cmd, sub->menuAction());
    return sub;
}

QActionGroup* radioGroup(QMenu* menu, TActionTable& actions, TCmd first, TCmd last) {
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (TCmd c = first; c <= last; c = c + 1)
        group->addAction(actions[c]);
    return group;
}

} // namespace

QIcon ToolIcon(const QString& name) {
    static const bool registered = (initIconResources(), true);
    (void)registered;
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!renderer.isValid()) return {};
    QIcon icon;
    for (int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QAction* TActionTable::Create(TCmd cmd, QObject* parent) {
    const TCommandText& t = CommandText(cmd);
    auto* a = new QAction(text(t.caption), parent);
    if (*t.shortcut) a->setShortcut(QKeySequence(text(t.shortcut)));
    if (*t.hint) a->setToolTip(text(t.hint));
    a->setCheckable(t.checkable);
    a->setObjectName(QStringLiteral("cmd%1").arg(static_cast<int>(cmd)));
    a->setData(static_cast<int>(cmd));
    Set(cmd, a);
    return a;
}

void TActionTable::Apply(const TCommandStates& states, const std::vector<TCmd>& commands) const {
    for (TCmd c : commands) {
        QAction* a = (*this)[c];
        if (!a) continue;
        const TItemState& s = states[c];
        a->setEnabled(s.enabled);
        a->setVisible(s.visible);
        if (a->isCheckable()) a->setChecked(s.checked);
    }
}

bool IsMenuCommand(TCmd cmd) {
    switch (cmd) {
    case TCmd::DataSoilLayerMenu:
    case TCmd::DataDistMenu:
    case TCmd::OptUnitsMenu:
    case TCmd::OptEarthMenu:
    case TCmd::StageMenu:
    case TCmd::View3DMenu:
        return true;
    default:
        return false;
    }
}

TMainMenus BuildMainMenus(QMenuBar& bar, TActionTable& actions) {
    TMainMenus m;
    using C = TCmd;
    constexpr C sep = C::Count;

    QMenu* file = m.menus[static_cast<int>(TMenuId::File)] = addMenu(bar, "&File");
    addItems(file, actions, {C::FileNew, C::FileOpen, C::FileSave, C::FileSaveAs, sep});
    for (std::size_t i = 0; i < m.recent.size(); ++i) {
        m.recent[i] = file->addAction(QString());
        m.recent[i]->setVisible(false);
    }
    m.recentSeparator = file->addSeparator();
    addItems(file, actions, {C::FileExit});

    QMenu* data = m.menus[static_cast<int>(TMenuId::Data)] = addMenu(bar, "Da&ta");
    addItems(data, actions,
             {C::DataTitle, C::DataWallProperties, C::DataWallConfiguration, C::DataSoilLayer});
    m.soilLayer = addSubmenu(data, actions, C::DataSoilLayerMenu);
    addItems(m.soilLayer, actions, {C::DataSoilShort, C::DataSoilLong});
    addItems(data, actions, {C::DataDistLoad});
    m.distLoad = addSubmenu(data, actions, C::DataDistMenu);
    addItems(m.distLoad, actions, {C::DataDistShort, C::DataDistLong});
    addItems(data, actions,
             {C::DataSurcharge, C::DataConcentratedLoads, C::DataTiebacks, C::DataRestraints,
              C::DataPYModifiers, C::DataExternalPY, C::DataSprings, C::DataMomentEI});

    QMenu* options = m.menus[static_cast<int>(TMenuId::Options)] = addMenu(bar, "&Options");
    m.units = addSubmenu(options, actions, C::OptUnitsMenu);
    addItems(m.units, actions, {C::OptUnitsEnglish, C::OptUnitsSI, C::OptUnitsOther});
    radioGroup(m.units, actions, C::OptUnitsEnglish, C::OptUnitsOther);
    m.earthPressure = addSubmenu(options, actions, C::OptEarthMenu);
    addItems(m.earthPressure, actions,
             {C::OptEarthUser, C::OptEarthTriangular, C::OptEarthTrapezoidal});
    radioGroup(m.earthPressure, actions, C::OptEarthUser, C::OptEarthTrapezoidal);
    addItems(options, actions,
             {sep, C::OptGeneratePY, C::OptConcentratedLoads, C::OptTiebacks, C::OptRestraints,
              C::OptExternalPY, C::OptSprings, C::OptPYModifiers, C::OptSurcharge, C::OptMomentEI,
              sep, C::OptLongTerm, C::OptStaged, sep, C::OptTextEditor});

    QMenu* stage = m.menus[static_cast<int>(TMenuId::Stage)] = addMenu(bar, "&Stage Construction");
    actions.Set(C::StageMenu, stage->menuAction());
    addItems(stage, actions,
             {C::Stage1, C::Stage2, C::Stage3, C::Stage4, C::Stage5, sep, C::StageCopyPrevious});
    stage->menuAction()->setVisible(false);

    QMenu* comp = m.menus[static_cast<int>(TMenuId::Computation)] = addMenu(bar, "&Computation");
    addItems(comp, actions,
             {C::CompRun, sep, C::CompEditInput, C::CompEditNotes, C::CompEditOutput, sep,
              C::CompViewWall, C::Comp3DView});

    QMenu* graphics = m.menus[static_cast<int>(TMenuId::Graphics)] = addMenu(bar, "&Graphics");
    addItems(graphics, actions,
             {C::GraphPY, C::GraphDef, C::GraphMom, C::GraphShear, C::GraphSoil, C::GraphDMS,
              C::GraphLD, C::GraphCombine, sep, C::GraphExport});

    QMenu* window = m.menus[static_cast<int>(TMenuId::Window)] = addMenu(bar, "&Window");
    addItems(window, actions, {C::WinCascade, C::WinArrangeIcons});
    m.windowSeparator = window->addSeparator();
    m.windowSeparator->setVisible(false);

    QMenu* view3D = m.menus[static_cast<int>(TMenuId::View3D)] = addMenu(bar, "Show 3DView");
    actions.Set(C::View3DMenu, view3D->menuAction());
    addItems(view3D, actions,
             {C::View3DWall, C::View3DSoil, C::View3DWater, C::View3DSurcharge, C::View3DConcLoads,
              C::View3DTiebacks, C::View3DBoundary, C::View3DSprings, sep, C::View3DDeformed});
    view3D->menuAction()->setVisible(false);

    QMenu* help = m.menus[static_cast<int>(TMenuId::Help)] = addMenu(bar, "&Help");
    addItems(help, actions,
             {C::HelpContents, C::HelpUsersManual, C::HelpTechnicalManual, sep, C::HelpAbout});
    return m;
}

TToolBarSeparators BuildToolBar(QToolBar& bar, TActionTable& actions) {
    TToolBarSeparators separators;
    QAction* lastSeparator = nullptr;
    for (TCmd c : ToolBarLayout()) {
        if (c == TCmd::Count) {
            lastSeparator = bar.addSeparator();
            continue;
        }
        if (c == TCmd::TbStage1) separators.stages = lastSeparator;
        if (c == TCmd::TbPan) separators.view3D = lastSeparator;
        QAction* a = actions.Create(c, &bar);
        a->setIcon(ToolIcon(QString::fromUtf8(CommandText(c).icon)));
        bar.addAction(a);
    }
    // The stage and 3-D buttons show only while their state asks for them.
    for (TCmd c = TCmd::TbStage1; c <= TCmd::TbStage5; c = c + 1)
        actions[c]->setVisible(false);
    for (TCmd c = TCmd::TbPan; c <= TCmd::TbDeformed; c = c + 1)
        actions[c]->setVisible(false);
    separators.stages->setVisible(false);
    separators.view3D->setVisible(false);
    return separators;
}

} // namespace tervane
