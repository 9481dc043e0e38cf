#include "engine/ScenarioStudy.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "engine/Engine.h"
#include "model/CsvFile.h"
#include "model/EditorRules.h"
#include "model/InputFile.h"
#include "model/NumberText.h"
#include "model/PlainNumber.h"
#include "model/PrintableText.h"
#include "model/SilentDialogs.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

bool ValidScenarioName(std::string_view name) {
    if (name.empty() || name.size() > 200 || name.front() == '.') return false;
    return name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_.") ==
           std::string_view::npos;
}

// Drives a study file's errors: the file, the line, and what is wrong there.
[[noreturn]] void Fail(const std::string& path, size_t line, const std::string& reason) {
    throw FileError("The file " + path + " could not be read, line " + std::to_string(line) + ": " + reason + ".");
}

const StudyField& ColumnField(const std::string& path, size_t column, const std::string& name) {
    const std::string where = "column " + std::to_string(column) + " '" + PrintableText(name) + "'";
    if (IsFixedField(name)) Fail(path, 1, where + ": counts, measured series and titles cannot be changed");
    const StudyField* field = FindStudyField(name);
    if (field == nullptr) Fail(path, 1, where + " is not a field a scenario can change");
    return *field;
}

double Changed(double value, const CellChange& change) {
    switch (change.kind) {
        case CellChange::Kind::Keep: return value;
        case CellChange::Kind::Set: return change.value;
        case CellChange::Kind::Multiply: return value * change.value;
        case CellChange::Kind::Add: return value + change.value;
    }
    return value;
}

// Repeats the time series k times; the measurements stay in the first cycle only.
void RepeatSeries(InputData& d, int32_t k) {
    const int32_t n = d.NrTimeSteps;
    const int32_t total = n * k;
    for (StepSeries* series : {&d.Rain, &d.Irrig, &d.ETp, &d.Sdr, &d.SdrGiven}) {
        series->resize(static_cast<size_t>(total) + 1);
        for (int32_t i = n + 1; i <= total; ++i) (*series)[i] = (*series)[(i - 1) % n + 1];
    }
    for (StepSeries* series : {&d.DwtMeas, &d.DrainMeas}) series->resize(static_cast<size_t>(total) + 1, MissingDepthOrDischarge);
    for (StepSeries* series : {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
        series->resize(static_cast<size_t>(total) + 1, MissingSalinity);
    }
    d.NrTimeSteps = d.NrTimeStepsSaved = total;
    ResizeLoadedSeries(d);
}

class ScenarioRefusal {
public:
    explicit ScenarioRefusal(const Scenario& scenario) : scenario_(scenario) {}
    std::string operator()(const std::string& field, double value, const std::string& rule) const {
        return (*this)(ValueBreach{field, 0, value, rule});
    }
    std::string operator()(const ValueBreach& breach) const { return "Scenario " + scenario_.name + ", " + BreachText(breach); }
    std::string operator()(const std::string& rule) const { return "Scenario " + scenario_.name + ": " + rule; }

private:
    const Scenario& scenario_;
};

std::optional<std::string> DrainGeometryRefusal(const Study& study, const Scenario& scenario, InputData& d) {
    const ScenarioRefusal refuse(scenario);
    std::optional<size_t> spacing;
    bool qh_given = false;
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const std::string name = study.columns[c]->name;
        if (name == "DrainSpacing" && scenario.changes[c].kind != CellChange::Kind::Keep) spacing = c;
        if ((name == "QH1" || name == "QH2") && scenario.changes[c].kind != CellChange::Kind::Keep) qh_given = true;
    }
    std::vector<std::pair<const StudyField*, double>> given;
    for (size_t c = 0; c < study.columns.size(); ++c) {
        if (study.columns[c]->kind == StudyFieldKind::Geometry && scenario.changes[c].kind != CellChange::Kind::Keep) {
            given.emplace_back(study.columns[c], scenario.changes[c].value);
        }
    }
    if (!spacing) {
        if (given.empty()) return std::nullopt;
        return refuse(std::string(given.front().first->name) + " is given without DrainSpacing");
    }
    if (qh_given) return refuse("QH1 and QH2 are computed from DrainSpacing and cannot be given beside it");
    DrainGeometry geometry;
    for (const char* needed : {"DrainKa", "DrainKb", "DrainDepthBelow", "DrainPerimeter", "DrainPorosity"}) {
        const auto found = std::find_if(given.begin(), given.end(), [&](const auto& g) {
            return std::string_view(g.first->name) == needed;
        });
        if (found == given.end()) return refuse("DrainSpacing needs a value for " + std::string(needed));
    }
    for (const auto& [field, value] : given) {
        if (const auto message = CheckCalculatorField(field->geometry, value)) return refuse(field->name, value, *message);
        switch (field->geometry) {
            case CalculatorField::Ka: geometry.Ka = value; break;
            case CalculatorField::Kb: geometry.Kb = value; break;
            case CalculatorField::D: geometry.D = value; break;
            case CalculatorField::U: geometry.U = value; break;
            case CalculatorField::P: geometry.P = value; break;
            case CalculatorField::L: geometry.L = value; break;
            case CalculatorField::Dd: break;
        }
    }
    if (!ValidateCalculatorInputs(geometry)) {
        return refuse("DrainPorosity", geometry.P, std::string(IncorrectCalculatorDataMessage) +
                                                      " (the porosity must lie strictly between 1 and 30 %)");
    }
    const DrainageFactors factors = ComputeDrainageFactors(geometry);
    if (!std::isfinite(factors.QH1) || !std::isfinite(factors.QH2)) {
        return refuse("DrainSpacing", geometry.L, "the drain geometry gives no finite drainage factors");
    }
    d.QH1 = factors.QH1;
    d.QH2 = factors.QH2;
    return std::nullopt;
}

