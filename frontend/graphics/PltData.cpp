#include "PltData.h"

#include "ProgramData.h"
#include "Units.h"
#include "WordRead.h"

namespace tervane {

namespace {

// English plot files hold inches and pounds; the graphs show feet, kip-inches and kips.
constexpr long double kInchesPerFoot = 12;
constexpr long double kPoundsPerKip = 1000;

// Fill codes of the soil-layer strip, by soil type 1 to 7 (clays share one picture).
struct TLayerKind {
    const char* name;
    long double code;
};
constexpr TLayerKind kLayerKinds[] = {
    {" CLAY ", 1}, {" CLAY ", 1},         {" CLAY ", 1},    {" SAND ", 3.5L},
    {" SILT ", 4}, {"STRONG ROCK", 4.5L}, {"WEAK ROCK", 5},
};
constexpr int kSoilTypeCount = 7;

class TPlotReader {
public:
    TPlotReader(TGraphModels& models, const TProgramData& project, TWordReader& in)
        : m_models(models), m_project(project), m_in(in) {}

    void read() {
        readFirstLoadBlock();
        readCurveBlock(true);
        const int blocks = readResultBlock(0);
        readLayerSet();
        for (int k = 1; k < blocks; ++k) {
            readLoadBlock(k);
            readCurveBlock(false);
            readResultBlock(k);
        }
        nameBlocks(blocks);
        padAll();
        setCaptions();
        m_models.SetUnits(m_units);
    }

private:
    // A count of rows, curves or points. Points are appended as they are read, so a count larger
    // than the file holds ends at the file's end with what was read.
    int count() {
        const int n = m_in.ReadInteger();
        if (n < 0) throw EInOutError(kFileIncomplete);
        return n;
    }
    // A count of curves, which are made before their points are read: each takes at least a
    // line of its own, so a count beyond the lines left is nonsense.
    int curveCount() {
        const int n = count();
        if (n > m_in.lineCount() - m_in.lineIndex()) throw EInOutError(kFileIncomplete);
        return n;
    }
    long double number() { return m_in.ReadNumber(); }
    bool english() const { return m_units == kUnitsEnglish; }

    void readFirstLoadBlock() {
        // Fresh curves: names and flags of an earlier read do not carry over.
        m_models.pltLD.SetCurveCount(kCurveSetMain, 0);
        m_models.pltLD.SetCurveCount(kCurveSetMain, 1);
        m_models.PltCombine.SetCurveCount(kCurveSetMain, 0);
        m_models.PltCombine.SetCurveCount(kCurveSetMain, 3);
        m_models.PltCombine.Line(kCurveSetMain, 0).Name = QStringLiteral("Total Earth Pressure");
        m_models.PltCombine.Line(kCurveSetMain, 1).Name = QStringLiteral("from Soils ");
        m_models.PltCombine.Line(kCurveSetMain, 2).Name = QStringLiteral("from Surcharge Loads");
        const int n = count();
        const long double combinedDepth =
            m_project.UnitSystem == kUnitsEnglish ? kInchesPerFoot : 1;
        for (int j = 0; j < n; ++j) {
            const long double depth = number();
            const long double total = number();
            const long double earth = number();
            const long double surcharge = number();
            m_models.pltLD.Line(kCurveSetMain, 0).Points.push_back({total, depth});
            const long double y = depth / combinedDepth;
            m_models.PltCombine.Line(kCurveSetMain, 0).Points.push_back({total, y});
            m_models.PltCombine.Line(kCurveSetMain, 1).Points.push_back({earth, y});
            m_models.PltCombine.Line(kCurveSetMain, 2).Points.push_back({surcharge, y});
        }
    }

