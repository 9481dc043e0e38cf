#pragma once
// The numbers of the CSV files a user prepares (studies, series): a decimal point, a minus sign
// and an exponent where needed, nothing else, and finite.

#include <optional>
#include <string_view>

namespace vantorel {

std::optional<double> PlainNumber(std::string_view text);

}  // namespace vantorel
