#include "engine/DrainDesign.h"

#include <algorithm>
#include <cmath>

#include "model/NumberText.h"

namespace vantorel {

namespace {

// Beyond this no drainage system is designed; a design that would need more is reported instead.
constexpr double MaxSpacing = 100'000;  // m
// The bisection stops well below the centimetre that the spacing is given in.
constexpr double SpacingTolerance = 1e-4;  // m

}  // namespace

void CheckDesignValue(CalculatorField field, double value) {
    if (const auto message = CheckCalculatorField(field, value)) throw DesignRefusal(*message);
}

void CheckDesignPorosity(double porosity) {
    CheckDesignValue(CalculatorField::P, porosity);
    if (!(porosity > 1 && porosity < 30)) {
        throw DesignRefusal(std::string(IncorrectCalculatorDataMessage) +
                            " (the porosity P must be greater than 1 % and less than 30 %)");
    }
}

void CheckDesignDischarge(double Q) {
    if (!(Q > 0)) throw DesignRefusal("The design discharge Q should be greater than zero");
}

void CheckDesignHead(double H) {
    if (!(H > 0)) throw DesignRefusal("The head H should be greater than zero");
}

DrainageFactors DesignFactors(const DrainGeometry& g) {
    CheckDesignValue(CalculatorField::L, g.L);
    if (!ValidateCalculatorInputs(g)) throw DesignRefusal(IncorrectCalculatorDataMessage);
    const DrainageFactors factors = ComputeDrainageFactors(g);
    // Spacings not well above the wet perimeter give no positive equivalent depth.
    if (!(factors.EquivalentDepth > 0) || !std::isfinite(factors.EquivalentDepth)) {
        throw DesignRefusal("the spacing " + FormatGeneral(g.L) + " m gives no positive equivalent depth; " +
                            "the spacing must be well above the wet perimeter U");
    }
    return factors;
}

double SpacingDischarge(const SpacingDesign& s, double L) {
    const double d = EquivalentDepth(s.D, s.U, L);
    return 1000 * (8 * s.Kb * d * s.H + 4 * s.Ka * s.H * s.H) / (L * L);
}

SpacingSolution FindDrainSpacing(const SpacingDesign& design) {
    SpacingSolution solution;
    // The discharge falls as the spacing grows. Below e times the wet perimeter the radial term
    // ln(L/U) drops under 1 and, for a thick layer below the drains, the equivalent depth grows
    // without bound as the spacing shrinks: such spacings lie outside the range of the equation.
    const double closest = std::ceil(std::exp(1.0) * design.U * 100) / 100;
    const double most = SpacingDischarge(design, closest);
    if (!(most >= design.Q)) {
        solution.Problem = "No drain spacing meets this design: even drains " + FormatFixed(closest, 0, 2) +
                           " m apart (e times the wet perimeter, the closest the equation allows) carry only " +
                           FormatFixed(most, 0, 4) + " mm/day at a head of " + FormatGeneral(design.H) + " m.";
        return solution;
    }
    double low = closest;
    double high = closest;
    while (SpacingDischarge(design, high) >= design.Q) {
        low = high;
        high *= 2;
        if (high > MaxSpacing) {
            solution.Problem = "No drain spacing meets this design: drains " + FormatGeneral(MaxSpacing) +
                               " m apart still carry more than " + FormatGeneral(design.Q) +
                               " mm/day; the design discharge is too small.";
            return solution;
        }
    }
    while (high - low > SpacingTolerance) {
        const double middle = (low + high) / 2;
        if (SpacingDischarge(design, middle) >= design.Q) {
            low = middle;
        } else {
            high = middle;
        }
    }
    // Rounded down to the centimetre, the spacing still carries the design discharge.
    solution.L = std::max(std::floor(low * 100) / 100, closest);
    solution.d = EquivalentDepth(design.D, design.U, solution.L);
    solution.Discharge = SpacingDischarge(design, solution.L);
    solution.Found = true;
    return solution;
}

}  // namespace vantorel
