#include "engine/HooghoudtFactors.h"

#include <cmath>

namespace vantorel {

const char* const IncorrectCalculatorDataMessage = "One or more data values are incorrect";

double EquivalentDepth(double D, double U, double L) {
    const double x = 6.284 * D / L;
    double f = 0;
    if (x <= 1) {
        f = std::log(0.5 * x / 3.142) + 9.872164 / (4 * x);
    } else {
        // The first three odd terms of the series.
        const double e1 = std::exp(-2 * x);
        const double e3 = std::exp(-6 * x);
        const double e5 = std::exp(-10 * x);
        f = 4 * e1 / (1 - e1) + 4 * e3 / ((1 - e3) * 3) + 4 * e5 / ((1 - e5) * 5);
    }
    return 3.142 * L / 8 / (std::log(L / U) + f);
}

DrainageFactors ComputeDrainageFactors(const DrainGeometry& g) {
    const double p = g.P / 100;
    DrainageFactors result;
    result.QH2 = 4 * g.Ka / (p * g.L * g.L);
    result.EquivalentDepth = EquivalentDepth(g.D, g.U, g.L);
    result.QH1 = 8 * g.Kb * result.EquivalentDepth / (p * g.L * g.L);
    return result;
}

std::optional<std::string> CheckCalculatorField(CalculatorField field, double value) {
    const auto positive = [&](const char* message) -> std::optional<std::string> {
        if (value > 0) return std::nullopt;
        return std::string(message);
    };
    switch (field) {
        case CalculatorField::Ka: return positive("Ka should be greater than zero");
        case CalculatorField::Kb: return positive("Kb should be greater than zero");
        case CalculatorField::Dd: return positive("H should be greater than zero");
        case CalculatorField::D: return positive("D should be greater than zero");
        case CalculatorField::U: return positive("U should be greater than zero");
        case CalculatorField::L: return positive("L should be greater than zero");
        case CalculatorField::P:
            if (!(value > 0)) return std::string("P should be greater than zero");
            if (value < 1) return std::string("P should be greater than 1%");
            if (value > 30) return std::string("P should be less than 30%");
            return std::nullopt;
    }
    return std::nullopt;
}

bool ValidateCalculatorInputs(const DrainGeometry& g) {
    return g.Ka > 0 && g.Kb > 0 && g.D > 0 && g.U > 0 && g.P > 1 && g.P < 30 && g.L > 0;
}

}  // namespace vantorel
