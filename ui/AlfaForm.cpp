#include "ui/AlfaForm.h"

#include <utility>

#include <QFocusEvent>
#include <QVBoxLayout>

#include "model/NumberText.h"
#include "ui/ControlFactory.h"
#include "ui/EditorContext.h"
#include "ui/HelpResources.h"

namespace vantorel {

namespace {

// Restores the process-wide decimal separator when it goes out of scope.
class SeparatorKept {
public:
    SeparatorKept() : separator_(DecimalSeparator()) {}
    ~SeparatorKept() { SetDecimalSeparator(separator_); }
    SeparatorKept(const SeparatorKept&) = delete;
    SeparatorKept& operator=(const SeparatorKept&) = delete;
    char Separator() const { return separator_; }

private:
    char separator_;
};

// A field's number with the current decimal separator, else once more with the other of point
// and comma, so that 1.5 and 1,5 both read as one and a half. Throws ConversionError.
double FieldNumber(const QString& text) {
    const std::string number = text.toStdString();
    const SeparatorKept kept;
    try {
        return StringToFloat(number);
    } catch (const ConversionError&) {
        SetDecimalSeparator(kept.Separator() == ',' ? '.' : ',');
    }
    return StringToFloat(number);
}

QString Fixed(double value, int width, int decimals) {
    return QString::fromStdString(FormatFixed(value, width, decimals));
}

}  // namespace

TAlfaForm::TAlfaForm(WindowServices& services, EnterDrainageFactors enter_in_editor)
    : services_(services), enter_in_editor_(std::move(enter_in_editor)) {
    setObjectName("AlfaForm");
    setWindowTitle("Calculator rection factors drainage systm");
    setFont(FormFont());
    resize(457, 580);
    SetDecimalSeparator('.');

    GeometryImage = MakeLabel("GeometryImage", QString(), this);
    const QImage picture = CalculatorPicture();
    if (!picture.isNull()) {
        GeometryImage->setPixmap(QPixmap::fromImage(picture));
        GeometryImage->setFixedSize(picture.size());
    }

    auto* grid = new QGridLayout;
    AddField(grid, "Edit1", "Hydraulic conductivity above drain level (Ka in m/day)", CalculatorField::Ka,
             &geometry_.Ka, true);
    AddField(grid, "Edit2", "Hydraulic conductivity below drain level (Kb in m/day)", CalculatorField::Kb,
             &geometry_.Kb, true);
    AddField(grid, "Edit9", "Depth of drains below soils surface (Dd in m)", CalculatorField::Dd, &Dd_, false);
    AddField(grid, "Edit3", "Depth of soil layer below drain level (D = D1-Dd in m)", CalculatorField::D,
             &geometry_.D, true);
    AddField(grid, "Edit4", "Wet perimeter of drain or ditch (U in m)", CalculatorField::U, &geometry_.U, true);
    AddField(grid, "Edit5", "Drainable (effective) porosity of top soil (P in %)", CalculatorField::P,
             &geometry_.P, false);
    AddField(grid, "Edit6", "Drain spacing (L in m)", CalculatorField::L, &geometry_.L, false);

    Button1 = MakeButton("Button1", "Calculate", this);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    Edit7 = MakeEdit("Edit7", QString(), this);
    Edit8 = MakeEdit("Edit8", QString(), this);
    for (QLineEdit* result : {Edit7, Edit8}) {
        result->setReadOnly(true);
        result->setFixedWidth(80);
    }
    auto* results = new QHBoxLayout;
    results->addWidget(MakeLabel("Label8", "QH1 =", this));
    results->addWidget(Edit7);
    results->addSpacing(24);
    results->addWidget(MakeLabel("Label9", "QH2  =", this));
    results->addWidget(Edit8);
    results->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GeometryImage, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(Button1, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addWidget(MakeLabel("EquationLabel", "Drainage equation: Q = QH1*(Dd-Dw) + QH2*(Dd-Dw)^2", this));
    layout->addLayout(results);
    layout->addSpacing(6);
    layout->addWidget(
        MakeLabel("NoteLabel", "Use the Calculate button to find the values of QH1 and QH2 from above data", this));
    layout->addStretch(1);
}

void TAlfaForm::AddField(QGridLayout* grid, const char* edit_name, const char* label, CalculatorField field,
                         double* stored, bool zero_when_refused) {
    const int row = grid->rowCount();
    QLineEdit* edit = MakeEdit(edit_name, QString(), this);
    edit->setFixedWidth(80);
    grid->addWidget(MakeLabel((QString(edit_name) + "Label").toLatin1().constData(), label, this), row, 0);
    grid->addWidget(edit, row, 1);
    fields_.push_back({edit, field, stored, zero_when_refused});
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this] { ClearCalculatorResults(); });
}

bool TAlfaForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only leaving a field for another control checks it; switching to another window or
        // opening a menu does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (const Field& field : fields_) {
                if (field.edit == watched) FieldExit(field);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TAlfaForm::FieldExit(const Field& field) {
    RunEditorAction(services_.errors, [&] {
        const double value = FieldNumber(field.edit->text());
        *field.stored = value;
        if (const auto refusal = CheckCalculatorField(field.field, value)) {
            services_.dialogs.ShowMessage(*refusal);
            field.edit->clear();
            if (field.zero_when_refused) *field.stored = 0;
            return;
        }
        ValidateCalculatorInputs();
    });
}

void TAlfaForm::ClearCalculatorResults() {
    QH1_ = 0;
    QH2_ = 0;
    Edit7->clear();
    Edit8->clear();
}

void TAlfaForm::ValidateCalculatorInputs() { inputs_valid_ = vantorel::ValidateCalculatorInputs(geometry_); }

void TAlfaForm::Button1Click() {
    ValidateCalculatorInputs();
    if (!inputs_valid_) {
        services_.dialogs.ShowMessage(IncorrectCalculatorDataMessage);
        return;
    }
    const DrainageFactors factors = ComputeDrainageFactors(geometry_);
    QH1_ = factors.QH1;
    QH2_ = factors.QH2;
    const QString qh2 = Fixed(QH2_, 7, 4);
    const QString qh1 = Fixed(QH1_, 7, 4);
    Edit8->setText(qh2);
    Edit7->setText(qh1);
    enter_in_editor_(Fixed(Dd_, 5, 2), qh1, qh2);
    services_.dialogs.ShowMessage("The calculations were done and the values are entered in the input tabsheet.");
}

}  // namespace vantorel
