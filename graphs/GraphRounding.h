#pragma once
// The integer conversion of the graph arithmetic.

#include <cmath>
#include <cstdint>

namespace vantorel {

// Values beyond this lie far outside any graph; keeping them here keeps the integer arithmetic
// of axes and pixels from overflowing on absurd data.
inline constexpr double GraphValueLimit = 1e8;

// x to the nearest integer, halves to the even neighbour (Rnd(2.5) = 2, Rnd(3.5) = 4), independent
// of the floating-point rounding mode. Not-a-number gives 0.
inline int32_t Rnd(double x) {
    if (std::isnan(x)) return 0;
    if (x > GraphValueLimit) return static_cast<int32_t>(GraphValueLimit);
    if (x < -GraphValueLimit) return -static_cast<int32_t>(GraphValueLimit);
    double whole = std::floor(x);
    const double fraction = x - whole;  // exact for numbers of this size
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<int32_t>(whole);
}

}  // namespace vantorel
