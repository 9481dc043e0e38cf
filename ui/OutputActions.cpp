// The Output page's buttons: "Open output", the three tables and the clipboard copy, and the
// reading of a run's files that they share with the graphs.

#include "model/FileNames.h"
#include "model/OutputFileReader.h"
#include "ui/MainForm.h"
#include "ui/analysis/CalibrationViews.h"

namespace vantorel {

void TMainForm::ConnectOutputPage() {
    connect(out_.OpenOutputButton, &QPushButton::clicked, this, [this] { OpenOutputButtonClick(); });
    connect(out_.SaltShowButton, &QPushButton::clicked, this, [this] { SaltShowButtonClick(); });
    connect(out_.HydrShowButton, &QPushButton::clicked, this, [this] { HydrShowButtonClick(); });
    connect(out_.SurfButton, &QPushButton::clicked, this, [this] { SurfButtonClick(); });
    connect(out_.ClipButton, &QPushButton::clicked, this, [this] { ClipButtonClick(); });
}

std::optional<ReadRunFiles> TMainForm::ReadFilesOrReport(const std::string& file_name,
                                                         std::initializer_list<RunFile> order) {
    try {
        return ReadFilesOfRun(state_, {file_name, file_name}, order, services_.dialogs);
    } catch (const OutputFileUnopened&) {
        return std::nullopt;
    } catch (const std::exception& error) {
        services_.errors.ShowError(error.what());
        return std::nullopt;
    }
}

void TMainForm::KeepRunFiles(const ReadRunFiles& files) {
    state_.Run = files.Read.Run;
    state_.Output = files.Read.Output;
    state_.Input = files.DataSet;
    if (files.InputRead) editors_.Show(state_.Input, files.SalinityTexts);
}

void TMainForm::OpenOutputButtonClick() {
    const std::optional<std::string> path = services_.files.OpenFile(output_open_dialog_);
    if (!path) {
        services_.dialogs.ShowMessage("No output file was selected");
        return;
    }
    OpenOutputFile(*path);
}

void TMainForm::OpenOutputFile(const std::string& path) {
    SetDialogDirectories(FolderPart(path), true);
    // The input file of the same name follows, so that the editors and the layer count match
    // the output.
    const std::optional<ReadRunFiles> files = ReadFilesOrReport(path, {RunFile::Output, RunFile::Input});
    if (!files) return;
    QStringList lines;
    try {
        for (const std::string& line : ShowOutputText(files->Read.Input)) lines << QString::fromLatin1(line);
    } catch (const std::exception& error) {
        services_.errors.ShowError(error.what());
        return;
    }
    KeepRunFiles(*files);
    CurrentFileChanged(ReplaceExtension(path, ".out"));
    calibration_->OutputOpened(files->Read);

    out_.OutputMemo->hide();
    out_.OutputMemo->setPlainText(lines.join('\n'));
    flags_.OutputAvailable = true;
    out_.GraphButton->setEnabled(true);
    out_.OutputMemo->show();
    out_.OutLabel->show();
    for (QPushButton* button : {out_.SaltShowButton, out_.HydrShowButton, out_.SurfButton}) {
        button->show();
        button->setEnabled(true);
    }
    graphs_.GraphImage->hide();
    graphs_.GraphPanel->hide();
    graphs_.GraphSelectButton->setEnabled(false);
    graphs_.SaveGraphButton->setEnabled(false);
    for (QWidget* hidden : std::initializer_list<QWidget*>{out_.OutSalt1Memo, out_.OutSalt2Memo, out_.OutSalt3Memo,
                                                           out_.HydrOutMemo, out_.SurfMemo, out_.OutGrid, out_.CopyLabel,
                                                           out_.ClipLabel, out_.ClipButton}) {
        hidden->hide();
    }
}

void TMainForm::SaltShowButtonClick() {
    out_.OutGrid->hide();
    out_.SaltShowButton->setEnabled(false);
    out_.HydrShowButton->setEnabled(true);
    out_.SurfButton->setEnabled(true);
    ShowResultTable(out_, BuildSalinityTable(state_));
    out_.OutGrid->show();
    out_.CopyLabel->show();
}

void TMainForm::HydrShowButtonClick() {
    const std::optional<ReadRunFiles> files = ReadFilesOrReport(state_.Input.FileName, {RunFile::Output});
    if (!files) return;
    KeepRunFiles(*files);
    out_.OutGrid->hide();
    out_.HydrShowButton->setEnabled(false);
    out_.SaltShowButton->setEnabled(true);
    out_.SurfButton->setEnabled(true);
    ShowResultTable(out_, BuildHydrologyTable(files->Read));
    out_.OutGrid->show();
    out_.CopyLabel->show();
}

void TMainForm::SurfButtonClick() {
    // The given surface drainage comes from the input file, the actual one from the output file.
    const std::optional<ReadRunFiles> files =
        ReadFilesOrReport(state_.Input.FileName, {RunFile::Input, RunFile::Output});
    if (!files) return;
    KeepRunFiles(*files);
    out_.OutGrid->hide();
    out_.HydrShowButton->setEnabled(true);
    out_.SaltShowButton->setEnabled(true);
    out_.SurfButton->setEnabled(false);
    ShowResultTable(out_, BuildSurfaceTable(files->Read));
    out_.OutGrid->show();
    out_.CopyLabel->show();
}

void TMainForm::ClipButtonClick() {
    services_.clipboard.SetText(GridClipboardText(*out_.OutGrid));
    services_.dialogs.ShowMessage("The data are on the clipboard to be pasted elsewhere.");
}

}  // namespace vantorel
