#include "app/runner/Runner.h"

#include "app/runner/CommandLine.h"
#include "app/runner/ConsoleDialogs.h"
#include "app/runner/DataSummary.h"
#include "app/runner/DrainDesign.h"
#include "app/runner/QuestionAnswers.h"
#include "app/runner/RunSummary.h"
#include "app/runner/TableExport.h"
#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/ModelState.h"
#include "model/OutputFileReader.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

const std::vector<OptionSpec> Options = {
    {"help", false, false},          {"check", false, false},        {"resave", true, false},
    {"output", true, false},         {"drainage-opt", true, false},  {"fit-choice", true, false},
    {"leaching-opt", true, false},   {"yes", false, false},          {"tables", true, false},
    {"no-run", false, false},        {"drain-factors", false, false}, {"drain-spacing", false, false},
    {"ka", true, false},             {"kb", true, false},            {"depth-below", true, false},
    {"perimeter", true, false},      {"porosity", true, false},      {"spacing", true, true},
    {"discharge", true, false},      {"head", true, false},
};

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
  --no-run             with --tables: do not calculate, write the tables of the existing output
                       file (FILE.out, or the --output path) and FILE.inp
  --help               show this text

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
was refused or a file (an output file or a table) could not be written, 2 when the input or the
output file cannot be read or the options are wrong.
A drain design exits with 2 for a refused value and with 1 when no spacing meets the design.
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
    ComputeDerivedValues(state.Input);
    return true;
}

int UsageFailure(const std::string& what, std::ostream& err) {
    err << "vantorel-run: " << what << "\nTry 'vantorel-run --help'.\n";
    return ExitBadInput;
}

// Reads the input file and then its output file into a fresh state, as the Output page does
// before the surface table (so that Sdr is the actual and SdrGiven the given surface drainage),
// and writes the three tables.
int WriteTables(const std::string& input, const std::string& output, const std::string& folder,
                UserDialogs& dialogs, std::ostream& out, std::ostream& err) {
    ModelState results;
    try {
        results.Input.FileName = input;
        LoadInputFile(results.Input, dialogs);
        results.Input.FileName = output;
        LoadOutputFile(results, dialogs);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return ExitBadInput;
    }
    if (results.Output.InvalidOutput) {
        err << "vantorel-run: " << output << " is not a valid output file; no tables were written.\n";
        return ExitBadInput;
    }
    if (const auto error = ExportTables(results, folder)) {
        err << "vantorel-run: " << *error << '\n';
        return ExitRunFailed;
    }
    out << "Tables written to " << folder << ": salinity.csv, hydrology.csv, surface.csv\n";
    return ExitOk;
}

}  // namespace

int RunVantorel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    QuestionAnswers answers;
    try {
        line = ParseCommandLine(args, Options);
        answers = QuestionAnswers::FromCommandLine(line);
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), err);
    }
    if (line.Has("help")) {
        out << HelpText;
        return ExitOk;
    }
    if (WantsDrainDesign(line)) return RunDrainDesign(line, out, err);
    if (line.arguments.size() != 1) return UsageFailure("name one input file.", err);
    const bool tables = line.Has("tables");
    if (line.Has("no-run") && !tables) return UsageFailure("--no-run needs --tables DIR.", err);
    if (tables && (line.Has("check") || line.Has("resave"))) {
        return UsageFailure("--tables cannot be combined with --check or --resave.", err);
    }
    const std::string& input = line.arguments.front();
    const std::string output = line.Value("output", ReplaceExtension(input, ".out"));
    // The tables are read from the output file by the name an output file has.
    if (tables && ReplaceExtension(output, ".out") != output) {
        return UsageFailure("with --tables the output file name must end in .out.", err);
    }

    ModelState state;
    ConsoleDialogs dialogs(out, [&answers](const std::string& question) { return answers.Answer(question); });
    if (line.Has("no-run")) return WriteTables(input, output, line.Value("tables"), dialogs, out, err);
    if (!LoadForRun(state, input, dialogs, err)) return ExitBadInput;

    if (line.Has("resave")) {
        state.Input.FileName = line.Value("resave");
        try {
            SaveInputFile(state.Input);
        } catch (const FileError& error) {
            err << "vantorel-run: " << error.what() << '\n';
            return ExitRunFailed;
        }
        out << "Saved " << state.Input.FileName << '\n';
        return ExitOk;
    }
    if (line.Has("check")) {
        PrintDataSummary(state.Input, out);
        return ExitOk;
    }

    // The window's run follows a Yes to its question whether to calculate.
    state.Run.OptAccepted = true;
    Engine engine(state, dialogs);
    if (line.Has("output")) engine.SetOutputPath(line.Value("output"));
    engine.RunCalculation();
    if (state.Run.CalcStopped) {
        err << "vantorel-run: the calculation was not completed; no output file was written.\n";
        return ExitRunFailed;
    }
    PrintRunSummary(state, out);
    if (tables) return WriteTables(input, output, line.Value("tables"), dialogs, out, err);
    return ExitOk;
}

}  // namespace vantorel
