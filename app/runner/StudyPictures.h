#pragma once
// The overlay pictures of a scenario study, as PNG files, without a display.

#include <string>
#include <vector>

#include "engine/StudyRun.h"

namespace vantorel {

struct StudyPictures {
    std::vector<std::string> files;  // the pictures written
    std::string error;               // the first picture that could not be written, and why
};

// FOLDER/water-table.png and FOLDER/salinity-*.png of the completed scenarios.
StudyPictures SaveStudyPictures(const std::vector<ScenarioResult>& results, const std::string& folder);

}  // namespace vantorel
