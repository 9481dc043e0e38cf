#include "graphs/draw/PictureFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "graphs/draw/JpegLoader.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

// A picture file larger than this is not a graph picture; it is refused before it is read.
constexpr qint64 MaxPictureFileBytes = 256LL * 1024 * 1024;

std::string LowerExtension(const std::string& path) {
    const size_t name_start = path.find_last_of('/');
    const size_t point = path.rfind('.');
    if (point == std::string::npos || (name_start != std::string::npos && point < name_start)) return "";
    std::string extension = path.substr(point);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

QString QtPath(const std::string& path) { return QString::fromStdString(path); }

OpenedPicture Refused(const std::string& path, const std::string& reason) {
    return {QImage(), "The picture file " + path + " could not be shown: " + reason + "."};
}

// The whole file, or an error text.
bool ReadPictureFile(const std::string& path, QByteArray& bytes, std::string& error) {
    QFile file(QtPath(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    if (file.size() > MaxPictureFileBytes) {
        error = "the file is too large for a picture";
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}

uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int length) {
    uint32_t value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The bitmap reader shows a truncated file as a partly black picture; such a file is refused
// here. Compressed bitmaps, whose size cannot be known beforehand, are left to the reader.
bool BitmapComplete(const QByteArray& bytes) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const uint32_t header = LittleEndian(bytes, 14, 4);
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0;
    if (header == 12) {
        width = LittleEndian(bytes, 18, 2);
        height = LittleEndian(bytes, 20, 2);
        bits = LittleEndian(bytes, 24, 2);
    } else {
        if (bytes.size() < 34) return false;
        width = static_cast<int32_t>(LittleEndian(bytes, 18, 4));
        height = static_cast<int32_t>(LittleEndian(bytes, 22, 4));
        bits = LittleEndian(bytes, 28, 2);
        compression = LittleEndian(bytes, 30, 4);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed) return true;
    const int64_t stride = (std::abs(width) * bits + 31) / 32 * 4;
    return int64_t{LittleEndian(bytes, 10, 4)} + stride * std::abs(height) <= bytes.size();
}

OpenedPicture OpenJpeg(const std::string& path, const QByteArray& bytes) {
    DecodedPicture decoded =
        DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    if (decoded.Picture.isNull()) return Refused(path, "it is not a readable JPEG picture (" + decoded.Error + ")");
    return {std::move(decoded.Picture), {}};
}

OpenedPicture OpenWithQt(const std::string& path, QByteArray& bytes, const char* format) {
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    QImage picture = reader.read();
    if (picture.isNull()) return Refused(path, reader.errorString().toStdString());
    return {std::move(picture), {}};
}

}  // namespace

void SavePicture(const QImage& picture, const std::string& path) {
    const std::string extension = LowerExtension(path);
    const char* format = extension == ".bmp" ? "BMP" : extension == ".png" ? "PNG" : nullptr;
    const auto fail = [&](const std::string& reason) {
        throw FileError("The file " + path + " could not be written: " + reason + ".");
    };
    if (format == nullptr) fail("a graph is saved as a bitmap (.bmp) or PNG (.png) file");
    QSaveFile file(QtPath(path));
    if (!file.open(QIODevice::WriteOnly)) fail(file.errorString().toStdString());
    if (!picture.save(&file, format)) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        fail(reason.empty() || reason == "Unknown error" ? "the picture could not be encoded" : reason);
    }
    if (!file.commit()) fail(file.errorString().toStdString());
}

OpenedPicture OpenPicture(const std::string& path) {
    const std::string extension = LowerExtension(path);
    const bool jpeg = extension == ".jpg" || extension == ".jpeg" || extension == ".jpe" || extension == ".jfif";
    const char* format = extension == ".bmp" ? "bmp" : extension == ".png" ? "png" : extension == ".ico" ? "ico" : nullptr;
    if (extension == ".wmf" || extension == ".emf") {
        return Refused(path, "metafiles (.wmf, .emf) cannot be shown here; save the picture as a bitmap, PNG or JPEG");
    }
    if (!jpeg && format == nullptr) {
        return Refused(path, "this picture format cannot be shown here; open a bitmap (.bmp), icon (.ico), PNG (.png) "
                             "or JPEG (.jpg) file");
    }
    QByteArray bytes;
    std::string error;
    if (!ReadPictureFile(path, bytes, error)) return Refused(path, error);
    if (jpeg) return OpenJpeg(path, bytes);
    if (extension == ".bmp" && !BitmapComplete(bytes)) return Refused(path, "the bitmap is damaged or incomplete");
    return OpenWithQt(path, bytes, format);
}

}  // namespace vantorel
