#pragma once
// Replays the primitives of a sketch (SideViewScene.h) into a QPainter: window colours from a
// palette, pens with round ends as the drawing surfaces of the program have always had, texts
// placed by their top-left corner in the painter's font.

#include "SideViewScene.h"

#include <vector>

class QPainter;
class QPalette;

namespace tervane {

void PaintScene(QPainter& painter, const std::vector<TPrimitive>& primitives,
                const QPalette& palette);

} // namespace tervane
