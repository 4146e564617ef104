// Multipliers, equivalent depths and report blocks of the generated curve sets.

#include "EngineState.h"
#include "TestSupport.h"
#include "soil/CurveReportBlocks.h"
#include "soil/EquivalentDepth.h"
#include "soil/PYModifiers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace tervane;
using testsupport::TempDir;

namespace {

ModifierTable table(std::initializer_list<std::array<double, 3>> rows) {
    ModifierTable t;
    for (const auto& r : rows) {
        const auto k = static_cast<std::size_t>(t.count++);
        t.depth[k] = r[0];
        t.pMultiplier[k] = r[1];
        t.yMultiplier[k] = r[2];
    }
    return t;
}

// Closed-form resistance integral of a clay layer from 0 to z: min(3cb + gamma b z + 0.5 c z,
// 9cb) integrated.
double clayIntegral(double c, double gamma, double b, double z) {
    const double zl = 6 * c * b / (0.5 * c + gamma * b);
    const double upper = std::min(z, zl);
    double v = 3 * c * b * upper + (gamma * b + 0.5 * c) * upper * upper / 2;
    if (z > zl) v += 9 * c * b * (z - zl);
    return v;
}

std::vector<std::string> blockLines(const CurveBlock& block, int unitSystem = 1) {
    TempDir dir;
    TextOut out;
    out.open((dir / "block.txt").string());
    writeCurveBlock(out, UnitLabels::forSystem(unitSystem), block);
    out.close();
    return testsupport::lines(testsupport::readFile(dir / "block.txt"));
}

} // namespace

TEST(PYModifiers, TableInterpolationStepsAndOutside) {
    const ModifierTable t = table({{120, 0.5, 2.0}, {240, 1.0, 1.0}});
    const auto at = [&](double z) { return curveMultipliers(t, z, 60, 24, 100); };
    EXPECT_DOUBLE_EQ(at(180).p, 0.75);
    EXPECT_DOUBLE_EQ(at(180).y, 1.5);
    EXPECT_EQ(at(100).p, 1.0); // above the table
    EXPECT_EQ(at(300).p, 1.0); // below it
    EXPECT_EQ(at(120).p, 0.5);
    EXPECT_EQ(at(240).p, 1.0);

    // Two rows at one depth: the lower row's value holds at that depth.
    const ModifierTable step = table({{120, 0.5, 1}, {120, 0.8, 1}});
    EXPECT_EQ(curveMultipliers(step, 120, 60, 24, 100).p, 0.8);
    const ModifierTable midStep = table({{60, 0.2, 1}, {120, 0.5, 1}, {120, 0.8, 1}, {240, 1, 1}});
    EXPECT_EQ(curveMultipliers(midStep, 120, 60, 24, 100).p, 0.8);
    EXPECT_DOUBLE_EQ(curveMultipliers(midStep, 90, 60, 24, 100).p, 0.35);
    EXPECT_DOUBLE_EQ(curveMultipliers(midStep, 180, 60, 24, 100).p, 0.9);

    // A step at the end of the table: exactly at the last depth the first row found there holds
    // (0.6, 1.0), not the repeated row below it; a step inside the table takes the lower row.
    const ModifierTable endStep =
        table({{100, 0.3, 1}, {150, 0.5, 1}, {150, 0.8, 2}, {240, 0.6, 1}, {240, 0.7, 3}});
    const auto end = [&](double z) { return curveMultipliers(endStep, z, 60, 24, 100); };
    EXPECT_EQ(end(240).p, 0.6);
    EXPECT_EQ(end(240).y, 1.0);
    EXPECT_EQ(end(150).p, 0.8);
    EXPECT_EQ(end(150).y, 2.0);
    EXPECT_DOUBLE_EQ(end(120).p, 0.38); // 0.3 + 0.2 * 20/50
    EXPECT_DOUBLE_EQ(end(195).p, 0.7);  // 0.8 - 0.2 * 45/90
    EXPECT_EQ(end(240.5).p, 1.0);

    const ModifierTable single = table({{150, 0.7, 0.9}});
    EXPECT_EQ(curveMultipliers(single, 150, 60, 24, 100).p, 0.7);
    EXPECT_EQ(curveMultipliers(single, 151, 60, 24, 100).p, 1.0);
}

