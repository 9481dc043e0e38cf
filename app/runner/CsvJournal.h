#pragma once
// A CSV file of many runs (a manifest, a study's summary) that grows a row as each run finishes:
// however the program ends, even killed outright, the file is a valid CSV of the runs finished so
// far, and never the rows of an earlier call. Once all have ended it is replaced at once by the
// rows in their order.

#include <cstdio>
#include <string>
#include <vector>

namespace vantorel {

class CsvJournal {
public:
    // Replaces the file by the heading alone. Throws FileError naming the file.
    CsvJournal(std::string path, std::string heading);
    ~CsvJournal();
    CsvJournal(const CsvJournal&) = delete;
    CsvJournal& operator=(const CsvJournal&) = delete;

    // Appends one row (without its line end) and hands it to the system at once. A row that
    // cannot be appended is left to Finish, which writes the whole file again.
    void Append(const std::string& row);
    // Replaces the file with the heading and the rows, through a temporary file. Throws FileError.
    void Finish(const std::vector<std::string>& rows);

private:
    std::string path_;
    std::string heading_;
    std::FILE* file_ = nullptr;
};

}  // namespace vantorel
