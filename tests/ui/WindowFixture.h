#pragma once
// A fresh program window per test, driven by its controls as a user would, with scripted
// dialogs, file dialogs and clipboard.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/ScriptedWindowServices.h"
#include "tests/support/TempDir.h"
#include "ui/ProgramWindows.h"

// Texts of the window in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace vantorel::test {

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture();
    ~WindowFixture() override;

    TMainForm& Window() { return windows_->MainForm; }
    ProgramWindows& Windows() { return *windows_; }
    InputData& Data() { return Window().State().Input; }
    const WindowFlags& Flags() { return Window().Flags(); }

    // The control of that name and type; fails the test when there is none.
    template <class Control>
    Control* Find(const char* name) {
        auto* control = Window().findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << "no control " << name;
        return control;
    }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    StringGrid* Grid(const char* name) { return Find<StringGrid>(name); }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QComboBox* Combo(const char* name) { return Find<QComboBox>(name); }
    QWidget* Control(const char* name) { return Find<QWidget>(name); }
    // Clicks a button that must be enabled.
    void Click(const char* name);
    void ShowPage(const char* name);
    // Types the text into the cell as its cell editor would deliver it.
    void Type(const char* grid, int column, int row, const QString& text);
    void SetEdit(const char* name, const QString& text) { Edit(name)->setText(text); }
    void SetItem(const char* combo, int item) { Combo(combo)->setCurrentIndex(item); }

    // The messages shown since the last call, and clears them.
    std::vector<std::string> TakeMessages();
    std::vector<std::string> TakeErrors();
    // The one group panel that is visible, or empty.
    std::string OpenPanel();
    // The names of the enabled buttons among the eight group buttons and "Save all - Run".
    std::vector<std::string> EnabledGroupButtons();

    // Enters the data set group by group in sequence mode, from the General data panel on,
    // ending with the Rice cropping details saved.
    void EnterDataSet(const InputData& data);
    // Writes the data set as an input file and opens it through "Open input" on the Input page.
    void OpenDataSet(const InputData& data, const std::string& name = "opened.inp");
    // "Save all - Run" with the file name chosen and the calculation accepted, until the
    // calculation has ended.
    void SaveAllAndRun(const std::string& path);
    // Lets the window work until its calculation has ended.
    void WaitForCalculation();

    ScriptedWindowServices scripted_;
    TempDir temp_;
    bool program_ended_ = false;

private:
    std::unique_ptr<ProgramWindows> windows_;
};

}  // namespace vantorel::test
