#pragma once
// Plots saved as pictures, the same plot the window shows.

#include <string>

class QCustomPlot;

namespace vantorel {

inline constexpr int PlotPictureWidth = 900, PlotPictureHeight = 700;

// Renders the plot at the given size into a PNG (or bitmap, by extension) written through a
// temporary file. Throws FileError naming the file.
void SavePlotPicture(QCustomPlot& plot, const std::string& path, int width = PlotPictureWidth,
                     int height = PlotPictureHeight);

}  // namespace vantorel
