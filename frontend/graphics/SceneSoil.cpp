// Soil blocks by layer and the water tables with their symbol grids.
#include "ColumnTypes.h"
#include "ProgramData.h"
#include "Scene3DBuilder.h"
#include "SceneDimensions.h"

namespace tervane {

namespace {

struct TSoilFrame {
    double w = 0;  // strip width W
    double t = 0;  // displayed thickness
    double x0 = 0; // outer boundary, 25W
    double y0 = 0; // half the scene's length along the wall, 10W
};

// A layer's block (from depth `top` to `bottom`) drawn with edges at alpha 1, then faces at 0.5.
void addSoilBlock(TScenePart& part, int layer, double xLow, double xHigh, double top, double bottom,
                  const TSoilFrame& f) {
    if (!(bottom > top)) return;
    const TVec3 low{xLow, -f.y0, -bottom};
    const TVec3 high{xHigh, f.y0, -top};
    AddBlock(part, TSceneGroup::Soil, layer, low, high, TFill::Edges, SetColorLayer(layer, 1),
             true);
    AddBlock(part, TSceneGroup::Soil, layer, low, high, TFill::Faces, SetColorLayer(layer, 0.5f),
             true);
}

void backfillBeside(TScenePart& p, int k, double top, double bottom, const TSoilFrame& f) {
    addSoilBlock(p, k, -f.x0, -f.t / 2, top, bottom, f);
}

void bothBeside(TScenePart& p, int k, double top, double bottom, const TSoilFrame& f) {
    addSoilBlock(p, k, -f.x0, -f.t / 2, top, bottom, f);
    addSoilBlock(p, k, f.t / 2, f.x0, top, bottom, f);
}

void bothBelowTip(TScenePart& p, int k, double top, double bottom, const TSoilFrame& f) {
    addSoilBlock(p, k, -f.x0, 0, top, bottom, f);
    addSoilBlock(p, k, 0, f.x0, top, bottom, f);
}

// Layer k from depth T to B, with the excavation level E and the wall tip P.
void addLayer(TScenePart& p, int k, double T, double B, double E, double P, const TSoilFrame& f) {
    if (E >= B) {
        backfillBeside(p, k, T, B, f);
    } else if (T < E) {
        backfillBeside(p, k, T, E, f);
        if (P > B) {
            bothBeside(p, k, E, B, f);
        } else {
            bothBeside(p, k, E, P, f);
            bothBelowTip(p, k, P, B, f);
        }
    } else if (P > B) {
        bothBeside(p, k, T, B, f);
    } else if (P >= T) {
        bothBeside(p, k, T, P, f);
        bothBelowTip(p, k, P, B, f);
    } else {
        bothBelowTip(p, k, T, B, f);
    }
}

// A water item drawn twice: edges blue at alpha 1, then faces blue at alpha 0.5.
void addWaterItem(TScenePart& part, TSceneGroup group, TShape shape, std::vector<TVec3> points) {
    for (TFill fill : {TFill::Edges, TFill::Faces}) {
        TSceneItem item;
        item.group = group;
        item.shape = shape;
        item.fill = fill;
        item.color = {0, 0, 1, fill == TFill::Edges ? 1.0f : 0.5f};
        item.blend = true;
        item.points = points;
        part.items.push_back(std::move(item));
    }
}

// One water table at depth `depth` spanning x from xLow to xLow + 25W, with its 5 x 5 symbols:
// inverted pyramids with the apex on the plane and a v x v base at height v above it.
void addWaterTable(TScenePart& part, double depth, double xLow, double v, const TSoilFrame& f) {
    const double z = -depth;
    const double xHigh = xLow + f.x0;
    addWaterItem(part, TSceneGroup::Water, TShape::Quad,
                 {{xLow, -f.y0, z}, {xHigh, -f.y0, z}, {xHigh, f.y0, z}, {xLow, f.y0, z}});
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            const double x = xLow + v + i * (f.x0 - 2 * v) / 4;
            const double y = -f.y0 + v + j * (5 * f.w - v);
            const double top = z + v;
            addWaterItem(part, TSceneGroup::WaterSymbol, TShape::Pyramid,
                         {{x, y, z},
                          {x - v / 2, y - v / 2, top},
                          {x + v / 2, y - v / 2, top},
                          {x + v / 2, y + v / 2, top},
                          {x - v / 2, y + v / 2, top}});
        }
    }
}

} // namespace

TScenePart BuildSoilLayers(const TProgramData& project, const TSceneSwitches& switches) {
    TScenePart part;
    if (!project.GeneratePYCurves) return part;
    TSoilFrame f;
    f.w = GetWallWidth(project);
    f.t = GetWallThickness(project);
    f.x0 = 25 * f.w;
    f.y0 = 10 * f.w;
    if (switches.soilLayers) {
        const TGridTable& soil = project.Tables().NewSoil();
        const double E = SceneLength(project, project.FreeHeight);
        const double P = GetWallLength(project);
        double T = 0;
        for (int k = 0; k < soil.RowCount(); ++k) {
            const double B = CellFloat(soil, 1, k);
            addLayer(part, k, T, B, E, P, f);
            T = B;
        }
    }
    if (switches.waterLevel) {
        const double v = 4 * SceneLength(project, project.IncrementLength);
        addWaterTable(part, SceneLength(project, project.WaterDepthBackfill), -f.x0, v, f);
        addWaterTable(part, SceneLength(project, project.WaterDepthExcavation), 0, v, f);
    }
    return part;
}

} // namespace tervane
