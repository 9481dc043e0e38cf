#pragma once
// Windows metafiles (.wmf), with or without the placeable header in front. With it, the picture
// shows the header's box at its size in inches; without it, the picture spans the drawing.

#include <QImage>

#include "graphs/draw/MetafileBytes.h"

namespace vantorel {

// Throws MetafileDamaged for a file whose structure is broken or that draws nothing.
QImage RenderWmf(const MetafileBytes& file);

}  // namespace vantorel
