#pragma once
// Equivalent depth of a p-y layer below the first: the depth in the layer's own soil at which the
// integral of its ultimate resistance from the surface equals F, the resistance integral of the
// layers above (their equivalent-depth sums). The generators of soft clay, stiff clay without free
// water, sand and silt then work at that depth plus the depth into the layer, so a layer under a
// strong one starts with the resistance of buried soil.

namespace tervane {

// The layer's soil at its first curve depth.
struct EquivalentDepthSoil {
    int type = 1;     // generator type 1..7
    double c = 0;     // cohesion
    double phi = 0;   // friction angle, radians
    double gamma = 0; // average effective unit weight
    double b = 0;     // width for soil resistance
    double x0 = 0;    // the layer's first curve depth (below the excavation level)
};

// xeq for the layer; 0 for the types that use no equivalent depth. A soil whose resistance does
// not grow with depth (no cohesion and no unit weight, or no friction) has no finite equivalent
// depth; its resistance is then the same at every depth and 0 is returned.
double equivalentDepth(const EquivalentDepthSoil& soil, double aboveSum);

// Increments of a layer's equivalent-depth sum, from its second curve depth on; `step` is the
// distance to the previous curve depth, `pu` and `previous` the ultimate resistances there.
// Stiff clay with free water: its pc with the factor (1.225 sqrt(As) - 0.75 As - 0.411).
double equivalentDepthIncrement(int type, double step, double pu, double previous, double as);

} // namespace tervane
