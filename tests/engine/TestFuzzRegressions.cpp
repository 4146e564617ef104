// Replays every input the fuzzers once found troublesome: each must end the run in order (result
// 0, or 2 for a fatal stop of the soil models), with the report closed by its final line. An
// input that makes the run hang is ended by the test's CTest timeout (tests/CMakeLists.txt).

#include "EngineHarness.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(FuzzRegressions, EveryStoredInputEndsTheRunInOrder) {
    const fs::path folder = dataPath("fuzz-regressions");
    int replayed = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README") continue;
        EngineHarness h;
        const EngineOutput out = h.run(readFile(entry.path()));
        EXPECT_TRUE(out.result == 0 || out.result == 2) << entry.path();
        if (out.result == 0) {
            EXPECT_NE(out.report.find("     END OF ANALYSIS\n"), std::string::npos) << entry.path();
        }
        ++replayed;
    }
    EXPECT_GE(replayed, 1);
}
