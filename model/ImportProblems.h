#pragma once
// What refuses an import of dated series: each problem with the place it was found, so that all
// of them can be listed together and mended in one go.

#include <cstddef>
#include <string>
#include <vector>

namespace vantorel {

struct ImportProblem {
    std::string file;    // empty for an option
    size_t line = 0;     // 0 where no one line is meant
    std::string date;    // a day, a span of days, or empty
    std::string column;  // a column or an option, or empty
    std::string text;
};

// "FILE, line N, DATE, column C: TEXT", leaving out the parts the problem does not have, on one
// line: control characters written as PrintableText writes them.
std::string ProblemText(const ImportProblem& problem);

// One problem per line.
std::string ProblemsText(const std::vector<ImportProblem>& problems);

}  // namespace vantorel
