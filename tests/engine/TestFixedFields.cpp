// The fixed-field module against every line of the reference vectors written by a Fortran runtime.

#include "FixedFields.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace tervane::fixed;

namespace {

struct Descriptor {
    char kind = 'I';
    int w = 0;
    int d = -1;
};

Descriptor parseDescriptor(const std::string& s) {
    Descriptor desc;
    desc.kind = s[0];
    const std::size_t dot = s.find('.');
    desc.w = std::atoi(s.substr(1, dot == std::string::npos ? std::string::npos : dot - 1).c_str());
    if (dot != std::string::npos) desc.d = std::atoi(s.substr(dot + 1).c_str());
    return desc;
}

std::string format(const Descriptor& desc, const std::string& value) {
    if (desc.kind == 'I') {
        const long long v = std::atoll(value.c_str());
        return desc.d < 0 ? I(v, desc.w) : I(v, desc.w, desc.d);
    }
    const double v = std::strtod(value.c_str(), nullptr);
    switch (desc.kind) {
    case 'F': return F(v, desc.w, desc.d);
    case 'E': return E(v, desc.w, desc.d);
    case 'D': return D(v, desc.w, desc.d);
    }
    return "?";
}

} // namespace

// Every line of a reference file: descriptor TAB value TAB [field as the Fortran runtime wrote it].
// fortran-edit-descriptors.tsv holds the chosen edge cases; fortran-edit-descriptors-random.tsv
// random magnitudes from 1e-12 to 1e12 and values near rounding ties, in the report's formats.
class FixedFieldsReference : public testing::TestWithParam<const char*> {};

TEST_P(FixedFieldsReference, MatchesEveryVector) {
    std::istringstream in(testsupport::readFile(testsupport::dataPath(GetParam())));
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const std::size_t t1 = line.find('\t');
        const std::size_t t2 = line.find('\t', t1 + 1);
        ASSERT_NE(t2, std::string::npos) << line;
        const std::string descriptor = line.substr(0, t1);
        const std::string value = line.substr(t1 + 1, t2 - t1 - 1);
        const std::string bracketed = line.substr(t2 + 1);
        ASSERT_GE(bracketed.size(), 2u);
        const std::string expected = bracketed.substr(1, bracketed.size() - 2);
        EXPECT_EQ(format(parseDescriptor(descriptor), value), expected)
            << descriptor << " of " << value;
        ++checked;
    }
    EXPECT_GT(checked, 1500);
}

INSTANTIATE_TEST_SUITE_P(FixedFields, FixedFieldsReference,
                         testing::Values("fortran-edit-descriptors.tsv",
                                         "fortran-edit-descriptors-random.tsv"));

TEST(FixedFields, SignedZeroAndNonFiniteValues) {
    EXPECT_EQ(E(-0.0, 11, 4), "-0.0000E+00");
    EXPECT_EQ(E(0.0, 11, 4), " 0.0000E+00");
    EXPECT_EQ(F(-1e-9, 6, 3), "-0.000");
    EXPECT_EQ(F(std::numeric_limits<double>::quiet_NaN(), 6, 2), "   NaN");
    EXPECT_EQ(E(std::numeric_limits<double>::infinity(), 3, 1), "Inf");
    EXPECT_EQ(E(-std::numeric_limits<double>::infinity(), 2, 1), "**");
    EXPECT_EQ(E(1e300, 12, 3), "   0.100+301");
    EXPECT_EQ(F(1e300, 12, 3), "************");
}

TEST(FixedFields, LineBuilderJoinsFieldsAndTextColumns) {
    Line l;
    l.x(2).text("N =").i(42, 5).x(1).e(12.3, 10, 3).a("ABCDEFG", 4).a("XY", 4);
    EXPECT_EQ(l.str(), "  N =   42  0.123E+02ABCDXY  ");
}
