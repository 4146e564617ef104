// The graph window's "&Plot" menu: its fixed items and submenus, and the rules that check, show
// and enable them each time the menu opens. The curve items follow the last separator
// (TPlotForm::RebuildCurveEntries).
#include "PlotForm.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <utility>

namespace tervane {

namespace {

struct TValueItem {
    const char* text;
    int value;
};

constexpr TValueItem kMarkerItems[] = {{"&Never", 0},
                                       {"Every &Increment", 1},
                                       {"Every &2 Increments", 2},
                                       {"Every &3 Incrments", 3},
                                       {"Every &5 Increments", 5},
                                       {"Every &10 Incements", 10}};
constexpr TValueItem kFontItems[] = {{"&Default", 10},    {"1.5 * Default", 15},
                                     {"2 * Default", 20}, {"2.5 * Default", 25},
                                     {"3 * Default", 30}, {"4 * Default", 40}};
constexpr TValueItem kWidthItems[] = {{"&Default", 1},
                                      {"2 * Default", 2},
                                      {"4 * Default", 4},
                                      {"6 * Default", 6},
                                      {"10 * Default", 10}};

// A submenu of value items, the first one set apart by a separator.
template <size_t N, typename F>
QMenu* valueMenu(QMenu* parent, const QString& title, const TValueItem (&items)[N], F apply,
                 QActionGroup* group) {
    QMenu* menu = parent->addMenu(title);
    for (size_t k = 0; k < N; ++k) {
        QAction* a = menu->addAction(QString::fromUtf8(items[k].text));
        a->setData(items[k].value);
        if (group != nullptr) {
            a->setCheckable(true);
            group->addAction(a);
        }
        const int value = items[k].value;
        QObject::connect(a, &QAction::triggered, parent, [apply, value] { apply(value); });
        if (k == 0) menu->addSeparator();
    }
    return menu;
}

} // namespace

void TPlotForm::buildMenu() {
    m_menu = new QMenu(QStringLiteral("&Plot"), this);
    m_menu->addAction(QStringLiteral("Show &Legend"), this, [this] { ShowLegendClick(); })
        ->setCheckable(true);
    m_menu->addAction(QStringLiteral("Show &Soil Layer"), this, [this] { ShowLayersClick(); })
        ->setCheckable(true);
    m_menu->addAction(QStringLiteral("Show &Wall Geometry"), this, [this] { ShowWallClick(); })
        ->setCheckable(true);
    m_markerGroup = new QActionGroup(this);
    m_markerGroup->setExclusive(true);
    m_markersMenu = valueMenu(
        m_menu, QStringLiteral("Show &Markers"), kMarkerItems, [this](int v) { SetMarkers(v); },
        m_markerGroup);
    connect(m_markersMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction* a : m_markerGroup->actions())
            a->setChecked(a->data().toInt() == m_plot.Markers);
    });
    valueMenu(
        m_menu, QStringLiteral("&Font Size"), kFontItems, [this](int v) { SetFontSize(v); },
        nullptr);
    valueMenu(
        m_menu, QStringLiteral("&Line Width"), kWidthItems, [this](int v) { SetLineWidth(v); },
        nullptr);
    m_menu->addAction(QStringLiteral("&Graph Title"), this, [this] { PlotCaptionClick(); });
    m_menu->addAction(QStringLiteral("&Edit Legend"), this, [this] { mLineNameClick(); });
    m_menu->addAction(QStringLiteral("&Active Curves"), this, [this] { ActiveGraphsClick(); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("&Print..."), this, [this] { PrintClick(); });
    m_menu->addAction(QStringLiteral("P&age Setup"), this, [this] { PageSetupClick(); });
    m_menu->addAction(QStringLiteral("&Save To Disk..."), this, [this] { SaveToDiskClick(); });
    m_curveSeparator = m_menu->addSeparator();
    connect(m_menu, &QMenu::aboutToShow, this, [this] { UpdateMenu(); });
    UpdateMenu();
}

void TPlotForm::UpdateMenu() {
    QAction* legend = MenuItem(QStringLiteral("Show &Legend"));
    QAction* layers = MenuItem(QStringLiteral("Show &Soil Layer"));
    QAction* wall = MenuItem(QStringLiteral("Show &Wall Geometry"));
    legend->setChecked(m_plot.ShowLegend);
    layers->setChecked(m_plot.ShowLayers);
    layers->setVisible(m_plot.CurveCount(kCurveSetLayers) > 0);
    wall->setVisible(m_plot.WallLineCount > 0);
    wall->setEnabled(m_plot.ShowLayers);
    wall->setChecked(m_plot.ShowWall);
    MenuItem(QStringLiteral("&Font Size"))->setVisible(m_plot.ShowFontWidth);
    MenuItem(QStringLiteral("&Line Width"))->setVisible(m_plot.ShowFontWidth);
    for (QAction* item : m_curveItems) {
        const int curve = item->data().toInt();
        if (curve < m_plot.CurveCount(kCurveSetMain))
            item->setChecked(m_plot.Line(kCurveSetMain, curve).Plotted);
    }
}

} // namespace tervane
