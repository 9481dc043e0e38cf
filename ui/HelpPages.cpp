#include "ui/HelpPages.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "ui/ControlFactory.h"
#include "ui/HelpResources.h"

namespace vantorel {

namespace {

QLabel* Picture(const char* name, const char* file_name, QSize size) {
    QLabel* image = MakeLabel(name, QString());
    image->setPixmap(HelpPicture(file_name));
    image->setFixedSize(size);
    return image;
}

}  // namespace

QWidget* BuildIntroPage() {
    auto* page = new QWidget;
    page->setObjectName("IntroTab");
    QPlainTextEdit* memo = MakeMemo("IntroMemo", {HelpText("intro.txt")});
    memo->setFixedSize(470, 510);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SetHelpLook(*memo);
    auto* layout = new QGridLayout(page);
    layout->addWidget(memo, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(Picture("Image1", "intro-plant.png", QSize(109, 96)), 0, 1, Qt::AlignTop | Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    return page;
}

QWidget* BuildMathPage() {
    auto* page = new QWidget;
    page->setObjectName("MathTab");
    QPlainTextEdit* memo = MakeMemo("MathMemo", {HelpText("math.txt")});
    memo->setFixedSize(721, 513);
    // The formulas are laid out in columns of characters.
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
    QFont font("Courier New", 9);
    font.setStyleHint(QFont::Monospace);
    memo->setFont(font);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(memo, 0, Qt::AlignTop | Qt::AlignLeft);
    return page;
}

QWidget* BuildFigurePage() {
    auto* page = new QWidget;
    page->setObjectName("FigTab");
    QLabel* title =
        MakeLabel("FigMemo", "     Sketch of water movement as used in Vantorel in case of a root zone with two layers");
    QFont font = title->font();
    font.setPointSize(12);
    title->setFont(font);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(Picture("FigImage", "water-movement.png", QSize(664, 442)), 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch(1);
    return page;
}

}  // namespace vantorel
