#pragma once
// Test support: the deflection curve of the first result block of a plot data file, as the
// deflection graph's first curve holds it (depth, deflection per station), read token by token.
// Only the block layouts the example runs write are understood (a curve block with curves).

#include "Scene3DBuilder.h"

#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

inline std::vector<tervane::TDeflectionPoint> readPlotDeflections(const std::string& path) {
    std::ifstream in(path);
    std::vector<tervane::TDeflectionPoint> out;
    double skip = 0;
    int n = 0;
    if (!(in >> n)) return out;
    for (int i = 0; i < 4 * n; ++i)
        in >> skip;
    int units = 0, curves = 0;
    in >> units >> curves;
    for (int c = 0; c < curves; ++c) {
        int points = 0;
        in >> skip >> points;
        for (int i = 0; i < 2 * points; ++i)
            in >> skip;
    }
    int marker = 0, rows = 0;
    in >> marker >> rows >> units;
    for (int r = 0; r < rows && in; ++r) {
        double x = 0, deflection = 0, moment = 0, shear = 0, reaction = 0;
        in >> x >> deflection >> moment >> shear >> reaction;
        out.push_back({units == 1 ? x / 12 : x, deflection});
    }
    return in ? out : std::vector<tervane::TDeflectionPoint>{};
}

} // namespace testsupport
