#pragma once
// The fixed pages of the main window: the introduction, the balance equations and the sketch of
// the water flows, with their texts and pictures from resources/.

#include <QWidget>

namespace vantorel {

QWidget* BuildIntroPage();
QWidget* BuildMathPage();
QWidget* BuildFigurePage();

}  // namespace vantorel
