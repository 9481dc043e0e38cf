#include "ui/analysis/FitStatisticsWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/CalibrationTables.h"
#include "ui/ControlFactory.h"
#include "ui/Mnemonics.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

const QStringList Headings = {"Series", "n", "Observed mean", "Simulated mean", "RMSE", "MAE",
                              "PBIAS (%)", "NSE", "KGE", "R\u00b2"};

constexpr const char* Explanation =
    "O observed, S simulated, over the steps with a measurement; an empty cell is undefined for the data.\n"
    "RMSE = \u221a(\u03a3(S\u2212O)\u00b2/n), MAE = \u03a3|S\u2212O|/n, in the series' unit (m, mm per time step, "
    "dS/m).\n"
    "PBIAS = 100\u00b7\u03a3(O\u2212S)/\u03a3O: positive when the model underestimates, negative when it "
    "overestimates.\n"
    "NSE = 1 \u2212 \u03a3(O\u2212S)\u00b2/\u03a3(O\u2212\u014c)\u00b2: 1 is a perfect fit, 0 is no better than "
    "the observed mean.\n"
    "KGE = 1 \u2212 \u221a((r\u22121)\u00b2 + (\u03c3S/\u03c3O\u22121)\u00b2 + (S\u0304/\u014c\u22121)\u00b2), "
    "with r the correlation: 1 is a perfect fit.\n"
    "R\u00b2 = r\u00b2, the square of the Pearson correlation of S and O.";

QString Cell(const std::optional<double>& value) {
    return value ? QString::fromStdString(FormatSignificant(*value, 6)) : QString();
}

}  // namespace

FitStatisticsWindow::FitStatisticsWindow(QWidget* parent, WindowServices& services)
    : QDialog(parent), services_(services) {
    SetUpWindow(*this, "FitStatisticsWindow", "Fit statistics", 900, 420);
    note_ = MakeNamed<QLabel>("FitNoteLabel");
    note_->setWordWrap(true);
    table_ = MakeNamed<QTableWidget>("FitGrid", 0, static_cast<int>(Headings.size()));
    table_->setHorizontalHeaderLabels(Headings);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* explanation = MakeLabel("FitExplanationLabel", Explanation);
    copy_ = MakeButton("FitClipButton", "Copy to clipboard");
    connect(copy_, &QPushButton::clicked, this, [this] {
        services_.clipboard.SetText(ClipboardText());
        services_.dialogs.ShowMessage("The data are on the clipboard to be pasted elsewhere.");
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_, 1);
    layout->addWidget(explanation);
    layout->addWidget(copy_, 0, Qt::AlignLeft);
    AddMnemonics(*this);
}

void FitStatisticsWindow::ShowRun(const std::optional<CalibrationRun>& run) {
    table_->setRowCount(0);
    if (!run) {
        note_->setText("No calculation has been made in this window yet, and no output file was opened. The "
                       "statistics come from a run made here with \"Save all - Run\" or from an output file opened "
                       "with \"Open output\".");
    } else if (run->statistics.empty()) {
        note_->setText(QString("The %1 (%2) has no measured depths, discharges or salinities to compare with.")
                           .arg(run->from_output_file ? "output file opened" : "last run")
                           .arg(QString::fromStdString(run->output_file)));
    } else {
        note_->setText(run->from_output_file
                           ? QString("Output file opened: %1, compared with the measurements of its input file. The "
                                     "simulated values are those the file prints, rounded as printed.")
                                 .arg(QString::fromStdString(run->output_file))
                           : QString("Last run: %1").arg(QString::fromStdString(run->output_file)));
        table_->setRowCount(static_cast<int>(run->statistics.size()));
        for (int row = 0; row < table_->rowCount(); ++row) {
            const FitStatistics& f = run->statistics[static_cast<size_t>(row)];
            const QString cells[] = {QString::fromStdString(f.series),
                                     QString::number(f.n),
                                     Cell(f.observed_mean),
                                     Cell(f.simulated_mean),
                                     Cell(f.rmse),
                                     Cell(f.mae),
                                     Cell(f.pbias_percent),
                                     Cell(f.nse),
                                     Cell(f.kge),
                                     Cell(f.r_squared)};
            for (int column = 0; column < table_->columnCount(); ++column) {
                table_->setItem(row, column, new QTableWidgetItem(cells[column]));
            }
        }
        table_->resizeColumnsToContents();
    }
    const bool rows = table_->rowCount() > 0;
    table_->setVisible(rows);
    copy_->setEnabled(rows);
    show();
    raise();
}

QString FitStatisticsWindow::ClipboardText() const {
    QStringList rows = {Headings.join('\t')};
    for (int row = 0; row < table_->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table_->columnCount(); ++column) cells << table_->item(row, column)->text();
        rows << cells.join('\t');
    }
    return rows.join('\r');
}

}  // namespace vantorel
