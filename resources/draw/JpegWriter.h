#pragma once
// Writes a picture as a baseline JPEG file with libjpeg, the library the program decodes with.

#include <QImage>

#include <string>

namespace vantorel::pictures {

// Returns an empty text when written, else why not.
std::string WriteJpeg(const QImage& picture, const std::string& path, int quality);

}  // namespace vantorel::pictures
