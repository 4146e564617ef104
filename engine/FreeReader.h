#pragma once
// Free-form reading of the project data file and the scratch files.
//
// A read takes its values from the next line and continues onto following lines when the line
// holds fewer values; values are separated by blanks, tabs, commas or line ends; whatever is left
// of the last line consumed is skipped, so every read begins on a new line. LF, CR LF and lone CR
// line ends are all accepted. Title lines are fixed-width reads of one whole line.
//
// Failures are ProblemStop exceptions with a report text naming the line: the data file ending
// early, a value that is not a number of the kind the read asks for, and a number beyond the
// range of that kind.

#include <cstdint>
#include <string>
#include <string_view>

namespace tervane {

class FreeReader {
public:
    FreeReader() = default;
    // Takes the whole file content; `what` names the file in messages ("DATA FILE", "QKTEMP.001").
    void reset(std::string content, std::string what);
    bool loadFile(const std::string& path, std::string what);

    // One read: begin(), then values, then end(). Values of one read may span several lines.
    void begin();
    std::int32_t integer();
    double real();
    void end();

    // Whole reads of n values of one kind.
    void integers(std::int32_t* out, int n);
    void reals(double* out, int n);

    // Fixed-width text read: the first `width` characters of the next line, blank-padded.
    // Control characters are shown as blanks. Ends the problem when the file has no more lines.
    std::string fixedText(int width);

    bool atEnd() const { return m_pos >= m_text.size(); }
    int lineNumber() const { return m_line; }

private:
    std::string_view nextToken();
    void skipSeparators();
    [[noreturn]] void failEnd() const;
    [[noreturn]] void failValue(std::string_view token, const char* kind) const;

    std::string m_text;
    std::string m_what;
    std::size_t m_pos = 0;
    int m_line = 1; // line of m_pos, 1-based
    bool m_inRead = false;
};

// The position of the first character at or after `pos` that is not a separator (blank, tab,
// comma, CR or LF), counting the line ends passed in `line`. Shared by the readers; blanks, the
// most common by far in the fixed-width scratch tables, are tested first.
inline std::size_t skipSeparators(std::string_view text, std::size_t pos, int& line) {
    const std::size_t size = text.size();
    for (; pos < size; ++pos) {
        const char c = text[pos];
        if (c == ' ') continue;
        if (c == '\n') {
            ++line;
            continue;
        }
        if (c != '\t' && c != ',' && c != '\r') break;
    }
    return pos;
}

// Locale-independent number parsing shared by the readers: the whole text must be the number.
bool parseInt32(std::string_view text, std::int32_t& value);
// Reals accept E or D exponents; a value too large for a double is refused (isOutOfRange tells it
// from a text that is no number), one too small reads as zero.
inline constexpr std::size_t kMaxNumberText = 64;
bool parseReal(std::string_view text, double& value);
bool isOutOfRange(std::string_view text);
// The number at `text`'s start when it has the shape the engine writes its E fields in,
// [-]0.ddd...E+xx (1 to 15 digits, a two-digit exponent), with a decimal scale a single exact
// rounding covers: sets its length and value, the value parseReal gives for those characters.
// False for any other text (the caller then reads the token in full).
bool exponentFieldAt(std::string_view text, std::size_t& length, double& value);

} // namespace tervane
