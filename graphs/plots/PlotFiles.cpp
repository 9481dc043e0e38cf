#include "graphs/plots/PlotFiles.h"

#include <qcustomplot.h>

#include "graphs/draw/PictureFiles.h"

namespace vantorel {

void SavePlotPicture(QCustomPlot& plot, const std::string& path, int width, int height) {
    SavePicture(plot.toPixmap(width, height).toImage(), path);
}

}  // namespace vantorel
