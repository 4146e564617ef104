// The distributed load on the wall: the user's table of record 12 or the table the earth-pressure
// stage leaves in QKTEMP.001, the surcharge part of a user table, plot block 1 and the loads at
// the stations.

#include "EngineErrors.h"
#include "FileText.h"
#include "InputReader.h"
#include "PlotBlocks.h"
#include "ReportEcho.h"
#include "StationBuilder.h"
#include "soil/SoilStages.h"

namespace tervane {
namespace {

constexpr const char* kPressureFile = "QKTEMP.001";

void storeRow(DistributedLoadTable& t, int r, double depth, double total, double earth,
              double surcharge) {
    const std::size_t i = static_cast<std::size_t>(r);
    t.depth[i] = depth;
    t.total[i] = total;
    t.earth[i] = earth;
    t.surcharge[i] = surcharge;
}

// A table of rows read from a data or scratch file: the count must fit the table.
int checkedRowCount(int count) {
    if (count > kMaxDistributedLoadRows) throw ProblemStop(kTooMuchData, 2);
    return count < 0 ? 0 : count;
}

// The width a pressure acts on: Wa down to the free height, Wp from the first row deeper on.
class PressureWidth {
public:
    explicit PressureWidth(const SoilInput& soil) : m_soil(soil) {}
    double at(double depth) {
        if (depth > m_soil.freeHeight) m_below = true;
        return m_below ? m_soil.pyWidth : m_soil.activeWidth;
    }

private:
    const SoilInput& m_soil;
    bool m_below = false;
};

} // namespace

// QKTEMP.001: a row count, then depth, total, earth part and surcharge part per row; each load
// becomes force per unit length of wall.
void readGeneratedTable(RunContext& ctx, std::optional<std::size_t> writtenBytes) {
    EngineState& s = ctx.state;
    DistributedLoadTable& t = s.distributedLoad;
    // The column heading comes first: a table that cannot be read is reported below it.
    writeDistributedLoadHeading(ctx.report, s.labels);
    std::string text;
    readScratchFile(ctx.scratchPath(kPressureFile).string(), kPressureFile, writtenBytes, text);
    FreeReader in;
    in.reset(std::move(text), kPressureFile);
    const int count = [&] {
        in.begin();
        const int c = in.integer();
        in.end();
        return c;
    }();
    t.count = 0;
    const int rows = checkedRowCount(count);
    PressureWidth width(s.soil);
    for (int r = 0; r < rows; ++r) {
        double v[4];
        in.reals(v, 4);
        const double b = width.at(v[0]);
        storeRow(t, r, v[0], v[1] * b, v[2] * b, v[3] * b);
        t.count = r + 1;
    }
    forEachThinnedRow(t.count, s.control.unitSystem, t.count > kThinningThreshold, [&](int r) {
        const std::size_t i = static_cast<std::size_t>(r);
        writeDistributedLoadRow(ctx.report, t.depth[i], t.total[i]);
    });
}

void readDistributedLoad(RunContext& ctx) {
    EngineState& s = ctx.state;
    DistributedLoadTable& t = s.distributedLoad;
    t.count = 0;
    if (s.control.loadOption == 0) {
        writeNoLoadBlock(ctx.plot);
        return;
    }
    if (s.control.loadOption != 1) return;
    writeSectionBanner(ctx.report, "*        SPECIFIED ACTIVE EARTH PRESSURE         *");
    ctx.report.emptyLines(1);
    writeDistributedLoadHeading(ctx.report, s.labels);
    FreeReader& in = ctx.data;
    in.begin();
    const int count = in.integer();
    in.end();
    if (count < 0)
        throw ProblemStop(
            "     ERROR STOP -- NUMBER OF DISTRIBUTED LOAD ROWS MUST NOT BE NEGATIVE");
    const int rows = checkedRowCount(count);
    for (int r = 0; r < rows; ++r) {
        double v[2];
        in.reals(v, 2);
        storeRow(t, r, v[0], v[1], v[1], 0.0);
        t.count = r + 1;
        writeDistributedLoadRow(ctx.report, v[0], v[1]);
    }
}

void addSurchargeToUserTable(RunContext& ctx) {
    EngineState& s = ctx.state;
    DistributedLoadTable& t = s.distributedLoad;
    if (s.control.loadOption != 1 || s.soil.surchargeCount <= 0) return;
    // The surcharge pressure at each row's depth on the width it acts on.
    PressureWidth width(s.soil);
    for (int r = 0; r < t.count; ++r) {
        const std::size_t i = static_cast<std::size_t>(r);
        t.surcharge[i] = surchargePressureAt(s, t.depth[i]) * width.at(t.depth[i]);
        t.total[i] = t.earth[i] + t.surcharge[i];
    }
}

void applyDistributedLoad(RunContext& ctx) {
    EngineState& s = ctx.state;
    if (s.control.loadOption <= 0) return;
    const bool generated = s.control.loadOption > 1;
    writeLoadBlock(ctx.plot, s.distributedLoad, s.control.unitSystem, generated);
    addDistributedLoads(s.stations, s.wall, s.distributedLoad, generated);
}

} // namespace tervane
