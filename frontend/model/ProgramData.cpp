#include "ProgramData.h"

#include <algorithm>

namespace tervane {

namespace {

// Conversion factors of the project's scalars: inches to metres and pounds to kilonewtons, and
// back. The two directions are separate constants (their product is 1.00000054, not 1).
constexpr long double kInchToMetre = 0.0254L;
constexpr long double kPoundToKilonewton = 0.004448222468060650624L;
constexpr long double kMetreToInch = 39.3701L;
constexpr long double kKilonewtonToPound = 224.8089L;

// Load types of the surcharge table's first column.
constexpr int kPointLoad = 1;
constexpr int kLineLoad = 2;
constexpr int kStripLoad = 3;

} // namespace

TProgramData::TProgramData(TProjectTables& tables) : m_tables(tables) {
    m_tables.CloseEditors();
    m_tables.ChangeUnits(1);
    m_tables.Reset();
    ClearModified();
    setFormatMarks();
}

void TProgramData::setFormatMarks() {
    OldFormatMark = true;
    CurrentFormatMark1 = true;
    CurrentFormatMark2 = true;
}

void TProgramData::ClearModified() {
    m_modified = false;
    m_tables.ResetModified();
}

void TProgramData::ChangeUnits(int n) {
    n = std::clamp(n, 1, 3);
    long double length = 1;
    long double force = 1;
    bool convert = false;
    if (UnitSystem == 1 && n == 2) {
        length = kInchToMetre;
        force = kPoundToKilonewton;
        convert = true;
    } else if (UnitSystem == 2 && n == 1) {
        length = kMetreToInch;
        force = kKilonewtonToPound;
        convert = true;
    }
    const long double perLength = force / length;
    const long double perArea = force / (length * length);
    if (convert) {
        for (long double* v :
             {&Tolerance, &MaxDeflection, &ActiveWidth, &FreeHeight, &WaterDepthBackfill,
              &WaterDepthExcavation, &IncrementLength, &PYWidth, &StripWidth, &SurchargeDistance})
            *v *= length;
        PointLoad *= force;
        LineLoad *= perLength;
        UniformSurcharge *= perArea;
        StripLoad *= perArea;
    }
    UnitSystem = n;
    m_tables.ChangeUnits(n);
    if (OnUnitsChanged) OnUnitsChanged();
    if (!convert) return;
    TGridTable& surcharge = m_tables.SurchargeTable();
    for (int r = 0; r < surcharge.RowCount(); ++r) {
        const TData magnitude = surcharge.Cell(1, r);
        switch (surcharge.Cell(0, r).AsInteger()) {
        case kPointLoad:
            magnitude.SetFloat(magnitude.AsFloat() * force);
            break;
        case kLineLoad:
            magnitude.SetFloat(magnitude.AsFloat() * perLength);
            break;
        case kStripLoad:
            magnitude.SetFloat(magnitude.AsFloat() * perArea);
            break;
        default:
            break;
        }
    }
}

} // namespace tervane
