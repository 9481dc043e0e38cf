#include "tests/fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>

#include "graphs/GraphChoice.h"
#include "graphs/GraphScaling.h"
#include "graphs/GraphTypes.h"
#include "model/ResultTables.h"

namespace vantorel::fuzz {

namespace {

void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}

// The scaling and mapping the graph page does for one graph, as DrawGraph does before painting.
void ScaleGraph(const ModelState& state, GraphType type) {
    GraphState graph;
    ApplyGraphChoice(state, graph, type);
    GraphScaling scaling(state, graph);
    switch (FamilyOf(type)) {
        case GraphFamily::Hydrology:
            scaling.ScaleHydrologyAxes();
            scaling.MapHydrologySeries();
            break;
        case GraphFamily::WaterTable:
            ChooseWaterTableMode(state, graph);
            scaling.ScaleWaterTableAxes();
            scaling.MapWaterTableSeries();
            scaling.LevelZeroRow();
            break;
        case GraphFamily::Salinity:
            scaling.ScaleSalinityAxes();
            if (graph.Selection.AllZones) scaling.RaiseSalinityTopForAllZones();
            scaling.MapSalinitySeries();
            break;
    }
}

}  // namespace

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("vantorel fuzz: cannot create a scratch folder");
            std::abort();
        }
        return pattern;
    }();
    static const bool registered = std::atexit(RemoveScratchFolder) == 0;
    (void)registered;
    return folder;
}

std::string ScratchFile(const std::string& name) { return ScratchFolder() + "/" + name; }

void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
}

void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) Finding("cannot read " + path);
    return text.str();
}

void Finding(const std::string& what) {
    std::fprintf(stderr, "vantorel fuzz finding: %s\n", what.c_str());
    std::abort();
}

void ExpectNamesFile(const FileError& error, const std::string& path) {
    if (std::string(error.what()).find(path) == std::string::npos) {
        Finding(std::string("an error that does not name the file: ") + error.what());
    }
}

void ExpectUsableDataSet(const InputData& d) {
    if (d.NrTimeSteps < 0) Finding("a negative number of time steps");
    const size_t size = static_cast<size_t>(d.NrTimeSteps) + 1;
    const StepSeries* const series[] = {&d.Rain,   &d.Irrig,  &d.ETp,    &d.Sdr,    &d.SdrGiven, &d.DwtMeas,
                                        &d.DrainMeas, &d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas};
    for (const StepSeries* s : series) {
        if (s->size() != size) {
            Finding("a series of " + std::to_string(s->size()) + " elements for " + std::to_string(d.NrTimeSteps) +
                    " time steps");
        }
    }
    if (d.Is1Layer + d.Is2Layer + d.Is3Layer != 1 || d.NrLayers != 1 + d.Is2Layer + 2 * d.Is3Layer) {
        Finding("layer flags that disagree with the layer count " + std::to_string(d.NrLayers));
    }
}

void ExpectReadBackSeries(const ModelState& state) {
    const InputData& d = state.Input;
    const RunValues& r = state.Run;
    if (r.Perc.empty()) return;
    const size_t size = static_cast<size_t>(d.NrTimeSteps) + 1;
    const StepSeries* const series[] = {&r.Perc, &r.Cap, &r.EvapT, &r.Drain, &r.Dwt, &r.S1,   &r.S2,      &r.S3,
                                        &r.STr,  &r.SAq, &d.Stor,  &d.Pond,  &d.Sdr, &d.SdrGiven, &d.DwtMeas};
    for (const StepSeries* s : series) {
        if (s->size() != size) {
            Finding("a series read back with " + std::to_string(s->size()) + " elements for " +
                    std::to_string(d.NrTimeSteps) + " time steps");
        }
    }
}

void BuildTables(const ModelState& state) {
    for (const ResultTable& table : {BuildSalinityTable(state), BuildHydrologyTable(state), BuildSurfaceTable(state)}) {
        ClipboardText(table);
    }
}

void ScaleGraphs(const ModelState& state) {
    for (const GraphType type : AllGraphTypes) {
        if (GraphApplies(type, state.Input.NrLayers)) ScaleGraph(state, type);
    }
}

}  // namespace vantorel::fuzz
