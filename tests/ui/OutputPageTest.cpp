// The Output page: opening an output file with its input file, the three tables with their
// headings, the clipboard copy, and what a cancelled or failed open leaves.

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>

#include <filesystem>

#include "model/FileNames.h"
#include "model/NumberText.h"
#include "model/ResultTables.h"
#include "tests/support/FileEdits.h"
#include "tests/ui/ResultPagesFixture.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;

class OutputPageTest : public ResultPagesFixture {
protected:
    QPlainTextEdit* Memo(const char* name) { return Find<QPlainTextEdit>(name); }
    int PageX(const char* name) { return Control(name)->mapTo(Control("OutTab"), QPoint(0, 0)).x(); }
    // Where a column of OutGrid starts and ends on the page.
    std::pair<int, int> ColumnSpan(int first, int last) {
        StringGrid* grid = Grid("OutGrid");
        const int viewport = PageX("OutGrid") + grid->frameWidth();
        return {viewport + grid->columnViewportPosition(first),
                viewport + grid->columnViewportPosition(last) + grid->columnWidth(last)};
    }
    // Expects the text, found on the memo's line from `from` on, to stand over the grid's columns
    // first..last; returns where it ends on the line.
    int ExpectOver(QPlainTextEdit* memo, int line, const QString& text, int first, int last, int from = 0) {
        const QString whole = memo->toPlainText().split('\n')[line];
        const int at = static_cast<int>(whole.indexOf(text, from));
        const QFontMetrics metrics(memo->font());
        const int origin = memo->mapTo(Control("OutTab"), QPoint(0, 0)).x() + memo->frameWidth() +
                           static_cast<int>(memo->document()->documentMargin());
        const double middle = origin + metrics.horizontalAdvance(whole.left(at)) + metrics.horizontalAdvance(text) / 2.0;
        const auto [left, right] = ColumnSpan(first, last);
        EXPECT_TRUE(at >= 0 && middle > left && middle < right)
            << text.toStdString() << " at " << middle << " over " << left << ".." << right;
        return at + static_cast<int>(text.size());
    }
};

TEST_F(OutputPageTest, StartsWithTheTextTheEmptyGridAndTwoButtons) {
    EXPECT_FALSE(Shown("SaltShowButton"));
    EXPECT_TRUE(Memo("OutputMemo")->toPlainText().isEmpty());
    EXPECT_FALSE(Button("GraphButton")->isEnabled());
    EXPECT_TRUE(Button("OpenOutputButton")->isEnabled());

    StringGrid* grid = Grid("OutGrid");
    const auto flags = [grid](int column, int row) { return grid->model()->flags(grid->model()->index(row, column)); };
    EXPECT_FALSE(flags(0, 3) & Qt::ItemIsSelectable);
    EXPECT_FALSE(flags(4, 0) & Qt::ItemIsSelectable);
    EXPECT_TRUE(flags(1, 1) & Qt::ItemIsSelectable);
}

TEST_F(OutputPageTest, OpenOutputReadsTheOutputAndItsInputAndResetsBothPages) {
    // A table and a graph of a one-layer run are shown when a three-layer output is opened.
    OpenOutput(WriteRun({1, 12, 30, true, false, 61}, "first"));
    Click("SaltShowButton");
    Click("GraphButton");
    Click("GraphGoButton");
    ASSERT_TRUE(Shown("GraphImage"));
    const std::string output = WriteRun({3, 14, 30, true, false, 62});
    OpenOutput(output);

    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_TRUE(TakeErrors().empty());
    EXPECT_EQ(Data().FileName, temp_.File("run.inp"));
    EXPECT_EQ(Window().findChild<QLabel*>("NameLabel")->text().toStdString(), temp_.File("run.inp"));
    EXPECT_TRUE(Shown("FileLabel"));
    EXPECT_EQ(Data().NrLayers, 3);
    EXPECT_EQ(Combo("LayersCombo")->currentIndex(), 2);
    EXPECT_EQ(Grid("HydrGrid")->RowCount(), 15);
    QStringList lines;
    for (const std::string& line : ReadCrLfLines(output)) lines << QString::fromLatin1(line);
    EXPECT_EQ(Memo("OutputMemo")->toPlainText(), lines.join('\n'));
    EXPECT_TRUE(Flags().OutputAvailable);
    EXPECT_TRUE(Button("GraphButton")->isEnabled());
    for (const char* name : {"OutputMemo", "OutLabel", "SaltShowButton", "HydrShowButton", "SurfButton"}) {
        EXPECT_TRUE(Shown(name)) << name;
    }
    for (const char* name : {"OutSalt1Memo", "OutSalt2Memo", "OutSalt3Memo", "HydrOutMemo", "SurfMemo", "OutGrid",
                             "CopyLabel", "ClipLabel", "ClipButton", "GraphImage", "GraphPanel"}) {
        EXPECT_FALSE(Shown(name)) << name;
    }
    EXPECT_FALSE(Button("SaveGraphButton")->isEnabled());
    EXPECT_FALSE(Button("GraphSelectButton")->isEnabled());

    for (const FileDialogSettings* settings :
         {&Window().InputOpenDialog(), &Window().InputSaveDialog(), &Window().OutputOpenDialog()}) {
        EXPECT_EQ(settings->initial_directory, FolderPart(output));
    }
}

