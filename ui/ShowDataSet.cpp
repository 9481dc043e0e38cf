#include "ui/ShowDataSet.h"

namespace vantorel {

namespace {

QString MeasuredOrDash(double value) { return value > 0 ? NumberText(value) : QString("-"); }

QString InitialSalinity(double value) { return value == MissingSalinity ? QString() : NumberText(value); }

void ShowGeneralData(const InputData& d, InputControls& c) {
    c.Tit1Edit->setText(TitleToEditor(d.Title1));
    c.Tit2Edit->setText(TitleToEditor(d.Title2));
    c.NrTstEdit->setText(StepNumberText(d.NrTimeSteps));
    const int step_item = d.Ts == 360 ? 0 : d.Ts == 30 ? 1 : d.Ts == 7 ? 2 : d.Ts == 1 ? 3 : -1;
    if (step_item >= 0) c.TstCombo->setCurrentIndex(step_item);
    if (d.NrLayers >= 1 && d.NrLayers <= 3) c.LayersCombo->setCurrentIndex(d.NrLayers - 1);
}

void ShowTimeStepGrids(const InputData& d, const SalinityCellTexts& salinity_texts, InputControls& c) {
    const int steps = d.NrTimeSteps;
    StringGrid& hydrology = *c.HydrGrid;
    hydrology.SetCell(0, 0, "Time step");
    hydrology.SetRowCount(steps + 1);
    c.DWTGrid->SetRowCount(steps + 1);
    c.DischGrid->SetRowCount(steps + 1);
    for (int i = 1; i <= steps; ++i) {
        hydrology.SetCell(0, i, StepNumberText(i));
        hydrology.SetCell(1, i, NumberText(d.Rain[i]));
        hydrology.SetCell(2, i, NumberText(d.Irrig[i]));
        hydrology.SetCell(3, i, NumberText(d.ETp[i]));
        hydrology.SetCell(4, i, NumberText(d.Sdr[i]));
        c.DWTGrid->SetCell(0, i, StepNumberText(i));
        c.DWTGrid->SetCell(1, i, MeasuredOrDash(d.DwtMeas[i]));
        c.DischGrid->SetCell(0, i, StepNumberText(i));
        c.DischGrid->SetCell(1, i, MeasuredOrDash(d.DrainMeas[i]));
    }
    for (StringGrid* salinity : c.SaltGrid) {
        salinity->SetCell(0, 0, "Time step");
        salinity->SetRowCount(steps + 1);
        NumberGridRows(*salinity, steps);
    }
    StringGrid& measured = *c.SaltGrid[LayerSlot(d.NrLayers)];
    for (int i = 1; i <= steps && static_cast<size_t>(i) < salinity_texts.size(); ++i) {
        const std::vector<std::string>& row = salinity_texts[static_cast<size_t>(i)];
        for (size_t column = 0; column < row.size(); ++column) {
            measured.SetCell(static_cast<int>(column) + 1, i, QString::fromLatin1(row[column]));
        }
    }
}

void ShowSoilGrid(const InputData& d, InputControls& c) {
    struct Zone {
        double thickness, total_porosity, effective_porosity, leaching_efficiency, initial_salinity;
    };
    std::vector<Zone> zones = {{d.D1, d.TP1, d.EffPor1, d.LE1, d.S1init}};
    if (d.Is2Layer || d.Is3Layer) zones.push_back({d.D2, d.TP2, d.EffPor2, d.LE2, d.S2init});
    if (d.Is3Layer) zones.push_back({d.D3, d.TP3, d.EffPor3, d.LE3, d.S3init});
    zones.push_back({d.Dt, d.TPt, d.EffPort, d.LEt, d.STinit});
    zones.push_back({d.Da, d.TPa, d.EffPora, d.LEa, d.SAinit});
    StringGrid& grid = *c.SoilGrid[LayerSlot(d.NrLayers)];
    for (size_t row = 0; row < zones.size(); ++row) {
        const Zone& zone = zones[row];
        const int r = static_cast<int>(row);
        grid.SetCell(0, r, NumberText(zone.thickness));
        grid.SetCell(1, r, NumberText(zone.total_porosity));
        grid.SetCell(2, r, NumberText(zone.effective_porosity));
        grid.SetCell(3, r, NumberText(zone.leaching_efficiency));
        grid.SetCell(4, r, InitialSalinity(zone.initial_salinity));
    }
}

void ShowConditions(const InputData& d, InputControls& c) {
    c.SaltIrrigEdit->setText(NumberText(d.Si));
    c.WTdepthEdit->setText(NumberText(d.DwtInit));
    c.CritDepthEdit->setText(NumberText(d.Dc));
    c.MoistEdit->setText(NumberText(d.MoistInit));
    c.IrrEffEdit->setText(NumberText(d.IrrEff));
    c.GrwtInfEdit->setText(NumberText(d.Inf));
    c.GrwtOutEdit->setText(NumberText(d.Out));
    c.SalInfEdit->setText(NumberText(d.Sinf));
}

}  // namespace

void ShowDataSet(EditorContext& x, const SalinityCellTexts& salinity_texts, DrainageEditor& drainage, RiceEditor& rice) {
    const InputData& d = x.Data();
    InputControls& c = x.c;
    ShowGeneralData(d, c);
    ShowTimeStepGrids(d, salinity_texts, c);
    ShowSoilGrid(d, c);

    c.DrainPresentCombo->setCurrentIndex(d.DrainPresent ? 1 : 0);
    x.flags.DrainPresentIndex = d.DrainPresent ? 1 : 0;
    drainage.DrainPresentComboChange();
    if (d.DrainPresent) {
        c.DrainDepthEdit->setText(NumberText(d.Dd));
        c.DrainQH1Edit->setText(NumberText(d.QH1));
        c.DrainQH2Edit->setText(NumberText(d.QH2));
    } else {
        for (QLineEdit* edit : {c.DrainDepthEdit, c.DrainQH1Edit, c.DrainQH2Edit}) edit->setText(" ");
    }

    ShowConditions(d, c);

    // A file without rice shows "No" as well, so that the choice on screen is the one the data set holds.
    c.RiceCombo->setCurrentIndex(d.RicePresent ? 1 : 0);
    rice.RiceComboChange();
    if (d.RicePresent) {
        c.InfilEdit->setText(NumberText(d.InfCap));
        c.FractionEdit->setText(NumberText(d.RiceTransp));
    }
}

}  // namespace vantorel
