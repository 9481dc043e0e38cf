// Drawn graphs checked at known pixels: frame, axes, a staircase, a measured symbol, level bars.

#include "graphs/draw/DrawGraph.h"

#include <QFontInfo>
#include <gtest/gtest.h>

#include "graphs/GraphRounding.h"
#include "graphs/draw/GraphCanvas.h"
#include "graphs/draw/GraphColours.h"
#include "tests/support/RunStates.h"

namespace vantorel {
namespace {

constexpr int32_t Steps = 12;  // XTop 16: column 70 + Rnd(500 t / 16)

int32_t Column(int32_t t) { return 70 + Rnd(500.0 * t / 16); }

// Twelve monthly steps of one layer, every series flat unless a test shapes it.
ModelState FlatRun() {
    ModelState state = test::MakeLoadedRun({1, Steps, 30, true, false, 5});
    InputData& in = state.Input;
    RunValues& run = state.Run;
    for (size_t t = 0; t <= Steps; ++t) {
        in.Rain[t] = in.Irrig[t] = in.Sdr[t] = in.InfExcess[t] = 0;
        in.DrainMeas[t] = in.DwtMeas[t] = MissingDepthOrDischarge;
        for (StepSeries* s : {&in.S1meas, &in.S2meas, &in.S3meas, &in.STmeas, &in.SAmeas}) (*s)[t] = MissingSalinity;
        run.Perc[t] = 30;
        run.EvapT[t] = 20;
        run.Cap[t] = run.Drain[t] = 0;
        run.Dwt[t] = 1.5;
        run.S1[t] = 5;
        run.STr[t] = run.SAq[t] = 8;
    }
    in.NrMeasDwt = in.NrMeasDrain = 0;
    return state;
}

QImage Draw(ModelState state, GraphType type) {
    GraphState graph;
    QImage picture;
    const GraphDrawing drawing = DrawGraph(state, graph, type, picture);
    EXPECT_TRUE(drawing.Drawn) << drawing.Message;
    EXPECT_EQ(picture.size(), QSize(GraphImageWidth, GraphImageHeight));
    return picture;
}

QRgb Pixel(const QImage& picture, int x, int y) { return picture.pixel(x, y); }

// Pixels of a text's glyphs in the rectangle: those close to the text colour.
int InkIn(const QImage& picture, QRect box, QRgb c) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            count += std::abs(qRed(p) - qRed(c)) + std::abs(qGreen(p) - qGreen(c)) + std::abs(qBlue(p) - qBlue(c)) < 60;
        }
    }
    return count;
}

TEST(GraphDrawingTest, TextUsesTheMetricCompatibleFontAtScreenSizes) {
    const QFontInfo info(GraphFont(10));
    EXPECT_TRUE(info.family() == "Liberation Sans" || info.family() == "Arial") << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 13);
    EXPECT_EQ(QFontInfo(GraphFont(8)).pixelSize(), 11);
    EXPECT_EQ(QFontInfo(GraphFont(12)).pixelSize(), 16);
    EXPECT_EQ(FromFileText("Zw\xe9vegem").toStdString(), "Zw\xc3\xa9vegem");  // titles are Latin-1
}

TEST(GraphDrawingTest, HydrologySeriesAreStaircasesThatStopBeforeTheLastStep) {
    ModelState state = FlatRun();
    for (int t = 7; t <= Steps; ++t) state.Run.Perc[t] = 10;
    state.Run.Perc[Steps] = 25;
    // Ymax 30 (percolation): YTop = Rnd(30 x 1.44 + 2) = 45.
    const auto row = [](double value) { return 348 - Rnd(value * 300 / 45); };
    const QImage picture = Draw(state, GraphType::AllHydrology);
    const QRgb aqua = colours::Aqua;
    // Percolation is drawn 2 pixels left of its steps.
    EXPECT_EQ(Pixel(picture, (Column(5) + Column(6)) / 2 - 2, row(30)), aqua);
    EXPECT_EQ(Pixel(picture, Column(7) - 2, (row(30) + row(10)) / 2 + 20), aqua);  // the step down
    EXPECT_EQ(Pixel(picture, Column(7) - 1, (row(30) + row(10)) / 2 + 20), colours::DarkBlue);
    EXPECT_EQ(Pixel(picture, (Column(11) + Column(12)) / 2 - 2, row(10)), aqua);
    // The last step's 25 is neither reached by a vertical segment nor drawn across.
    EXPECT_NE(Pixel(picture, Column(12) - 2, (row(10) + row(25)) / 2), aqua);
    EXPECT_NE(Pixel(picture, Column(12) + 10, row(25)), aqua);
    // Evaporation (20) in lime, unshifted; its legend in lime at (80, 70), percolation's at (80, 100).
    EXPECT_EQ(Pixel(picture, (Column(2) + Column(3)) / 2, row(20)), colours::Lime);
    EXPECT_GT(InkIn(picture, QRect(80, 70, 120, 12), colours::Lime), 20);
    EXPECT_GT(InkIn(picture, QRect(80, 100, 90, 12), colours::Aqua), 20);
    EXPECT_EQ(InkIn(picture, QRect(80, 100, 90, 12), colours::Lime), 0);
}

