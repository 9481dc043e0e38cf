#pragma once
// Filling every editor from a data set just read from an input file, so that each group shows
// the data it will save.

#include "model/InputFile.h"
#include "ui/DrainageEditor.h"
#include "ui/EditorContext.h"
#include "ui/RiceEditor.h"

namespace vantorel {

// The salinity grid of the layer count shows the cell texts as the file held them.
void ShowDataSet(EditorContext& x, const SalinityCellTexts& salinity_texts, DrainageEditor& drainage, RiceEditor& rice);

}  // namespace vantorel
