#pragma once
// "Save picture" and "Save table" of the analysis views: the file chosen in the save dialog is
// written through a temporary file and a message confirms it; a failure shows in the error box.

#include <string>
#include <vector>

#include "ui/Platform.h"

class QCustomPlot;

namespace vantorel {

// The plot at the fixed size of saved pictures (900 x 700), PNG or bitmap by the extension.
void SavePlotPictureAs(WindowServices& services, const FileDialogSettings& dialog, QCustomPlot& plot);
// The lines of a CSV table.
void SaveTableAs(WindowServices& services, const FileDialogSettings& dialog, const std::vector<std::string>& lines);

}  // namespace vantorel
