#pragma once
// The semi-implicit daily update of a zone's salinity, shared by the final salt balance and the
// leaching-efficiency searches: S_new = S + In - LE * Q * (S + S_new) / 2 / W solved for S_new.

namespace vantorel {

// s: salinity before the update; salt_in: the salt entering times W; q: water leaving (mm/day);
// le: leaching efficiency (fraction); w: stored water (mm). The floors are the caller's.
inline double UpdatedSalinity(double s, double salt_in, double q, double le, double w) {
    const double in = salt_in / w;
    const double out = 0.5 * le * q * s / w;
    double den = 1 + 0.5 * le * q / w;
    if (den < 0.001) den = 0.001;
    return (s + in - out) / den;
}

// Layers 1 and 2 may not reach 0; layer 3, the transition zone and the aquifer may not go below.
inline double FloorAtZero(double s) { return s <= 0 ? 0.1 : s; }
inline double FloorBelowZero(double s) { return s < 0 ? 0.1 : s; }

}  // namespace vantorel
