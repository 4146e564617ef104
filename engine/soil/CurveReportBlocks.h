#pragma once
// Report blocks of the generated p-y curves: per curve depth and side the generator's heading,
// its input values and the 17 points as written (after multipliers and offset).

#include "PYCurve.h"
#include "TextOut.h"
#include "UnitLabels.h"

namespace tervane {

enum class WallSide { Excavation, Backfill };

// What one block shows: the generator's inputs and results, and the points as written.
struct CurveBlock {
    int type = kSoftClay; // generator type 1..7
    WallSide side = WallSide::Excavation;
    const CurveSite* site = nullptr;
    const PYCurve* curve = nullptr;
    const CurveValues* y = nullptr; // deflections as written
    const CurveValues* p = nullptr; // resistances as written
    double pMultiplier = 1.0;
    double yMultiplier = 1.0;
};

// "AT THE EXCAVATION SIDE" / "AT THE BACKFILL SIDE" (strong rock writes its own heading instead),
// the generator's block, and the multiplier line where the type has one.
void writeCurveBlock(TextOut& out, const UnitLabels& labels, const CurveBlock& block);

} // namespace tervane
