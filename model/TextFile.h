#pragma once
// Reading and writing the program's single-byte text files: whole files as lines, a cursor that
// takes fixed-width fields by character position, and a writer that replaces a file only once
// the new text is complete.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// A file that cannot be opened, read or written, or whose text is malformed. The message names
// the file and, where it applies, the line.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file the system would not let the program write: a read-only folder, a full disk, a name too
// long. The message names the file and the system's reason.
class FileWriteError : public FileError {
public:
    using FileError::FileError;
};

// The bytes of a regular file. Throws FileError when the file cannot be read.
std::string ReadFileBytes(const std::string& path);

// The lines of a text file without their line ends; CR LF, LF and a lone CR all end a line.
// Throws FileError when the file cannot be read.
std::vector<std::string> ReadTextFileLines(const std::string& path);

// Reads a file's lines field by field, the way the file layouts describe them.
class FieldReader {
public:
    FieldReader(std::string path, std::vector<std::string> lines);

    // Discards the next n characters of the current line (fewer at its end).
    void Skip(size_t count);
    // The next n characters of the current line (fewer at its end).
    std::string Field(size_t count);
    // The same characters without taking them; empty at the end of the file.
    std::string_view Peek(size_t count) const;
    // The whole current line, whatever has been taken of it; empty at the end of the file.
    std::string_view WholeLine() const { return AtEnd() ? std::string_view() : std::string_view(lines_[line_]); }
    // Discards the rest of the current line.
    void NextLine();
    // Skips blanks and reads an integer up to the next blank.
    int32_t ReadInteger();
    // Skips blanks and reads a number up to the next blank.
    double ReadNumber();
    // A field converted as a decimal number.
    double FieldNumber(size_t count);
    // Converts a text taken from the current line, reporting a failure at this line.
    double Convert(std::string_view text);

    bool AtEnd() const { return line_ >= lines_.size(); }
    size_t LineNumber() const { return line_ + 1; }
    size_t LinesLeft() const { return AtEnd() ? 0 : lines_.size() - line_; }
    const std::string& Path() const { return path_; }

    // Throws FileError naming the file and the current line.
    [[noreturn]] void Fail(const std::string& reason) const;

private:
    const std::string& CurrentLine();
    std::string path_;
    std::vector<std::string> lines_;
    size_t line_ = 0;
    size_t column_ = 0;
};

// Collects the text of a file and writes it to a temporary file in the target's folder that is
// renamed over the target when complete: a failed write leaves the previous file as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path) : path_(std::move(path)) {}
    // Appends the text and a CR LF.
    void Line(std::string_view text);
    // Writes the file. Throws FileWriteError naming the file.
    void Commit() const;

private:
    std::string path_;
    std::string text_;
};

// Writes the lines, each ended by CR LF, through an AtomicFileWriter. Throws FileWriteError.
void WriteLinesFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace vantorel