    // Distributed load of block k (0-based, k > 0) into pltLD line k. The unit system is known
    // from the first block's curve header.
    void readLoadBlock(int k) {
        if (m_models.pltLD.CurveCount(kCurveSetMain) <= k)
            m_models.pltLD.SetCurveCount(kCurveSetMain, k + 1);
        TLine& line = m_models.pltLD.Line(kCurveSetMain, k);
        const int n = count();
        line.Points.clear();
        const long double scale = english() ? kInchesPerFoot : 1;
        for (int j = 0; j < n; ++j) {
            const long double depth = number();
            const long double total = number();
            number(); // earth-pressure part
            number(); // surcharge part
            line.Points.push_back({total, depth / scale});
        }
    }

    // The p-y curves of a block replace those read before (the graph shows the last block's).
    void readCurveBlock(bool first) {
        const int units = m_in.ReadInteger();
        if (first) {
            m_units = units;
            if (english())
                for (TFloatPoint& p : m_models.pltLD.Line(kCurveSetMain, 0).Points)
                    p.y /= kInchesPerFoot;
        }
        const int curves = curveCount();
        m_models.pltPY.SetCurveCount(kCurveSetMain, 0);
        m_models.pltPY.SetCurveCount(kCurveSetMain, curves);
        for (int c = 0; c < curves; ++c) {
            TLine& line = m_models.pltPY.Line(kCurveSetMain, c);
            line.Value = number();
            const int k = count();
            for (int i = 0; i < k; ++i) {
                const long double y = number();
                const long double p = number();
                line.Points.push_back({y, p});
            }
        }
        m_models.pltPY.PadToLongest(kCurveSetMain);
    }

    // Results of block k (0-based) into line k of the result models; returns the block marker
    // (the number of problem blocks of the run) read in its header.
    int readResultBlock(int k) {
        const int blocks = m_in.ReadInteger();
        // Every block takes lines of its own, so a marker beyond the file's line count is nonsense.
        if (blocks < 1 || blocks > m_in.lineCount()) throw EInOutError(kFileIncomplete);
        const int rows = count();
        m_in.ReadInteger(); // the result block's unit system, the same as the curve header's
        if (k == 0) {
            for (TGraphPlot* plot : resultPlots()) {
                plot->SetCurveCount(kCurveSetMain, 0);
                plot->SetCurveCount(kCurveSetMain, blocks);
            }
            for (int set : {kCurveSetMiddle, kCurveSetRight}) {
                m_models.pltDMS.SetCurveCount(set, 0);
                m_models.pltDMS.SetCurveCount(set, blocks);
            }
        }
        if (k >= m_models.pltDef.CurveCount(kCurveSetMain))
            return blocks; // more blocks than announced
        TLine* lines[] = {
            &m_models.pltDef.Line(kCurveSetMain, k),   &m_models.pltMom.Line(kCurveSetMain, k),
            &m_models.pltShear.Line(kCurveSetMain, k), &m_models.pltSoil.Line(kCurveSetMain, k),
            &m_models.pltDMS.Line(kCurveSetMain, k),   &m_models.pltDMS.Line(kCurveSetMiddle, k),
            &m_models.pltDMS.Line(kCurveSetRight, k)};
        for (TLine* line : lines)
            line->Points.clear();
        const long double depthScale = english() ? kInchesPerFoot : 1;
        const long double forceScale = english() ? kPoundsPerKip : 1;
        for (int j = 0; j < rows; ++j) {
            const long double x = number() / depthScale;
            const long double deflection = number();
            const long double moment = number() / forceScale;
            const long double shear = number() / forceScale;
            const long double reaction = number();
            const long double xs[] = {deflection, moment, shear, reaction,
                                      deflection, moment, shear};
            for (size_t i = 0; i < std::size(lines); ++i)
                lines[i]->Points.push_back({xs[i], x});
        }
        return blocks;
    }

