// The calculation driver: the order of a run, its progress positions, and the output file.

#include <cmath>

#include "engine/Engine.h"
#include "model/FileNames.h"
#include "model/OutputFileWriter.h"

namespace vantorel {

void Engine::RunCalculation() {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    r.CalcStopped = false;
    r.CalcInterrupted = false;
    r.OutputUnwritable = false;
    r.LEOptimized = {};
    r.LeachingCurves.clear();
    // The flags of an earlier run or of an output file read since must not reach this header.
    r.QHOptBalance = r.QHOptDwt = r.QHOptDrain = false;
    r.FitDwt = r.FitDrain = 0;
    if (!CheckRunData()) {
        r.CalcStopped = true;
        return;
    }
    const std::string input_file = d.FileName;
    PrepareRun();
    try {
        CalculatePreparedRun(input_file);
    } catch (const RunInterrupted&) {
        output_.reset();
        RestoreUnits();
        d.FileName = input_file;
        r.CalcStopped = true;
        r.CalcInterrupted = true;
    }
}

void Engine::CalculatePreparedRun(const std::string& input_file) {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    DrainageStage();
    dialogs_.SetProgress(1);
    if (r.DrainOptWanted) {
        OptimizeDrainage();
    } else {
        r.QH1Used = d.QH1;
        r.QH2Used = d.QH2;
        r.QH1Given = d.QH1;
        r.QH2Given = d.QH2;
    }
    RunWaterBalance();
    if (r.CalcStopped) {
        RestoreUnits();
        return;
    }
    dialogs_.SetProgress(6);
    dialogs_.Pause(100);

    LeachingStage();
    r.Current = {d.S1init, d.S2init, d.S3init, d.STinit, d.SAinit};
    const std::string missing = ZoneWithoutLeachingEfficiency();
    if (!missing.empty()) {
        StopRun("The leaching efficiency of " + missing +
                " is not given and could not be optimized. Please adjust data.");
        return;
    }
    RunSaltBalance();
    MarkingStage();

    WriteOutputHeader();
    r.Drain[0] = r.Drain[1];
    dialogs_.SetProgress(8);
    dialogs_.Pause(100);
    WriteOutputRows();
    if (r.CalcStopped) {
        d.FileName = input_file;
        return;
    }
    RestoreUnits();
    dialogs_.SetProgress(9);
    dialogs_.Pause(100);
}

std::string Engine::ZoneWithoutLeachingEfficiency() const {
    const InputData& d = state_.Input;
    if (d.LE1 < 0) return d.Is1Layer ? "the root zone" : "the 1st layer";
    if (!d.Is1Layer && d.LE2 < 0) return "the 2nd layer";
    if (d.Is3Layer && d.LE3 < 0) return "the 3rd layer";
    if (d.LEt < 0) return "the transition zone";
    if (d.LEa < 0) return "the aquifer";
    return "";
}

void Engine::StopRun(const std::string& message) {
    RestoreUnits();
    dialogs_.ShowMessage(message);
    state_.Run.CalcStopped = true;
}

void Engine::WriteOutputHeader() {
    InputData& d = state_.Input;
    d.FileName = output_path_.empty() ? ReplaceExtension(d.FileName, ".out") : output_path_;
    output_.emplace(d.FileName);
    for (const std::string& line : OutputHeaderLines(state_, d.FileName)) output_->Line(line);
}

// Converts the flows back to their step totals and writes one row per step; nothing reaches the
// disk unless every value of the file is a finite number and the whole file was written.
void Engine::WriteOutputRows() {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        d.Rain[i] = d.Rain[i] * d.Ts;
        d.Irrig[i] = d.Irrig[i] * d.Ts;
        d.IrrSpread[i] = d.IrrSpread[i] * d.Ts;
        d.ETp[i] = d.ETp[i] * d.Ts;
        d.Sdr[i] = d.Sdr[i] * d.Ts;
        d.InfExcess[i] = d.InfExcess[i] * d.Ts;
        if (d.DrainMeas[i] > MissingDepthOrDischarge) d.DrainMeas[i] = d.DrainMeas[i] * d.Ts;
        r.Drain[i] = r.Drain[i] * d.Ts;
        if (!d.RicePresent) d.Pond[i] = 0;
        for (const OutputRowValue& value : OutputRowValues(state_, i)) {
            if (!std::isfinite(value.value)) {
                output_.reset();
                StopRun(std::string("The calculation gave an invalid value for the ") + value.series +
                        " at time step " + std::to_string(i) + ". Please adjust data.");
                return;
            }
        }
        output_->Line(OutputRow(state_, i));
    }
    for (const OutputHeaderFit& fit : OutputHeaderFits(state_)) {
        if (std::isfinite(fit.value)) continue;
        output_.reset();
        StopRun("The calculation gave an invalid value for the fit of the " + fit.name + ". Please adjust data.");
        return;
    }
    try {
        output_->Commit();
    } catch (const FileError& error) {
        output_.reset();
        r.OutputUnwritable = true;
        StopRun(error.what());
        return;
    }
    output_.reset();
}

}  // namespace vantorel
