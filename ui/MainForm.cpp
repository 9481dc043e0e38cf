#include "ui/MainForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include <tuple>

#include "model/NumberText.h"
#include "ui/ControlFactory.h"
#include "ui/HelpPages.h"
#include "ui/Mnemonics.h"
#include "ui/analysis/ScenarioStudyMenu.h"
#include "ui/QtPlatform.h"
#include "ui/analysis/CalibrationViews.h"

namespace vantorel {

namespace {

constexpr int GridRowsAtStart = 11;

}  // namespace

TMainForm::TMainForm(WindowServices& services)
    : services_(services),
      workflow_(c_, flags_, state_.Input),
      context_{state_, services_, c_, flags_, workflow_, windows_},
      editors_(context_),
      paste_(context_, editors_),
      edit_actions_(services.clipboard) {
    setObjectName("MainForm");
    setWindowTitle("Vantorel, drainage, water table, and soil salinity modelator ");
    setFont(FormFont());
    resize(798, 648);
    BuildMenu();

    PageControl = new QTabWidget;
    PageControl->setObjectName("PageControl");
    IntroTab = BuildIntroPage();
    MathTab = BuildMathPage();
    FigTab = BuildFigurePage();
    PageControl->addTab(IntroTab, "Intro");
    PageControl->addTab(MathTab, "Math");
    PageControl->addTab(FigTab, "Figure");
    PageControl->addTab(BuildInputPage(), "Input");
    PageControl->addTab(BuildOutputPage(out_, services_.clipboard), "Output");
    PageControl->addTab(BuildGraphsPage(graphs_), "Graphs");
    setCentralWidget(PageControl);
    paste_.Connect();
    ConnectOutputPage();
    ConnectGraphsPage();
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int index) { PageShown(index); });
    AddMnemonics(*this);
    FormCreate();
}

void TMainForm::SetSmallWindows(QWidget* close_form, QWidget* alfa_form, QWidget* drain_form) {
    windows_.CloseForm = close_form;
    windows_.AlfaForm = alfa_form;
    windows_.DrainForm = drain_form;
}

void TMainForm::BuildMenu() {
    BuildFileMenu();
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("EditMenu");
    edit_actions_.AddTo(*edit);
    // Additions beyond the six pages hang off their own menu, so the pages stay as they are.
    AnalysisMenu = menuBar()->addMenu("&Analysis");
    AnalysisMenu->setObjectName("AnalysisMenu");
    calibration_ = new CalibrationViews(*this, state_, services_);
    calibration_->AddTo(*AnalysisMenu);
    AddScenarioStudyAction(*AnalysisMenu, *this, services_, [this]() { return state_.Input.FileName; });
    BuildHelpMenu();
}

