#pragma once
// The pictures of --objective-map, as PNG files, without a display (see Pictures.h).

#include <string>

#include "app/runner/Pictures.h"
#include "engine/ObjectiveMap.h"
#include "model/RunValues.h"

namespace vantorel {

// FOLDER/objective-map-OBJECTIVE.png of every objective that has measurements, with the
// near-optimal region within `percent` and the pair the run used.
PictureFiles SaveObjectiveMapPictures(const ObjectiveMap& map, double percent, const RunValues& run,
                                      const std::string& folder);

// FOLDER/leaching-curves.png of the run's leaching searches.
PictureFiles SaveLeachingCurvesPicture(const RunValues& run, const std::string& folder);

}  // namespace vantorel
