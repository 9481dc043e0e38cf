// Blocks pasted into the time-step grids: how they spread, the step counts they set, the
// salinity grids' messages, and how Ctrl+V and Edit > Paste deliver the clipboard.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;

// Rows of four values as a spreadsheet puts them on the clipboard.
QString Block(int rows, const QString& line_break = "\r\n", bool last_line_break = true) {
    QString text;
    for (int r = 1; r <= rows; ++r) {
        text += QString("%1\t%2\t%3\t%4").arg(r).arg(r * 10).arg(r + 0.5).arg(r % 3);
        if (r < rows || last_line_break) text += line_break;
    }
    return text;
}

class GridPasteWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        ShowPage("InpTab");
        Click("GenSaveButton");
        TakeMessages();
    }
};

TEST_F(GridPasteWindowTest, TwentyFourRowsFromASpreadsheetSetTheNumberOfTimeSteps) {
    Type("HydrGrid", 1, 1, Block(24));
    EXPECT_EQ(Data().NrTimeSteps, 24);
    EXPECT_EQ(Data().NrTimeStepsSaved, 24);
    EXPECT_EQ(Edit("NrTstEdit")->text(), "24");
    EXPECT_EQ(Grid("HydrGrid")->RowCount(), 25);
    for (const char* name : {"HydrGrid", "DWTGrid", "DischGrid"}) EXPECT_EQ(Grid(name)->Cell(0, 24), "24") << name;
    Click("HydrSaveButton");
    EXPECT_EQ(Data().Irrig[24], 240);
    EXPECT_TRUE(TakeErrors().empty());
}

TEST_F(GridPasteWindowTest, WithoutTheLastLineBreakTheLastRowIsKeptButNotCounted) {
    Type("HydrGrid", 1, 1, Block(24, "\r\n", false));
    EXPECT_EQ(Data().NrTimeSteps, 23);
    StringGrid* grid = Grid("HydrGrid");
    EXPECT_EQ(grid->RowCount(), 24);
    EXPECT_EQ(grid->Cell(2, 24), "240");  // beyond the rows shown
    ShowPage("MathTab");
    ShowPage("InpTab");
    SetEdit("NrTstEdit", "24");
    Click("GenSaveButton");
    EXPECT_EQ(grid->RowCount(), 25);
    EXPECT_EQ(grid->Cell(2, 24), "240");
}

TEST_F(GridPasteWindowTest, ABlockStartingBelowTheFirstRowCountsUpToItsLastRow) {
    Type("HydrGrid", 2, 5, Block(10));
    EXPECT_EQ(Data().NrTimeSteps, 14);
    EXPECT_EQ(Data().NrTimeStepsSaved, 14);
    EXPECT_EQ(Edit("NrTstEdit")->text(), "14");
    EXPECT_EQ(Grid("HydrGrid")->Cell(2, 14), "10");
    EXPECT_EQ(Grid("HydrGrid")->Cell(5, 14), "1");  // the fourth value lands beyond the columns shown

    Type("DWTGrid", 1, 3, "1.5\r\n2\r\n");
    EXPECT_EQ(Data().NrTimeSteps, 4);
    EXPECT_EQ(Grid("DWTGrid")->RowCount(), 5);
}

TEST_F(GridPasteWindowTest, ABlockThatReachesNoTimeStepIsRefused) {
    Button("HydrQuitButton")->setEnabled(false);
    Type("HydrGrid", 1, 1, "5\t6\t7");  // one row without its line break: no line at all
    EXPECT_EQ(TakeMessages(), Names{"There are not enough data to be pasted or the data are incompatible"});
    EXPECT_TRUE(Button("HydrQuitButton")->isEnabled());
    EXPECT_EQ(Data().NrTimeSteps, 11);
    EXPECT_EQ(Grid("HydrGrid")->RowCount(), 12);
    EXPECT_EQ(Grid("HydrGrid")->Cell(3, 1), "7");  // the cells written stay
}

TEST_F(GridPasteWindowTest, APasteOfAnySizeNeverBreaksTheWindow) {
    QString rows;
    rows.fill('\n', 1000001);
    Type("DWTGrid", 1, 1, QString(rows).replace("\n", "\r\n"));
    EXPECT_EQ(TakeMessages(), Names{"There are not enough data to be pasted or the data are incompatible"});
    EXPECT_EQ(Data().NrTimeSteps, 11);

    QString wide;
    wide.fill('\t', 300000);
    Type("HydrGrid", 1, 1, wide + "7\r\n");
    EXPECT_EQ(Data().NrTimeSteps, 1);
    EXPECT_EQ(Grid("HydrGrid")->Cell(300001, 1), "7");
    Grid("HydrGrid")->SetColCount(300002);
    EXPECT_EQ(Grid("HydrGrid")->model()->index(1, 300001).data().toString(), "7");
}

