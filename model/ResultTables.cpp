#include "model/ResultTables.h"

#include <algorithm>
#include <span>

#include "model/InputFileLayout.h"
#include "model/NumberText.h"
#include "model/OutputFileLayout.h"

namespace vantorel {

namespace {

constexpr const char* NotMeasured = "            -";

bool Covers(const StepSeries& series, int32_t step) { return static_cast<size_t>(step) < series.size(); }

std::string General(const StepSeries& series, int32_t step) {
    return Covers(series, step) ? FormatGeneral(series[step]) : std::string();
}

std::string Fixed(const StepSeries& series, int32_t step, int width) {
    return Covers(series, step) ? FormatFixed(series[step], width, 2) : std::string();
}

std::string Measured(const StepSeries& series, int32_t step, int width) {
    if (!Covers(series, step)) return {};
    return series[step] == MissingSalinity ? NotMeasured : FormatFixed(series[step], width, 2);
}

int32_t TableRows(const InputData& d) { return std::max(d.NrTimeSteps, 0) + 1; }

int32_t LayerCount(const InputData& d) {
    if (d.Is3Layer) return 3;
    if (d.Is2Layer) return 2;
    if (d.Is1Layer) return 1;
    return std::clamp(d.NrLayers, 1, 3);
}

// Row 0: the first heading, then the same unit over every other column; column 0: the steps.
ResultTable StartTable(int32_t columns, int32_t rows, const std::string& unit) {
    ResultTable table(columns, rows);
    table.SetCell(0, 0, "Time step");
    for (int32_t c = 1; c < columns; ++c) table.SetCell(c, 0, unit);
    for (int32_t i = 1; i < rows; ++i) table.SetCell(0, i, FormatInt(i));
    table.ColumnTitles.assign(1, "Time step");
    return table;
}

}  // namespace

ResultTable::ResultTable(int32_t columns, int32_t rows)
    : columns_(std::max(columns, 0)),
      rows_(std::max(rows, 0)),
      cells_(static_cast<size_t>(columns_) * static_cast<size_t>(rows_)) {}

size_t ResultTable::Index(int32_t column, int32_t row) const {
    return static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column);
}

const std::string& ResultTable::Cell(int32_t column, int32_t row) const {
    static const std::string outside;
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_) return outside;
    return cells_[Index(column, row)];
}

void ResultTable::SetCell(int32_t column, int32_t row, std::string text) {
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_) return;
    cells_[Index(column, row)] = std::move(text);
}

ResultTable BuildSalinityTable(const ModelState& state) {
    const InputData& d = state.Input;
    // The salinity columns of the output file's rows, each beside its measured values.
    struct Zone {
        const OutputQuantity* quantity;
        int calculated_width, measured_width;
    };
    static constexpr Zone zones1[] = {{&RootZoneSalinity, 13, 13},
                                      {&ZoneSalinities[TransitionZone], 9, 9},
                                      {&ZoneSalinities[Aquifer], 9, 9}};
    static constexpr Zone zones2[] = {{&ZoneSalinities[Layer1], 13, 13},
                                      {&ZoneSalinities[Layer2], 13, 11},
                                      {&ZoneSalinities[TransitionZone], 9, 9},
                                      {&ZoneSalinities[Aquifer], 9, 9}};
    static constexpr Zone zones3[] = {{&ZoneSalinities[Layer1], 13, 13},   {&ZoneSalinities[Layer2], 13, 11},
                                      {&ZoneSalinities[Layer3], 13, 9},    {&ZoneSalinities[TransitionZone], 9, 9},
                                      {&ZoneSalinities[Aquifer], 9, 9}};
    const int32_t layers = LayerCount(d);
    const std::span<const Zone> zones = layers == 1 ? std::span<const Zone>(zones1)
                                        : layers == 2 ? std::span<const Zone>(zones2)
                                                      : std::span<const Zone>(zones3);

    ResultTable table = StartTable(static_cast<int32_t>(2 * zones.size()) + 1, TableRows(d), "dS/m");
    for (int32_t i = 1; i < table.RowCount(); ++i) {
        int32_t c = 1;
        for (const Zone& zone : zones) {
            table.SetCell(c++, i, Fixed(SeriesOf(state, *zone.quantity), i, zone.calculated_width));
            table.SetCell(c++, i, Measured(d.*zone.quantity->measured, i, zone.measured_width));
        }
    }
    for (const Zone& zone : zones) {
        table.ColumnTitles.push_back(std::string(zone.quantity->title) + ", calculated (dS/m)");
        table.ColumnTitles.push_back(std::string(zone.quantity->title) + ", measured (dS/m)");
    }
    table.Kind = layers == 1   ? ResultTableKind::Salinity1Layer
                 : layers == 2 ? ResultTableKind::Salinity2Layers
                               : ResultTableKind::Salinity3Layers;
    return table;
}

ResultTable BuildHydrologyTable(const ModelState& state) {
    const InputData& d = state.Input;
    const bool storage = state.Output.StorageColumn;
    // The water the field was given, as the input file has it, then the flows of the output file.
    const SeriesColumn* const given[] = {&RainfallColumn, &IrrigationColumn, &EvapotranspirationColumn};
    const OutputQuantity* const calculated[] = {&Percolation,    &CapillaryRise,   &ActualEvapotranspiration,
                                                &DrainDischarge, &WaterTableDepth, &StorageChange};
    const size_t calculated_shown = storage ? 6 : 5;
    ResultTable table = StartTable(storage ? 10 : 9, TableRows(d), "mm");
    table.SetCell(8, 0, " m");
    if (storage) table.SetCell(9, 0, " mmm");
    for (int32_t i = 1; i < table.RowCount(); ++i) {
        table.SetCell(1, i, General(d.Rain, i));
        table.SetCell(2, i, General(d.Irrig, i));
        table.SetCell(3, i, Fixed(d.ETp, i, 5));
        for (size_t c = 0; c < calculated_shown; ++c) {
            table.SetCell(static_cast<int32_t>(c) + 4, i, General(SeriesOf(state, *calculated[c]), i));
        }
    }
    for (const SeriesColumn* column : given) table.ColumnTitles.emplace_back(column->title);
    for (size_t c = 0; c < calculated_shown; ++c) table.ColumnTitles.emplace_back(calculated[c]->title);
    table.Kind = storage ? ResultTableKind::HydrologyWithStorage : ResultTableKind::Hydrology;
    return table;
}

ResultTable BuildSurfaceTable(const ModelState& state) {
    const InputData& d = state.Input;
    ResultTable table = StartTable(4, TableRows(d), "mm");
    for (int32_t i = 1; i < table.RowCount(); ++i) {
        table.SetCell(1, i, General(d.SdrGiven, i));
        table.SetCell(2, i, General(d.Sdr, i));
        table.SetCell(3, i, General(d.Pond, i));
    }
    table.ColumnTitles.insert(table.ColumnTitles.end(),
                              {SurfaceDrainageColumn.title, SurfaceDrainage.title, PondedWater.title});
    table.Kind = ResultTableKind::Surface;
    return table;
}

std::string ClipboardText(const ResultTable& table) {
    std::string text;
    for (int32_t row = 0; row < table.RowCount(); ++row) {
        if (row > 0) text += '\r';
        for (int32_t column = 0; column < table.ColCount(); ++column) {
            if (column > 0) text += '\t';
            text += table.Cell(column, row);
        }
    }
    return text;
}

}  // namespace vantorel
