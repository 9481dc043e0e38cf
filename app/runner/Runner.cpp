#include "app/runner/Runner.h"

#include "app/runner/CommandLine.h"
#include "app/runner/ConsoleDialogs.h"
#include "app/runner/DataSummary.h"
#include "app/runner/DrainDesign.h"
#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "model/ModelState.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

const std::vector<OptionSpec> Options = {
    {"help", false, false},
    {"check", false, false},
    {"resave", true, false},
    {"drain-factors", false, false},
    {"drain-spacing", false, false},
    {"ka", true, false},
    {"kb", true, false},
    {"depth-below", true, false},
    {"perimeter", true, false},
    {"porosity", true, false},
    {"spacing", true, true},
    {"discharge", true, false},
    {"head", true, false},
};

constexpr const char* HelpText = R"(Usage: vantorel-run [OPTIONS] FILE.inp

Reads an input file of Vantorel (water table and soil salinity of an irrigated field).

Options (a valued option is written --name=value or --name value):
  --check          load FILE.inp and print a summary of its data set
  --resave OUT     load FILE.inp and save it again under the name OUT
  --help           show this text

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

Exit status: 0 when the file was read, 2 when it could not be read or the options are wrong.
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

}  // namespace

int RunVantorel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    try {
        line = ParseCommandLine(args, Options);
    } catch (const UsageError& error) {
        err << "vantorel-run: " << error.what() << "\nTry 'vantorel-run --help'.\n";
        return ExitBadInput;
    }
    if (line.Has("help")) {
        out << HelpText;
        return ExitOk;
    }
    if (WantsDrainDesign(line)) return RunDrainDesign(line, out, err);
    if (line.arguments.size() != 1) {
        err << "vantorel-run: name one input file.\nTry 'vantorel-run --help'.\n";
        return ExitBadInput;
    }

    ModelState state;
    ConsoleDialogs dialogs(out, nullptr);
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
    err << "vantorel-run: nothing to do; give --check or --resave.\nTry 'vantorel-run --help'.\n";
    return ExitBadInput;
}

}  // namespace vantorel
