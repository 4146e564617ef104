#include "InputDialog.h"

#include "CurrentProject.h"
#include "DataEdit.h"
#include "EntryErrors.h"
#include "MdiHost.h"
#include "Messages.h"
#include "Pictures.h"
#include "ProgramData.h"
#include "Units.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace tervane {

namespace {

std::vector<TInputDialog*>& openDialogs() {
    static std::vector<TInputDialog*> dialogs;
    return dialogs;
}

// Width of a child window's title bar besides its caption: the icon and three buttons.
constexpr int kTitleBarExtra = 110;

// A deactivation caused by a message box or a file dialog of the program itself is no leaving
// of the dialog.
bool modalWindowUp() {
    return TDataEdit::ShowingMessage() || QApplication::activeModalWidget() != nullptr;
}

} // namespace

long double FeetDivisor(int unitSystem) {
    return unitSystem == kUnitsEnglish ? 12.0L : 1.0L;
}

long double SquareFeetFactor(int unitSystem) {
    return unitSystem == kUnitsEnglish ? 144.0L : 1.0L;
}

TInputDialog::TInputDialog(QWidget* parent) : QWidget(parent) {
    openDialogs().push_back(this);
}

TInputDialog::~TInputDialog() {
    auto& dialogs = openDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
}

QList<TInputDialog*> TInputDialog::OpenDialogs() {
    return QList<TInputDialog*>(openDialogs().begin(), openDialogs().end());
}

void TInputDialog::FinishForm(const QString& caption) {
    setWindowTitle(caption);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (auto* field = qobject_cast<TDataEdit*>(label->buddy())) field->setEditLabel(label);
    }
    if (!EditsMarkModified()) return;
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, &TInputDialog::MarkModified);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QAbstractButton::clicked, this, &TInputDialog::MarkModified);
}

void TInputDialog::MarkModified() {
    if (!m_loading && HasCurrentProject()) CurrentProject().SetModified();
}

void TInputDialog::OpenTableOnClick(QAbstractButton* button, TTableOf table) {
    connect(button, &QAbstractButton::clicked, this,
            [table] { (CurrentProject().Tables().*table)().ShowEditor(); });
}

void TInputDialog::ShowPicture(QLabel* label, const QString& name) {
    const QImage image = Picture(name);
    label->setPixmap(QPixmap::fromImage(image));
    label->setFixedSize(image.size());
}

bool TInputDialog::ReadField(const TDataEdit* field, long double& value) {
    try {
        value = field->Number();
        return true;
    } catch (const EFrontendError&) {
        return false;
    }
}

void TInputDialog::FormActivate() {
    if (m_keepControls) {
        m_keepControls = false;
        return;
    }
    if (!HasCurrentProject()) return;
    TProgramData& project = CurrentProject();
    m_loading = true;
    try {
        for (TDataEdit* field : findChildren<TDataEdit*>())
            field->setUnits(project.UnitSystem);
        LoadFields(project);
    } catch (...) {
        m_loading = false;
        throw;
    }
    m_loading = false;
}

void TInputDialog::Refresh() {
    m_keepControls = false;
    FormActivate();
}

bool TInputDialog::FocusedFieldValid() {
    auto* field = qobject_cast<TDataEdit*>(focusWidget());
    if (field == nullptr) return true;
    try {
        return field->CommitAndCheck();
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        return false;
    }
}

bool TInputDialog::FormDeactivate() {
    if (!FocusedFieldValid()) {
        m_keepControls = true;
        QTimer::singleShot(0, this, [this] {
            if (m_closed) return;
            BringToFront();
            if (QWidget* field = focusWidget()) field->setFocus(Qt::OtherFocusReason);
        });
        return false;
    }
    if (HasCurrentProject()) StoreFields(CurrentProject());
    return true;
}

void TInputDialog::Discard() {
    m_closed = true;
    if (QMdiSubWindow* window = MdiWindowOf(this))
        window->close();
    else
        close();
}

void TInputDialog::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    if (HasCurrentProject()) ClosingStore(CurrentProject());
    if (!FocusedFieldValid()) {
        event->ignore();
        return;
    }
    if (HasCurrentProject()) StoreFields(CurrentProject());
    m_keepControls = false;
    m_closed = true;
    event->accept();
}

void TInputDialog::showAsChild() {
    QMdiSubWindow* window = AddMdiChild(this);
    if (window == nullptr) {
        // A top-level window of its own (no main window): it is freed when it closes.
        setAttribute(Qt::WA_DeleteOnClose);
        return;
    }
    // Wide enough for the whole caption beside the title bar's icon and buttons.
    const QSize hint = window->sizeHint();
    const int titleWidth = window->fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarExtra;
    window->resize(std::max(hint.width(), titleWidth), hint.height());
    connect(window, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                const bool was = before.testFlag(Qt::WindowActive);
                const bool is = now.testFlag(Qt::WindowActive);
                if (was != is) activationChanged(is);
            });
}

void TInputDialog::BringToFront() {
    if (QMdiSubWindow* window = MdiWindowOf(this)) {
        window->show();
        if (QMdiArea* area = window->mdiArea()) area->setActiveSubWindow(window);
        return;
    }
    show();
    raise();
    activateWindow();
}

bool TInputDialog::event(QEvent* event) {
    // A top-level dialog is activated as a window; inside the main window's area the child
    // window's state says it (showAsChild).
    if (isWindow()) {
        if (event->type() == QEvent::WindowActivate) activationChanged(true);
        if (event->type() == QEvent::WindowDeactivate) activationChanged(false);
    }
    return QWidget::event(event);
}

void TInputDialog::activationChanged(bool active) {
    // A closed dialog has stored its fields; it is only waiting to be freed.
    if (m_closed || modalWindowUp()) return;
    try {
        if (active)
            FormActivate();
        else
            FormDeactivate();
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
    }
}

void RefreshOpenDialogs() {
    for (TInputDialog* dialog : TInputDialog::OpenDialogs())
        dialog->Refresh();
}

void DiscardInputDialogs() {
    for (TInputDialog* dialog : TInputDialog::OpenDialogs())
        dialog->Discard();
}

bool StoreActiveDialog() {
    QWidget* active = nullptr;
    if (QMdiArea* area = MdiArea()) {
        if (QMdiSubWindow* window = area->activeSubWindow()) active = window->widget();
    } else {
        active = QApplication::activeWindow();
    }
    auto* dialog = qobject_cast<TInputDialog*>(active);
    return dialog == nullptr || dialog->FormDeactivate();
}

} // namespace tervane
