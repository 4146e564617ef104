// The parts of the older layouts that the current one does not have: the single surcharge turned
// into surcharge-table rows, and soil layers given by thickness with one parameter line each.

#include "OlderProjectReader.h"

#include "CellReader.h"
#include "ProgramData.h"
#include "SoilParameterLines.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace tervane {

namespace {

// Items of the one parameter line of a layer in the second-generation layout: the first five
// items of the current layout's line, without the optional earth-pressure coefficient.
constexpr int kOlderSoilItems = 5;
constexpr int kWeakRock = 7;

// Surcharge-table columns and load types.
constexpr int kLoadTypeColumn = 0;
constexpr int kMagnitudeColumn = 1;
constexpr int kDistanceColumn = 2;
constexpr int kWidthColumn = 3;
constexpr int kPointLoad = 1;
constexpr int kLineLoad = 2;
constexpr int kStripLoad = 3;

// The single surcharge's distance and width are held in L (metres in SI); the surcharge table
// holds them in L1 (millimetres in SI, inches in English units, L in other units).
constexpr long double kMetreToMillimetre = 1000;

// Items of the header line of each layout. The second generation holds the unit system, the
// restraint, stiffness and modifier counts, the load option, the p-y option and the curve-set
// count; the third adds the stage count, ".tv4d" the moment-EI count, the current layout the
// tieback count.
constexpr struct {
    qsizetype items;
    int format;
} kHeaderItems[] = {{7, kFormatSecondGeneration},
                    {8, kFormatThirdGeneration},
                    {9, kFormat2013},
                    {10, kFormatCurrent}};
// Longest piece of a line read at once when telling the layout of a file.
constexpr qint64 kLongestLine = 4096;

QString lowerSuffix(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

} // namespace

TFormatSwitches FormatSwitches(int formatIndex) {
    TFormatSwitches s;
    switch (formatIndex) {
    case kFormat2013:
        s.tiebacks = false;
        break;
    case kFormatThirdGeneration:
        s.tiebacks = false;
        s.momentEIAndSurcharges = false;
        break;
    case kFormatSecondGeneration:
        s.tiebacks = false;
        s.momentEIAndSurcharges = false;
        s.stageCount = false;
        s.layersByThickness = true;
        break;
    default:
        break;
    }
    return s;
}

int FormatIndexFromExtension(const QString& path) {
    const QString suffix = lowerSuffix(path);
    if (suffix == u"tv4d") return kFormat2013;
    if (suffix == u"tvd") return kFormatThirdGeneration;
    return kFormatCurrent;
}

int FormatIndexOfFile(const QString& path) {
    const int byExtension = FormatIndexFromExtension(path);
    if (byExtension != kFormatThirdGeneration) return byExtension;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return byExtension;
    for (QByteArray title; !file.atEnd() && !title.endsWith('\n');)
        title = file.readLine(kLongestLine);
    const QByteArray header = file.readLine(kLongestLine).simplified();
    const qsizetype items = header.isEmpty() ? 0 : header.count(' ') + 1;
    for (const auto& h : kHeaderItems)
        if (h.items == items) return h.format;
    return byExtension;
}

bool IsCurrentLayout(const QString& path) {
    return lowerSuffix(path) == u"tv5d";
}

QString CommandLineProjectPath(const QString& argument) {
    if (QFileInfo(argument).fileName().contains(u'.')) return argument;
    return argument + QStringLiteral(".tv5d");
}

int StageFormatIndex(const TProgramData& project) {
    if (!project.CurrentFormatMark1) return kFormatThirdGeneration;
    if (!project.CurrentFormatMark2) return kFormat2013;
    return kFormatCurrent;
}

void SetStageFormatMarks(TProgramData& project, const QString& path) {
    switch (FormatIndexFromExtension(path)) {
    case kFormatThirdGeneration:
        project.CurrentFormatMark1 = false;
        project.CurrentFormatMark2 = false;
        break;
    case kFormat2013:
        project.CurrentFormatMark1 = true;
        project.CurrentFormatMark2 = false;
        break;
    default:
        project.CurrentFormatMark1 = true;
        project.CurrentFormatMark2 = true;
        break;
    }
}

void TProgramData::addSingleSurchargeRows() {
    TGridTable& table = m_tables.SurchargeTable();
    if (SurchargeDistance <= 0) {
        // No surcharge in this block (a stage read into the project loses the previous rows).
        table.SetRowCount(0);
        ApplySurcharge = false;
        return;
    }
    const long double toTable = UnitSystem == 2 ? kMetreToMillimetre : 1;
    const struct {
        int type;
        long double magnitude;
    } rows[] = {{kPointLoad, PointLoad}, {kLineLoad, LineLoad}, {kStripLoad, StripLoad}};
    table.SetRowCount(3);
    for (int r = 0; r < 3; ++r) {
        table.Cell(kLoadTypeColumn, r).SetInteger(rows[r].type);
        table.Cell(kMagnitudeColumn, r).SetFloat(rows[r].magnitude);
        table.Cell(kDistanceColumn, r).SetFloat(SurchargeDistance * toTable);
        table.Cell(kWidthColumn, r).SetFloat(StripWidth * toTable);
    }
    ApplySurcharge = true;
}

void TProgramData::readLayersByThickness(TWordReader& reader, TGridTable& layers) {
    TCellReader in(reader);
    layers.SetRowCount(in.count());
    long double depth = 0;
    for (int r = 0; r < layers.RowCount(); ++r) {
        in.cell(layers, 0, r); // the soil type links the layer to its parameter table
        // The layer line holds the thickness; the table holds the depth to the layer's bottom.
        depth += in.number();
        layers.Cell(1, r).SetFloat(depth);
        const int type = layers.Cell(0, r).AsInteger();
        if (type == kWeakRock) continue; // no parameter line: the table keeps its defaults
        const TGridTable* params = layers.Cell(2, r).AsTable();
        const TSoilLine items = soilLine(type);
        for (int i = 0; i < kOlderSoilItems; ++i) {
            // Values stand as the table shows them: no unit conversion.
            const long double value = in.number();
            if (items[i].column < 0 || !params) continue;
            // The same values at the top and at the bottom of the layer.
            for (int row = 0; row < std::min(2, params->RowCount()); ++row)
                params->Cell(items[i].column, row).SetFloat(value);
        }
    }
}

} // namespace tervane
