#include "PlotBlocks.h"

#include "FixedFields.h"
#include "ShortestReal.h"


namespace tervane {
namespace {

// An earth part of exactly zero is written as this value, which the graphs can take a log of.
constexpr double kZeroEarthPart = 1.0E-7;

} // namespace

std::string freeReals(std::initializer_list<double> values) {
    std::string out;
    char buf[40];
    for (double v : values) {
        out += ' ';
        out.append(buf, shortestReal(buf, buf + sizeof buf, v));
    }
    return out;
}

void writeNoLoadBlock(TextOut& plot) {
    plot.freeInts({0});
}

void writeLoadBlock(TextOut& plot, const DistributedLoadTable& t, int unitSystem, bool generated) {
    const bool thin = generated && t.count > kThinningThreshold;
    const int n = forEachThinnedRow(t.count, unitSystem, thin, [](int) {});
    plot.freeInts({n});
    fixed::Line l;
    forEachThinnedRow(t.count, unitSystem, thin, [&](int r) {
        const std::size_t i = static_cast<std::size_t>(r);
        const double earth = t.earth[i] == 0.0 ? kZeroEarthPart : t.earth[i];
        l.clear();
        for (double v : {t.depth[i], t.total[i], earth, t.surcharge[i]})
            l.x(2).e(v, 10, 3);
        plot.line(l.view());
    });
}

void writeNoCurvesBlock(TextOut& plot, int unitSystem) {
    plot.freeInts({unitSystem, 0});
}

void writeCurveBlock(TextOut& plot, const StationData& st, int unitSystem, CurveForm form,
                     const double* generatedDepth) {
    plot.freeInts({unitSystem, st.curveCount});
    for (int k = 0; k < st.curveCount; ++k) {
        const Curve& c = st.curves[static_cast<std::size_t>(k)];
        if (form == CurveForm::generated) {
            plot.line(
                fixed::Line().x(1).f(generatedDepth[k], 10, 2).x(1).i(c.pointCount, 5).view());
        } else {
            plot.freeInts({c.firstStation, c.pointCount});
        }
        for (int i = 0; i < c.pointCount; ++i) {
            const std::size_t j = static_cast<std::size_t>(i);
            plot.line(freeReals({c.w[j], c.qc[j]}));
        }
    }
}

} // namespace tervane
