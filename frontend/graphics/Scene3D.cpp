#include "Scene3D.h"

#include <algorithm>
#include <cmath>

namespace tervane {

double Length(TVec3 a) {
    return std::sqrt(Dot(a, a));
}

TVec3 Normalised(TVec3 a) {
    const double n = Length(a);
    return n > 0 ? (1 / n) * a : TVec3{};
}

TSceneColor SetColorLayer(int index, float alpha) {
    static constexpr std::array<std::array<float, 3>, 10> kLayers{{
        {0.8f, 0.55f, 0},
        {0.55f, 0.4f, 0.2f},
        {0.4f, 0.4f, 0.2f},
        {0.4f, 0.4f, 0.55f},
        {0, 0.5f, 0.5f},
        {0.2f, 0.2f, 0.55f},
        {0.8f, 0, 0.8f},
        {0.4f, 0.4f, 0.55f},
        {0.15f, 0.15f, 0.45f},
        {0.65f, 0.4f, 0.2f},
    }};
    int i = index % 10;
    if (i < 0) i += 10;
    const auto& c = kLayers[static_cast<size_t>(i)];
    return {c[0], c[1], c[2], alpha};
}

TSceneColor SetColorIndex(int index) {
    switch (index) {
    case 1:
        return {0, 0, 1, 1};
    case 2:
        return {0, 1, 0, 1};
    case 3:
        return {1, 0, 0, 1};
    case 4:
        return {1, 0, 1, 1};
    case 5:
        return {0, 1, 1, 1};
    case 6:
        return {1, 1, 0, 1};
    default:
        return {0, 0, 0, 1};
    }
}

TVec3 TSceneItem::Min() const {
    if (points.empty()) return symbol.position;
    TVec3 m = points.front();
    for (const TVec3& p : points)
        m = {std::min(m.x, p.x), std::min(m.y, p.y), std::min(m.z, p.z)};
    return m;
}

TVec3 TSceneItem::Max() const {
    if (points.empty()) return symbol.position;
    TVec3 m = points.front();
    for (const TVec3& p : points)
        m = {std::max(m.x, p.x), std::max(m.y, p.y), std::max(m.z, p.z)};
    return m;
}

int TScenePart::Count(TSceneGroup group) const {
    return static_cast<int>(std::count_if(items.begin(), items.end(),
                                          [&](const TSceneItem& i) { return i.group == group; }));
}

int TScenePart::Count(TSceneGroup group, TFill fill) const {
    return static_cast<int>(std::count_if(items.begin(), items.end(), [&](const TSceneItem& i) {
        return i.group == group && i.fill == fill;
    }));
}

std::array<TVec3, 8> BlockCorners(TVec3 centre, TVec3 extent) {
    std::array<TVec3, 8> c;
    for (int i = 0; i < 8; ++i) {
        c[static_cast<size_t>(i)] = {centre.x + ((i & 1) ? 0.5 : -0.5) * extent.x,
                                     centre.y + ((i & 2) ? 0.5 : -0.5) * extent.y,
                                     centre.z + ((i & 4) ? 0.5 : -0.5) * extent.z};
    }
    return c;
}

void AddBrick(TScenePart& part, TSceneGroup group, int tag, const std::array<TVec3, 8>& corners,
              TFill fill, TSceneColor color, bool blend) {
    TSceneItem item;
    item.group = group;
    item.shape = TShape::Brick;
    item.fill = fill;
    item.color = color;
    item.blend = blend;
    item.tag = tag;
    item.points.assign(corners.begin(), corners.end());
    part.items.push_back(std::move(item));
}

void AddBlock(TScenePart& part, TSceneGroup group, int tag, TVec3 low, TVec3 high, TFill fill,
              TSceneColor color, bool blend) {
    if (!(high.z >= low.z)) return; // bounds in the wrong order (or NaN)
    AddBrick(part, group, tag, BlockCorners(0.5 * (low + high), high - low), fill, color, blend);
}

} // namespace tervane
