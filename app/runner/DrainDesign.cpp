#include "app/runner/DrainDesign.h"

#include <optional>
#include <vector>

#include "app/runner/Runner.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

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
