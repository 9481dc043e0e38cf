// The picture functions of a build without Qt (cmake -DVANTOREL_GUI=OFF): they draw nothing and
// write no file (see Pictures.h).

#include "app/runner/CalibrationPictures.h"
#include "app/runner/GraphExport.h"
#include "app/runner/PictureCommand.h"
#include "app/runner/Runner.h"
#include "app/runner/StudyPictures.h"
#include "app/runner/UncertaintyPictures.h"

namespace vantorel {

GraphExport ExportGraphs(const ModelState&, const std::string&, GraphFileFormat) {
    return {false, std::string(NoDrawingReason) + ".", {}, {}};
}

PictureFiles SaveObjectiveMapPictures(const ObjectiveMap&, double, const RunValues&, const std::string&) { return {}; }

PictureFiles SaveLeachingCurvesPicture(const RunValues&, const std::string&) { return {}; }

// Not reached: PictureOptionRefusal refuses --picture first.
int RunPictureCommand(const CommandLine&, std::ostream&, std::ostream& err) {
    err << "vantorel-run: --picture draws pictures, but " << NoDrawingReason << ".\n";
    return ExitBadInput;
}

PictureFiles SaveStudyPictures(const std::vector<ScenarioResult>&, const std::vector<SampledRow>&, const std::string&) {
    return {};
}

PictureFiles SaveUncertaintyPictureFiles(const FactorUncertainty&, const RunValues&, const std::string&) { return {}; }

}  // namespace vantorel
