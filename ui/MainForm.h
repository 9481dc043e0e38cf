#pragma once
// The main window: six pages, the File, Edit, Analysis and Help menus, and the Input page where a
// data set is built in eight groups or opened from a file, then saved and calculated ("Save all -
// Run", off the window thread).

#include <QMainWindow>
#include <QTabWidget>

#include <string>

#include "model/ModelState.h"
#include "model/RunFiles.h"
#include "ui/BackgroundWork.h"
#include "ui/EditActions.h"
#include "ui/EditorContext.h"
#include "ui/GraphsPage.h"
#include "ui/GridPaste.h"
#include "ui/HeldCommands.h"
#include "ui/InputEditors.h"
#include "ui/OutputPage.h"

namespace vantorel {

class CalibrationViews;
class RecentFiles;

class TMainForm : public QMainWindow {
public:
    explicit TMainForm(WindowServices& services);

    // The closing window, the calculator and the explanation window, created after this one.
    void SetSmallWindows(QWidget* close_form, QWidget* alfa_form, QWidget* drain_form);

    ModelState& State() { return state_; }
    const WindowFlags& Flags() const { return flags_; }
    const FileDialogSettings& InputOpenDialog() const { return input_open_dialog_; }
    const FileDialogSettings& InputSaveDialog() const { return input_save_dialog_; }
    const FileDialogSettings& OutputOpenDialog() const { return output_open_dialog_; }
    Workflow& GroupWorkflow() { return workflow_; }
    InputEditors& Editors() { return editors_; }
    CalibrationViews& Calibration() { return *calibration_; }

    // Initialization, at creation and by "Restart".
    void FormCreate();
    void ReStartButtonClick() { FormCreate(); }
    void MathTabShow();
    void InpTabShow();
    void OpenInpButtonClick();
    void SaveAllButtonClick();
    // Stops the calculation that runs; it writes no output file.
    void CancelRunButtonClick();
    // A calculation of "Save all - Run" is running.
    bool Calculating() const { return calculation_.Busy(); }
    // "Open input" once the file is chosen.
    void OpenInputFile(const std::string& path);
    // The editors show a data set read or imported, which may then be edited, saved and run.
    void TakeDataSet(InputData data, const SalinityCellTexts& salinity_texts);

    // The Output page (OutputActions.cpp) and the Graphs page (GraphActions.cpp).
    void OpenOutputButtonClick();
    // "Open output" once the file is chosen.
    void OpenOutputFile(const std::string& path);
    // The file the program was started with: an output file opens on the Output page as "Open
    // output" would, any other file on the Input page as "Open input" would.
    void OpenStartFile(const std::string& path);
    void SaltShowButtonClick();
    void HydrShowButtonClick();
    void SurfButtonClick();
    void ClipButtonClick();
    void GraphButtonClick();
    void MakeGraphButtonClick();
    void GraphGoButtonClick();
    void GraphSelectButtonClick();
    void SaveGraphButtonClick();
    void OpenGrapButtonClick();

protected:
    // The main window is not closed directly: the closing window comes up instead.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    // File: open input and output files, the recent files, Exit (FileMenu.cpp); Help: the help
    // pages and "About Vantorel" (HelpMenu.cpp).
    void BuildFileMenu();
    void BuildHelpMenu();
    void ShowAbout();
    QWidget* BuildInputPage();
    void PageShown(int index);
    void SetDialogDirectories(const std::string& directory, bool output_dialog_too);
    // The input file the editors hold, beside "File :".
    void ShowInputFileName();
    // After a file was opened or saved: its name on the page, in the recent files and proposed by
    // the save dialogs.
    void CurrentFileChanged(const std::string& file);
    // Writes the input file, asks for the calculation and starts it.
    void SaveAndRun(const std::string& path);
    // The calculation of the data set off the window thread (CalculationActions.cpp), and what the
    // window does once it has ended, with the state the run left.
    void StartCalculation();
    void CalculationFinished(ModelState run, const std::string& failure);
    void ShowResults();
    void ConnectOutputPage();
    void ConnectGraphsPage();
    // The files of the run named by the file name, in this order; a file that cannot be read is
    // reported and gives nothing.
    std::optional<ReadRunFiles> ReadFilesOrReport(const std::string& file_name, std::initializer_list<RunFile> order);
    // The window takes the results read and the data set of the input file, shown in the editors.
    void KeepRunFiles(const ReadRunFiles& files);

    ModelState state_;
    WindowServices& services_;
    WindowFlags flags_;
    InputControls c_;
    OutputControls out_;
    GraphControls graphs_;
    SmallWindows windows_;
    Workflow workflow_;
    EditorContext context_;
    InputEditors editors_;
    GridPaste paste_;
    EditActions edit_actions_;
    FileDialogSettings input_open_dialog_{"InputOpenDialog", "input files (*.inp)|*.inp", "inp", ""};
    FileDialogSettings input_save_dialog_{"InputSaveDialog", "input files (*.inp)|*.inp", "inp", ""};
    FileDialogSettings output_open_dialog_{"OutputOpenDialog", "output files (*.out)|*.out", "out", ""};
    FileDialogSettings graph_save_dialog_;
    FileDialogSettings graph_open_dialog_;
    QTabWidget* PageControl = nullptr;
    QWidget* GroupPanelArea = nullptr;
    QMenu* FileMenu = nullptr;
    QAction* ExitAction = nullptr;
    RecentFiles* recent_files_ = nullptr;
    QMenu* AnalysisMenu = nullptr;
    CalibrationViews* calibration_ = nullptr;
    QWidget* IntroTab = nullptr;
    QWidget* MathTab = nullptr;
    QWidget* FigTab = nullptr;
    HeldCommands held_;
    // Last: the calculation is stopped and waited for before the rest of the window goes.
    BackgroundWork calculation_{*this};
};

}  // namespace vantorel
