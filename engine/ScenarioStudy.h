#pragma once
// A scenario study: a table of named changes to one base data set, read from a CSV file, and
// the data set of one scenario made from the base.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Sampling.h"
#include "engine/StudyFields.h"
#include "model/InputData.h"

namespace vantorel {

// What one cell does to its field. A sampled cell sets, multiplies or adds a value drawn for each
// sample; until the samples are drawn (ExpandSamples) it has no value.
struct CellChange {
    enum class Kind { Keep, Set, Multiply, Add };
    Kind kind = Kind::Keep;
    double value = 0;
    std::optional<Sampling> sampling;
    bool drawn = false;
};

struct Scenario {
    std::string name;
    size_t line = 0;                  // where its row starts in the study file
    std::vector<CellChange> changes;  // one per change column
    std::string sampled_row;          // for a sample, the name of the row it was drawn from
};

struct Study {
    std::vector<const StudyField*> columns;  // the change columns, after "name"
    std::vector<Scenario> scenarios;
};

// The most time steps a repeated scenario may have.
inline constexpr int64_t MostRepeatedSteps = 1'000'000;

// The cell of a column: empty (unchanged), a number (set), "*F" (multiply) or "+D" (add) for a
// series or a number; "yes" or "no" for a flag; a whole number of at least 1 for Repeat; a number
// for the drain geometry. A series, a number or the drain geometry may be sampled instead:
// "~normal(m,s)" and the other forms of ParseSampling set the field, and for a series or a number
// "*~..." and "+~..." multiply by or add the value drawn. Nothing when the cell is not understood.
std::optional<CellChange> ParseStudyCell(std::string_view text, const StudyField& field);

// Reads the study text. Throws FileError naming the file, the line and the column or cell that
// is not understood.
Study ParseStudy(std::string_view text, const std::string& path);
Study ReadStudy(const std::string& path);

// A scenario whose every cell is empty: the base data set as it is.
bool IsBaseScenario(const Scenario& scenario);

// Makes the scenario's data set from the base in `data`: Repeat, then the field changes, then
// the drain geometry. Returns why the scenario is refused (naming it, the field and the rule)
// when the data set breaks a rule of the editors or the run's checks; `data` is then of no use.
std::optional<std::string> ApplyScenario(const Study& study, const Scenario& scenario, InputData& data);

}  // namespace vantorel
