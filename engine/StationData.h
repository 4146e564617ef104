#pragma once
// Station data of one problem: what the tables of the data file become for the solver.
// Stations s = -3 .. N+3 are stored; station s sits at depth s*h below the top of the wall.

#include "Capacities.h"

#include <array>
#include <cstdint>

namespace tervane {

// One value per stored station, addressed by station number.
template <typename T> class StationArray {
public:
    static constexpr bool inStore(int s) {
        return s >= kFirstStoredStation && s < kFirstStoredStation + kStationStore;
    }
    T& operator[](int s) { return m_v[static_cast<std::size_t>(s - kFirstStoredStation)]; }
    const T& operator[](int s) const {
        return m_v[static_cast<std::size_t>(s - kFirstStoredStation)];
    }
    void fill(T v) { m_v.fill(v); }

private:
    std::array<T, kStationStore> m_v{};
};

// Boundary codes of a station (StationData::code): how the recursion treats its equation.
inline constexpr int kCodeFree = 1;            // the station's own equation
inline constexpr int kCodeDeflection = 2;      // a specified deflection
inline constexpr int kCodeSlopeFirst = 3;      // the station above a specified slope
inline constexpr int kCodeSlopeDeflection = 4; // a specified deflection inside a specified slope
inline constexpr int kCodeSlopeLast = 5;       // the station below a specified slope, closing it

struct SpecifiedPoint {
    int station = 0;
    int caseCode = 1; // 1 deflection, 2 slope, 3 and above both
    double deflection = 0.0;
    double slope = 0.0;
};

struct ConcentratedCouple {
    int station = 0;
    double moment = 0.0; // Tc; the solver's corrections use Tc/(2h)
};

struct Curve {
    int firstStation = 0;
    int lastStation = 0;
    int continuation = 0; // 1: interpolated with the next curve of the table
    int pointCount = 0;
    std::array<double, kMaxCurvePoints> w{};  // deflection, increasing
    std::array<double, kMaxCurvePoints> qc{}; // soil resistance, force per station
};

struct MomentEISet {
    int firstStation = 0;
    int lastStation = 0;
    int pointCount = 0;
    std::array<double, kMaxMomentEIPoints> moment{};
    std::array<double, kMaxMomentEIPoints> ei{};
};

struct StationData {
    StationArray<double> F; // flexural stiffness EI
    StationArray<double> Q; // lateral load
    StationArray<double> S; // lateral spring stiffness
    StationArray<double> T; // couple
    StationArray<double> R; // rotational restraint stiffness
    StationArray<double> P; // axial load (sign reversed from the input)
    StationArray<int> code; // boundary code kCodeFree .. kCodeSlopeLast
    // The deflection and slope imposed at a station by the restraint row that set its boundary
    // code: codes 2 and 4 use boundaryDeflection[s], codes 3 and 5 use boundarySlope[s].
    StationArray<double> boundaryDeflection;
    StationArray<double> boundarySlope;

    int specifiedCount = 0;
    std::array<SpecifiedPoint, kMaxSpecifiedPoints> specified{};

    int coupleCount = 0;
    std::array<ConcentratedCouple, kMaxConcentratedCouples> couples{};

    int curveCount = 0;
    std::array<Curve, kMaxCurves> curves{};

    int momentEICount = 0;
    std::array<MomentEISet, kMaxMomentEISets> momentEI{};

    // Supports handed to the earth-pressure stage: rows of the spring table (springs plus
    // tiebacks) and the depths of its first and last rows when they name a single station.
    int supportRows = 0;
    bool firstSupportSingle = false;
    bool lastSupportSingle = false;
    double firstSupportDepth = 0.0;
    double lastSupportDepth = 0.0;
};

} // namespace tervane
