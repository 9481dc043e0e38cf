#include "ui/analysis/ScenarioStudyWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include <filesystem>

#include "engine/ParallelFor.h"
#include "engine/RunPool.h"
#include "engine/StudySamples.h"
#include "graphs/plots/StudyBandCharts.h"
#include "graphs/plots/StudyOverlays.h"
#include "model/CsvFile.h"
#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"
#include "ui/ControlFactory.h"
#include "ui/Mnemonics.h"
#include "ui/Platform.h"
#include "ui/QtPlatform.h"
#include "ui/analysis/StaleInput.h"
#include "ui/analysis/StudyFieldDescriptions.h"
#include "ui/analysis/ViewSaves.h"

namespace vantorel {

namespace {

const FileDialogSettings StudyOpenDialog{"StudyOpenDialog", "Study file (*.csv)|*.csv", "csv", ""};
const FileDialogSettings StudySaveDialog{"StudySaveDialog", "Study file (*.csv)|*.csv", "csv", ""};
const FileDialogSettings PictureSaveDialog{"StudyPictureDialog", "PNG picture (*.png)|*.png", "png", ""};
const FileDialogSettings TableSaveDialog{"StudyTableDialog", "Summary table (*.csv)|*.csv", "csv", ""};

}  // namespace

ScenarioStudyWindow::ScenarioStudyWindow(WindowServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName("ScenarioStudyWindow");
    setWindowTitle("Scenario study");
    BuildControls();
    resize(1100, 760);
}

void ScenarioStudyWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* base_row = new QHBoxLayout;
    base_label_ = new QLabel("Base input file: none (save or open an input file first)", this);
    base_label_->setObjectName("BaseLabel");
    base_row->addWidget(base_label_, 1);
    auto* open_study = MakeButton("OpenStudyButton", "Open study...", this);
    auto* save_study = MakeButton("SaveStudyButton", "Save study...", this);
    base_row->addWidget(open_study);
    base_row->addWidget(save_study);
    layout->addLayout(base_row);

    study_table_ = new QTableWidget(1, 1, this);
    study_table_->setObjectName("StudyTable");
    study_table_->setHorizontalHeaderLabels({"name"});
    study_table_->setItem(0, 0, new QTableWidgetItem("base"));
    study_table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* edit_row = new QHBoxLayout;
    auto* add_scenario = MakeButton("AddScenarioButton", "Add scenario", this);
    auto* remove_scenario = MakeButton("RemoveScenarioButton", "Remove scenario", this);
    field_choice_ = new QComboBox(this);
    field_choice_->setObjectName("FieldChoice");
    for (const StudyField& field : StudyFields()) {
        field_choice_->addItem(QString("%1: %2 (%3)").arg(field.name, StudyFieldDescription(field.name), field.unit),
                               QString(field.name));
    }
    auto* add_column = MakeButton("AddColumnButton", "Add change column", this);
    auto* remove_column = MakeButton("RemoveColumnButton", "Remove column", this);
    for (QWidget* widget : std::initializer_list<QWidget*>{add_scenario, remove_scenario}) edit_row->addWidget(widget);
    edit_row->addStretch();
    edit_row->addWidget(new QLabel("Field:", this));
    for (QWidget* widget : std::initializer_list<QWidget*>{field_choice_, add_column, remove_column}) {
        edit_row->addWidget(widget);
    }
    auto* syntax = new QLabel("A cell is empty (unchanged), a number (set), *F (multiply) or +D (add; +-0.1 subtracts). "
                              "With samples, ~uniform(a,b), ~normal(m,s), ~lognormal(m,s) or ~triangular(a,c,b) "
                              "draws the value of each sample (*~ and +~ multiply or add it).",
                              this);
    syntax->setWordWrap(true);
    auto* syntax_row = new QHBoxLayout;
    syntax_row->addWidget(syntax, 1);
    syntax_row->addWidget(new QLabel("Samples:", this));
    samples_ = new QSpinBox(this);
    samples_->setObjectName("SamplesBox");
    samples_->setRange(0, MostSamples);
    samples_->setSpecialValueText("none");
    samples_->setToolTip("The scenarios each row with sampled cells runs as (none: the study samples no cell)");
    syntax_row->addWidget(samples_);
    syntax_row->addWidget(new QLabel("Seed:", this));
    seed_edit_ = new QLineEdit("1", this);
    seed_edit_->setObjectName("SeedEdit");
    seed_edit_->setMaximumWidth(120);
    seed_edit_->setToolTip("The seed of the draws: the same seed gives the same samples");
    syntax_row->addWidget(seed_edit_);

