#include "SceneSymbols.h"

#include "SceneMesh.h"

#include <cmath>
#include <numbers>

namespace tervane {

namespace {

void addSymbol(TScenePart& part, TSymbolType type, int kind, int colorIndex, double size,
               TVec3 position, double value) {
    if (value == 0) return;
    TSceneItem item;
    item.group = TSceneGroup::Symbol;
    item.shape = TShape::Symbol;
    item.color = SetColorIndex(colorIndex);
    item.blend = true;
    item.symbol = {type, kind, colorIndex, size, position, value};
    part.items.push_back(std::move(item));
}

// Turns a local point: 180 degrees about z for a negative value, then by the kind.
TVec3 turn(int kind, double value, TVec3 p) {
    if (value < 0) p = {-p.x, -p.y, p.z};
    if (kind == 2) return {-p.y, p.x, p.z}; // +90 degrees about z
    if (kind == 3) return {-p.z, p.y, p.x}; // -90 degrees about y
    return p;
}

struct TFrame {
    const TSceneSymbol& symbol;
    TSceneColor outline;
    TSceneColor solid;

    TVec3 point(TVec3 local) const { return SymbolToScene(symbol, local); }
    TVec3 direction(TVec3 local) const { return turn(symbol.kind, symbol.value, local); }
};

double angleOf(int i) {
    return 2 * std::numbers::pi * i / kSymbolSegments;
}

// A point of the circle of radius r around `centre` in the plane spanned by the unit vectors u
// and v (local coordinates).
TVec3 onCircle(TVec3 centre, TVec3 u, TVec3 v, double r, int i) {
    return centre + (r * std::cos(angleOf(i))) * u + (r * std::sin(angleOf(i))) * v;
}

void circle(TMesh& mesh, const TFrame& f, TVec3 centre, TVec3 u, TVec3 v, double r) {
    for (int i = 0; i < kSymbolSegments; ++i)
        mesh.Line(f.outline, false, f.point(onCircle(centre, u, v, r, i)),
                  f.point(onCircle(centre, u, v, r, i + 1)));
}

// A disc facing along `facing` (local).
void disc(TMesh& mesh, const TFrame& f, TVec3 centre, TVec3 u, TVec3 v, double r, TVec3 facing) {
    for (int i = 0; i < kSymbolSegments; ++i)
        mesh.Triangle(f.solid, true, f.point(centre), f.point(onCircle(centre, u, v, r, i)),
                      f.point(onCircle(centre, u, v, r, i + 1)), f.direction(facing));
}

// A cone from the base circle (centre, radius r, plane u-v) to the apex.
void cone(TMesh& mesh, const TFrame& f, TVec3 centre, TVec3 u, TVec3 v, double r, TVec3 apex) {
    const TVec3 axis = Normalised(apex - centre);
    const double length = Length(apex - centre);
    for (int i = 0; i < kSymbolSegments; ++i) {
        const TVec3 a = onCircle(centre, u, v, r, i);
        const TVec3 b = onCircle(centre, u, v, r, i + 1);
        const TVec3 radial = Normalised(0.5 * (a + b) - centre);
        const TVec3 n = Normalised(length * radial + r * axis);
        mesh.Triangle(f.solid, true, f.point(a), f.point(b), f.point(apex), f.direction(n));
    }
    disc(mesh, f, centre, u, v, r, -1.0 * axis);
    circle(mesh, f, centre, u, v, r);
}

// A straight arrow along local x: a shaft of radius s/8 from `start` to start + 3s/4, then a cone
// of base radius 3s/8 ending at start + s.
void arrow(TMesh& mesh, const TFrame& f, double start) {
    const double s = f.symbol.size;
    const TVec3 u{0, 1, 0}, v{0, 0, 1};
    const TVec3 back{start, 0, 0};
    const TVec3 front{start + 0.75 * s, 0, 0};
    const double rs = s / 8;
    for (int i = 0; i < kSymbolSegments; ++i) {
        const TVec3 a = onCircle(back, u, v, rs, i), b = onCircle(back, u, v, rs, i + 1);
        const TVec3 c = onCircle(front, u, v, rs, i + 1), d = onCircle(front, u, v, rs, i);
        const TVec3 n = Normalised(onCircle({}, u, v, 1, i) + onCircle({}, u, v, 1, i + 1));
        mesh.Quad(f.solid, true, f.point(a), f.point(b), f.point(c), f.point(d), f.direction(n));
    }
    disc(mesh, f, back, u, v, rs, {-1, 0, 0});
    circle(mesh, f, back, u, v, rs);
    circle(mesh, f, front, u, v, rs);
    cone(mesh, f, front, u, v, 3 * s / 8, {start + s, 0, 0});
}

// A half ring about local x (in the local y-z plane, z >= 0) of radius s/9 and tube radius s/36,
// closed by discs, with a cone of base radius s/12 and length s/18 at its far end.
void halfRing(TMesh& mesh, const TFrame& f) {
    const double s = f.symbol.size;
    const double R = s / 9, r = s / 36;
    constexpr int sweep = kSymbolSegments / 2;
    auto centreAt = [&](int j) {
        const double phi = std::numbers::pi * j / sweep;
        return TVec3{0, R * std::cos(phi), R * std::sin(phi)};
    };
    auto outwardAt = [&](int j) {
        const double phi = std::numbers::pi * j / sweep;
        return TVec3{0, std::cos(phi), std::sin(phi)};
    };
    const TVec3 binormal{1, 0, 0};
    for (int j = 0; j < sweep; ++j) {
        for (int i = 0; i < kSymbolSegments; ++i) {
            const TVec3 a = onCircle(centreAt(j), outwardAt(j), binormal, r, i);
            const TVec3 b = onCircle(centreAt(j), outwardAt(j), binormal, r, i + 1);
            const TVec3 c = onCircle(centreAt(j + 1), outwardAt(j + 1), binormal, r, i + 1);
            const TVec3 d = onCircle(centreAt(j + 1), outwardAt(j + 1), binormal, r, i);
            const TVec3 n = Normalised(a + b + c + d - 2.0 * (centreAt(j) + centreAt(j + 1)));
            mesh.Quad(f.solid, true, f.point(a), f.point(b), f.point(c), f.point(d),
                      f.direction(n));
        }
    }
    // Both ends of the half ring face downward (its tangents there are -z and +z).
    for (int j : {0, sweep}) {
        disc(mesh, f, centreAt(j), outwardAt(j), binormal, r, {0, 0, -1});
        circle(mesh, f, centreAt(j), outwardAt(j), binormal, r);
    }
    const TVec3 end = centreAt(sweep);
    cone(mesh, f, end, outwardAt(sweep), binormal, s / 12, end + TVec3{0, 0, -s / 18});
}

} // namespace

void DrawForce(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
               double x, double value) {
    addSymbol(part, TSymbolType::Force, kind, colorIndex, size, {x, y, z}, value);
}

void DrawDispl(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
               double x, double value) {
    addSymbol(part, TSymbolType::Displ, kind, colorIndex, size, {x, y, z}, value);
}

void DrawMoment(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
                double x, double value) {
    addSymbol(part, TSymbolType::Moment, kind, colorIndex, size, {x, y, z}, value);
}

void DrawSlope(TScenePart& part, int kind, int colorIndex, double size, double z, double y,
               double x, double value) {
    addSymbol(part, TSymbolType::Slope, kind, colorIndex, size, {x, y, z}, value);
}

TVec3 SymbolAxis(int kind, double value) {
    return turn(kind, value, {1, 0, 0});
}

TVec3 SymbolToScene(const TSceneSymbol& symbol, TVec3 local) {
    return symbol.position + turn(symbol.kind, symbol.value, local);
}

void AddSymbolMesh(TMesh& mesh, const TSceneSymbol& symbol) {
    TSceneColor solid = SetColorIndex(symbol.colorIndex);
    solid.a = kSymbolSolidAlpha;
    const TFrame f{symbol, SetColorIndex(symbol.colorIndex), solid};
    switch (symbol.type) {
    case TSymbolType::Force:
        arrow(mesh, f, -symbol.size);
        break;
    case TSymbolType::Displ:
        arrow(mesh, f, 0);
        break;
    case TSymbolType::Moment:
    case TSymbolType::Slope:
        halfRing(mesh, f);
        break;
    }
}

} // namespace tervane
