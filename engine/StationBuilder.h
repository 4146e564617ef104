#pragma once
// Turning the tables of a problem into station data: the reset, specified deflections and slopes,
// the range rule of the stiffness, concentrated-load and spring tables, tiebacks as springs, the
// distributed load as station loads and the check for data beyond the wall's end.

#include "ProblemInput.h"
#include "StationData.h"

#include <array>

namespace tervane {

// Nearest integer, halves away from zero. Values outside the int range give a number far outside
// the station store, so that the store check rejects them.
int nearestInteger(double x);

// Stops the problem with "TOO MUCH DATA" unless station s lies in the store of a wall of
// `increments` increments (-3 .. N+3).
void requireStoredStation(int s, int increments);

// Every array zero, every boundary code 1, no specified points, couples or curves.
void resetStations(StationData& st);

// One restraint row (station m, case k, deflection, slope): boundary codes around m and the
// values they impose. Station order and the row count are checked by the caller.
void addSpecifiedPoint(StationData& st, int increments, int station, int caseCode,
                       double deflection, double slope);

// The range rule of one table. Each row names stations a..b, a mode (1 alone, 2 varies linearly
// into the next row) and up to three values; rows are spread onto the station arrays in `targets`.
class RangeSpreader {
public:
    static constexpr int kMaxValues = 3;
    using Values = std::array<double, kMaxValues>;

    // `targets[k]` receives value k; a null target drops the value.
    RangeSpreader(StationData& st, int increments, std::array<StationArray<double>*, 3> targets);

    // Applies one row. Returns c = mode - 1 of the previous row (0 for the first), which decides
    // the row's echo form together with the row's own c.
    int addRow(int from, int to, int mode, const Values& values);

private:
    void spread(int a, const Values& va, int b, const Values& vb);

    StationData& m_st;
    int m_increments;
    std::array<StationArray<double>*, 3> m_targets;
    int m_previousC = 0;
    int m_startStation = 0;
    Values m_startValues{};
};

// Continuation flag of a table row: mode 2 continues into the next row.
inline int continuationOf(int mode) {
    return mode == 2 ? 1 : 0;
}

// A tieback row turned into a spring at one station.
struct TiebackSpring {
    int station = 0;
    double stiffness = 0.0;
};
TiebackSpring tiebackSpring(int unitSystem, const WallRecord& wall, double depth, double area,
                            double modulus, double unbondedLength, double angleDegrees,
                            double spacing);

// The distributed-load table as lateral loads Q(s) += h * load(s·h) for s = 1 .. NINT(D/h), D the
// depth of the table's last row, or the free height for generated tables (`toFreeHeight`).
void addDistributedLoads(StationData& st, const WallRecord& wall, const DistributedLoadTable& t,
                         bool toFreeHeight);

// Non-zero data below the wall's end stops the problem ("NON-ZERO TABLE 4 DATA BEYOND END").
void checkNothingBeyondEnd(const StationData& st, int increments);

} // namespace tervane
