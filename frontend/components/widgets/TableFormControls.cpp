// The cell controls of the table window (combo boxes of choice cells, buttons of link cells) and
// the table's handle of its window.

#include "CellControls.h"
#include "ColumnTypes.h"
#include "EntryErrors.h"
#include "Messages.h"
#include "TableForm.h"
#include "TableGrid.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <algorithm>

namespace tervane {

// ---- handle

TTableEditorHandle::~TTableEditorHandle() {
    if (m_form) m_form->tableReleased();
}

void TTableEditorHandle::setTitle(const QString& title) {
    if (m_form) m_form->setWindowTitle(title);
}

void TTableEditorHandle::helpPictureChanged() {
    if (m_form) m_form->showHelpPicture();
}

std::unique_ptr<TCellControl> TTableEditorHandle::createChoiceControl(int column, int row,
                                                                      const QStringList& choices) {
    if (!m_form) return std::make_unique<TCellControl>();
    return m_form->makeChoiceControl(column, row, choices);
}

std::unique_ptr<TCellControl> TTableEditorHandle::createButtonControl(int column, int row) {
    if (!m_form) return std::make_unique<TCellControl>();
    return m_form->makeButtonControl(column, row);
}

// ---- opening

bool BringEditorForward(TGridTable& table) {
    auto* handle = dynamic_cast<TTableEditorHandle*>(table.Editor());
    if (!handle || !handle->form()) return false;
    QWidget* window = handle->form()->frameWindow();
    if (auto* mdi = qobject_cast<QMdiSubWindow*>(window); mdi && mdi->mdiArea())
        mdi->mdiArea()->setActiveSubWindow(mdi);
    window->raise();
    window->activateWindow();
    return true;
}

void ShowTableEditor(TGridTable& table) {
    if (!BringEditorForward(table)) table.ShowEditor();
}

// ---- cell controls

std::unique_ptr<TCellControl> TTableForm::makeChoiceControl(int column, int row,
                                                            const QStringList& choices) {
    auto* box = new QComboBox(m_grid->viewport());
    box->hide();
    box->addItems(choices);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The wheel scrolls the grid: a wheel turned over a soil-type box must not change the
    // layer's type (which replaces its parameter table).
    box->installEventFilter(this);
    connect(box, &QComboBox::activated, this,
            [this, column, row](int index) { choiceChanged(column, row, index + 1); });
    m_controls.push_back({box, column, row});
    QPointer<TTableForm> self(this);
    return std::make_unique<TChoiceCellControl>(box, [self](QWidget* w) {
        if (self) self->forgetControl(w);
    });
}

std::unique_ptr<TCellControl> TTableForm::makeButtonControl(int column, int row) {
    auto* button = new QPushButton(m_grid->viewport());
    button->hide();
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this,
            [this, column, row] { buttonClicked(column, row); });
    m_controls.push_back({button, column, row});
    QPointer<TTableForm> self(this);
    return std::make_unique<TButtonCellControl>(button, [self](QWidget* w) {
        if (self) self->forgetControl(w);
    });
}

void TTableForm::forgetControl(QWidget* widget) {
    m_controls.erase(std::remove_if(m_controls.begin(), m_controls.end(),
                                    [widget](const TPlacedControl& p) {
                                        return !p.widget || p.widget.data() == widget;
                                    }),
                     m_controls.end());
}

void TTableForm::choiceChanged(int column, int row, int choice) {
    if (!m_table) return;
    auto* enumColumn = dynamic_cast<TEnumColumn*>(m_table->Column(column));
    if (!enumColumn) return;
    m_table->SetModified(true);
    try {
        enumColumn->ControlChanged(row, choice);
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
    }
    chartChanged();
}

void TTableForm::buttonClicked(int column, int row) {
    if (!m_table || !commit()) return;
    auto* link = dynamic_cast<TTableColumn*>(m_table->Column(column));
    if (!link) return;
    // An open sub-table window comes to the front instead.
    if (TGridTable* sub = link->GetTable(row); sub && BringEditorForward(*sub)) return;
    link->ButtonClicked(row);
}

} // namespace tervane
