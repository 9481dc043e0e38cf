#pragma once
// The Graphs page's controls: the picture, the panel of graph choices with "Go", and the buttons
// that make, save, select and open graphs. The window's handlers (ui/GraphActions.cpp) drive
// them. The page shows one of two faces: the choices (the panel) or the picture.

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <optional>

#include "graphs/GraphState.h"
#include "graphs/GraphTypes.h"

namespace vantorel {

struct GraphControls {
    QWidget* GraphTab = nullptr;
    QLabel* GraphImage = nullptr;
    QFrame* GraphPanel = nullptr;
    // In the order of the graph types: GraphHydrRadioButton .. SalBelowRadioButton.
    std::array<QRadioButton*, AllGraphTypes.size()> GraphRadioButtons = {};
    QPushButton* GraphGoButton = nullptr;
    QPushButton* MakeGraphButton = nullptr;
    QPushButton* SaveGraphButton = nullptr;
    QPushButton* GraphSelectButton = nullptr;
    QPushButton* OpenGrapButton = nullptr;

    // What the picture shows, drawn or opened, and the scaling of the graph last drawn.
    QImage Picture;
    GraphState Graph;

    QRadioButton* Choice(GraphType type) const { return GraphRadioButtons[static_cast<size_t>(type)]; }
    // The graph whose radio button is selected; none once the selected one was deselected.
    std::optional<GraphType> ChosenGraph() const;
};

// Creates the page showing its selection face, with "All hydrological flow factors" chosen.
QWidget* BuildGraphsPage(GraphControls& graphs);

// The panel visible, the picture hidden, "Save graph" and "Select graph" disabled.
void ShowSelectionFace(GraphControls& graphs);
// The picture visible, the panel hidden, "Save graph" and "Select graph" enabled.
void ShowPictureFace(GraphControls& graphs);
// Puts the picture into GraphImage, visible or not.
void SetGraphPicture(GraphControls& graphs, QImage picture);
// Enables the choices that exist for a root zone of this many layers; disables and deselects
// the others (the layer-2 and layer-3 graphs).
void LimitChoicesToLayers(GraphControls& graphs, int layers);

}  // namespace vantorel