    auto* run_row = new QHBoxLayout;
    run_row->addWidget(new QLabel("Study folder:", this));
    folder_edit_ = new QLineEdit(this);
    folder_edit_->setObjectName("FolderEdit");
    run_row->addWidget(folder_edit_, 1);
    drainage_opt_ = new QCheckBox("Optimize drainage factors", this);
    drainage_opt_->setObjectName("DrainageOptBox");
    leaching_opt_ = new QCheckBox("Optimize leaching efficiencies", this);
    leaching_opt_->setObjectName("LeachingOptBox");
    run_button_ = MakeButton("RunButton", "Run", this);
    cancel_button_ = MakeButton("CancelButton", "Cancel", this);
    cancel_button_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("StudyProgress");
    progress_->setValue(0);
    for (QWidget* widget : std::initializer_list<QWidget*>{drainage_opt_, leaching_opt_, run_button_, progress_,
                                                           cancel_button_}) {
        run_row->addWidget(widget);
    }

    auto* top = new QWidget(this);
    auto* top_layout = new QVBoxLayout(top);
    top_layout->setContentsMargins(0, 0, 0, 0);
    top_layout->addWidget(study_table_);
    top_layout->addLayout(edit_row);
    top_layout->addLayout(syntax_row);
    top_layout->addLayout(run_row);

