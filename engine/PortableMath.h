#pragma once
// The natural logarithm and the exponential from additions, multiplications, divisions and exact
// scalings alone. The system's mathematical libraries may differ in the last bit from one another
// (the runner built for Windows links another one), and a sampled value that differs in the last
// bit may be rounded otherwise into an input file; these give the same bits everywhere.

namespace vantorel {

// Of a positive finite x; within about one unit in the last place of the exact value.
double PortableLog(double x);

// Within about one unit in the last place; 0 below about -745 and infinity above about 709.78.
double PortableExp(double x);

}  // namespace vantorel
