#include "MainForm.h"

#include "MdiHost.h"

#include <QMdiArea>

namespace tervane {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this)) {
    setCentralWidget(m_mdiArea);
    SetMdiArea(m_mdiArea);
}

TMainForm::~TMainForm() {
    if (MdiArea() == m_mdiArea) SetMdiArea(nullptr);
}

} // namespace tervane
