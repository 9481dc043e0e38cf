#pragma once
// The windows besides the main window: the closing window, the drainage-factor calculator and
// the drainage explanation. They are created hidden at program start and live until it ends.

#include <QWidget>

#include <functional>

namespace vantorel {

// "Close all": shown when the user closes the main window; closing it ends the program.
class TCloseForm : public QWidget {
public:
    explicit TCloseForm(std::function<void()> end_program);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> end_program_;
};

class TAlfaForm : public QWidget {
public:
    TAlfaForm();
};

class TDrainForm : public QWidget {
public:
    TDrainForm();
};

}  // namespace vantorel
