#pragma once
// A sequential text output file of the engine (report, plot data, run notes, scratch files).
// Lines end with the platform's line end. Writes after a failed open are ignored, so a run that
// could not open a file still ends in order.

#include <cstdio>
#include <string>
#include <string_view>

namespace tervane {

class TextOut {
public:
    TextOut() = default;
    ~TextOut() { close(); }
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;

    bool open(const std::string& path); // creates or replaces
    void close();
    bool isOpen() const { return m_file != nullptr; }

    void line(std::string_view text);
    void emptyLines(int n);
    // Free-form line of values separated by blanks (plot file and scratch files).
    void freeInts(std::initializer_list<long long> values);

private:
    std::FILE* m_file = nullptr;
};

} // namespace tervane
