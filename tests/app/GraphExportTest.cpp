// Exporting every graph of a loaded run as picture files, offscreen.

#include "app/runner/GraphExport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "graphs/draw/PictureFiles.h"
#include "tests/support/RunStates.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

TEST(GraphExportTest, EveryGraphOfTheLayerCountBecomesOneFile) {
    const std::vector<std::string> one_layer = {"hydrology-all",       "hydrology-surface",  "hydrology-subsurface",
                                                "water-table",         "salinity-all-layers", "salinity-layer-1",
                                                "salinity-below-root-zone"};
    for (int layers = 1; layers <= 3; ++layers) {
        SCOPED_TRACE(layers);
        test::TempDir dir;
        const ModelState state = test::MakeLoadedRun({layers, 14, 7, true, false, static_cast<uint32_t>(layers)});
        const GraphExport result = ExportGraphs(state, dir.File("graphs"), GraphFileFormat::Bmp);
        ASSERT_TRUE(result.Written) << result.Error;
        EXPECT_TRUE(result.Notes.empty());
        ASSERT_EQ(result.Files.size(), static_cast<size_t>(6 + layers));
        std::vector<std::string> expected = one_layer;
        if (layers >= 2) expected.insert(expected.begin() + 6, "salinity-layer-2");
        if (layers == 3) expected.insert(expected.begin() + 7, "salinity-layer-3");
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(result.Files[i], dir.File("graphs/" + expected[i] + ".bmp"));
            const OpenedPicture opened = OpenPicture(result.Files[i]);
            EXPECT_EQ(opened.Picture.size(), QSize(617, 441)) << opened.Error;
        }
    }
}

TEST(GraphExportTest, EachGraphStartsFromTheStateAsGiven) {
    test::TempDir dir;
    ModelState state = test::MakeLoadedRun({2, 10, 30, false, false, 3});
    state.Input.FileName = dir.File("field.out");
    for (size_t t = 1; t <= 10; ++t) state.Input.InfExcess[t] = 5;
    const ModelState before = state;
    const GraphExport result = ExportGraphs(state, dir.Path().string(), GraphFileFormat::Png);
    ASSERT_TRUE(result.Written) << result.Error;
    EXPECT_EQ(result.Files.front(), dir.File("hydrology-all.png"));
    EXPECT_EQ(state.Input.Sdr, before.Input.Sdr);
    EXPECT_EQ(state.Input.FileName, before.Input.FileName);
    EXPECT_EQ(test::ReadFile(dir.File("salinity-layer-2.png")).substr(1, 3), "PNG");
}

TEST(GraphExportTest, GraphsWithNothingToDrawAreNotedAndPictureErrorsStop) {
    test::TempDir dir;
    ModelState state = test::MakeLoadedRun({1, 10, 30, false, false, 4});
    for (StepSeries* s : {&state.Run.S1, &state.Run.STr, &state.Run.SAq}) s->assign(11, 0.0);
    for (StepSeries* s : {&state.Input.S1meas, &state.Input.STmeas, &state.Input.SAmeas}) s->assign(11, -1.0);
    GraphExport result = ExportGraphs(state, dir.Path().string(), GraphFileFormat::Bmp);
    EXPECT_TRUE(result.Written);
    EXPECT_EQ(result.Files.size(), 4u);
    ASSERT_EQ(result.Notes.size(), 3u);

    std::filesystem::create_directories(dir.File("blocked/water-table.bmp"));  // a folder in the file's place
    result = ExportGraphs(state, dir.File("blocked"), GraphFileFormat::Bmp);
    EXPECT_FALSE(result.Written);
    EXPECT_NE(result.Error.find("water-table.bmp"), std::string::npos) << result.Error;
    EXPECT_EQ(result.Files.size(), 3u);

    test::WriteFile(dir.File("plain-file"), "");
    result = ExportGraphs(state, dir.File("plain-file"), GraphFileFormat::Bmp);
    EXPECT_FALSE(result.Written);
    EXPECT_NE(result.Error.find("plain-file"), std::string::npos) << result.Error;
}

}  // namespace
}  // namespace vantorel
