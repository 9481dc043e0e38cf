// The Graphs page's buttons: the choice of a graph and "Go", saving the picture and opening a
// picture file, and "See graphs" on the Output page.

#include <QDir>
#include <QFileInfo>

#include "graphs/draw/DrawGraph.h"
#include "graphs/draw/PictureFiles.h"
#include "model/FileNames.h"
#include "ui/MainForm.h"
#include "ui/QtPlatform.h"

namespace vantorel {

namespace {

// Bitmaps as the graph files have always been; PNG for pictures that go into reports.
constexpr const char* GraphSaveFilter = "Bitmap files (*.bmp)|*.bmp|PNG files (*.png)|*.png";
// Every picture the page can show.
constexpr const char* GraphOpenFilter =
    "bitmap files (*.bmp)|*.bmp|PNG files (*.png)|*.png|JPEG files (*.jpg *.jpeg)|*.jpg;*.jpeg|"
    "icon files (*.ico)|*.ico|metafiles (*.wmf *.emf)|*.wmf;*.emf";

int RootZoneLayers(const InputData& d) {
    if (d.Is1Layer) return 1;
    if (d.Is2Layer) return 2;
    if (d.Is3Layer) return 3;
    return d.NrLayers;
}

}  // namespace

void TMainForm::ConnectGraphsPage() {
    const std::string current = PathFromQt(QDir::currentPath());
    graph_save_dialog_ = {"GraphSaveDialog", GraphSaveFilter, "bmp", current};
    graph_open_dialog_ = {"GraphOpenDialog", GraphOpenFilter, "bmp", current};
    connect(out_.GraphButton, &QPushButton::clicked, this, [this] { GraphButtonClick(); });
    connect(graphs_.MakeGraphButton, &QPushButton::clicked, this, [this] { MakeGraphButtonClick(); });
    connect(graphs_.GraphGoButton, &QPushButton::clicked, this, [this] { GraphGoButtonClick(); });
    connect(graphs_.GraphSelectButton, &QPushButton::clicked, this, [this] { GraphSelectButtonClick(); });
    connect(graphs_.SaveGraphButton, &QPushButton::clicked, this, [this] { SaveGraphButtonClick(); });
    connect(graphs_.OpenGrapButton, &QPushButton::clicked, this, [this] { OpenGrapButtonClick(); });
}

void TMainForm::GraphButtonClick() {
    ShowSelectionFace(graphs_);
    LimitChoicesToLayers(graphs_, RootZoneLayers(state_.Input));
    PageControl->setCurrentWidget(graphs_.GraphTab);
}

void TMainForm::MakeGraphButtonClick() {
    services_.dialogs.ShowMessage("To make a graph, an output file must be opened first.");
    OpenOutputButtonClick();
    ShowSelectionFace(graphs_);
    PageControl->setCurrentWidget(graphs_.GraphTab);
}

void TMainForm::GraphSelectButtonClick() { ShowSelectionFace(graphs_); }

void TMainForm::GraphGoButtonClick() {
    UserDialogs& dialogs = services_.dialogs;
    // Without an output there is no file to draw from.
    if (!flags_.OutputAvailable) {
        dialogs.ShowMessage("To make a graph, an output file must be opened first.");
        return;
    }
    const std::optional<GraphType> type = graphs_.ChosenGraph();
    if (!type) {
        dialogs.ShowMessage("Choose one of the graphs first.");
        return;
    }
    const std::optional<ReadRunFiles> files =
        ReadFilesOrReport(state_.Input.FileName, {RunFile::Output, RunFile::Input});
    if (!files) return;
    KeepRunFiles(*files);
    // The graph shows the files as read: the actual surface drainage, not the given one.
    QImage picture = graphs_.Picture;
    const GraphDrawing drawing = DrawGraph(files->Read, graphs_.Graph, *type, picture);
    if (!drawing.Drawn) {
        dialogs.ShowMessage(drawing.Message);
        return;
    }
    SetGraphPicture(graphs_, std::move(picture));
    ShowPictureFace(graphs_);
}

void TMainForm::SaveGraphButtonClick() {
    UserDialogs& dialogs = services_.dialogs;
    const std::optional<std::string> path = services_.files.SaveFile(graph_save_dialog_);
    if (!path) {
        dialogs.ShowMessage("The graph was not saved");
        return;
    }
    graph_save_dialog_.initial_directory = FolderPart(*path);
    if (QFileInfo::exists(PathToQt(*path)) && !dialogs.AskYesNo("The graph already exists, overwrite?")) return;
    try {
        SavePicture(graphs_.Picture, *path);
    } catch (const std::exception& error) {
        services_.errors.ShowError(error.what());
        return;
    }
    dialogs.ShowMessage("The graph was saved as  " + *path);
}

void TMainForm::OpenGrapButtonClick() {
    const std::optional<std::string> path = services_.files.OpenFile(graph_open_dialog_);
    if (!path) {
        services_.dialogs.ShowMessage("No graphics file was selected");
        return;
    }
    graph_open_dialog_.initial_directory = FolderPart(*path);
    if (!QFileInfo::exists(PathToQt(*path))) {
        services_.dialogs.ShowMessage("Picture file does not exist, please select another one.");
        return;
    }
    OpenedPicture opened = OpenPicture(*path);
    if (opened.Picture.isNull()) {
        services_.errors.ShowError(opened.Error);
        return;
    }
    SetGraphPicture(graphs_, std::move(opened.Picture));
}

}  // namespace vantorel
