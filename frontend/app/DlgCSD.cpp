#include "DlgCSD.h"

#include "DataEdit.h"
#include "Pictures.h"
#include "ProgramData.h"
#include "ui_DlgCSD.h"

#include <algorithm>

namespace tervane {

TdlgCSD::TdlgCSD(QWidget* parent) : TInputDialog(parent), m_ui(std::make_unique<Ui::TdlgCSD>()) {
    {
        TFormReading reading;
        m_ui->setupUi(this);
    }
    FinishForm(QStringLiteral("Wall Configuration"));
    ShowPicture(m_ui->imgPlan, kPictureWallPlan);
    ShowPicture(m_ui->imgFactor, kPictureActiveFactor);
}

TdlgCSD::~TdlgCSD() = default;

TdlgCSD* TdlgCSD::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

void TdlgCSD::LoadFields(TProgramData& project) {
    const long double feet = FeetDivisor(project.UnitSystem);
    m_ui->deHL->setNumber(project.FreeHeight / feet);
    m_ui->deWidth->setNumber(project.ActiveWidth);
    m_ui->dePYW->setNumber(project.PYWidth);
    m_ui->deHW->setNumber(project.WaterDepthBackfill / feet);
    m_ui->DeHW2->setNumber(project.WaterDepthExcavation / feet);
    m_ui->deSP->setNumber(project.UniformSurcharge * SquareFeetFactor(project.UnitSystem));
    m_ui->beta->setNumber(project.BackfillSlope);
    m_ui->deGw->setNumber(project.ActivePressureFactor);
    alignFieldColumns();
}

void TdlgCSD::alignFieldColumns() {
    // The fields of the group and those below it stand in one column, whatever the unit labels.
    int width = 0;
    for (const QGridLayout* grid : {m_ui->gridConfiguration, m_ui->gridLoads}) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QLayoutItem* item = grid->itemAtPosition(row, 0);
            const QLayoutItem* field = grid->itemAtPosition(row, 1);
            // A note spans both columns: only the labels of fields count.
            if (item && field && item != field && item->widget())
                width = std::max(width, item->widget()->sizeHint().width());
        }
    }
    m_ui->gridConfiguration->setColumnMinimumWidth(0, width);
    m_ui->gridLoads->setColumnMinimumWidth(0, width);
}

void TdlgCSD::StoreFields(TProgramData& project) {
    const long double feet = FeetDivisor(project.UnitSystem);
    long double value = 0;
    if (ReadField(m_ui->deHL, value)) project.FreeHeight = value * feet;
    ReadField(m_ui->deWidth, project.ActiveWidth);
    ReadField(m_ui->dePYW, project.PYWidth);
    if (ReadField(m_ui->deHW, value)) project.WaterDepthBackfill = value * feet;
    if (ReadField(m_ui->DeHW2, value)) project.WaterDepthExcavation = value * feet;
    if (ReadField(m_ui->deSP, value))
        project.UniformSurcharge = value / SquareFeetFactor(project.UnitSystem);
    ReadField(m_ui->beta, project.BackfillSlope);
    ReadField(m_ui->deGw, project.ActivePressureFactor);
}

} // namespace tervane