TEST(PYModifiers, CloseSpacingReductionWithoutATable) {
    const ModifierTable none;
    // Wa/Wp = 2.5: 0.5292 * 2.5^0.5659 below the excavation level, 1 above; y-multiplier 1.
    EXPECT_NEAR(curveMultipliers(none, 150, 60, 24, 100).p, 0.8888205484784691, 1e-15);
    EXPECT_EQ(curveMultipliers(none, 150, 60, 24, 100).y, 1.0);
    EXPECT_EQ(curveMultipliers(none, 99, 60, 24, 100).p, 1.0);
    EXPECT_NEAR(curveMultipliers(none, 100, 11, 10, 100).p, 0.5292 * std::pow(1.1, 0.5659), 1e-15);
    EXPECT_EQ(curveMultipliers(none, 150, 74.4, 24, 100).p, 1.0); // ratio 3.1
    EXPECT_EQ(curveMultipliers(none, 150, 24, 24, 100).p, 1.0);   // ratio 1
    EXPECT_EQ(widthRatio(12, 24), 1.0);
    EXPECT_EQ(widthRatio(60, 24), 2.5);
}

TEST(EquivalentDepth, ClayDepthCarriesTheResistanceAbove) {
    EquivalentDepthSoil s{kSoftClay, 10, 0, 0.04, 24, 1};
    // zl = 6*10*24/(5 + 0.96) = 241.6: both the parabolic and the constant part.
    for (double f : {0.0, 5000.0, 100000.0, 2000000.0}) {
        const double xeq = equivalentDepth(s, f);
        EXPECT_NEAR(clayIntegral(10, 0.04, 24, xeq), f, 1e-6 * std::max(f, 1.0)) << f;
    }
    s.type = kStiffClayNoFreeWater;
    EXPECT_NEAR(clayIntegral(10, 0.04, 24, equivalentDepth(s, 5000.0)), 5000.0, 1e-6);
    s.type = kStiffClayFreeWater;
    EXPECT_EQ(equivalentDepth(s, 5000.0), 0.0);
    s.type = kSoftClay;
    s.c = 0.0; // no resistance at any depth: no finite depth, 0
    EXPECT_EQ(equivalentDepth(s, 5000.0), 0.0);
}

TEST(EquivalentDepth, SandAndSiltGrowWithTheSumAbove) {
    const double phi = 30 * static_cast<double>(3.1416f) / 180;
    EquivalentDepthSoil sand{kSand, 0, phi, 0.06, 24, 0.1};
    EXPECT_NEAR(equivalentDepth(sand, 0.0), 0.0, 1e-12);
    double last = 0.0;
    for (double f : {1e3, 1e4, 1e5, 1e6, 1e8}) {
        const double xeq = equivalentDepth(sand, f);
        EXPECT_GT(xeq, last) << f;
        last = xeq;
    }
    EquivalentDepthSoil silt{kSilt, 5, phi, 0.06, 24, 0.1};
    EXPECT_LT(equivalentDepth(silt, 1e5), equivalentDepth(sand, 1e5)); // cohesion adds resistance
    sand.phi = 0.0;
    EXPECT_EQ(equivalentDepth(sand, 1e5), 0.0);
}

namespace {

// The sand factor A against x/b, as published: linear between the points, 0.88 beyond 6.
double factorA(double zb) {
    const double at[] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
    const double a[] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.9, 0.88, 0.88};
    for (int i = 1; i < 10; ++i)
        if (zb <= at[i])
            return a[i - 1] + (a[i] - a[i - 1]) * (zb - at[i - 1]) / (at[i] - at[i - 1]);
    return 0.88;
}

// Ultimate resistance of sand (wedge form, K0 = 0.4) times A, plus for silt (c > 0) the
// cohesion part c b Np = 3cb + gamma b z + 0.5 c z; above the depth where the wedge meets the
// flow-around.
double frictionalResistance(double z, double phi, double gamma, double b, double c) {
    const double pi = std::acos(-1.0), k0 = 0.4;
    const double alpha = phi / 2.0, beta = pi / 4.0 + phi / 2.0;
    const double ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2);
    const double wedge =
        gamma * z *
        (k0 * z * std::tan(phi) * std::sin(beta) / (std::tan(beta - phi) * std::cos(alpha)) +
         std::tan(beta) / std::tan(beta - phi) * (b + z * std::tan(beta) * std::tan(alpha)) +
         k0 * z * std::tan(beta) * (std::tan(phi) * std::sin(beta) - std::tan(alpha)) - ka * b);
    const double cohesion = c > 0.0 ? 3.0 * c * b + gamma * b * z + 0.5 * c * z : 0.0;
    return factorA(z / b) * wedge + cohesion;
}

