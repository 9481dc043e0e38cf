#include "model/NumberText.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vantorel {

namespace {

std::atomic<char> decimal_separator{'.'};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape [sign] digits [separator digits] [e [sign] digits] with at least one mantissa
// digit, and writes it with a point as separator and without a leading plus into `normal`.
bool NormaliseDecimal(std::string_view text, char separator, std::string& normal) {
    normal.clear();
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normal += '-';
        ++i;
    }
    size_t mantissa_digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        normal += text[i++];
        ++mantissa_digits;
    }
    if (i < text.size() && text[i] == separator) {
        normal += '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            normal += text[i++];
            ++mantissa_digits;
        }
    }
    if (mantissa_digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal += text[i++];
        size_t exponent_digits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            normal += text[i++];
            ++exponent_digits;
        }
        if (exponent_digits == 0) return false;
    }
    return i == text.size();
}

bool TryConvert(std::string_view text, char separator, double& value) {
    std::string normal;
    if (!NormaliseDecimal(TrimBlanks(text), separator, normal)) return false;
    double parsed = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), parsed);
    if (error != std::errc() || end != normal.data() + normal.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

}  // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid floating point value") {}

char DecimalSeparator() { return decimal_separator.load(); }

void SetDecimalSeparator(char separator) { decimal_separator.store(separator); }

double StringToFloat(std::string_view text) {
    double value = 0;
    if (TryConvert(text, DecimalSeparator(), value)) return value;
    if (DecimalSeparator() == ',') {
        SetDecimalSeparator('.');
        if (TryConvert(text, '.', value)) return value;
    }
    throw ConversionError(text);
}

int32_t StringToInt(std::string_view text) {
    std::string_view digits = TrimBlanks(text);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        throw std::runtime_error("'" + std::string(text) + "' is not a valid integer value");
    }
    return value;
}

std::string FormatFixed(double value, int width, int decimals) {
    // Large enough for any finite double in fixed notation with up to 30 decimals.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

std::string FormatInt(int64_t value, int width) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

std::string FormatGeneral(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string FormatSignificant(double value, int digits) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string RemoveBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t') result += c;
    }
    return result;
}

}  // namespace vantorel
