#include "model/InputFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <string_view>

#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFileLayout.h"
#include "model/NumberText.h"
#include "model/StartDateLine.h"
#include "model/TextFile.h"
#include "model/WrittenColumns.h"

namespace vantorel {

namespace {

constexpr const char* OlderFileMessage =
    "This is an older input file. Please check all the data, there may be some incomplete or incorrect data.";

// ---------------------------------------------------------------------------------------------
// Writing

// One number of a line as written, with what names it should the file be unable to hold it.
struct Cell {
    WrittenColumn column;
    std::string text;      // the formatted number, or the placeholder
    std::string field;     // the model's name
    int32_t step;          // 0 for a single value
    double value;
    bool missing = false;          // written as the placeholder
    bool reads_as_missing = false;  // a measurement whose printed digits read back as not measured
};

Cell NumberCell(double value, int width, int decimals, const char* field, int32_t step = 0) {
    return {{width, decimals}, FormatFixed(value, width, decimals), field, step, value};
}

Cell StepCell(int32_t step) { return {{StepNumberWidth, 0}, FormatInt(step, StepNumberWidth), "the step number", step, 0}; }

// A series value, or the column's placeholder for a value not measured.
Cell SeriesCell(const SeriesColumn& column, double value, bool missing, int32_t step) {
    Cell cell = NumberCell(value, column.width, column.decimals, FieldName(column.field), step);
    cell.column.placeholder = column.placeholder;
    if (missing) cell.text = column.placeholder;
    cell.missing = missing;
    return cell;
}

// Whether the line reads back, from `start` on, as exactly the cells' numbers and placeholders.
bool ReadsBack(std::string_view line, size_t start, std::span<const Cell> cells) {
    std::vector<WrittenColumn> columns;
    for (const Cell& cell : cells) columns.push_back(cell.column);
    const auto read = ReadWrittenColumns(line, start, columns);
    if (!read) return false;
    for (size_t k = 0; k < cells.size(); ++k) {
        if ((*read)[k] != (cells[k].missing ? std::string_view() : TrimBlanks(cells[k].text))) return false;
    }
    return true;
}

// The lines of a file being written, and the first value among them that would not read back as
// written: a value that is not a number, or two numbers without decimals that touch.
class InputFileText {
public:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Add(const std::string& start, const std::vector<Cell>& cells) {
        std::string line = start;
        for (const Cell& cell : cells) line += cell.text;
        for (const Cell& cell : cells) {
            if (unwritable_ || !cell.reads_as_missing) continue;
            unwritable_ = ValueBreach{cell.field, cell.step, cell.value,
                                      "the input file would read this measurement back as not measured"};
        }
        if (!unwritable_ && !ReadsBack(line, start.size(), cells)) {
            // The first cell after which the line no longer reads back is the one to name.
            std::string part = start;
            for (size_t k = 0; k < cells.size(); ++k) {
                part += cells[k].text;
                if (ReadsBack(part, start.size(), std::span(cells).first(k + 1))) continue;
                unwritable_ = ValueBreach{cells[k].field, cells[k].step, cells[k].value,
                                          "the input file cannot hold this value so that it reads back"};
                break;
            }
        }
        lines_.push_back(std::move(line));
    }
    template <class Lines>
    void AddAll(const Lines& lines) {
        for (const char* line : lines) Add(line);
    }

