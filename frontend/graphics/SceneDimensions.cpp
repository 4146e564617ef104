#include "SceneDimensions.h"

#include "ColumnTypes.h"
#include "ProgramData.h"
#include "Units.h"

#include <algorithm>

namespace tervane {

namespace {
bool english(const TProgramData& project) {
    return project.UnitSystem == kUnitsEnglish;
}
} // namespace

double SceneLength(const TProgramData& project, long double value) {
    return static_cast<double>(english(project) ? value / 12 : value);
}

double SceneLengthL1(const TProgramData& project, long double value) {
    return static_cast<double>(english(project) ? value / 12 : value / 1000);
}

double CellFloat(const TGridTable& table, int column, int row) {
    if (column < 0 || column >= table.ColumnCount() || row < 0 || row >= table.RowCount()) return 0;
    return static_cast<double>(table.Column(column)->GetFloat(row));
}

int CellInt(const TGridTable& table, int column, int row) {
    if (column < 0 || column >= table.ColumnCount() || row < 0 || row >= table.RowCount()) return 0;
    return table.Column(column)->GetInt(row);
}

double GetWallIncr(const TProgramData& project) {
    return SceneLength(project, project.IncrementLength);
}

int GetWallNIncr(const TProgramData& project) {
    return std::max(0, project.IncrementCount);
}

double GetWallLength(const TProgramData& project) {
    return GetWallNIncr(project) * GetWallIncr(project);
}

double GetWallWidth(const TProgramData& project) {
    const double w = SceneLength(project, project.ActiveWidth);
    return w == 0 ? 0.1 * GetWallLength(project) : w;
}

double GetWallThickness(const TProgramData& project) {
    const double t = 0.1 * SceneLength(project, project.PYWidth);
    return t == 0 ? 0.01 * GetWallLength(project) : t;
}

double GetDepthExtent(const TProgramData& project) {
    const TGridTable& soil = project.Tables().NewSoil();
    const double bottom = CellFloat(soil, 1, soil.RowCount() - 1);
    return std::max(GetWallLength(project), bottom);
}

double StripCentre(double width, int i) {
    return i < 10 ? width * (i + 0.5) : -width * (i - 10 + 0.5);
}

} // namespace tervane
