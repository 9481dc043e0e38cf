#include "ui/ScreenshotTour.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <qcustomplot.h>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <iostream>

#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFile.h"
#include "ui/ImportSeriesDialog.h"
#include "ui/QtPlatform.h"
#include "ui/analysis/CalibrationViews.h"
#include "ui/analysis/DrainageMapWindow.h"
#include "ui/analysis/ScenarioStudyMenu.h"
#include "ui/analysis/ScenarioStudyWindow.h"
#include "ui/analysis/UncertaintyWindow.h"

namespace vantorel {

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool SavePicture(const QPixmap& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + ".png");
    const bool saved = picture.save(path, "PNG");
    std::cout << (saved ? "saved " : "could not save ") << path.toStdString() << '\n';
    return saved;
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    Settle();
    return SavePicture(widget.grab(), folder, name);
}

// The screen where the window stands, with what is open over it: a menu is a window of its own.
bool SaveScreen(QWidget& window, const QDir& folder, const QString& name) {
    Settle();
    const QRect frame = window.frameGeometry().united(QApplication::activePopupWidget()
                                                          ? QApplication::activePopupWidget()->frameGeometry()
                                                          : QRect());
    return SavePicture(window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()), folder,
                       name);
}

// Every menu of the main window open, the recent files among them, "About Vantorel", and the Input
// page as it looks while a calculation runs.
int PhotographMenus(TMainForm& main, QTabWidget& pages, const QDir& folder) {
    int failures = 0;
    for (const char* name : {"FileMenu", "EditMenu", "AnalysisMenu", "HelpMenu"}) {
        auto* menu = main.findChild<QMenu*>(name);
        main.menuBar()->setActiveAction(menu->menuAction());
        if (!SaveScreen(main, folder, QString("menu-") + name)) ++failures;
        menu->hide();
    }
    auto* recent = main.findChild<QMenu*>("RecentFilesMenu");
    recent->popup(main.mapToGlobal(QPoint(main.width() / 4, main.menuBar()->height())));
    if (!SaveScreen(main, folder, "menu-RecentFilesMenu")) ++failures;
    recent->hide();

    QTimer::singleShot(500, &main, [&failures, &folder] {
        QWidget* about = QApplication::activeModalWidget();
        if (about == nullptr || !Save(*about, folder, "window-About")) ++failures;
        if (about != nullptr) about->close();
    });
    main.findChild<QAction*>("AboutItem")->trigger();

    // The bar and Cancel as a calculation shows them, over the page it holds.
    pages.setCurrentWidget(main.findChild<QWidget*>("InpTab"));
    auto* bar = main.findChild<QProgressBar*>("ProgressBar1");
    auto* cancel = main.findChild<QPushButton*>("CancelRunButton");
    QWidget* held[] = {main.findChild<QWidget*>("InputPanel"), main.findChild<QWidget*>("GroupPanelArea"),
                       main.findChild<QWidget*>("OpenInpButton"), main.findChild<QWidget*>("SaveAllButton"),
                       main.findChild<QWidget*>("ReStartButton")};
    for (QWidget* control : held) control->setEnabled(false);
    bar->setValue(4);
    bar->show();
    cancel->show();
    if (!Save(main, folder, "page-InpTab-calculating")) ++failures;
    bar->hide();
    cancel->hide();
    for (QWidget* control : held) control->setEnabled(true);
    return failures;
}

// The calculator with the factors of an example drainage system calculated.
void CalculateExample(TAlfaForm& calculator) {
    const std::pair<const char*, const char*> example[] = {{"Edit1", "0.8"}, {"Edit2", "1.5"}, {"Edit9", "1.8"},
                                                           {"Edit3", "5"},   {"Edit4", "0.6"}, {"Edit5", "6"},
                                                           {"Edit6", "20"}};
    for (const auto& [name, text] : example) {
        auto* field = calculator.findChild<QLineEdit*>(name);
        field->setText(text);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &leave);
    }
    calculator.Button1Click();
}

