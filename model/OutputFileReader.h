#pragma once
// Reading an output file (".out") back.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/InputData.h"
#include "model/ModelState.h"
#include "model/OutputFileLayout.h"
#include "model/TextFile.h"
#include "model/UserDialogs.h"

namespace vantorel {

// An output file that cannot be opened, after the reader has said so in its own words; a window
// shows nothing more.
class OutputFileUnopened : public FileError {
public:
    using FileError::FileError;
};

// Every line of the output file that belongs to FileName (its extension replaced by ".out";
// FileName itself unchanged), for the Output page's text. Throws FileError.
std::vector<std::string> ShowOutputText(const InputData& data);

// A leaching-efficiency line of the header.
struct OutputZoneLine {
    double efficiency = 0;
    bool optimized = false;
    std::optional<double> fit;  // none after "n.a."
};

// What an output file says, as read. A value the file does not give is none: put into a model
// state, the state's own value stays.
struct OutputFileResults {
    int32_t NrLayers = 1;
    int32_t NrTimeSteps = 0;
    bool DrainOptWanted = false;
    bool QHOptBalance = false, QHOptDwt = false, QHOptDrain = false;
    std::optional<double> QH1Used, QH2Used, FitDwt, FitDrain;
    // None for a zone the file has no line of (a layer the root zone does not have).
    std::array<std::optional<OutputZoneLine>, ZoneCount> Zones;
    bool StorageColumn = false;
    bool RicePresent = false;  // a ponded depth greater than 0 was read
    // The rows lack the surface drainage; the series hold the rows read before.
    bool Invalid = false;
    // Rows whose surface drainage was read: all of them unless the file is invalid.
    int32_t SurfaceDrainageRows = 0;

    // A result series of the file (NrTimeSteps + 1 values, element i from row i); empty for a
    // column the file does not have.
    const StepSeries& Series(const OutputQuantity& quantity) const;
    StepSeries& SeriesToFill(const OutputQuantity& quantity);

private:
    std::vector<std::pair<const OutputQuantity*, StepSeries>> series_;
};

// Reads the output file at the path: the layer and step counts, the drainage factors and
// leaching efficiencies of the header (fit values in per cent, as printed), and every row. Reads
// nothing else and changes nothing. A file whose rows lack the surface drainage comes back
// Invalid after the message has been shown; reading then stops. A file that cannot be opened
// shows a message and throws OutputFileUnopened; a damaged file throws FileError naming the file
// and the line.
OutputFileResults ReadOutputFile(const std::string& path, UserDialogs& dialogs);

// Puts what an output file says into a model state, where the tables and graphs take it: the
// layer and step counts into the data set, the series into the run's and the data set's (Sdr
// keeps its values beyond the rows read, SdrGiven and DwtMeas are resized to the steps).
void PutOutputFileResults(const OutputFileResults& results, ModelState& state);

// Points FileName at the output file (extension ".out"), reads it and puts it into the state,
// InvalidOutput telling whether it was refused. A file that cannot be read changes nothing but
// FileName and, for a damaged file, InvalidOutput (set); the errors are those of ReadOutputFile.
void LoadOutputFile(ModelState& state, UserDialogs& dialogs);

}  // namespace vantorel
