#pragma once
// Runs vantorel-run in-process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "app/runner/Runner.h"

namespace vantorel::test {

struct ToolResult {
    int status;
    std::string out;
    std::string err;
};

inline ToolResult RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunVantorel(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace vantorel::test
