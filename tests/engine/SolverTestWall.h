#pragma once
// A wall for the solver tests, built directly on station data: stiffness, loads, springs,
// restraints and curves set station by station, solved with the run notes in a private folder.

#include "BandedRecursion.h"
#include "FiniteDifferenceEquations.h"
#include "Solver.h"
#include "StationData.h"
#include "TestSupport.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace solvertest {

using namespace tervane;

class TestWall {
public:
    TestWall(int n, double h, double maxDeflection = 1.0e9, double tolerance = 1.0e-9)
        : m_st(std::make_unique<StationData>()), m_work(std::make_unique<SolverWork>()),
          m_results(std::make_unique<StationResults>()) {
        wall.increments = n;
        wall.incrementLength = h;
        wall.maxDeflection = maxDeflection;
        wall.tolerance = tolerance;
        m_st->code.fill(kCodeFree);
        m_notes.open((m_dir / "notes.tv5r").string());
    }

    StationData& st() { return *m_st; }
    SolverWork& work() { return *m_work; }
    const StationResults& results() const { return *m_results; }
    int n() const { return wall.increments; }
    double h() const { return wall.incrementLength; }

    // Uniform EI over stations 0 .. N, the two end stations keeping half (as a stiffness row
    // from 0 to N gives it).
    void uniformStiffness(double ei) {
        for (int s = 0; s <= n(); ++s)
            m_st->F[s] = ei;
        m_st->F[0] *= 0.5;
        m_st->F[n()] *= 0.5;
    }
    // Springs of k per unit length: S = k h per station, half at the two ends.
    void uniformSprings(double kPerLength) {
        for (int s = 0; s <= n(); ++s)
            m_st->S[s] = kPerLength * h();
        m_st->S[0] *= 0.5;
        m_st->S[n()] *= 0.5;
    }

    // Restraint rows as the input reader hands them over: the boundary codes of the row and
    // its values at the stations whose codes it sets.
    void restrainDeflection(int m, double delta) {
        m_st->code[m] = kCodeDeflection;
        m_st->boundaryDeflection[m] = delta;
        addRow(m, 1, delta, 0.0);
    }
    void restrainSlope(int m, double theta) {
        m_st->code[m - 1] = kCodeSlopeFirst;
        m_st->code[m + 1] = kCodeSlopeLast;
        m_st->boundarySlope[m - 1] = theta;
        m_st->boundarySlope[m + 1] = theta;
        addRow(m, 2, 0.0, theta);
    }
    void restrainBoth(int m, double delta, double theta) {
        m_st->code[m - 1] = kCodeSlopeFirst;
        m_st->code[m] = kCodeSlopeDeflection;
        m_st->code[m + 1] = kCodeSlopeLast;
        m_st->boundarySlope[m - 1] = theta;
        m_st->boundaryDeflection[m] = delta;
        m_st->boundarySlope[m + 1] = theta;
        addRow(m, 3, delta, theta);
    }

    // A curve at one station; points (y, p) with p already as force per station.
    Curve& addCurve(int station, int continuation,
                    const std::vector<std::pair<double, double>>& pts) {
        Curve& c = m_st->curves[static_cast<std::size_t>(m_st->curveCount++)];
        c.firstStation = station;
        c.lastStation = station;
        c.continuation = continuation;
        c.pointCount = static_cast<int>(pts.size());
        for (std::size_t i = 0; i < pts.size(); ++i) {
            c.w[i] = pts[i].first;
            c.qc[i] = pts[i].second;
        }
        return c;
    }

    SolverOutcome solve(int maxIterations = 100) {
        outcome = solveWall(wall, maxIterations, *m_st, *m_work, m_notes);
        computeResults(wall, *m_st, *m_work, *m_results);
        return outcome;
    }
    double w(int s) const { return m_work->w[s]; }

    // The run notes written so far (closes the file).
    std::vector<std::string> notesLines() {
        m_notes.close();
        return testsupport::lines(testsupport::readFile(m_dir / "notes.tv5r"));
    }
    TextOut& notes() { return m_notes; }

    // Residual of the five-term equation of station s at the final deflections, with the final
    // working loads and springs.
    double residual(int s) const {
        const FiveTermEquation eq = equationAt(*m_st, m_work->qWork, m_work->sWork, h(), s);
        const auto& ww = m_work->w;
        return eq.a * ww[s - 2] + eq.b * ww[s - 1] + eq.c * ww[s] + eq.d * ww[s + 1] +
               eq.e * ww[s + 2] - eq.f;
    }
    // Scale of the equation of station s, to judge a residual.
    double equationScale(int s) const {
        const FiveTermEquation eq = equationAt(*m_st, m_work->qWork, m_work->sWork, h(), s);
        const auto& ww = m_work->w;
        double scale = std::fabs(eq.f);
        for (int k = -2; k <= 2; ++k) {
            const double coef = k == -2   ? eq.a
                                : k == -1 ? eq.b
                                : k == 0  ? eq.c
                                : k == 1  ? eq.d
                                          : eq.e;
            scale = std::max(scale, std::fabs(coef * ww[s + k]));
        }
        return scale;
    }

    WallRecord wall;
    SolverOutcome outcome;

private:
    void addRow(int m, int caseCode, double delta, double theta) {
        SpecifiedPoint& p = m_st->specified[static_cast<std::size_t>(m_st->specifiedCount++)];
        p.station = m;
        p.caseCode = caseCode;
        p.deflection = delta;
        p.slope = theta;
    }

    testsupport::TempDir m_dir;
    std::unique_ptr<StationData> m_st;
    std::unique_ptr<SolverWork> m_work;
    std::unique_ptr<StationResults> m_results;
    TextOut m_notes;
};

} // namespace solvertest
