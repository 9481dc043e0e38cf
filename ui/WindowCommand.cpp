#include "ui/WindowCommand.h"

#include <algorithm>
#include <string_view>

namespace vantorel {

const char* const WindowUsageText =
    "Usage: vantorel [FILE] | --screenshots FOLDER [FILE.inp...] | -h, --help | -V, --version\n";

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
  -h, --help     show this text
  -V, --version  print the program's version

Exit status: 0 when the window was closed (or the pictures were saved), 1 when the folder or a
picture could not be written, 2 when the arguments are wrong.
)";

namespace {

WindowCommand Only(WindowCommand::Action action) {
    WindowCommand command;
    command.action = action;
    return command;
}

WindowCommand Wrong(std::string problem) {
    WindowCommand command = Only(WindowCommand::Action::Wrong);
    command.problem = std::move(problem);
    return command;
}

// The toolkit's own options, which it also takes with two dashes.
constexpr std::string_view ToolkitOptionsWithValue[] = {  // -name VALUE
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"};
constexpr std::string_view ToolkitOptionsWithEquals[] = {"style", "stylesheet", "qmljsdebugger"};  // -name=VALUE
constexpr std::string_view ToolkitFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

template <size_t N>
bool Among(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace

WindowCommand ParseWindowCommand(const std::vector<std::string>& args) {
    const auto options_end = std::find(args.begin(), args.end(), "--");
    const auto given = [&](const char* option) { return std::find(args.begin(), options_end, option) != options_end; };
    if (given("--help") || given("-h")) return Only(WindowCommand::Action::Help);
    if (given("--version") || given("-V")) return Only(WindowCommand::Action::Version);

    WindowCommand command;
    if (!args.empty() && args.front() == "--screenshots") {
        if (args.size() < 2) return Wrong("--screenshots needs a folder");
        command.action = WindowCommand::Action::Screenshots;
        command.folder = args[1];
        command.inputs.assign(args.begin() + 2, args.end());
        return command;
    }
    std::vector<std::string> files;
    for (auto arg = args.begin(); arg != args.end(); ++arg) {
        if (arg == options_end) continue;
        if (arg < options_end && arg->size() > 1 && arg->front() == '-') return Wrong("unknown option '" + *arg + "'");
        files.push_back(*arg);
    }
    if (files.size() > 1) return Wrong("only one file can be opened");
    if (!files.empty()) command.file = files.front();
    return command;
}

std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& args) {
    std::vector<std::string> left;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (name == "--") {
            left.insert(left.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if (name.size() < 2 || name.front() != '-') {
            left.push_back(args[i]);
            continue;
        }
        name.remove_prefix(name[1] == '-' ? 2 : 1);
        const size_t equals = name.find('=');
        if (equals != std::string_view::npos ? Among(ToolkitOptionsWithEquals, name.substr(0, equals))
                                             : Among(ToolkitFlags, name)) {
            continue;
        }
        if (equals == std::string_view::npos && Among(ToolkitOptionsWithValue, name) && i + 1 < args.size()) {
            ++i;
            continue;
        }
        left.push_back(args[i]);
    }
    return left;
}

}  // namespace vantorel
