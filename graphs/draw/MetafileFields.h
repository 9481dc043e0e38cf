#pragma once
// Fields that both metafile readers decode: colours, single-byte text, points and fonts.

#include <QColor>
#include <QPolygonF>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "graphs/draw/GdiPlayer.h"
#include "graphs/draw/MetafileBytes.h"

namespace vantorel {

// A COLORREF: red, green and blue in the three low bytes.
inline QColor ColourRef(uint32_t value) { return QColor(value & 0xff, value >> 8 & 0xff, value >> 16 & 0xff); }

// Single-byte text of a metafile, in the Western Windows code page, up to the first zero byte.
QString AnsiText(const unsigned char* data, size_t size);

// count points of 16 (x, y as two 16-bit numbers) or 32 bits a coordinate from at on.
QPolygonF ReadPoints(const MetafileBytes& bytes, size_t at, size_t count, bool short_points);

// A font's numbers (16 bits each in a .wmf, 32 in an .emf) and flags from at on; not its face.
GdiFont ReadLogFont(const MetafileBytes& bytes, size_t at, bool short_fields);

}  // namespace vantorel