    std::vector<std::string>& Lines() { return lines_; }
    const std::optional<ValueBreach>& Unwritable() const { return unwritable_; }

private:
    std::vector<std::string> lines_;
    std::optional<ValueBreach> unwritable_;
};

void AddValueLine(InputFileText& out, const InputData& d, const ValueLine& line) {
    out.Add(line.label, {NumberCell(d.*line.field, line.width, line.decimals, FieldName(line.field))});
}

// The number a cell's digits give when read back.
double PrintedValue(const Cell& cell) {
    const std::string_view text = TrimBlanks(cell.text);
    double printed = 0;
    std::from_chars(text.data(), text.data() + text.size(), printed);
    return printed;
}

Cell MeasuredOrPlaceholder(double value, const SeriesColumn& column, int32_t step) {
    // Values between the marker and 0 occur only in hand-written files; they are kept as numbers.
    Cell cell = SeriesCell(column, value, value <= MissingDepthOrDischarge, step);
    cell.reads_as_missing = !cell.missing && PrintedValue(cell) <= MissingDepthOrDischarge;
    return cell;
}

Cell SalinityOrPlaceholder(double value, const SeriesColumn& column, int32_t step) {
    Cell cell = SeriesCell(column, value, value == MissingSalinity || value == 0, step);
    // A salinity counts as measured when it is above 0, and 0 is written as not measured.
    cell.reads_as_missing = value > 0 && PrintedValue(cell) <= 0;
    return cell;
}

void WriteSoilSection(const InputData& d, const LayerLayout& layout, InputFileText& out) {
    out.AddAll(layout.soil_headings);
    std::vector<Cell> thicknesses;
    for (const ValueColumn& column : layout.thicknesses) {
        thicknesses.push_back(NumberCell(d.*column.field, column.width, column.decimals, FieldName(column.field)));
    }
    out.Add("", thicknesses);
    out.Add("");
    out.AddAll(ZoneTableHeadings);
    for (const ZoneRow& zone : layout.zones) {
        std::vector<Cell> cells;
        for (size_t c = 0; c < 3; ++c) {
            cells.push_back(NumberCell(d.*zone.values[c], ZoneColumns[c].width, 0, FieldName(zone.values[c])));
        }
        out.Add(zone.label, cells);
    }
}

void WriteSalinitySection(const InputData& d, const LayerLayout& layout, InputFileText& out) {
    out.AddAll(layout.salinity_headings);
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        std::vector<Cell> cells = {StepCell(i)};
        for (const SeriesColumn& column : layout.salinities) {
            cells.push_back(SalinityOrPlaceholder((d.*column.field)[i], column, i));
        }
        out.Add("", cells);
    }
}

// A save needs every series it writes to cover all time steps. Missing measurements are simply
// not measured; missing flows are an error the user has to mend in the hydrological editor.
void CheckAndCompleteSeries(InputData& d) {
    const size_t size = static_cast<size_t>(d.NrTimeSteps) + 1;
    for (const StepSeries* series : {&d.Rain, &d.Irrig, &d.ETp, &d.Sdr}) {
        if (series->size() < size) {
            throw FileError("The file " + d.FileName + " was not written: the hydrological data do not cover all " +
                            std::to_string(d.NrTimeSteps) +
                            " time steps. Please check and save the hydrological data.");
        }
    }
    for (StepSeries* series : {&d.DwtMeas, &d.DrainMeas}) {
        if (series->size() < size) series->resize(size, MissingDepthOrDischarge);
    }
    for (StepSeries* series : {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
        if (series->size() < size) series->resize(size, MissingSalinity);
    }
}

// ---------------------------------------------------------------------------------------------
// Reading

int32_t ReadCount(FieldReader& reader, const char* what, int32_t lowest, int32_t highest) {
    const int32_t value = reader.ReadInteger();
    if (value < lowest || value > highest) {
        reader.Fail(std::string("the ") + what + " " + std::to_string(value) + " is not between " +
                    std::to_string(lowest) + " and " + std::to_string(highest));
    }
    return value;
}

double MeasuredValue(FieldReader& reader, const std::string& field, double missing) {
    const std::string cleaned = RemoveBlanks(field);
    if (cleaned.empty() || cleaned == "-") return missing;
    return reader.Convert(cleaned);
}

// The cells of the current line from `start` on, as the writer writes the columns, or nothing.
std::optional<std::vector<std::string_view>> WrittenCells(const FieldReader& r, size_t start,
                                                          const std::vector<WrittenColumn>& columns) {
    return ReadWrittenColumns(r.WholeLine(), start, columns);
}

template <class Column>
std::vector<WrittenColumn> WrittenColumnsOf(std::span<const Column> columns, bool step_number) {
    std::vector<WrittenColumn> written;
    if (step_number) written.push_back({StepNumberWidth, 0});
    for (const Column& column : columns) written.push_back({column.width, column.decimals, column.placeholder});
    return written;
}

// The value of a labelled line: as the writer writes it after the label, else from the reader's
// characters (of which `taken` have been taken already).
double LineValue(FieldReader& r, const ValueLine& line, size_t taken = 0) {
    if (const auto cells = WrittenCells(r, std::strlen(line.label), {{line.width, line.decimals}})) {
        return r.Convert(cells->front());
    }
    r.Skip(line.read_skip - taken);
    return line.read_span == 0 ? r.ReadNumber() : r.FieldNumber(line.read_span);
}

// Reads the value of a labelled line and goes to the next line.
void ReadValueLine(FieldReader& r, InputData& d, const ValueLine& line) {
    d.*line.field = LineValue(r, line);
    r.NextLine();
}

void ReadHeader(FieldReader& r, InputData& d, bool& older_layout) {
    r.NextLine();
    r.NextLine();
    r.Skip(GeneralLabelLength);
    d.Title1 = r.Field(std::string::npos);
    r.NextLine();
    r.Skip(GeneralLabelLength);
    d.Title2 = r.Field(std::string::npos);
    r.NextLine();
    r.NextLine();

    r.Skip(GeneralLabelLength);
    // A time step needs a row of its own in the file, so the file's length bounds the count.
    const int32_t steps = ReadCount(r, "number of time steps", 1, static_cast<int32_t>(std::min<size_t>(
                                                                         r.LinesLeft(), INT32_MAX - 1)));
    r.NextLine();
    r.Skip(GeneralLabelLength);
    const int32_t step_length = ReadCount(r, "step length", 1, LongestTimeStep);
    r.NextLine();
    r.Skip(GeneralLabelLength);
    const int32_t layers = ReadCount(r, "number of root zone layers", 1, 3);
    r.NextLine();
    // The flags follow the count at once (line 16 sets both again), so that a load that fails in
    // between leaves them agreeing.
    SetDimensions(d, steps, step_length, layers);
    r.NextLine();

    r.Skip(GeneralLabelLength);
    d.DrainPresent = r.Field(DrainsPresentSpan) == "yes";
    r.NextLine();
    for (const ValueLine& line : DrainageLines) {
        if (d.DrainPresent) {
            ReadValueLine(r, d, line);
        } else {
            r.NextLine();
        }
    }

    older_layout = r.Field(InitialHeadingProbe) == OlderInitialHeading;
    r.NextLine();
    ReadValueLine(r, d, IrrigationSalinityLine);
    r.Skip(InitialLabelLength);
    SetLayerCount(d, ReadCount(r, "number of layers in the root zone", 1, 3));
    r.NextLine();
    const std::span<const ValueLine> initial_salinities = LayerLayoutFor(d).initial_salinities;
    ReadValueLine(r, d, initial_salinities[0]);
    if (older_layout) {
        d.S2init = d.S1init;
        d.S3init = d.S1init;
    } else {
        for (const ValueLine& line : initial_salinities.subspan(1)) ReadValueLine(r, d, line);
    }
    for (const ValueLine& line : LowerZoneAndDepthLines) ReadValueLine(r, d, line);

    if (r.Field(MoistureProbe) == std::string_view(MoistureLine.label, MoistureProbe)) {
        d.MoistInit = LineValue(r, MoistureLine, MoistureProbe);
        r.NextLine();
        ReadValueLine(r, d, IrrigationEfficiencyLine);
    } else {
        d.IrrEff = LineValue(r, IrrigationEfficiencyLine, MoistureProbe);
        d.MoistInit = OlderFileMoisture;
        r.NextLine();
    }
    for (const ValueLine& line : GroundwaterLines) ReadValueLine(r, d, line);

    const bool rice_line = r.Field(std::char_traits<char>::length(RiceLineProbe)) == RiceLineProbe;
    if (rice_line) {
        r.Skip(RiceAnswerSkip);
        d.RicePresent = r.Field(RiceAnswerSpan) != RiceAnswerNo;
        r.NextLine();
        if (d.RicePresent) {
            for (const ValueLine& line : RiceLines) ReadValueLine(r, d, line);
        }
    } else {
        d.RicePresent = false;
    }

    // Up to the hydrological heading; without a rice line the scan starts in the line just probed.
    const size_t probe = std::char_traits<char>::length(HydrologicalHeadingProbe);
    for (;;) {
        if (r.AtEnd()) r.Fail("the file ends before the hydrological data");
        const bool heading = r.Field(probe) == HydrologicalHeadingProbe;
        r.NextLine();
        if (heading) break;
    }
    r.NextLine();
}

void ReadHydrologicalTable(FieldReader& r, InputData& d, UserDialogs& dialogs) {
    d.OlderFile = false;
    const std::vector<WrittenColumn> written = WrittenColumnsOf(std::span<const SeriesColumn>(HydrologicalColumns), true);
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        if (const auto cells = WrittenCells(r, 0, written)) {
            for (size_t c = 0; c < std::size(HydrologicalColumns); ++c) {
                const std::string_view text = (*cells)[c + 1];
                (d.*HydrologicalColumns[c].field)[i] = text.empty() ? MissingDepthOrDischarge : r.Convert(text);
            }
            d.SdrGiven[i] = d.Sdr[i];
            r.NextLine();
            continue;
        }
        r.Skip(StepNumberSpan);
        for (const SeriesColumn& column : HydrologicalColumns) {
            const std::string field = r.Field(column.read_span);
            if (!column.placeholder) {
                (d.*column.field)[i] = r.Convert(field);
                if (column.field == SurfaceDrainageColumn.field) d.SdrGiven[i] = d.Sdr[i];
                continue;
            }
            // Rows of older files end before the measured depth.
            if (column.field == MeasuredDepthColumn.field && RemoveBlanks(field).empty()) d.OlderFile = true;
            (d.*column.field)[i] = MeasuredValue(r, field, MissingDepthOrDischarge);
        }
        r.NextLine();
    }
    if (d.OlderFile) dialogs.ShowMessage(OlderFileMessage);
    d.NrMeasDwt = 0;
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        if (d.DwtMeas[i] > MissingDepthOrDischarge) ++d.NrMeasDwt;
    }
}

