#pragma once
// Enhanced metafiles (.emf): the picture shows the header's frame at its size in millimetres.
// Of a file with extension records, the classic records that every such file carries as well
// are drawn.

#include <QImage>

#include "graphs/draw/MetafileBytes.h"

namespace vantorel {

// Throws MetafileDamaged for a file whose structure is broken or that draws nothing.
QImage RenderEmf(const MetafileBytes& file);

}  // namespace vantorel
