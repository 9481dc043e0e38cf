#include "ui/GraphsPage.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QWidget* BuildGraphsPage(GraphControls& graphs) {
    auto* page = new QWidget;
    page->setObjectName("GraphTab");
    graphs.GraphTab = page;

    graphs.GraphImage = MakeLabel("GraphImage", QString());
    graphs.GraphImage->setFixedSize(617, 441);
    graphs.GraphImage->hide();
    graphs.GraphPanel = new QFrame;
    graphs.GraphPanel->setObjectName("GraphPanel");
    graphs.GraphPanel->setFrameShape(QFrame::StyledPanel);
    graphs.GraphPanel->setMinimumSize(260, 260);
    graphs.SaveGraphButton = MakeButton("SaveGraphButton", "Save graph");
    graphs.GraphSelectButton = MakeButton("GraphSelectButton", "Select graph");
    graphs.SaveGraphButton->setEnabled(false);
    graphs.GraphSelectButton->setEnabled(false);

    auto* layout = new QGridLayout(page);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(graphs.SaveGraphButton);
    buttons->addWidget(graphs.GraphSelectButton);
    buttons->addStretch(1);
    layout->addWidget(graphs.GraphImage, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(graphs.GraphPanel, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addLayout(buttons, 0, 1);
    layout->setColumnStretch(0, 1);
    return page;
}

}  // namespace vantorel
