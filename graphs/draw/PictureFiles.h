#pragma once
// Graph pictures as files: saved as a Windows bitmap or PNG, opened from a bitmap, icon, PNG,
// JPEG or metafile (.wmf, .emf). The format follows the file name's extension.

#include <QImage>
#include <string>

namespace vantorel {

// Writes the picture as a Windows bitmap (".bmp") or PNG (".png") through a temporary file that
// replaces the target once complete. Throws FileError naming the file.
void SavePicture(const QImage& picture, const std::string& path);

struct OpenedPicture {
    QImage Picture;     // null when the file could not be shown
    std::string Error;  // a message for the user naming the file
};

// Never throws; a damaged file gives an error text.
OpenedPicture OpenPicture(const std::string& path);

}  // namespace vantorel
