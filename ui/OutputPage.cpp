#include "ui/OutputPage.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/ControlFactory.h"

namespace vantorel {

namespace {

const QStringList HydrologyHeadings = {
    "Rainfall         Irrigation         Pot. Evap.    Percolation    Capillary rise    Act. Evap.    Drainage       "
    "Depth WT"};
const QStringList SurfaceHeadings = {"Surface drainage   Actual surface       Storage of water",
                                     "given                     drainage                above soil surface"};

// The salinity headings stand over the data columns of the grid (64 pixels each, from the first
// column after the step numbers on), in the window's font: each "calculated" and "measured" over
// its own column, a layer name over its two columns, a zone name over the columns of the zone.
QString Blanks(int count) { return QString(count, ' '); }

QString CalculatedMeasured(int pairs) {
    QString line = Blanks(2) + "calculated";
    for (int pair = 1; pair < pairs; ++pair) line += Blanks(5) + "measured" + Blanks(5) + "calculated";
    return line + Blanks(5) + "measured";
}

const QString SalinityTitle = "S A L I N I T Y    D A T A";
const QString RootZone = "R o o t z o n e";
const QString TransitionZone = "T r a n s i t i o n   z o n e";
const QString Aquifer = "A q u i f e r";

const QStringList Salinity1Headings = {
    Blanks(44) + SalinityTitle,
    Blanks(10) + RootZone + Blanks(11) + TransitionZone + Blanks(15) + Aquifer,
    CalculatedMeasured(3),
};
const QStringList Salinity2Headings = {
    Blanks(65) + SalinityTitle,
    Blanks(31) + RootZone + Blanks(32) + TransitionZone + Blanks(15) + Aquifer,
    Blanks(15) + "Layer1" + Blanks(31) + "Layer2",
    CalculatedMeasured(4),
};
const QStringList Salinity3Headings = {
    Blanks(86) + SalinityTitle,
    Blanks(52) + RootZone,
    QString("- ").repeated(55) + "-" + Blanks(6) + "T r a n s i t i o n  z o n e" + Blanks(15) + Aquifer,
    Blanks(15) + "Layer1" + Blanks(31) + "Layer2" + Blanks(31) + "Layer3",
    CalculatedMeasured(5),
};

// A frameless memo in the page's colour, so that it reads as the grid's column headings.
QPlainTextEdit* MakeHeadingsMemo(const char* name, const QStringList& lines) {
    QPlainTextEdit* memo = MakeMemo(name, lines);
    memo->setFrameShape(QFrame::NoFrame);
    memo->document()->setDocumentMargin(1);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setBackgroundRole(QPalette::Window);
    memo->viewport()->setBackgroundRole(QPalette::Window);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * static_cast<int>(lines.size()) + 4);
    memo->hide();
    return memo;
}

// Room under the grid for the clipboard label and button.
int ClipHeight(const OutputTableArea& area) {
    return area.clip_label->sizeHint().height() + area.clip_button->sizeHint().height() + 6;
}

}  // namespace

QPlainTextEdit* OutputControls::Memo(HeadingsMemo memo) const {
    switch (memo) {
        case HeadingsMemo::OutSalt1Memo: return OutSalt1Memo;
        case HeadingsMemo::OutSalt2Memo: return OutSalt2Memo;
        case HeadingsMemo::OutSalt3Memo: return OutSalt3Memo;
        case HeadingsMemo::HydrOutMemo: return HydrOutMemo;
        case HeadingsMemo::SurfMemo: return SurfMemo;
    }
    return nullptr;
}

const QStringList& SalinityHeadings(int layers) {
    return layers == 3 ? Salinity3Headings : layers == 2 ? Salinity2Headings : Salinity1Headings;
}

void OutputTableArea::Place(const Placement& placement) {
    placement_ = placement;
    Arrange();
}

void OutputTableArea::Arrange() {
    const Placement& p = placement_;
    int top = 0;
    if (p.memo != nullptr) {
        // The memo's text starts where the grid's first data column does.
        const int first_data_column = p.grid_left + grid->frameWidth() + grid->columnWidth(0);
        p.memo->setGeometry(first_data_column - 1, 0, p.memo_width, p.memo->height());
        top = p.memo->height();
    }
    const int clip_height = ClipHeight(*this);
    grid->setGeometry(p.grid_left, top, p.grid_width, std::max(height() - top - clip_height, 60));
    const int label_top = grid->geometry().bottom() + 3;
    clip_label->move(p.clip_label_left, label_top);
    clip_label->adjustSize();
    clip_button->move(p.clip_button_left, label_top + clip_label->height() + 2);
    clip_button->adjustSize();
}

void OutputTableArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void OutputTableArea::ShareHeightWithText(QBoxLayout& page_layout) {
    page_layout_ = &page_layout;
    grid->installEventFilter(this);
}

