#pragma once
// Device-independent bitmaps as metafiles embed them: a bitmap info header with its colour table,
// and the pixels, either packed after it or held apart.

#include <QByteArray>
#include <QImage>

#include "graphs/draw/MetafileBytes.h"

namespace vantorel {

// False when a Windows bitmap file (with its file header) holds fewer pixels than its header
// promises; compressed bitmaps, whose size cannot be known beforehand, count as complete.
bool BitmapComplete(const QByteArray& bytes);

// The bitmap of an info header and colour table followed by its pixels; null when it cannot be
// decoded (a damaged header, missing pixels, colours that index a palette).
QImage DecodePackedDib(const MetafileBytes& dib);
QImage DecodeDib(const MetafileBytes& info, const MetafileBytes& pixels);

}  // namespace vantorel
