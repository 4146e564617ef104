#include "WindowList.h"

#include <algorithm>

namespace tervane {

std::vector<QPoint> IconPositions(int count, QSize icon, QSize area) {
    std::vector<QPoint> out;
    if (count <= 0 || icon.width() <= 0 || icon.height() <= 0) return out;
    const int perRow = std::max(1, area.width() / icon.width());
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int col = i % perRow;
        out.emplace_back(col * icon.width(),
                         std::max(0, area.height() - (row + 1) * icon.height()));
    }
    return out;
}

} // namespace tervane
