#pragma once
// The deflection curve the 3-D view bends its wall by: the first curve of the deflection graph,
// handed over by the main window after a run and after a project with results is opened (and
// emptied when a new project starts). Kept here so that it outlives the view windows.

#include "Scene3DBuilder.h"

#include <vector>

namespace tervane {

void SetDeflectionCurve(std::vector<TDeflectionPoint> points);
const std::vector<TDeflectionPoint>& DeflectionCurve();

// Whether the "Deformed Shape" item and button are enabled: the "Deflection vs Depth" command is
// enabled and the curve has more than one point.
bool DeformedShapeAvailable(bool deflectionCommandEnabled);

} // namespace tervane
