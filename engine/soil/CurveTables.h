#pragma once
// Coefficient tables of the curve generators, each a function of depth over width (x/b), linear
// between its points and constant beyond the last one.

namespace tervane {

// Sand and silt: the factors A (ultimate) and B (intermediate resistance) on the wedge or flow
// resistance, tabulated at x/b = 0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6.
double sandCoefficientA(double depthOverWidth);
double sandCoefficientB(double depthOverWidth);

// Stiff clay with free water: the empirical factor As, tabulated at x/b = 0 .. 5.
double stiffClayCoefficientAs(double depthOverWidth);

} // namespace tervane
