#include "engine/Sampling.h"

#include <cmath>
#include <vector>

#include "engine/PortableMath.h"
#include "model/NumberText.h"
#include "model/PlainNumber.h"

namespace vantorel {

namespace {

struct DistributionForm {
    Distribution distribution;
    const char* name;
    const char* parameters;
    size_t count;
};

constexpr DistributionForm Forms[] = {
    {Distribution::Uniform, "uniform", "a,b", 2},
    {Distribution::Normal, "normal", "m,s", 2},
    {Distribution::Lognormal, "lognormal", "m,s", 2},
    {Distribution::Triangular, "triangular", "a,c,b", 3},
};

const DistributionForm& FormOf(Distribution distribution) {
    for (const DistributionForm& form : Forms) {
        if (form.distribution == distribution) return form;
    }
    return Forms[0];
}

constexpr const char* Syntax = "a sampled cell is ~uniform(a,b), ~normal(m,s), ~lognormal(m,s) or ~triangular(a,c,b)";

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',')) {
        parts.push_back(TrimBlanks(text.substr(0, comma)));
        text.remove_prefix(comma + 1);
    }
    parts.push_back(TrimBlanks(text));
    return parts;
}

// Why the parameters give no distribution, or nothing.
std::optional<std::string> ParameterProblem(const Sampling& s) {
    const auto& p = s.parameters;
    switch (s.distribution) {
        case Distribution::Uniform:
            if (!(p[1] > p[0])) return "b must be greater than a";
            break;
        case Distribution::Normal:
        case Distribution::Lognormal:
            if (!(p[1] > 0)) return "the standard deviation s must be greater than 0";
            break;
        case Distribution::Triangular:
            if (!(p[2] > p[0])) return "b must be greater than a";
            if (p[1] < p[0] || p[1] > p[2]) return "the mode c must lie between a and b";
            break;
    }
    return std::nullopt;
}

uint64_t SplitMix(uint64_t x) {
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

uint64_t TextHash(std::string_view text, uint64_t hash) {
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    return hash;
}

template <size_t N>
double Polynomial(const double (&coefficients)[N], double x) {
    double value = coefficients[N - 1];
    for (size_t i = N - 1; i-- > 0;) value = value * x + coefficients[i];
    return value;
}

}  // namespace

SamplingParse ParseSampling(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.front() != '~') return {std::nullopt, Syntax};
    text.remove_prefix(1);
    const size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')') return {std::nullopt, Syntax};
    const std::string_view name = TrimBlanks(text.substr(0, open));
    const DistributionForm* form = nullptr;
    for (const DistributionForm& candidate : Forms) {
        if (name == candidate.name) form = &candidate;
    }
    if (form == nullptr) return {std::nullopt, Syntax};
    const std::vector<std::string_view> parts = SplitAtCommas(text.substr(open + 1, text.size() - open - 2));
    if (parts.size() != form->count) {
        return {std::nullopt, std::string("~") + form->name + " takes " + std::to_string(form->count) + " numbers (" +
                                  form->parameters + "), not " + std::to_string(parts.size())};
    }
    Sampling sampling{form->distribution, {}};
    for (size_t i = 0; i < parts.size(); ++i) {
        const auto value = PlainNumber(parts[i]);
        if (!value) return {std::nullopt, "'" + std::string(parts[i]) + "' is not a number"};
        sampling.parameters[i] = *value;
    }
    if (auto problem = ParameterProblem(sampling)) return {std::nullopt, *problem};
    return {sampling, {}};
}

std::string SamplingText(const Sampling& sampling) {
    const DistributionForm& form = FormOf(sampling.distribution);
    std::string text = std::string("~") + form.name + "(";
    for (size_t i = 0; i < form.count; ++i) text += (i > 0 ? "," : "") + FormatGeneral(sampling.parameters[i]);
    return text + ")";
}

double NormalQuantile(double p) {
    static constexpr double a[] = {3.3871328727963666080e0, 1.3314166789178437745e+2, 1.9715909503065514427e+3,
                                   1.3731693765509461125e+4, 4.5921953931549871457e+4, 6.7265770927008700853e+4,
                                   3.3430575583588128105e+4, 2.5090809287301226727e+3};
    static constexpr double b[] = {1.0,
                                   4.2313330701600911252e+1, 6.8718700749205790830e+2, 5.3941960214247511077e+3,
                                   2.1213794301586595867e+4, 3.9307895800092710610e+4, 2.8729085735721942674e+4,
                                   5.2264952788528545610e+3};
    static constexpr double c[] = {1.42343711074968357734e0, 4.63033784615654529590e0, 5.76949722146069140550e0,
                                   3.64784832476320460504e0, 1.27045825245236838258e0, 2.41780725177450611770e-1,
                                   2.27238449892691845833e-2, 7.74545014278341407640e-4};
    static constexpr double d[] = {1.0,
                                   2.05319162663775882187e0, 1.67638483018380384940e0, 6.89767334985100004550e-1,
                                   1.48103976427480074590e-1, 1.51986665636164571966e-2, 5.47593808499534494600e-4,
                                   1.05075007164441684324e-9};
    static constexpr double e[] = {6.65790464350110377720e0, 5.46378491116411436990e0, 1.78482653991729133580e0,
                                   2.96560571828504891230e-1, 2.65321895265761230930e-2, 1.24266094738807843860e-3,
                                   2.71155556874348757815e-5, 2.01033439929228813265e-7};
    static constexpr double f[] = {1.0,
                                   5.99832206555887937690e-1, 1.36929880922735805310e-1, 1.48753612908506148525e-2,
                                   7.86869131145613259100e-4, 1.84631831751005468180e-5, 1.42151175831644588870e-7,
                                   2.04426310338993978564e-15};
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425) {
        const double r = 0.180625 - q * q;
        return q * Polynomial(a, r) / Polynomial(b, r);
    }
    double r = std::sqrt(-PortableLog(q < 0 ? p : 1 - p));
    double value = 0;
    if (r <= 5) {
        r -= 1.6;
        value = Polynomial(c, r) / Polynomial(d, r);
    } else {
        r -= 5;
        value = Polynomial(e, r) / Polynomial(f, r);
    }
    return q < 0 ? -value : value;
}

double SampleAt(const Sampling& sampling, double p) {
    const auto& [first, second, third] = sampling.parameters;
    switch (sampling.distribution) {
        case Distribution::Uniform: return first + (second - first) * p;
        case Distribution::Normal: return first + second * NormalQuantile(p);
        case Distribution::Lognormal: return PortableExp(first + second * NormalQuantile(p));
        case Distribution::Triangular: {
            const double a = first, c = second, b = third;
            if (p < (c - a) / (b - a)) return a + std::sqrt(p * (b - a) * (c - a));
            return b - std::sqrt((1 - p) * (b - a) * (b - c));
        }
    }
    return first;
}

// 52 bits, so that each probability k + 0.5 halves of 2^-52 is exact and 1 is never reached.
double OpenUnitInterval(uint64_t bits) { return (static_cast<double>(bits >> 12) + 0.5) * 0x1p-52; }

std::mt19937_64 CellGenerator(uint64_t seed, std::string_view row, std::string_view field) {
    constexpr uint64_t FnvOffset = 0xCBF29CE484222325u;
    // The separator keeps "ab","c" and "a","bc" apart.
    const uint64_t names = TextHash(field, TextHash("\x1F", TextHash(row, FnvOffset)));
    return std::mt19937_64(SplitMix(SplitMix(seed) ^ names));
}

}  // namespace vantorel