    summary_table_ = new QTableWidget(this);
    summary_table_->setObjectName("SummaryTable");
    summary_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sensitivity_table_ = new QTableWidget(this);
    sensitivity_table_->setObjectName("SensitivityTable");
    sensitivity_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* tables = new QTabWidget(this);
    tables->setObjectName("ResultTables");
    tables->addTab(summary_table_, "Summary");
    tables->addTab(sensitivity_table_, "Sensitivity of the sampled rows");
    auto* results = new QWidget(this);
    auto* results_layout = new QVBoxLayout(results);
    results_layout->setContentsMargins(0, 0, 0, 0);
    auto* graph_row = new QHBoxLayout;
    graph_row->addWidget(new QLabel("Graph:", this));
    series_choice_ = new QComboBox(this);
    series_choice_->setObjectName("SeriesChoice");
    graph_row->addWidget(series_choice_, 1);
    save_picture_ = MakeButton("SavePictureButton", "Save picture", this);
    save_table_ = MakeButton("SaveTableButton", "Save table", this);
    save_picture_->setEnabled(false);
    save_table_->setEnabled(false);
    graph_row->addWidget(save_picture_);
    graph_row->addWidget(save_table_);
    plot_ = new QCustomPlot(this);
    plot_->setObjectName("StudyPlot");
    plot_->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot_->setMinimumHeight(260);
    new StaleInputFilter(*plot_);
    plot_->hide();
    results_layout->addLayout(graph_row);
    results_layout->addWidget(plot_, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(top);
    splitter->addWidget(tables);
    splitter->addWidget(results);
    splitter->setSizes({250, 150, 360});
    layout->addWidget(splitter, 1);

    connect(add_scenario, &QPushButton::clicked, this, &ScenarioStudyWindow::AddScenarioClick);
    connect(remove_scenario, &QPushButton::clicked, this, &ScenarioStudyWindow::RemoveScenarioClick);
    connect(add_column, &QPushButton::clicked, this, &ScenarioStudyWindow::AddColumnClick);
    connect(remove_column, &QPushButton::clicked, this, &ScenarioStudyWindow::RemoveColumnClick);
    connect(open_study, &QPushButton::clicked, this, &ScenarioStudyWindow::OpenStudyClick);
    connect(save_study, &QPushButton::clicked, this, &ScenarioStudyWindow::SaveStudyClick);
    connect(run_button_, &QPushButton::clicked, this, &ScenarioStudyWindow::RunClick);
    connect(cancel_button_, &QPushButton::clicked, this, &ScenarioStudyWindow::CancelClick);
    connect(save_picture_, &QPushButton::clicked, this, &ScenarioStudyWindow::SavePictureClick);
    connect(save_table_, &QPushButton::clicked, this, &ScenarioStudyWindow::SaveTableClick);
    connect(series_choice_, &QComboBox::currentIndexChanged, this, [this](int) { ShowSeries(); });
    AddMnemonics(*this);
}

void ScenarioStudyWindow::SetBaseFile(const std::string& path) {
    base_file_ = ReplaceExtension(path, ".inp");
    base_label_->setText("Base input file: " + PathToQt(base_file_));
    folder_edit_->setText(PathToQt(ReplaceExtension(base_file_, "") + "-study"));
}

bool ScenarioStudyWindow::LoadStudyText(const std::string& text, const std::string& path) {
    std::vector<CsvRecord> records;
    try {
        ParseStudy(text, path);
        records = ParseCsv(text.substr(text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0), path);
    } catch (const FileError& error) {
        services_.dialogs.ShowMessage(error.what());
        return false;
    }
    const std::vector<std::string>& header = records.front().fields;
    study_table_->clear();
    study_table_->setColumnCount(static_cast<int>(header.size()));
    study_table_->setRowCount(0);
    QStringList labels;
    for (const std::string& name : header) labels << PathToQt(name);
    study_table_->setHorizontalHeaderLabels(labels);
    for (size_t r = 1; r < records.size(); ++r) {
        if (records[r].fields.size() != header.size()) continue;  // a blank line
        const int row = study_table_->rowCount();
        study_table_->insertRow(row);
        for (size_t c = 0; c < header.size(); ++c) {
            study_table_->setItem(row, static_cast<int>(c), new QTableWidgetItem(PathToQt(records[r].fields[c])));
        }
    }
    // The results shown were another study's.
    if (!Running()) {
        results_.clear();
        sampled_rows_.clear();
        sampled_fields_.clear();
        summary_error_.clear();
        ShowSummary();
    }
    return true;
}

std::vector<std::vector<std::string>> ScenarioStudyWindow::TableRows() const {
    std::vector<std::vector<std::string>> rows(1);
    for (int c = 0; c < study_table_->columnCount(); ++c) {
        rows.front().push_back(PathFromQt(study_table_->horizontalHeaderItem(c)->text()));
    }
    for (int r = 0; r < study_table_->rowCount(); ++r) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = 0; c < study_table_->columnCount(); ++c) {
            const QTableWidgetItem* item = study_table_->item(r, c);
            row.push_back(item == nullptr ? std::string() : PathFromQt(item->text()));
        }
    }
    return rows;
}

std::string ScenarioStudyWindow::StudyText() const {
    std::string text;
    for (const std::vector<std::string>& row : TableRows()) text += CsvLine(row) + "\r\n";
    return text;
}

void ScenarioStudyWindow::AddScenarioClick() {
    const int row = study_table_->rowCount();
    study_table_->insertRow(row);
    study_table_->setItem(row, 0, new QTableWidgetItem(QString("scenario-%1").arg(row + 1)));
}

void ScenarioStudyWindow::RemoveScenarioClick() {
    if (study_table_->currentRow() >= 0) study_table_->removeRow(study_table_->currentRow());
}

void ScenarioStudyWindow::AddColumnClick() {
    const QString name = field_choice_->currentData().toString();
    for (int c = 0; c < study_table_->columnCount(); ++c) {
        if (study_table_->horizontalHeaderItem(c)->text() == name) return;
    }
    const int column = study_table_->columnCount();
    study_table_->insertColumn(column);
    study_table_->setHorizontalHeaderItem(column, new QTableWidgetItem(name));
}

void ScenarioStudyWindow::RemoveColumnClick() {
    if (study_table_->currentColumn() > 0) study_table_->removeColumn(study_table_->currentColumn());
}

void ScenarioStudyWindow::OpenStudyClick() {
    const auto path = services_.files.OpenFile(StudyOpenDialog);
    if (!path) return;
    try {
        LoadStudyText(ReadFileBytes(*path), *path);
    } catch (const FileError& error) {
        services_.dialogs.ShowMessage(error.what());
    }
}

