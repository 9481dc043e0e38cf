#include "ui/OutputPage.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

namespace {

const QStringList HydrologyHeadings = {
    "Rainfall         Irrigation         Pot. Evap.    Percolation    Capillary rise    Act. Evap.    Drainage       "
    "Depth WT"};
const QStringList SurfaceHeadings = {"Surface drainage   Actual surface       Storage of water",
                                     "given                     drainage                above soil surface"};
const QStringList Salinity1Headings = {
    "                         S A L I N I T Y    D A T A",
    "       R o o t z o n e             T r a n s i t i o n   z o n e          A q u i f e r",
    "  calculated   measured       calculated   measured       calculated   measured"};
const QStringList Salinity2Headings = {
    "                         S A L I N I T Y    D A T A",
    "                    R o o t z o n e                   T r a n s i t i o n   z o n e     A q u i f e r",
    "        Layer1                     Layer2",
    "  calculated  measured  calculated  measured  calculated  measured  calculated  measured"};
const QStringList Salinity3Headings = {
    "                         S A L I N I T Y    D A T A",
    "                              R o o t z o n e",
    " - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -   T r a n s i t i o n  z o n e   A q u i f e r",
    "       Layer1              Layer2              Layer3",
    " calculated measured calculated measured calculated measured calculated measured calculated measured"};

QPlainTextEdit* HeadingsMemo(const char* name, const QStringList& lines) {
    QPlainTextEdit* memo = MakeMemo(name, lines);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * static_cast<int>(lines.size()) + 12);
    memo->hide();
    return memo;
}

}  // namespace

QWidget* BuildOutputPage(OutputControls& out, TextClipboard& clipboard) {
    auto* page = new QWidget;
    page->setObjectName("OutTab");
    out.OutTab = page;

    out.OutputMemo = MakeMemo("OutputMemo", {});
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    out.OutputMemo->setFont(fixed);
    out.OutLabel = MakeLabel("OutLabel", "  See output file  (*.out) for all data");
    out.SaltShowButton = MakeButton("SaltShowButton", "See salinity output");
    out.HydrShowButton = MakeButton("HydrShowButton", "See soil hydrological output");
    out.SurfButton = MakeButton("SurfButton", "See surface hydrology output");
    out.OpenOutputButton = MakeButton("OpenOutputButton", "Open output");
    out.GraphButton = MakeButton("GraphButton", "See graphs");
    out.GraphButton->setEnabled(false);
    for (QWidget* hidden : std::initializer_list<QWidget*>{out.OutLabel, out.SaltShowButton, out.HydrShowButton,
                                                           out.SurfButton}) {
        hidden->hide();
    }

    out.HydrOutMemo = HeadingsMemo("HydrOutMemo", HydrologyHeadings);
    out.OutSalt1Memo = HeadingsMemo("OutSalt1Memo", Salinity1Headings);
    out.OutSalt2Memo = HeadingsMemo("OutSalt2Memo", Salinity2Headings);
    out.OutSalt3Memo = HeadingsMemo("OutSalt3Memo", Salinity3Headings);
    out.SurfMemo = HeadingsMemo("SurfMemo", SurfaceHeadings);
    out.OutGrid = MakeGrid("OutGrid", {12, 8, 1, 1, std::vector<int>(12, 60)}, clipboard);
    out.ClipLabel = MakeLabel("ClipLabel", "Click table and:");
    out.ClipButton = MakeButton("ClipButton", "Copy to clipboard");
    out.ClipLabel->hide();
    out.ClipButton->hide();
    out.CopyLabel =
        MakeLabel("CopyLabel", "The data of the table can be copied to a spreadsheet like Excel via the clipboard");

    auto* layout = new QGridLayout(page);
    auto* buttons = new QVBoxLayout;
    for (QWidget* button : std::initializer_list<QWidget*>{out.OpenOutputButton, out.SaltShowButton, out.HydrShowButton,
                                                           out.SurfButton, out.GraphButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(out.ClipLabel);
    buttons->addWidget(out.ClipButton);
    layout->addWidget(out.OutputMemo, 0, 0);
    layout->addLayout(buttons, 0, 1, 3, 1);
    layout->addWidget(out.OutLabel, 1, 0);
    auto* table = new QVBoxLayout;
    table->setSpacing(0);
    for (QWidget* memo : std::initializer_list<QWidget*>{out.HydrOutMemo, out.OutSalt1Memo, out.OutSalt2Memo,
                                                         out.OutSalt3Memo, out.SurfMemo, out.OutGrid}) {
        table->addWidget(memo);
    }
    layout->addLayout(table, 2, 0);
    layout->addWidget(out.CopyLabel, 3, 0, 1, 2);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(2, 2);
    layout->setColumnStretch(0, 1);
    return page;
}

}  // namespace vantorel
