// The drainage-factor calculator driven through its fields: the numbers it enters into the
// drainage editor, the checks when a field is left, and both decimal separators.

#include <QApplication>
#include <QFocusEvent>

#include "model/NumberText.h"
#include "tests/support/RoundField.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* DoneMessage = "The calculations were done and the values are entered in the input tabsheet.";

// The seven fields in the order of the window: Ka, Kb, Dd, D, U, P, L.
struct Geometry {
    QString Ka, Kb, Dd, D, U, P, L;
};
const Geometry WideSpacing{"0.8", "1.5", "1.8", "5", "0.6", "6", "20"};

class CalculatorWindowTest : public WindowFixture {
protected:
    TAlfaForm& Calculator() { return Windows().AlfaForm; }
    QLineEdit* Field(const char* name) {
        auto* edit = Calculator().findChild<QLineEdit*>(name);
        EXPECT_NE(edit, nullptr) << "no field " << name;
        return edit;
    }
    QString Text(const char* name) { return Field(name)->text(); }
    void Leave(const char* name, Qt::FocusReason reason = Qt::TabFocusReason) {
        QFocusEvent leave(QEvent::FocusOut, reason);
        QApplication::sendEvent(Field(name), &leave);
    }
    // Types the text into the field and leaves it with the Tab key.
    void Enter(const char* name, const QString& text) {
        Field(name)->setText(text);
        Leave(name);
    }
    void EnterAll(const Geometry& g) {
        const std::pair<const char*, QString> fields[] = {{"Edit1", g.Ka}, {"Edit2", g.Kb}, {"Edit9", g.Dd},
                                                          {"Edit3", g.D},  {"Edit4", g.U},  {"Edit5", g.P},
                                                          {"Edit6", g.L}};
        for (const auto& [name, text] : fields) Enter(name, text);
    }
    void Calculate() { Calculator().findChild<QPushButton*>("Button1")->click(); }
    // Opens the drainage editor of a data set with drains possible between 1 and 3 m, and the
    // calculator from it.
    void OpenCalculator() {
        OpenDataSet(RoundField(12, 30));
        Click("DrainOpenButton");
        SetItem("DrainPresentCombo", 1);
        Click("DrainHelpButton");
        ASSERT_TRUE(Calculator().isVisible());
        TakeMessages();
    }
};

// Expected values computed independently with the calculator's constants.
TEST_F(CalculatorWindowTest, FactorsReachTheDrainageEditorAndItsSave) {
    OpenCalculator();
    EnterAll(WideSpacing);  // x = 1.571: the series
    EXPECT_EQ(TakeMessages(), Strings{});
    Calculate();
    EXPECT_EQ(TakeMessages(), Strings{DoneMessage});
    EXPECT_EQ(Text("Edit7"), " 1.0652");
    EXPECT_EQ(Text("Edit8"), " 0.1333");
    EXPECT_EQ(Edit("DrainQH1Edit")->text(), " 1.0652");
    EXPECT_EQ(Edit("DrainQH2Edit")->text(), " 0.1333");
    EXPECT_EQ(Edit("DrainDepthEdit")->text(), " 1.80");

    Click("DrainSaveButton");
    EXPECT_EQ(TakeMessages(), Strings{"The data on the Subsurface Drainage System were saved."});
    EXPECT_EQ(Data().Dd, 1.8);
    EXPECT_EQ(Data().QH1, 1.0652);
    EXPECT_EQ(Data().QH2, 0.1333);
    EXPECT_FALSE(Calculator().isVisible());

    // Changing a field clears the results.
    Enter("Edit3", "2");
    EXPECT_EQ(Text("Edit7"), "");
    EXPECT_EQ(Text("Edit8"), "");
    EXPECT_EQ(Calculator().ResultQH1(), 0);

    const struct {
        Geometry geometry;
        const char* qh1;
        const char* qh2;
    } cases[] = {
        {{"0.8", "1.5", "1.8", "2", "0.5", "8", "60"}, " 0.0746", " 0.0111"},  // x = 0.2095: the logarithm
        {{"1", "1", "1.8", "1", "0.4", "5", "6.284"}, " 2.9548", " 2.0259"},   // x exactly 1: the logarithm
        {{"1", "1", "1.8", "0.3", "3", "5", "3"}, "12.8909", " 8.8889"},       // L = U: ln(L/U) = 0
    };
    for (const auto& c : cases) {
        EnterAll(c.geometry);
        Calculate();
        EXPECT_EQ(TakeMessages(), Strings{DoneMessage});
        EXPECT_EQ(Text("Edit7"), c.qh1);
        EXPECT_EQ(Edit("DrainQH1Edit")->text(), c.qh1);
        EXPECT_EQ(Text("Edit8"), c.qh2);
        EXPECT_EQ(Edit("DrainQH2Edit")->text(), c.qh2);
    }
}

