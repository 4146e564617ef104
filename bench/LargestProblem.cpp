#include "LargestProblem.h"

namespace bench {

std::string largestProblemDataFile() {
    // English units: inches, pounds; tieback depths, unbonded lengths and spacings in feet.
    std::string f;
    const auto line = [&f](const std::string& text) { f += text + "\r\n"; };
    line("Largest problem: 407 increments, ten generated soil layers, tiebacks, moment-EI");
    // units, restraints, stiffness rows, modifier rows, load option, p-y option, user curves,
    // stages, moment-EI sets, tiebacks
    line("1 0\t1\t3\t2\t2 0 1 1 2");
    // N, h, Dmax, closure tolerance, H, Wa
    line("407 4.5\t100\t0\t240\t60");
    line("0\t407\t1\t3E10");
    line("1");
    line("1\t0\t0\t5000\t0\t0");
    line("0");
    line("10\t1.5\t29000000\t20\t15\t8");
    line("18\t1.5\t29000000\t15\t15\t8");
    line("240\t0.8\t1");
    line("1000\t0.9\t1");
    line("1800\t1\t1");
    // H, Wa, Wp, DWb, DWe, active factor, pressure code, backfill slope
    line("240\t60\t24\t120\t240\t1\t1\t0");
    line("0\t0\t0\t0\t0\t0");
    line("0");
    line("10");
    const auto layer = [&line](int type, int bottom, const std::string& values) {
        line(std::to_string(type) + " " + std::to_string(bottom) + " ");
        line(values);
        line(values);
    };
    // unit weight, cohesion or qu, friction angle, E50 or krm, k or Em, sixth value
    layer(4, 360, "0.069 0.0  30 0.0  60 0 ");
    layer(3, 520, "0.069 10 0.0  0.005 500 0 ");
    layer(4, 680, "0.07 0.0  32 0.0  90 0 ");
    layer(5, 840, "0.068 2 28 0.01 60 0 ");
    layer(2, 1000, "0.072 15 0.0  0.005 1000 0 ");
    layer(4, 1160, "0.072 0.0  36 0.0  125 0 ");
    layer(3, 1320, "0.074 20 0.0  0.004 2000 0 ");
    layer(1, 1480, "0.063 4 0.0  0.02 30 0 ");
    layer(7, 1640, "0.08 500 0.0  0.0005 50000 50 ");
    layer(6, 1900, "0.09 2000 0.0  0.0  0.0  0.0  ");
    // moment-EI set over the whole wall
    line("0\t407\t3");
    line("0\t3E10");
    line("2000000\t2.5E10");
    line("100000000\t1E10");
    line("0");
    return f;
}

} // namespace bench
