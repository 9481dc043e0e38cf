#include "ui/GraphsPage.h"

#include <QGridLayout>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

namespace {

const char* RadioButtonName(GraphType type) {
    switch (type) {
        case GraphType::AllHydrology: return "GraphHydrRadioButton";
        case GraphType::SurfaceHydrology: return "SurfHydrRadioButton";
        case GraphType::SubsurfaceHydrology: return "SubSurfHydrRadioButton";
        case GraphType::WaterTable: return "GraphWTRadioButton";
        case GraphType::SalinityAllLayers: return "GraphSaltRadioButton";
        case GraphType::SalinityLayer1: return "SalFirstRadioButton";
        case GraphType::SalinityLayer2: return "SalSecondRadioButton";
        case GraphType::SalinityLayer3: return "SalThirdRadioButton";
        case GraphType::SalinityBelowRootZone: return "SalBelowRadioButton";
    }
    return "";
}

void Deselect(QRadioButton* button) {
    // A selected button of an exclusive set cannot be deselected while it is exclusive.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

}  // namespace

std::optional<GraphType> GraphControls::ChosenGraph() const {
    for (const GraphType type : AllGraphTypes) {
        if (Choice(type)->isChecked()) return type;
    }
    return std::nullopt;
}

QWidget* BuildGraphsPage(GraphControls& graphs) {
    auto* page = new QWidget;
    page->setObjectName("GraphTab");
    graphs.GraphTab = page;

    graphs.GraphImage = MakeLabel("GraphImage", QString());
    graphs.GraphImage->setFixedSize(617, 441);
    graphs.GraphImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    graphs.GraphPanel = new QFrame;
    graphs.GraphPanel->setObjectName("GraphPanel");
    graphs.GraphPanel->setFrameShape(QFrame::StyledPanel);
    auto* choices = new QVBoxLayout(graphs.GraphPanel);
    for (const GraphType type : AllGraphTypes) {
        auto* button = new QRadioButton(GraphCaption(type));
        button->setObjectName(RadioButtonName(type));
        graphs.GraphRadioButtons[static_cast<size_t>(type)] = button;
        choices->addWidget(button);
    }
    graphs.Choice(GraphType::AllHydrology)->setChecked(true);
    graphs.GraphGoButton = MakeButton("GraphGoButton", "Go");
    choices->addSpacing(6);
    choices->addWidget(graphs.GraphGoButton, 0, Qt::AlignLeft);

    graphs.MakeGraphButton = MakeButton("MakeGraphButton", "Make graph");
    graphs.SaveGraphButton = MakeButton("SaveGraphButton", "Save graph");
    graphs.GraphSelectButton = MakeButton("GraphSelectButton", "Select graph");
    graphs.OpenGrapButton = MakeButton("OpenGrapButton", "Open graph");
    ShowSelectionFace(graphs);

    auto* layout = new QGridLayout(page);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button :
         {graphs.MakeGraphButton, graphs.SaveGraphButton, graphs.GraphSelectButton, graphs.OpenGrapButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addWidget(graphs.GraphImage, 0, 0, Qt::AlignCenter);
    layout->addWidget(graphs.GraphPanel, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addLayout(buttons, 0, 1);
    layout->setColumnStretch(0, 1);
    return page;
}

void ShowSelectionFace(GraphControls& graphs) {
    graphs.GraphPanel->show();
    graphs.GraphImage->hide();
    graphs.SaveGraphButton->setEnabled(false);
    graphs.GraphSelectButton->setEnabled(false);
}

void ShowPictureFace(GraphControls& graphs) {
    graphs.GraphPanel->hide();
    graphs.GraphImage->show();
    graphs.SaveGraphButton->setEnabled(true);
    graphs.GraphSelectButton->setEnabled(true);
}

void SetGraphPicture(GraphControls& graphs, QImage picture) {
    graphs.Picture = std::move(picture);
    graphs.GraphImage->setPixmap(QPixmap::fromImage(graphs.Picture));
}

void LimitChoicesToLayers(GraphControls& graphs, int layers) {
    for (const GraphType type : AllGraphTypes) {
        QRadioButton* button = graphs.Choice(type);
        const bool applies = GraphApplies(type, layers);
        button->setEnabled(applies);
        if (!applies && button->isChecked()) Deselect(button);
    }
}

}  // namespace vantorel
