#pragma once
// Error stops inside the engine. Each carries the report text that ends the problem; the problem
// loop catches them, writes the text and goes on to the orderly end of the run.

#include "Tervane2015.h"

#include <stdexcept>
#include <string>

namespace tervane {

// An input or solution error: the problem ends, the run ends in order and the entry returns 0.
// `reportText` holds the report line(s) exactly as written, without the empty lines around them.
class ProblemStop : public std::runtime_error {
public:
    explicit ProblemStop(std::string reportText, int blankLinesAfter = 0)
        : std::runtime_error(reportText), m_text(std::move(reportText)),
          m_blankLinesAfter(blankLinesAfter) {}
    const std::string& reportText() const { return m_text; }
    int blankLinesAfter() const { return m_blankLinesAfter; }

private:
    std::string m_text;
    int m_blankLinesAfter;
};

// A fatal condition of the soil and loading models. The run ends at once: the message goes to
// the console and the report, every file is closed and the entry returns kResultFatalStop.
class FatalStop : public std::runtime_error {
public:
    FatalStop(std::string message, int stopCode)
        : std::runtime_error(message), m_message(std::move(message)), m_stopCode(stopCode) {}
    const std::string& message() const { return m_message; }
    int stopCode() const { return m_stopCode; }

private:
    std::string m_message;
    int m_stopCode;
};

// A file of the run that could not be written or closed (report, plot data, run notes, a scratch
// file), or a scratch file that could not be read back whole. The run ends at once and in order:
// every file is closed, the console names the file and the system's reason, the report tells it
// when the report itself is not the file that failed, and the entry returns kResultFatalStop.
class FileFailure : public std::runtime_error {
public:
    enum class Step { writing, readingBack };
    // `file` names the file as the messages do ("OUTPUT FILE", "SCRATCH FILE SOILDATA").
    FileFailure(std::string file, std::string path, std::string reason, Step step = Step::writing)
        : std::runtime_error(file + ": " + reason), m_file(std::move(file)),
          m_path(std::move(path)), m_reason(std::move(reason)), m_step(step) {}
    const std::string& file() const { return m_file; }
    const std::string& path() const { return m_path; }
    const std::string& reason() const { return m_reason; }

    // " THE PLOT FILE COULD NOT BE WRITTEN: /walls/a.tv5p: No space left on device"
    std::string consoleText() const { return " THE " + m_file + verb() + m_path + ": " + m_reason; }
    // "     ERROR STOP -- THE PLOT FILE COULD NOT BE WRITTEN: No space left on device"
    std::string reportText() const {
        return "     ERROR STOP -- THE " + m_file + verb() + m_reason;
    }

private:
    const char* verb() const {
        return m_step == Step::writing ? " COULD NOT BE WRITTEN: " : " COULD NOT BE READ BACK: ";
    }
    std::string m_file, m_path, m_reason;
    Step m_step;
};

// Entry results (the public header tells their meaning).
inline constexpr int kResultCompleted = TERVANE_RESULT_COMPLETED;
inline constexpr int kResultVersionMismatch = TERVANE_RESULT_VERSION_MISMATCH;
inline constexpr int kResultFatalStop = TERVANE_RESULT_STOPPED;

// Report texts of the stops shared by several readers.
inline constexpr const char* kTooMuchData = "     TOO MUCH DATA FOR AVAILABLE STORAGE";
inline constexpr const char* kStationsNotInOrder = "     ERROR STOP -- STATIONS NOT IN ORDER";
inline constexpr const char* kDataBeyondEnd = "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";

} // namespace tervane
