#pragma once
// What the analysis views with a plot share: their layout, the busy indicator of a computation and
// the text of the point under the pointer (saving is ViewSaves.h).

#include <QString>

#include <functional>

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

}  // namespace vantorel
