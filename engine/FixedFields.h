#pragma once
// Fixed-field output: the edit descriptors Iw, Iw.m, Fw.d, Ew.d, Dw.d and nX, written exactly as a
// Fortran runtime writes them. Every report and plot line goes through this module.
//
// Rules kept here, for every descriptor:
//  - the exact binary value is rounded (ties to even), never a pre-rounded decimal;
//  - a negative value that rounds to zero keeps its minus sign ("-0.000", "-0.00E+00");
//  - the optional leading zero of "0.xxx" is dropped when the field is one column short;
//  - a value that does not fit fills the field with asterisks;
//  - exponents beyond two digits are written with three digits and no exponent letter ("+101").

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace tervane::fixed {

class LineText;

// Each function appends one field of exactly `w` characters to `out`.
void appendI(std::string& out, std::int64_t v, int w);
void appendI(std::string& out, std::int64_t v, int w, int m);
void appendF(std::string& out, double v, int w, int d);
void appendE(std::string& out, double v, int w, int d);
void appendD(std::string& out, double v, int w, int d);
void appendX(std::string& out, int n);

// The same fields appended to the text of a Line.
void appendI(LineText& out, std::int64_t v, int w, int m);
void appendF(LineText& out, double v, int w, int d);
void appendE(LineText& out, double v, int w, int d);
void appendD(LineText& out, double v, int w, int d);
void appendX(LineText& out, int n);

// Convenience forms returning the field alone (tests, one-off headings).
std::string I(std::int64_t v, int w);
std::string I(std::int64_t v, int w, int m);
std::string F(double v, int w, int d);
std::string E(double v, int w, int d);
std::string D(double v, int w, int d);

// The text of a Line: kept inside the object while it stays within a report line's length, so
// a line assembled and written allocates nothing; a longer text moves to the heap.
class LineText {
public:
    LineText() = default;
    LineText(const LineText& other) { append(other.view()); }
    LineText& operator=(const LineText& other) {
        if (this != &other) {
            const std::string copy(other.view());
            clear();
            append(copy);
        }
        return *this;
    }
    // Room for n more characters at the end, which the caller writes.
    char* extend(std::size_t n) {
        if (!m_long && n <= kInline - m_size) {
            char* at = m_inline + m_size;
            m_size += n;
            return at;
        }
        return extendLong(n);
    }
    void append(std::string_view s) {
        if (!s.empty()) std::memcpy(extend(s.size()), s.data(), s.size());
    }
    std::string_view view() const {
        return m_long ? std::string_view(*m_long) : std::string_view(m_inline, m_size);
    }
    void clear() {
        m_size = 0;
        m_long.reset();
    }

private:
    char* extendLong(std::size_t n);

    static constexpr std::size_t kInline = 160;
    std::size_t m_size = 0;
    std::unique_ptr<std::string> m_long; // the text, once it outgrew the object
    char m_inline[kInline];
};

// A line assembled field by field: Line().x(5).text("N =").i(n, 5).f(h, 10, 3).view()
class Line {
public:
    Line& i(std::int64_t v, int w) { appendI(m_text, v, w, 1); return *this; }
    Line& i(std::int64_t v, int w, int m) { appendI(m_text, v, w, m); return *this; }
    Line& f(double v, int w, int d) { appendF(m_text, v, w, d); return *this; }
    Line& e(double v, int w, int d) { appendE(m_text, v, w, d); return *this; }
    Line& d(double v, int w, int dd) { appendD(m_text, v, w, dd); return *this; }
    Line& x(int n) { appendX(m_text, n); return *this; }
    Line& text(std::string_view s) { m_text.append(s); return *this; }
    // A text field of exactly w columns: cut or blank-padded on the right.
    Line& a(std::string_view s, int w);
    // The text so far; the view stays valid while the line lives and is not changed.
    std::string_view view() const { return m_text.view(); }
    std::string str() const { return std::string(m_text.view()); }
    void clear() { m_text.clear(); }

private:
    LineText m_text;
};

} // namespace tervane::fixed
