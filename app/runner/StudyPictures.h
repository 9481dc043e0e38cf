#pragma once
// The overlay pictures of a scenario study, as PNG files, without a display (see Pictures.h).

#include <string>
#include <vector>

#include "app/runner/Pictures.h"
#include "engine/StudyRun.h"

namespace vantorel {

// FOLDER/water-table.png and FOLDER/salinity-*.png of the completed scenarios.
PictureFiles SaveStudyPictures(const std::vector<ScenarioResult>& results, const std::string& folder);

}  // namespace vantorel
