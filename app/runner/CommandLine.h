#pragma once
// GNU-style long options: "--name", "--name=value" and "--name value"; "--" ends the options. An
// option without a value may also have a one-letter name, given alone: "-h".

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantorel {

struct OptionDefinition {
    std::string name;
    bool takes_value = false;
    bool repeatable = false;
    char short_name = 0;
};

struct CommandLine {
    std::map<std::string, std::vector<std::string>> values;  // every given option, with its values
    std::vector<std::string> arguments;                       // what is not an option

    bool Has(const std::string& name) const { return values.count(name) != 0; }
    // The value of a valued option, or the fallback when it was not given.
    std::string Value(const std::string& name, const std::string& fallback = "") const;
    const std::vector<std::string>& Values(const std::string& name) const;
};

// A command line the program cannot take: an unknown option, a missing or unwanted value.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::vector<OptionDefinition>& definitions);

}  // namespace vantorel
