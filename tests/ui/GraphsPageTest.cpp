// The Graphs page: the choices offered for the layer count, "Go" drawing every graph, the two
// faces of the page, and saving and opening picture files.

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include "graphs/draw/PictureFiles.h"
#include "tests/ui/ResultPagesFixture.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;

constexpr const char* ChoiceNames[] = {"GraphHydrRadioButton", "SurfHydrRadioButton", "SubSurfHydrRadioButton",
                                       "GraphWTRadioButton",   "GraphSaltRadioButton", "SalFirstRadioButton",
                                       "SalSecondRadioButton", "SalThirdRadioButton",  "SalBelowRadioButton"};

class GraphsPageTest : public ResultPagesFixture {
protected:
    QRadioButton* Choice(const char* name) { return Find<QRadioButton>(name); }
    QImage Picture() { return Find<QLabel>("GraphImage")->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }
    std::string CurrentPage() {
        return Window().findChild<QTabWidget*>("PageControl")->currentWidget()->objectName().toStdString();
    }
    void ExpectSelectionFace() {
        EXPECT_TRUE(Shown("GraphPanel"));
        EXPECT_FALSE(Shown("GraphImage"));
        EXPECT_FALSE(Button("SaveGraphButton")->isEnabled());
        EXPECT_FALSE(Button("GraphSelectButton")->isEnabled());
    }
    // A one-layer run drawn as its first graph.
    void DrawAGraph() {
        OpenOutput(WriteRun({1, 12, 30, true, false, 31}));
        Click("GraphButton");
        Click("GraphGoButton");
        ASSERT_TRUE(Shown("GraphImage"));
        TakeMessages();
    }
};

TEST_F(GraphsPageTest, ExclusiveChoicesAndTheSelectionFaceAtStart) {
    EXPECT_TRUE(Choice("GraphHydrRadioButton")->isChecked());
    Choice("GraphWTRadioButton")->click();
    EXPECT_FALSE(Choice("GraphHydrRadioButton")->isChecked());
    EXPECT_NE(Control("GraphPanel")->findChild<QPushButton*>("GraphGoButton"), nullptr);
    ExpectSelectionFace();
    EXPECT_TRUE(Button("MakeGraphButton")->isEnabled() && Button("OpenGrapButton")->isEnabled());

    // Without an output there is nothing to draw from.
    Click("GraphGoButton");
    EXPECT_EQ(TakeMessages(), Names{"To make a graph, an output file must be opened first."});
    ExpectSelectionFace();
}

TEST_F(GraphsPageTest, SeeGraphsOffersTheLayerGraphsOfTheRootZoneOnly) {
    for (const int layers : {3, 2, 1}) {
        SCOPED_TRACE(std::to_string(layers) + " layers");
        OpenOutput(WriteRun({layers, 12, 30, true, false, 40u + static_cast<uint32_t>(layers)},
                            "run" + std::to_string(layers)));
        Click("GraphButton");
        EXPECT_EQ(CurrentPage(), "GraphTab");
        ExpectSelectionFace();
        EXPECT_EQ(Choice("SalSecondRadioButton")->isEnabled(), layers >= 2);
        EXPECT_EQ(Choice("SalThirdRadioButton")->isEnabled(), layers >= 3);
        EXPECT_TRUE(Choice("GraphSaltRadioButton")->isEnabled() && Choice("SalBelowRadioButton")->isEnabled());
        // The deepest layer's graph was chosen last time; where it is gone, nothing is chosen.
        for (const char* name : ChoiceNames) EXPECT_FALSE(Choice(name)->isChecked() && !Choice(name)->isEnabled());
        EXPECT_EQ(Choice("GraphHydrRadioButton")->isChecked(), layers == 3);
        Choice(layers == 3 ? "SalThirdRadioButton" : "SalSecondRadioButton")->click();
    }
    Click("GraphGoButton");
    EXPECT_EQ(TakeMessages(), Names{"Choose one of the graphs first."});
    ExpectSelectionFace();
}

TEST_F(GraphsPageTest, GoDrawsEveryGraphOfAThreeLayerRunAndSelectGoesBack) {
    OpenOutput(WriteRun({3, 12, 30, true, false, 32}));
    const StepSeries given = Data().Sdr;
    Click("GraphButton");
    for (const char* name : ChoiceNames) {
        SCOPED_TRACE(name);
        Choice(name)->click();
        Click("GraphGoButton");
        EXPECT_TRUE(TakeMessages().empty());
        EXPECT_TRUE(Shown("GraphImage") && !Shown("GraphPanel"));
        EXPECT_TRUE(Button("SaveGraphButton")->isEnabled() && Button("GraphSelectButton")->isEnabled());
        const QImage picture = Picture();
        ASSERT_EQ(picture.size(), QSize(617, 441));
        EXPECT_EQ(picture.pixel(5, 5), qRgb(192, 192, 192));      // the background
        EXPECT_EQ(picture.pixel(600, 415), qRgb(0, 0, 139));      // the plot frame
        EXPECT_EQ(picture.pixel(70, 200), qRgb(255, 255, 255));   // the Y axis
        EXPECT_EQ(picture.pixel(300, 350), qRgb(255, 255, 255));  // the time axis
        Click("GraphSelectButton");
        ExpectSelectionFace();
    }
    // The drawing adds the infiltration excess to the surface drainage of what it draws only.
    EXPECT_EQ(Data().Sdr, given);
    EXPECT_EQ(Data().FileName, temp_.File("run.inp"));
}

