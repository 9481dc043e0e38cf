#include "model/OutputFileReader.h"

#include <array>
#include <optional>

#include "model/FileNames.h"
#include "model/NumberText.h"
#include "model/OutputFileLayout.h"

namespace vantorel {

namespace {

constexpr const char* InvalidOutputMessage =
    "This is an invalid output file. Use the input file to do the calculations. Program halts.";


struct ZoneLine {
    double efficiency = 0;
    bool optimized = false;
    std::optional<double> fit;  // none after "n.a.": the zone's fit value stays as it was
};

// The header as read; it replaces the model state's values only once it is complete.
struct OutputHeader {
    int32_t layers = 1;
    int32_t steps = 0;
    bool drain_opt_wanted = false;
    bool balance = false, water_table = false, discharge = false;
    std::optional<double> qh1, qh2, fit_dwt, fit_drain;
    // None for a layer the root zone does not have: its values stay as they were.
    std::array<std::optional<ZoneLine>, ZoneCount> zones;
};

void ReadCounts(FieldReader& r, OutputHeader& h) {
    for (int k = 0; k < 5; ++k) r.NextLine();
    h.layers = r.ReadInteger();
    if (h.layers < 1 || h.layers > 3) {
        r.Fail("the number of root zone layers " + std::to_string(h.layers) + " is not between 1 and 3");
    }
    h.steps = r.ReadInteger();
    // Every step has a row of its own, so the length of the file bounds the count.
    const size_t lines_left = r.LinesLeft();
    if (h.steps < 1 || static_cast<size_t>(h.steps) > lines_left) {
        r.Fail("the number of time steps " + std::to_string(h.steps) + " is not between 1 and " +
               std::to_string(lines_left) + ", the number of lines that follow");
    }
    r.NextLine();
}

void ReadDrainageLine(FieldReader& r, OutputHeader& h) {
    // A header without a drainage-factor line reports no optimized factors.
    if (r.Peek(4) != " Dra") return;
    r.Skip(4);
    r.Skip(17);
    const std::string probe = r.Field(4);
    h.drain_opt_wanted = probe == "opti" || probe == "imiz" || probe == "bala";
    if (!h.drain_opt_wanted) {
        if (probe != "(giv") r.Fail("the drainage-factor line is not recognised");
        r.NextLine();  // the given factors are those of the input file
        return;
    }
    if (r.Field(12) == "ed    :    Q") r.Skip(4);
    h.qh1 = r.ReadNumber();
    r.Skip(12);
    const std::string kind = r.Field(4);
    h.water_table = kind == "tabl";
    h.balance = kind == "bala";
    h.discharge = kind == "disc";
    if (h.discharge) r.Skip(2);
    // After "tabl" the text before QH2 is one character shorter than after the other two; a skip
    // of 12 would take the first character of a factor that fills its field.
    r.Skip(h.water_table ? 11 : 12);
    h.qh2 = r.ReadNumber();
    if (h.discharge) {
        r.Skip(17);
        h.fit_drain = r.ReadNumber();
    } else if (h.water_table) {
        r.Skip(17);
        h.fit_dwt = r.ReadNumber();
    }
    r.NextLine();
}

ZoneLine ReadZoneLine(FieldReader& r) {
    ZoneLine zone;
    r.Skip(LeachingLabelLength);
    zone.efficiency = r.ReadNumber();
    zone.optimized = r.Field(4) == "  (o";
    // The coefficient follows the 46-character ending; reading it from there keeps the sign of
    // a coefficient that fills all five characters of its field.
    r.Skip(42);
    if (TrimBlanks(r.Peek(std::string::npos)).substr(0, 3) != "n.a") zone.fit = r.ReadNumber();
    r.NextLine();
    return zone;
}

void ReadLeachingLines(FieldReader& r, OutputHeader& h) {
    for (const LeachingLine& line : LeachingLines) {
        if (h.layers < line.least_layers) continue;
        const bool present = !line.left_out_at_zero || r.Peek(LeachingLabelLength) == line.label;
        h.zones[line.zone] = present ? ReadZoneLine(r) : ZoneLine{};
    }
}

void ApplyHeader(const OutputHeader& h, ModelState& state) {
    RunValues& run = state.Run;
    SetLayerCount(state.Input, h.layers);
    state.Input.NrTimeSteps = h.steps;
    run.DrainOptWanted = h.drain_opt_wanted;
    run.QHOptBalance = h.balance;
    run.QHOptDwt = h.water_table;
    run.QHOptDrain = h.discharge;
    if (h.qh1) run.QH1Used = *h.qh1;
    if (h.qh2) run.QH2Used = *h.qh2;
    if (h.fit_dwt) run.FitDwt = *h.fit_dwt;
    if (h.fit_drain) run.FitDrain = *h.fit_drain;
    for (const LeachingLine& line : LeachingLines) {
        const std::optional<ZoneLine>& zone = h.zones[line.zone];
        if (!zone) continue;
        state.Output.*line.printed = zone->efficiency;
        state.Output.LEOptimizedOut[line.zone] = zone->optimized;
        if (zone->fit) run.*line.fit = *zone->fit;
    }
}

void AllocateSeries(ModelState& state) {
    InputData& d = state.Input;
    RunValues& r = state.Run;
    const size_t size = static_cast<size_t>(d.NrTimeSteps) + 1;
    for (StepSeries* series : {&r.Perc, &r.Cap, &r.EvapT, &r.Drain, &r.Dwt, &r.S1, &r.S2, &r.S3, &r.STr, &r.SAq,
                               &d.Stor, &d.Pond}) {
        series->assign(size, 0.0);
    }
    d.Sdr.resize(size);
    d.SdrGiven.resize(size);
    d.DwtMeas.resize(size, MissingDepthOrDischarge);
    d.RicePresent = false;
    state.Output.StorageColumn = false;
}

bool HasTextAt(const std::string& line, size_t column, std::string_view text) {
    return line.size() >= column - 1 + text.size() && line.compare(column - 1, text.size(), text) == 0;
}

// Reads up to and including the last heading line, the only one that begins with " - -";
// tells whether "Storage" stands where the headings of the layer count put it.
bool ScanHeadings(FieldReader& r, int32_t layers) {
    const size_t storage_column = OutputRowLayoutFor(layers).storage_heading_column;
    bool storage = false;
    for (;;) {
        const std::string start = r.Field(4);
        const std::string line = start + r.Field(std::string::npos);
        if (HasTextAt(line, storage_column, "Stora")) storage = true;
        r.NextLine();
        if (start == " - -") return storage;
    }
}

double PondValue(FieldReader& r, const std::string& field) {
    const std::string cleaned = RemoveBlanks(field);
    return cleaned.empty() ? 0.0 : r.Convert(cleaned);
}

void ReadRows(FieldReader& r, ModelState& state, UserDialogs& dialogs) {
    InputData& d = state.Input;
    const std::span<const OutputColumn> columns = OutputRowLayoutFor(d.NrLayers).columns;
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        r.Skip(OutputStepSpan);
        for (const OutputColumn& column : columns) {
            if (column.read == OutputRead::Storage && !state.Output.StorageColumn) continue;
            const std::string field = r.Field(column.read_span);
            if (column.read == OutputRead::SurfaceDrainage && !state.Output.StorageColumn &&
                RemoveBlanks(field).empty()) {
                dialogs.ShowMessage(InvalidOutputMessage);
                state.Output.InvalidOutput = true;
                return;
            }
            SeriesOf(state, *column.quantity)[i] = column.read == OutputRead::Ponding ? PondValue(r, field)
                                                                                     : r.Convert(field);
        }
        if (d.Pond[i] > 0) d.RicePresent = true;
        r.NextLine();
    }
}

}  // namespace

