#pragma once
// The controls that choice and link columns draw in their cells of a table editor: a combo box
// of the choices and a button that opens the row's sub-table. The column owns each control; the
// widget lives on the grid's viewport and goes when the column releases the control.

#include "ColumnControls.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QComboBox;
class QPushButton;

namespace tervane {

class TCellWidgetControl : public TCellControl {
public:
    // `released` is told when the column lets go of the control.
    TCellWidgetControl(QWidget* widget, std::function<void(QWidget*)> released);
    ~TCellWidgetControl() override;
    QWidget* widget() const { return m_widget.data(); }

private:
    QPointer<QWidget> m_widget;
    std::function<void(QWidget*)> m_released;
};

class TChoiceCellControl : public TCellWidgetControl {
public:
    TChoiceCellControl(QComboBox* box, std::function<void(QWidget*)> released);
    void setSelection(int choice) override;

private:
    QPointer<QComboBox> m_box;
};

class TButtonCellControl : public TCellWidgetControl {
public:
    TButtonCellControl(QPushButton* button, std::function<void(QWidget*)> released);
    void setCaption(const QString& caption) override;

private:
    QPointer<QPushButton> m_button;
};

} // namespace tervane
