#include "CurveTables.h"

#include <array>
#include <cstddef>

namespace tervane {
namespace {

template <std::size_t N> struct Table {
    std::array<double, N> x;
    std::array<double, N> v;
};

constexpr Table<10> kSandA{{0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6},
                           {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.9, 0.88, 0.88}};
constexpr Table<10> kSandB{{0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6},
                           {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.5, 0.5}};
constexpr Table<6> kStiffClayAs{{0, 1, 2, 3, 4, 5}, {0.223, 0.46, 0.55, 0.59, 0.6, 0.6}};

// Linear interpolation from the point at or above t, so a tabulated x/b returns the tabulated
// value exactly. Above the first point the first value holds, beyond the last the last value.
template <std::size_t N> double lookUp(const Table<N>& t, double xb) {
    if (!(xb > t.x[0])) return t.v[0];
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (xb < t.x[i + 1]) {
            return t.v[i] + (t.v[i + 1] - t.v[i]) * (xb - t.x[i]) / (t.x[i + 1] - t.x[i]);
        }
    }
    return t.v[N - 1];
}

} // namespace

double sandCoefficientA(double depthOverWidth) {
    return lookUp(kSandA, depthOverWidth);
}
double sandCoefficientB(double depthOverWidth) {
    return lookUp(kSandB, depthOverWidth);
}
double stiffClayCoefficientAs(double depthOverWidth) {
    return lookUp(kStiffClayAs, depthOverWidth);
}

} // namespace tervane
