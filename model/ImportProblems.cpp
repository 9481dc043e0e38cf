#include "model/ImportProblems.h"

#include "model/PrintableText.h"

namespace vantorel {

std::string ProblemText(const ImportProblem& problem) {
    std::string place;
    const auto add = [&place](const std::string& part) {
        if (part.empty()) return;
        if (!place.empty()) place += ", ";
        place += part;
    };
    add(problem.file);
    if (problem.line > 0) add("line " + std::to_string(problem.line));
    add(problem.date);
    if (!problem.column.empty()) add((problem.column.rfind("--", 0) == 0 ? "option " : "column ") + problem.column);
    // Dates, columns and texts may quote a file's cells, which may hold line breaks and control
    // characters; the problem stays on one line.
    return PrintableText(place.empty() ? problem.text : place + ": " + problem.text);
}

std::string ProblemsText(const std::vector<ImportProblem>& problems) {
    std::string text;
    for (const ImportProblem& problem : problems) text += ProblemText(problem) + "\n";
    return text;
}

}  // namespace vantorel
