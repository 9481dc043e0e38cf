#pragma once
// Runs parts of a calculation on a data set, as the driver would, for tests.

#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/ModelState.h"
#include "tests/support/ScriptedDialogs.h"

namespace vantorel::test {

struct EngineRun {
    explicit EngineRun(const InputData& data) { state.Input = data; }

    // The derived values of a save, the preparation and the water balance with the input's factors.
    void WaterBalance() {
        ComputeDerivedValues(state.Input);
        engine.PrepareRun();
        state.Run.QH1Used = state.Input.QH1;
        state.Run.QH2Used = state.Input.QH2;
        engine.RunWaterBalance();
    }
    void WaterAndSaltBalance() {
        WaterBalance();
        engine.RunSaltBalance();
    }

    ModelState state;
    ScriptedDialogs dialogs;
    Engine engine{state, dialogs};
    InputData& input = state.Input;
    RunValues& run = state.Run;
};

}  // namespace vantorel::test
