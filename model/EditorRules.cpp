#include "model/EditorRules.h"

#include <algorithm>

namespace vantorel {

double KeptIrrigationEfficiency(double typed) {
    return std::clamp(typed, LowestIrrigationEfficiency, HighestIrrigationEfficiency);
}

std::optional<ValueBreach> IrrigationEfficiencyBreach(double efficiency) {
    if (KeptIrrigationEfficiency(efficiency) == efficiency) return std::nullopt;
    return ValueBreach{"IrrEff", 0, efficiency, "the irrigation efficiency must lie between 30 and 100 %"};
}

double KeptMeasurement(double value) { return value > MissingDepthOrDischarge && value < 0 ? 0 : value; }

std::optional<DrainageRefusal> DrainageRuleRefusal(const InputData& d) {
    const double root_zone = RootZoneThickness(d);
    const auto refuse = [](DrainageCheck check, const char* field, double value, const char* message) {
        return DrainageRefusal{check, {field, 0, value, message}};
    };
    if (d.Dd < 0) return refuse(DrainageCheck::DrainDepth, "Dd", d.Dd, "Then drain depth value is invalid. Please adjust.");
    if (d.Dd < root_zone) {
        return refuse(DrainageCheck::DepthWithinRootZone, "Dd", d.Dd,
                      "The drain depth must be greater than the total thickness of the root zone. Enlarge the drain "
                      "depth or reduce the rootzone thickness.");
    }
    if (root_zone + d.Dt < d.Dd) {
        return refuse(DrainageCheck::DepthBelowTransitionZone, "Dd", d.Dd,
                      "The drain depth must be less than the total thickness of the root zone plus transition zone. "
                      "Reduce the drain depth or enlarge the transition zone thickness.");
    }
    if (d.QH1 == 0 && d.QH2 == 0) {
        return refuse(DrainageCheck::Factors, "QH1", d.QH1,
                      "The drainage recation factors QH1 and QH2 need to be given a value.");
    }
    return std::nullopt;
}

std::optional<ValueBreach> ThreeLayerSoilRefusal(const InputData& d) {
    struct Zone {
        const char* name;
        double InputData::*properties[3];  // thickness, total and effective porosity
    };
    static constexpr Zone zones[] = {
        {"1st layer", {&InputData::D1, &InputData::TP1, &InputData::EffPor1}},
        {"2nd layer", {&InputData::D2, &InputData::TP2, &InputData::EffPor2}},
        {"3rd layer", {&InputData::D3, &InputData::TP3, &InputData::EffPor3}},
        {"transition zone", {&InputData::Dt, &InputData::TPt, &InputData::EffPort}},
        {"aquifer", {&InputData::Da, &InputData::TPa, &InputData::EffPora}},
    };
    for (const Zone& zone : zones) {
        for (double InputData::*property : zone.properties) {
            // -1 is what the editor stores for an empty cell.
            if (d.*property != -1) continue;
            return ValueBreach{FieldName(property), 0, -1,
                               std::string("The soil data for the ") + zone.name +
                                   " are not complete. Calculations cannot be done"};
        }
    }
    return std::nullopt;
}

std::vector<ValueBreach> EditorRuleBreaches(const InputData& d) {
    std::vector<ValueBreach> breaches;
    if (auto breach = IrrigationEfficiencyBreach(d.IrrEff)) breaches.push_back(std::move(*breach));
    if (d.DrainPresent) {
        if (auto refusal = DrainageRuleRefusal(d)) breaches.push_back(std::move(refusal->breach));
    }
    if (d.Is3Layer) {
        if (auto breach = ThreeLayerSoilRefusal(d)) breaches.push_back(std::move(*breach));
    }
    if (d.DrainPresent) {
        const size_t steps = std::min(d.DrainMeas.size(), static_cast<size_t>(std::max(d.NrTimeSteps, 0)) + 1);
        for (size_t i = 1; i < steps; ++i) {
            if (KeptMeasurement(d.DrainMeas[i]) == d.DrainMeas[i]) continue;
            breaches.push_back({"DrainMeas", static_cast<int32_t>(i), d.DrainMeas[i],
                                "a measured discharge is 0 or more, or -1000 when not measured"});
        }
    }
    return breaches;
}

}  // namespace vantorel