// The Math page from the heading of the salt balances on.
bool SaveSaltBalances(TMainForm& main, QTabWidget& pages, const QDir& folder) {
    pages.setCurrentWidget(main.findChild<QWidget*>("MathTab"));
    auto* memo = main.findChild<QPlainTextEdit*>("MathMemo");
    const QTextBlock heading = memo->document()->find("2. SALT BALANCES").block();
    memo->verticalScrollBar()->setValue(heading.firstLineNumber());
    const bool saved = Save(main, folder, "page-MathTab-salt");
    memo->verticalScrollBar()->setValue(0);
    return saved;
}

// Calculates a copy of the input file in the folder; the path of its output file, or empty.
std::string CalculateCopy(const std::string& input_file, const QTemporaryDir& folder, PrintedDialogs& dialogs) {
    const QString copy = folder.filePath(QFileInfo(PathToQt(input_file)).fileName());
    if (!QFile::copy(PathToQt(input_file), copy)) {
        std::cerr << "cannot copy " << input_file << '\n';
        return {};
    }
    ModelState run;
    run.Input.FileName = PathFromQt(copy);
    try {
        LoadInputFile(run.Input, dialogs);
        ComputeDerivedValues(run.Input);
        Engine(run, dialogs).RunCalculation();
    } catch (const std::exception& error) {
        std::cerr << "error: " << error.what() << '\n';
        return {};
    }
    if (run.Run.CalcStopped) return {};
    return ReplaceExtension(PathFromQt(copy), ".out");
}

// The output text, the three tables and every graph of one run.
int PhotographRun(TMainForm& main, QTabWidget& pages, const QDir& folder, const std::string& output_file) {
    int failures = 0;
    const QString run = QFileInfo(PathToQt(output_file)).completeBaseName();
    main.OpenOutputFile(output_file);
    pages.setCurrentWidget(main.findChild<QWidget*>("OutTab"));
    if (!Save(main, folder, "output-" + run + "-text")) ++failures;
    for (const char* table : {"SaltShowButton", "HydrShowButton", "SurfButton"}) {
        main.findChild<QPushButton*>(table)->click();
        if (!Save(main, folder, "output-" + run + "-" + table)) ++failures;
    }
    main.GraphButtonClick();
    if (!Save(main, folder, "graphs-" + run + "-choices")) ++failures;
    for (QRadioButton* choice : main.findChild<QWidget*>("GraphPanel")->findChildren<QRadioButton*>()) {
        if (!choice->isEnabled()) continue;
        choice->setChecked(true);
        main.GraphGoButtonClick();
        if (!Save(main, folder, "graphs-" + run + "-" + choice->objectName())) ++failures;
        main.GraphSelectButtonClick();
    }
    return failures;
}

// "Uncertainty..." after the run: the posterior, and the band of the water table.
int PhotographUncertainty(TMainForm& main, const QDir& folder) {
    main.findChild<QAction*>("UncertaintyItem")->trigger();
    auto* window = main.findChild<UncertaintyWindow*>("UncertaintyWindow");
    while (window->Busy()) QApplication::processEvents();
    Settle();
    int failures = Save(*window, folder, "analysis-UncertaintyWindow") ? 0 : 1;
    window->findChild<QComboBox*>("UncertaintyPictureCombo")->setCurrentIndex(1);
    Settle();
    if (!Save(*window, folder, "analysis-UncertaintyWindow-water-table")) ++failures;
    window->hide();
    return failures;
}

