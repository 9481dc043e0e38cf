#pragma once
// The fixed pages of the main window: the introduction, the balance equations and the sketch of
// the water flows. Their full texts and pictures are resources of their own; these are the
// carriers.

#include <QWidget>

namespace vantorel {

QWidget* BuildIntroPage();
QWidget* BuildMathPage();
QWidget* BuildFigurePage();

}  // namespace vantorel