TEST_F(OutputPageTest, TheTextTheTableAndTheGraphUseTheWindowsHeight) {
    Window().resize(900, 1000);
    ShowPage("OutTab");
    OpenOutput(WriteRun({1, 40, 30, true, false, 63}));
    QApplication::processEvents();
    const int page = Control("OutTab")->height();
    // Without a table the text has the page.
    EXPECT_GT(Memo("OutputMemo")->height(), page * 3 / 4);
    Click("HydrShowButton");
    QApplication::processEvents();
    EXPECT_GT(Grid("OutGrid")->height(), page / 2);
    EXPECT_GT(Memo("OutputMemo")->height(), page / 5);

    // The graph stands in the middle of its area.
    Click("GraphButton");
    Click("GraphGoButton");
    QApplication::processEvents();
    EXPECT_NEAR(Control("GraphImage")->geometry().center().y(), Control("GraphTab")->height() / 2, 12);
}

class OutputTablesTest : public OutputPageTest, public ::testing::WithParamInterface<int> {};

TEST_P(OutputTablesTest, EachTableShowsTheFilesAndCopiesExactly) {
    const int layers = GetParam();
    const std::string output = WriteRun({layers, 13, 30, true, false, 70u + static_cast<uint32_t>(layers)});
    OpenOutput(output);
    const std::string salinity_memo = "OutSalt" + std::to_string(layers) + "Memo";
    const struct {
        const char* button;
        ResultTable expected;
        std::string memo;
    } tables[] = {
        {"SaltShowButton", BuildSalinityTable(ReadBack(output)), salinity_memo},
        {"HydrShowButton", BuildHydrologyTable(ReadBack(output)), "HydrOutMemo"},
        {"SurfButton", BuildSurfaceTable(ReadBack(output, true)), "SurfMemo"},
    };
    for (const auto& [button, expected, memo] : tables) {
        SCOPED_TRACE(button);
        Click(button);
        for (const char* other : {"SaltShowButton", "HydrShowButton", "SurfButton"}) {
            EXPECT_EQ(Button(other)->isEnabled(), std::string(other) != button) << other;
        }
        StringGrid* grid = Grid("OutGrid");
        ASSERT_EQ(grid->ColCount(), expected.ColCount());
        ASSERT_EQ(grid->RowCount(), expected.RowCount());
        for (int row = 0; row < expected.RowCount(); ++row) {
            for (int column = 0; column < expected.ColCount(); ++column) {
                EXPECT_EQ(grid->Cell(column, row).toStdString(), expected.Cell(column, row)) << column << "," << row;
            }
        }
        for (const char* name : {"OutGrid", "CopyLabel", "ClipLabel", "ClipButton"}) EXPECT_TRUE(Shown(name)) << name;
        for (const char* name : {"HydrOutMemo", "OutSalt1Memo", "OutSalt2Memo", "OutSalt3Memo", "SurfMemo"}) {
            EXPECT_EQ(Shown(name), memo == name) << name;
        }
        Click("ClipButton");
        EXPECT_EQ(scripted_.clipboard.text, QString::fromLatin1(ClipboardText(expected)));
        EXPECT_EQ(TakeMessages(), Names{"The data are on the clipboard to be pasted elsewhere."});
    }

    // The salinity headings stand over their columns: each "calculated" and "measured" over its
    // own, the layer names over the pair of their layer, the zones over theirs.
    Click("SaltShowButton");
    QPlainTextEdit* memo = Memo(salinity_memo.c_str());
    const int last = static_cast<int>(memo->toPlainText().split('\n').size()) - 1;
    int from = 0;
    for (int column = 1; column <= 2 * (layers + 2); ++column) {
        from = ExpectOver(memo, last, column % 2 == 1 ? "calculated" : "measured", column, column, from);
    }
    for (int layer = 1; layer <= layers && layers > 1; ++layer) {
        ExpectOver(memo, last - 1, "Layer" + QString::number(layer), 2 * layer - 1, 2 * layer);
    }
    const int zone_line = layers == 3 ? 2 : 1;
    ExpectOver(memo, 1, "R o o t z o n e", 1, 2 * layers);
    ExpectOver(memo, zone_line, "T r a n s i t i o n", 2 * layers + 1, 2 * layers + 2);
    ExpectOver(memo, zone_line, "A q u i f e r", 2 * layers + 3, 2 * layers + 4);
    ExpectOver(memo, 0, "S A L I N I T Y", 1, 2 * layers + 4);
}

