#pragma once
// The two generation stages of the soil and loading models that the input reader starts:
// the earth-pressure stage leaves its pressure table in QKTEMP.001, the curve generation leaves
// its curves in SOILDATA, both in the working folder. Both write their report sections.

#include <cstddef>

namespace tervane {

struct EngineState;
struct RunContext;

// Load option above 1: earth, water and surcharge pressure on the wall -> QKTEMP.001. Returns the
// bytes written, which the read-back must find.
std::size_t runEarthPressureStage(RunContext& ctx);

// p-y option 2: generated p-y curves for every layer on both sides -> SOILDATA. Returns the
// bytes written.
std::size_t runCurveGeneration(RunContext& ctx);

// Surcharge pressure at a depth below the top of the wall, summed over the surcharge rows
// (used on user-specified distributed loads).
double surchargePressureAt(const EngineState& state, double depth);

} // namespace tervane