TEST_F(GridPasteWindowTest, SalinityBlocksAreHeldToTheNumberOfTimeSteps) {
    Type("SaltGrid1", 1, 1, Block(15));
    EXPECT_EQ(TakeMessages(), Names{"The number of time steps is larger than that given under Hydrological data. It "
                                    "will be reduced."});
    EXPECT_EQ(Data().NrTimeSteps, 11);
    EXPECT_EQ(Grid("SaltGrid1")->RowCount(), 12);
    EXPECT_EQ(Grid("SaltGrid1")->Cell(0, 11), "11");
    EXPECT_EQ(Grid("SaltGrid1")->Cell(1, 15), "15");  // kept in the rows not shown

    Type("SaltGrid3", 1, 1, Block(5));
    EXPECT_EQ(TakeMessages(), Names{"The number of time steps is smaller than that given under Hydrological data. "
                                    "Missing data must be added"});
    EXPECT_EQ(Grid("SaltGrid3")->RowCount(), 12);
    Type("SaltGrid2", 1, 1, Block(11));
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(GridPasteWindowTest, TheDischargeGridStoresMissingValuesAtOnce) {
    Type("DischGrid", 1, 1, "1.5\r\n-\r\n\r\n2\r\n");
    EXPECT_EQ(Data().NrTimeSteps, 4);
    EXPECT_EQ(Data().DrainMeas, (std::vector<double>{0, 1.5, -1000, -1000, 2}));
    EXPECT_EQ(Edit("NrTstEdit")->text(), "11");
}

TEST_F(GridPasteWindowTest, APastedDecimalCommaFailsTheSave) {
    Type("HydrGrid", 1, 1, "1,5\t2 mm\t3e+1\t4\r\n");
    Click("HydrSaveButton");
    EXPECT_EQ(TakeErrors(), Names{"'1,5' is not a valid floating point value"});
    // A single value is an ordinary cell edit.
    Type("HydrGrid", 1, 1, "7 mm");
    EXPECT_EQ(Grid("HydrGrid")->Cell(1, 1), "7 mm");
}

TEST_F(GridPasteWindowTest, CtrlVOnACellOrInItsEditorHandsTheWholeClipboardToTheGrid) {
    StringGrid* grid = Grid("HydrGrid");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 1));
    scripted_.clipboard.text = Block(3);
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(grid, &paste);
    EXPECT_EQ(Data().NrTimeSteps, 3);
    EXPECT_EQ(grid->Cell(4, 3), "0");

    // Into the open cell editor at its cursor; the editor closes on the spread block.
    grid->setCurrentIndex(grid->model()->index(2, 2));
    grid->edit(grid->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "20");
    editor->end(false);  // the editor opens with its text selected
    scripted_.clipboard.text = "5\t6\n7\t8\n";  // line feeds alone, as this system's programs copy
    QKeyEvent paste_in_editor(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(editor, &paste_in_editor);
    EXPECT_EQ(grid->Cell(2, 2), "205");
    EXPECT_EQ(grid->Cell(3, 2), "6");
    EXPECT_EQ(grid->Cell(2, 3), "7");
    EXPECT_EQ(Data().NrTimeSteps, 3);
    QApplication::processEvents();
    EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr);

    // Edit > Paste does the same; a single value goes into the editor at its cursor.
    grid->setCurrentIndex(grid->model()->index(1, 4));
    grid->edit(grid->currentIndex());
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->end(false);
    scripted_.clipboard.text = "9";
    Window().findChild<QAction*>("EditPaste")->trigger();
    EXPECT_EQ(grid->Cell(4, 1), "19");
    grid->setFocus();
    scripted_.clipboard.text = "1\t2\r\n";
    Window().findChild<QAction*>("EditPaste")->trigger();
    EXPECT_EQ(Data().NrTimeSteps, 1);
}

TEST_F(GridPasteWindowTest, TypedKeysReachTheCellAsTheyAreTyped) {
    StringGrid* grid = Grid("HydrGrid");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(2, 3));
    for (const char* key : {"4", ".", "5"}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    EXPECT_EQ(grid->Cell(3, 2), "4.5");
    // The native paste of the cell editor delivers the whole block as well.
    QApplication::clipboard()->setText("1\t2\r\n");
    qobject_cast<QLineEdit*>(QApplication::focusWidget())->paste();
    EXPECT_EQ(grid->Cell(3, 2), "4.51");
    EXPECT_EQ(grid->Cell(4, 2), "2");
    EXPECT_EQ(Data().NrTimeSteps, 2);
}

}  // namespace
}  // namespace vantorel::test