void ReadSoilProperties(FieldReader& r, InputData& d, bool older_layout) {
    const LayerLayout& layout = LayerLayoutFor(d);
    for (size_t k = 0; k <= layout.soil_headings.size(); ++k) r.NextLine();
    if (const auto cells = WrittenCells(r, 0, WrittenColumnsOf(layout.thicknesses, false))) {
        for (size_t c = 0; c < layout.thicknesses.size(); ++c) d.*layout.thicknesses[c].field = r.Convert((*cells)[c]);
    } else {
        for (const ValueColumn& column : layout.thicknesses) d.*column.field = r.FieldNumber(column.read_span);
    }
    r.NextLine();

    // An older file has no column heading above the zones.
    const size_t headings = std::size(ZoneTableHeadings) - (older_layout ? 1 : 0);
    for (size_t k = 0; k <= headings; ++k) r.NextLine();
    std::vector<WrittenColumn> zone_columns;
    for (const ZoneColumn& column : ZoneColumns) zone_columns.push_back({column.width, 0});
    for (const ZoneRow& zone : layout.zones) {
        if (const auto cells = WrittenCells(r, std::strlen(zone.label), zone_columns)) {
            for (size_t c = 0; c < 3; ++c) d.*zone.values[c] = r.Convert((*cells)[c]);
        } else {
            r.Skip(ZoneLabelSpan);
            for (size_t c = 0; c < 3; ++c) d.*zone.values[c] = r.FieldNumber(ZoneColumns[c].read_span);
        }
        r.NextLine();
    }
}

