#pragma once
// Metafiles written record by record for the records that graphs saved by office and drawing
// programs use: shapes, pens, brushes and hatches, paths, clipping, texts in several fonts and
// alignments, embedded bitmaps, and the mappings of logical units.

#include <string>
#include <utility>
#include <vector>

namespace vantorel::test {

// File name and content of each hand-made metafile of tests/data/metafiles.
std::vector<std::pair<std::string, std::string>> HandMadeMetafiles();

}  // namespace vantorel::test
