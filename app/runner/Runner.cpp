#include "app/runner/Runner.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/runner/CalibrationExport.h"
#include "app/runner/CommandLine.h"
#include "app/runner/ConsoleDialogs.h"
#include "app/runner/DataSummary.h"
#include "app/runner/DrainDesign.h"
#include "app/runner/GraphExport.h"
#include "app/runner/ImportCommand.h"
#include "app/runner/ManyRuns.h"
#include "app/runner/PictureCommand.h"
#include "app/runner/Pictures.h"
#include "app/runner/QuestionAnswers.h"
#include "app/runner/StopSignals.h"
#include "app/runner/StudyCommand.h"
#include "app/runner/TableExport.h"
#include "app/runner/UncertaintyExport.h"
#include "engine/CpuCount.h"
#include "engine/FileRun.h"
#include "engine/RunSummary.h"
#include "model/DerivedValues.h"
#include "model/EditorRules.h"
#include "model/FileIdentity.h"
#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/ModelState.h"
#include "model/RunFiles.h"
#include "model/ProgramVersion.h"
#include "model/TextFile.h"

namespace vantorel {

const std::vector<OptionDefinition>& RunnerOptions() {
    static const std::vector<OptionDefinition> options = {
        {"help", false, false, 'h'},     {"check", false, false},        {"resave", true, false},
        {"output", true, false},         {"drainage-opt", true, false},  {"fit-choice", true, false},
        {"leaching-opt", true, false},   {"yes", false, false},          {"tables", true, false},
        {"no-run", false, false},        {"graphs", true, false},        {"graph-format", true, false},
        {"drain-factors", false, false}, {"drain-spacing", false, false},
        {"ka", true, false},             {"kb", true, false},            {"depth-below", true, false},
        {"perimeter", true, false},      {"porosity", true, false},      {"spacing", true, true},
        {"discharge", true, false},      {"head", true, false},
        {"statistics", true, false},     {"objective-map", true, false}, {"near-optimal", true, false},
        {"picture", true, false},
        {"uncertainty", true, false},
        {"version", false, false, 'V'},
    };
    static const std::vector<OptionDefinition> all = [] {
        std::vector<OptionDefinition> joined = options;
        for (const auto* more : {&ManyRunOptions, &StudyOptions, &ImportOptions}) joined.insert(joined.end(), more->begin(), more->end());
        return joined;
    }();
    return all;
}

namespace {

constexpr const char* HelpText = R"(Usage: vantorel-run [OPTIONS] FILE.inp

Runs the calculation of a Vantorel input file (water table and soil salinity of an irrigated field)
as the window's "Save all - Run" would, and writes the output file FILE.out next to it.

Options (a valued option is written --name=value or --name value):
  --output PATH        write the output file to PATH instead of FILE.out
  --drainage-opt yes|no
                       answer to the question whether to optimize the drainage factors (default no)
  --fit-choice yes|no  answer to the question that proposes the water-table or the discharge
                       optimum (default yes: take the proposed one)
  --leaching-opt yes|no
                       answer to the question whether to optimize the leaching efficiencies
                       (default no)
  --yes                answer yes to every question (the three options above win over it)
  --check              only load FILE.inp and print a summary of its data set
  --resave OUT         only load FILE.inp and save it again under the name OUT
  --tables DIR         after the run, read the output file back and write its salinity, hydrology
                       and surface-drainage tables to DIR/salinity.csv, DIR/hydrology.csv and
                       DIR/surface.csv (DIR is created when missing)
  --graphs DIR         after the run, draw every graph that applies to the layer count (seven for
                       one layer, eight for two, nine for three) into DIR, one file per graph
                       (hydrology-all.bmp, water-table.bmp, salinity-layer-2.bmp, ...)
  --graph-format bmp|png
                       the picture format of --graphs (default bmp)
  --no-run             with --tables or --graphs: do not calculate, use the existing output file
                       (FILE.out, or the --output path) and FILE.inp
  --statistics FILE.csv
                       after the run, write the fit statistics of every observed series (n, means,
                       RMSE, MAE, PBIAS, NSE, KGE, R squared) to FILE.csv
  --objective-map DIR  after the run, write the drainage-factor search's objectives for all 10000
                       pairs to DIR/objective-map.csv with a heat map per objective that has
                       measurements, and the leaching searches' curves when they ran
  --near-optimal P     the near-optimal region of --objective-map: the pairs within P per cent of
                       the best value (0 < P <= 100, default 5)
  --uncertainty DIR    after a run whose drainage factors were fitted to the measured water table
                       or drain discharge, write their posterior over the 10000 pairs, their
                       intervals and prediction bands of the results to DIR/posterior.csv,
                       DIR/intervals.csv and DIR/bands.csv with pictures, and print a summary
                       (exit status 2 when the run's factors are no fit to measurements)
  --picture IN OUT.png
                       convert a picture the Graphs page opens (bitmap, icon, PNG, JPEG, Windows
                       metafile .wmf or .emf) into the PNG file OUT.png; no input file is needed
  -h, --help           show this text
  -V, --version        print the program's version

Many files in one call: vantorel-run [answers] [--jobs N] [--manifest FILE.csv] [--skip-done]
                        [--shard K/N] A.inp B.inp ...
  each file runs as a single-file call would and writes its own .out; the questions and messages
  of each run are printed as one block headed by its file name, in the order the files were given
  --jobs N             run N files at once (default: the CPUs this process may use, at most
                       VANTOREL_THREADS); results do not depend on N
  --manifest FILE.csv  write one row per file: input, output, status, exit code, seconds, message,
                       SHA-256 of the input file and program version; a row is added as each
                       file finishes
  --skip-done          do not run a file whose output exists and is not older than the input file
  --shard K/N          only the files at positions K, K+N, K+2N, ... (for N machines or array jobs)

Scenario study: vantorel-run --scenarios STUDY.csv --study-dir DIR [answers] [--jobs N]
                        [--samples N [--seed S]] BASE.inp
  runs every scenario (a row of STUDY.csv: name and changes to fields of BASE.inp) from its own
  input file DIR/NAME.inp, writes DIR/NAME.out, DIR/summary.csv and overlay pictures DIR/*.png
  --samples N          a row with sampled cells (~uniform(a,b), ~normal(m,s), ~lognormal(m,s),
                       ~triangular(a,c,b)) runs as N scenarios NAME-0001 ..; writes DIR/bands.csv
                       (5, 50 and 95 % per step) and DIR/sensitivity.csv (rank correlations of the
                       sampled fields with the summary's values), with pictures of the bands
  --seed S             the seed of the draws (a whole number, default 1); the same seed gives the
                       same files

Import of dated series: vantorel-run --import DATA.csv [--import MORE.csv ...] --start YYYY-MM-DD
                        [--step day|week|month|year] [--steps N] [--latitude DEG] [--elevation M]
                        [--wind-height M] [--crop-factor KC] --resave NEW.inp BASE.inp
  saves NEW.inp: the soils, drains, layers and initial conditions of BASE.inp with every time-step
  series from the daily rows of the CSV files (date, rain, irrigation, evaporation, readings,
  weather, ...), added up or averaged into the steps from the start; prints what was taken, or
  every problem found (nothing is written then)
  --import DATA.csv    a file of dated series; several files join by date
  --start YYYY-MM-DD   the first day of the first step (the first of a month for month or year steps)
  --step day|week|month|year
                       the length of a step (default: that of BASE.inp)
  --steps N            fewer steps than the data cover
  --latitude DEG       latitude of the field in degrees, south negative, for the evaporation from
                       the weather
  --elevation M        elevation of the field above sea level, m (Penman-Monteith)
  --wind-height M      height above the ground of the wind measurements, m (default 2)
  --crop-factor KC     crop factor on the reference evapotranspiration for the days without a
                       crop_factor value (default 1)

Drain design, without an input file (numbers with a decimal point):
  --drain-factors --ka=KA --kb=KB --depth-below=D --perimeter=U --porosity=P --spacing=L
                   print the equivalent depth d (m) and the drainage factors QH1 and QH2 of
                   Hooghoudt's equation; several --spacing options print one line each
  --drain-spacing --ka=KA --kb=KB --depth-below=D --perimeter=U --discharge=Q --head=H [--porosity=P]
                   find the drain spacing L that carries the design discharge Q (mm/day) at the
                   head H (m) midway between the drains; with --porosity also QH1 and QH2
  Ka, Kb: hydraulic conductivity above and below drain level (m/day); D: depth of the soil layer
  below drain level (m); U: wet perimeter of the drain or ditch (m); P: drainable porosity of the
  top soil (per cent, greater than 1 and less than 30).

Messages of the calculation are printed as "! TEXT", its questions as "? TEXT -> yes" or "-> no".

Exit status: 0 when the run completed (or the file was checked or saved), 1 when the run stopped or
was refused or a file (an output file, a table or a picture) could not be written, 2 when the input
or the output file cannot be read or the options are wrong. With many files the highest status of
the files; a study exits with 1 when a scenario stopped or was refused, with 2 when the study or the
base file cannot be read.
A drain design exits with 2 for a refused value and with 1 when no spacing meets the design.
An import exits with 2 when a series file or the base file is refused.
SIGINT and SIGTERM end the running calculations without output files and start nothing new; the
manifest and a study's summary list the rest as interrupted; the shell then reports 130 or 143.
)";

// Loads the file and computes what a save derives, as the window has it right after a save.
bool LoadForRun(ModelState& state, const std::string& path, UserDialogs& dialogs, std::ostream& err) {
    state.Input.FileName = path;
    try {
        LoadInputFile(state.Input, dialogs);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return false;
    }
    // Files of earlier versions run whatever their values; what an editor would not keep is said.
    for (const ValueBreach& breach : EditorRuleBreaches(state.Input)) {
        err << "vantorel-run: " << path << ": warning: " << BreachText(breach) << '\n';
    }
    ComputeDerivedValues(state.Input);
    return true;
}

// Reads an input file and an output file, in the order the window reads them, into a copy of
// the state.
std::optional<ModelState> LoadResults(const ModelState& state, const RunFileNames& names,
                                      std::initializer_list<RunFile> order, UserDialogs& dialogs, std::ostream& err) {
    try {
        if (std::optional<ReadRunFiles> files = ReadFilesOfRun(state, names, order, dialogs)) return std::move(files->Read);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return std::nullopt;
    }
    err << "vantorel-run: " << names.Output << " is not a valid output file.\n";
    return std::nullopt;
}

// The Output page reads the input file and then the output file (so that Sdr is the actual and
// SdrGiven the given surface drainage) into a fresh state, and builds the tables from them.
int WriteTables(const std::string& input, const std::string& output, const std::string& folder,
                UserDialogs& dialogs, std::ostream& out, std::ostream& err) {
    const std::optional<ModelState> results =
        LoadResults(ModelState{}, {input, output}, {RunFile::Input, RunFile::Output}, dialogs, err);
    if (!results) return ExitBadInput;
    if (const auto error = ExportTables(*results, folder)) {
        err << "vantorel-run: " << *error << '\n';
        return ExitRunFailed;
    }
    out << "Tables written to " << folder << ": salinity.csv, hydrology.csv, surface.csv\n";
    return ExitOk;
}

// The Graphs page reads the output file and then the input file before each graph, into a
// copy of the state of the run (whose infiltration excess and fit flags the graphs read as the run
// left them).
int WriteGraphs(const ModelState& state, const std::string& input, const std::string& output,
                const std::string& folder, GraphFileFormat format, UserDialogs& dialogs, std::ostream& out,
                std::ostream& err) {
    const std::optional<ModelState> results =
        LoadResults(state, {input, output}, {RunFile::Output, RunFile::Input}, dialogs, err);
    if (!results) return ExitBadInput;
    const GraphExport exported = ExportGraphs(*results, folder, format);
    for (const std::string& note : exported.Notes) out << "! " << note << '\n';
    if (!exported.Written) {
        err << "vantorel-run: " << exported.Error << '\n';
        return ExitRunFailed;
    }
    out << "Graphs written to " << folder << ":";
    for (const std::string& file : exported.Files) out << ' ' << std::filesystem::path(file).filename().string();
    out << '\n';
    return ExitOk;
}

}  // namespace

int UsageFailure(const std::string& what, std::ostream& err) {
    err << "vantorel-run: " << what << "\nTry 'vantorel-run --help'.\n";
    return ExitBadInput;
}

int SaveDataSetAs(InputData& data, const std::string& path, std::ostream& out, std::ostream& err) {
    data.FileName = path;
    try {
        SaveInputFile(data);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return ExitRunFailed;
    }
    out << "Saved " << data.FileName << '\n';
    return ExitOk;
}

namespace {

int RunCommand(const std::vector<std::string>& args, const StopRequest& stop, std::ostream& out, std::ostream& err) {
    CommandLine line;
    QuestionAnswers answers;
    CalibrationOptions calibration;
    std::optional<std::string> uncertainty;
    try {
        line = ParseCommandLine(args, RunnerOptions());
        answers = QuestionAnswers::FromCommandLine(line);
        calibration = ReadCalibrationOptions(line);
        uncertainty = ReadUncertaintyFolder(line);
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), err);
    }
    if (const char* threads = std::getenv("VANTOREL_THREADS"); threads != nullptr && !ThreadsSetting(threads)) {
        err << "vantorel-run: VANTOREL_THREADS='" << threads
            << "' is not a whole number from 1 and is left aside: the runs use every CPU this process may use.\n";
    }
    if (line.Has("help")) {
        out << HelpText;
        return ExitOk;
    }
    if (line.Has("version")) {
        out << ProgramVersionLine << '\n';
        return ExitOk;
    }
    if (const auto refusal = PictureOptionRefusal(line)) {
        err << "vantorel-run: " << *refusal << '\n';
        return ExitBadInput;
    }
    if (WantsPicture(line)) return RunPictureCommand(line, out, err);
    if (WantsDrainDesign(line)) return RunDrainDesign(line, out, err);
    if (WantsImport(line)) return RunImportCommand(line, out, err);
    if (WantsStudy(line)) return RunStudyCommand(line, answers, stop, out, err);
    if (WantsManyRuns(line)) return RunManyFiles(line, answers, stop, out, err);
    if (line.arguments.size() != 1) return UsageFailure("name one input file.", err);
    const bool tables = line.Has("tables"), graphs = line.Has("graphs");
    if (line.Has("no-run") && !tables && !graphs) return UsageFailure("--no-run needs --tables or --graphs.", err);
    if ((tables || graphs) && (line.Has("check") || line.Has("resave"))) {
        return UsageFailure("--tables and --graphs cannot be combined with --check or --resave.", err);
    }
    const std::string format = line.Value("graph-format", "bmp");
    if (format != "bmp" && format != "png") {
        return UsageFailure("option '--graph-format' takes bmp or png, not '" + format + "'", err);
    }
    const GraphFileFormat graph_format = format == "png" ? GraphFileFormat::Png : GraphFileFormat::Bmp;
    const std::string& input = line.arguments.front();
    const std::string output = line.Value("output", ReplaceExtension(input, ".out"));
    // The results are read from the output file by the name an output file has.
    if ((tables || graphs) && ReplaceExtension(output, ".out") != output) {
        return UsageFailure("with --tables or --graphs the output file name must end in .out.", err);
    }

    if (!line.Has("no-run") && SameFile(output, ReplaceExtension(input, ".inp"))) {
        return UsageFailure("the output file " + output + " would overwrite the input file.", err);
    }

    ModelState state;
    ConsoleDialogs dialogs(out, [&answers](const std::string& question) { return answers.Answer(question); });
    // Tables first, then graphs; the first failure decides the exit status.
    const auto write_exports = [&]() {
        int status = ExitOk;
        if (tables) status = WriteTables(input, output, line.Value("tables"), dialogs, out, err);
        if (graphs && status == ExitOk) {
            status = WriteGraphs(state, input, output, line.Value("graphs"), graph_format, dialogs, out, err);
        }
        return status;
    };
    if (line.Has("no-run")) return write_exports();
    if (!LoadForRun(state, input, dialogs, err)) return ExitBadInput;
    if (line.Has("resave")) return SaveDataSetAs(state.Input, line.Value("resave"), out, err);
    if (line.Has("check")) {
        PrintDataSummary(state.Input, out);
        return ExitOk;
    }

    if (const auto refusal = ObjectiveMapRefusal(calibration, state.Input)) {
        err << "vantorel-run: " << *refusal << '\n';
        return ExitBadInput;
    }
    if (const auto refusal = uncertainty ? UncertaintyRefusalBeforeRun(state.Input, answers) : std::nullopt) {
        err << "vantorel-run: " << *refusal << '\n';
        return ExitBadInput;
    }
    const InputData loaded = state.Input;
    FileRunOptions options;
    options.answers = answers;
    options.output = line.Value("output");
    options.stop = &stop;
    const FileRunResult run = RunDataSet(state, options);
    for (const std::string& printed : run.dialog) out << printed << '\n';
    if (run.status == RunStatus::Interrupted) {
        err << "vantorel-run: interrupted; no output file was written.\n";
        return ExitRunFailed;
    }
    if (run.status != RunStatus::Completed) {
        err << "vantorel-run: the calculation was not completed; no output file was written.\n";
        return ExitRunFailed;
    }
    PrintRunSummary(state, out);
    // The output file is complete; what would be made of it is left undone.
    if (stop.Requested()) return ExitRunFailed;
    const std::vector<FitStatistics> statistics = RunFitStatistics(state);
    if (const auto error = ExportCalibration(calibration, loaded, state, statistics, out)) {
        err << "vantorel-run: " << *error << '\n';
        return ExitRunFailed;
    }
    if (uncertainty) {
        if (const int status = ExportUncertainty(*uncertainty, loaded, state, out, err); status != ExitOk) return status;
    }
    const int status = write_exports();
    if (status != ExitOk || !tables) return status;
    const std::string statistics_file = (std::filesystem::path(line.Value("tables")) / "statistics.csv").string();
    if (const auto error = ExportFitStatistics(statistics, statistics_file)) {
        err << "vantorel-run: " << *error << '\n';
        return ExitRunFailed;
    }
    return status;
}

}  // namespace

int RunVantorel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const int status = RunCommand(args, SignalStopRequest(), out, err);
    return StopSignal() != 0 ? SignalExitStatus(StopSignal()) : status;
}

}  // namespace vantorel
