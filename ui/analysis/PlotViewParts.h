#pragma once
// What the analysis views with a plot share: the busy indicator of a computation, the text of the
// point under the pointer, and saving the picture or the table shown.

#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "ui/Platform.h"

class QBoxLayout;
class QCustomPlot;
class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vantorel {

// The view's layout: its choices on top, a note, the plot, and below it the pointer's text with the
// two save buttons.
void LayOutPlotView(QDialog& view, QBoxLayout* choices, QLabel* note, QCustomPlot* plot, QLabel* point,
                    QPushButton* save_picture, QPushButton* save_table);

// A bar that moves while a computation runs; hidden until one starts.
QProgressBar* MakeBusyBar(const char* name);

// The label shows text(x, y) for the point under the pointer, in the plot's axes' units.
void FollowPointer(QCustomPlot& plot, QLabel& label, std::function<QString(double x, double y)> text);

// Ask for a file name and save the plot as a PNG, or the lines as a CSV file; say where, or why not.
void SavePlotAs(WindowServices& services, const FileDialogSettings& dialog, QCustomPlot& plot);
void SaveTableAs(WindowServices& services, const FileDialogSettings& dialog, const std::vector<std::string>& lines);

}  // namespace vantorel
