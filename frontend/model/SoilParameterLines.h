#pragma once
// Items of the two parameter lines of a soil layer in the project data file, by soil type: which
// column of the layer's parameter table each of the six items holds, and the divisor that turns
// the table's English display unit into the file's (unit weight lbs/ft^3 to lbs/in^3, cohesive
// strength lbs/ft^2 to lbs/in^2). An item without a column is written as "0.0  ".

#include <array>

namespace tervane {

struct TSoilItem {
    int column = -1;            // column of the parameter table, -1 for an unused item
    long double divisor = 1;    // English units: file value = cell value / divisor
    bool shortTermOnly = false; // the optional earth-pressure coefficient: unused in long-term
};

inline constexpr int kSoilItems = 6;
inline constexpr int kSoilTypes = 7;
inline constexpr long double kCubicFeetToCubicInches = 1728;
inline constexpr long double kSquareFeetToSquareInches = 144;
inline constexpr long double kFeetToInches = 12;

using TSoilLine = std::array<TSoilItem, kSoilItems>;

// Soil types 1 to 7: soft clay, stiff clay with and without free water, sand, silt, strong rock,
// weak rock.
inline TSoilLine soilLine(int soilType) {
    constexpr TSoilItem unused{};
    constexpr TSoilItem unitWeight{0, kCubicFeetToCubicInches, false};
    switch (soilType) {
    case 1:
    case 2:
    case 3: // clay: unit weight, cohesive strength, -, E50, k, coefficient
        return {unitWeight,
                TSoilItem{1, kSquareFeetToSquareInches, false},
                unused,
                TSoilItem{2, 1, false},
                TSoilItem{3, 1, false},
                TSoilItem{4, 1, true}};
    case 4: // sand: unit weight, -, friction angle, -, k, coefficient
        return {
            unitWeight,           unused, TSoilItem{1, 1, false}, unused, TSoilItem{2, 1, false},
            TSoilItem{3, 1, true}};
    case 5: // silt: unit weight, cohesive strength, friction angle, E50, k, coefficient
        return {unitWeight,
                TSoilItem{2, kSquareFeetToSquareInches, false},
                TSoilItem{1, 1, false},
                TSoilItem{3, 1, false},
                TSoilItem{4, 1, false},
                TSoilItem{5, 1, true}};
    case 6: // strong rock: unit weight, uniaxial compressive strength
        return {unitWeight, TSoilItem{1, 1, false}, unused, unused, unused, unused};
    case 7: // weak rock: unit weight, uniaxial compressive strength, -, krm, modulus, RQD
        return {unitWeight,
                TSoilItem{1, 1, false},
                unused,
                TSoilItem{2, 1, false},
                TSoilItem{3, 1, false},
                TSoilItem{4, 1, false}};
    default:
        return {unused, unused, unused, unused, unused, unused};
    }
}

} // namespace tervane