QWidget* TMainForm::BuildInputPage() {
    auto* page = new QWidget;
    page->setObjectName("InpTab");
    c_.InpTab = page;
    c_.FileLabel = MakeLabel("FileLabel", "File :");
    c_.NameLabel = MakeLabel("NameLabel", QString());
    c_.NameLabel->setMinimumHeight(c_.NameLabel->fontMetrics().lineSpacing() + 4);
    // A long path must not widen the window.
    c_.NameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    c_.InputPanel = MakePanel("InputPanel", "Enter/change input");
    auto* groups = new QVBoxLayout(c_.InputPanel);
    using C = InputControls;
    const std::tuple<QPushButton* C::*, const char*, const char*> group_buttons[] = {
        {&C::GenOpenButton, "GenOpenButton", "General data"},
        {&C::HydrOpenButton, "HydrOpenButton", "Hydrological data"},
        {&C::DWTopenButton, "DWTopenButton", "Water table data"},
        {&C::SoilOpenButton, "SoilOpenButton", "Soil properties"},
        {&C::SaltOpenButton, "SaltOpenButton", "Soil salinity data"},
        {&C::DrainOpenButton, "DrainOpenButton", "Drainage system "},
        {&C::CondOpenButton, "CondOpenButton", "Initial and boundary conditions"},
        {&C::RiceOpenButton, "RiceOpenButton", "Rice cropping details"},
    };
    for (const auto& [member, name, caption] : group_buttons) {
        QPushButton* button = MakeButton(name, caption);
        c_.*member = button;
        groups->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, button] { workflow_.OpenGroup(button); });
    }
    c_.OpenInpButton = MakeButton("OpenInpButton", "Open input");
    c_.SaveAllButton = MakeButton("SaveAllButton", "Save all - Run");
    c_.SaveAllButton->setEnabled(false);
    c_.ReStartButton = MakeButton("ReStartButton", "Restart");
    c_.ProgressBar1 = new QProgressBar;
    c_.ProgressBar1->setObjectName("ProgressBar1");
    c_.ProgressBar1->setRange(0, 10);
    c_.ProgressBar1->setTextVisible(false);
    c_.ProgressBar1->hide();
    c_.CancelRunButton = MakeButton("CancelRunButton", "Cancel");
    // The panels' Cancel has the mnemonic; a running calculation is stopped with Esc.
    c_.CancelRunButton->setShortcut(Qt::Key_Escape);
    c_.CancelRunButton->hide();
    connect(c_.OpenInpButton, &QPushButton::clicked, this, [this] { OpenInpButtonClick(); });
    connect(c_.SaveAllButton, &QPushButton::clicked, this, [this] { SaveAllButtonClick(); });
    connect(c_.ReStartButton, &QPushButton::clicked, this, [this] { ReStartButtonClick(); });
    connect(c_.CancelRunButton, &QPushButton::clicked, this, [this] { CancelRunButtonClick(); });

    auto* left = new QVBoxLayout;
    left->addWidget(c_.InputPanel);
    left->addSpacing(12);
    left->addWidget(c_.OpenInpButton);
    left->addWidget(c_.SaveAllButton);
    left->addWidget(c_.ReStartButton);
    left->addStretch(1);
    auto* progress_row = new QHBoxLayout;
    progress_row->addWidget(c_.ProgressBar1, 1);
    progress_row->addWidget(c_.CancelRunButton);
    left->addLayout(progress_row);

    // The group panels share one place; at most one is visible.
    auto* panels = new QWidget;
    panels->setObjectName("GroupPanelArea");
    GroupPanelArea = panels;
    auto* stack = new QGridLayout(panels);
    stack->setContentsMargins(0, 0, 0, 0);
    for (QWidget* panel : editors_.Build()) stack->addWidget(panel, 0, 0);

    auto* layout = new QGridLayout(page);
    auto* file_row = new QHBoxLayout;
    file_row->addWidget(c_.FileLabel);
    file_row->addWidget(c_.NameLabel, 1);
    layout->addLayout(file_row, 0, 0, 1, 2);
    layout->addLayout(left, 1, 0);
    layout->addWidget(panels, 1, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    c_.InputPanel->setFixedWidth(190);
    return page;
}

void TMainForm::FormCreate() {
    InputData& d = state_.Input;
    SetDialogDirectories(PathFromQt(QDir::currentPath()), true);

    d.NrTimeStepsSaved = GridRowsAtStart;
    d.NrTimeSteps = GridRowsAtStart;
    // Also sets no drainage and no rice in the data set: the choices on screen follow it, so that
    // a later Save stores what is shown.
    editors_.Reset(GridRowsAtStart);

    flags_.AllGroupsChecked = false;
    flags_.OutputAvailable = false;
    flags_.SoilDataComplete = true;

    c_.FileLabel->hide();
    c_.NameLabel->clear();
    workflow_.HideGroupPanels();
    d.LayerIndex = 0;
    // The dates of an imported or opened data set do not carry over to one entered anew.
    d.StartDate.reset();
    d.InfCap = 100;
    d.RiceTransp = 40;
    SetDecimalSeparator('.');
    PageControl->setCurrentWidget(IntroTab);
}

void TMainForm::PageShown(int index) {
    QWidget* page = PageControl->widget(index);
    if (page == MathTab) MathTabShow();
    if (page == c_.InpTab) InpTabShow();
}

void TMainForm::MathTabShow() { flags_.AllGroupsChecked = false; }

void TMainForm::InpTabShow() {
    if (windows_.AlfaForm && windows_.AlfaForm->isVisible()) windows_.AlfaForm->hide();
    workflow_.HideGroupPanels();
    workflow_.Panel(GroupPanel::General)->show();
    c_.GenOpenButton->setEnabled(true);
    for (QPushButton* button : {c_.HydrOpenButton, c_.DWTopenButton, c_.SaltOpenButton, c_.SoilOpenButton,
                                c_.DrainOpenButton, c_.CondOpenButton, c_.RiceOpenButton}) {
        button->setEnabled(flags_.AllGroupsChecked);
    }
}

void TMainForm::SetDialogDirectories(const std::string& directory, bool output_dialog_too) {
    input_open_dialog_.initial_directory = directory;
    input_save_dialog_.initial_directory = directory;
    if (output_dialog_too) output_open_dialog_.initial_directory = directory;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!windows_.CloseForm) return;
    // Where the user is looking, not where the window system would put a new window.
    QWidget& close_form = *windows_.CloseForm;
    close_form.move(frameGeometry().center() - QPoint(close_form.width() / 2, close_form.height() / 2));
    close_form.show();
    close_form.raise();
    close_form.activateWindow();
}

}  // namespace vantorel
