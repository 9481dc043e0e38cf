// The drainage-factor optimization: the grid of trial factors, the three optima, their checks and
// fits, and the choice between them.

#include <cmath>

#include "engine/DrainageOptima.h"
#include "engine/Engine.h"
#include "engine/OptimizationTexts.h"

namespace vantorel {

namespace {

bool IsCorner(const DrainageOptimum& o) {
    return (o.qh1 > 0.099 && o.qh2 > 0.099) || (o.qh1 > 0.099 && o.qh2 < 0.0022) ||
           (o.qh1 < 0.0022 && o.qh2 < 0.0022) || (o.qh1 < 0.0022 && o.qh2 > 0.099);
}

// 1 - (sum of |measured - simulated|) / (sum of |simulated - mean|) over the measured steps.
double GoodnessOfFit(const StepSeries& simulated, const StepSeries& measured, int32_t steps) {
    double total = 0;
    for (int32_t i = 1; i <= steps; ++i) total = total + simulated[i];
    const double mean = total / steps;
    double a = 0, b = 0;
    for (int32_t i = 1; i <= steps; ++i) {
        if (measured[i] > 0) {
            a = a + std::abs(simulated[i] - mean);
            b = b + std::abs(measured[i] - simulated[i]);
        }
    }
    return a > 0 ? 1 - b / a : 0;
}

}  // namespace

void Engine::RunFitWaterBalance() {
    quiet_stop_ = true;
    RunWaterBalance();
    quiet_stop_ = false;
}

void Engine::OptimizeDrainage() {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    r.QH1Given = d.QH1;
    r.QH2Given = d.QH2;

    DrainageTrialSums sums;
    RunDrainageGrid(
        state_, prepared_irrigation_, sums, [this](int quarter) { dialogs_.SetProgress(quarter + 1); }, stop_);
    const DrainageOptimum balance = FindDrainageOptimum(sums, DrainageObjective::Balance);
    const DrainageOptimum table = FindDrainageOptimum(sums, DrainageObjective::WaterTable);
    const DrainageOptimum discharge = FindDrainageOptimum(sums, DrainageObjective::DrainDischarge);
    const auto is_given = [&r](const DrainageOptimum& o) { return o.qh1 == r.QH1Given && o.qh2 == r.QH2Given; };

    r.QHOptBalance = balance.found && !is_given(balance) && !IsCorner(balance);

    // The fit runs evaluate an optimum; one whose water table falls below the aquifer is unusable.
    const auto fit_run = [&](const DrainageOptimum& optimum, const StepSeries& simulated, const StepSeries& measured,
                             int32_t count, double& fit, bool& accepted) {
        fit = 0;
        accepted = false;
        if (count <= 4 || !optimum.found) return;
        r.QH1Used = optimum.qh1;
        r.QH2Used = optimum.qh2;
        RunFitWaterBalance();
        if (r.CalcStopped) return;
        fit = GoodnessOfFit(simulated, measured, d.NrTimeSteps);
        accepted = fit >= 0.5;
    };
    fit_run(table, r.Dwt, d.DwtMeas, d.NrMeasDwt, r.FitDwt, r.QHOptDwt);
    fit_run(discharge, r.Drain, d.DrainMeas, d.NrMeasDrain, r.FitDrain, r.QHOptDrain);

    const auto passes_checks = [&](const DrainageOptimum& o) { return !is_given(o) && !(o.qh1 > 0.099 && o.qh2 > 0.099); };
    if (r.QHOptDwt && !passes_checks(table)) r.QHOptDwt = false;
    if (r.QHOptDrain && !passes_checks(discharge)) r.QHOptDrain = false;

    if (r.QHOptDwt && r.QHOptDrain) {
        const bool table_proposed = r.FitDwt >= r.FitDrain;
        r.OptAccepted = dialogs_.AskYesNo(FitChoiceQuestion(r.FitDwt, r.FitDrain));
        r.QHOptDwt = r.OptAccepted == table_proposed;
        r.QHOptDrain = !r.QHOptDwt;
    }

    if (r.QHOptDwt) {
        r.QH1Used = table.qh1;
        r.QH2Used = table.qh2;
    }
    if (r.QHOptDrain) {
        r.QH1Used = discharge.qh1;
        r.QH2Used = discharge.qh2;
    }
    if (r.QHOptDwt || r.QHOptDrain) r.QHOptBalance = false;
    if (r.QHOptBalance) {
        r.QH1Used = balance.qh1;
        r.QH2Used = balance.qh2;
    }

    // A fit above 0.2 comes only from a completed fit run, so the optimum exists.
    if (!r.QHOptBalance && !r.QHOptDrain && r.FitDwt > r.FitDrain && r.FitDwt > 0.2 && passes_checks(table)) {
        r.QHOptDwt = true;
        dialogs_.ShowMessage(WaterTableSecondChanceMessage);
        r.QH1Used = table.qh1;
        r.QH2Used = table.qh2;
    }
    if (!r.QHOptBalance && !r.QHOptDwt && r.FitDrain > r.FitDwt && r.FitDrain > 0.2 && passes_checks(discharge)) {
        r.QHOptDrain = true;
        dialogs_.ShowMessage(DischargeSecondChanceMessage);
        r.QH1Used = discharge.qh1;
        r.QH2Used = discharge.qh2;
    }

    if (!r.QHOptBalance && !r.QHOptDwt && !r.QHOptDrain) {
        dialogs_.ShowMessage(NotOptimizedMessage);
        r.QH1Used = r.QH1Given;
        r.QH2Used = r.QH2Given;
        r.DrainOptWanted = false;
    }
}

}  // namespace vantorel
