#include "SoilReport.h"

#include "FixedFields.h"

namespace tervane {

void writeSectionBanner(TextOut& out, std::string_view title) {
    const std::string stars = std::string(6, ' ') + std::string(50, '*');
    out.emptyLines(2);
    out.line(stars);
    out.line(std::string(6, ' ') + std::string(title));
    out.line(stars);
}

std::array<std::string, 4> beyondExtentWarning(BeyondExtent kind, double x) {
    fixed::Line depth;
    depth.x(5).text("THE VALUE OF X =");
    std::string closing = std::string(5, ' ');
    switch (kind) {
    case BeyondExtent::strengthCurve:
        depth.d(x, 9, 1).text("IS BEYOND THE EXTENT OF");
        closing += "THE INPUT STRENGTH CURVE";
        break;
    case BeyondExtent::phiCurve:
        depth.d(x, 9, 1).text(" IS BEYOND THE EXTENT OF");
        closing += "THE INPUT PHI CURVE";
        break;
    case BeyondExtent::layerStrength:
        depth.e(x, 9, 2).text("IS BEYOND THE EXTENT OF THE");
        closing += "INPUT CURVE FOR STRENGTH";
        break;
    }
    return {std::string(), std::string(29, ' ') + "**** WARNING ****", std::string(depth.view()),
            closing};
}

} // namespace tervane
