#include "engine/FactorUncertainty.h"

#include "engine/CalibrationTables.h"
#include "engine/ObjectiveMap.h"
#include "model/DerivedValues.h"

namespace vantorel {

namespace {

constexpr const char* NoDrains =
    "the data set has no subsurface drainage system, so it has no drainage factors to fit.";

// The steps whose deviation the search adds to the objective's sum.
int MeasuredSteps(const InputData& d, DrainageObjective objective) {
    const StepSeries& measured = objective == DrainageObjective::WaterTable ? d.DwtMeas : d.DrainMeas;
    int count = 0;
    for (int32_t i = 1; i <= d.NrTimeSteps && i < static_cast<int32_t>(measured.size()); ++i) {
        if (measured[i] > MissingDepthOrDischarge) ++count;
    }
    return count;
}

}  // namespace

std::optional<std::string> UncertaintyRefusal(const InputData& data, bool drainage_optimization) {
    if (!data.DrainPresent) return NoDrains;
    if (!drainage_optimization) {
        return "the uncertainty is that of drainage factors fitted to measurements, and the run does not optimize "
               "them.";
    }
    return std::nullopt;
}

UncertaintyBasis UncertaintyBasisOf(const ModelState& completed_run) {
    const RunValues& r = completed_run.Run;
    if (!completed_run.Input.DrainPresent) throw UncertaintyError(NoDrains);
    if (r.QHOptBalance) {
        throw UncertaintyError(
            "the run took the drainage factors of the best water balance, which is no fit to measurements.");
    }
    if (!r.QHOptDwt && !r.QHOptDrain) {
        throw UncertaintyError("the run used the given drainage factors, which no measurements fixed.");
    }
    UncertaintyBasis basis;
    basis.objective = r.QHOptDwt ? DrainageObjective::WaterTable : DrainageObjective::DrainDischarge;
    basis.efficiencies = r.LEUsed;
    return basis;
}

FactorUncertainty ComputeFactorUncertainty(const InputData& data, const UncertaintyBasis& basis,
                                           const StopRequest* stop) {
    InputData prepared = data;
    ComputeDerivedValues(prepared);
    ObjectiveMap map;
    try {
        map = ComputeObjectiveMap(prepared, stop);
    } catch (const ObjectiveMapError& error) {
        throw UncertaintyError(error.what());
    }
    FactorUncertainty result;
    result.objective = basis.objective;
    result.measurements = MeasuredSteps(prepared, basis.objective);
    const std::vector<double>& sums =
        basis.objective == DrainageObjective::WaterTable ? map.sums.water_table : map.sums.discharge;
    result.posterior.probability = PosteriorFromAbsoluteSums(sums, result.measurements);
    if (result.posterior.probability.empty()) {
        throw UncertaintyError(result.measurements == 0 ? std::string("the data set has no measurements of the ") +
                                                              ObjectiveLabel(basis.objective) + "."
                                                        : "no pair of the grid has a finite sum of deviations.");
    }
    for (int j = 1; j <= DrainageGridSize; ++j) result.posterior.first.push_back(TrialQH1(DrainageTrialIndex(j, 1)));
    for (int k = 1; k <= DrainageGridSize; ++k) result.posterior.second.push_back(TrialQH2(DrainageTrialIndex(1, k)));
    result.summary = SummarizePosterior(result.posterior);

    result.band_pairs = HighestProbabilitySet(result.posterior.probability, BandProbability);
    std::vector<WeightedPair> pairs;
    for (const int index : result.band_pairs) {
        const double p = result.posterior.probability[index];
        pairs.push_back({TrialQH1(index), TrialQH2(index), p});
        result.band_probability = result.band_probability + p;
    }
    try {
        result.bands = ComputePredictionBands(prepared, basis.efficiencies, pairs, stop);
    } catch (const PredictionBandError& error) {
        throw UncertaintyError(error.what());
    }
    return result;
}

}  // namespace vantorel
