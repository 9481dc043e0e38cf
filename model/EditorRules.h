#pragma once
// The rules of the input editors for the values they keep, each written once: the editors apply
// them, the scenario study and the Python module refuse a value that an editor would change or
// refuse, and the batch runner warns of every value of a file that breaks one.

#include <optional>
#include <vector>

#include "model/InputFields.h"

namespace vantorel {

inline constexpr double LowestIrrigationEfficiency = 30;
inline constexpr double HighestIrrigationEfficiency = 100;

// What the conditions editor keeps of a typed irrigation efficiency: the nearest value of 30 to
// 100 %.
double KeptIrrigationEfficiency(double typed);

// The breach of an irrigation efficiency outside 30 to 100 %, or nothing.
std::optional<ValueBreach> IrrigationEfficiencyBreach(double efficiency);

// What the drainage editor keeps of a measured discharge: a value between the not-measured marker
// and 0 becomes 0.
double KeptMeasurement(double value);

// The drainage editor's checks of a data set with drains, in its order.
enum class DrainageCheck {
    DrainDepth,               // a depth below 0
    DepthWithinRootZone,      // the drains lie in the root zone
    DepthBelowTransitionZone, // the drains lie below the transition zone
    Factors,                  // QH1 and QH2 both 0
};
struct DrainageRefusal {
    DrainageCheck check;
    ValueBreach breach;  // its rule is the editor's message
};
std::optional<DrainageRefusal> DrainageRuleRefusal(const InputData& data);

// The three-layer soil editor's check: the first zone, top down, whose thickness, total porosity
// or effective porosity is missing (-1); the rule is the editor's message.
std::optional<ValueBreach> ThreeLayerSoilRefusal(const InputData& data);

// Every value of the data set that an editor would refuse or change, in this order: the
// irrigation efficiency, the drainage checks (with drains), the soil check (three layers) and
// the measured discharges (with drains). A negative measured water-table depth is water standing
// on the surface, which files and the model keep; only the editor's typed value becomes 0.
std::vector<ValueBreach> EditorRuleBreaches(const InputData& data);

}  // namespace vantorel