void ScenarioStudyWindow::SaveStudyClick() {
    const auto path = services_.files.SaveFile(StudySaveDialog);
    if (!path) return;
    AtomicFileWriter writer(*path);
    for (const std::vector<std::string>& row : TableRows()) writer.Line(CsvLine(row));
    try {
        writer.Commit();
    } catch (const FileError& error) {
        services_.dialogs.ShowMessage(error.what());
    }
}

void ScenarioStudyWindow::RunClick() {
    if (Running()) return;
    if (base_file_.empty()) {
        services_.dialogs.ShowMessage("Save or open an input file first: the study starts from its data set.");
        return;
    }
    auto study = std::make_shared<Study>();
    auto base = std::make_shared<InputData>();
    try {
        *study = ParseStudy(StudyText(), "the scenario table");
        base->FileName = base_file_;
        // The older-file note of a load is of no use here: the scenarios are saved afresh.
        SilentDialogs quiet;
        LoadInputFile(*base, quiet);
    } catch (const FileError& error) {
        services_.dialogs.ShowMessage(error.what());
        return;
    }
    ComputeDerivedValues(*base);
    StudySampling sampling;
    if (samples_->value() > 0) sampling.samples = samples_->value();
    const std::string seed = PathFromQt(seed_edit_->text().trimmed());
    if (const auto value = ParseWholeNumber(seed)) {
        sampling.seed = *value;
    } else {
        services_.dialogs.ShowMessage("The seed must be a whole number from 0 to 18446744073709551615, not '" + seed + "'.");
        return;
    }
    try {
        *study = SampleStudy(*study, sampling, *base, "the scenario table");
    } catch (const std::runtime_error& error) {
        // StudySamplingError, or a FileError for a sample named as another scenario.
        services_.dialogs.ShowMessage(error.what());
        return;
    }
    const std::string folder = PathFromQt(folder_edit_->text());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        services_.dialogs.ShowMessage("The folder " + folder + " could not be created: " + error.message() + ".");
        return;
    }
    if (const auto overwrite = StudyWouldOverwriteInput(*study, base_file_, "", folder)) {
        services_.dialogs.ShowMessage(*overwrite);
        return;
    }
    RunAnswers answers;
    answers.drainage_optimization = drainage_opt_->isChecked();
    answers.leaching_optimization = leaching_opt_->isChecked();

    auto results = std::make_shared<std::vector<ScenarioResult>>(study->scenarios.size());
    auto rows = std::make_shared<std::vector<SampledRow>>();
    const std::vector<std::string> sampled_fields = SampledFields(*study);
    if (!sampled_fields.empty()) RemoveSampledRowTables(folder);
    summary_error_.clear();
    progress_->setRange(0, static_cast<int>(results->size()));
    progress_->setValue(0);
    run_button_->setEnabled(false);
    cancel_button_->setEnabled(true);
    work_.Start(
        [this, study, base, folder, answers, results, rows, sampled_fields](const StopRequest& stop) {
            int done = 0;
            RunSideBySide(
                results->size(), CoreCount(),
                [&](size_t i) { (*results)[i] = RunScenario(*study, study->scenarios[i], *base, folder, answers, &stop); },
                [&](size_t) {
                    const int count = ++done;
                    work_.Post([this, count] { ScenarioFinished(count); });
                });
            // Bands of a study cut short would show only some of its samples.
            if (!sampled_fields.empty() && !stop.Requested()) *rows = SampledRowsOf(*results);
            try {
                WriteStudySummary((std::filesystem::path(folder) / "summary.csv").string(), *results, sampled_fields);
                if (!rows->empty()) WriteSampledRowTables(folder, *rows, *results, sampled_fields);
            } catch (const FileError& failure) {
                work_.Post([this, message = std::string(failure.what())] { summary_error_ = message; });
            }
        },
        [this, results, rows, sampled_fields](const std::string& failure) {
            results_ = std::move(*results);
            sampled_rows_ = std::move(*rows);
            sampled_fields_ = sampled_fields;
            if (!failure.empty()) summary_error_ = failure;
            StudyFinished();
        });
}

void ScenarioStudyWindow::CancelClick() {
    cancel_button_->setEnabled(false);
    work_.RequestStop();
}

void ScenarioStudyWindow::ScenarioFinished(int done) { progress_->setValue(done); }

