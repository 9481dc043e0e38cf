#pragma once
// The pictures of --uncertainty, as PNG files, without a display (see Pictures.h).

#include <string>

#include "app/runner/Pictures.h"
#include "engine/UncertaintyTables.h"
#include "model/RunValues.h"

namespace vantorel {

// FOLDER/posterior.png and a FOLDER/bands-SERIES.png per series, marking the pair the run used.
PictureFiles SaveUncertaintyPictureFiles(const FactorUncertainty& uncertainty, const RunValues& run,
                                         const std::string& folder);

}  // namespace vantorel
