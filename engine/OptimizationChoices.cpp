// The optimization choices of a run: whether the drainage factors and the leaching efficiencies
// are searched, and which efficiencies the output reports as changed.

#include "engine/Engine.h"
#include "engine/OptimizationTexts.h"

namespace vantorel {

void Engine::DrainageStage() {
    const InputData& d = state_.Input;
    RunValues& r = state_.Run;
    r.DrainOptWanted = false;
    if (!d.DrainPresent) return;
    const bool measured = d.NrMeasDrain > 4 || d.NrMeasDwt > 4;
    r.OptAccepted = dialogs_.AskYesNo(measured ? LongDrainageQuestion : ShortDrainageQuestion);
    r.DrainOptWanted = r.OptAccepted;
}

void Engine::LeachingStage() {
    const InputData& d = state_.Input;
    RunValues& r = state_.Run;
    const int32_t counts[ZoneCount] = {d.NrSalt1, d.NrSalt2, d.NrSalt3, d.NrSaltT, d.NrSaltA};
    bool enough = false;
    for (int32_t count : counts) enough = enough || count > 3;
    // Without the question the answer of the last question asked stands; no count qualifies then.
    if (enough) r.OptAccepted = dialogs_.AskYesNo(LeachingQuestion);
    if (!r.OptAccepted) return;
    for (int zone = 0; zone < ZoneCount; ++zone) {
        const bool exists = zone == Layer1 || zone >= TransitionZone || zone < d.NrLayers;
        if (exists && counts[zone] > 3) SearchLeachingEfficiency(d.NrLayers, static_cast<Zone>(zone));
    }
    dialogs_.SetProgress(7);
}

void Engine::MarkingStage() {
    const InputData& d = state_.Input;
    RunValues& r = state_.Run;
    r.LEUsed = {d.LE1, d.LE2, d.LE3, d.LEt, d.LEa};
    for (int zone = 0; zone < ZoneCount; ++zone) r.LEOptimized[zone] = r.LEGiven[zone] != r.LEUsed[zone];
}

}  // namespace vantorel
