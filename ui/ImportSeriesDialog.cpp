#include "ui/ImportSeriesDialog.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <charconv>

#include "engine/ImportReport.h"
#include "model/InputFileLayout.h"
#include "model/NumberText.h"
#include "model/PlainNumber.h"
#include "ui/ControlFactory.h"
#include "ui/Platform.h"
#include "ui/QtPlatform.h"

namespace vantorel {

namespace {

const char* const StepNames[] = {"Day", "Week", "Month", "Year"};
constexpr int32_t StepLengths[] = {1, 7, 30, 360};

// The fields of the dialog stand for the runner's options in the problems it lists.
struct OptionField {
    const char* option;
    const char* label;
};
constexpr OptionField OptionFields[] = {
    {"--start", "Start"},        {"--step", "Step"},          {"--steps", "Steps"},
    {"--latitude", "Latitude"},  {"--elevation", "Elevation"}, {"--wind-height", "Wind measured at"},
    {"--crop-factor", "Crop factor"},
};

std::string Described(ImportProblem problem) {
    for (const OptionField& field : OptionFields) {
        if (problem.column == field.option) {
            problem.column.clear();
            problem.text = std::string(field.label) + ": " + problem.text;
        }
    }
    return ProblemText(problem);
}

// The salinity grid's cells as the input file would give them back.
SalinityCellTexts SalinityTexts(const InputData& d) {
    const std::span<const SeriesColumn> columns = LayerLayoutFor(d).salinities;
    SalinityCellTexts texts(static_cast<size_t>(d.NrTimeSteps) + 1, std::vector<std::string>(columns.size()));
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        for (size_t c = 0; c < columns.size(); ++c) {
            const double value = (d.*columns[c].field)[i];
            if (value != MissingSalinity && value != 0) texts[i][c] = FormatFixed(value, 0, columns[c].decimals);
        }
    }
    return texts;
}

}  // namespace

ImportSeriesDialog::ImportSeriesDialog(WindowServices& services, std::function<const InputData&()> base,
                                       DataSetTaker take, QWidget* parent)
    : QDialog(parent), services_(services), base_(std::move(base)), take_(std::move(take)) {
    SetUpWindow(*this, "ImportSeriesDialog", "Import series", 760, 640);
    setModal(true);
    BuildControls();
    Changed();
}

