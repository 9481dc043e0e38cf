#include "ui/Mnemonics.h"

#include <QPushButton>

#include <string_view>
#include <utility>

namespace vantorel {

namespace {

// The menus of the main window take F, E, A and H.
constexpr std::pair<std::string_view, char> Letters[] = {
    // Input page.
    {"GenOpenButton", 'G'},
    {"HydrOpenButton", 'y'},
    {"DWTopenButton", 'W'},
    {"SoilOpenButton", 'p'},
    {"SaltOpenButton", 'n'},
    {"DrainOpenButton", 'D'},
    {"CondOpenButton", 'I'},
    {"RiceOpenButton", 'l'},
    {"OpenInpButton", 'O'},
    {"SaveAllButton", 'R'},
    {"ReStartButton", 't'},
    {"DrainHelpButton", 'u'},
    {"SeeEqButton", 'q'},
    // Output page.
    {"OpenOutputButton", 'O'},
    {"SaltShowButton", 'l'},
    {"HydrShowButton", 'y'},
    {"SurfButton", 'u'},
    {"GraphButton", 'g'},
    {"ClipButton", 'C'},
    // Graphs page.
    {"MakeGraphButton", 'M'},
    {"GraphGoButton", 'G'},
    {"SaveGraphButton", 'S'},
    {"GraphSelectButton", 'l'},
    {"OpenGrapButton", 'O'},
    // The calculator.
    {"Button1", 'C'},
    // The analysis views.
    {"FitClipButton", 'C'},
    {"MapSavePictureButton", 'p'},
    {"MapSaveTableButton", 't'},
    {"MapResetViewButton", 'R'},
    {"CurvesSavePictureButton", 'p'},
    {"CurvesSaveTableButton", 't'},
    {"OpenStudyButton", 'O'},
    {"SaveStudyButton", 'S'},
    {"AddScenarioButton", 'A'},
    {"RemoveScenarioButton", 'v'},
    {"AddColumnButton", 'h'},
    {"RemoveColumnButton", 'e'},
    {"RunButton", 'R'},
    {"CancelButton", 'C'},
    {"SavePictureButton", 'p'},
    {"SaveTableButton", 't'},
};

char LetterOf(std::string_view name) {
    for (const auto& [button, letter] : Letters) {
        if (button == name) return letter;
    }
    if (name.ends_with("SaveButton")) return 'S';
    if (name.ends_with("QuitButton") || name.ends_with("quitButton")) return 'C';
    return 0;
}

}  // namespace

void AddMnemonics(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        const QByteArray name = button->objectName().toLatin1();
        const char letter = LetterOf(std::string_view(name.constData(), static_cast<size_t>(name.size())));
        QString caption = button->text();
        const qsizetype at = caption.indexOf(QChar(letter));
        if (letter == 0 || at < 0 || caption.contains('&')) continue;
        button->setText(caption.insert(at, '&'));
    }
}

}  // namespace vantorel
