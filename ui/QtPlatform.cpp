#include "ui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>

#include "model/FileNames.h"

namespace vantorel {

namespace {

QString FromModel(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "description (*.ext)|*.ext|..." as the toolkit's "description (*.ext);;...".
QString QtFilter(const std::string& filter) {
    const QStringList parts = FromModel(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        filters << (description.contains('(') ? description : description + " (" + parts[i + 1] + ")");
    }
    return filters.join(";;");
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogSettings& settings, bool save) {
    QFileDialog dialog(DialogParent(parent));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(QtFilter(settings.filter));
    dialog.setDefaultSuffix(FromModel(settings.default_extension));
    // A name typed without extension gets the one of the file type chosen (a PNG file when PNG is chosen).
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QRegularExpressionMatch first = QRegularExpression(R"(\(\*\.(\w+))").match(filter);
        if (first.hasMatch()) dialog.setDefaultSuffix(first.captured(1));
    });
    dialog.setDirectory(settings.initial_directory.empty() ? QDir::currentPath() : PathToQt(settings.initial_directory));
    if (save && !settings.proposed_file.empty()) dialog.selectFile(PathToQt(settings.proposed_file));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathFromQt(dialog.selectedFiles().front());
}

}  // namespace

QWidget* DialogParent(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallback;
}

void MessageBoxDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), FromModel(text), QMessageBox::Ok,
                    DialogParent(parent_));
    box.exec();
}

bool MessageBoxDialogs::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), FromModel(text),
                    QMessageBox::Yes | QMessageBox::No, DialogParent(parent_));
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::Pause(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

void MessageBoxDialogs::ShowError(const std::string& text) {
    QMessageBox::critical(DialogParent(parent_), QApplication::applicationDisplayName(), FromModel(text));
}

std::optional<std::string> QtFileDialogs::OpenFile(const FileDialogSettings& dialog) {
    return RunFileDialog(parent_, dialog, false);
}

std::optional<std::string> QtFileDialogs::SaveFile(const FileDialogSettings& dialog) {
    return RunFileDialog(parent_, dialog, true);
}

QString QtClipboard::Text() { return QApplication::clipboard()->text(); }

void QtClipboard::SetText(const QString& text) { QApplication::clipboard()->setText(text); }

std::string ProposedFileName(const std::string& path, const char* extension) {
    if (path.empty()) return {};
    return PathFromQt(QFileInfo(PathToQt(ReplaceExtension(path, extension))).fileName());
}

std::string PathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString PathToQt(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace vantorel
