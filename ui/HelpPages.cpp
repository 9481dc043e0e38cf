#include "ui/HelpPages.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QWidget* BuildIntroPage() {
    auto* page = new QWidget;
    page->setObjectName("IntroTab");
    QPlainTextEdit* memo = MakeMemo("IntroMemo", {"INTRODUCTION  TO  Vantorel"});
    memo->setFixedSize(470, 510);
    QFont font = memo->font();
    font.setPointSize(10);
    memo->setFont(font);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, QColor(204, 255, 204));
    memo->setPalette(palette);
    QLabel* image = MakeLabel("Image1", QString());
    image->setFixedSize(109, 96);
    auto* layout = new QGridLayout(page);
    layout->addWidget(memo, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(image, 0, 1, Qt::AlignTop | Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    return page;
}

QWidget* BuildMathPage() {
    auto* page = new QWidget;
    page->setObjectName("MathTab");
    QPlainTextEdit* memo = MakeMemo("MathMemo", {"WATER AND SALT BALANCES USED IN Quenrick"});
    memo->setFixedSize(721, 513);
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
    QLabel* image = MakeLabel("FigImage", QString());
    image->setFixedSize(664, 442);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(image, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch(1);
    return page;
}

}  // namespace vantorel
