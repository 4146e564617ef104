// The solver allocates nothing per iteration: a solution of 40 iterations makes exactly as many
// allocations as one of 2 (the run-notes buffer and the monitor line buffer, once each).

#include "SolverTestWall.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

// Counting replacements of the global allocation functions for this test program.
void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return ::operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace solvertest;

namespace {

// A wall on softening curves with a closure tolerance it cannot meet: it iterates to the limit.
long allocationsForIterations(int iterations) {
    const int n = 60;
    const double h = 10.0;
    TestWall t(n, h, 1.0e3, 0.0);
    t.uniformStiffness(5.0e9);
    t.st().Q[0] = 8000.0;
    std::vector<std::pair<double, double>> pts;
    for (int i = -10; i <= 10; ++i)
        pts.push_back({0.2 * i, -50.0 * std::tanh(0.5 * i) * h});
    for (int s = 0; s <= n; ++s)
        t.addCurve(s, 1, pts);
    t.st().momentEICount = 1;
    MomentEISet& set = t.st().momentEI[0];
    set.firstStation = 0;
    set.lastStation = n;
    set.pointCount = 2;
    set.moment[0] = 0.0, set.moment[1] = 1.0e7;
    set.ei[0] = 5.0e9, set.ei[1] = 4.0e9;
    const long before = g_allocations.load();
    const SolverOutcome o = solveWall(t.wall, iterations, t.st(), t.work(), t.notes());
    const long after = g_allocations.load();
    EXPECT_EQ(o.iterations, iterations);
    return after - before;
}

} // namespace

TEST(SolverAllocation, NothingAllocatedPerIteration) {
    const long two = allocationsForIterations(2);
    const long forty = allocationsForIterations(40);
    EXPECT_EQ(forty, two);
    EXPECT_LE(two, 2);
}
