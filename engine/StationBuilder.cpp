#include "StationBuilder.h"

#include "EngineErrors.h"

#include <cmath>
#include <limits>

namespace tervane {
namespace {

// Pi as the tieback conversion has always used it, a single-precision constant.
const double kTiebackPi = static_cast<double>(3.1416f);
// Inches per foot: tieback depths, spacings and unbonded lengths are in feet in English units.
constexpr double kInchesPerFoot = 12.0;

constexpr const char* kTiebackUndefined =
    "     ERROR STOP -- TIEBACK SPACING, WALL WIDTH AND UNBONDED LENGTH MUST NOT BE ZERO";

} // namespace

int nearestInteger(double x) {
    // Far outside any station store, but still an int.
    constexpr int kOutside = std::numeric_limits<int>::max() / 2;
    if (!std::isfinite(x) || std::fabs(x) > kOutside) return x < 0 ? -kOutside : kOutside;
    return static_cast<int>(std::lround(x));
}

void requireStoredStation(int s, int increments) {
    if (s < kFirstStoredStation || s > increments + 3) throw ProblemStop(kTooMuchData, 2);
}

void resetStations(StationData& st) {
    for (StationArray<double>* a :
         {&st.F, &st.Q, &st.S, &st.T, &st.R, &st.P, &st.boundaryDeflection, &st.boundarySlope})
        a->fill(0.0);
    st.code.fill(1);
    st.specifiedCount = 0;
    st.coupleCount = 0;
    st.curveCount = 0;
    st.momentEICount = 0;
    st.supportRows = 0;
    st.firstSupportSingle = false;
    st.lastSupportSingle = false;
    st.firstSupportDepth = 0.0;
    st.lastSupportDepth = 0.0;
}

void addSpecifiedPoint(StationData& st, int increments, int station, int caseCode,
                       double deflection, double slope) {
    if (st.specifiedCount >= kMaxSpecifiedPoints) throw ProblemStop(kTooMuchData, 2);
    // The slope cases reach one station on each side.
    requireStoredStation(station - 1, increments);
    requireStoredStation(station + 1, increments);
    st.specified[static_cast<std::size_t>(st.specifiedCount++)] =
        SpecifiedPoint{station, caseCode, deflection, slope};
    // Each code carries the value of the row that set it, so a deflection row and a slope row
    // at one station never mix their values.
    if (caseCode <= 1) {
        st.code[station] = kCodeDeflection;
        st.boundaryDeflection[station] = deflection;
        return;
    }
    st.code[station - 1] = kCodeSlopeFirst;
    st.boundarySlope[station - 1] = slope;
    st.code[station + 1] = kCodeSlopeLast;
    st.boundarySlope[station + 1] = slope;
    if (caseCode >= 3) {
        st.code[station] = kCodeSlopeDeflection;
        st.boundaryDeflection[station] = deflection;
    }
}

RangeSpreader::RangeSpreader(StationData& st, int increments,
                             std::array<StationArray<double>*, 3> targets)
    : m_st(st), m_increments(increments), m_targets(targets) {}

int RangeSpreader::addRow(int from, int to, int mode, const Values& values) {
    const int previous = m_previousC;
    const int c = continuationOf(mode);
    if (previous == 0 && c == 0) {
        spread(from, values, to, values);
    } else if (previous == 1) {
        // Close the sequence: linear from the remembered start to this row's last station.
        spread(m_startStation, m_startValues, to, values);
    }
    if (c == 1) {
        // A row that continues starts the next stretch: at its first station when it opens a
        // sequence, at its last one when it carries a sequence on.
        m_startStation = previous == 1 ? to : from;
        m_startValues = values;
    }
    m_previousC = c;
    return previous;
}

// Adds va + (vb - va)(s - a)/(b - a) at s = a .. b, each end station keeping half; a single
// station takes the whole of va.
void RangeSpreader::spread(int a, const Values& va, int b, const Values& vb) {
    if (b < a) throw ProblemStop(kStationsNotInOrder);
    requireStoredStation(a, m_increments);
    requireStoredStation(b, m_increments);
    for (std::size_t k = 0; k < m_targets.size(); ++k) {
        StationArray<double>* t = m_targets[k];
        if (!t) continue;
        if (b == a) {
            (*t)[a] += va[k];
            continue;
        }
        for (int s = a; s <= b; ++s) {
            const double v =
                va[k] + (vb[k] - va[k]) * static_cast<double>(s - a) / static_cast<double>(b - a);
            (*t)[s] += v;
            if (s == a || s == b) (*t)[s] += -0.5 * v;
        }
    }
}

TiebackSpring tiebackSpring(int unitSystem, const WallRecord& wall, double depth, double area,
                            double modulus, double unbondedLength, double angleDegrees,
                            double spacing) {
    if (spacing == 0.0 || wall.activeWidth == 0.0 || unbondedLength == 0.0)
        throw ProblemStop(kTiebackUndefined);
    // Depth, spacing and unbonded length come in feet for English units, in the wall's own
    // length unit otherwise.
    const double toLength = unitSystem == 1 ? kInchesPerFoot : 1.0;
    TiebackSpring t;
    t.station = nearestInteger(depth * toLength / wall.incrementLength);
    requireStoredStation(t.station, wall.increments);
    // Axial stiffness of the free length, horizontal component, per unit width of wall:
    // S = E A cos(theta) / ((spacing / Wa) * unbonded length)
    const double theta = angleDegrees * kTiebackPi / 180.0;
    t.stiffness = modulus * area * std::cos(theta) /
                  ((spacing * toLength / wall.activeWidth) * (unbondedLength * toLength));
    if (!std::isfinite(t.stiffness)) throw ProblemStop(kTiebackUndefined);
    return t;
}

void addDistributedLoads(StationData& st, const WallRecord& wall, const DistributedLoadTable& t,
                         bool toFreeHeight) {
    if (t.count <= 0) return;
    const auto row = [](int r) { return static_cast<std::size_t>(r); };
    const double depthD = toFreeHeight ? wall.freeHeight : t.depth[row(t.count - 1)];
    const int last = nearestInteger(depthD / wall.incrementLength);
    const double h = wall.incrementLength;

    // Load per unit length at depth x: linear between the rows around x; above the first row the
    // first row's value. Returns false when no row is as deep as x.
    const auto loadAt = [&](double x, double& value) {
        for (int r = 0; r < t.count; ++r) {
            if (x > t.depth[row(r)]) continue;
            if (r == 0) {
                value = t.total[0];
            } else {
                const double d0 = t.depth[row(r - 1)], d1 = t.depth[row(r)];
                value = t.total[row(r - 1)] +
                        (t.total[row(r)] - t.total[row(r - 1)]) * (x - d0) / (d1 - d0);
            }
            return true;
        }
        return false;
    };

    double above = 0.0; // the value of the station above, for stations deeper than the table
    if (!loadAt(0.0, above)) above = t.total[row(t.count - 1)];
    const int lastStored = wall.increments + 3;
    for (int s = 1; s <= last && s <= lastStored; ++s) {
        double value = above;
        loadAt(static_cast<double>(s) * h, value);
        above = value;
        st.Q[s] += h * value;
    }
    if (last <= lastStored) return;
    // The table reaches below the station store: that is data beyond the wall's end unless the
    // load is zero from the last stored station down.
    bool nonZero = above != 0.0;
    for (int r = 0; r < t.count; ++r)
        if (t.depth[row(r)] > static_cast<double>(lastStored) * h && t.total[row(r)] != 0.0)
            nonZero = true;
    if (nonZero) throw ProblemStop(kDataBeyondEnd);
}

void checkNothingBeyondEnd(const StationData& st, int increments) {
    const int n1 = increments + 1, n2 = increments + 2;
    for (const StationArray<double>* a : {&st.F, &st.T, &st.R, &st.P}) {
        if ((*a)[n1] != 0.0 || (*a)[n2] != 0.0) throw ProblemStop(kDataBeyondEnd);
    }
    if (st.Q[n1] != 0.0 || st.S[n1] != 0.0) throw ProblemStop(kDataBeyondEnd);
}

} // namespace tervane
