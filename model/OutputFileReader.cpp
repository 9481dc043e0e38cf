#include "model/OutputFileReader.h"

#include "model/FileNames.h"
#include "model/NumberText.h"
#include "model/OutputFileLayout.h"
#include "model/WrittenColumns.h"

namespace vantorel {

namespace {

constexpr const char* InvalidOutputMessage =
    "This is an invalid output file. Use the input file to do the calculations. Program halts.";

// Quantities are the same when they fill the same series: the salinity of a one-layer root zone
// is that of layer 1.
bool SameSeries(const OutputQuantity& a, const OutputQuantity& b) { return a.run == b.run && a.input == b.input; }

void ReadCounts(FieldReader& r, OutputFileResults& h) {
    for (int k = 0; k < 5; ++k) r.NextLine();
    h.NrLayers = r.ReadInteger();
    if (h.NrLayers < 1 || h.NrLayers > 3) {
        r.Fail("the number of root zone layers " + std::to_string(h.NrLayers) + " is not between 1 and 3");
    }
    h.NrTimeSteps = r.ReadInteger();
    // Every step has a row of its own, so the length of the file bounds the count.
    const size_t lines_left = r.LinesLeft();
    if (h.NrTimeSteps < 1 || static_cast<size_t>(h.NrTimeSteps) > lines_left) {
        r.Fail("the number of time steps " + std::to_string(h.NrTimeSteps) + " is not between 1 and " +
               std::to_string(lines_left) + ", the number of lines that follow");
    }
    r.NextLine();
}

void ReadDrainageLine(FieldReader& r, OutputFileResults& h) {
    // A header without a drainage-factor line reports no optimized factors.
    if (r.Peek(4) != " Dra") return;
    r.Skip(4);
    r.Skip(17);
    const std::string probe = r.Field(4);
    h.DrainOptWanted = probe == "opti" || probe == "imiz" || probe == "bala";
    if (!h.DrainOptWanted) {
        if (probe != "(giv") r.Fail("the drainage-factor line is not recognised");
        r.NextLine();  // the given factors are those of the input file
        return;
    }
    if (r.Field(12) == "ed    :    Q") r.Skip(4);
    h.QH1Used = r.ReadNumber();
    r.Skip(12);
    const std::string kind = r.Field(4);
    h.QHOptDwt = kind == "tabl";
    h.QHOptBalance = kind == "bala";
    h.QHOptDrain = kind == "disc";
    if (h.QHOptDrain) r.Skip(2);
    // After "tabl" the text before QH2 is one character shorter than after the other two; a skip
    // of 12 would take the first character of a factor that fills its field.
    r.Skip(h.QHOptDwt ? 11 : 12);
    h.QH2Used = r.ReadNumber();
    if (h.QHOptDrain) {
        r.Skip(17);
        h.FitDrain = r.ReadNumber();
    } else if (h.QHOptDwt) {
        r.Skip(17);
        h.FitDwt = r.ReadNumber();
    }
    r.NextLine();
}

OutputZoneLine ReadZoneLine(FieldReader& r) {
    OutputZoneLine zone;
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

void ReadLeachingLines(FieldReader& r, OutputFileResults& h) {
    for (const LeachingLine& line : LeachingLines) {
        if (h.NrLayers < line.least_layers) continue;
        const bool present = !line.left_out_at_zero || r.Peek(LeachingLabelLength) == line.label;
        h.Zones[line.zone] = present ? ReadZoneLine(r) : OutputZoneLine{};
    }
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

void AllocateSeries(OutputFileResults& results) {
    const size_t size = static_cast<size_t>(results.NrTimeSteps) + 1;
    for (const OutputColumn& column : OutputRowLayoutFor(results.NrLayers).columns) {
        if (column.read == OutputRead::Storage && !results.StorageColumn) continue;
        results.SeriesToFill(*column.quantity).assign(size, 0.0);
    }
}

// The columns of a row as the writer writes them: the step number first.
std::vector<WrittenColumn> WrittenRow(std::span<const OutputColumn> columns) {
    std::vector<WrittenColumn> written = {{OutputStepWidth, 0}};
    for (const OutputColumn& column : columns) written.push_back({column.width, column.decimals});
    return written;
}

void ReadRows(FieldReader& r, OutputFileResults& results, UserDialogs& dialogs) {
    const std::span<const OutputColumn> columns = OutputRowLayoutFor(results.NrLayers).columns;
    const std::vector<WrittenColumn> written = WrittenRow(columns);
    for (int32_t i = 1; i <= results.NrTimeSteps; ++i) {
        // A row of this program's writer reads back as written, also where a value widened its
        // column; other rows (an older file's among them) are read by character positions.
        const auto cells = results.StorageColumn ? ReadWrittenColumns(r.WholeLine(), 0, written) : std::nullopt;
        if (cells) {
            for (size_t c = 0; c < columns.size(); ++c) {
                results.SeriesToFill(*columns[c].quantity)[i] = r.Convert((*cells)[c + 1]);
            }
            results.SurfaceDrainageRows = i;
            if (results.Series(PondedWater)[i] > 0) results.RicePresent = true;
            r.NextLine();
            continue;
        }
        r.Skip(OutputStepSpan);
        double pond = 0;
        for (const OutputColumn& column : columns) {
            if (column.read == OutputRead::Storage && !results.StorageColumn) continue;
            const std::string field = r.Field(column.read_span);
            if (column.read == OutputRead::SurfaceDrainage && !results.StorageColumn &&
                RemoveBlanks(field).empty()) {
                dialogs.ShowMessage(InvalidOutputMessage);
                results.Invalid = true;
                return;
            }
            const double value = column.read == OutputRead::Ponding ? PondValue(r, field) : r.Convert(field);
            results.SeriesToFill(*column.quantity)[i] = value;
            if (column.read == OutputRead::SurfaceDrainage) results.SurfaceDrainageRows = i;
            if (column.read == OutputRead::Ponding) pond = value;
        }
        if (pond > 0) results.RicePresent = true;
        r.NextLine();
    }
}

void PutHeader(const OutputFileResults& h, ModelState& state) {
    RunValues& run = state.Run;
    SetLayerCount(state.Input, h.NrLayers);
    state.Input.NrTimeSteps = h.NrTimeSteps;
    run.DrainOptWanted = h.DrainOptWanted;
    run.QHOptBalance = h.QHOptBalance;
    run.QHOptDwt = h.QHOptDwt;
    run.QHOptDrain = h.QHOptDrain;
    if (h.QH1Used) run.QH1Used = *h.QH1Used;
    if (h.QH2Used) run.QH2Used = *h.QH2Used;
    if (h.FitDwt) run.FitDwt = *h.FitDwt;
    if (h.FitDrain) run.FitDrain = *h.FitDrain;
    for (const LeachingLine& line : LeachingLines) {
        const std::optional<OutputZoneLine>& zone = h.Zones[line.zone];
        if (!zone) continue;
        state.Output.*line.printed = zone->efficiency;
        state.Output.LEOptimizedOut[line.zone] = zone->optimized;
        if (zone->fit) run.*line.fit = *zone->fit;
    }
}

}  // namespace

std::vector<std::string> ShowOutputText(const InputData& data) {
    return ReadTextFileLines(ReplaceExtension(data.FileName, ".out"));
}

const StepSeries& OutputFileResults::Series(const OutputQuantity& quantity) const {
    static const StepSeries none;
    for (const auto& [own, series] : series_) {
        if (SameSeries(*own, quantity)) return series;
    }
    return none;
}

StepSeries& OutputFileResults::SeriesToFill(const OutputQuantity& quantity) {
    for (auto& [own, series] : series_) {
        if (SameSeries(*own, quantity)) return series;
    }
    return series_.emplace_back(&quantity, StepSeries{}).second;
}

OutputFileResults ReadOutputFile(const std::string& path, UserDialogs& dialogs) {
    std::vector<std::string> lines;
    try {
        lines = ReadTextFileLines(path);
    } catch (const FileError& error) {
        dialogs.ShowMessage("The file " + path + "could not be opened. It " +
                            "may be damaged or in use by another program.");
        throw OutputFileUnopened(error.what());
    }
    // The whole file is in memory now and closed, whatever the rest of the reading finds.
    FieldReader reader(path, std::move(lines));
    OutputFileResults results;
    ReadCounts(reader, results);
    ReadDrainageLine(reader, results);
    ReadLeachingLines(reader, results);
    results.StorageColumn = ScanHeadings(reader, results.NrLayers);
    AllocateSeries(results);
    ReadRows(reader, results, dialogs);
    return results;
}

void PutOutputFileResults(const OutputFileResults& results, ModelState& state) {
    PutHeader(results, state);
    InputData& d = state.Input;
    const size_t size = static_cast<size_t>(results.NrTimeSteps) + 1;
    for (const OutputColumn& column : OutputRowLayoutFor(results.NrLayers).columns) {
        const OutputQuantity& quantity = *column.quantity;
        if (column.read == OutputRead::SurfaceDrainage) continue;
        const StepSeries& read = results.Series(quantity);
        SeriesOf(state, quantity) = read.empty() ? StepSeries(size, 0.0) : read;
    }
    // Layers the root zone does not have hold zeros, as after a run.
    for (const OutputQuantity& zone : ZoneSalinities) {
        if (results.Series(zone).empty()) SeriesOf(state, zone).assign(size, 0.0);
    }
    // The actual surface drainage replaces the given one only in the rows read.
    d.Sdr.resize(size);
    const StepSeries& sdr = results.Series(SurfaceDrainage);
    for (int32_t i = 1; i <= results.SurfaceDrainageRows; ++i) d.Sdr[static_cast<size_t>(i)] = sdr[static_cast<size_t>(i)];
    d.SdrGiven.resize(size);
    d.DwtMeas.resize(size, MissingDepthOrDischarge);
    d.RicePresent = results.RicePresent;
    state.Output.StorageColumn = results.StorageColumn;
    state.Output.InvalidOutput = results.Invalid;
}

void LoadOutputFile(ModelState& state, UserDialogs& dialogs) {
    state.Input.FileName = ReplaceExtension(state.Input.FileName, ".out");
    OutputFileResults results;
    try {
        results = ReadOutputFile(state.Input.FileName, dialogs);
    } catch (const OutputFileUnopened&) {
        throw;
    } catch (const FileError&) {
        state.Output.InvalidOutput = true;
        throw;
    }
    PutOutputFileResults(results, state);
}

}  // namespace vantorel
