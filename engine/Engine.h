#pragma once
// The calculation engine: one object bound to one model state and one set of dialogs. The
// routines take no arguments; they read and write the model state, as the model describes them.

#include <functional>
#include <optional>
#include <string>

#include "engine/StopRequest.h"
#include "engine/WaterBalanceRules.h"
#include "model/ModelState.h"
#include "model/TextFile.h"
#include "model/UserDialogs.h"

namespace vantorel {

class Engine {
public:
    Engine(ModelState& state, UserDialogs& dialogs) : state_(state), dialogs_(dialogs) {}

    // One complete calculation of the data set: preparation, the optimization questions and
    // searches, the water and salt balances, the output file, and the restored data set. A run that
    // does not complete (refused data, a water table below the aquifer, an invalid result, an
    // output file that cannot be written) shows one message, sets CalcStopped and writes nothing.
    // A run ended by its stop request shows no message, sets CalcStopped and CalcInterrupted, and
    // writes nothing either.
    void RunCalculation();

    // Shows the message of the first value that would make the run divide by zero, read past the
    // end of a series or give nonsense, and returns false; changes nothing.
    bool CheckRunData();
    // Converts the data set to run units, counts the measured salinities, allocates the result
    // series and computes the run's constants.
    void PrepareRun();
    // The water balance of all steps, days and tenth-day sub-steps with the factors in QH1Used and
    // QH2Used; stops with a message when the water table falls below the aquifer bottom. The
    // drainage-factor search's trial model is the same balance with the choices of TrialBalance.
    // after_step(i) is called once step i is complete, before the next step may overwrite its
    // depth (a step that starts with water standing on the surface starts from what stays).
    void RunWaterBalance(const WaterBalanceModel& model = FinalBalance,
                         const std::function<void(int32_t step)>& after_step = {});
    // The final salt balance of every zone with the current leaching efficiencies, and the fit
    // indices of the zones with more than three measurements.
    void RunSaltBalance();
    // Returns the data set to the values as entered (per cent, flows per time step).
    void RestoreUnits();
    // Points FileName at the output file and starts it with the header and the column headings.
    void WriteOutputHeader();

    // Searches QH1 and QH2 on their grid against the water balance, the measured water-table depths
    // and the measured drain discharges, and leaves the chosen pair in QH1Used and QH2Used.
    void OptimizeDrainage();
    // Searches the leaching efficiency of one zone of a root zone of `layers` layers against its
    // measured salinities and replaces the zone's working efficiency by the best candidate.
    void SearchLeachingEfficiency(int32_t layers, Zone zone);

    // Writes the output file to this path instead of next to the input file.
    void SetOutputPath(std::string path) { output_path_ = std::move(path); }
    // The calculation ends early, between time steps or search trials, once `stop` is requested;
    // the request must outlive the run.
    void SetStopRequest(const StopRequest& stop) { stop_ = &stop; }

private:
    // The step length, the layer count and the number of time steps that the series cover.
    bool CheckRunCounts();
    // The optimization choices at their three points of the run.
    void DrainageStage();
    void LeachingStage();
    void MarkingStage();
    // A fit run of the drainage search: a water balance that shows no stop message.
    void RunFitWaterBalance();
    // The stages from the preparation to the output file.
    void CalculatePreparedRun(const std::string& input_file);
    void WriteOutputRows();
    // The name of the first existing zone whose leaching efficiency is still negative, or empty.
    std::string ZoneWithoutLeachingEfficiency() const;
    void StopRun(const std::string& message);

    ModelState& state_;
    UserDialogs& dialogs_;
    // The data set as entered, taken before the conversions, so that a run gives it back exactly.
    InputData entered_;
    // The applied irrigation as the preparation left it; every water balance starts from it.
    StepSeries prepared_irrigation_;
    std::optional<AtomicFileWriter> output_;
    std::string output_path_;
    bool quiet_stop_ = false;
    const StopRequest* stop_ = nullptr;
};

}  // namespace vantorel
