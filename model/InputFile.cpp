#include "model/InputFile.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/NumberText.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

constexpr const char* OlderFileMessage =
    "This is an older input file. Please check all the data, there may be some incomplete or incorrect data.";
constexpr const char* MissingPlaceholder = "          -    ";

// ---------------------------------------------------------------------------------------------
// Writing

struct SoilRow {
    const char* label;
    double total_porosity, effective_porosity, leaching_efficiency;
};

std::string MeasuredOrPlaceholder(double value, int decimals) {
    // Values between the marker and 0 occur only in hand-written files; they are kept as numbers.
    if (value <= MissingDepthOrDischarge) return MissingPlaceholder;
    return FormatFixed(value, 15, decimals);
}

std::string SalinityOrPlaceholder(double value, int width, const char* placeholder) {
    if (value == MissingSalinity || value == 0) return placeholder;
    return FormatFixed(value, width, 2);
}

void WriteSoilSection(const InputData& d, std::vector<std::string>& out) {
    std::vector<SoilRow> rows;
    if (d.Is1Layer) {
        out.insert(out.end(), {" Soil properties, root zone has 1 layer", "             Thickness (m)",
                               " - - - - - - - - - - - - - - - - - - -", " Root zone   Transition zone   Aquifer",
                               FormatFixed(d.D1, 10, 2) + FormatFixed(d.Dt, 18, 2) + FormatFixed(d.Da, 10, 2)});
        rows.push_back({" Root zone   ", d.TP1, d.EffPor1, d.LE1});
    } else if (d.Is2Layer) {
        out.insert(out.end(), {" Soil properties, root zone has 2 layers", "                   Thickness (m) ",
                               " - - - - - - - - - - - - - - - - - - - - - -", "    Root zone   ",
                               " - - - - - - - -   Transition zone   Aquifer", " Layer1    Layer2",
                               FormatFixed(d.D1, 7, 2) + FormatFixed(d.D2, 10, 2) + FormatFixed(d.Dt, 17, 2) +
                                   FormatFixed(d.Da, 10, 2)});
        rows.push_back({" 1st layer   ", d.TP1, d.EffPor1, d.LE1});
        rows.push_back({" 2nd layer   ", d.TP2, d.EffPor2, d.LE2});
    } else {
        out.insert(out.end(), {" Soil properties, root zone has 3 layers", "                      Thickness (m)",
                               " - - - - - - - - - - - - - - - - - - - - - - - - - - - ", "         Root zone   ",
                               " - - - - - - - - - - - - - -  Transition zone   Aquifer",
                               " Layer1    Layer2    Layer3",
                               FormatFixed(d.D1, 7, 2) + FormatFixed(d.D2, 10, 2) + FormatFixed(d.D3, 10, 2) +
                                   FormatFixed(d.Dt, 17, 2) + FormatFixed(d.Da, 10, 2)});
        rows.push_back({" 1st layer   ", d.TP1, d.EffPor1, d.LE1});
        rows.push_back({" 2nd layer   ", d.TP2, d.EffPor2, d.LE2});
        rows.push_back({" 3rd layer   ", d.TP3, d.EffPor3, d.LE3});
    }
    rows.push_back({" Trans. zone ", d.TPt, d.EffPort, d.LEt});
    rows.push_back({" Aquifer     ", d.TPa, d.EffPora, d.LEa});
    out.emplace_back();
    out.emplace_back(" Other soil properties in %");
    out.emplace_back("              Total porosity  Effective porosity  Leaching efficiency");
    for (const SoilRow& row : rows) {
        out.push_back(row.label + FormatFixed(row.total_porosity, 15, 0) + FormatFixed(row.effective_porosity, 20, 0) +
                      FormatFixed(row.leaching_efficiency, 21, 0));
    }
}

