#include "app/runner/UncertaintyPictures.h"

#include "graphs/plots/OffscreenApplication.h"
#include "graphs/plots/UncertaintyPlots.h"
#include "model/TextFile.h"

namespace vantorel {

PictureFiles SaveUncertaintyPictureFiles(const FactorUncertainty& uncertainty, const RunValues& run,
                                         const std::string& folder) {
    EnsureOffscreenApplication();
    PictureFiles pictures;
    try {
        pictures.files = SaveUncertaintyPictures(uncertainty, folder, std::pair{run.QH1Used, run.QH2Used});
    } catch (const FileError& failure) {
        pictures.error = failure.what();
    }
    return pictures;
}

}  // namespace vantorel
