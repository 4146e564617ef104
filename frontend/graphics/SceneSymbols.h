#pragma once
// The load and restraint symbols: straight arrows for forces and specified deflections, half rings
// with an arrow head for moments and specified slopes. Each symbol is built along local x, turned
// by its kind (1 along x, 2 along y, 3 along z) and by a further 180 degrees for a negative value;
// a zero value draws nothing. Circles and tube sections have 40 sides; outlines are drawn in the
// symbol's colour at alpha 1, solids at alpha 0.6.

#include "Scene3D.h"

namespace tervane {

class TMesh;

inline constexpr int kSymbolSegments = 40;
inline constexpr float kSymbolSolidAlpha = 0.6f;

// Each adds one symbol item at (x, y, z) unless `value` is 0. Arguments as the view's symbol
// functions take them: kind, colour index, size, then the position as z, y, x, then the value.
void DrawForce(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
               double x, double value);
void DrawDispl(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
               double x, double value);
void DrawMoment(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
                double x, double value);
void DrawSlope(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
               double x, double value);

// The direction local x takes for a symbol of this kind and value's sign.
TVec3 SymbolAxis(int kind, double value);
// A local point of a symbol in the scene frame.
TVec3 SymbolToScene(const TSceneSymbol& symbol, TVec3 local);

// Triangles and outlines of a symbol.
void AddSymbolMesh(TMesh& mesh, const TSceneSymbol& symbol);

} // namespace tervane
