// The calculation of "Save all - Run", off the window thread: the window repaints and answers while
// it runs, the progress bar moves, the questions come as modal boxes at their points of the run,
// and Cancel beside the progress bar stops it. The run works on a copy of the model state, which
// the window takes back when the run has ended; the commands that would change the data set or
// read the run's files wait meanwhile.

#include <QMenu>

#include "engine/Engine.h"
#include "ui/MainForm.h"
#include "ui/RunProgress.h"
#include "ui/analysis/CalibrationViews.h"

namespace vantorel {

void TMainForm::StartCalculation() {
    QProgressBar& bar = *c_.ProgressBar1;
    const bool long_run = state_.Input.NrTimeSteps > 10;
    if (long_run) {
        bar.setRange(0, 10);
        bar.show();
        bar.setValue(1);
    }
    c_.CancelRunButton->setEnabled(true);
    c_.CancelRunButton->show();
    std::vector<QAction*> file_commands;
    for (QAction* action : FileMenu->actions()) {
        if (action != ExitAction) file_commands.push_back(action);
    }
    held_.Hold({c_.InputPanel, GroupPanelArea, c_.OpenInpButton, c_.SaveAllButton, c_.ReStartButton,
                out_.OpenOutputButton, out_.SaltShowButton, out_.HydrShowButton, out_.SurfButton, out_.GraphButton,
                graphs_.MakeGraphButton, graphs_.GraphGoButton, graphs_.GraphSelectButton},
               file_commands);

    auto run = std::make_shared<ModelState>(state_);
    calculation_.Start(
        [this, run, long_run](const StopRequest& stop) {
            RunProgress progress(calculation_, services_.dialogs, *c_.ProgressBar1);
            // The first position stays in sight a moment before the run moves on.
            if (long_run) progress.Pause(100);
            Engine engine(*run, progress);
            engine.SetStopRequest(stop);
            engine.RunCalculation();
        },
        [this, run](const std::string& failure) { CalculationFinished(std::move(*run), failure); });
}

void TMainForm::CancelRunButtonClick() {
    c_.CancelRunButton->setEnabled(false);
    calculation_.RequestStop();
}

void TMainForm::CalculationFinished(ModelState run, const std::string& failure) {
    c_.ProgressBar1->hide();
    c_.CancelRunButton->hide();
    held_.Release();
    if (!failure.empty()) {
        // Should the engine fail in a way of its own, the window keeps the data set as entered.
        state_.Run.CalcStopped = true;
        services_.errors.ShowError(failure);
        return;
    }
    state_ = std::move(run);
    if (state_.Run.CalcInterrupted) {
        services_.dialogs.ShowMessage("The calculation was cancelled. No output file was written.");
        return;
    }
    if (!state_.Run.CalcStopped) calibration_->RunCompleted(state_);
    if (flags_.SoilDataComplete && !state_.Run.CalcStopped) ShowResults();
}

}  // namespace vantorel
