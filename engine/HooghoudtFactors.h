#pragma once
// Drainage reaction factors of a drainage system from its geometry, by Hooghoudt's drain-spacing
// equation with an equivalent depth: QH1 is the flow below drain level per metre of head, QH2 the
// flow above drain level per square metre of head, both divided by the drainable porosity.

#include <optional>
#include <string>

namespace vantorel {

struct DrainGeometry {
    double Ka = 0;  // hydraulic conductivity above drain level, m/day
    double Kb = 0;  // hydraulic conductivity below drain level, m/day
    double D = 0;   // depth of the soil layer below drain level, m
    double U = 0;   // wet perimeter of the drain or ditch, m
    double P = 0;   // drainable porosity of the top soil, per cent
    double L = 0;   // drain spacing, m
};

struct DrainageFactors {
    double QH1 = 0;              // m/day per m of head, per unit of drainable porosity
    double QH2 = 0;              // m/day per m^2 of head, per unit of drainable porosity
    double EquivalentDepth = 0;  // d, m
};

// The equivalent depth d of the layer of depth D below drain level for spacing L and wet
// perimeter U. The constants are written with the precision of the calculator window.
double EquivalentDepth(double D, double U, double L);

DrainageFactors ComputeDrainageFactors(const DrainGeometry& geometry);

// The calculator's fields, each checked when it is left.
enum class CalculatorField { Ka, Kb, Dd, D, U, P, L };

// The message of a value the field refuses, or nothing when it accepts the value.
std::optional<std::string> CheckCalculatorField(CalculatorField field, double value);

// Whether "Calculate" may run: every value positive and the porosity strictly between 1 and 30 per
// cent. The drain depth takes no part.
bool ValidateCalculatorInputs(const DrainGeometry& geometry);

// Shown when ValidateCalculatorInputs refuses.
extern const char* const IncorrectCalculatorDataMessage;

}  // namespace vantorel
