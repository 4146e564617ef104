// Opening a project: the project data file read back into a fresh project and the main window's
// grid tables, converting the file's units back into the tables' display units.

#include "ColumnTypes.h"
#include "ProgramData.h"
#include "SoilParameterLines.h"
#include "WordRead.h"

namespace tervane {

namespace {

constexpr int kContinueLongTerm = 9;
// An active-pressure factor of this value in a file stands for 1.
constexpr double kOldActivePressureFactor = 0.036;

// Reads one word after another and stores it in cells, with messages naming line and item.
class TCellReader {
public:
    explicit TCellReader(TWordReader& reader) : m_reader(reader) {}

    int integer() { return m_reader.ReadInteger(); }
    long double number() { return m_reader.ReadNumber(); }

    // A row count: not negative and no larger than the file could hold.
    int count() {
        const int n = m_reader.ReadInteger();
        if (n < 0 || n > m_reader.lineCount())
            throw EInOutError(position() + QChar(13) +
                              QStringLiteral("The count %1 does not fit the file.").arg(n));
        return n;
    }

    // A cell of a choice, integer or float column.
    void cell(const TGridTable& table, int column, int row, long double scale = 1) {
        const TData data = table.Cell(column, row);
        if (dynamic_cast<TFloatColumn*>(data.Column())) {
            data.SetFloat(number() * scale);
            return;
        }
        const int value = integer();
        try {
            data.SetInteger(value);
        } catch (const EAssignError& e) {
            throw EInOutError(position() + QChar(13) + e.message());
        }
    }

    // The cells of one row in the given column order.
    void row(const TGridTable& table, int row, std::initializer_list<int> columns) {
        for (int c : columns)
            cell(table, c, row);
    }

    void rows(const TGridTable& table, std::initializer_list<int> columns) {
        for (int r = 0; r < table.RowCount(); ++r)
            row(table, r, columns);
    }

private:
    QString position() const {
        return QStringLiteral("Error on Line %1 Item %2")
            .arg(m_reader.lineIndex() + 1)
            .arg(m_reader.itemIndex());
    }
    TWordReader& m_reader;
};

} // namespace

TProgramData::TProgramData(TProjectTables& tables, const QString& fileName, int formatIndex)
    : m_tables(tables) {
    (void)formatIndex; // the older layouts (2 to 4) are read by the import of older projects
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
    OldFormatMark = false;
    CurrentFormatMark1 = true;
    CurrentFormatMark2 = true;
}

void TProgramData::readFile(TWordReader& reader) {
    readBlock(reader, false);
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
    StageCount = in.integer();
    MomentEICount = in.count();
    t.MEICurves2().SetRowCount(MomentEICount);
    ApplyMomentEI = MomentEICount > 0;
    TiebackCount = in.count();
    t.TiebackTable1().SetRowCount(TiebackCount);
    ApplyTiebacks = TiebackCount > 0;

    IncrementCount = in.integer();
    IncrementLength = in.number();
    MaxDeflection = in.number();
    Tolerance = in.number();
    FreeHeight = in.number();
    in.number(); // the active width again; taken from the earth-pressure line
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
            in.cell(sets, 2, r);
            in.cell(sets, 3, r);
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

    const int surcharges = in.count();
    t.SurchargeTable().SetRowCount(surcharges);
    ApplySurcharge = surcharges > 0;
    in.rows(t.SurchargeTable(), {0, 1, 2, 3});

    TGridTable& layers = longTerm ? t.LongSoil() : t.NewSoil();
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
