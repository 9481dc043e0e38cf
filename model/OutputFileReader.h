#pragma once
// Reading an output file (".out") back.

#include <string>
#include <vector>

#include "model/InputData.h"
#include "model/TextFile.h"

namespace vantorel {

// Every line of the output file that belongs to FileName (its extension replaced by ".out";
// FileName itself unchanged), for the Output page's text. Throws FileError.
std::vector<std::string> ShowOutputText(const InputData& data);

}  // namespace vantorel
