#include "model/PlainNumber.h"

#include <charconv>
#include <cmath>

namespace vantorel {

std::optional<double> PlainNumber(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace vantorel
