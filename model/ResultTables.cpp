#include "model/ResultTables.h"

#include <algorithm>

#include "model/NumberText.h"

namespace vantorel {

namespace {

constexpr const char* NotMeasured = "            -";

constexpr const char* HydrologyHeadings =
    "Rainfall         Irrigation         Pot. Evap.    Percolation    Capillary rise    Act. Evap.    Drainage       "
    "Depth WT";
constexpr const char* HydrologyHeadingsWithStorage =
    "Rainfall         Irrigation       Pot. Evap.    Percolation    Capillary rise    Act. Evap.    Drainage       "
    "Depth WT      Storage";

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

struct Geometry {
    int left, width, clip_label_left, clip_button_left;
    HeadingsMemo memo;
};

void Place(ResultTable& table, const Geometry& g) {
    table.GridLeft = g.left;
    table.GridWidth = g.width;
    table.ClipLabelLeft = g.clip_label_left;
    table.ClipButtonLeft = g.clip_button_left;
    table.Memo = g.memo;
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
    const RunValues& r = state.Run;
    struct Column {
        const StepSeries* series;
        int width;
        bool measured;
        std::string title;
    };
    const int32_t layers = LayerCount(d);
    const auto pair = [](const StepSeries& calculated, int calculated_width, const StepSeries& measured,
                         int measured_width, const std::string& zone) {
        return std::vector<Column>{{&calculated, calculated_width, false, zone + " salinity, calculated (dS/m)"},
                                   {&measured, measured_width, true, zone + " salinity, measured (dS/m)"}};
    };
    std::vector<Column> columns;
    const auto add = [&columns](std::vector<Column> more) { columns.insert(columns.end(), more.begin(), more.end()); };
    if (layers == 1) {
        add(pair(r.S1, 13, d.S1meas, 13, "Root zone"));
    } else {
        add(pair(r.S1, 13, d.S1meas, 13, "Root zone layer 1"));
        add(pair(r.S2, 13, d.S2meas, 11, "Root zone layer 2"));
        if (layers == 3) add(pair(r.S3, 13, d.S3meas, 9, "Root zone layer 3"));
    }
    add(pair(r.STr, 9, d.STmeas, 9, "Transition zone"));
    add(pair(r.SAq, 9, d.SAmeas, 9, "Aquifer"));

    ResultTable table = StartTable(static_cast<int32_t>(columns.size()) + 1, TableRows(d), "dS/m");
    for (int32_t i = 1; i < table.RowCount(); ++i) {
        for (size_t c = 0; c < columns.size(); ++c) {
            const Column& column = columns[c];
            table.SetCell(static_cast<int32_t>(c) + 1, i,
                          column.measured ? Measured(*column.series, i, column.width)
                                          : Fixed(*column.series, i, column.width));
        }
    }
    for (const Column& column : columns) table.ColumnTitles.push_back(column.title);
    if (layers == 1) {
        Place(table, {100, 480, 110, 102, HeadingsMemo::OutSalt1Memo});
    } else if (layers == 2) {
        Place(table, {50, 610, 60, 52, HeadingsMemo::OutSalt2Memo});
    } else {
        Place(table, {10, 740, 20, 12, HeadingsMemo::OutSalt3Memo});
    }
    return table;
}

ResultTable BuildHydrologyTable(const ModelState& state) {
    const InputData& d = state.Input;
    const RunValues& r = state.Run;
    const bool storage = state.Output.StorageColumn;
    ResultTable table = StartTable(storage ? 10 : 9, TableRows(d), "mm");
    table.SetCell(8, 0, " m");
    if (storage) table.SetCell(9, 0, " mmm");
    const StepSeries* const general[] = {&r.Perc, &r.Cap, &r.EvapT, &r.Drain, &r.Dwt, &d.Stor};
    for (int32_t i = 1; i < table.RowCount(); ++i) {
        table.SetCell(1, i, General(d.Rain, i));
        table.SetCell(2, i, General(d.Irrig, i));
        table.SetCell(3, i, Fixed(d.ETp, i, 5));
        for (int32_t c = 4; c < table.ColCount(); ++c) table.SetCell(c, i, General(*general[c - 4], i));
    }
    table.ColumnTitles.insert(table.ColumnTitles.end(),
                              {"Rainfall (mm/time step)", "Irrigation (mm/time step)",
                               "Potential evapotranspiration (mm/time step)", "Percolation (mm/time step)",
                               "Capillary rise (mm/time step)", "Actual evapotranspiration (mm/time step)",
                               "Drain discharge (mm/time step)", "Water table depth at the start of the step (m)"});
    if (storage) table.ColumnTitles.emplace_back("Change of root zone moisture storage (mm/time step)");
    Place(table, storage ? Geometry{56, 670, 64, 56, HeadingsMemo::HydrOutMemo}
                         : Geometry{66, 606, 74, 66, HeadingsMemo::HydrOutMemo});
    table.MemoChange = storage ? MemoLayout{575, HydrologyHeadingsWithStorage} : MemoLayout{520, HydrologyHeadings};
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
    table.ColumnTitles.insert(table.ColumnTitles.end(), {"Surface drainage, given (mm/time step)",
                                                         "Surface drainage, actual (mm/time step)",
                                                         "Water standing on the soil surface (mm)"});
    table.DefaultColWidth = 90;
    Place(table, {50, 388, 60, 52, HeadingsMemo::SurfMemo});
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
