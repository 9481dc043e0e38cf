#pragma once
// The help texts and pictures compiled into the program from resources/.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace vantorel {

// A text of resources/texts by its file name ("intro.txt"), with the program's e-mail and web
// addresses in place of @EMAIL@ and @WEB@ and without the final line end.
QString HelpText(const char* file_name);

// A PNG picture of resources/pictures by its file name.
QPixmap HelpPicture(const char* file_name);

// The drain geometry drawn for the calculator, a JPEG decoded by the program's libjpeg loader;
// a null picture when it cannot be decoded.
QImage CalculatorPicture();

// The program's icon, for the window frames and the task bar.
QIcon ProgramIcon();

// The look of the introduction and of the closing window: light green, 10 pt.
void SetHelpLook(QWidget& memo);

}  // namespace vantorel
