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
#include <string>
#include <string_view>

namespace tervane::fixed {

// Each function appends one field of exactly `w` characters to `out`.
void appendI(std::string& out, std::int64_t v, int w);
void appendI(std::string& out, std::int64_t v, int w, int m);
void appendF(std::string& out, double v, int w, int d);
void appendE(std::string& out, double v, int w, int d);
void appendD(std::string& out, double v, int w, int d);
void appendX(std::string& out, int n);

// Convenience forms returning the field alone (tests, one-off headings).
std::string I(std::int64_t v, int w);
std::string I(std::int64_t v, int w, int m);
std::string F(double v, int w, int d);
std::string E(double v, int w, int d);
std::string D(double v, int w, int d);

// A line assembled field by field: Line().x(5).text("N =").i(n, 5).f(h, 10, 3).str()
class Line {
public:
    // Room for a report line at once: fields appended one by one never regrow the text.
    Line() { m_text.reserve(kLineCapacity); }
    Line& i(std::int64_t v, int w) { appendI(m_text, v, w); return *this; }
    Line& i(std::int64_t v, int w, int m) { appendI(m_text, v, w, m); return *this; }
    Line& f(double v, int w, int d) { appendF(m_text, v, w, d); return *this; }
    Line& e(double v, int w, int d) { appendE(m_text, v, w, d); return *this; }
    Line& d(double v, int w, int dd) { appendD(m_text, v, w, dd); return *this; }
    Line& x(int n) { appendX(m_text, n); return *this; }
    Line& text(std::string_view s) { m_text.append(s); return *this; }
    // A text field of exactly w columns: cut or blank-padded on the right.
    Line& a(std::string_view s, int w);
    const std::string& str() const { return m_text; }
    void clear() { m_text.clear(); }

private:
    static constexpr std::size_t kLineCapacity = 136;
    std::string m_text;
};

} // namespace tervane::fixed