    // Soil layers of the project's layer table, then the wall's toe and the excavation depth,
    // each a curve of one point in the depth units of the graph.
    void readLayerSet() {
        const TGridTable& layers = m_project.Tables().NewSoil();
        const int n = layers.RowCount();
        TGraphPlot& dms = m_models.pltDMS;
        dms.SetCurveCount(kCurveSetLayers, 0);
        dms.SetCurveCount(kCurveSetLayers, n + 2);
        for (int r = 0; r < n; ++r) {
            const int type = layers.Cell(0, r).AsInteger();
            const bool known = type >= 1 && type <= kSoilTypeCount;
            TLine& line = dms.Line(kCurveSetLayers, r);
            line.Name = known ? QString::fromLatin1(kLayerKinds[type - 1].name) : QString();
            line.Points = {{known ? kLayerKinds[type - 1].code : 0, layers.Cell(1, r).AsFloat()}};
        }
        // The project holds the wall's lengths in the file's units (inches in English units);
        // the graph's depths are in feet there, like the layer table's.
        const long double scale = english() ? kInchesPerFoot : 1;
        const long double toe = m_project.IncrementCount * m_project.IncrementLength / scale;
        dms.Line(kCurveSetLayers, n).Name = QStringLiteral("PILE");
        dms.Line(kCurveSetLayers, n).Points = {{0, toe}};
        dms.Line(kCurveSetLayers, n + 1).Name = QStringLiteral("PILE");
        dms.Line(kCurveSetLayers, n + 1).Points = {{0, m_project.FreeHeight / scale}};
        dms.WallLineCount = n;
    }

    void nameBlocks(int blocks) {
        if (blocks < 2) return;
        for (TGraphPlot* plot : resultPlots()) {
            for (int k = 0; k < plot->CurveCount(kCurveSetMain); ++k) {
                QString name = QStringLiteral("Stage: %1").arg(k + 1);
                if (m_project.LongTermAnalysis && k < 2)
                    name = k == 0 ? QStringLiteral("Short-Term") : QStringLiteral("Long-Term");
                plot->Line(kCurveSetMain, k).Name = name;
            }
        }
    }

    void padAll() {
        for (TGraphPlot* plot : m_models.All())
            for (int set : {kCurveSetMain, kCurveSetMiddle, kCurveSetRight})
                plot->PadToLongest(set);
    }

    void setCaptions() {
        const QString depth = english() ? kDepthFeet : kDepthMetres;
        for (TGraphPlot* plot : {&m_models.pltDef, &m_models.pltMom, &m_models.pltShear,
                                 &m_models.pltSoil, &m_models.pltLD})
            plot->YCaption = depth;
        m_models.pltMom.XCaption = english() ? QStringLiteral("Bending Moment (in-kips)")
                                             : QStringLiteral("Bending Moment (m-kN)");
        m_models.pltShear.XCaption =
            english() ? QStringLiteral("Shear (kips)") : QStringLiteral("Shear (kN)");
        TGraphPlot& dms = m_models.pltDMS;
        dms.XCaption = m_models.pltDef.XCaption;
        dms.YCaption = m_models.pltDef.YCaption;
        dms.XUnits = m_models.pltDef.XUnits;
        dms.XCaption2 = m_models.pltMom.XCaption;
        dms.YCaption2 = m_models.pltMom.YCaption;
        dms.XUnits2 = m_models.pltMom.XUnits;
        dms.XCaption3 = m_models.pltShear.XCaption;
        dms.YCaption3 = m_models.pltShear.YCaption;
        dms.XUnits3 = m_models.pltShear.XUnits;
    }

    // The models that get one line per problem block; pltDMS counts by its first set.
    std::array<TGraphPlot*, 5> resultPlots() {
        return {&m_models.pltDef, &m_models.pltMom, &m_models.pltShear, &m_models.pltSoil,
                &m_models.pltDMS};
    }

    TGraphModels& m_models;
    const TProgramData& m_project;
    TWordReader& m_in;
    int m_units = kUnitsEnglish;
};

} // namespace

bool ReadPlots(TGraphModels& models, const TProgramData& project, const QString& path,
               bool afterRun, const std::function<void(const QString&)>& showMessage) {
    models.ClearPoints();
    try {
        TWordReader in(path);
        TPlotReader(models, project, in).read();
        return true;
    } catch (const EInOutError&) {
        if (afterRun && showMessage) showMessage(kPlotReadFailed);
        return false;
    }
}

} // namespace tervane