// The analysis views after a run of the input file with every optimization accepted.
int PhotographAnalysis(TMainForm& main, const QDir& folder, const std::string& input_file, const QTemporaryDir& runs) {
    struct AcceptingDialogs : PrintedDialogs {
        bool AskYesNo(const std::string& text) override {
            std::cout << "? " << text << " -> yes\n";
            return true;
        }
    } dialogs;
    ModelState run;
    run.Input.FileName = PathFromQt(runs.filePath("analysis-" + QFileInfo(PathToQt(input_file)).fileName()));
    try {
        InputData data;
        data.FileName = input_file;
        LoadInputFile(data, dialogs);
        data.FileName = run.Input.FileName;
        run.Input = data;
        ComputeDerivedValues(run.Input);
        Engine(run, dialogs).RunCalculation();
    } catch (const std::exception& error) {
        std::cerr << "error: " << error.what() << '\n';
        return 1;
    }
    if (run.Run.CalcStopped) return 1;
    main.OpenInputFile(input_file);
    main.Calibration().RunCompleted(run);
    int failures = 0;
    for (const char* item : {"FitStatisticsItem", "DrainageMapItem", "LeachingCurvesItem"}) {
        main.findChild<QAction*>(item)->trigger();
    }
    auto* map = main.findChild<DrainageMapWindow*>("DrainageMapWindow");
    while (map->Busy()) QApplication::processEvents();
    Settle();
    // The pointer over the run's pair, so that the hover text shows.
    auto* plot = map->findChild<QCustomPlot*>("MapPlot");
    const QPointF pointer(plot->xAxis->coordToPixel(run.Run.QH1Used), plot->yAxis->coordToPixel(run.Run.QH2Used));
    QMouseEvent move(QEvent::MouseMove, pointer, plot->mapToGlobal(pointer), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    for (const char* window : {"FitStatisticsWindow", "DrainageMapWindow", "LeachingCurvesWindow"}) {
        auto* dialog = main.findChild<QDialog*>(window);
        if (!Save(*dialog, folder, QString("analysis-") + window)) ++failures;
        dialog->hide();
    }
    return failures + PhotographUncertainty(main, folder);
}

// "Analysis" > "Scenario study..." on the input file of the last run, after a small study with a
// sampled row ran: the overlay of the scenarios, then a band of the samples with their rank
// correlations.
bool PhotographScenarioStudy(TMainForm& main, const QDir& folder, const QTemporaryDir& runs) {
    main.findChild<QAction*>("ScenarioStudyAction")->trigger();
    ScenarioStudyWindow* window = FindScenarioStudyWindow(main);
    // The study's files go with the tour's other runs, never beside the input file given.
    window->findChild<QLineEdit*>("FolderEdit")->setText(runs.filePath("study"));
    const char* const study =
        "name,Irrig,Si,IrrEff,Repeat\r\nbase,,,,\r\nmore-irrigation,*1.2,,,\r\nfresher-water,,*0.5,,\r\n"
        "three-times,,,,3\r\nuncertain,\"*~normal(1,0.1)\",\"~normal(1.2,0.2)\",\"~uniform(55,75)\",\r\n";
    if (!window->LoadStudyText(study, "screenshot study")) return false;
    window->findChild<QSpinBox*>("SamplesBox")->setValue(50);
    window->RunClick();
    while (window->Running()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    bool saved = Save(*window, folder, "window-ScenarioStudyWindow");
    auto* series = window->findChild<QComboBox*>("SeriesChoice");
    series->setCurrentIndex(series->findText("Salinity of the root zone", Qt::MatchStartsWith));
    window->findChild<QTabWidget*>("ResultTables")->setCurrentIndex(1);
    saved = Save(*window, folder, "window-ScenarioStudyWindow-samples") && saved;
    window->hide();
    return saved;
}

// "File" > "Import series..." with the field-data example beside the first input file: the
// problems of a first try, the report, and the hydrological data of the data set imported.
int PhotographImport(TMainForm& main, const QDir& folder, const std::string& first_input) {
    const QDir field(QFileInfo(PathToQt(first_input)).absoluteDir().filePath("field-data"));
    if (!field.exists("weather.csv")) return 0;
    int failures = 0;
    main.OpenInputFile(PathFromQt(field.filePath("base.inp")));
    main.findChild<QAction*>("ImportSeriesAction")->trigger();
    ImportSeriesDialog* dialog = FindImportSeriesDialog(main);
    for (const char* name : {"weather.csv", "irrigation.csv", "readings.csv"}) dialog->AddFile(PathFromQt(field.filePath(name)));
    dialog->findChild<QLineEdit*>("StartEdit")->setText("2021-01-04");
    dialog->CheckClick();
    if (!Save(*dialog, folder, "window-ImportSeriesDialog-problems")) ++failures;
    dialog->findChild<QLineEdit*>("StartEdit")->setText("2021-01-01");
    dialog->findChild<QLineEdit*>("LatitudeEdit")->setText("37.5");
    dialog->findChild<QLineEdit*>("ElevationEdit")->setText("30");
    if (!dialog->CheckClick() || !Save(*dialog, folder, "window-ImportSeriesDialog")) ++failures;
    dialog->ImportClick();
    main.findChild<QTabWidget*>("PageControl")->setCurrentWidget(main.findChild<QWidget*>("InpTab"));
    main.GroupWorkflow().HideGroupPanels();
    main.GroupWorkflow().Panel(GroupPanel::Hydrology)->show();
    if (!Save(main, folder, "panel-HydrPanel-imported")) ++failures;
    return failures;
}

}  // namespace

void PrintedDialogs::ShowMessage(const std::string& text) { std::cout << "! " << text << '\n'; }

bool PrintedDialogs::AskYesNo(const std::string& text) {
    std::cout << "? " << text << " -> no\n";
    return false;
}

void PrintedDialogs::ShowError(const std::string& text) { std::cerr << "error: " << text << '\n'; }

int RunScreenshotTour(ProgramWindows& windows, const QString& folder_path, const std::vector<std::string>& input_files) {
    QDir folder(folder_path);
    if (!folder.mkpath(".")) {
        std::cerr << "cannot create the folder " << folder_path.toStdString() << '\n';
        return 1;
    }
    int failures = 0;
    TMainForm& main = windows.MainForm;
    main.show();
    auto* pages = main.findChild<QTabWidget*>("PageControl");
    for (int index = 0; index < pages->count(); ++index) {
        pages->setCurrentIndex(index);
        if (!Save(main, folder, "page-" + pages->widget(index)->objectName())) ++failures;
    }
    if (!SaveSaltBalances(main, *pages, folder)) ++failures;

    if (!input_files.empty()) main.OpenInputFile(input_files.front());
    pages->setCurrentWidget(main.findChild<QWidget*>("InpTab"));
    Workflow& workflow = main.GroupWorkflow();
    for (QWidget* panel : workflow.AllPanels()) {
        workflow.HideGroupPanels();
        panel->show();
        if (!Save(main, folder, "panel-" + panel->objectName())) ++failures;
    }
    workflow.HideGroupPanels();

    CalculateExample(windows.AlfaForm);
    for (QWidget* window : std::initializer_list<QWidget*>{&windows.CloseForm, &windows.AlfaForm, &windows.DrainForm}) {
        window->show();
        if (!Save(*window, folder, "window-" + window->objectName())) ++failures;
        window->hide();
    }

    QTemporaryDir runs;
    PrintedDialogs dialogs;
    for (const std::string& input_file : input_files) {
        const std::string output_file = CalculateCopy(input_file, runs, dialogs);
        if (output_file.empty()) {
            ++failures;
            continue;
        }
        failures += PhotographRun(main, *pages, folder, output_file);
    }
    if (!input_files.empty()) failures += PhotographAnalysis(main, folder, input_files.front(), runs);
    if (!input_files.empty() && !PhotographScenarioStudy(main, folder, runs)) ++failures;
    if (!input_files.empty()) failures += PhotographImport(main, folder, input_files.front());
    failures += PhotographMenus(main, *pages, folder);
    return failures;
}

}  // namespace vantorel
