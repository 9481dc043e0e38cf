#pragma once
// The overlay pictures of a scenario study, as PNG files, without a display (see Pictures.h).

#include <string>
#include <vector>

#include "app/runner/Pictures.h"
#include "engine/SampledRows.h"

namespace vantorel {

// FOLDER/water-table.png and FOLDER/salinity-*.png of the completed scenarios that are no samples,
// and FOLDER/bands-ROW-SERIES.png of each band of the sampled rows.
PictureFiles SaveStudyPictures(const std::vector<ScenarioResult>& results, const std::vector<SampledRow>& rows,
                               const std::string& folder);

}  // namespace vantorel
