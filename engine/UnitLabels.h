#pragma once
// The unit labels of the report headings, by unit system: English (inches, pounds), SI (metres,
// kilonewtons) and other consistent units (L, F). Each label has the width its heading gives it.

namespace tervane {

struct UnitLabels {
    const char* length3 = " IN"; // width 3
    const char* force4 = " LBS"; // width 4
    const char* length2 = "IN";  // width 2
    const char* force3 = "LBS";  // width 3
    static UnitLabels forSystem(int unitSystem);
};

} // namespace tervane
