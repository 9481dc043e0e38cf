// "Open input" and "Save all - Run": the Input page's two buttons that read and write the input
// file, the second also running the calculation and presenting its output.

#include <QFileInfo>

#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/OutputFileReader.h"
#include "ui/MainForm.h"
#include "ui/QtPlatform.h"

namespace vantorel {

void TMainForm::OpenInpButtonClick() {
    const std::optional<std::string> path = services_.files.OpenFile(input_open_dialog_);
    if (!path) {
        services_.dialogs.ShowMessage("No input file was selected");
        return;
    }
    OpenInputFile(*path);
}

void TMainForm::OpenInputFile(const std::string& path) {
    SetDialogDirectories(FolderPart(path), false);
    // The file is read into a copy: one that cannot be read leaves the data set and the editors
    // as they were. Fields the file does not hold keep their values, as with a direct load.
    InputData loaded = state_.Input;
    loaded.FileName = path;
    SalinityCellTexts salinity_texts;
    try {
        LoadInputFile(loaded, services_.dialogs, &salinity_texts);
    } catch (const std::exception& error) {
        services_.errors.ShowError(error.what());
        return;
    }
    TakeDataSet(std::move(loaded), salinity_texts);
}

void TMainForm::TakeDataSet(InputData data, const SalinityCellTexts& salinity_texts) {
    state_.Input = std::move(data);
    editors_.Show(state_.Input, salinity_texts);

    // A data set imported has no file until it is saved: nothing to add to the recent files.
    if (state_.Input.FileName.empty()) {
        ShowInputFileName();
    } else {
        CurrentFileChanged(ReplaceExtension(state_.Input.FileName, ".inp"));
    }
    flags_.AllGroupsChecked = true;
    // The soil data are now the file's, complete or not as the run will check.
    flags_.SoilDataComplete = true;
    for (QPushButton* button : {c_.HydrOpenButton, c_.DWTopenButton, c_.SaltOpenButton, c_.SoilOpenButton,
                                c_.DrainOpenButton, c_.CondOpenButton, c_.RiceOpenButton, c_.SaveAllButton}) {
        button->setEnabled(true);
    }
    for (const GroupPanel panel : AllGroupPanels) workflow_.Frame(panel).quit->setEnabled(true);
    workflow_.HideGroupPanels();
    workflow_.Panel(GroupPanel::General)->show();
    state_.Run.OptAccepted = false;
    if (!flags_.OutputAvailable) out_.GraphButton->setEnabled(false);
    graphs_.SaveGraphButton->setEnabled(false);
    graphs_.GraphSelectButton->setEnabled(false);
}

void TMainForm::ShowInputFileName() {
    c_.FileLabel->show();
    // A data set imported has no file until it is saved.
    const std::string& name = state_.Input.FileName;
    c_.NameLabel->setText(name.empty() ? QString() : PathToQt(ReplaceExtension(name, ".inp")));
}

void TMainForm::SaveAllButtonClick() {
    UserDialogs& dialogs = services_.dialogs;
    dialogs.ShowMessage("For saving please create an input data file");
    if (!c_.SaveAllButton->isEnabled() && !flags_.AllGroupsChecked) {
        dialogs.ShowMessage("Not all the input groups were checked. Quenrick cannot continue");
        return;
    }
    state_.Run.OptAccepted = false;
    const std::optional<std::string> path = services_.files.SaveFile(input_save_dialog_);
    if (!path) {
        dialogs.ShowMessage("No input file was selected");
        return;
    }
    // The save writes the file with the extension ".inp"; that is the file that may exist.
    if (QFileInfo::exists(PathToQt(ReplaceExtension(*path, ".inp"))) &&
        !dialogs.AskYesNo("The file already exists, overwrite?")) {
        return;
    }
    SetDialogDirectories(FolderPart(*path), false);
    SaveAndRun(*path);
}

void TMainForm::SaveAndRun(const std::string& path) {
    UserDialogs& dialogs = services_.dialogs;
    InputData& d = state_.Input;
    const std::string previous_name = d.FileName;
    d.FileName = path;
    try {
        SaveInputFile(d);
    } catch (const std::exception& error) {
        // Nothing was written; the data set keeps the name of the file it came from.
        d.FileName = previous_name;
        services_.errors.ShowError(error.what());
        return;
    }
    CurrentFileChanged(ReplaceExtension(d.FileName, ".inp"));
    const bool calculate = dialogs.AskYesNo("The data were saved as " + d.FileName + ". Do you wish to" +
                                            " do the calculations?");
    state_.Run.OptAccepted = calculate;
    if (!calculate) {
        dialogs.ShowMessage("The calculations were not made.");
        return;
    }
    StartCalculation();
}

void TMainForm::ShowResults() {
    services_.dialogs.ShowMessage("The calculations were made. The output can be inspected.");
    QStringList lines;
    try {
        for (const std::string& line : ShowOutputText(state_.Input)) lines << QString::fromLatin1(line);
    } catch (const std::exception& error) {
        services_.errors.ShowError(error.what());
        return;
    }
    out_.OutputMemo->setPlainText(lines.join('\n'));
    flags_.OutputAvailable = true;
    PageControl->setCurrentWidget(out_.OutTab);
    out_.GraphButton->setEnabled(true);
    for (QPushButton* button : {out_.SaltShowButton, out_.HydrShowButton, out_.SurfButton}) {
        button->show();
        button->setEnabled(true);
    }
    out_.OutLabel->show();
    for (QWidget* hidden : std::initializer_list<QWidget*>{out_.OutGrid, out_.CopyLabel, out_.HydrOutMemo, out_.SurfMemo,
                                                           out_.OutSalt1Memo, out_.OutSalt2Memo, out_.OutSalt3Memo,
                                                           out_.ClipLabel, out_.ClipButton}) {
        hidden->hide();
    }
}

}  // namespace vantorel
