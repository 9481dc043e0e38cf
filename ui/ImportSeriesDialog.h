#pragma once
// "File" > "Import series...": a data set from dated series files. The dialog takes the files, the
// start and the options, shows what it recognised or every problem before anything changes, and
// hands the data set over to the window, which shows it as "Open input" shows a file.

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/SeriesImport.h"
#include "model/InputFile.h"
#include "ui/Platform.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace vantorel {

// Takes the data set imported, with the salinity cell texts its editors show.
using DataSetTaker = std::function<void(InputData data, const SalinityCellTexts& salinity_texts)>;

class ImportSeriesDialog : public QDialog {
public:
    // The base gives everything that is not a series; it is read when the dialog checks.
    ImportSeriesDialog(WindowServices& services, std::function<const InputData&()> base, DataSetTaker take,
                       QWidget* parent = nullptr);

    void AddFile(const std::string& path);
    void AddFileClick();
    void RemoveFileClick();
    // Reads the files and imports them onto the base; shows the report or the problems. True when
    // the import can be taken.
    bool CheckClick();
    // Checks once more and hands the data set over; the dialog then closes.
    void ImportClick();

    QString ReportText() const;

private:
    void BuildControls();
    void Changed();
    // The settings as the fields give them; problems for the fields that cannot be read.
    ImportSettings Settings(std::vector<ImportProblem>& problems) const;

    WindowServices& services_;
    std::function<const InputData&()> base_;
    DataSetTaker take_;
    FileDialogSettings series_dialog_{"SeriesOpenDialog", "series files (*.csv)|*.csv", "csv", ""};
    std::vector<std::string> paths_;
    std::optional<SeriesImport> checked_;
    QListWidget* file_list_;
    QLineEdit* start_edit_;
    QComboBox* step_combo_;
    QLineEdit* steps_edit_;
    QLineEdit* latitude_edit_;
    QLineEdit* elevation_edit_;
    QLineEdit* wind_height_edit_;
    QLineEdit* crop_factor_edit_;
    QPlainTextEdit* report_;
    QPushButton* import_button_;
    QTimer* recheck_;
};

// The menu entry; it shows the one dialog, a child of `owner`, which keeps its files and fields
// from one import to the next.
void AddImportSeriesAction(QMenu& menu, QWidget& owner, WindowServices& services,
                           std::function<const InputData&()> base, DataSetTaker take);

// The dialog once the entry has shown it, else nullptr.
ImportSeriesDialog* FindImportSeriesDialog(QWidget& owner);

}  // namespace vantorel
