#pragma once
// The desktop program's command line: no argument, or the one file the desktop passes on a
// double-click, or the screenshot tour, or the questions answered without any window.

#include <string>
#include <vector>

namespace vantorel {

struct WindowCommand {
    enum class Action { Window, Screenshots, Help, Version, Wrong };
    Action action = Action::Window;
    std::string file;                 // Window: the input or output file to open at start, or empty
    std::string folder;               // Screenshots: where the pictures go
    std::vector<std::string> inputs;  // Screenshots: the input files whose runs are photographed
    std::string problem;              // Wrong: what is wrong, for the message
};

// The arguments after the program name. --help (-h) and --version (-V) win over everything else,
// so that they can be answered before the window system is touched; "--" ends the options.
WindowCommand ParseWindowCommand(const std::vector<std::string>& args);

// The arguments without the options that the window toolkit takes for itself (-platform NAME,
// -style NAME, ...), as the toolkit will leave them: what remains can be judged before a
// display is opened.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& args);

extern const char* const WindowHelpText;
extern const char* const WindowUsageText;

}  // namespace vantorel