void WriteSalinitySection(const InputData& d, std::vector<std::string>& out) {
    const int32_t n = d.NrTimeSteps;
    if (d.Is1Layer) {
        out.emplace_back(" Measured soil moisture salinity data ECsm in dS/m, root zone has 1 layer");
        out.emplace_back(" Time step   Root zone   Transition zone   Aquifer");
        for (int32_t i = 1; i <= n; ++i) {
            out.push_back(FormatInt(i, 10) + SalinityOrPlaceholder(d.S1meas[i], 12, "         -") +
                          SalinityOrPlaceholder(d.STmeas[i], 12, "           -") +
                          SalinityOrPlaceholder(d.SAmeas[i], 12, "          -"));
        }
    } else if (d.Is2Layer) {
        out.insert(out.end(), {" Measured soil moisture salinity data ECsm in dS/m, root zone has 2 layers",
                               "              Root zone   ", " Time Step  - - - - - - - -   Transition zone   Aquifer",
                               "            Layer1   Layer2", " - - - - - - - - - - - - - -"});
        for (int32_t i = 1; i <= n; ++i) {
            out.push_back(FormatInt(i, 10) + SalinityOrPlaceholder(d.S1meas[i], 8, "       -") +
                          SalinityOrPlaceholder(d.S2meas[i], 9, "       -") +
                          SalinityOrPlaceholder(d.STmeas[i], 18, "           -") +
                          SalinityOrPlaceholder(d.SAmeas[i], 12, "           -"));
        }
    } else {
        out.insert(out.end(), {" Measured soil moisture salinity data ECsm in dS/m, root zone has 3 layers",
                               "                   Root zone   ",
                               " Time Step  - - - - - - - - - - -   Transition zone   Aquifer",
                               "            Layer1  Layer2  Layer3", " - - - - - - - - - - - - - - - - -"});
        for (int32_t i = 1; i <= n; ++i) {
            out.push_back(FormatInt(i, 10) + SalinityOrPlaceholder(d.S1meas[i], 8, "       -") +
                          SalinityOrPlaceholder(d.S2meas[i], 8, "       -") +
                          SalinityOrPlaceholder(d.S3meas[i], 8, "       -") +
                          SalinityOrPlaceholder(d.STmeas[i], 12, "           -") +
                          SalinityOrPlaceholder(d.SAmeas[i], 12, "          -"));
        }
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

void ReadHeader(FieldReader& r, InputData& d, bool& older_layout) {
    r.NextLine();
    r.NextLine();
    r.Skip(28);
    d.Title1 = r.Field(std::string::npos);
    r.NextLine();
    r.Skip(28);
    d.Title2 = r.Field(std::string::npos);
    r.NextLine();
    r.NextLine();

    r.Skip(28);
    // A time step needs a row of its own in the file, so the file's length bounds the count.
    const int32_t steps = ReadCount(r, "number of time steps", 1, static_cast<int32_t>(std::min<size_t>(
                                                                         r.LinesLeft(), INT32_MAX - 1)));
    r.NextLine();
    r.Skip(28);
    const int32_t step_length = ReadCount(r, "step length", 1, LongestTimeStep);
    r.NextLine();
    r.Skip(28);
    const int32_t layers = ReadCount(r, "number of root zone layers", 1, 3);
    r.NextLine();
    d.NrTimeSteps = steps;
    d.NrTimeStepsSaved = steps;
    d.Ts = step_length;
    // The flags follow the count at once (line 16 sets both again), so that a load that fails in
    // between leaves them agreeing.
    SetLayerCount(d, layers);
    d.LayerIndex = layers - 1;
    ResizeLoadedSeries(d);
    r.NextLine();

    r.Skip(28);
    d.DrainPresent = r.Field(4) == "yes";
    r.NextLine();
    if (d.DrainPresent) {
        for (double* value : {&d.Dd, &d.QH1, &d.QH2}) {
            r.Skip(28);
            *value = r.FieldNumber(10);
            r.NextLine();
        }
    } else {
        r.NextLine();
        r.NextLine();
        r.NextLine();
    }

    older_layout = r.Field(20) == "    Initial data";
    r.NextLine();
    r.Skip(38);
    d.Si = r.FieldNumber(10);
    r.NextLine();
    r.Skip(38);
    SetLayerCount(d, ReadCount(r, "number of layers in the root zone", 1, 3));
    r.NextLine();
    r.Skip(38);
    d.S1init = r.FieldNumber(10);
    r.NextLine();
    if (older_layout) {
        d.S2init = d.S1init;
        d.S3init = d.S1init;
    } else {
        if (d.Is2Layer || d.Is3Layer) {
            r.Skip(38);
            d.S2init = r.FieldNumber(10);
            r.NextLine();
        }
        if (d.Is3Layer) {
            r.Skip(38);
            d.S3init = r.FieldNumber(10);
            r.NextLine();
        }
    }
    for (double* value : {&d.STinit, &d.SAinit, &d.DwtInit, &d.Dc}) {
        r.Skip(38);
        *value = r.FieldNumber(10);
        r.NextLine();
    }

    if (r.Field(18) == " Initial soil mois") {
        r.Skip(20);
        d.MoistInit = r.FieldNumber(10);
        r.NextLine();
        r.Skip(38);
        d.IrrEff = r.FieldNumber(10);
    } else {
        r.Skip(20);
        d.IrrEff = r.FieldNumber(10);
        d.MoistInit = 50;
    }
    r.NextLine();
    for (double* value : {&d.Inf, &d.Out, &d.Sinf}) {
        r.Skip(38);
        *value = r.FieldNumber(10);
        r.NextLine();
    }

    // The rice line came with the ponding model; a file without it describes a field without rice.
    const bool rice_line = r.Field(4) == " Is ";
    if (rice_line) {
        r.Skip(34);
        d.RicePresent = r.Field(8) != "     No";
        r.NextLine();
        if (d.RicePresent) {
            r.Skip(38);
            d.InfCap = r.ReadNumber();
            r.NextLine();
            r.Skip(38);
            d.RiceTransp = r.ReadNumber();
            r.NextLine();
        }
    } else {
        d.RicePresent = false;
    }

    // Up to the hydrological heading; without a rice line the scan starts in the line just probed.
    for (;;) {
        if (r.AtEnd()) r.Fail("the file ends before the hydrological data");
        const bool heading = r.Field(8) == " Time St";
        r.NextLine();
        if (heading) break;
    }
    r.NextLine();
}

void ReadHydrologicalTable(FieldReader& r, InputData& d, UserDialogs& dialogs) {
    d.OlderFile = false;
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        r.Skip(10);
        d.Rain[i] = r.FieldNumber(15);
        d.Irrig[i] = r.FieldNumber(15);
        d.ETp[i] = r.FieldNumber(15);
        d.Sdr[i] = r.FieldNumber(15);
        d.SdrGiven[i] = d.Sdr[i];
        d.DrainMeas[i] = MeasuredValue(r, r.Field(15), MissingDepthOrDischarge);
        const std::string depth = r.Field(15);
        if (RemoveBlanks(depth).empty()) d.OlderFile = true;
        d.DwtMeas[i] = MeasuredValue(r, depth, MissingDepthOrDischarge);
        r.NextLine();
    }
    if (d.OlderFile) dialogs.ShowMessage(OlderFileMessage);
    d.NrMeasDwt = 0;
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        if (d.DwtMeas[i] > MissingDepthOrDischarge) ++d.NrMeasDwt;
    }
}

