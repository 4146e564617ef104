#pragma once
// One generated soil resistance (p-y) curve: what a generator needs at one curve depth and side,
// and the 17 points (y, p) it returns before the p- and y-multipliers and the active-pressure
// offset, with the intermediate values its report block prints.
//
// Units are those of the problem (lengths L, forces F): y in L, p in F/L (force per unit length
// of wall), strengths in F/L^2, unit weights and moduli of subgrade reaction in F/L^3.

#include <array>
#include <string>

namespace tervane {

inline constexpr int kCurvePointCount = 17;
using CurveValues = std::array<double, kCurvePointCount>;

// Soil type codes of the layer records.
enum SoilTypeCode : int {
    kSoftClay = 1,
    kStiffClayFreeWater = 2,
    kStiffClayNoFreeWater = 3,
    kSand = 4,
    kSilt = 5,
    kStrongRock = 6,
    kWeakRock = 7,
};

// A layer type outside 1..7 is handled by the soft-clay generator.
inline int generatorType(int soilType) {
    return soilType >= kSoftClay && soilType <= kWeakRock ? soilType : kSoftClay;
}

// Width ratio below which the wall counts as continuous (the generators then use passive-pressure
// ultimate resistances).
inline constexpr double kContinuousWallRatio = 1.1;

// Inputs of a generator at one curve depth and one side of the wall. The soil properties are taken
// once at the excavation-side depth x and reused for the backfill side.
struct CurveSite {
    double b = 0;      // width for soil resistance Wp
    double c = 0;      // cohesion c(x); for rock the uniaxial compressive strength qu(x)
    double cAvg = 0;   // average cohesion of the p-y layer down to x (clays)
    double phi = 0;    // friction angle, radians
    double gamma = 0;  // average effective unit weight down to x
    double e50 = 0;    // strain at 50 % of peak stress; for weak rock the constant krm
    double s6 = 0;     // sixth strength value; for weak rock RQD in percent
    double k = 0;      // modulus of subgrade reaction; for weak rock the rock mass modulus Em
    double z = 0;      // depth for the ultimate resistance (equivalent-depth form below layer 1)
    double zr = 0;     // the same depth without the equivalent-depth form
    double xs = 0;     // depth below the top of the resistance profile on this side
    double xw = 0;     // this side's depth: x (excavation side) or H + x (backfill side)
    double ratio = 1;  // Wa/Wp, taken as 1 when smaller than 1
    double quMean = 0; // weak rock: mean strength of the layer top and the curve depth
    double xr = 0;     // weak rock: depth below the top of the rock layer
};

// A generated curve before multipliers and offset, with the values its report block prints.
struct PYCurve {
    CurveValues y{};
    CurveValues p{};
    // Strong rock: the residual points beyond the peak take no p-multiplier.
    std::array<bool, kCurvePointCount> residual{};

    double pu = 0; // ultimate resistance (pc for stiff clay with free water)

    double initialModulus = 0; // soft clay: Ei, used below a deflection of 1e-14
    double as = 0;             // stiff clay with free water: As
    double coefA = 0;          // sand and silt: A
    double coefB = 0;          // sand and silt: B
    double wedge = 0;          // sand: wedge resistance pst
    double flow = 0;           // sand: flow-around resistance psd
    double cohesionPart = 0;   // silt: pc
    double frictionPart = 0;   // silt: p-phi
    double ka = 0;             // sand and silt: active coefficient, used by the offset
    double rockC = 0;          // strong rock: c = qu/2
    double rockAlpha = 0;      // weak rock: strength reduction alpha_r = 1 - RQD/150
};

// Generators. Each returns the 17 points of one curve; see the .cpp files for the equations.
// Inputs that leave a curve undefined are rejected with ProblemStop (a message naming `layer`).
PYCurve softClayCurve(const CurveSite& s, int layer);
PYCurve stiffClayFreeWaterCurve(const CurveSite& s, int layer);
PYCurve stiffClayNoFreeWaterCurve(const CurveSite& s, int layer);
PYCurve sandCurve(const CurveSite& s);
PYCurve siltCurve(const CurveSite& s);
PYCurve strongRockCurve(const CurveSite& s, int layer);
PYCurve weakRockCurve(const CurveSite& s, int layer);

// Report text of a problem stop for a curve that cannot be formed in p-y layer `layer`.
std::string undefinedCurveMessage(int layer, const char* reason);

// Last guard before a curve is written: stops the problem when any point is NaN or infinite.
void requireFiniteCurve(const CurveValues& y, const CurveValues& p, int layer);

} // namespace tervane
