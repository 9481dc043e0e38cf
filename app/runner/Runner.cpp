#include "app/runner/Runner.h"

#include "app/runner/CommandLine.h"
#include "app/runner/ConsoleDialogs.h"
#include "app/runner/DataSummary.h"
#include "app/runner/DrainDesign.h"
#include "app/runner/QuestionAnswers.h"
#include "app/runner/RunSummary.h"
#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "model/ModelState.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

const std::vector<OptionSpec> Options = {
    {"help", false, false},          {"check", false, false},        {"resave", true, false},
    {"output", true, false},         {"drainage-opt", true, false},  {"fit-choice", true, false},
    {"leaching-opt", true, false},   {"yes", false, false},          {"drain-factors", false, false},
    {"drain-spacing", false, false}, {"ka", true, false},            {"kb", true, false},
    {"depth-below", true, false},    {"perimeter", true, false},     {"porosity", true, false},
    {"spacing", true, true},         {"discharge", true, false},     {"head", true, false},
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
was refused or a file could not be written, 2 when the input cannot be read or the options are wrong.
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

    ModelState state;
    ConsoleDialogs dialogs(out, [&answers](const std::string& question) { return answers.Answer(question); });
    if (!LoadForRun(state, line.arguments.front(), dialogs, err)) return ExitBadInput;

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
    return ExitOk;
}

}  // namespace vantorel
