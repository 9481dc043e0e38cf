#pragma once
// Several runs of one quantity against time in one plot, one line each, with a legend; one line
// may stand out (the base of a comparison).

#include <string>
#include <vector>

#include "graphs/plots/TimeAxis.h"

class QCustomPlot;

namespace vantorel {

struct OverlayLine {
    std::string name;
    std::vector<double> values;  // one per time step, from step 1
    bool emphasized = false;
};

struct OverlayChart {
    std::string title;
    std::string value_label;  // the value axis, with its unit
    bool downward = false;    // depths: the value axis grows downward
    std::vector<OverlayLine> lines;
    StepCalendar calendar;  // dates on the time axis, where known
};

// Replaces what the plot shows by the chart, the axes fitted to the lines.
void DrawOverlay(QCustomPlot& plot, const OverlayChart& chart);

// Draws the chart offscreen and saves it as a PNG through a temporary file. Needs a
// QApplication. Throws FileError naming the file.
void SaveOverlayPicture(const OverlayChart& chart, const std::string& path);

}  // namespace vantorel
