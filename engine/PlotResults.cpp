#include "PlotResults.h"

#include "FixedFields.h"

namespace tervane {

void writeResultBlock(TextOut& plot, int marker, const ResultRows& rows, int unitSystem) {
    plot.freeInts({marker, rows.count, unitSystem});
    fixed::Line l;
    for (int k = 0; k < rows.count; ++k) {
        l.clear();
        const std::size_t i = static_cast<std::size_t>(k);
        for (double v : {rows.depth[i], rows.deflection[i], rows.moment[i], rows.shear[i],
                         rows.reaction[i]})
            l.x(1).e(v, 13, 4);
        plot.line(l.view());
    }
}

} // namespace tervane
