#include "DlgProp.h"

#include "DataEdit.h"
#include "ProgramData.h"
#include "ui_DlgProp.h"

#include <algorithm>
#include <cmath>

namespace tervane {

TDlgProp::TDlgProp(QWidget* parent) : TInputDialog(parent), m_ui(std::make_unique<Ui::TDlgProp>()) {
    {
        TFormReading reading;
        m_ui->setupUi(this);
    }
    FinishForm(QStringLiteral("Wall Properties"));
    OpenTableOnClick(m_ui->btnSection, &TProjectTables::PileSect);
}

TDlgProp::~TDlgProp() = default;

TDlgProp* TDlgProp::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

void TDlgProp::LoadFields(TProgramData& project) {
    m_ui->deNI->setNumber(project.IncrementCount);
    m_ui->deXGS->setNumber(project.IncrementLength);
    m_ui->deXLN->setNumber(project.MaxDeflection);
    m_ui->deSlope->setNumber(project.Tolerance);
    m_ui->DeFH->setNumber(project.FreeHeight / FeetDivisor(project.UnitSystem));
}

void TDlgProp::StoreFields(TProgramData& project) {
    long double value = 0;
    if (ReadField(m_ui->deNI, value)) {
        value = std::clamp(value, m_ui->deNI->MinVal(), m_ui->deNI->MaxVal());
        project.IncrementCount = static_cast<int>(std::lround(value));
    }
    ReadField(m_ui->deXGS, project.IncrementLength);
    ReadField(m_ui->deXLN, project.MaxDeflection);
    ReadField(m_ui->deSlope, project.Tolerance);
    if (ReadField(m_ui->DeFH, value)) project.FreeHeight = value * FeetDivisor(project.UnitSystem);
}

} // namespace tervane
