#include "model/StartDateLine.h"

#include "model/NumberText.h"

namespace vantorel {

namespace {

// As long as the labels of the general data.
constexpr std::string_view StartDateLabel = " Start date (YYYY-MM-DD)  : ";

}  // namespace

std::string StartDateLine(CalendarDay start) {
    return std::string(StartDateLabel) + IsoDateText(start);
}

std::optional<CalendarDay> ReadStartDateLine(FieldReader& reader) {
    for (; !reader.AtEnd(); reader.NextLine()) {
        if (reader.Peek(StartDateLabel.size()) != StartDateLabel) continue;
        reader.Skip(StartDateLabel.size());
        const std::string text(TrimBlanks(reader.Field(std::string::npos)));
        const std::optional<CalendarDay> start = ParseIsoDate(text);
        if (!start) reader.Fail("'" + text + "' is not a start date written YYYY-MM-DD");
        return start;
    }
    return std::nullopt;
}

}  // namespace vantorel
