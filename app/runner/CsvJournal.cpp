#include "app/runner/CsvJournal.h"

#include "model/TextFile.h"

namespace vantorel {

CsvJournal::CsvJournal(std::string path, std::string heading) : path_(std::move(path)), heading_(std::move(heading)) {
    WriteLinesFile(path_, {heading_});
    file_ = std::fopen(path_.c_str(), "ab");
}

CsvJournal::~CsvJournal() {
    if (file_ != nullptr) std::fclose(file_);
}

void CsvJournal::Append(const std::string& row) {
    if (file_ == nullptr) return;
    const std::string line = row + "\r\n";
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

void CsvJournal::Finish(const std::vector<std::string>& rows) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    AtomicFileWriter writer(path_);
    writer.Line(heading_);
    for (const std::string& row : rows) writer.Line(row);
    writer.Commit();
}

}  // namespace vantorel
