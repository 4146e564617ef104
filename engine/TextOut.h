#pragma once
// A sequential text output file of the engine (report, plot data, run notes, scratch files).
// Lines end with the platform's line end. Text is gathered in a buffer of the file's own and
// handed to the system in large pieces. Every write is checked: the first one the system refuses
// throws FileFailure naming the file, and later writes to that file are ignored. Writes
// to a file that was never opened are ignored too (tests and benchmarks run stages without one).

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tervane {

class TextOut {
public:
    TextOut() = default;
    ~TextOut() { close(); }
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;

    // Creates or replaces the file. `name` is how messages call it ("OUTPUT FILE"); false when
    // it cannot be created.
    bool open(const std::string& path, std::string name = "FILE");
    // The same, but a file that cannot be created throws FileFailure with the system's reason.
    void create(const std::string& path, std::string name);
    // Flushes and closes, checking both: a refusal throws FileFailure. A file that failed
    // before is closed without a second failure.
    void finish();
    // Closes without checking (destruction, or a run already ending on a failure).
    void close();
    bool isOpen() const { return m_file != nullptr; }
    bool failed() const { return m_failed; }
    const std::string& name() const { return m_name; }
    // Bytes handed to the file since it was opened.
    std::size_t bytesWritten() const { return m_bytes; }

    void line(std::string_view text);
    void emptyLines(int n);
    // Free-form line of values separated by blanks (plot file and scratch files).
    void freeInts(std::initializer_list<long long> values);

private:
    void put(const char* data, std::size_t size);
    void putChar(char c);
    void flushBuffer();
    [[noreturn]] void fail(int error);

    std::FILE* m_file = nullptr;
    std::string m_path;
    std::string m_name;
    std::size_t m_bytes = 0;
    bool m_failed = false;
    std::unique_ptr<char[]> m_buffer; // text not yet handed to the system: m_used characters
    std::size_t m_used = 0;
};

} // namespace tervane
