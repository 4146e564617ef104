#pragma once
// The illustration sketches of the input dialogs and of the table editors' help pictures, each
// drawn at the size its window shows it.

#include <QImage>
#include <QString>
#include <vector>

namespace tervane::pictures {

struct TNamedSketch {
    QString fileName; // "WallPlan.jpg" ...
    QImage image;
};

// Wall units in plan with the widths Wa (centre-to-centre spacing) and Wp (unit width).
QImage DrawWallPlan();
// The active earth pressure generated from the soil and the surcharge, and the same pressure
// multiplied by the modification factor.
QImage DrawActiveFactor();
// The three surcharge types on the backfill: point, line and strip load with X and W.
QImage DrawSurchargeTypes();
// A tieback: depth, angle from horizontal, unbonded length, bonded zone and spacing in plan.
QImage DrawTieback();
// A distributed load along the wall given by depth and load points.
QImage DrawPressureDiagram();
// A tieback or strut taken as a lateral spring at a node, and a rotational spring.
QImage DrawSpringTieback();

// Every sketch with the file name the program's resources use.
std::vector<TNamedSketch> AllSketches();

} // namespace tervane::pictures
