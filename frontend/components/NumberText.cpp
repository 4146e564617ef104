// Locale-independent number text: general-format writing and decimal reading.

#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tervane {

namespace {

// Largest number of significant digits asked of the writer; a long double holds about 19.
constexpr int kMaxSignificantDigits = 40;
// Fixed notation is used down to this decimal exponent (0.0001); smaller values go scientific.
constexpr int kSmallestFixedExponent = -4;

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

QString FormatGeneral(long double value, int significantDigits) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0L) return QStringLiteral("0");
    const int digits = significantDigits < 1                       ? 1
                       : significantDigits > kMaxSignificantDigits ? kMaxSignificantDigits
                                                                   : significantDigits;

    // Round to the digits asked for: "-d.ddddde-XX", correctly rounded and free of the locale.
    char buffer[96];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, digits - 1);
    const std::string text(buffer, written.ptr);
    const bool negative = text[0] == '-';
    const std::size_t ePos = text.find('e');
    std::string mantissa;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i) {
        if (text[i] != '.') mantissa += text[i];
    }
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < kSmallestFixedExponent || exponent >= digits) {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += '.';
            out.append(mantissa, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent >= 0) {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= integerDigits) {
            out += mantissa + std::string(integerDigits - mantissa.size(), '0');
        } else {
            out.append(mantissa, 0, integerDigits);
            out += '.';
            out.append(mantissa, integerDigits, std::string::npos);
        }
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    return QString::fromLatin1(out.c_str());
}

ParsedNumber ParseNumber(QStringView text, NumberSyntax syntax) {
    const bool fileWord = syntax == NumberSyntax::FileWord;
    ParsedNumber result;
    std::string ascii;
    qsizetype i = 0;
    const qsizetype n = text.size();

    // Sign.
    if (i < n && (text[i] == u'-' || (fileWord && text[i] == u'+'))) {
        if (text[i] == u'-') ascii += '-';
        ++i;
    }
    // Mantissa: digits, an optional point and fraction; at least one digit. The decimal
    // exponent of the leading non-zero digit tells overflow from underflow below.
    int mantissaDigits = 0;
    long long leadExponent = 0;
    bool seenNonZero = false;
    int integerDigitsAfterLead = 0;
    while (i < n && isAsciiDigit(text[i])) {
        if (text[i] != u'0') seenNonZero = true;
        if (seenNonZero) ++integerDigitsAfterLead;
        ascii += static_cast<char>(text[i].unicode());
        ++mantissaDigits;
        ++i;
    }
    leadExponent = integerDigitsAfterLead - 1;
    if (i < n && text[i] == u'.') {
        ascii += '.';
        ++i;
        int position = 0;
        while (i < n && isAsciiDigit(text[i])) {
            ++position;
            if (!seenNonZero && text[i] != u'0') {
                seenNonZero = true;
                leadExponent = -position;
            }
            ascii += static_cast<char>(text[i].unicode());
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0) return result;
    // Exponent.
    long long exponent = 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ascii += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'-' || (fileWord && text[i] == u'+'))) {
            negativeExponent = text[i] == u'-';
            if (negativeExponent) ascii += '-';
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && isAsciiDigit(text[i])) {
            if (exponent < 1000000000LL) exponent = exponent * 10 + text[i].digitValue();
            ascii += static_cast<char>(text[i].unicode());
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0) return result;
        if (negativeExponent) exponent = -exponent;
    }
    if (i != n) return result;

    long double value = 0.0L;
    const auto parsed = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                        std::chars_format::general);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (seenNonZero && leadExponent + exponent > 0) {
            result.status = ParseStatus::Overflow;
            return result;
        }
        value = 0.0L; // too small to hold
    } else if (parsed.ec != std::errc() || parsed.ptr != ascii.data() + ascii.size()) {
        return result;
    }
    result.status = ParseStatus::Ok;
    result.value = value;
    return result;
}

} // namespace tervane
