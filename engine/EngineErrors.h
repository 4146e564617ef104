#pragma once
// Error stops inside the engine. Each carries the report text that ends the problem; the problem
// loop catches them, writes the text and goes on to the orderly end of the run.

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

// Entry results.
inline constexpr int kResultCompleted = 0;
inline constexpr int kResultVersionMismatch = 1;
// The run could not be carried out or ended in a fatal stop (neither completed nor mismatch).
inline constexpr int kResultFatalStop = 2;

// Report texts of the stops shared by several readers.
inline constexpr const char* kTooMuchData = "     TOO MUCH DATA FOR AVAILABLE STORAGE";
inline constexpr const char* kStationsNotInOrder = "     ERROR STOP -- STATIONS NOT IN ORDER";
inline constexpr const char* kDataBeyondEnd = "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";

} // namespace tervane
