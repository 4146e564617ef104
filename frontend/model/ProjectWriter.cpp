// Saving a project: the single-stage project data file, written from the project's scalars and
// the main window's grid tables. Saving changes the project too: disabled tables lose their rows
// and the header options are derived afresh.

#include "ColumnTypes.h"
#include "NumberText.h"
#include "OlderProjectReader.h"
#include "ProgramData.h"
#include "SoilParameterLines.h"
#include "StageFiles.h"
#include "WordRead.h"

#include <algorithm>

namespace tervane {

namespace {

constexpr int kNumberDigits = 8;
const QString kUnusedItem = QStringLiteral("0.0  ");
constexpr int kContinueLongTerm = 9;
// Column of the stiffness table's mode choice.
constexpr int kStiffnessModeColumn = 2;

QString num(long double value) {
    return FormatGeneral(static_cast<double>(value), kNumberDigits);
}

class TLineWriter {
public:
    explicit TLineWriter(QByteArray& out) : m_out(out) {}
    void line(const QString& text) {
        m_out += text.toUtf8();
        m_out += "\r\n";
    }
    // Cells of one row, in the given column order, separated by tabs.
    void cells(const TGridTable& table, int row, std::initializer_list<int> columns) {
        QStringList items;
        for (int c : columns)
            items << table.Cell(c, row).AsText();
        line(items.join(u'\t'));
    }
    void rows(const TGridTable& table, std::initializer_list<int> columns) {
        for (int r = 0; r < table.RowCount(); ++r)
            cells(table, r, columns);
    }

private:
    QByteArray& m_out;
};

QString tabbed(std::initializer_list<QString> items) {
    return QStringList(items).join(u'\t');
}

} // namespace

void TProgramData::writeBlock(QByteArray& out, TBlockKind kind) {
    const bool longTerm = kind == TBlockKind::LongTerm;
    TLineWriter w(out);
    TProjectTables& t = m_tables;
    const bool english = UnitSystem == 1;
    const long double feet = english ? kFeetToInches : 1;

    // Tables of options that are off lose their rows.
    if (!ApplyConcentratedLoads) t.BoundCond().SetRowCount(0);
    if (!ApplyRestraints) t.Soillayer().SetRowCount(0);
    if (!ApplyExternalPY) t.PYCurves2().SetRowCount(0);

    // Header options. A generated pressure is always written as 2 in the long-term block and in
    // a stage file. A project without earth pressure (method 0, read from a file of load option 0)
    // keeps none in every block.
    int method = EarthPressureMethod;
    if (longTerm && EarthPressureMethod != 0) method = 2;
    if (kind == TBlockKind::Stage) method = std::min(EarthPressureMethod, 2);
    int loadOption = 0;
    if (!UserPressureTable) {
        loadOption = method;
        if (!GeneratePYCurves) loadOption = 0;
    }
    if (UserPressureTable) {
        loadOption = 1;
        GeneratedPressure = false;
    }
    if (!UserPressureTable && GeneratedPressure) loadOption = method;
    if (!longTerm) LoadOption = loadOption;
    PYOption = GeneratePYCurves ? 2 : (ApplyExternalPY ? 1 : 0);
    MomentEICount = ApplyMomentEI ? t.MEICurves2().RowCount() : 0;
    TiebackCount = ApplyTiebacks ? t.TiebackTable1().RowCount() : 0;
    if (!ApplyPYModifiers) t.PYMod().SetRowCount(0);

    // 1-3: title, header, wall. Stages after the first are named by their number.
    if (kind == TBlockKind::Stage && CurrentStage > 1)
        w.line(kStageTitle + QString::number(CurrentStage));
    else
        w.line(Title);
    w.line(QStringLiteral("%1 %2\t%3\t%4\t%5\t%6 %7 %8 %9 %10")
               .arg(UnitSystem)
               .arg(ApplyRestraints ? t.Soillayer().RowCount() : 0)
               .arg(t.PileSect().RowCount())
               .arg(ApplyPYModifiers ? t.PYMod().RowCount() : 0)
               .arg(loadOption)
               .arg(PYOption)
               .arg(ApplyExternalPY ? t.PYCurves2().RowCount() : 0)
               .arg(StageCount)
               .arg(MomentEICount)
               .arg(TiebackCount));
    w.line(QString::number(IncrementCount) + u' ' +
           tabbed({num(IncrementLength), num(MaxDeflection), num(Tolerance), num(FreeHeight),
                   num(ActiveWidth)}));

    // 4-5: restraints and stiffness (the last stiffness row always uses a constant value).
    if (ApplyRestraints) w.rows(t.Soillayer(), {0, 1, 2, 3});
    TGridTable& stiffness = t.PileSect();
    if (stiffness.RowCount() > 0)
        stiffness.Cell(kStiffnessModeColumn, stiffness.RowCount() - 1).SetInteger(1);
    w.rows(stiffness, {0, 1, 2, 3});

    // 6-10: concentrated loads, springs, tiebacks.
    w.line(QString::number(ApplyConcentratedLoads ? t.BoundCond().RowCount() : 0));
    w.rows(t.BoundCond(), {0, 1, 2, 3, 4, 5});
    if (!ApplySprings) t.SoilStrength().SetRowCount(0);
    w.line(QString::number(t.SoilStrength().RowCount()));
    w.rows(t.SoilStrength(), {1, 2, 0, 3, 4});
    if (!ApplyTiebacks) t.TiebackTable1().SetRowCount(0);
    w.rows(t.TiebackTable1(), {0, 1, 2, 3, 4, 5});

    // 11: p-y modifiers, depths in the file's length unit.
    if (ApplyPYModifiers) {
        const TGridTable& mod = t.PYMod();
        for (int r = 0; r < mod.RowCount(); ++r)
            w.line(tabbed({num(mod.Cell(0, r).AsFloat() * feet), mod.Cell(1, r).AsText(),
                           mod.Cell(2, r).AsText()}));
    }

    // 12: user-specified distributed load, depth in inches and load per inch in English units.
    if (loadOption == 1) {
        const TGridTable& dist = longTerm ? t.LongDist() : t.DistLoad();
        w.line(QString::number(dist.RowCount()));
        for (int r = 0; r < dist.RowCount(); ++r)
            w.line(tabbed(
                {num(dist.Cell(0, r).AsFloat() * feet), num(dist.Cell(1, r).AsFloat() / feet)}));
    }

    // 13: earth pressure, surcharge and soil layers.
    if (loadOption > 1 || PYOption == 2) {
        w.line(tabbed({num(FreeHeight), num(ActiveWidth), num(PYWidth), num(WaterDepthBackfill),
                       num(WaterDepthExcavation), num(ActivePressureFactor),
                       QString::number(PressureCode), num(BackfillSlope)}));
        w.line(tabbed({num(UniformSurcharge), num(SurchargeDistance), num(PointLoad), num(LineLoad),
                       num(StripLoad), num(StripWidth)}));
        if (!ApplySurcharge) t.SurchargeTable().SetRowCount(0);
        w.line(QString::number(t.SurchargeTable().RowCount()));
        w.rows(t.SurchargeTable(), {0, 1, 2, 3});

        const TGridTable& layers = longTerm ? t.LongSoil() : t.NewSoil();
        w.line(QString::number(layers.RowCount()));
        for (int r = 0; r < layers.RowCount(); ++r) {
            const int type = layers.Cell(0, r).AsInteger();
            w.line(QStringLiteral("%1 %2 ").arg(type).arg(num(layers.Cell(1, r).AsFloat() * feet)));
            const TGridTable* params = layers.Cell(2, r).AsTable();
            const TSoilLine items = soilLine(type);
            for (int row = 0; row < 2; ++row) {
                QString text;
                for (const TSoilItem& item : items) {
                    const bool unused = item.column < 0 || !params || row >= params->RowCount() ||
                                        (longTerm && item.shortTermOnly);
                    if (unused) {
                        text += kUnusedItem;
                        continue;
                    }
                    long double value = params->Cell(item.column, row).AsFloat();
                    if (english) value /= item.divisor;
                    text += num(value) + u' ';
                }
                w.line(text);
            }
        }
    }

    // 14: external p-y curves.
    if (ApplyExternalPY) {
        const TGridTable& sets = t.PYCurves2();
        for (int r = 0; r < sets.RowCount(); ++r) {
            const TGridTable* curve = sets.Cell(1, r).AsTable();
            const int points = curve ? curve->RowCount() : 0;
            w.line(tabbed({sets.Cell(0, r).AsText(), QString::number(points),
                           sets.Cell(2, r).AsText(), sets.Cell(3, r).AsText()}));
            if (curve) w.rows(*curve, {0, 1});
        }
    }

    // 15: nonlinear moment-EI curves.
    if (ApplyMomentEI) {
        const TGridTable& curves = t.MEICurves2();
        for (int r = 0; r < curves.RowCount(); ++r) {
            const TGridTable* points = curves.Cell(2, r).AsTable();
            w.line(tabbed({curves.Cell(0, r).AsText(), curves.Cell(1, r).AsText(),
                           QString::number(points ? points->RowCount() : 0)}));
            if (points) w.rows(*points, {0, 1});
        }
    }
}

QByteArray TProgramData::SaveText() {
    QByteArray out;
    writeBlock(out, TBlockKind::ShortTerm);
    TLineWriter w(out);
    w.line(QString::number(LongTermAnalysis ? kContinueLongTerm : 0));
    if (LongTermAnalysis) {
        writeBlock(out, TBlockKind::LongTerm);
        w.line(QStringLiteral("0"));
    }
    return out;
}

QByteArray TProgramData::StageText() {
    QByteArray out;
    writeBlock(out, TBlockKind::Stage);
    TLineWriter(out).line(QString::number(CurrentStage));
    return out;
}

void TProgramData::Save() {
    // A file of an older layout would be read back in that layout: it is never written.
    if (FormatIndexFromExtension(FileName) != kFormatCurrent) throw EInOutError(kOlderNotWritten);
    if (StageCount > 1) {
        const bool modified = IsModified();
        WriteCurrentStage(*this);
        try {
            JoinStages(FileName, StageCount);
        } catch (const EInOutError&) {
            if (modified) SetModified(); // the project file still lacks the changes
            throw;
        }
    } else {
        SaveFileAtomically(FileName, SaveText());
    }
    ClearModified();
    setFormatMarks();
}

} // namespace tervane
