#pragma once
// "Analysis" > "Scenario study...": a table of scenarios changing the data set of the last saved
// input file, run on all cores off the window thread, with the summary table and an interactive
// overlay graph of the completed scenarios. With a number of samples, a row that samples cells
// runs as that many scenarios, shown as bands and as the rank correlations of its sampled fields.

#include <QWidget>
#include <string>
#include <vector>

#include "engine/SampledRows.h"
#include "ui/BackgroundWork.h"

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vantorel {

struct WindowServices;

class ScenarioStudyWindow : public QWidget {
public:
    // Closing the window leaves a run to go on; destroying it stops the run.
    ScenarioStudyWindow(WindowServices& services, QWidget* parent = nullptr);

    // The base input file and the folder the scenarios are written to.
    void SetBaseFile(const std::string& path);
    // Fills the scenario table from a study's text and clears the results of the study before;
    // false, with a message, when it is not a study.
    bool LoadStudyText(const std::string& text, const std::string& path);
    // The scenario table as a study file's text, CR LF line ends.
    std::string StudyText() const;

    void AddScenarioClick();
    void RemoveScenarioClick();
    void AddColumnClick();
    void RemoveColumnClick();
    void OpenStudyClick();
    void SaveStudyClick();
    void RunClick();
    void CancelClick();
    void SavePictureClick();
    void SaveTableClick();

    // A run has started and not yet shown its results.
    bool Running() const { return work_.Busy(); }
    const std::vector<ScenarioResult>& Results() const { return results_; }
    const std::vector<SampledRow>& SampledRows() const { return sampled_rows_; }

private:
    void BuildControls();
    // The header and the rows of the scenario table, as the cells hold them.
    std::vector<std::vector<std::string>> TableRows() const;
    void ScenarioFinished(int done);
    void StudyFinished();
    void ShowSummary();
    void ShowSensitivity();
    void ShowSeries();

    WindowServices& services_;
    std::string base_file_;
    QLabel* base_label_;
    QTableWidget* study_table_;
    QComboBox* field_choice_;
    QLineEdit* folder_edit_;
    QCheckBox* drainage_opt_;
    QCheckBox* leaching_opt_;
    QSpinBox* samples_;
    QLineEdit* seed_edit_;
    QPushButton* run_button_;
    QPushButton* cancel_button_;
    QProgressBar* progress_;
    QTableWidget* summary_table_;
    QTableWidget* sensitivity_table_;
    QComboBox* series_choice_;
    QPushButton* save_picture_;
    QPushButton* save_table_;
    QCustomPlot* plot_;

    std::vector<ScenarioResult> results_;
    std::vector<std::string> sampled_fields_;
    std::vector<SampledRow> sampled_rows_;
    std::string summary_error_;
    BackgroundWork work_{*this};
};

}  // namespace vantorel
