#include "app/runner/TableExport.h"

#include <filesystem>
#include <system_error>

#include "model/CsvFile.h"
#include "model/NumberText.h"
#include "model/TextFile.h"

namespace vantorel {

std::vector<std::string> CsvLines(const ResultTable& table, const std::vector<std::string>& dates) {
    std::vector<std::string> titles = table.ColumnTitles;
    if (!dates.empty()) titles.insert(titles.begin(), "date");
    std::vector<std::string> lines = {CsvLine(titles)};
    for (int32_t row = 1; row < table.RowCount(); ++row) {
        std::vector<std::string> fields;
        if (!dates.empty()) fields.push_back(static_cast<size_t>(row) <= dates.size() ? dates[row - 1] : "");
        for (int32_t column = 0; column < table.ColCount(); ++column) {
            const std::string_view value = TrimBlanks(table.Cell(column, row));
            fields.emplace_back(value == "-" ? std::string_view() : value);
        }
        lines.push_back(CsvLine(fields));
    }
    return lines;
}

std::optional<std::string> ExportTables(const ModelState& state, const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return "The folder " + folder + " could not be created: " + error.message() + ".";
    const struct {
        const char* name;
        ResultTable table;
    } files[] = {
        {"salinity.csv", BuildSalinityTable(state)},
        {"hydrology.csv", BuildHydrologyTable(state)},
        {"surface.csv", BuildSurfaceTable(state)},
    };
    const InputData& d = state.Input;
    const std::vector<std::string> dates = d.StartDate ? StepDateTexts(*d.StartDate, d.Ts, d.NrTimeSteps)
                                                       : std::vector<std::string>();
    for (const auto& file : files) {
        try {
            WriteLinesFile((std::filesystem::path(folder) / file.name).string(), CsvLines(file.table, dates));
        } catch (const FileError& failure) {
            return failure.what();
        }
    }
    return std::nullopt;
}

}  // namespace vantorel