TEST(GraphDrawingTest, MeasuredSalinityIsWrittenOverItsLine) {
    ModelState state = FlatRun();
    state.Input.S1meas[4] = 5;
    const QImage picture = Draw(state, GraphType::SalinityLayer1);
    // S1 = 5: Vmax 5, Vmin 5; YTop Rnd(7 + 0.5) = 8 (halves to even), YBottom Rnd(3.5) = 4.
    const int line_row = 350 - Rnd((5.0 - 4) * 300 / 4);
    const int symbol_top = 348 - Rnd((5.0 - 4) * 300 / 4);
    const int symbol_left = Column(4) - 7;
    const QRgb rose = colours::Rose;
    EXPECT_EQ(Pixel(picture, symbol_left - 3, line_row), rose);  // the line before the symbol
    EXPECT_EQ(Pixel(picture, symbol_left + 1, line_row), colours::DarkBlue);  // under its cell
    EXPECT_GT(InkIn(picture, QRect(symbol_left, symbol_top + 4, 9, 12), colours::Rose), 3);
    // The layer's captions in white at (390, 25) and (390, 40).
    EXPECT_GT(InkIn(picture, QRect(390, 25, 150, 12), colours::White), 30);
    EXPECT_GT(InkIn(picture, QRect(390, 40, 150, 12), colours::White), 10);
}

TEST(GraphDrawingTest, LevelModeDrawsAlternatingBarsDownFromTheSurface) {
    ModelState state = FlatRun();  // no measured depths: levels
    const QImage picture = Draw(state, GraphType::WaterTable);
    // Level -1.5: YTop 0, YBottom Rnd(-1.85) = -2; the bars reach from row 50 down to the level.
    const int level_row = 350 - Rnd(0.5 * 300 / 2);
    const int middle = (50 + level_row) / 2;
    EXPECT_EQ(Pixel(picture, (Column(1) + Column(2)) / 2, middle), colours::CaptionGrey);
    EXPECT_EQ(Pixel(picture, Column(2) - 1, middle), colours::CaptionGrey);
    EXPECT_EQ(Pixel(picture, Column(2), middle), colours::SkyBlue);
    EXPECT_EQ(Pixel(picture, Column(11), middle), colours::CaptionGrey);
    EXPECT_EQ(Pixel(picture, Column(2), 50), colours::SkyBlue);
    EXPECT_EQ(Pixel(picture, Column(2), level_row - 1), colours::SkyBlue);
    EXPECT_EQ(Pixel(picture, Column(2), level_row + 1), colours::DarkBlue);
    EXPECT_EQ(Pixel(picture, Column(12) + 5, middle), colours::DarkBlue);  // no bar for the last step
}

TEST(GraphDrawingTest, DepthModeDrawsTheCalculatedLineAndTheObservations) {
    ModelState state = FlatRun();
    state.Input.DwtMeas[3] = 1.8;
    state.Input.NrMeasDwt = 1;
    state.Run.DrainOptWanted = true;
    state.Run.QHOptDwt = true;
    state.Run.FitDwt = 87.5;
    const QImage picture = Draw(state, GraphType::WaterTable);
    // Vmax 1.8: YTop Rnd(2.48) = 2, YBottom 0.
    const int line_row = 350 - Rnd(1.5 * 300 / 2);
    EXPECT_EQ(Pixel(picture, (Column(6) + Column(7)) / 2 + 2, line_row), colours::Yellow);
    const int observed_row = 350 - Rnd(1.8 * 300 / 2);
    EXPECT_GT(InkIn(picture, QRect(Column(3) + 2, observed_row, 9, 16), colours::White), 3);
    EXPECT_GT(InkIn(picture, QRect(80, 45, 200, 12), colours::CaptionGrey), 20);
    EXPECT_GT(InkIn(picture, QRect(180, 75, 120, 12), colours::White), 20);  // the fit text
}

TEST(GraphDrawingTest, NothingToDrawLeavesThePictureAlone) {
    ModelState state = FlatRun();
    for (double& depth : state.Run.Dwt) depth = 0;
    state.Input.NrMeasDwt = 1;
    state.Run.DrainOptWanted = true;  // depth mode: all depths 0
    GraphState graph;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const GraphDrawing drawing = DrawGraph(state, graph, GraphType::WaterTable, picture);
    EXPECT_FALSE(drawing.Drawn);
    EXPECT_EQ(drawing.Message, "There is nothing to draw: the values of this graph are all the same.");
    EXPECT_EQ(picture.size(), QSize(10, 10));
    EXPECT_EQ(Pixel(picture, 5, 5), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace vantorel
