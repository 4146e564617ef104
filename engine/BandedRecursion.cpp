#include "BandedRecursion.h"

#include "FiniteDifferenceEquations.h"

namespace tervane {

namespace {

// A specified slope theta at station m ties the stations around it: w(m+1) - w(m-1) = 2h theta.
constexpr double kSlopeSpan = 2.0;

// Reciprocal with the rule of the recursion: a zero pivot gives 0 and the solution goes on.
double negativeReciprocal(double pivot) {
    return pivot == 0.0 ? 0.0 : -1.0 / pivot;
}

} // namespace

// Forward pass. With the recursion w(s) = A(s) w(s+2) + B(s) w(s+1) + C(s) known for the two
// stations above, the equation of station s becomes
//   D w(s) + (g A(s-1) + d) w(s+1) + e w(s+2) = f - g C(s-1) - a C(s-2),
//   g = a B(s-2) + b,  D = a A(s-2) + g B(s-1) + c,
// so that with k = -1/D: A(s) = e k, B(s) = (g A(s-1) + d) k, C(s) = (g C(s-1) + a C(s-2) - f) k.
//
// Boundary codes replace or combine these coefficients:
//  2 (and 4 inside a slope triple): w(s) = delta, the equation of s gives way to the reaction.
//  3 at m-1: the natural coefficients are kept; the station takes w(m-1) = w(m+1) - 2h theta.
//  5 at m+1: the equation of m+1 is added to the kept equation of m-1 (an unknown couple at m
//     acts on both with opposite signs), which gives the factor G below.
// Every code takes its value from the restraint row that set it (boundaryDeflection and
// boundarySlope of its own station), so a deflection and a slope at one station both hold.
void solveRecursion(const StationData& st, const WallRecord& wall, SolverWork& work) {
    const int n = wall.increments;
    const double h = wall.incrementLength;
    const double twoH = kSlopeSpan * h;
    auto& A = work.A;
    auto& B = work.B;
    auto& C = work.C;
    for (int s = kFirstStoredStation; s < -1; ++s) {
        A[s] = 0.0;
        B[s] = 0.0;
        C[s] = 0.0;
    }
    work.slopeOpen = false;

    // The coefficients of the two stations above are carried in registers: each station's
    // pivot waits on the one before it, and a round trip through the arrays would lengthen
    // that chain. The arrays still receive every value, for the backward pass.
    double a1 = A[-2], b1 = B[-2], c1 = C[-2]; // station s-1
    double a2 = A[-3], b2 = B[-3], c2 = C[-3]; // station s-2
    for (int s = -1; s <= n + 1; ++s) {
        const FiveTermEquation eq = equationAt(work.equations, work.qWork, work.sWork, h, s);
        const double g = eq.a * b2 + eq.b;
        const double k = negativeReciprocal(eq.a * a2 + g * b1 + eq.c);
        double as = eq.e * k;
        double bs = (g * a1 + eq.d) * k;
        double cs = (g * c1 + eq.a * c2 - eq.f) * k;

        switch (st.code[s]) {
        case kCodeFree:
            break;
        case kCodeSlopeFirst:
            work.slopeOpen = true;
            work.slopeOpenStation = s;
            work.k3 = k;
            work.A3 = as;
            work.B3 = bs;
            work.C3 = cs;
            as = 1.0;
            bs = 0.0;
            cs = -twoH * st.boundarySlope[s];
            break;
        case kCodeSlopeLast: {
            // Only the partner opened two stations above can be closed; a slope triple whose
            // first station was taken over by another row leaves this station free.
            if (!work.slopeOpen || work.slopeOpenStation != s - 2) break;
            work.slopeOpen = false;
            // Each term is multiplied by k and then divided by k3, in that order (a quotient
            // k/k3 taken first rounds differently); a zero k3 contributes nothing.
            const double k3 = work.k3;
            const auto scaled = [k, k3](double term) { return k3 == 0.0 ? 0.0 : term * k / k3; };
            const double denominator = 1.0 - scaled(work.B3 * b1 + work.A3 - 1.0);
            const double gFactor = denominator == 0.0 ? 0.0 : 1.0 / denominator;
            as = gFactor * as;
            bs = gFactor * (scaled(work.B3 * a1) + bs);
            cs = gFactor * (scaled(twoH * st.boundarySlope[s] + work.C3 + work.B3 * c1) + cs);
            break;
        }
        default: // 2, 4 and any other code: a specified deflection
            as = 0.0;
            bs = 0.0;
            cs = st.boundaryDeflection[s];
            break;
        }
        A[s] = as;
        B[s] = bs;
        C[s] = cs;
        a2 = a1;
        b2 = b1;
        c2 = c1;
        a1 = as;
        b1 = bs;
        c1 = cs;
    }

    // Backward pass from the two stations below the wall, which stay undeflected.
    work.w[n + 2] = 0.0;
    work.w[n + 3] = 0.0;
    for (int s = n + 1; s >= -1; --s)
        work.w[s] = A[s] * work.w[s + 2] + B[s] * work.w[s + 1] + C[s];
}

} // namespace tervane