void ReadSoilProperties(FieldReader& r, InputData& d, bool older_layout) {
    const bool layered = d.Is2Layer || d.Is3Layer;
    for (int k = 0; k < (layered ? 7 : 5); ++k) r.NextLine();
    if (d.Is1Layer) {
        d.D1 = r.FieldNumber(10);
        d.Dt = r.FieldNumber(18);
        d.Da = r.FieldNumber(10);
    } else if (d.Is2Layer) {
        d.D1 = r.FieldNumber(10);
        d.D2 = r.FieldNumber(10);
        d.Dt = r.FieldNumber(18);
        d.Da = r.FieldNumber(8);
    } else {
        d.D1 = r.FieldNumber(10);
        d.D2 = r.FieldNumber(10);
        d.D3 = r.FieldNumber(10);
        d.Dt = r.FieldNumber(14);
        d.Da = r.FieldNumber(14);
    }
    r.NextLine();

    for (int k = 0; k < (older_layout ? 2 : 3); ++k) r.NextLine();
    std::vector<std::array<double*, 3>> zones;
    zones.push_back({&d.TP1, &d.EffPor1, &d.LE1});
    if (layered) zones.push_back({&d.TP2, &d.EffPor2, &d.LE2});
    if (d.Is3Layer) zones.push_back({&d.TP3, &d.EffPor3, &d.LE3});
    zones.push_back({&d.TPt, &d.EffPort, &d.LEt});
    zones.push_back({&d.TPa, &d.EffPora, &d.LEa});
    for (const auto& zone : zones) {
        r.Skip(18);
        for (double* value : zone) *value = r.FieldNumber(18);
        r.NextLine();
    }
}

