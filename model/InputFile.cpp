#include "model/InputFile.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFileLayout.h"
#include "model/NumberText.h"
#include "model/StartDateLine.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

constexpr const char* OlderFileMessage =
    "This is an older input file. Please check all the data, there may be some incomplete or incorrect data.";

// ---------------------------------------------------------------------------------------------
// Writing

std::string ValueLineText(const InputData& d, const ValueLine& line) {
    return line.label + FormatFixed(d.*line.field, line.width, line.decimals);
}

std::string MeasuredOrPlaceholder(double value, const SeriesColumn& column) {
    // Values between the marker and 0 occur only in hand-written files; they are kept as numbers.
    if (value <= MissingDepthOrDischarge) return column.placeholder;
    return FormatFixed(value, column.width, column.decimals);
}

std::string SalinityOrPlaceholder(double value, const SeriesColumn& column) {
    if (value == MissingSalinity || value == 0) return column.placeholder;
    return FormatFixed(value, column.width, column.decimals);
}

void WriteSoilSection(const InputData& d, const LayerLayout& layout, std::vector<std::string>& out) {
    out.insert(out.end(), layout.soil_headings.begin(), layout.soil_headings.end());
    std::string thicknesses;
    for (const ValueColumn& column : layout.thicknesses) {
        thicknesses += FormatFixed(d.*column.field, column.width, column.decimals);
    }
    out.push_back(thicknesses);
    out.emplace_back();
    out.insert(out.end(), std::begin(ZoneTableHeadings), std::end(ZoneTableHeadings));
    for (const ZoneRow& zone : layout.zones) {
        std::string line = zone.label;
        for (size_t c = 0; c < 3; ++c) line += FormatFixed(d.*zone.values[c], ZoneColumns[c].width, 0);
        out.push_back(line);
    }
}

void WriteSalinitySection(const InputData& d, const LayerLayout& layout, std::vector<std::string>& out) {
    out.insert(out.end(), layout.salinity_headings.begin(), layout.salinity_headings.end());
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        std::string line = FormatInt(i, StepNumberWidth);
        for (const SeriesColumn& column : layout.salinities) {
            line += SalinityOrPlaceholder((d.*column.field)[i], column);
        }
        out.push_back(line);
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

// Reads the value of a labelled line and goes to the next line.
void ReadValueLine(FieldReader& r, InputData& d, const ValueLine& line) {
    r.Skip(line.read_skip);
    d.*line.field = line.read_span == 0 ? r.ReadNumber() : r.FieldNumber(line.read_span);
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
        r.Skip(MoistureLine.read_skip - MoistureProbe);
        d.MoistInit = r.FieldNumber(MoistureLine.read_span);
        r.NextLine();
        ReadValueLine(r, d, IrrigationEfficiencyLine);
    } else {
        r.Skip(IrrigationEfficiencyLine.read_skip - MoistureProbe);
        d.IrrEff = r.FieldNumber(IrrigationEfficiencyLine.read_span);
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
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
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
    for (const ValueColumn& column : layout.thicknesses) d.*column.field = r.FieldNumber(column.read_span);
    r.NextLine();

    // An older file has no column heading above the zones.
    const size_t headings = std::size(ZoneTableHeadings) - (older_layout ? 1 : 0);
    for (size_t k = 0; k <= headings; ++k) r.NextLine();
    for (const ZoneRow& zone : layout.zones) {
        r.Skip(ZoneLabelSpan);
        for (size_t c = 0; c < 3; ++c) d.*zone.values[c] = r.FieldNumber(ZoneColumns[c].read_span);
        r.NextLine();
    }
}

void ReadSalinityTable(FieldReader& r, InputData& d, SalinityCellTexts* texts) {
    const LayerLayout& layout = LayerLayoutFor(d);
    for (size_t k = 0; k <= layout.salinity_headings.size(); ++k) r.NextLine();
    const std::span<const SeriesColumn> columns = layout.salinities;
    if (texts) texts->assign(static_cast<size_t>(d.NrTimeSteps) + 1, std::vector<std::string>(columns.size()));
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        r.Skip(StepNumberSpan);
        for (size_t c = 0; c < columns.size(); ++c) {
            std::string cleaned = RemoveBlanks(r.Field(columns[c].read_span));
            if (cleaned == "-") cleaned.clear();
            (d.*columns[c].field)[i] = cleaned.empty() ? MissingSalinity : r.Convert(cleaned);
            if (texts) (*texts)[i][c] = std::move(cleaned);
        }
        r.NextLine();
    }
}

}  // namespace

std::vector<std::string> InputFileLines(InputData& d) {
    if (d.NrTimeSteps == 0) d.NrTimeSteps = d.NrTimeStepsSaved;
    d.NrTimeStepsSaved = d.NrTimeSteps;
    CheckAndCompleteSeries(d);

    const LayerLayout& layout = LayerLayoutFor(d);
    std::vector<std::string> out = {
        FirstLine,
        FileNameLabel + d.FileName,
        Title1Label + d.Title1,
        Title2Label + d.Title2,
        GeneralHeading,
        StepCountLabel + FormatInt(d.NrTimeSteps),
        StepLengthLabel + FormatInt(d.Ts),
        LayerCountLabel + FormatInt(d.NrLayers),
        DrainageHeading,
        d.DrainPresent ? DrainsPresentLine : NoDrainsLine,
    };
    for (const ValueLine& line : DrainageLines) out.push_back(d.DrainPresent ? ValueLineText(d, line) : line.absent);
    out.emplace_back(InitialHeading);
    out.push_back(ValueLineText(d, IrrigationSalinityLine));
    out.emplace_back(layout.layer_count_line);
    for (const ValueLine& line : layout.initial_salinities) out.push_back(ValueLineText(d, line));
    for (const ValueLine& line : LowerZoneAndDepthLines) out.push_back(ValueLineText(d, line));
    out.push_back(ValueLineText(d, MoistureLine));
    out.push_back(ValueLineText(d, IrrigationEfficiencyLine));
    for (const ValueLine& line : GroundwaterLines) out.push_back(ValueLineText(d, line));
    out.emplace_back(d.RicePresent ? RiceLine : NoRiceLine);
    for (const ValueLine& line : RiceLines) out.push_back(d.RicePresent ? ValueLineText(d, line) : line.absent);
    out.emplace_back();
    out.insert(out.end(), std::begin(HydrologicalHeadings), std::end(HydrologicalHeadings));
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        std::string row = FormatInt(i, StepNumberWidth);
        for (const SeriesColumn& column : HydrologicalColumns) {
            const double value = (d.*column.field)[i];
            row += column.placeholder ? MeasuredOrPlaceholder(value, column)
                                      : FormatFixed(value, column.width, column.decimals);
        }
        out.push_back(row);
    }
    out.emplace_back();
    WriteSoilSection(d, layout, out);
    out.emplace_back();
    WriteSalinitySection(d, layout, out);
    if (d.StartDate) out.push_back(StartDateLine(*d.StartDate));
    return out;
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