void ReadSalinityTable(FieldReader& r, InputData& d, SalinityCellTexts* texts) {
    const LayerLayout& layout = LayerLayoutFor(d);
    for (size_t k = 0; k <= layout.salinity_headings.size(); ++k) r.NextLine();
    const std::span<const SeriesColumn> columns = layout.salinities;
    if (texts) texts->assign(static_cast<size_t>(d.NrTimeSteps) + 1, std::vector<std::string>(columns.size()));
    const std::vector<WrittenColumn> written = WrittenColumnsOf(columns, true);
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        const auto cells = WrittenCells(r, 0, written);
        if (!cells) r.Skip(StepNumberSpan);
        for (size_t c = 0; c < columns.size(); ++c) {
            std::string cleaned = cells ? std::string((*cells)[c + 1]) : RemoveBlanks(r.Field(columns[c].read_span));
            if (cleaned == "-") cleaned.clear();
            (d.*columns[c].field)[i] = cleaned.empty() ? MissingSalinity : r.Convert(cleaned);
            if (texts) (*texts)[i][c] = std::move(cleaned);
        }
        r.NextLine();
    }
}

// The file's text, and the first value it cannot hold.
InputFileText BuildInputFile(InputData& d) {
    if (d.NrTimeSteps == 0) d.NrTimeSteps = d.NrTimeStepsSaved;
    d.NrTimeStepsSaved = d.NrTimeSteps;
    CheckAndCompleteSeries(d);

    const LayerLayout& layout = LayerLayoutFor(d);
    InputFileText out;
    for (const std::string& line : {std::string(FirstLine), FileNameLabel + d.FileName, Title1Label + d.Title1,
                                    Title2Label + d.Title2, std::string(GeneralHeading),
                                    StepCountLabel + FormatInt(d.NrTimeSteps), StepLengthLabel + FormatInt(d.Ts),
                                    LayerCountLabel + FormatInt(d.NrLayers), std::string(DrainageHeading),
                                    std::string(d.DrainPresent ? DrainsPresentLine : NoDrainsLine)}) {
        out.Add(line);
    }
    for (const ValueLine& line : DrainageLines) {
        if (d.DrainPresent) {
            AddValueLine(out, d, line);
        } else {
            out.Add(line.absent);
        }
    }
    out.Add(InitialHeading);
    AddValueLine(out, d, IrrigationSalinityLine);
    out.Add(layout.layer_count_line);
    for (const ValueLine& line : layout.initial_salinities) AddValueLine(out, d, line);
    for (const ValueLine& line : LowerZoneAndDepthLines) AddValueLine(out, d, line);
    AddValueLine(out, d, MoistureLine);
    AddValueLine(out, d, IrrigationEfficiencyLine);
    for (const ValueLine& line : GroundwaterLines) AddValueLine(out, d, line);
    out.Add(d.RicePresent ? RiceLine : NoRiceLine);
    for (const ValueLine& line : RiceLines) {
        if (d.RicePresent) {
            AddValueLine(out, d, line);
        } else {
            out.Add(line.absent);
        }
    }
    out.Add("");
    out.AddAll(HydrologicalHeadings);
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        std::vector<Cell> cells = {StepCell(i)};
        for (const SeriesColumn& column : HydrologicalColumns) {
            const double value = (d.*column.field)[i];
            cells.push_back(column.placeholder ? MeasuredOrPlaceholder(value, column, i)
                                               : SeriesCell(column, value, false, i));
        }
        out.Add("", cells);
    }
    out.Add("");
    WriteSoilSection(d, layout, out);
    out.Add("");
    WriteSalinitySection(d, layout, out);
    if (d.StartDate) out.Add(StartDateLine(*d.StartDate));
    return out;
}