// The depth at which the resistance integral from 0 reaches f: Simpson's rule on a fine grid,
// then bisection.
double rootOfIntegral(double f, double phi, double gamma, double b, double c) {
    const auto integral = [&](double x) {
        const int n = 4000;
        const double dz = x / n;
        double sum = 0.0;
        for (int i = 0; i <= n; ++i) {
            const double w = i == 0 || i == n ? 1.0 : (i % 2 ? 4.0 : 2.0);
            sum += w * frictionalResistance(i * dz, phi, gamma, b, c);
        }
        return sum * dz / 3.0;
    };
    double lo = 0.0, hi = 1000.0;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (integral(mid) < f ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

} // namespace

TEST(EquivalentDepth, SandAndSiltBelowSoftClayByHand) {
    // Soft clay c = 10 psi, gamma = 0.04 pci, b = 24 in from the excavation level to 120 in:
    // curves at x = 0.1, 30, 60, 90, 119.9 with pu = c b (3 + gamma x/c + 0.5 x/b) =
    // 720.6, 898.8, 1077.6, 1256.4, 1434.60; the clay passes down pu times the step from its
    // second curve on: F = 898.8*29.9 + 1077.6*30 + 1256.4*30 + 1434.60*29.9 = 139 788.8 lb.
    const auto clayPu = [](double x) { return 10.0 * 24.0 * (3.0 + 0.04 * x / 10.0 + x / 48.0); };
    const double depths[] = {0.1, 30.0, 60.0, 90.0, 119.9};
    double f = 0.0;
    for (int i = 1; i < 5; ++i)
        f += clayPu(depths[i]) * (depths[i] - depths[i - 1]);
    EXPECT_NEAR(f, 139788.8, 0.1);

    // Sand (phi = 30 deg, 0.06 pci) and silt (the same with c = 2 psi) below it start at the
    // depth where their own resistance integral reaches F. The engine sums the integral by
    // steps of zl/100 (sand) or zl/50 (silt), zl = (c3 - c1) b / c2 = 327.4 in the depth where
    // the wedge meets the flow-around, each step at its lower end: that sum runs ahead of the
    // integral by half a step's resistance, so its depth lies half a step above the root:
    // sand 139.05 - 1.64 = 137.41 (engine 137.42), silt 122.49 - 3.27 = 119.22 (engine 119.41).
    const double phi = 30.0 * static_cast<double>(3.1416f) / 180.0;
    const double zl = 327.4;
    struct Case {
        int type;
        double c;
        int steps;
        double hand; // the root, rounded
    };
    for (const Case& k : {Case{kSand, 0.0, 100, 139.05}, Case{kSilt, 2.0, 50, 122.49}}) {
        SCOPED_TRACE(k.type);
        const double root = rootOfIntegral(f, phi, 0.06, 24.0, k.c);
        EXPECT_NEAR(root, k.hand, 0.01);
        const double dz = zl / k.steps;
        const double xeq = equivalentDepth({k.type, k.c, phi, 0.06, 24.0, 120.1}, f);
        EXPECT_NEAR(xeq, root - dz / 2.0, 0.05 * dz);
    }
}

TEST(EquivalentDepth, Increments) {
    EXPECT_EQ(equivalentDepthIncrement(kSoftClay, 2.0, 100.0, 50.0, 0), 200.0);
    EXPECT_EQ(equivalentDepthIncrement(kSand, 2.0, 100.0, 50.0, 0), 150.0);
    EXPECT_NEAR(equivalentDepthIncrement(kStiffClayFreeWater, 2.0, 100.0, 50.0, 0.6),
                150.0 * (1.225 * std::sqrt(0.6) - 0.45 - 0.411), 1e-12);
    EXPECT_EQ(equivalentDepthIncrement(kWeakRock, 2.0, 100.0, 50.0, 0), 0.0);
}

TEST(CurveReportBlocks, SoftClayBlockLineByLine) {
    CurveSite s;
    s.b = 24;
    s.c = 10;
    s.gamma = 0.04;
    s.e50 = 0.02;
    s.xw = 60;
    PYCurve r;
    r.initialModulus = 1.5e12;
    CurveValues y{}, p{};
    y[1] = 0.0096;
    p[1] = 107.76;
    for (std::size_t i = 3; i < y.size(); ++i)
        y[i] = 1.0;
    y[2] = 1e-15; // below 1e-14 after the y-multiplier: the modulus warning follows the point
    CurveBlock block{kSoftClay, WallSide::Excavation, &s, &r, &y, &p, 0.8888, 1.0};
    const auto lines = blockLines(block);
    ASSERT_EQ(lines.size(), 3u + 6u + 17u + 3u + 2u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[2], "         AT THE EXCAVATION SIDE");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50");
    EXPECT_EQ(lines[5], "               IN             IN     LBS/IN**2  LBS/IN**3");
    EXPECT_EQ(lines[6], "             60.00          24.000 0.1000D+02 0.4000D-01   0.2000D-01");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], std::string(37, ' ') + "Y,IN" + std::string(13, ' ') + "P,LBS/IN");
    EXPECT_EQ(lines[9], std::string(21, ' ') + "               0.000               0.000");
    EXPECT_EQ(lines[10], std::string(21, ' ') + "               0.010             107.760");
    EXPECT_EQ(lines[12], "                             **** WARNING ****");
    EXPECT_EQ(lines[13], "     DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM");
    EXPECT_EQ(lines[14], "     USED A SOIL MODULUS OF   0.1500D+13");
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(),
              std::string(21, ' ') + " P-Multiplier =  0.889E+00 Y-Multiplier =  0.100E+01");
}

