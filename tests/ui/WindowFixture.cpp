#include "tests/ui/WindowFixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTabWidget>

#include <array>

#include "model/InputFile.h"
#include "model/NumberText.h"
#include "ui/EditorContext.h"
#include "ui/RecentFiles.h"

namespace vantorel::test {

namespace {

QString Number(double value) { return QString::fromStdString(FormatGeneral(value)); }

}  // namespace

WindowFixture::WindowFixture() {
    RecentFiles::Clear();
    windows_ = std::make_unique<ProgramWindows>(scripted_.services, [this] { program_ended_ = true; });
    Window().show();
    QApplication::processEvents();
}

WindowFixture::~WindowFixture() {
    windows_.reset();
    SetDecimalSeparator('.');
}

void WindowFixture::Click(const char* name) {
    QPushButton* button = Button(name);
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    button->click();
}

void WindowFixture::ShowPage(const char* name) {
    auto* pages = Window().findChild<QTabWidget*>("PageControl");
    pages->setCurrentWidget(Control(name));
}

void WindowFixture::Type(const char* grid, int column, int row, const QString& text) {
    Grid(grid)->EditCellText(column, row, text);
}

std::vector<std::string> WindowFixture::TakeMessages() {
    std::vector<std::string> messages;
    messages.swap(scripted_.dialogs.messages);
    return messages;
}

std::vector<std::string> WindowFixture::TakeErrors() {
    std::vector<std::string> errors;
    errors.swap(scripted_.errors.errors);
    return errors;
}

std::string WindowFixture::OpenPanel() {
    std::string open;
    for (QWidget* panel : Window().GroupWorkflow().AllPanels()) {
        if (!panel->isVisible()) continue;
        if (!open.empty()) open += ",";
        open += panel->objectName().toStdString();
    }
    return open;
}

std::vector<std::string> WindowFixture::EnabledGroupButtons() {
    std::vector<std::string> enabled;
    for (const char* name : {"GenOpenButton", "HydrOpenButton", "DWTopenButton", "SoilOpenButton", "SaltOpenButton",
                             "DrainOpenButton", "CondOpenButton", "RiceOpenButton", "SaveAllButton"}) {
        if (Button(name)->isEnabled()) enabled.emplace_back(name);
    }
    return enabled;
}

void WindowFixture::EnterDataSet(const InputData& d) {
    const int n = d.NrTimeSteps;
    ASSERT_EQ(OpenPanel(), "GenPanel");
    SetEdit("Tit1Edit", TitleToEditor(d.Title1));
    SetEdit("Tit2Edit", TitleToEditor(d.Title2));
    SetEdit("NrTstEdit", QString::number(n));
    SetItem("TstCombo", d.Ts == 360 ? 0 : d.Ts == 30 ? 1 : d.Ts == 7 ? 2 : 3);
    SetItem("LayersCombo", d.NrLayers - 1);
    Click("GenSaveButton");

    ASSERT_EQ(OpenPanel(), "HydrPanel");
    for (int i = 1; i <= n; ++i) {
        Type("HydrGrid", 1, i, Number(d.Rain[i]));
        Type("HydrGrid", 2, i, Number(d.Irrig[i]));
        Type("HydrGrid", 3, i, Number(d.ETp[i]));
        Type("HydrGrid", 4, i, Number(d.Sdr[i]));
    }
    Click("HydrSaveButton");

    ASSERT_EQ(OpenPanel(), "DWTPanel");
    for (int i = 1; i <= n; ++i) Type("DWTGrid", 1, i, d.DwtMeas[i] > MissingDepthOrDischarge ? Number(d.DwtMeas[i]) : "-");
    Click("DWTSaveButton");

    const std::string layers = std::to_string(d.NrLayers);
    ASSERT_EQ(OpenPanel(), "Soil" + layers + "Panel");
    std::vector<std::array<double, 5>> zones = {{d.D1, d.TP1, d.EffPor1, d.LE1, d.S1init}};
    if (d.NrLayers >= 2) zones.push_back({d.D2, d.TP2, d.EffPor2, d.LE2, d.S2init});
    if (d.NrLayers == 3) zones.push_back({d.D3, d.TP3, d.EffPor3, d.LE3, d.S3init});
    zones.push_back({d.Dt, d.TPt, d.EffPort, d.LEt, d.STinit});
    zones.push_back({d.Da, d.TPa, d.EffPora, d.LEa, d.SAinit});
    for (size_t row = 0; row < zones.size(); ++row) {
        for (int column = 0; column < 5; ++column) {
            const double value = zones[row][column];
            Type(("Soil" + layers + "Grid").c_str(), column, static_cast<int>(row),
                 column == 4 && value == -1 ? "" : Number(value));
        }
    }
    Click(("Soil" + layers + "SaveButton").c_str());

    ASSERT_EQ(OpenPanel(), "Salt" + layers + "Panel");
    std::vector<const StepSeries*> columns = {&d.S1meas};
    if (d.NrLayers >= 2) columns.push_back(&d.S2meas);
    if (d.NrLayers == 3) columns.push_back(&d.S3meas);
    columns.push_back(&d.STmeas);
    columns.push_back(&d.SAmeas);
    const std::string salt_grid = "SaltGrid" + layers;
    for (int i = 1; i <= n; ++i) {
        for (size_t column = 0; column < columns.size(); ++column) {
            const double value = (*columns[column])[i];
            Type(salt_grid.c_str(), static_cast<int>(column) + 1, i, value > 0 ? Number(value) : "");
        }
    }
    Click(("Salt" + layers + "SaveButton").c_str());

    ASSERT_EQ(OpenPanel(), "DrainPanel");
    SetItem("DrainPresentCombo", d.DrainPresent ? 1 : 0);
    if (d.DrainPresent) {
        SetEdit("DrainDepthEdit", Number(d.Dd));
        SetEdit("DrainQH1Edit", Number(d.QH1));
        SetEdit("DrainQH2Edit", Number(d.QH2));
        for (int i = 1; i <= n; ++i) {
            Type("DischGrid", 1, i, d.DrainMeas[i] > MissingDepthOrDischarge ? Number(d.DrainMeas[i]) : "-");
        }
    }
    Click("DrainSaveButton");

    ASSERT_EQ(OpenPanel(), "CondPanel");
    const std::pair<const char*, double> conditions[] = {
        {"SaltIrrigEdit", d.Si}, {"WTdepthEdit", d.DwtInit}, {"CritDepthEdit", d.Dc}, {"MoistEdit", d.MoistInit},
        {"IrrEffEdit", d.IrrEff}, {"GrwtInfEdit", d.Inf}, {"GrwtOutEdit", d.Out},    {"SalInfEdit", d.Sinf}};
    for (const auto& [edit, value] : conditions) SetEdit(edit, Number(value));
    Click("CondSaveButton");

    ASSERT_EQ(OpenPanel(), "RicePanel");
    SetItem("RiceCombo", d.RicePresent ? 1 : 0);
    if (d.RicePresent) {
        SetEdit("InfilEdit", Number(d.InfCap));
        SetEdit("FractionEdit", Number(d.RiceTransp));
    }
    Click("RiceSaveButton");
    ASSERT_TRUE(Flags().AllGroupsChecked);
}

void WindowFixture::OpenDataSet(const InputData& data, const std::string& name) {
    InputData written = data;
    written.FileName = temp_.File(name);
    SaveInputFile(written);
    scripted_.files.answers.push_back(written.FileName);
    ShowPage("InpTab");
    Click("OpenInpButton");
}

void WindowFixture::SaveAllAndRun(const std::string& path) {
    scripted_.files.answers.push_back(path);
    scripted_.dialogs.answers.push_back(true);
    Click("SaveAllButton");
    WaitForCalculation();
}

void WindowFixture::WaitForCalculation() {
    QDeadlineTimer limit(std::chrono::minutes(5));
    // The calculation's last act is to post its end, which wakes the wait.
    while (Window().Calculating() && !limit.hasExpired()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ASSERT_FALSE(Window().Calculating()) << "the calculation did not end";
}

}  // namespace vantorel::test