// The rules of the editors that a data set made by changes may break.
std::optional<std::string> EditorRuleRefusal(const Study& study, const Scenario& scenario, const InputData& d) {
    const ScenarioRefusal refuse(scenario);
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const StudyField& field = *study.columns[c];
        if (scenario.changes[c].kind == CellChange::Kind::Keep) continue;
        if (field.needs == StudyFieldNeeds::Drains && !d.DrainPresent) {
            return refuse(std::string(field.name) + " is changed, but the data set has no drainage system (DrainPresent no)");
        }
        if (field.needs == StudyFieldNeeds::Rice && !d.RicePresent) {
            return refuse(std::string(field.name) + " is changed, but no rice is grown (RicePresent no)");
        }
    }
    const std::vector<ValueBreach> breaches = EditorRuleBreaches(d);
    if (!breaches.empty()) return refuse(breaches.front());
    return std::nullopt;
}

// A cell's change, or why it is not understood (empty when nothing more than that can be said).
struct CellParse {
    std::optional<CellChange> change;
    std::string problem;
};

CellChange Change(CellChange::Kind kind, double value) {
    CellChange change;
    change.kind = kind;
    change.value = value;
    return change;
}

CellParse SampledCell(CellChange::Kind kind, std::string_view text) {
    SamplingParse parsed = ParseSampling(text);
    if (!parsed.sampling) return {std::nullopt, parsed.problem};
    CellChange change = Change(kind, 0);
    change.sampling = parsed.sampling;
    return {change, {}};
}

CellParse ReadCell(std::string_view text, const StudyField& field) {
    text = TrimBlanks(text);
    if (text.empty()) return {CellChange{}, {}};
    const bool sampled = text.find('~') != std::string_view::npos;
    switch (field.kind) {
        case StudyFieldKind::YesNo:
            if (sampled) return {std::nullopt, "a flag cannot be sampled"};
            if (text == "yes" || text == "no") return {Change(CellChange::Kind::Set, text == "yes" ? 1.0 : 0.0), {}};
            return {};
        case StudyFieldKind::Repeat: {
            if (sampled) return {std::nullopt, "Repeat cannot be sampled"};
            if (text.find_first_not_of("0123456789") != std::string_view::npos) return {};
            int64_t k = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), k);
            if (error != std::errc() || end != text.data() + text.size() || k < 1 || k > MostRepeatedSteps) return {};
            return {Change(CellChange::Kind::Set, static_cast<double>(k)), {}};
        }
        case StudyFieldKind::Geometry: {
            if (text.front() == '~') return SampledCell(CellChange::Kind::Set, text);
            const auto value = PlainNumber(text);
            if (!value) return {};
            return {Change(CellChange::Kind::Set, *value), {}};
        }
        case StudyFieldKind::Series:
        case StudyFieldKind::Number: {
            CellChange::Kind kind = CellChange::Kind::Set;
            if (text.front() == '*' || text.front() == '+') {
                kind = text.front() == '*' ? CellChange::Kind::Multiply : CellChange::Kind::Add;
                text.remove_prefix(1);
            }
            if (!text.empty() && text.front() == '~') return SampledCell(kind, text);
            const auto value = PlainNumber(text);
            if (!value) return {};
            return {Change(kind, *value), {}};
        }
    }
    return {};
}

}  // namespace

std::optional<CellChange> ParseStudyCell(std::string_view text, const StudyField& field) {
    return ReadCell(text, field).change;
}