TEST(CurveReportBlocks, SiltStrongRockAndWeakRockHeadings) {
    CurveSite s;
    s.b = 0.6;
    s.phi = 30 * static_cast<double>(3.1416f) / 180;
    s.gamma = 18;
    s.xs = 2.5;
    s.xw = 2.5;
    PYCurve r;
    r.coefA = 1.48;
    r.coefB = 1.05;
    r.cohesionPart = 12.5;
    r.frictionPart = 40.26;
    r.rockC = 5000;
    CurveValues y{}, p{};
    CurveBlock silt{kSilt, WallSide::Backfill, &s, &r, &y, &p, 1.0, 1.0};
    auto lines = blockLines(silt, 2);
    EXPECT_EQ(lines[2], "         AT THE BACKFILL SIDE");
    EXPECT_EQ(lines[5], "     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc"
                        "       Pu\xED");
    EXPECT_EQ(lines[6], "        M         M             KN/ M**3");
    EXPECT_EQ(lines[7], "      2.50      0.60      30.0 0.180E+02      1.48      1.05 0.125E+02"
                        " 0.403E+02");
    EXPECT_EQ(lines[10], std::string(37, ' ') + " M" + std::string(16, ' ') + " KN/ M");
    EXPECT_EQ(lines[11], std::string(21, ' ') + "           0.000E+00           0.000E+00");

    CurveBlock rock{kStrongRock, WallSide::Backfill, &s, &r, &y, &p, 1.0, 1.0};
    lines = blockLines(rock);
    ASSERT_EQ(lines.size(), 2u + 3u + 2u + 17u); // no side title and no multiplier line
    EXPECT_EQ(lines[2], std::string(17, ' ') + "DEPTH-BACKFILL SIDE       DIAM        C       ");
    EXPECT_EQ(lines[3], std::string(30, ' ') + "IN            IN     LBS/IN**2 ");
    EXPECT_EQ(lines[4], std::string(24, ' ') + "      2.50          0.600   0.5E+04");
    EXPECT_EQ(lines[7], std::string(21, ' ') + "           0.000D+00           0.000D+00");

    s.xw = 1e-7;
    s.c = 1000;
    s.k = 20000;
    s.e50 = 0.0005;
    CurveBlock weak{kWeakRock, WallSide::Excavation, &s, &r, &y, &p, 1.0, 1.0};
    lines = blockLines(weak);
    ASSERT_EQ(lines.size(), 3u + 5u + 2u + 17u);
    EXPECT_EQ(lines[5], "              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50");
    EXPECT_EQ(lines[6], "                IN       IN    LBS/IN**2 LBS/IN**2 LBS/IN**3 ");
    EXPECT_EQ(lines[7], "                0.00     0.600  0.10E+04  0.20E+05  0.18E+02   0.500E-03");
}
