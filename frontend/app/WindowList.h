#pragma once
// The Window menu's arrangement of minimised child windows ("&Arrange Icons"): the minimised
// windows are lined up along the bottom of the area, left to right, in rows upwards.

#include <QPoint>
#include <QSize>
#include <vector>

namespace tervane {

// Top-left positions of `count` minimised windows of size `icon` in an area of size `area`.
std::vector<QPoint> IconPositions(int count, QSize icon, QSize area);

} // namespace tervane
