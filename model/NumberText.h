#pragma once
// Numbers as text: the one text-to-number conversion of the editors and the file readers, and
// the fixed-width formats of the file layouts. Nothing here depends on the process locale.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantorel {

// A text that is not a number; the message quotes the text.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// The process-wide decimal separator of StringToFloat: '.' from the start.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// A decimal number with the process-wide separator, blanks around it allowed, an optional
// exponent. When that fails while the separator is a comma, the separator becomes the point
// for good and the text is tried once more. Throws ConversionError.
double StringToFloat(std::string_view text);

// A whole number, blanks around it allowed. Throws ConversionError.
int32_t StringToInt(std::string_view text);

// R(w,d) and F(w,d): fixed notation with d decimals (none and no point for d = 0), right-aligned
// in w characters; a number that needs more characters widens the field.
std::string FormatFixed(double value, int width, int decimals);

// I(w): an integer right-aligned in w characters; width 0 gives it without padding.
std::string FormatInt(int64_t value, int width = 0);

// The shortest general form with up to 15 significant digits.
std::string FormatGeneral(double value);

// A number with the given significant digits, as printf's %.*g would write it in the C locale (the
// window's toolkit sets the process locale, which would otherwise decide the decimal separator).
std::string FormatSignificant(double value, int digits);

// Removes blanks and tabs at both ends.
std::string_view TrimBlanks(std::string_view text);

// The text without any blank.
std::string RemoveBlanks(std::string_view text);

}  // namespace vantorel
