#pragma once
// The drainage-factor calculator: QH1 and QH2 of a drainage system from its geometry and
// conductivities, entered with the drain depth into the drainage editor of the Input page.

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <vector>

#include "engine/HooghoudtFactors.h"
#include "ui/Platform.h"

namespace vantorel {

// Hands the texts of a calculation to the drainage editor, whose Save takes them over.
using EnterDrainageFactors = std::function<void(const QString& depth, const QString& qh1, const QString& qh2)>;

class TAlfaForm : public QWidget {
public:
    TAlfaForm(WindowServices& services, EnterDrainageFactors enter_in_editor);

    // "Calculate".
    void Button1Click();
    void ClearCalculatorResults();
    void ValidateCalculatorInputs();

    // The values the fields last stored; they belong to this window. All are 0 at first.
    const DrainGeometry& Stored() const { return geometry_; }
    double StoredDd() const { return Dd_; }
    bool InputsValid() const { return inputs_valid_; }
    // The results of the last "Calculate", 0 once a field changed.
    double ResultQH1() const { return QH1_; }
    double ResultQH2() const { return QH2_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QLineEdit* edit;
        CalculatorField field;
        double* stored;
        // A refused Ka, Kb, D or U is stored as 0; P, L and Dd keep the refused number.
        bool zero_when_refused;
    };

    void AddField(QGridLayout* grid, const char* edit_name, const char* label, CalculatorField field,
                  double* stored, bool zero_when_refused);
    // The leave check of a field.
    void FieldExit(const Field& field);

    WindowServices& services_;
    EnterDrainageFactors enter_in_editor_;
    DrainGeometry geometry_;
    double Dd_ = 0;
    double QH1_ = 0;
    double QH2_ = 0;
    bool inputs_valid_ = false;
    std::vector<Field> fields_;
    QLabel* GeometryImage = nullptr;
    QPushButton* Button1 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;
};

}  // namespace vantorel
