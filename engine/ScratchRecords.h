#pragma once
// Records of the scratch file SOILDATA, read free-form one record at a time (each read starts on
// a new line and may continue onto following lines). Fixed-width fields written without a blank
// between them ("0.150E+02-0.310E+01") are taken as two numbers: a sign that follows a digit or a
// decimal point starts a new number, unless it is the exponent of a field whose three-digit
// exponent is written without its letter ("0.480-103").

#include <string>
#include <string_view>

namespace tervane {

class ScratchRecords {
public:
    bool loadFile(const std::string& path, std::string what);
    // Takes the whole file content; `what` names the file in messages.
    void reset(std::string content, std::string what);

    // One record of n numbers.
    void numbers(double* out, int n);
    // One record holding an integer (a count).
    int integer();
    // Skips one record; the end of the file stops the problem like a read would.
    void skipRecord();

private:
    std::string_view nextNumberText();
    void skipSeparators();
    bool exponentField(double& value);
    void endRecord();
    [[noreturn]] void failEnd() const;

    std::string m_text;
    std::string m_what;
    std::size_t m_pos = 0;
    int m_line = 1;
    char m_token[80]; // a number whose exponent letter was restored
};

} // namespace tervane
