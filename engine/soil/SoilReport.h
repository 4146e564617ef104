#pragma once
// Report pieces shared by the soil and loading models: the section banner and the
// "beyond the extent" warnings of the property functions.

#include "TextOut.h"

#include <array>
#include <string>
#include <string_view>

namespace tervane {

// An empty line, an empty line, 6 blanks and 50 asterisks, 6 blanks and the 50-character title,
// the asterisk line again.
void writeSectionBanner(TextOut& out, std::string_view title);

// The three warnings written when a property function is asked for a depth below its points.
enum class BeyondExtent {
    strengthCurve, // cohesion: console, then stop
    phiCurve,      // friction angle: console, then stop
    layerStrength  // average cohesion of a layer: report, calculation goes on
};

// The four lines of such a warning: an empty line, the warning line, the depth line, the
// closing line.
std::array<std::string, 4> beyondExtentWarning(BeyondExtent kind, double x);

} // namespace tervane
