// The help pages and the small windows carry their texts and pictures.

#include <QLabel>
#include <QPlainTextEdit>

#include "model/ProgramInfo.h"
#include "tests/ui/WindowFixture.h"
#include "ui/HelpResources.h"

namespace vantorel::test {
namespace {

class HelpPagesTest : public WindowFixture {
protected:
    QPlainTextEdit* Memo(QWidget& window, const char* name) {
        auto* memo = window.findChild<QPlainTextEdit*>(name);
        EXPECT_NE(memo, nullptr) << "no memo " << name;
        return memo;
    }
};

TEST_F(HelpPagesTest, IntroMathAndFigurePages) {
    const QString text = Memo(Window(), "IntroMemo")->toPlainText();
    EXPECT_TRUE(text.startsWith("INTRODUCTION  TO  Vantorel\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nThe root zone can consist of 1, 2, or 3 layers.\n"));
    EXPECT_TRUE(text.endsWith(ProgramEmailAddress));
    EXPECT_EQ(Find<QLabel>("Image1")->pixmap().size(), QSize(109, 96));

    const QString balances = Memo(Window(), "MathMemo")->toPlainText();
    EXPECT_TRUE(balances.startsWith("WATER AND SALT BALANCES USED IN Quenrick\n"));
    EXPECT_LT(balances.indexOf("\n1. WATER BALANCES\n"), balances.indexOf("\n2. SALT BALANCES\n"));

    EXPECT_EQ(Find<QLabel>("FigImage")->pixmap().size(), QSize(664, 442));
}

TEST_F(HelpPagesTest, ExplanationClosingWindowAndTheCalculatorsPicture) {
    const QString drainage = Memo(Windows().DrainForm, "DrainMemo")->toPlainText();
    EXPECT_TRUE(drainage.contains(QString::fromUtf8("q = (8·Kb·d·h + 4·Ka·h·h) / (L·L)")));

    EXPECT_EQ(Memo(Windows().CloseForm, "Memo")->toPlainText(),
              QString("\n   Thank you for using Vantorel.\n\n   ") + ProgramEmailAddress + "\n   " + ProgramWebAddress);

    // The drain geometry is a JPEG, decoded by the program's own loader.
    const QImage geometry = CalculatorPicture();
    ASSERT_FALSE(geometry.isNull());
    EXPECT_EQ(Windows().AlfaForm.findChild<QLabel*>("GeometryImage")->pixmap().size(), geometry.size());
    EXPECT_GT(geometry.width(), 400);
}

}  // namespace
}  // namespace vantorel::test
