#pragma once
// Comma-separated text as RFC 4180 has it: fields in double quotes may hold commas, line breaks
// and doubled quotes; lines end in CR LF, LF or a lone CR.

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct CsvRecord {
    size_t line = 0;  // the line the record starts on, from 1
    std::vector<std::string> fields;
};

// The records of the text; a final line end is optional. Throws FileError naming the file and
// the line for a quote that is not closed or text after a closing quote.
std::vector<CsvRecord> ParseCsv(std::string_view text, const std::string& path);

// The field as it is written: in quotes, with its quotes doubled, when it holds a comma, a quote
// or a line break.
std::string CsvField(std::string_view text);

// The fields joined by commas, each written by CsvField, without a line end.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace vantorel