void ScenarioStudyWindow::StudyFinished() {
    run_button_->setEnabled(true);
    cancel_button_->setEnabled(false);
    ShowSummary();
    if (!summary_error_.empty()) services_.dialogs.ShowMessage(summary_error_);
}

void ScenarioStudyWindow::ShowSummary() {
    const std::vector<std::string> header = StudySummaryHeader(sampled_fields_);
    summary_table_->clear();
    summary_table_->setColumnCount(static_cast<int>(header.size()));
    summary_table_->setRowCount(static_cast<int>(results_.size()));
    QStringList labels;
    for (const std::string& name : header) labels << PathToQt(name);
    summary_table_->setHorizontalHeaderLabels(labels);
    for (size_t r = 0; r < results_.size(); ++r) {
        const std::vector<std::string> row = StudySummaryRow(results_[r], sampled_fields_);
        for (size_t c = 0; c < row.size(); ++c) {
            summary_table_->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(PathToQt(row[c])));
        }
    }
    summary_table_->resizeColumnsToContents();
    ShowSensitivity();
    const QString chosen = series_choice_->currentText();
    series_choice_->blockSignals(true);
    series_choice_->clear();
    for (const StudyChart& chart : StudyCharts(results_)) series_choice_->addItem(PathToQt(chart.chart.title));
    for (const StudyBandChart& chart : StudyBandCharts(sampled_rows_)) series_choice_->addItem(chart.title);
    const int again = series_choice_->findText(chosen);
    series_choice_->setCurrentIndex(again >= 0 ? again : 0);
    series_choice_->blockSignals(false);
    ShowSeries();
}

void ScenarioStudyWindow::ShowSensitivity() {
    const std::vector<std::string> lines =
        sampled_rows_.empty() ? std::vector<std::string>{} : SensitivityCsvLines(results_, sampled_fields_);
    sensitivity_table_->clear();
    sensitivity_table_->setRowCount(lines.empty() ? 0 : static_cast<int>(lines.size()) - 1);
    sensitivity_table_->setColumnCount(lines.empty() ? 0 : 4);
    for (size_t l = 0; l < lines.size(); ++l) {
        // Names, fields and numbers hold no comma.
        const QStringList cells = QString::fromStdString(lines[l]).split(',');
        if (l == 0) {
            sensitivity_table_->setHorizontalHeaderLabels(cells);
            continue;
        }
        for (int c = 0; c < cells.size(); ++c) {
            sensitivity_table_->setItem(static_cast<int>(l) - 1, c, new QTableWidgetItem(cells[c]));
        }
    }
    sensitivity_table_->resizeColumnsToContents();
}

void ScenarioStudyWindow::ShowSeries() {
    const std::vector<StudyChart> charts = StudyCharts(results_);
    const std::vector<StudyBandChart> bands = StudyBandCharts(sampled_rows_);
    const int index = series_choice_->currentIndex();
    const bool chart = index >= 0 && index < static_cast<int>(charts.size() + bands.size());
    plot_->setVisible(chart);
    save_picture_->setEnabled(chart);
    save_table_->setEnabled(!results_.empty());
    if (!chart) return;
    const size_t shown = static_cast<size_t>(index);
    if (shown < charts.size()) {
        DrawOverlay(*plot_, charts[shown].chart);
    } else {
        DrawStudyBand(*plot_, bands[shown - charts.size()]);
    }
}

void ScenarioStudyWindow::SavePictureClick() {
    FileDialogSettings dialog = PictureSaveDialog;
    dialog.proposed_file = ProposedFileName(base_file_, ".png");
    SavePlotPictureAs(services_, dialog, *plot_);
}

void ScenarioStudyWindow::SaveTableClick() {
    FileDialogSettings dialog = TableSaveDialog;
    dialog.proposed_file = ProposedFileName(base_file_, ".csv");
    const auto path = services_.files.SaveFile(dialog);
    if (!path) return;
    try {
        WriteStudySummary(*path, results_, sampled_fields_);
    } catch (const FileError& error) {
        services_.dialogs.ShowMessage(error.what());
        return;
    }
    services_.dialogs.ShowMessage("The table was saved as " + *path);
}

}  // namespace vantorel
