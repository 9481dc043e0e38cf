#pragma once
// Decoding JPEG pictures with libjpeg: the pictures opened on the graph page and the drawing of
// the drainage-factor calculator.

#include <QImage>
#include <cstddef>
#include <string>

namespace vantorel {

struct DecodedPicture {
    QImage Picture;     // null when the picture could not be decoded
    std::string Error;  // why, in libjpeg's words
};

// Decodes a JPEG held in memory into an RGB picture. A damaged or truncated picture gives an
// error, never a partly grey picture.
DecodedPicture DecodeJpeg(const unsigned char* data, size_t size);

}  // namespace vantorel