TEST_F(GraphsPageTest, MakeGraphOpensAnOutputAndAGraphWithoutValuesIsNotDrawn) {
    scripted_.files.answers.push_back(WriteRun({1, 12, 30, true, false, 33}));
    Click("MakeGraphButton");
    EXPECT_EQ(TakeMessages(), Names{"To make a graph, an output file must be opened first."});
    EXPECT_EQ(CurrentPage(), "GraphTab");
    ExpectSelectionFace();
    EXPECT_TRUE(Flags().OutputAvailable);

    // "Make graph" leaves the choices as they were: the third layer of a one-layer run has no values.
    Choice("SalThirdRadioButton")->click();
    Click("GraphGoButton");
    const Names messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("There is nothing to draw", 0), 0u) << messages[0];
    ExpectSelectionFace();

    Click("MakeGraphButton");
    EXPECT_EQ(TakeMessages(),
              (Names{"To make a graph, an output file must be opened first.", "No output file was selected"}));
    ExpectSelectionFace();
}

TEST_F(GraphsPageTest, SaveGraphWritesBitmapsAndPngsAndAsksBeforeReplacing) {
    DrawAGraph();
    const QImage picture = Picture();
    Click("SaveGraphButton");
    EXPECT_EQ(TakeMessages(), Names{"The graph was not saved"});

    for (const char* name : {"graph.bmp", "graph.png"}) {
        scripted_.files.answers.push_back(temp_.File(name));
        Click("SaveGraphButton");
        EXPECT_EQ(TakeMessages(), Names{"The graph was saved as  " + temp_.File(name)});
        EXPECT_EQ(OpenPicture(temp_.File(name)).Picture.convertToFormat(QImage::Format_RGB32), picture) << name;
    }
    EXPECT_TRUE(scripted_.dialogs.questions.empty());

    WriteFile(temp_.File("kept.bmp"), "left as it was");
    scripted_.files.answers.push_back(temp_.File("kept.bmp"));
    Click("SaveGraphButton");
    EXPECT_EQ(scripted_.dialogs.questions, Names{"The graph already exists, overwrite?"});
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(ReadFile(temp_.File("kept.bmp")), "left as it was");

    scripted_.files.answers.push_back(temp_.File("kept.bmp"));
    scripted_.dialogs.answers.push_back(true);
    Click("SaveGraphButton");
    EXPECT_EQ(TakeMessages(), Names{"The graph was saved as  " + temp_.File("kept.bmp")});
    EXPECT_EQ(ReadFile(temp_.File("kept.bmp")).substr(0, 2), "BM");

    // A picture that cannot be written is an error, not a saved graph.
    scripted_.files.answers.push_back(temp_.File("graph.jpg"));
    Click("SaveGraphButton");
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(TakeErrors().size(), 1u);
}

TEST_F(GraphsPageTest, OpenGraphShowsBitmapsJpegsAndMetafilesWithoutChangingTheFace) {
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(qRgb(200, 30, 30));
    ASSERT_TRUE(red.save(QString::fromStdString(temp_.File("red.bmp")), "BMP"));
    ASSERT_TRUE(red.save(QString::fromStdString(temp_.File("red.jpg")), "JPG", 95));
    WriteFile(temp_.File("broken.jpg"), "not a picture");

    Click("OpenGrapButton");
    EXPECT_EQ(TakeMessages(), Names{"No graphics file was selected"});

    scripted_.files.answers.push_back(temp_.File("nowhere.bmp"));
    Click("OpenGrapButton");
    EXPECT_EQ(TakeMessages(), Names{"Picture file does not exist, please select another one."});

    scripted_.files.answers.push_back(temp_.File("red.bmp"));
    Click("OpenGrapButton");
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Picture(), red);
    ExpectSelectionFace();

    DrawAGraph();
    scripted_.files.answers.push_back(temp_.File("red.jpg"));
    Click("OpenGrapButton");
    EXPECT_EQ(Picture().size(), QSize(40, 30));
    EXPECT_TRUE(Shown("GraphImage") && !Shown("GraphPanel"));

    scripted_.files.answers.push_back(temp_.File("broken.jpg"));
    Click("OpenGrapButton");
    const std::vector<std::string> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("broken.jpg"), std::string::npos) << errors[0];
    EXPECT_EQ(Picture().size(), QSize(40, 30));

    scripted_.files.answers.push_back(TestDataPath("metafiles/shapes.emf"));
    Click("OpenGrapButton");
    EXPECT_EQ(Picture().size(), QSize(378, 283));
    EXPECT_NE(scripted_.files.shown.back().filter.find("metafiles (*.wmf *.emf)|*.wmf;*.emf"), std::string::npos);
}

}  // namespace
}  // namespace vantorel::test
