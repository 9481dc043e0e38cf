#include "graphs/draw/PictureFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <algorithm>
#include <cctype>

#include "graphs/draw/DibBitmap.h"
#include "graphs/draw/EmfPicture.h"
#include "graphs/draw/JpegLoader.h"
#include "graphs/draw/WmfPicture.h"
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

OpenedPicture OpenJpeg(const std::string& path, const QByteArray& bytes) {
    DecodedPicture decoded =
        DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    if (decoded.Picture.isNull()) return Refused(path, "it is not a readable JPEG picture (" + decoded.Error + ")");
    return {std::move(decoded.Picture), {}};
}

OpenedPicture OpenMetafile(const std::string& path, const QByteArray& bytes, bool enhanced) {
    const MetafileBytes file(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    try {
        return {enhanced ? RenderEmf(file) : RenderWmf(file), {}};
    } catch (const MetafileDamaged& damage) {
        return Refused(path, std::string("it is not a readable ") + (enhanced ? "enhanced " : "") + "metafile (" +
                                 damage.what() + ")");
    }
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
    const bool metafile = extension == ".wmf" || extension == ".emf";
    const char* format = extension == ".bmp" ? "bmp" : extension == ".png" ? "png" : extension == ".ico" ? "ico" : nullptr;
    if (!jpeg && !metafile && format == nullptr) {
        return Refused(path, "this picture format cannot be shown here; open a bitmap (.bmp), icon (.ico), PNG (.png), "
                             "JPEG (.jpg) or metafile (.wmf, .emf) file");
    }
    QByteArray bytes;
    std::string error;
    if (!ReadPictureFile(path, bytes, error)) return Refused(path, error);
    if (jpeg) return OpenJpeg(path, bytes);
    if (metafile) return OpenMetafile(path, bytes, extension == ".emf");
    if (extension == ".bmp" && !BitmapComplete(bytes)) return Refused(path, "the bitmap is damaged or incomplete");
    return OpenWithQt(path, bytes, format);
}

}  // namespace vantorel
