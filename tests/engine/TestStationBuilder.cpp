// Station data from table rows: the range rule with its half values and continued rows, specified
// points, distributed loads at stations and the checks on the station store.

#include "EngineErrors.h"
#include "StationBuilder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tervane;

namespace {

struct Wall {
    std::unique_ptr<StationData> st = std::make_unique<StationData>();
    WallRecord wall{80, 6.0, 10.0, 1e-4, 120.0, 12.0};
    Wall() { resetStations(*st); }
    RangeSpreader stiffness() {
        return RangeSpreader(*st, wall.increments, {&st->F, nullptr, nullptr});
    }
};

} // namespace

TEST(StationBuilder, RangeRuleHalvesTheEndsAndAddsSharedEnds) {
    Wall a;
    auto f = a.stiffness();
    EXPECT_EQ(f.addRow(0, 80, 1, {1.0e6, 0, 0}), 0);
    EXPECT_EQ(a.st->F[0], 0.5e6);
    EXPECT_EQ(a.st->F[1], 1.0e6);
    EXPECT_EQ(a.st->F[79], 1.0e6);
    EXPECT_EQ(a.st->F[80], 0.5e6);
    EXPECT_EQ(a.st->F[81], 0.0);

    Wall b; // two ranges sharing station 40 give it the full value
    auto g = b.stiffness();
    g.addRow(0, 40, 1, {2.0e6, 0, 0});
    g.addRow(40, 80, 1, {2.0e6, 0, 0});
    EXPECT_EQ(b.st->F[40], 2.0e6);
    EXPECT_EQ(b.st->F[80], 1.0e6);

    Wall c; // 0-10 (mode 2, 1E6) and 20-40 (mode 1, 3E6): linear from station 0 to station 40
    auto k = c.stiffness();
    EXPECT_EQ(k.addRow(0, 10, 2, {1.0e6, 0, 0}), 0);
    EXPECT_EQ(c.st->F[5], 0.0); // nothing added until the sequence closes
    EXPECT_EQ(k.addRow(20, 40, 1, {3.0e6, 0, 0}), 1);
    EXPECT_EQ(c.st->F[0], 0.5e6);
    EXPECT_DOUBLE_EQ(c.st->F[10], 1.5e6);
    EXPECT_DOUBLE_EQ(c.st->F[15], 1.75e6);
    EXPECT_DOUBLE_EQ(c.st->F[20], 2.0e6);
    EXPECT_EQ(c.st->F[40], 1.5e6);

    Wall d; // a row that carries a sequence on starts the next stretch at its last station
    auto m = d.stiffness();
    m.addRow(0, 0, 2, {0.0, 0, 0});
    EXPECT_EQ(m.addRow(30, 40, 2, {4.0e6, 0, 0}), 1);
    EXPECT_EQ(m.addRow(70, 80, 1, {4.0e6, 0, 0}), 1);
    EXPECT_DOUBLE_EQ(d.st->F[20], 2.0e6);
    EXPECT_DOUBLE_EQ(d.st->F[40], 4.0e6); // both stretches end here with half each
    EXPECT_DOUBLE_EQ(d.st->F[60], 4.0e6);
    EXPECT_DOUBLE_EQ(d.st->F[80], 2.0e6);

    Wall e; // a single station takes the whole value
    RangeSpreader q(*e.st, 80, {&e.st->Q, &e.st->T, &e.st->P});
    q.addRow(12, 12, 1, {500.0, 20.0, -3.0});
    EXPECT_EQ(e.st->Q[12], 500.0);
    EXPECT_EQ(e.st->T[12], 20.0);
    EXPECT_EQ(e.st->P[12], -3.0);
}

TEST(StationBuilder, StoreAndOrderChecks) {
    Wall a;
    auto f = a.stiffness();
    EXPECT_THROW(f.addRow(40, 30, 1, {1.0, 0, 0}), ProblemStop);
    EXPECT_NO_THROW(f.addRow(-3, 83, 1, {1.0, 0, 0}));
    EXPECT_THROW(f.addRow(0, 84, 1, {1.0, 0, 0}), ProblemStop);
    EXPECT_THROW(f.addRow(-4, 0, 1, {1.0, 0, 0}), ProblemStop);
    // Specified points reach one station each side; stations -1 .. N+2 fit.
    EXPECT_NO_THROW(addSpecifiedPoint(*a.st, 80, -1, 3, 0.0, 0.0));
    EXPECT_NO_THROW(addSpecifiedPoint(*a.st, 80, 82, 1, 0.0, 0.0));
    EXPECT_THROW(addSpecifiedPoint(*a.st, 80, 83, 1, 0.0, 0.0), ProblemStop);
    EXPECT_EQ(nearestInteger(2.5), 3);
    EXPECT_EQ(nearestInteger(-2.5), -3);
    EXPECT_THROW(requireStoredStation(nearestInteger(1e300), 80), ProblemStop);

    // Slope then deflection at one station, in either order: each code keeps its own value.
    Wall b;
    addSpecifiedPoint(*b.st, 80, 80, 2, 0.0, 0.01);
    addSpecifiedPoint(*b.st, 80, 80, 1, 0.25, 0.0);
    EXPECT_EQ(b.st->code[79], 3);
    EXPECT_EQ(b.st->code[80], 2);
    EXPECT_EQ(b.st->code[81], 5);
    EXPECT_EQ(b.st->boundarySlope[79], 0.01);
    EXPECT_EQ(b.st->boundaryDeflection[80], 0.25);
    EXPECT_EQ(b.st->boundarySlope[81], 0.01);
}

TEST(StationBuilder, DistributedLoadAtStations) {
    // Rows at 30 (2.0) and 60 (8.0): above the first row the first row's value; linear between.
    Wall a;
    DistributedLoadTable t;
    t.count = 2;
    t.depth[0] = 30.0;
    t.total[0] = 2.0;
    t.depth[1] = 60.0;
    t.total[1] = 8.0;
    addDistributedLoads(*a.st, a.wall, t, false);
    EXPECT_EQ(a.st->Q[0], 0.0);
    EXPECT_DOUBLE_EQ(a.st->Q[1], 12.0);
    EXPECT_DOUBLE_EQ(a.st->Q[5], 12.0);
    EXPECT_DOUBLE_EQ(a.st->Q[7], 6.0 * 4.4);
    EXPECT_DOUBLE_EQ(a.st->Q[10], 48.0);
    EXPECT_EQ(a.st->Q[11], 0.0);

    // A generated table runs to the free height (station 20); below its last row each station
    // takes the value of the station above.
    Wall b;
    addDistributedLoads(*b.st, b.wall, t, true);
    EXPECT_DOUBLE_EQ(b.st->Q[20], 48.0);
    EXPECT_EQ(b.st->Q[21], 0.0);

    // Non-zero data at the station below the tip is beyond the wall's end.
    Wall c;
    EXPECT_NO_THROW(checkNothingBeyondEnd(*c.st, 80));
    c.st->Q[81] = 1.0;
    EXPECT_THROW(checkNothingBeyondEnd(*c.st, 80), ProblemStop);
    Wall d;
    d.st->R[82] = 1.0;
    EXPECT_THROW(checkNothingBeyondEnd(*d.st, 80), ProblemStop);
    // A table reaching below the store is beyond the end too, unless its load is zero there.
    t.depth[1] = 6000.0;
    Wall e;
    EXPECT_THROW(addDistributedLoads(*e.st, e.wall, t, false), ProblemStop);
    t.total[0] = t.total[1] = 0.0;
    EXPECT_NO_THROW(addDistributedLoads(*e.st, e.wall, t, false));
}
