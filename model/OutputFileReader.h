#pragma once
// Reading an output file (".out") back.

#include <string>
#include <vector>

#include "model/InputData.h"
#include "model/ModelState.h"
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

// Points FileName at the output file (extension ".out") and reads it back: the layer and step
// counts, the drainage factors and leaching efficiencies of the header (fit values in per cent,
// as printed), and every row into the result series, Stor, Sdr and Pond. A file whose rows lack
// the surface drainage is refused with a message and InvalidOutput set; reading then stops.
// A file that cannot be opened shows a message and throws OutputFileUnopened; a damaged file throws
// FileError naming the file and the line, with InvalidOutput set. The header takes effect only
// once it has been read completely, so a damaged header changes nothing but FileName and
// InvalidOutput; a damaged row keeps what was read before it.
void LoadOutputFile(ModelState& state, UserDialogs& dialogs);

}  // namespace vantorel
