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
    // A light green read-only memo in 10 pt.
    void ExpectHelpLook(const QPlainTextEdit& memo) {
        EXPECT_TRUE(memo.isReadOnly());
        EXPECT_EQ(memo.font().pointSize(), 10);
        EXPECT_EQ(memo.palette().color(QPalette::Base), QColor(204, 255, 204));
    }
};

TEST_F(HelpPagesTest, IntroMathAndFigurePages) {
    QPlainTextEdit* intro = Memo(Window(), "IntroMemo");
    EXPECT_EQ(intro->size(), QSize(470, 510));
    ExpectHelpLook(*intro);
    const QString text = intro->toPlainText();
    EXPECT_TRUE(text.startsWith("INTRODUCTION  TO  Vantorel\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nThe root zone can consist of 1, 2, or 3 layers.\n"));
    EXPECT_TRUE(text.endsWith(ProgramEmailAddress));
    EXPECT_EQ(Find<QLabel>("Image1")->pixmap().size(), QSize(109, 96));

    QPlainTextEdit* math = Memo(Window(), "MathMemo");
    EXPECT_EQ(math->size(), QSize(721, 513));
    EXPECT_EQ(math->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QString balances = math->toPlainText();
    EXPECT_TRUE(balances.startsWith("WATER AND SALT BALANCES USED IN Quenrick\n"));
    EXPECT_LT(balances.indexOf("\n1. WATER BALANCES\n"), balances.indexOf("\n2. SALT BALANCES\n"));
    for (const char* symbol : {"Rain", "Irrig", "Perc3", "Evap3", "Cap3", "Drain", "Up", "Down", "Inf", "Out",
                               "Stor", "Sdr", "AvD", "R3", "MrT", "MrM", "ETp", "Cf", "Dc", "DRa", "DRb", "QH1",
                               "QH2", "Dd", "Dwt", "Ts", "EffPor", "Wr", "Wt", "Wa", "LEt", "Sinf"}) {
        EXPECT_TRUE(balances.contains(symbol)) << symbol;
    }

    auto* title = Find<QLabel>("FigMemo");
    EXPECT_EQ(title->text(), "     Sketch of water movement as used in Vantorel in case of a root zone with two layers");
    EXPECT_EQ(title->font().pointSize(), 12);
    EXPECT_EQ(Find<QLabel>("FigImage")->pixmap().size(), QSize(664, 442));
}

TEST_F(HelpPagesTest, ExplanationClosingWindowAndTheCalculatorsPicture) {
    const QString drainage = Memo(Windows().DrainForm, "DrainMemo")->toPlainText();
    for (const char* part : {"q = (8·Kb·d·h + 4·Ka·h·h) / (L·L)", "q = q1 + q2", "q1 = 8·Kb·d·h/(L·L)",
                             "q2 = 4·Ka·h·h/(L·L)", "QH1 = 8·Kb·d/(L·L)", "QH2 = 4·Ka/(L·L)",
                             "Agricultural Water Management 19 (1991), pp. 1-16"}) {
        EXPECT_TRUE(drainage.contains(QString::fromUtf8(part))) << part;
    }

    QPlainTextEdit* close = Memo(Windows().CloseForm, "Memo");
    ExpectHelpLook(*close);
    EXPECT_EQ(close->toPlainText(), QString("\n   Thank you for using Vantorel.\n\n   ") + ProgramEmailAddress +
                                        "\n   " + ProgramWebAddress);

    // The drain geometry is a JPEG, decoded by the program's own loader.
    const QImage geometry = CalculatorPicture();
    ASSERT_FALSE(geometry.isNull());
    EXPECT_EQ(Windows().AlfaForm.findChild<QLabel*>("GeometryImage")->pixmap().size(), geometry.size());
    EXPECT_GT(geometry.width(), 400);
}

TEST(ProgramIconTest, EverySizeOfTheWindowIconIsThere) {
    const QIcon icon = ProgramIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {256, 256}}));
}

}  // namespace
}  // namespace vantorel::test
