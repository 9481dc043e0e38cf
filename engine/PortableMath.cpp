#include "engine/PortableMath.h"

#include <cmath>

namespace vantorel {

namespace {

// ln 2 split so that a whole multiple of the first part up to 2^11 is exact.
constexpr double Ln2High = 6.93147180369123816490e-01;
constexpr double Ln2Low = 1.90821492927058770002e-10;
constexpr double InverseLn2 = 1.44269504088896338700e+00;

}  // namespace

double PortableLog(double x) {
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // exact: x = m * 2^exponent, 0.5 <= m < 1
    if (m < 0.70710678118654752440) {
        m *= 2;
        --exponent;
    }
    // log(m) = 2 atanh(s) with |s| <= 0.172: the odd series converges within 12 terms.
    const double s = (m - 1) / (m + 1);
    const double s2 = s * s;
    double series = 1.0 / 25;
    for (int k = 11; k >= 0; --k) series = 1.0 / (2 * k + 1) + s2 * series;
    const double e = exponent;
    return e * Ln2High + (e * Ln2Low + 2 * s * series);
}

double PortableExp(double x) {
    if (std::isnan(x)) return x;
    if (x > 709.782712893384) return HUGE_VAL;
    if (x < -745.2) return 0.0;
    // exp(x) = 2^k exp(r) with |r| <= ln 2 / 2; the Taylor series of exp(r) then needs 18 terms.
    const double k = std::floor(x * InverseLn2 + 0.5);
    const double r = (x - k * Ln2High) - k * Ln2Low;
    double series = 1;
    for (int n = 18; n >= 1; --n) series = 1 + r * series / n;
    return std::ldexp(series, static_cast<int>(k));
}

}  // namespace vantorel
