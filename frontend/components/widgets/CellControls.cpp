#include "CellControls.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace tervane {

TCellWidgetControl::TCellWidgetControl(QWidget* widget, std::function<void(QWidget*)> released)
    : m_widget(widget), m_released(std::move(released)) {}

TCellWidgetControl::~TCellWidgetControl() {
    if (m_released) m_released(m_widget.data());
    if (m_widget) {
        // The widget may be the sender of the signal that led here: it goes later.
        m_widget->hide();
        m_widget->deleteLater();
    }
}

TChoiceCellControl::TChoiceCellControl(QComboBox* box, std::function<void(QWidget*)> released)
    : TCellWidgetControl(box, std::move(released)), m_box(box) {}

void TChoiceCellControl::setSelection(int choice) {
    if (!m_box) return;
    const QSignalBlocker block(m_box);
    m_box->setCurrentIndex(choice >= 1 && choice <= m_box->count() ? choice - 1 : -1);
}

TButtonCellControl::TButtonCellControl(QPushButton* button, std::function<void(QWidget*)> released)
    : TCellWidgetControl(button, std::move(released)), m_button(button) {}

void TButtonCellControl::setCaption(const QString& caption) {
    if (m_button) m_button->setText(caption);
}

} // namespace tervane
