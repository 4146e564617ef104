#pragma once
// Runs the engine in-process on a data file held in a string, in a private working folder, and
// returns what it wrote. Report dates are fixed at 5 March 2015 09:04:07 so reports compare.

#include "EngineState.h"
#include "RunControl.h"
#include "TestSupport.h"

#include <memory>
#include <string>

namespace testsupport {

struct EngineOutput {
    int result = -1;
    std::string report, plot, notes;
    std::vector<std::string> reportLines() const { return lines(report); }
    std::vector<std::string> plotLines() const { return lines(plot); }
};

inline constexpr const char* kFixedEpoch = "1425546247"; // 2015-03-05 09:04:07 UTC

class EngineHarness {
public:
    EngineHarness() : m_state(std::make_unique<tervane::EngineState>()) {
        setenv("SOURCE_DATE_EPOCH", kFixedEpoch, 1);
    }
    const fs::path& folder() const { return m_dir.path(); }
    tervane::EngineState& state() { return *m_state; }

    // Writes the data file as project.tv5d and NAMES.dat naming it, then runs.
    EngineOutput run(const std::string& dataFile, const std::string& version = "2015.5.3") {
        const fs::path project = m_dir / "project.tv5d";
        writeFile(project, dataFile);
        writeFile(m_dir / "NAMES.dat", version + "\n" + project.string() + "\n" +
                                           (m_dir / "project.tv5o").string() + "\n" +
                                           (m_dir / "project.tv5p").string() + "\n" +
                                           (m_dir / "project.tv5r").string() + "\n");
        EngineOutput out;
        out.result = tervane::performRun(*m_state, m_dir.path());
        out.report = readFile(m_dir / "project.tv5o");
        out.plot = readFile(m_dir / "project.tv5p");
        out.notes = readFile(m_dir / "project.tv5r");
        return out;
    }

private:
    TempDir m_dir;
    std::unique_ptr<tervane::EngineState> m_state;
};

} // namespace testsupport