Study ParseStudy(std::string_view text, const std::string& path) {
    // Spreadsheets may start the file with a byte-order mark.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<CsvRecord> records = ParseCsv(text, path);
    if (records.empty()) Fail(path, 1, "the study is empty; it needs the header name and change columns");
    const std::vector<std::string>& header = records.front().fields;
    if (header.front() != "name") Fail(path, 1, "the first column must be 'name', not '" + PrintableText(header.front()) + "'");
    Study study;
    std::set<std::string> seen;
    for (size_t c = 1; c < header.size(); ++c) {
        if (!seen.insert(header[c]).second) Fail(path, 1, "column " + std::to_string(c + 1) + " '" + PrintableText(header[c]) + "' is given twice");
        study.columns.push_back(&ColumnField(path, c + 1, header[c]));
    }
    std::set<std::string> names;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        if (record.fields.size() == 1 && record.fields.front().empty()) continue;
        if (record.fields.size() != header.size()) {
            // The commas of an unquoted "~normal(1,0.1)" part the row into more cells.
            const bool split_sampling = std::any_of(record.fields.begin(), record.fields.end(), [](const std::string& cell) {
                return cell.find('~') != std::string::npos && cell.find('(') != std::string::npos &&
                       cell.find(')') == std::string::npos;
            });
            Fail(path, record.line, "the row has " + std::to_string(record.fields.size()) + " cells, the header " +
                                        std::to_string(header.size()) +
                                        (split_sampling ? " (a sampled cell holds commas: quote it, \"~normal(1,0.1)\")" : ""));
        }
        Scenario scenario;
        scenario.name = record.fields.front();
        scenario.line = record.line;
        if (!ValidScenarioName(scenario.name)) {
            Fail(path, record.line, "the scenario name '" + PrintableText(scenario.name) +
                                        "' is not a file name of letters, digits, '-', '_' and '.' that does not "
                                        "start with '.'");
        }
        if (!names.insert(scenario.name).second) Fail(path, record.line, "the scenario name '" + scenario.name + "' is given twice");
        for (size_t c = 0; c < study.columns.size(); ++c) {
            const std::string& cell = record.fields[c + 1];
            CellParse read = ReadCell(cell, *study.columns[c]);
            if (!read.change) {
                Fail(path, record.line, "column '" + std::string(study.columns[c]->name) + "', scenario " +
                                            scenario.name + ": the cell '" + PrintableText(cell) + "' is not understood" +
                                            (read.problem.empty() ? "" : ": " + PrintableText(read.problem)));
            }
            scenario.changes.push_back(*read.change);
        }
        study.scenarios.push_back(std::move(scenario));
    }
    if (study.scenarios.empty()) Fail(path, records.back().line, "the study has no scenario");
    return study;
}

Study ReadStudy(const std::string& path) { return ParseStudy(ReadFileBytes(path), path); }

bool IsBaseScenario(const Scenario& scenario) {
    return std::all_of(scenario.changes.begin(), scenario.changes.end(),
                       [](const CellChange& change) { return change.kind == CellChange::Kind::Keep; });
}

std::optional<std::string> ApplyScenario(const Study& study, const Scenario& scenario, InputData& d) {
    const ScenarioRefusal refuse(scenario);
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const CellChange& change = scenario.changes[c];
        if (change.sampling && !change.drawn) {
            return refuse(std::string(study.columns[c]->name) + " is sampled, and no samples were drawn");
        }
        if (change.sampling && !std::isfinite(change.value)) {
            return refuse(std::string(study.columns[c]->name) + " was drawn as a number too large to store");
        }
    }
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const StudyField& field = *study.columns[c];
        const CellChange& change = scenario.changes[c];
        if (field.kind != StudyFieldKind::Repeat || change.kind == CellChange::Kind::Keep) continue;
        if (static_cast<int64_t>(d.NrTimeSteps) * static_cast<int64_t>(change.value) > MostRepeatedSteps) {
            return refuse("Repeat", change.value,
                          "the repeated series would have more than " + std::to_string(MostRepeatedSteps) + " time steps");
        }
        RepeatSeries(d, static_cast<int32_t>(change.value));
    }
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const StudyField& field = *study.columns[c];
        const CellChange& change = scenario.changes[c];
        if (change.kind == CellChange::Kind::Keep) continue;
        if (field.layers > d.NrLayers) {
            return refuse(std::string(field.name) + " is changed, but the root zone has only " +
                          std::to_string(d.NrLayers) + (d.NrLayers == 1 ? " layer" : " layers"));
        }
        if (field.kind == StudyFieldKind::Number) {
            const double value = Changed(d.*field.number, change);
            if (!std::isfinite(value)) return refuse(std::string(field.name) + " becomes a number too large to store");
            d.*field.number = value;
        } else if (field.kind == StudyFieldKind::Series) {
            StepSeries& series = d.*field.series;
            for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
                const double value = Changed(series[i], change);
                if (!std::isfinite(value)) {
                    return refuse(std::string(field.name) + " becomes a number too large to store at time step " +
                                  std::to_string(i));
                }
                series[i] = value;
            }
            if (field.series == &InputData::Sdr) d.SdrGiven = d.Sdr;
        } else if (field.kind == StudyFieldKind::YesNo) {
            d.*field.flag = change.value != 0;
        }
    }
    if (auto refusal = DrainGeometryRefusal(study, scenario, d)) return refusal;
    if (auto refusal = EditorRuleRefusal(study, scenario, d)) return refusal;
    if (const auto unwritable = UnwritableInputValue(d)) return refuse(*unwritable);

    ModelState check;
    check.Input = d;
    SilentDialogs dialogs;
    if (!Engine(check, dialogs).CheckRunData()) return refuse(dialogs.last_message);
    return std::nullopt;
}

}  // namespace vantorel
