#pragma once
// The two kinds of small dialog that lead to one table of the project: a picture with the button
// that opens the table (additional surcharge, tieback), and an option switch with the button,
// which is enabled only while the switch is on (concentrated loads, springs). Switching the option
// off closes the table's window; the table keeps its rows until the next save, which empties a
// table whose option is off. The switch is stored on deactivation.

#include "InputDialog.h"

class QCheckBox;

namespace tervane {

class TPictureTableDialog : public TInputDialog {
    Q_OBJECT
protected:
    using TInputDialog::TInputDialog;
    // After the form is set up: the caption, the picture in its label and the table button.
    void FinishPictureForm(const QString& caption, QLabel* image, const QString& picture,
                           QAbstractButton* button, TTableOf table);
    // The option of these tables is set from the Options menu: nothing to load or store.
    void LoadFields(TProgramData&) override {}
    void StoreFields(TProgramData&) override {}
};

class TSwitchedTableDialog : public TInputDialog {
    Q_OBJECT
protected:
    TSwitchedTableDialog(bool TProgramData::*option, TTableOf table, QWidget* parent);
    // After the form is set up: the caption, the switch and the table button.
    void FinishSwitchForm(const QString& caption, QCheckBox* box, QAbstractButton* button);
    void LoadFields(TProgramData& project) override;
    void StoreFields(TProgramData& project) override;

private:
    void switchClicked();

    bool TProgramData::*m_option;
    TTableOf m_table;
    QCheckBox* m_box = nullptr;
    QAbstractButton* m_button = nullptr;
};

} // namespace tervane
