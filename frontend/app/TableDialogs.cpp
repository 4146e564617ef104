#include "TableDialogs.h"

#include "CurrentProject.h"
#include "ProgramData.h"

#include <QCheckBox>
#include <QLabel>

namespace tervane {

void TPictureTableDialog::FinishPictureForm(const QString& caption, QLabel* image,
                                            const QString& picture, QAbstractButton* button,
                                            TTableOf table) {
    FinishForm(caption);
    ShowPicture(image, picture);
    OpenTableOnClick(button, table);
}

TSwitchedTableDialog::TSwitchedTableDialog(bool TProgramData::*option, TTableOf table,
                                           QWidget* parent)
    : TInputDialog(parent), m_option(option), m_table(table) {}

void TSwitchedTableDialog::FinishSwitchForm(const QString& caption, QCheckBox* box,
                                            QAbstractButton* button) {
    m_box = box;
    m_button = button;
    FinishForm(caption);
    OpenTableOnClick(button, m_table);
    connect(box, &QCheckBox::clicked, this, &TSwitchedTableDialog::switchClicked);
}

void TSwitchedTableDialog::LoadFields(TProgramData& project) {
    m_box->setChecked(project.*m_option);
    m_button->setEnabled(project.*m_option);
}

void TSwitchedTableDialog::StoreFields(TProgramData& project) {
    project.*m_option = m_box->isChecked();
}

void TSwitchedTableDialog::switchClicked() {
    const bool on = m_box->isChecked();
    m_button->setEnabled(on);
    if (!on) (CurrentProject().Tables().*m_table)().CloseEditors();
}

} // namespace tervane