TEST_F(CalculatorWindowTest, LeaveChecksEmptyTheFieldAndResetOnlyKaKbDAndU) {
    EnterAll(WideSpacing);
    const DrainGeometry& stored = Calculator().Stored();
    const struct {
        const char* field;
        const char* text;
        const char* message;
        const double* value;
        double stored;
    } refused[] = {
        {"Edit1", "-2", "Ka should be greater than zero", &stored.Ka, 0},
        {"Edit2", "-2", "Kb should be greater than zero", &stored.Kb, 0},
        {"Edit3", "-2", "D should be greater than zero", &stored.D, 0},
        {"Edit4", "-2", "U should be greater than zero", &stored.U, 0},
        {"Edit5", "-2", "P should be greater than zero", &stored.P, -2},
        {"Edit5", "0.5", "P should be greater than 1%", &stored.P, 0.5},
        {"Edit5", "31", "P should be less than 30%", &stored.P, 31},
        {"Edit6", "-2", "L should be greater than zero", &stored.L, -2},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(std::string(r.field) + " " + r.text);
        Enter(r.field, r.text);
        EXPECT_EQ(TakeMessages(), Strings{r.message});
        EXPECT_EQ(Text(r.field), "");
        EXPECT_EQ(*r.value, r.stored);
    }

    // P of 1 and 30 pass their field, but not "Calculate".
    for (const char* porosity : {"1", "30"}) {
        EnterAll(WideSpacing);
        EXPECT_TRUE(Calculator().InputsValid());
        Enter("Edit5", porosity);
        EXPECT_EQ(TakeMessages(), Strings{});
        EXPECT_FALSE(Calculator().InputsValid());
        Calculate();
        EXPECT_EQ(TakeMessages(), Strings{"One or more data values are incorrect"});
        EXPECT_EQ(Text("Edit7"), "");
        EXPECT_EQ(Edit("DrainQH1Edit")->text(), "");
    }

    // A refused drain depth keeps its number, takes no part in the check and is entered.
    EnterAll(WideSpacing);
    Enter("Edit9", "-1");
    EXPECT_EQ(TakeMessages(), Strings{"H should be greater than zero"});
    EXPECT_EQ(Calculator().StoredDd(), -1);
    Calculate();
    EXPECT_EQ(TakeMessages(), Strings{DoneMessage});
    EXPECT_EQ(Edit("DrainDepthEdit")->text(), "-1.00");
}

TEST_F(CalculatorWindowTest, TextsThatAreNoNumberAndDecimalCommas) {
    Enter("Edit1", "0.8");
    Enter("Edit1", "abc");
    EXPECT_EQ(TakeErrors(), Strings{"'abc' is not a valid floating point value"});
    EXPECT_EQ(TakeMessages(), Strings{});
    EXPECT_EQ(Text("Edit1"), "abc");
    EXPECT_EQ(Calculator().Stored().Ka, 0.8);
    Enter("Edit2", "");
    EXPECT_EQ(TakeErrors(), Strings{"'' is not a valid floating point value"});
    // Moving to another window is no leaving of the field.
    Leave("Edit2", Qt::ActiveWindowFocusReason);
    EXPECT_EQ(TakeErrors(), Strings{});

    for (const char separator : {'.', ','}) {
        SetDecimalSeparator(separator);
        for (const auto& [text, value] : {std::pair{"1,5", 1.5}, std::pair{"1.5", 1.5}, std::pair{" 2,25 ", 2.25}}) {
            SCOPED_TRACE(std::string("separator ") + separator + ", text " + text);
            Enter("Edit6", text);
            EXPECT_EQ(Calculator().Stored().L, value);
            EXPECT_EQ(DecimalSeparator(), separator);
        }
    }
    EXPECT_EQ(TakeErrors(), Strings{});
    EXPECT_EQ(TakeMessages(), Strings{});
}

}  // namespace
}  // namespace vantorel::test
