#include "app/runner/DrainDesign.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "app/runner/Runner.h"
#include "engine/HooghoudtFactors.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

// Beyond this no drainage system is designed; a design that would need more is reported instead.
constexpr double MaxSpacing = 100'000;  // m
// The bisection stops well below the centimetre that the spacing is given in.
constexpr double SpacingTolerance = 1e-4;  // m

const std::vector<std::string> FactorsOptions = {"ka", "kb", "depth-below", "perimeter", "porosity", "spacing"};
const std::vector<std::string> SpacingOptions = {"ka",        "kb",   "depth-below", "perimeter",
                                                 "discharge", "head", "porosity"};
const std::vector<std::string> DesignOptions = {"drain-factors", "drain-spacing", "ka",        "kb",  "depth-below",
                                                "perimeter",     "porosity",      "discharge", "head", "spacing"};

double NumberOption(const std::string& name, const std::string& text) {
    try {
        return StringToFloat(text);
    } catch (const ConversionError& error) {
        throw DesignRefusal("--" + name + ": " + error.what());
    }
}

double RequiredNumber(const CommandLine& line, const std::string& name) {
    if (!line.Has(name)) throw DesignRefusal("--" + name + " is missing");
    return NumberOption(name, line.Value(name));
}

// Refuses the options that belong to the other command, and an input file.
void CheckOnlyOptions(const CommandLine& line, const std::string& command, const std::vector<std::string>& allowed) {
    for (const std::string& name : DesignOptions) {
        if (name == command || !line.Has(name)) continue;
        bool known = false;
        for (const std::string& option : allowed) known = known || option == name;
        if (!known) throw DesignRefusal("--" + name + " does not belong to --" + command);
    }
    if (!line.arguments.empty()) throw DesignRefusal("--" + command + " takes no input file");
}

std::string Geometry(const DrainGeometry& g) {
    return "Ka = " + FormatGeneral(g.Ka) + " m/day, Kb = " + FormatGeneral(g.Kb) + " m/day, D = " + FormatGeneral(g.D) +
           " m, U = " + FormatGeneral(g.U) + " m";
}

// The conductivities, the depth of the layer below the drains and the wet perimeter, each with the
// calculator's own check; both commands take them.
template <typename Design>
void ReadSoilAndDrain(const CommandLine& line, Design& design) {
    design.Ka = RequiredNumber(line, "ka");
    CheckDesignValue(CalculatorField::Ka, design.Ka);
    design.Kb = RequiredNumber(line, "kb");
    CheckDesignValue(CalculatorField::Kb, design.Kb);
    design.D = RequiredNumber(line, "depth-below");
    CheckDesignValue(CalculatorField::D, design.D);
    design.U = RequiredNumber(line, "perimeter");
    CheckDesignValue(CalculatorField::U, design.U);
}

int PrintFactors(const CommandLine& line, std::ostream& out) {
    CheckOnlyOptions(line, "drain-factors", FactorsOptions);
    DrainGeometry g;
    ReadSoilAndDrain(line, g);
    g.P = RequiredNumber(line, "porosity");
    CheckDesignPorosity(g.P);
    if (!line.Has("spacing")) throw DesignRefusal("--spacing is missing");

    std::vector<std::pair<double, DrainageFactors>> rows;
    for (const std::string& text : line.Values("spacing")) {
        g.L = NumberOption("spacing", text);
        rows.emplace_back(g.L, DesignFactors(g));
    }

    out << "Drainage factors by Hooghoudt's equation: " << Geometry(g) << ", P = " << FormatGeneral(g.P) << " %\n";
    out << "   L (m)     d (m)      QH1      QH2\n";
    for (const auto& [spacing, factors] : rows) {
        out << FormatFixed(spacing, 8, 2) << FormatFixed(factors.EquivalentDepth, 10, 3) << "  "
            << FormatFixed(factors.QH1, 7, 4) << "  " << FormatFixed(factors.QH2, 7, 4) << '\n';
    }
    out << "QH1 in m/day/m and QH2 in m/day/m^2, divided by the drainable porosity as the calculator does.\n";
    return ExitOk;
}

int PrintSpacing(const CommandLine& line, std::ostream& out, std::ostream& err) {
    CheckOnlyOptions(line, "drain-spacing", SpacingOptions);
    SpacingDesign design;
    ReadSoilAndDrain(line, design);
    design.Q = RequiredNumber(line, "discharge");
    CheckDesignDischarge(design.Q);
    design.H = RequiredNumber(line, "head");
    CheckDesignHead(design.H);
    std::optional<double> porosity;
    if (line.Has("porosity")) {
        porosity = RequiredNumber(line, "porosity");
        CheckDesignPorosity(*porosity);
    }

    const SpacingSolution solution = FindDrainSpacing(design);
    if (!solution.Found) {
        err << "vantorel-run: " << solution.Problem << '\n';
        return ExitRunFailed;
    }
    const DrainGeometry g{design.Ka, design.Kb, design.D, design.U, porosity.value_or(0), solution.L};
    out << "Drain spacing by Hooghoudt's equation: " << Geometry(g) << '\n';
    out << "Design discharge " << FormatGeneral(design.Q) << " mm/day at a head of " << FormatGeneral(design.H)
        << " m midway between the drains\n";
    out << "Spacing L (m)          : " << FormatFixed(solution.L, 9, 2) << '\n';
    out << "Equivalent depth d (m) : " << FormatFixed(solution.d, 9, 3) << '\n';
    out << "Discharge (mm/day)     : " << FormatFixed(solution.Discharge, 9, 4) << '\n';
    if (porosity) {
        const DrainageFactors factors = ComputeDrainageFactors(g);
        out << "QH1 (m/day/m)          :   " << FormatFixed(factors.QH1, 7, 4) << '\n';
        out << "QH2 (m/day/m^2)        :   " << FormatFixed(factors.QH2, 7, 4) << '\n';
    }
    return ExitOk;
}

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

bool WantsDrainDesign(const CommandLine& line) {
    for (const std::string& name : DesignOptions) {
        if (line.Has(name)) return true;
    }
    return false;
}

int RunDrainDesign(const CommandLine& line, std::ostream& out, std::ostream& err) {
    try {
        const bool factors = line.Has("drain-factors");
        const bool spacing = line.Has("drain-spacing");
        if (factors && spacing) throw DesignRefusal("give either --drain-factors or --drain-spacing");
        if (factors) return PrintFactors(line, out);
        if (spacing) return PrintSpacing(line, out, err);
        throw DesignRefusal("the drain-design options need --drain-factors or --drain-spacing");
    } catch (const DesignRefusal& refusal) {
        err << "vantorel-run: " << refusal.what() << '\n';
        return ExitBadInput;
    }
}

}  // namespace vantorel