INSTANTIATE_TEST_SUITE_P(Layers, OutputTablesTest, ::testing::Values(1, 2, 3));

TEST_F(OutputPageTest, ACancelledOrFailedOpenLeavesThePageAsItWas) {
    const std::string output = WriteRun({1, 12, 30, true, false, 63});
    OpenOutput(output);
    const QString text = Memo("OutputMemo")->toPlainText();
    const std::string name = Data().FileName;
    const auto unchanged = [&] {
        EXPECT_EQ(Data().FileName, name);
        EXPECT_EQ(Data().NrLayers, 1);
        EXPECT_EQ(Memo("OutputMemo")->toPlainText(), text);
    };

    Click("OpenOutputButton");
    EXPECT_EQ(TakeMessages(), Names{"No output file was selected"});
    unchanged();

    // An output without its input file.
    const std::string lonely = WriteRun({2, 12, 30, true, false, 64}, "lonely");
    std::filesystem::remove(temp_.File("lonely.inp"));
    OpenOutput(lonely);
    const std::vector<std::string> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("lonely.inp"), std::string::npos) << errors[0];
    unchanged();

    // Older rows without the surface drainage: the reader refuses the file with its message.
    std::vector<std::string> lines = ReadCrLfLines(output);
    const size_t first_row = FindLine(lines, " - -") + 1;
    for (size_t k = 0; k < first_row; ++k) {
        if (lines[k].find("Storage") != std::string::npos) lines[k].replace(lines[k].find("Storage"), 7, 7, ' ');
    }
    for (size_t k = first_row; k < lines.size(); ++k) lines[k].resize(88);
    WriteFile(temp_.File("older.out"), JoinCrLf(lines));
    std::filesystem::copy_file(temp_.File("run.inp"), temp_.File("older.inp"));
    OpenOutput(temp_.File("older.out"));
    EXPECT_EQ(TakeMessages(),
              Names{"This is an invalid output file. Use the input file to do the calculations. Program halts."});
    EXPECT_TRUE(TakeErrors().empty());
    unchanged();

    OpenOutput(temp_.File("missing.out"));
    EXPECT_EQ(TakeMessages(), Names{"The file " + temp_.File("missing.out") +
                                    "could not be opened. It may be damaged or in use by another program."});
    EXPECT_TRUE(TakeErrors().empty());
    unchanged();
}

TEST_F(OutputPageTest, TheTablesLeaveTheDataSetWithItsGivenSurfaceDrainage) {
    // Rice ponded beyond its limit drains more off the surface than was given.
    const std::string output = WriteRun({1, 12, 30, false, true, 65}, "rice", [](InputData& d) {
        d.InfCap = 1;
        for (int32_t i = 1; i <= d.NrTimeSteps; ++i) d.Irrig[i] = 720;
    });
    OpenOutput(output);
    const StepSeries given = Data().Sdr;
    const StepSeries actual = ReadBack(output, true).Input.Sdr;
    ASSERT_NE(actual, given);
    Click("HydrShowButton");
    EXPECT_EQ(Data().Sdr, given);
    Click("SurfButton");
    EXPECT_EQ(Data().Sdr, given);
    EXPECT_EQ(Data().FileName, temp_.File("rice.out"));
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(Grid("OutGrid")->Cell(2, i).toStdString(), FormatGeneral(actual[i])) << i;
        EXPECT_EQ(Grid("HydrGrid")->Cell(4, i).toStdString(), FormatGeneral(given[i])) << i;
    }
}

}  // namespace
}  // namespace vantorel::test
