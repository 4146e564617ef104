#pragma once
// Fixed capacities of the engine's storage. Every reader checks its counts against these before
// it stores anything, so nothing is ever written outside an array.

namespace tervane {

// Station store: stations -3 .. N+3, 414 positions, so at most 407 increments.
inline constexpr int kStationStore = 414;
inline constexpr int kFirstStoredStation = -3;
inline constexpr int kMaxIncrements = kStationStore - 7;
// Result rows of the plot file: stations 0 .. N+1.
inline constexpr int kMaxResultRows = kMaxIncrements + 2;

inline constexpr int kMaxSpecifiedPoints = 20;
inline constexpr int kMaxCurves = 63;
inline constexpr int kMaxCurvePoints = 34;
inline constexpr int kMaxMomentEISets = 20;
inline constexpr int kMaxMomentEIPoints = 100;
inline constexpr int kMaxDistributedLoadRows = 2000;

inline constexpr int kVersionTextLength = 12;
inline constexpr int kPathLength = 255;
inline constexpr int kTitleLength = 80;
inline constexpr int kTitleReadLength = 70;

} // namespace tervane

namespace tervane {
// Concentrated-load rows with a couple: one per row of the concentrated-load table that fits.
inline constexpr int kMaxConcentratedCouples = 2000;
} // namespace tervane

namespace tervane {
inline constexpr int kMaxModifierRows = 20;
inline constexpr int kMaxSoilLayers = 10;
inline constexpr int kMaxSurchargeRows = 20;
} // namespace tervane
