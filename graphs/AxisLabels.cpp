#include "graphs/AxisLabels.h"

#include <charconv>
#include <cmath>

#include "model/NumberText.h"

namespace vantorel {

namespace {

bool ReadsAs(const std::string& label, double value) {
    const std::string_view text = TrimBlanks(label);
    double read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    return error == std::errc() && end == text.data() + text.size() && std::fabs(read - value) <= 1e-9;
}

}  // namespace

std::string AxisLabel(double value, int decimals) {
    for (int shown = decimals; shown < decimals + 2; ++shown) {
        std::string label = FormatFixed(value, shown + 2, shown);
        if (ReadsAs(label, value)) return label;
    }
    return FormatFixed(value, decimals + 4, decimals + 2);
}

}  // namespace vantorel
