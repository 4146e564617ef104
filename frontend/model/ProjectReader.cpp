// Opening a project: the project data file read back into a fresh project and the main window's
// grid tables, converting the file's units back into the tables' display units. The older layouts
// are read by the same code with parts of the file switched off (OlderProjectReader.h).

#include "CellReader.h"
#include "OlderProjectReader.h"
#include "ProgramData.h"
#include "SoilParameterLines.h"
#include "WordRead.h"

#include <algorithm>

namespace tervane {

namespace {

constexpr int kContinueLongTerm = 9;
// An active-pressure factor of this value in a file stands for 1.
constexpr double kOldActivePressureFactor = 0.036;

} // namespace

TProgramData::TProgramData(TProjectTables& tables, const QString& fileName, int formatIndex)
    : m_tables(tables) {
    m_format = std::clamp(formatIndex, kFormatCurrent, kFormatSecondGeneration);
    TWordReader reader(fileName);
    FileName = fileName;
    m_tables.CloseEditors();
    m_tables.ChangeUnits(1);
    for (int i = 0; i < m_tables.Count(); ++i)
        m_tables.At(i).SetRowCount(0);
    try {
        readFile(reader);
    } catch (const EInOutError& e) {
        // What was read so far is kept.
        m_openMessage = e.message();
    }
    m_tables.FillMinimumRows();
    ClearModified();
    // The marks record the layout the data came from.
    OldFormatMark = m_format == kFormatThirdGeneration;
    CurrentFormatMark1 = true;
    CurrentFormatMark2 = m_format == kFormatCurrent;
    m_format = kFormatCurrent;
}

QString TProgramData::ReadStageFile(const QString& path, int formatIndex) {
    TWordReader reader(path);
    m_format = std::clamp(formatIndex, kFormatCurrent, kFormatSecondGeneration);
    QString message;
    try {
        readBlock(reader, false);
    } catch (const EInOutError& e) {
        message = e.message(); // what was read so far is kept
    }
    m_format = kFormatCurrent;
    m_tables.FillMinimumRows();
    return message;
}

void TProgramData::readFile(TWordReader& reader) {
    readBlock(reader, false);
    // The second generation holds one problem only.
    if (!FormatSwitches(m_format).stageCount) return;
    TCellReader in(reader);
    if (in.integer() != kContinueLongTerm) return;
    reader.ReadLine(); // the rest of the continuation line
    LongTermAnalysis = true;
    readBlock(reader, true);
    in.integer(); // the final 0
}

void TProgramData::readBlock(TWordReader& reader, bool longTerm) {
    Title = reader.ReadLine();
    readHeader(reader, longTerm);
    readTables(reader, longTerm);
    if (static_cast<double>(ActivePressureFactor) == kOldActivePressureFactor)
        ActivePressureFactor = 1;
}

void TProgramData::readHeader(TWordReader& reader, bool longTerm) {
    TCellReader in(reader);
    TProjectTables& t = m_tables;
    const TFormatSwitches layout = FormatSwitches(m_format);
    ChangeUnits(in.integer());
    const int restraints = in.count();
    t.Soillayer().SetRowCount(restraints);
    ApplyRestraints = restraints > 0;
    t.PileSect().SetRowCount(in.count());
    t.PYMod().SetRowCount(in.count());
    LoadOption = in.integer();
    // The long-term block always carries a generated pressure as 2: the method chosen for the
    // project (triangular or trapezoidal) is the one of the first block.
    if (!longTerm) EarthPressureMethod = LoadOption;
    PYOption = in.integer();
    GeneratedPressure = LoadOption > 1;
    GeneratePYCurves = (PYOption == 2 && LoadOption != 0) ? 1 : 0;
    if (LoadOption == 1) GeneratedPressure = false;
    UserPressureTable = LoadOption == 1;
    if (PYOption == 1) ApplyExternalPY = true;
    if (PYOption == 0) ApplyExternalPY = false;
    const int curveSets = in.count();
    t.PYCurves2().SetRowCount(curveSets);
    if (curveSets > 0) ApplyExternalPY = true;
    ApplyPYModifiers = t.PYMod().RowCount() > 0;
    // A stage count outside 1..5 cannot be staged: it is taken as the nearest that can.
    if (layout.stageCount) StageCount = std::clamp(in.integer(), 1, kMaxStages);
    // Layouts without a count have none of those curves or tiebacks.
    MomentEICount = layout.momentEIAndSurcharges ? in.count() : 0;
    t.MEICurves2().SetRowCount(MomentEICount);
    ApplyMomentEI = MomentEICount > 0;
    TiebackCount = layout.tiebacks ? in.count() : 0;
    t.TiebackTable1().SetRowCount(TiebackCount);
    ApplyTiebacks = TiebackCount > 0;

    IncrementCount = in.integer();
    IncrementLength = in.number();
    MaxDeflection = in.number();
    Tolerance = in.number();
    FreeHeight = in.number();
    // The active width; the earth-pressure line, when the file has one, gives it again. Without
    // that line (no generated pressure or curves) the wall line is the only place it is kept,
    // and the tieback springs need it.
    if (layout.tiebacks) ActiveWidth = in.number();
}

void TProgramData::readTables(TWordReader& reader, bool longTerm) {
    TCellReader in(reader);
    TProjectTables& t = m_tables;
    const long double feet = UnitSystem == 1 ? kFeetToInches : 1;

    if (ApplyRestraints) in.rows(t.Soillayer(), {0, 1, 2, 3});
    in.rows(t.PileSect(), {0, 1, 2, 3});

    const int loads = in.count();
    t.BoundCond().SetRowCount(loads);
    ApplyConcentratedLoads = loads > 0 || (longTerm && ApplyConcentratedLoads);
    in.rows(t.BoundCond(), {0, 1, 2, 3, 4, 5});
    const int springs = in.count();
    t.SoilStrength().SetRowCount(springs);
    ApplySprings = springs > 0;
    in.rows(t.SoilStrength(), {1, 2, 0, 3, 4});
    in.rows(t.TiebackTable1(), {0, 1, 2, 3, 4, 5});

    if (ApplyPYModifiers) {
        const TGridTable& mod = t.PYMod();
        for (int r = 0; r < mod.RowCount(); ++r) {
            in.cell(mod, 0, r, 1 / feet);
            in.cell(mod, 1, r);
            in.cell(mod, 2, r);
        }
    }

    if (LoadOption == 1) {
        TGridTable& dist = longTerm ? t.LongDist() : t.DistLoad();
        const int rows = in.count();
        dist.SetRowCount(rows);
        UserPressureTable = rows > 0;
        for (int r = 0; r < rows; ++r) {
            in.cell(dist, 0, r, 1 / feet);
            in.cell(dist, 1, r, feet);
        }
    }

    if (LoadOption > 1 || PYOption == 2) readEarthPressure(reader, longTerm);

    if (ApplyExternalPY) {
        const TGridTable& sets = t.PYCurves2();
        for (int r = 0; r < sets.RowCount(); ++r) {
            in.cell(sets, 0, r);
            const int points = in.count();
            sets.Cell(2, r).SetFloat(1);
            sets.Cell(3, r).SetFloat(1);
            if (FormatSwitches(m_format).momentEIAndSurcharges) {
                in.cell(sets, 2, r);
                in.cell(sets, 3, r);
            }
            if (TGridTable* curve = sets.Cell(1, r).AsTable()) {
                curve->SetRowCount(points);
                in.rows(*curve, {0, 1});
            }
        }
    }

    if (ApplyMomentEI) {
        const TGridTable& curves = t.MEICurves2();
        for (int r = 0; r < curves.RowCount(); ++r) {
            in.cell(curves, 0, r);
            in.cell(curves, 1, r);
            const int points = in.count();
            if (TGridTable* table = curves.Cell(2, r).AsTable()) {
                table->SetRowCount(points);
                in.rows(*table, {0, 1});
            }
        }
    }
}

void TProgramData::readEarthPressure(TWordReader& reader, bool longTerm) {
    TCellReader in(reader);
    TProjectTables& t = m_tables;
    const bool english = UnitSystem == 1;
    const long double feet = english ? kFeetToInches : 1;

    FreeHeight = in.number();
    ActiveWidth = in.number();
    PYWidth = in.number();
    WaterDepthBackfill = in.number();
    WaterDepthExcavation = in.number();
    ActivePressureFactor = in.number();
    PressureCode = in.integer();
    BackfillSlope = in.number();
    UniformSurcharge = in.number();
    SurchargeDistance = in.number();
    PointLoad = in.number();
    LineLoad = in.number();
    StripLoad = in.number();
    StripWidth = in.number();

    const TFormatSwitches layout = FormatSwitches(m_format);
    if (layout.momentEIAndSurcharges) {
        const int surcharges = in.count();
        t.SurchargeTable().SetRowCount(surcharges);
        ApplySurcharge = surcharges > 0;
        in.rows(t.SurchargeTable(), {0, 1, 2, 3});
    } else {
        addSingleSurchargeRows();
    }

    TGridTable& layers = longTerm ? t.LongSoil() : t.NewSoil();
    if (layout.layersByThickness) {
        readLayersByThickness(reader, layers);
        return;
    }
    layers.SetRowCount(in.count());
    for (int r = 0; r < layers.RowCount(); ++r) {
        in.cell(layers, 0, r); // the soil type links the layer to its parameter table
        in.cell(layers, 1, r, 1 / feet);
        const TGridTable* params = layers.Cell(2, r).AsTable();
        const TSoilLine items = soilLine(layers.Cell(0, r).AsInteger());
        for (int row = 0; row < 2; ++row) {
            for (const TSoilItem& item : items) {
                const bool unused = item.column < 0 || !params || row >= params->RowCount() ||
                                    (longTerm && item.shortTermOnly);
                if (unused) {
                    in.number();
                    continue;
                }
                in.cell(*params, item.column, row, english ? item.divisor : 1);
            }
        }
    }
}

} // namespace tervane
