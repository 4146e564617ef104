// The stage menu, the stage tool buttons and the status bar text.

#include "StageActions.h"

#include "ProgramData.h"
#include "StageCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QWidget>

namespace tervane {

namespace {
const QString kStatusLabelName = QStringLiteral("StageStatus");
}

TStageActions::TStageActions(TStageCommands& commands, QWidget* parent)
    : QObject(parent), m_menu(new QMenu(QStringLiteral("&Stage Construction"), parent)) {
    auto* itemGroup = new QActionGroup(this);
    auto* buttonGroup = new QActionGroup(this);
    for (int n = 1; n <= TProgramData::kMaxStages; ++n) {
        QAction* item = m_menu->addAction(QStringLiteral("Stage &%1").arg(n));
        item->setCheckable(true);
        itemGroup->addAction(item);
        m_items << item;
        // The buttons show their stage number; the hint names them.
        auto* button = new QAction(QString::number(n), this);
        button->setToolTip(QStringLiteral("Stage Const. %1").arg(n));
        button->setCheckable(true);
        buttonGroup->addAction(button);
        m_buttons << button;
        for (QAction* a : {item, button})
            connect(a, &QAction::triggered, this, [&commands, n] { commands.switchStage(n); });
    }
    m_menu->addSeparator();
    m_copyPrevious = m_menu->addAction(QStringLiteral("Copy &Previous Stage"));
    connect(m_copyPrevious, &QAction::triggered, this,
            [&commands] { commands.copyPreviousStage(); });
    m_updateCurrent = m_menu->addAction(QStringLiteral("Update &Current Stage"));
    m_updateCurrent->setVisible(false);
    connect(m_updateCurrent, &QAction::triggered, this,
            [&commands] { commands.updateCurrentStage(); });
    m_menu->menuAction()->setVisible(false);
    for (QAction* b : m_buttons)
        b->setVisible(false);
}

void TStageActions::apply(const TStageDisplay& display, QStatusBar* statusBar) {
    m_menu->menuAction()->setVisible(display.staged);
    for (int n = 1; n <= m_items.size(); ++n) {
        for (QAction* a : {m_items[n - 1], m_buttons[n - 1]}) {
            a->setEnabled(display.stageEnabled(n));
            a->setChecked(display.stageChecked(n));
        }
        m_buttons[n - 1]->setVisible(display.staged);
    }
    m_copyPrevious->setEnabled(display.copyPreviousEnabled());
    if (!statusBar) return;
    // A label of its own, so that status tips passing over the bar do not wipe the stage out.
    auto* label = statusBar->findChild<QLabel*>(kStatusLabelName);
    if (!label) {
        label = new QLabel(statusBar);
        label->setObjectName(kStatusLabelName);
        statusBar->addWidget(label, 1);
    }
    label->setText(display.statusText);
}

} // namespace tervane
