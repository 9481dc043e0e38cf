#pragma once
// The Graphs page's controls: the picture, the panel of graph choices, and the buttons that
// save the picture and go back to the choices. They are drawn and driven by the graphs code.

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vantorel {

struct GraphControls {
    QWidget* GraphTab = nullptr;
    QLabel* GraphImage = nullptr;
    QFrame* GraphPanel = nullptr;
    QPushButton* SaveGraphButton = nullptr;
    QPushButton* GraphSelectButton = nullptr;
};

// Creates the page showing its selection face: the panel visible, the picture hidden, "Save
// graph" and "Select graph" disabled.
QWidget* BuildGraphsPage(GraphControls& graphs);

}  // namespace vantorel
