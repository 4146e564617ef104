#pragma once
// The current project: its file name, title, unit system, option switches, counts and scalar
// values. Tabular input lives in the main window's grid tables (TProjectTables), which the project
// reaches through the reference it is given. Scalar lengths, forces and stresses are held in the
// small units of the unit system (inches and pounds in English units), the units of the file.

#include "ProjectTables.h"

#include <QString>
#include <functional>

namespace tervane {

class TWordReader;

class TProgramData {
public:
    // A new project: defaults, every table in English units, emptied and given its minimum rows,
    // modified mark cleared, format marks on.
    explicit TProgramData(TProjectTables& tables);
    // Opens a project data file in the layout of `formatIndex`: 1 the current layout, 2 ".tv4d",
    // 3 and 4 the third and second generation of ".tvd" (OlderProjectReader.h). A malformed value
    // or an early end of the file keeps what was read so far and leaves its message in
    // OpenMessage(). Throws EInOutError when the file cannot be read at all.
    TProgramData(TProjectTables& tables, const QString& fileName, int formatIndex);

    static inline const QString kUntitledName = QStringLiteral("NewWall.tv5d");
    // Construction stages of a staged project.
    static constexpr int kMaxStages = 5;

    QString FileName = kUntitledName;
    QString Title = QStringLiteral("New Wall");
    int UnitSystem = 1;
    int LoadOption = 0;
    int PYOption = 0;
    int MomentEICount = 0;
    int TiebackCount = 0;
    int IncrementCount = 0;
    long double IncrementLength = 0;
    long double MaxDeflection = 100;
    long double Tolerance = 1E-5L;
    long double FreeHeight = 0;
    long double ActiveWidth = 0;
    long double PYWidth = 0;
    long double WaterDepthBackfill = 0;
    long double WaterDepthExcavation = 0;
    long double ActivePressureFactor = 1;
    int PressureCode = 1;
    long double BackfillSlope = 0;
    long double UniformSurcharge = 0;
    long double SurchargeDistance = 0;
    long double PointLoad = 0;
    long double LineLoad = 0;
    long double StripLoad = 0;
    long double StripWidth = 0;
    int EarthPressureMethod = 2;
    bool UserPressureTable = false;
    bool GeneratedPressure = false;
    int GeneratePYCurves = 1;
    bool ApplyExternalPY = false;
    bool ApplyMomentEI = false;
    bool ApplyPYModifiers = false;
    bool ApplyConcentratedLoads = false;
    bool ApplySprings = false;
    bool ApplyTiebacks = false;
    bool ApplySurcharge = false;
    bool ApplyRestraints = false;
    bool LongTermAnalysis = false;
    int StageCount = 1;
    int CurrentStage = 1;
    // Which older-format features the data came from; all on in the current format.
    bool OldFormatMark = true;
    bool CurrentFormatMark1 = true;
    bool CurrentFormatMark2 = true;

    TProjectTables& Tables() const { return m_tables; }

    // Changes the unit system to n (clamped into 1..3), converting the scalars and surcharge
    // magnitudes between English and SI and setting every table's unit system.
    void ChangeUnits(int n);
    // Called after a unit change so that open dialogs show the values again.
    std::function<void()> OnUnitsChanged;

    // Modified mark: the project's own flag or any table reporting a change.
    bool IsModified() const { return m_modified || m_tables.IsModified(); }
    void SetModified() { m_modified = true; }
    void ClearModified();

    // Writes the project to FileName. The file is written to a temporary file in the same folder
    // and replaces the project file only once complete; a failure throws EInOutError with the
    // system's message and leaves the previous file as it was. A staged project (StageCount 2 or
    // more) writes its current stage file and then joins the stage files into FileName. A name of
    // an older layout (".tv4d", ".tvd") is refused with EInOutError: those files are only read.
    void Save();
    // The project data file text that Save writes (CR LF line ends). Changes the project as Save
    // does: disabled tables lose their rows and the header options are derived afresh.
    QByteArray SaveText();

    // The stage file text of CurrentStage (CR LF line ends): one problem block whose first line is
    // the title for stage 1 and " Stage No : n" for a later stage n, with a generated earth
    // pressure always written as load option 2, closed by a line holding the stage number.
    // Changes the project as SaveText does.
    QByteArray StageText();
    // Reads one problem block of a stage file into this project (the tables are not emptied
    // first), in the layout of `formatIndex`; line 1 becomes the Title and the header's stage
    // count the project's. Tables below their minimum rows get them. Returns the message of a
    // malformed or incomplete block (what was read is kept), empty after a complete read. Throws
    // EInOutError when the file cannot be read at all.
    QString ReadStageFile(const QString& path, int formatIndex);

    // Message of a malformed or incomplete file met by the opening constructor; empty after a
    // complete read.
    const QString& OpenMessage() const { return m_openMessage; }

private:
    enum class TBlockKind { ShortTerm, LongTerm, Stage };
    void setFormatMarks();
    // Writer (ProjectWriter.cpp).
    void writeBlock(QByteArray& out, TBlockKind kind);
    // Reader (ProjectReader.cpp).
    void readFile(TWordReader& reader);
    void readBlock(TWordReader& reader, bool longTerm);
    void readHeader(TWordReader& reader, bool longTerm);
    void readTables(TWordReader& reader, bool longTerm);
    void readEarthPressure(TWordReader& reader, bool longTerm);
    // Older layouts (OlderProjectReader.cpp).
    void addSingleSurchargeRows();
    void readLayersByThickness(TWordReader& reader, TGridTable& layers);

    TProjectTables& m_tables;
    bool m_modified = false;
    QString m_openMessage;
    // Format index of the file being read.
    int m_format = 1;
};

} // namespace tervane
