#pragma once
// The report header written at the start of every problem: banner, file lines, the date block and
// the title line.

#include "EngineState.h"
#include "TextOut.h"

#include <ctime>
#include <string>

namespace tervane {

// Date and time of the run: the local clock, or SOURCE_DATE_EPOCH (read as UTC) when it is set,
// so that reports can be compared byte for byte.
std::tm analysisTime();

// "drive and folder" and "base name and extension" of a path.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

void writeReportHeader(TextOut& report, const RunState& run, const ControlRecord& control,
                       const std::tm& when);
// The title line by the stage rules (also written again before the results).
std::string titleLine(const RunState& run, const ControlRecord& control);

} // namespace tervane
