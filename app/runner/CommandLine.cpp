#include "app/runner/CommandLine.h"

#include <algorithm>

namespace vantorel {

std::string CommandLine::Value(const std::string& name, const std::string& fallback) const {
    const auto found = values.find(name);
    return found == values.end() || found->second.empty() ? fallback : found->second.back();
}

const std::vector<std::string>& CommandLine::Values(const std::string& name) const {
    static const std::vector<std::string> none;
    const auto found = values.find(name);
    return found == values.end() ? none : found->second;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::vector<OptionDefinition>& definitions) {
    CommandLine result;
    bool options_ended = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options_ended || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            if (!options_ended && arg.size() > 1 && arg[0] == '-') {
                const auto option = std::find_if(definitions.begin(), definitions.end(), [&](const OptionDefinition& s) {
                    return s.short_name != 0 && !s.takes_value && arg.size() == 2 && arg[1] == s.short_name;
                });
                if (option == definitions.end()) throw UsageError("unknown option '" + arg + "'");
                result.values[option->name];
                continue;
            }
            result.arguments.push_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const auto option = std::find_if(definitions.begin(), definitions.end(), [&](const OptionDefinition& s) { return s.name == name; });
        if (option == definitions.end()) throw UsageError("unknown option '--" + name + "'");
        if (result.Has(name) && !option->repeatable) throw UsageError("option '--" + name + "' is given twice");
        std::vector<std::string>& values = result.values[name];
        if (!option->takes_value) {
            if (equals != std::string::npos) throw UsageError("option '--" + name + "' takes no value");
            continue;
        }
        if (equals != std::string::npos) {
            values.push_back(arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            values.push_back(args[++i]);
        } else {
            throw UsageError("option '--" + name + "' needs a value");
        }
    }
    return result;
}

}  // namespace vantorel
