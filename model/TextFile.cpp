#include "model/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "model/NumberText.h"
#include "model/PlatformFiles.h"

namespace vantorel {

namespace {

std::string SystemReason() { return std::strerror(errno); }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The pattern of a temporary file beside the target for mkstemp: the target's name and six
// characters more, the name cut so that the whole stays within the 255 bytes a file system
// allows a name, and cut between characters of UTF-8, so that a legal name stays writable.
std::string TemporaryPattern(const std::string& path) {
    constexpr size_t LongestName = 255;
    constexpr std::string_view Suffix = ".XXXXXX";
    const size_t slash = path.find_last_of('/');
    const size_t name_start = slash == std::string::npos ? 0 : slash + 1;
    size_t kept = std::min(path.size() - name_start, LongestName - Suffix.size());
    while (kept > 0 && (static_cast<unsigned char>(path[name_start + kept]) & 0xC0) == 0x80) --kept;
    return path.substr(0, name_start + kept).append(Suffix);
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    const int descriptor = platform::OpenForReading(path);
    if (descriptor < 0) throw FileError("The file " + path + " could not be opened: " + SystemReason() + ".");
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        // A pipe or a device such as /dev/zero may never end.
        throw FileError("The file " + path + " could not be read: " +
                        (S_ISDIR(status.st_mode) ? "it is a folder." : "it is not a regular file."));
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) continue;
            const std::string reason = SystemReason();
            ::close(descriptor);
            throw FileError("The file " + path + " could not be read: " + reason + ".");
        }
        if (count == 0) break;
        content.append(buffer, static_cast<size_t>(count));
    }
    ::close(descriptor);
    return content;
}

std::vector<std::string> ReadTextFileLines(const std::string& path) {
    const std::string content = ReadFileBytes(path);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n') continue;
        lines.emplace_back(content, start, i - start);
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < content.size()) lines.emplace_back(content, start);
    return lines;
}

FieldReader::FieldReader(std::string path, std::vector<std::string> lines)
    : path_(std::move(path)), lines_(std::move(lines)) {}

const std::string& FieldReader::CurrentLine() {
    if (AtEnd()) Fail("the file ends early");
    return lines_[line_];
}

void FieldReader::Skip(size_t count) {
    const std::string& line = CurrentLine();
    column_ = std::min(line.size(), column_ + count);
}

std::string FieldReader::Field(size_t count) {
    const std::string& line = CurrentLine();
    const size_t start = std::min(line.size(), column_);
    const size_t length = std::min(count, line.size() - start);
    column_ = start + length;
    return line.substr(start, length);
}

std::string_view FieldReader::Peek(size_t count) const {
    if (AtEnd()) return {};
    const std::string_view line = lines_[line_];
    const size_t start = std::min(line.size(), column_);
    return line.substr(start, count);
}

void FieldReader::NextLine() {
    if (!AtEnd()) ++line_;
    column_ = 0;
}

int32_t FieldReader::ReadInteger() {
    const std::string& line = CurrentLine();
    while (column_ < line.size() && IsBlank(line[column_])) ++column_;
    const size_t start = column_;
    while (column_ < line.size() && !IsBlank(line[column_])) ++column_;
    const std::string text = line.substr(start, column_ - start);
    try {
        return StringToInt(text);
    } catch (const std::exception& error) {
        Fail(error.what());
    }
}

double FieldReader::ReadNumber() {
    const std::string& line = CurrentLine();
    while (column_ < line.size() && IsBlank(line[column_])) ++column_;
    const size_t start = column_;
    while (column_ < line.size() && !IsBlank(line[column_])) ++column_;
    return Convert(std::string_view(line).substr(start, column_ - start));
}

double FieldReader::FieldNumber(size_t count) { return Convert(Field(count)); }

double FieldReader::Convert(std::string_view text) {
    try {
        return StringToFloat(TrimBlanks(text));
    } catch (const ConversionError& error) {
        Fail(error.what());
    }
}

void FieldReader::Fail(const std::string& reason) const {
    throw FileError("The file " + path_ + " could not be read, line " + std::to_string(line_ + 1) + ": " + reason +
                    ".");
}

void AtomicFileWriter::Line(std::string_view text) {
    text_.append(text);
    text_.append("\r\n");
}

void AtomicFileWriter::Commit() const {
    const auto fail = [this](const std::string& reason) {
        throw FileWriteError("The file " + path_ + " could not be written: " + reason + ".");
    };
    // A rename would put the file in place of a folder, a pipe or a device such as /dev/null.
    struct stat status {};
    if (::stat(path_.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        fail(S_ISDIR(status.st_mode) ? "it is a folder" : "it is not a regular file");
    }

    std::string temporary = TemporaryPattern(path_);
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) fail(SystemReason());
    const auto abandon = [&](const std::string& reason) {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        fail(reason);
    };
    size_t written = 0;
    while (written < text_.size()) {
        const ssize_t count = ::write(descriptor, text_.data() + written, text_.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            abandon(SystemReason());
        }
        written += static_cast<size_t>(count);
    }
    if (!platform::FinishTemporaryFile(descriptor)) abandon(SystemReason());
    if (::close(descriptor) != 0) {
        const std::string reason = SystemReason();
        ::unlink(temporary.c_str());
        fail(reason);
    }
    if (!platform::RenameOver(temporary, path_)) {
        const std::string reason = SystemReason();
        ::unlink(temporary.c_str());
        fail(reason);
    }
}

void WriteLinesFile(const std::string& path, const std::vector<std::string>& lines) {
    AtomicFileWriter writer(path);
    for (const std::string& line : lines) writer.Line(line);
    writer.Commit();
}

}  // namespace vantorel