void ImportSeriesDialog::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        "Daily series from CSV files (a header row: date, then columns such as rain, irrigation, evaporation,\n"
        "water_table_depth, tmin, tmax, ...) added up or averaged into the time steps from the start. The soils,\n"
        "drains, layers and initial conditions stay those of the data set in the editors.",
        this));

    auto* files_row = new QHBoxLayout;
    file_list_ = MakeNamed<QListWidget>("SeriesFileList", this);
    file_list_->setMaximumHeight(72);
    files_row->addWidget(file_list_, 1);
    auto* file_buttons = new QVBoxLayout;
    QPushButton* add = MakeButton("AddSeriesFileButton", "Add file...", this);
    QPushButton* remove = MakeButton("RemoveSeriesFileButton", "Remove", this);
    file_buttons->addWidget(add);
    file_buttons->addWidget(remove);
    file_buttons->addStretch();
    files_row->addLayout(file_buttons);
    layout->addLayout(files_row);
    connect(add, &QPushButton::clicked, this, [this] { AddFileClick(); });
    connect(remove, &QPushButton::clicked, this, [this] { RemoveFileClick(); });

    auto* fields = new QFormLayout;
    start_edit_ = MakeEdit("StartEdit", QString(), this);
    start_edit_->setPlaceholderText("YYYY-MM-DD");
    QStringList steps;
    for (const char* name : StepNames) steps << name;
    step_combo_ = MakeCombo("StepCombo", steps, this);
    const InputData& base = base_();
    const auto known = std::find(std::begin(StepLengths), std::end(StepLengths), base.Ts);
    step_combo_->setCurrentIndex(known == std::end(StepLengths) ? 2 : static_cast<int>(known - std::begin(StepLengths)));
    steps_edit_ = MakeEdit("StepsEdit", QString(), this);
    steps_edit_->setPlaceholderText("all the data cover");
    latitude_edit_ = MakeEdit("LatitudeEdit", QString(), this);
    latitude_edit_->setPlaceholderText("degrees, south negative");
    elevation_edit_ = MakeEdit("ElevationEdit", QString(), this);
    elevation_edit_->setPlaceholderText("m above sea level");
    wind_height_edit_ = MakeEdit("WindHeightEdit", "2", this);
    crop_factor_edit_ = MakeEdit("CropFactorEdit", "1", this);
    fields->addRow("Start (first day of step 1):", start_edit_);
    fields->addRow("Step:", step_combo_);
    fields->addRow("Number of steps:", steps_edit_);
    fields->addRow("Latitude (evaporation from the weather):", latitude_edit_);
    fields->addRow("Elevation (Penman-Monteith):", elevation_edit_);
    fields->addRow("Wind measured at (m):", wind_height_edit_);
    fields->addRow("Crop factor (days without crop_factor):", crop_factor_edit_);
    layout->addLayout(fields);
    for (QLineEdit* edit : {start_edit_, steps_edit_, latitude_edit_, elevation_edit_, wind_height_edit_, crop_factor_edit_}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { Changed(); });
    }
    connect(step_combo_, &QComboBox::currentIndexChanged, this, [this] { Changed(); });

    report_ = MakeNamed<QPlainTextEdit>("ImportReport", this);
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(report_, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* check = MakeButton("CheckImportButton", "Check", this);
    import_button_ = MakeButton("ImportButton", "Import", this);
    QPushButton* cancel = MakeButton("CancelImportButton", "Cancel", this);
    buttons->addStretch();
    for (QPushButton* button : {check, import_button_, cancel}) buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(check, &QPushButton::clicked, this, [this] { CheckClick(); });
    connect(import_button_, &QPushButton::clicked, this, [this] { ImportClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // A change is checked once the typing pauses.
    recheck_ = new QTimer(this);
    recheck_->setSingleShot(true);
    recheck_->setInterval(400);
    connect(recheck_, &QTimer::timeout, this, [this] { CheckClick(); });
}

void ImportSeriesDialog::Changed() {
    checked_.reset();
    import_button_->setEnabled(false);
    if (paths_.empty() || start_edit_->text().isEmpty()) {
        report_->setPlainText("Add the series files and give the start date; what they hold is shown here before "
                              "anything changes.");
        return;
    }
    recheck_->start();
}

void ImportSeriesDialog::AddFile(const std::string& path) {
    paths_.push_back(path);
    file_list_->addItem(PathToQt(path));
    Changed();
}

void ImportSeriesDialog::AddFileClick() {
    if (const std::optional<std::string> path = services_.files.OpenFile(series_dialog_)) AddFile(*path);
}

void ImportSeriesDialog::RemoveFileClick() {
    const int row = file_list_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= paths_.size()) return;
    paths_.erase(paths_.begin() + row);
    delete file_list_->takeItem(row);
    Changed();
}

ImportSettings ImportSeriesDialog::Settings(std::vector<ImportProblem>& problems) const {
    ImportSettings settings;
    const auto problem = [&](const char* option, const std::string& text) { problems.push_back({"", 0, "", option, text}); };
    const std::string start = start_edit_->text().trimmed().toStdString();
    if (const std::optional<CalendarDay> day = ParseIsoDate(start)) {
        settings.start = *day;
    } else {
        problem("--start", "'" + start + "' is not a date written YYYY-MM-DD");
    }
    settings.ts = StepLengths[std::clamp(step_combo_->currentIndex(), 0, 3)];
    const std::string steps = steps_edit_->text().trimmed().toStdString();
    if (!steps.empty()) {
        int32_t count = 0;
        const auto [end, error] = std::from_chars(steps.data(), steps.data() + steps.size(), count);
        if (error != std::errc() || end != steps.data() + steps.size() || count < 1) {
            problem("--steps", "'" + steps + "' is not a whole number of at least 1");
        } else {
            settings.steps = count;
        }
    }
    const auto number = [&](QLineEdit* edit, const char* option) -> std::optional<double> {
        const std::string text = edit->text().trimmed().toStdString();
        if (text.empty()) return std::nullopt;
        const std::optional<double> value = PlainNumber(text);
        if (!value) problem(option, "'" + text + "' is not a number written with a decimal point");
        return value;
    };
    settings.latitude = number(latitude_edit_, "--latitude");
    settings.elevation = number(elevation_edit_, "--elevation");
    settings.wind_height = number(wind_height_edit_, "--wind-height").value_or(settings.wind_height);
    settings.crop_factor = number(crop_factor_edit_, "--crop-factor").value_or(settings.crop_factor);
    return settings;
}

bool ImportSeriesDialog::CheckClick() {
    recheck_->stop();
    checked_.reset();
    std::vector<ImportProblem> problems;
    const ImportSettings settings = Settings(problems);
    std::vector<SeriesFile> files;
    for (const std::string& path : paths_) files.push_back(ReadSeriesFile(path, problems));
    if (paths_.empty()) problems.push_back({"", 0, "", "", "Add at least one series file."});
    SeriesImport import = ImportSeries(base_(), files, settings);
    problems.insert(problems.end(), import.problems.begin(), import.problems.end());
    QStringList lines;
    if (problems.empty()) {
        for (const std::string& line : ImportReportLines(import, files, settings)) lines << PathToQt(line);
        lines << "" << "Import fills the data set and its editors; \"Save all - Run\" saves it.";
        checked_ = std::move(import);
    } else {
        lines << "Nothing can be imported while these problems remain:";
        for (const ImportProblem& problem : problems) lines << PathToQt(Described(problem));
    }
    report_->setPlainText(lines.join('\n'));
    import_button_->setEnabled(checked_.has_value());
    return checked_.has_value();
}

void ImportSeriesDialog::ImportClick() {
    // The files may have changed since they were checked.
    if (!CheckClick()) return;
    InputData data = std::move(checked_->data);
    // A data set made here has no file until "Save all - Run" gives it one.
    data.FileName.clear();
    const SalinityCellTexts texts = SalinityTexts(data);
    take_(std::move(data), texts);
    accept();
}

QString ImportSeriesDialog::ReportText() const {
    return report_->toPlainText();
}

void AddImportSeriesAction(QMenu& menu, QWidget& owner, WindowServices& services,
                           std::function<const InputData&()> base, DataSetTaker take) {
    QAction* action = menu.addAction("&Import series...");
    action->setObjectName("ImportSeriesAction");
    QObject::connect(action, &QAction::triggered, &owner, [&owner, &services, base, take]() {
        ImportSeriesDialog* dialog = FindImportSeriesDialog(owner);
        if (dialog == nullptr) dialog = new ImportSeriesDialog(services, base, take, &owner);
        dialog->show();
        dialog->raise();
    });
}

ImportSeriesDialog* FindImportSeriesDialog(QWidget& owner) {
    // The dialog has no meta-object of its own, so it is found by its object name.
    return static_cast<ImportSeriesDialog*>(owner.findChild<QWidget*>("ImportSeriesDialog", Qt::FindDirectChildrenOnly));
}

}  // namespace vantorel
