#include "ui/WindowCommand.h"

#include <algorithm>

namespace vantorel {

const char* const WindowUsageText = "Usage: vantorel [FILE] | --screenshots FOLDER [FILE.inp...] | --help | --version\n";

const char* const WindowHelpText = R"(Usage: vantorel [FILE]
       vantorel --screenshots FOLDER [FILE.inp...]

Opens the Vantorel window: water table depth and soil salinity of an irrigated field. Without FILE
it starts on the Intro page. An output file (FILE.out) opens on the Output page as "Open output"
would, together with the input file of the same name; any other FILE is taken as an input file and
opens on the Input page as "Open input" would.

Options:
  --screenshots FOLDER [FILE.inp...]
                 save a picture of every page, group panel and small window into FOLDER, and of
                 the output page and the graphs after a run of each FILE.inp, then end
  --help         show this text
  --version      print the program's version

Exit status: 0 when the window was closed (or the pictures were saved), 1 when the folder or a
picture could not be written, 2 when the arguments are wrong.
)";

namespace {

WindowCommand Only(WindowCommand::Action action) {
    WindowCommand command;
    command.action = action;
    return command;
}

}  // namespace

WindowCommand ParseWindowCommand(const std::vector<std::string>& args) {
    const auto options_end = std::find(args.begin(), args.end(), "--");
    const auto given = [&](const char* option) { return std::find(args.begin(), options_end, option) != options_end; };
    if (given("--help")) return Only(WindowCommand::Action::Help);
    if (given("--version")) return Only(WindowCommand::Action::Version);

    WindowCommand command;
    if (!args.empty() && args.front() == "--screenshots") {
        if (args.size() < 2) return Only(WindowCommand::Action::Wrong);
        command.action = WindowCommand::Action::Screenshots;
        command.folder = args[1];
        command.inputs.assign(args.begin() + 2, args.end());
        return command;
    }
    std::vector<std::string> files;
    for (auto arg = args.begin(); arg != args.end(); ++arg) {
        if (arg == options_end) continue;
        if (arg < options_end && arg->size() > 1 && arg->front() == '-') return Only(WindowCommand::Action::Wrong);
        files.push_back(*arg);
    }
    if (files.size() > 1) return Only(WindowCommand::Action::Wrong);
    if (!files.empty()) command.file = files.front();
    return command;
}

}  // namespace vantorel
