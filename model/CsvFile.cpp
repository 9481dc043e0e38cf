#include "model/CsvFile.h"

#include "model/TextFile.h"

namespace vantorel {

namespace {

// The length of the line end at i: 2 for CR LF, 1 for LF or a lone CR (as old spreadsheets of
// some desktops write), 0 for none.
size_t LineEndAt(std::string_view text, size_t i) {
    if (i >= text.size()) return 0;
    if (text[i] == '\n') return 1;
    if (text[i] != '\r') return 0;
    return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

}  // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text, const std::string& path) {
    std::vector<CsvRecord> records;
    size_t line = 1;
    size_t i = 0;
    const auto fail = [&](const std::string& reason) {
        throw FileError("The file " + path + " could not be read, line " + std::to_string(line) + ": " + reason + ".");
    };
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const size_t opened_on = line;
                for (++i;; ++i) {
                    if (i >= text.size()) {
                        line = opened_on;
                        fail("a quoted field is not closed");
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (const size_t end = LineEndAt(text, i); end > 0) {
                        ++line;
                        field.append(text.substr(i, end));
                        i += end - 1;
                        continue;
                    }
                    field += text[i];
                }
                const bool ends = i >= text.size() || text[i] == ',' || LineEndAt(text, i) > 0;
                if (!ends) fail("text follows a closing quote");
            } else {
                while (i < text.size() && text[i] != ',' && LineEndAt(text, i) == 0) {
                    if (text[i] == '"') fail("a quote inside a field that does not start with one");
                    field += text[i++];
                }
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size()) {
                i += LineEndAt(text, i);
                ++line;
            }
            break;
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += CsvField(fields[i]);
    }
    return line;
}

}  // namespace vantorel