void ReadSalinityTable(FieldReader& r, InputData& d, SalinityCellTexts* texts) {
    const bool layered = d.Is2Layer || d.Is3Layer;
    for (int k = 0; k < (layered ? 6 : 3); ++k) r.NextLine();

    std::vector<size_t> widths;
    std::vector<StepSeries*> columns;
    if (d.Is1Layer) {
        widths = {12, 14, 10};
        columns = {&d.S1meas, &d.STmeas, &d.SAmeas};
    } else if (d.Is2Layer) {
        widths = {8, 9, 18, 12};
        columns = {&d.S1meas, &d.S2meas, &d.STmeas, &d.SAmeas};
    } else {
        widths = {8, 8, 8, 18, 10};
        columns = {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas};
    }
    if (texts) texts->assign(static_cast<size_t>(d.NrTimeSteps) + 1, std::vector<std::string>(columns.size()));
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        r.Skip(10);
        for (size_t c = 0; c < columns.size(); ++c) {
            std::string cleaned = RemoveBlanks(r.Field(widths[c]));
            if (cleaned == "-") cleaned.clear();
            (*columns[c])[i] = cleaned.empty() ? MissingSalinity : r.Convert(cleaned);
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

    std::vector<std::string> out;
    out.emplace_back(" PROGRAM Vantorel INPUT DATA");
    out.push_back(" Name of this file        : " + d.FileName);
    out.push_back(" First title              : " + d.Title1);
    out.push_back(" Second title             : " + d.Title2);
    out.emplace_back("    General data");
    out.push_back(" Nunber of time steps     : " + FormatInt(d.NrTimeSteps));
    out.push_back(" Step length (days)       : " + FormatInt(d.Ts));
    out.push_back(" Nr of root zone layers   : " + FormatInt(d.NrLayers));
    out.emplace_back("    Drainage data");
    if (d.DrainPresent) {
        out.emplace_back(" Drainage system present  : yes");
        out.push_back(" Depth subsurf. drains(m) : " + FormatFixed(d.Dd, 7, 2));
        out.push_back(" Drain. react. fact. QH1  : " + FormatFixed(d.QH1, 8, 4));
        out.push_back(" Drain. react. fact. QH2  : " + FormatFixed(d.QH2, 8, 4));
    } else {
        out.emplace_back(" Drainage system present  : no");
        out.emplace_back(" Depth subsurf. drains(m)  : n.a.");
        out.emplace_back(" Drain. react. fact. QH1  : n.a.");
        out.emplace_back(" Drain. react. fact. QH2  : n.a.");
    }
    out.emplace_back("    Initial data soil and water");
    out.push_back(" Salt conc. irr. water (dS/m)       : " + FormatFixed(d.Si, 8, 1));
    if (d.Is1Layer) {
        out.emplace_back(" Number of layers in root zone       :     1");
        out.push_back(" Init. salt conc. root zone (dS/m)   : " + FormatFixed(d.S1init, 8, 1));
    } else {
        out.emplace_back(d.Is2Layer ? " Number of layers in root zone       :     2"
                                    : " Number of layers in root zone       :     3");
        out.push_back(" Init. salt conc. 1st layer (dS/m)   :" + FormatFixed(d.S1init, 8, 1));
        out.push_back(" Init. salt conc. 2nd layer (dS/m)   :" + FormatFixed(d.S2init, 8, 1));
        if (d.Is3Layer) out.push_back(" Init. salt conc. 3rd layer (dS/m)   :" + FormatFixed(d.S3init, 8, 1));
    }
    out.push_back(" Init. salt conc. trans. zone (dS/m) : " + FormatFixed(d.STinit, 7, 1));
    out.push_back(" Init. salt conc. aquifer (dS/m)     : " + FormatFixed(d.SAinit, 7, 1));
    out.push_back(" Initial depth water table (m)       : " + FormatFixed(d.DwtInit, 7, 2));
    out.push_back(" Critical depth water table (m)      : " + FormatFixed(d.Dc, 7, 2));
    out.push_back(" Initial soil moisture content (%)   : " + FormatFixed(d.MoistInit, 7, 2));
    out.push_back(" Irrigation efficiency (%)           : " + FormatFixed(d.IrrEff, 7, 1));
    out.push_back(" Inflow of groundwater (mm/day)      : " + FormatFixed(d.Inf, 7, 1));
    out.push_back(" Outflow of groundwater (mm/day)     : " + FormatFixed(d.Out, 7, 1));
    out.push_back(" Salinity groundwater inflow (dS/m)  : " + FormatFixed(d.Sinf, 7, 1));
    if (d.RicePresent) {
        out.emplace_back(" Is rice used under waterlogging?    :     Yes");
        out.push_back(" Infiltration capacity (mm/day)      : " + FormatFixed(d.InfCap, 7, 1));
        out.push_back(" Rice transpiration (% of Evapor.)   : " + FormatFixed(d.RiceTransp, 7, 1));
    } else {
        out.emplace_back(" Is rice used under waterlogging?    :     No");
        out.emplace_back(" Infiltration capacity (mm/day)      :     n.a.");
        out.emplace_back(" Rice transpiration (% of Evapor.)   :     n.a.");
    }
    out.emplace_back();
    out.emplace_back(" Hydrological data");
    out.emplace_back(
        " Time Step     Rainfall      Irrigation      Evaporation    Surf.Drainage   SubSurf.Drainage Depth WT");
    out.emplace_back(
        "             mm/time step   mm/time step     mm/time step    mm/time step   mm/time step        m");
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        out.push_back(FormatInt(i, 10) + FormatFixed(d.Rain[i], 13, 2) + FormatFixed(d.Irrig[i], 16, 2) +
                      FormatFixed(d.ETp[i], 15, 2) + FormatFixed(d.Sdr[i], 15, 2) +
                      MeasuredOrPlaceholder(d.DrainMeas[i], 2) + MeasuredOrPlaceholder(d.DwtMeas[i], 3));
    }
    out.emplace_back();
    WriteSoilSection(d, out);
    out.emplace_back();
    WriteSalinitySection(d, out);
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
}

}  // namespace vantorel