std::vector<std::string> ShowOutputText(const InputData& data) {
    return ReadTextFileLines(ReplaceExtension(data.FileName, ".out"));
}

void LoadOutputFile(ModelState& state, UserDialogs& dialogs) {
    InputData& d = state.Input;
    d.FileName = ReplaceExtension(d.FileName, ".out");
    std::vector<std::string> lines;
    try {
        lines = ReadTextFileLines(d.FileName);
    } catch (const FileError& error) {
        dialogs.ShowMessage("The file " + d.FileName + "could not be opened. It " +
                            "may be damaged or in use by another program.");
        throw OutputFileUnopened(error.what());
    }
    // The whole file is in memory now and closed, whatever the rest of the reading finds.
    FieldReader reader(d.FileName, std::move(lines));
    state.Output.InvalidOutput = false;
    try {
        OutputHeader header;
        ReadCounts(reader, header);
        ReadDrainageLine(reader, header);
        ReadLeachingLines(reader, header);
        ApplyHeader(header, state);
        AllocateSeries(state);
        state.Output.StorageColumn = ScanHeadings(reader, header.layers);
        ReadRows(reader, state, dialogs);
    } catch (const FileError&) {
        state.Output.InvalidOutput = true;
        throw;
    }
}

}  // namespace vantorel
