#include "ui/analysis/ViewSaves.h"

#include "graphs/plots/PlotFiles.h"
#include "model/TextFile.h"

namespace vantorel {

void SavePlotPictureAs(WindowServices& services, const FileDialogSettings& dialog, QCustomPlot& plot) {
    const std::optional<std::string> path = services.files.SaveFile(dialog);
    if (!path) return;
    try {
        SavePlotPicture(plot, *path);
    } catch (const std::exception& error) {
        services.errors.ShowError(error.what());
        return;
    }
    services.dialogs.ShowMessage("The picture was saved as " + *path);
}

void SaveTableAs(WindowServices& services, const FileDialogSettings& dialog, const std::vector<std::string>& lines) {
    const std::optional<std::string> path = services.files.SaveFile(dialog);
    if (!path) return;
    try {
        AtomicFileWriter writer(*path);
        for (const std::string& line : lines) writer.Line(line);
        writer.Commit();
    } catch (const std::exception& error) {
        services.errors.ShowError(error.what());
        return;
    }
    services.dialogs.ShowMessage("The table was saved as " + *path);
}

}  // namespace vantorel