// Each of these is one line of the file; a line break would make it two.
void CheckOneLineTexts(const InputData& d) {
    for (const auto& [name, text] : {std::pair{"name", &d.FileName}, {"first title", &d.Title1}, {"second title", &d.Title2}}) {
        if (text->find_first_of("\r\n") != std::string::npos) {
            throw FileError("The file " + d.FileName + " was not written: its " + name +
                            " holds a line break, which a line of the file cannot hold.");
        }
    }
}

}  // namespace

std::vector<std::string> InputFileLines(InputData& d) {
    CheckOneLineTexts(d);
    InputFileText text = BuildInputFile(d);
    if (text.Unwritable()) throw FileError("The file " + d.FileName + " was not written: " + BreachText(*text.Unwritable()) + ".");
    return std::move(text.Lines());
}

std::optional<ValueBreach> UnwritableInputValue(const InputData& data) {
    InputData copy = data;
    return BuildInputFile(copy).Unwritable();
}

void SaveInputFile(InputData& data) {
    data.FileName = ReplaceExtension(data.FileName, ".inp");
    AtomicFileWriter writer(data.FileName);
    for (const std::string& line : InputFileLines(data)) writer.Line(line);
    writer.Commit();
    ComputeDerivedValues(data);
}

void LoadInputFile(InputData& data, UserDialogs& dialogs, SalinityCellTexts* salinity_texts) {
    data.FileName = ReplaceExtension(data.FileName, ".inp");
    FieldReader reader(data.FileName, ReadTextFileLines(data.FileName));
    bool older_layout = false;
    ReadHeader(reader, data, older_layout);
    ReadHydrologicalTable(reader, data, dialogs);
    ReadSoilProperties(reader, data, older_layout);
    ReadSalinityTable(reader, data, salinity_texts);
    data.StartDate = ReadStartDateLine(reader);
}

}  // namespace vantorel