bool OutputTableArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid && page_layout_ != nullptr &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        page_layout_->setStretchFactor(this, event->type() == QEvent::ShowToParent ? 2 : 0);
    }
    return false;
}

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

    auto* area = new OutputTableArea;
    area->setObjectName("OutputTableArea");
    out.TableArea = area;
    out.HydrOutMemo = MakeHeadingsMemo("HydrOutMemo", HydrologyHeadings);
    out.OutSalt1Memo = MakeHeadingsMemo("OutSalt1Memo", Salinity1Headings);
    out.OutSalt2Memo = MakeHeadingsMemo("OutSalt2Memo", Salinity2Headings);
    out.OutSalt3Memo = MakeHeadingsMemo("OutSalt3Memo", Salinity3Headings);
    out.SurfMemo = MakeHeadingsMemo("SurfMemo", SurfaceHeadings);
    out.OutGrid = MakeGrid("OutGrid", {12, 8, 1, 1, std::vector<int>(12, 60)}, clipboard);
    // The tables show results: they are read and copied, not edited.
    out.OutGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    out.ClipLabel = MakeLabel("ClipLabel", "Click table and:");
    out.ClipButton = MakeButton("ClipButton", "Copy to clipboard");
    out.ClipLabel->hide();
    out.ClipButton->hide();
    for (QWidget* child : std::initializer_list<QWidget*>{out.HydrOutMemo, out.OutSalt1Memo, out.OutSalt2Memo,
                                                          out.OutSalt3Memo, out.SurfMemo, out.OutGrid, out.ClipLabel,
                                                          out.ClipButton}) {
        child->setParent(area);
    }
    area->grid = out.OutGrid;
    area->clip_label = out.ClipLabel;
    area->clip_button = out.ClipButton;
    area->Place({});
    out.CopyLabel =
        MakeLabel("CopyLabel", "The data of the table can be copied to a spreadsheet like Excel via the clipboard");

    // The table area spans the page from its left edge, so that the tables' lefts are the page's.
    auto* text_part = new QGridLayout;
    text_part->setContentsMargins(9, 9, 9, 0);
    auto* buttons = new QVBoxLayout;
    for (QWidget* button : std::initializer_list<QWidget*>{out.OpenOutputButton, out.SaltShowButton, out.HydrShowButton,
                                                           out.SurfButton, out.GraphButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    text_part->addWidget(out.OutputMemo, 0, 0);
    text_part->addWidget(out.OutLabel, 1, 0);
    text_part->addLayout(buttons, 0, 1, 2, 1);
    text_part->setColumnStretch(0, 1);
    text_part->setRowStretch(0, 1);
    out.OutputMemo->setMinimumHeight(200);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addLayout(text_part, 1);
    layout->addWidget(area, 2);
    area->ShareHeightWithText(*layout);
    auto* copy_row = new QHBoxLayout;
    copy_row->setContentsMargins(9, 0, 9, 0);
    copy_row->addWidget(out.CopyLabel);
    layout->addLayout(copy_row);
    return page;
}

void ShowResultTable(OutputControls& out, const ResultTable& table) {
    StringGrid& grid = *out.OutGrid;
    grid.SetColCount(table.ColCount());
    grid.SetRowCount(table.RowCount());
    for (int32_t row = 0; row < table.RowCount(); ++row) {
        for (int32_t column = 0; column < table.ColCount(); ++column) {
            grid.SetCell(column, row, QString::fromLatin1(table.Cell(column, row)));
        }
    }
    const ResultTablePlace place = PlaceOf(table.Kind);
    grid.horizontalHeader()->setDefaultSectionSize(place.DefaultColWidth);
    grid.SetColumnWidths(std::vector<int>(static_cast<size_t>(table.ColCount()), place.DefaultColWidth));

    QPlainTextEdit* memo = out.Memo(place.Memo);
    int memo_width = place.GridWidth - place.DefaultColWidth;
    if (place.MemoChange) {
        memo->setPlainText(QString::fromLatin1(place.MemoChange->Text));
        memo_width = place.MemoChange->Width;
    }
    for (QPlainTextEdit* other : out.HeadingsMemos()) other->setVisible(other == memo);
    out.TableArea->Place({place.GridLeft, place.GridWidth, place.ClipLabelLeft, place.ClipButtonLeft, memo, memo_width});
    out.ClipLabel->show();
    out.ClipButton->show();
}

QString GridClipboardText(const StringGrid& grid) {
    ResultTable shown(grid.ColCount(), grid.RowCount());
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < grid.ColCount(); ++column) {
            shown.SetCell(column, row, grid.Cell(column, row).toLatin1().toStdString());
        }
    }
    return QString::fromLatin1(ClipboardText(shown));
}

}  // namespace vantorel
