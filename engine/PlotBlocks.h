#pragma once
// Blocks 1 and 2 of the plot data file: the distributed load on the wall and the soil resistance
// curves, per problem. Block 3 (results) is written by PlotResults.

#include "EngineState.h"
#include "TextOut.h"

#include <string>

namespace tervane {

// Free-form line of reals at full double precision (shortest text that reads back exactly).
std::string freeReals(std::initializer_list<double> values);

// Rows 1, 1+k, 1+2k, ... of a table of t rows and then row t when the step misses it, with
// k = 6 for unit system 1, 4 for unit system 2 and 1 otherwise. Calls `use(r)` with 0-based rows
// and returns how many rows it produced.
template <typename Use> int forEachThinnedRow(int t, int unitSystem, bool thin, Use use) {
    const int k = !thin ? 1 : unitSystem == 1 ? 6 : unitSystem == 2 ? 4 : 1;
    int written = 0, last = -1;
    for (int i = 0; i < t; i += k) {
        use(i);
        last = i;
        ++written;
    }
    if (t > 0 && last != t - 1) {
        use(t - 1);
        ++written;
    }
    return written;
}

// Generated tables of more than this many rows are thinned in the report and the plot file.
inline constexpr int kThinningThreshold = 50;

// Block 1 for a problem without distributed load: one line holding 0.
void writeNoLoadBlock(TextOut& plot);
// Block 1 from the distributed-load table; a generated table (`generated`) is thinned.
void writeLoadBlock(TextOut& plot, const DistributedLoadTable& t, int unitSystem, bool generated);

// Block 2, form A: unit system and 0.
void writeNoCurvesBlock(TextOut& plot, int unitSystem);
// Block 2 from the curve table (points per unit length, before the conversion to force per
// station): form B when every curve is generated, C when user curves come first, D for user
// curves alone. `generatedDepth[k]` is the depth of generated curve k (form B only).
enum class CurveForm { generated, mixed, user };
void writeCurveBlock(TextOut& plot, const StationData& st, int unitSystem, CurveForm form,
                     const double* generatedDepth);

} // namespace tervane
